#include "ObjectProperties.h"

#include "AngleText.h"
#include "render/Utf8Text.h"

#include "scene/Catalogue.h"
#include "scene/NumberText.h"
#include "scene/Orientation.h"
#include "scene/RowFields.h"
#include "scene/SingleLine.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <array>

namespace {

struct OrientationChoice {
    std::string_view code;
    const char* caption;
};

constexpr std::array<OrientationChoice, 4> kOrientations{{
    {norvane::kFaceForward, QT_TRANSLATE_NOOP("ObjectProperties", "Forward")},
    {norvane::kFaceBackward, QT_TRANSLATE_NOOP("ObjectProperties", "Backward")},
    {norvane::kFaceRight, QT_TRANSLATE_NOOP("ObjectProperties", "Right")},
    {norvane::kFaceLeft, QT_TRANSLATE_NOOP("ObjectProperties", "Left")},
}};

constexpr std::array<const char*, 4> kPointFields{"X", "Y", nullptr, nullptr};
constexpr std::array<const char*, 4> kAreaFields{"X1", "Y1", "X2", "Y2"};

// The coordinates' labels are their names in the scene file, the same in every language.
// A coordinate as stored: kept as it was when the user left its text alone, else written in the
// form of its kind.
std::string coordinate(const QLineEdit* edit, const std::string& was, bool area) {
    const std::string text = edit->text().toStdString();
    const std::optional<double> value = norvane::parseNumber(text);
    if (text == was || !value) // "OK" is disabled while a coordinate is not a number
        return was;
    const auto single = static_cast<float>(*value);
    return area ? norvane::plainForm(single) : norvane::pointForm(single);
}

} // namespace

ObjectProperties::ObjectProperties(const norvane::SceneObject& object, QWidget* parent)
    : QDialog(parent), m_object(object) {
    setObjectName(QStringLiteral("ObjectProperties"));
    setWindowTitle(tr("Properties of %1").arg(fromUtf8(object.kind)));
    auto* form = new QFormLayout(this);
    const bool area = norvane::isAreaKind(object.kind);
    const std::array<const std::string*, 4> values{&object.list3, &object.list4, &object.list5,
                                                   &object.list6};
    for (std::size_t i = 0; i < 4; ++i)
        if (const char* name = (area ? kAreaFields : kPointFields)[i])
            m_numbers.push_back(addField(name, name, *values[i]));
    if (!area) {
        addOrientation(object.list5);
        addAngle(object.list5);
    }
    m_url = addField("URL", QT_TR_NOOP("URL"), std::string(norvane::anchorUrl(object)));
    const norvane::KindInfo* kind = norvane::findKind(object.kind);
    if (kind && kind->isText)
        m_text = addField("Text", QT_TR_NOOP("Text"), object.list7);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    checkNumbers();
}

std::optional<norvane::SceneObject> ObjectProperties::edit(QWidget* parent,
                                                           const norvane::SceneObject& object) {
    ObjectProperties dialog(object, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.values();
}

norvane::SceneObject ObjectProperties::values() const {
    norvane::SceneObject result = m_object;
    const bool area = norvane::isAreaKind(m_object.kind);
    const std::array<std::string*, 4> texts{&result.list3, &result.list4, &result.list5,
                                            &result.list6};
    for (std::size_t i = 0; i < m_numbers.size(); ++i)
        *texts[i] = coordinate(m_numbers[i], *texts[i], area);
    if (m_orientation)
        result.list5 = m_angle->text() == m_angleWas
                           ? m_orientation->currentData().toString().toStdString()
                           : orientationOfDegreesText(m_angle->text()).value_or(result.list5);
    norvane::anchorUrlText(result) = norvane::singleLine(m_url->text().toStdString());
    if (m_text)
        result.list7 = norvane::singleLine(m_text->text().toStdString());
    return result;
}

QLineEdit* ObjectProperties::addField(const char* name, const char* label,
                                      const std::string& text) {
    auto* edit = new QLineEdit(fromUtf8(text), this);
    edit->setObjectName(QLatin1String(name));
    static_cast<QFormLayout*>(layout())->addRow(tr(label), edit);
    connect(edit, &QLineEdit::textChanged, this, &ObjectProperties::checkNumbers);
    return edit;
}

// A code outside the four is offered as it is, so confirming other changes keeps it.
void ObjectProperties::addOrientation(const std::string& code) {
    m_orientation = new QComboBox(this);
    m_orientation->setObjectName(QStringLiteral("Orientation"));
    for (const OrientationChoice& choice : kOrientations)
        m_orientation->addItem(tr(choice.caption), fromUtf8(std::string(choice.code)));
    int index = m_orientation->findData(fromUtf8(code));
    if (index < 0) {
        m_orientation->addItem(fromUtf8(code), fromUtf8(code));
        index = m_orientation->count() - 1;
    }
    m_orientation->setCurrentIndex(index);
    m_firstChoice = index;
    static_cast<QFormLayout*>(layout())->addRow(tr("Orientation"), m_orientation);
    connect(m_orientation, &QComboBox::currentIndexChanged, this,
            &ObjectProperties::showAngleOfChoice);
}

void ObjectProperties::addAngle(const std::string& code) {
    m_angleWas = degreesText(code);
    m_angle = addField("Angle", QT_TR_NOOP("Angle (degrees)"), m_angleWas.toStdString());
    m_angle->setToolTip(tr("Counterclockwise on the map; 0 faces the map's bottom edge"));
    connect(m_angle, &QLineEdit::textChanged, this, &ObjectProperties::showChoiceOfAngle);
}

void ObjectProperties::showAngleOfChoice() {
    const QSignalBlocker blocker(m_angle);
    const std::string code = m_orientation->currentData().toString().toStdString();
    m_angle->setText(m_orientation->currentIndex() == m_firstChoice ? m_angleWas
                                                                    : degreesText(code));
    checkNumbers();
}

// A typed angle that is a quarter turn chooses its entry; any other is shown as an entry of its
// own after the four.
void ObjectProperties::showChoiceOfAngle() {
    const QSignalBlocker blocker(m_orientation);
    if (m_angle->text() == m_angleWas) {
        m_orientation->setCurrentIndex(m_firstChoice);
        return;
    }
    const std::optional<std::string> code = orientationOfDegreesText(m_angle->text());
    if (!code)
        return;
    int index = m_orientation->findData(fromUtf8(*code));
    if (index < 0) {
        if (m_typedChoice < 0)
            m_orientation->addItem(QString());
        index = m_typedChoice = m_orientation->count() - 1;
        m_orientation->setItemText(index, fromUtf8(*code));
        m_orientation->setItemData(index, fromUtf8(*code));
    }
    m_orientation->setCurrentIndex(index);
}

bool ObjectProperties::angleIsValid() const {
    return !m_angle || m_angle->text() == m_angleWas ||
           orientationOfDegreesText(m_angle->text()).has_value();
}

void ObjectProperties::checkNumbers() {
    if (!m_buttons)
        return;
    bool valid = angleIsValid();
    for (const QLineEdit* edit : m_numbers)
        valid = valid && norvane::readNumberText(edit->text().toStdString()).fault ==
                             norvane::NumberFault::None;
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(valid);
}
