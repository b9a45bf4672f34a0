#include "PageOptionsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

#include <array>
#include <string_view>

namespace {

struct FormatChoice {
    std::string_view name; // as PageOptions::worldFormat
    const char* shown;
};

constexpr std::array<FormatChoice, 4> kFormats{{
    {"wrl", QT_TRANSLATE_NOOP("PageOptionsDialog", "VRML 2.0 (.wrl)")},
    {"wrz", QT_TRANSLATE_NOOP("PageOptionsDialog", "VRML 2.0, compressed (.wrz)")},
    {"x3d", QT_TRANSLATE_NOOP("PageOptionsDialog", "X3D (.x3d)")},
    {"glb", QT_TRANSLATE_NOOP("PageOptionsDialog", "glTF 2.0 binary (.glb), without music")},
}};

struct AspectChoice {
    int width;
    int height;
};

constexpr std::array<AspectChoice, 5> kAspects{{{4, 3}, {16, 9}, {3, 2}, {1, 1}, {3, 4}}};

// The snippet's shape as "<width>:<height>", the same in every language: options() reads it back.
QString aspectText(int width, int height) {
    return QStringLiteral("%1:%2").arg(width).arg(height);
}

template <typename Control> Control* named(Control* control, const char* name) {
    control->setObjectName(QLatin1String(name));
    return control;
}

} // namespace

PageOptionsDialog::PageOptionsDialog(QWidget* parent, const norvane::PageOptions& shown,
                                     const QString& described)
    : QDialog(parent), m_description(named(new QLineEdit(this), "pageDescription")),
      m_format(named(new QComboBox(this), "pageFormat")),
      m_vr(named(new QCheckBox(tr("Offer \"Enter &VR\" where the browser can"), this), "pageVr")),
      m_embed(named(new QCheckBox(tr("Also write a &snippet for other pages (embed.html)"), this),
                    "pageEmbed")),
      m_aspect(named(new QComboBox(this), "pageAspect")) {
    setWindowTitle(tr("Page Options"));
    m_description->setText(QString::fromStdString(shown.description));
    m_description->setPlaceholderText(described);
    m_description->setMinimumWidth(420);
    for (const FormatChoice& format : kFormats) {
        m_format->addItem(tr(format.shown));
        if (format.name == shown.worldFormat)
            m_format->setCurrentIndex(m_format->count() - 1);
    }
    m_vr->setChecked(shown.vr);
    m_embed->setChecked(shown.embed);
    for (const AspectChoice& aspect : kAspects)
        m_aspect->addItem(aspectText(aspect.width, aspect.height));
    const QString aspect = aspectText(shown.aspectWidth, shown.aspectHeight);
    if (m_aspect->findText(aspect) < 0)
        m_aspect->addItem(aspect);
    m_aspect->setCurrentText(aspect);
    m_aspect->setEnabled(shown.embed);
    connect(m_embed, &QCheckBox::toggled, m_aspect, &QWidget::setEnabled);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(tr("Page &description:"), m_description);
    form->addRow(tr("World &format:"), m_format);
    form->addRow(m_vr);
    form->addRow(m_embed);
    form->addRow(tr("Snippet &shape (width:height):"), m_aspect);
    form->addRow(buttons);
}

norvane::PageOptions PageOptionsDialog::options() const {
    norvane::PageOptions chosen;
    chosen.description = m_description->text().trimmed().toStdString();
    chosen.worldFormat =
        std::string(kFormats[static_cast<std::size_t>(m_format->currentIndex())].name);
    chosen.vr = m_vr->isChecked();
    chosen.embed = m_embed->isChecked();
    const QStringList aspect = m_aspect->currentText().split(QLatin1Char(':'));
    chosen.aspectWidth = aspect.value(0).toInt();
    chosen.aspectHeight = aspect.value(1).toInt();
    return chosen;
}
