#pragma once

#include "scene/SceneObject.h"

#include <QDialog>

#include <optional>
#include <vector>

class QComboBox;
class QDialogButtonBox;
class QLineEdit;

// The properties of one scene object: position (point kinds) or corners (area kinds), the
// orientation of a point kind, the anchor URL and the display text of the text kinds. "OK" is
// enabled only while every coordinate is a number a float holds. Texts are kept on one line.
class ObjectProperties : public QDialog {
    Q_OBJECT
public:
    ObjectProperties(const norvane::SceneObject& object, QWidget* parent);
    // The object's new values once the user confirms; nothing when the dialog is cancelled.
    static std::optional<norvane::SceneObject> edit(QWidget* parent,
                                                    const norvane::SceneObject& object);
    // The values the fields hold now.
    norvane::SceneObject values() const;

private:
    QLineEdit* addField(const char* name, const char* label, const std::string& text);
    void addOrientation(const std::string& code);
    void checkNumbers();

    norvane::SceneObject m_object;
    std::vector<QLineEdit*> m_numbers; // list3, list4 and for areas list5, list6
    QComboBox* m_orientation = nullptr;
    QLineEdit* m_url = nullptr;
    QLineEdit* m_text = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};
