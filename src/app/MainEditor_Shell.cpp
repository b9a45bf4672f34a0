// The shell commands of the main window: the World Properties dialog, the preview, the manual
// and the About box.
#include "MainEditor.h"

#include "CommandTwins.h"
#include "ErrorReport.h"
#include "LocalPath.h"
#include "ManualPage.h"
#include "Saver.h"
#include "frmAbout.h"
#include "scene/ShownPath.h"
#include "vrml/WorldWriter.h"

#include <QAction>
#include <QPushButton>

void MainEditor::connectShellCommands() {
    connectTwins(Command1, mnuSaveItem, this, &MainEditor::mnuSaveItem_Click);
    connect(Command7, &QPushButton::clicked, this, &MainEditor::Command7_Click);
    connect(mnuManualItem, &QAction::triggered, this, &MainEditor::mnuManualItem_Click);
    connect(mnuAboutItem, &QAction::triggered, this, &MainEditor::mnuAboutItem_Click);
    connectWebCommands();
    connectExportCommands();
}

void MainEditor::mnuSaveItem_Click() {
    openWorldProperties({});
}

// Opens World Properties; it disables this window until it closes, so only one is ever open.
// `exporter`, when given, is what its "&OK" does with the options (see Saver::setExporter).
void MainEditor::openWorldProperties(Saver::Exporter exporter) {
    if (m_saver) {
        m_saver->activateWindow();
        return;
    }
    m_saver = new Saver(this, scene(), FinalCode, m_services);
    m_saver->setExporter(std::move(exporter));
    m_saver->setConfirmed(
        [this](const norvane::WorldOptions& options) { m_confirmedWorld = options; });
    // The 3D view shows the sky chosen in the dialog while it is open, then the default again.
    connect(m_saver, &Saver::skyChosen, this, &MainEditor::showSkyIn3D);
    connect(m_saver, &QObject::destroyed, this,
            [this] { showSkyIn3D(QStringLiteral("Blue Sky")); });
    m_saver->show();
}

void MainEditor::Command7_Click() {
    writeAndOpen(QStringLiteral("tester.wrl"),
                 [this] { return norvane::buildPreviewWorld(scene()); });
}

void MainEditor::mnuManualItem_Click() {
    writeAndOpen(QStringLiteral("Manual.htm"), [] { return shownManual(); });
}

void MainEditor::mnuAboutItem_Click() {
    frmAbout about(this);
    about.exec();
}

// Writes `text()` through FinalCode to `name` in the program's directory, replacing an earlier
// one, and hands the file to the desktop without waiting. Each failure is shown once.
void MainEditor::writeAndOpen(const QString& name, const std::function<std::string()>& text) {
    const QString path = pathInDirectory(m_services.appDirectory, name);
    const bool written = runOrReport(this, m_services.messages, [&] {
        FinalCode.setText(text());
        FinalCode.saveToFile(localPath(path));
    });
    if (written && !m_services.opener.open(path))
        m_services.messages.showError(
            this, QStringLiteral("Norvane"),
            tr("Cannot open %1: the desktop has no application for this file.")
                .arg(QString::fromStdString(norvane::shownPath(localPath(path)))));
}
