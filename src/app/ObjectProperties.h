#pragma once

#include "scene/SceneObject.h"

#include <QDialog>

#include <optional>
#include <vector>

class QComboBox;
class QDialogButtonBox;
class QLineEdit;

// The properties of one scene object: position (point kinds) or corners (area kinds), the
// orientation of a point kind (a quarter turn to choose, and its angle in degrees to type), the
// anchor URL and the display text of the text kinds. "OK" is enabled only while every coordinate
// is a number a float holds and the angle is a number. Texts are kept on one line.
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
    void addAngle(const std::string& code);
    void showAngleOfChoice();
    void showChoiceOfAngle();
    bool angleIsValid() const;
    void checkNumbers();

    norvane::SceneObject m_object;
    std::vector<QLineEdit*> m_numbers; // list3, list4 and for areas list5, list6
    QComboBox* m_orientation = nullptr;
    int m_firstChoice = 0;        // the orientation's entry when the dialog opened
    int m_typedChoice = -1;       // the entry that shows a typed angle, once there is one
    QLineEdit* m_angle = nullptr; // in degrees; left as it was, the chosen entry's code is kept
    QString m_angleWas;
    QLineEdit* m_url = nullptr;
    QLineEdit* m_text = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};
