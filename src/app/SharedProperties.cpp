#include "SharedProperties.h"

#include "AngleText.h"
#include "CoreText.h"

#include "render/Utf8Text.h"
#include "scene/Catalogue.h"
#include "scene/Orientation.h"
#include "scene/RowFields.h"
#include "scene/SingleLine.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace {

std::string urlText(const norvane::SceneObject& object) {
    return std::string(norvane::anchorUrl(object));
}

// The text every object taken by `takes` holds in the field `of`, or nothing when they differ or
// none is taken.
template <typename Takes, typename Of>
std::optional<std::string> sharedText(const std::vector<norvane::SceneObject>& objects, Takes takes,
                                      Of of) {
    std::optional<std::string> shared;
    for (const norvane::SceneObject& object : objects) {
        if (!takes(object))
            continue;
        if (shared && *shared != of(object))
            return std::nullopt;
        shared = of(object);
    }
    return shared;
}

bool turns(const norvane::SceneObject& object) {
    return norvane::isTurnable(object.kind);
}

} // namespace

SharedProperties::SharedProperties(std::vector<norvane::SceneObject> objects, QWidget* parent)
    : QDialog(parent), m_objects(std::move(objects)) {
    setObjectName(QStringLiteral("SharedProperties"));
    setWindowTitle(tr("Properties of %1 Objects").arg(m_objects.size()));
    new QFormLayout(this);
    const std::optional<std::string> angle =
        sharedText(m_objects, turns, [](const norvane::SceneObject& o) { return o.list5; });
    m_angle = addField("Angle", QT_TR_NOOP("Angle (degrees)"),
                       angle ? std::optional(degreesText(*angle)) : std::nullopt);
    if (!std::any_of(m_objects.begin(), m_objects.end(), turns)) {
        m_angle->setEnabled(false);
        m_angle->setToolTip(coreText(norvane::turnRefusal(m_objects.front().kind)));
    }
    const std::optional<std::string> url = sharedText(
        m_objects, [](const norvane::SceneObject&) { return true; }, urlText);
    m_url = addField("URL", QT_TR_NOOP("URL"), url ? std::optional(fromUtf8(*url)) : std::nullopt);
    m_angleWas = m_angle->text();
    m_urlWas = m_url->text();
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    static_cast<QFormLayout*>(layout())->addRow(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_angle, &QLineEdit::textChanged, this, &SharedProperties::checkAngle);
}

std::optional<std::vector<norvane::SceneObject>>
SharedProperties::edit(QWidget* parent, const std::vector<norvane::SceneObject>& objects) {
    SharedProperties dialog(objects, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.values();
}

std::vector<norvane::SceneObject> SharedProperties::values() const {
    std::vector<norvane::SceneObject> result = m_objects;
    const std::optional<std::string> angle =
        m_angle->text() == m_angleWas ? std::nullopt : orientationOfDegreesText(m_angle->text());
    const std::string url = norvane::singleLine(m_url->text().toStdString());
    for (norvane::SceneObject& object : result) {
        if (angle && turns(object))
            object.list5 = *angle;
        if (m_url->text() != m_urlWas)
            norvane::anchorUrlText(object) = url;
    }
    return result;
}

// A field whose values differ starts blank and says so.
QLineEdit* SharedProperties::addField(const char* name, const char* label,
                                      const std::optional<QString>& shared) {
    auto* edit = new QLineEdit(shared.value_or(QString()), this);
    edit->setObjectName(QLatin1String(name));
    if (!shared)
        edit->setPlaceholderText(tr("(various)"));
    static_cast<QFormLayout*>(layout())->addRow(tr(label), edit);
    return edit;
}

void SharedProperties::checkAngle() {
    const bool valid =
        m_angle->text() == m_angleWas || orientationOfDegreesText(m_angle->text()).has_value();
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(valid);
}
