#pragma once

#include "Services.h"

#include <QDialog>

#include <functional>
#include <utility>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace norvane {
class Scene;
class TextBuffer;
struct WorldOptions;
} // namespace norvane

// The World Properties dialog: sky, background music and anchor target frame for an export.
// It stays in front of the main window (its owner), which is disabled while it is open, and
// deletes itself when closed. The scene and FinalCode belong to the main window; if that window
// goes first, the dialog goes with it.
class Saver : public QDialog {
    Q_OBJECT

public:
    Saver(QWidget* mainWindow, const norvane::Scene& scene, norvane::TextBuffer& finalCode,
          Services services);

    // What "&OK" does with the chosen options instead of asking for a world file, for a command
    // that publishes the world another way (the web page). The dialog is its parent for prompts.
    using Exporter = std::function<void(Saver& dialog, const norvane::WorldOptions& options)>;
    void setExporter(Exporter exporter) { m_exporter = std::move(exporter); }

    // Called with the chosen options when "&OK" is pressed, before they are used.
    using Confirmed = std::function<void(const norvane::WorldOptions& options)>;
    void setConfirmed(Confirmed confirmed) { m_confirmed = std::move(confirmed); }

    // Closes the dialog whatever the result and enables the main window again.
    void done(int result) override;

signals:
    // The sky chosen in the list, at every choice, so the 3D view can show it: its name in the
    // world ("Blue Sky", "Night Sky"), whatever the list shows.
    void skyChosen(const QString& sky);

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void Command1_Click();
    void Command2_Click();
    void Check1_Click(bool ticked);

private:
    void createControls();
    void createButtons();
    void fillMusicList();
    void ownBy(QWidget* mainWindow);
    void exportWorld();
    norvane::WorldOptions worldOptions() const;

    QWidget* m_mainWindow;
    const norvane::Scene& m_scene;
    norvane::TextBuffer& m_finalCode;
    Services m_services;
    Exporter m_exporter;
    Confirmed m_confirmed;

    QComboBox* Combo1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QListWidget* File1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};
