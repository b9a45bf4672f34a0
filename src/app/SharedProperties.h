#pragma once

#include "scene/SceneObject.h"

#include <QDialog>

#include <optional>
#include <vector>

class QDialogButtonBox;
class QLineEdit;

// Properties of several objects at once: what they share, the angle in degrees of the ones that
// turn and the anchor URL. A field whose values differ among them starts blank, and left blank
// it changes none of them; a field typed into gives every object (every turnable one, for the
// angle) its value. Nothing else of any object changes. "OK" is enabled while the angle is a
// number or left as it was.
class SharedProperties : public QDialog {
    Q_OBJECT
public:
    SharedProperties(std::vector<norvane::SceneObject> objects, QWidget* parent);
    // The objects' new values once the user confirms; nothing when the dialog is cancelled.
    static std::optional<std::vector<norvane::SceneObject>>
    edit(QWidget* parent, const std::vector<norvane::SceneObject>& objects);
    // The values the fields give the objects now.
    std::vector<norvane::SceneObject> values() const;

private:
    QLineEdit* addField(const char* name, const char* label, const std::optional<QString>& shared);
    void checkAngle();

    std::vector<norvane::SceneObject> m_objects;
    QLineEdit* m_angle = nullptr;
    QString m_angleWas;
    QLineEdit* m_url = nullptr;
    QString m_urlWas;
    QDialogButtonBox* m_buttons = nullptr;
};
