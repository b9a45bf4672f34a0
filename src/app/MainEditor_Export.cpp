// File > Export As…: World Properties chooses the sky, the music and the target frame, then a
// Save dialog the file, whose extension (or the filter chosen for a name without one) picks the
// world format. Afterwards one note says what that format loses of this scene, until the user
// asks not to be told again.
#include "MainEditor.h"

#include "CoreText.h"
#include "ErrorReport.h"
#include "LocalPath.h"
#include "Saver.h"
#include "formats/WorldFormats.h"
#include "render/Utf8Text.h"
#include "vrml/FormatReport.h"

#include <QAction>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

namespace {

const QString kReportHidden = QStringLiteral("export/reportHidden");

// One field of every world format, VRML 2.0 first, in the user's language, joined by `separator`.
QString joinedFormats(std::string_view norvane::WorldFormat::*field, const QString& separator) {
    QStringList texts;
    for (const norvane::WorldFormat& format : norvane::worldFormats())
        texts << coreText(format.*field);
    return texts.join(separator);
}

// What `format` loses of a scene of `use`, as compatibilityReport says it: "<title>: <note> · …",
// or "" when it keeps everything.
QString lossReport(const norvane::WorldFormat& format, const norvane::WorldUse& use) {
    QStringList notes;
    for (const std::string& note : norvane::compatibilityNotes(format.name, use))
        notes << coreText(note);
    if (notes.isEmpty())
        return {};
    return MainEditor::tr("%1: %2").arg(coreText(format.title),
                                        notes.join(QStringLiteral(" \u00b7 ")));
}

} // namespace

void MainEditor::connectExportCommands() {
    connect(mnuExportAsItem, &QAction::triggered, this, &MainEditor::mnuExportAsItem_Click);
}

void MainEditor::mnuExportAsItem_Click() {
    openWorldProperties([this](Saver& dialog, const norvane::WorldOptions& options) {
        const std::optional<QString> path = m_services.files.askSave(
            &dialog, m_services.appDirectory, joinedFormats(&norvane::WorldFormat::filter, ";;"));
        if (path && !path->isEmpty())
            exportWorldAs(&dialog, *path, options);
    });
}

// Writes the world in the format of the path's extension; an extension of no format is refused
// before anything is written. Failures are shown over `parent`.
void MainEditor::exportWorldAs(QWidget* parent, const QString& path,
                               const norvane::WorldOptions& options) {
    const norvane::WorldFormat* format = norvane::worldFormatOf(localPath(path));
    if (!format) {
        m_services.messages.showError(
            parent, QStringLiteral("Norvane"),
            tr("Cannot tell the format of %1: name it with one of %2.")
                .arg(QFileInfo(path).fileName(),
                     joinedFormats(&norvane::WorldFormat::extension, ", ")));
        return;
    }
    norvane::WorldOptions withTextures = options;
    withTextures.textureFolder = localPath(m_services.appDirectory);
    const bool written = runOrReport(parent, m_services.messages, [&] {
        FinalCode.setText(norvane::worldText(scene(), withTextures, format->write));
        FinalCode.saveToFile(localPath(path));
    });
    if (written)
        reportWhatIsLost(parent, *format, options);
}

void MainEditor::reportWhatIsLost(QWidget* parent, const norvane::WorldFormat& format,
                                  const norvane::WorldOptions& options) {
    if (m_services.settings.value(kReportHidden, false).toBool())
        return;
    const QString report = lossReport(format, norvane::worldUse(scene(), options));
    if (report.isEmpty())
        return;
    if (m_services.messages.showNote(parent, tr("What the format keeps"), report))
        m_services.settings.setValue(kReportHidden, true);
}
