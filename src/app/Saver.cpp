#include "Saver.h"

#include "AccessibleText.h"
#include "ErrorReport.h"
#include "FileFilters.h"
#include "LocalPath.h"
#include "Twips.h"
#include "platform/TextBuffer.h"
#include "scene/SingleLine.h"
#include "vrml/WorldWriter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QWindow>

#include <array>

namespace {

// The skies as the world names them, and as the list shows them.
constexpr std::array<const char*, 2> kSkies{QT_TRANSLATE_NOOP("Saver", "Blue Sky"),
                                            QT_TRANSLATE_NOOP("Saver", "Night Sky")};

// What screen readers say for the controls; descriptions default to the hover hints.
constexpr std::array<AccessibleText, 6> kAccessibleTexts{{
    {"Combo1", QT_TRANSLATE_NOOP("AccessibleText", "Background"),
     QT_TRANSLATE_NOOP("AccessibleText", "The sky of the world")},
    {"Text1", QT_TRANSLATE_NOOP("AccessibleText", "Anchor Target Frame"), nullptr},
    {"Check1", nullptr,
     QT_TRANSLATE_NOOP("AccessibleText",
                       "Plays a music file from the list in a loop in the world")},
    {"File1", QT_TRANSLATE_NOOP("AccessibleText", "Music Files"), nullptr},
    {"Command1", nullptr,
     QT_TRANSLATE_NOOP("AccessibleText",
                       "Asks where to save the world and saves it with these properties")},
    {"Command2", nullptr, QT_TRANSLATE_NOOP("AccessibleText", "Closes without saving a world")},
}};

} // namespace

Saver::Saver(QWidget* mainWindow, const norvane::Scene& scene, norvane::TextBuffer& finalCode,
             Services services)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_mainWindow(mainWindow), m_scene(scene), m_finalCode(finalCode),
      m_services(std::move(services)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString(20, QLatin1Char(' ')) + tr("World Properties"));
    setFixedSize(sizeFromTwips(4290, 3285));
    createControls();
    fillMusicList();
    ownBy(mainWindow);
}

void Saver::createControls() {
    auto* label1 = placeControl(new QLabel(tr("Background"), this), "Label1", 240, 240, 1095, 255);
    // The list and the text box start at 2130 twips so that "Anchor Target Frame" fits in
    // the toolkit's font.
    Combo1 = placeControl(new QComboBox(this), "Combo1", 2130, 240, 1965, 315);
    for (const char* sky : kSkies)
        Combo1->addItem(tr(sky), QLatin1String(sky));
    Combo1->setCurrentIndex(0);
    auto* label3 =
        placeControl(new QLabel(tr("Anchor Target Frame"), this), "Label3", 240, 840, 1860, 255);
    const QString frameHint = tr("Use to direct anchors to a specific frame.");
    label3->setToolTip(frameHint);
    Text1 = placeControl(new QLineEdit(this), "Text1", 2130, 840, 1965, 285);
    Text1->setToolTip(frameHint);
    // Screen readers announce each box with its label (on Linux a combo box's name is its text).
    label1->setBuddy(Combo1);
    label3->setBuddy(Text1);
    Check1 =
        placeControl(new QCheckBox(tr("Background Music"), this), "Check1", 240, 1440, 2055, 195);
    File1 = placeControl(new QListWidget(this), "File1", 240, 1680, 3855, 870);
    File1->setToolTip(tr("Music Files in Application Directory"));
    File1->hide();
    addEtchedLine(this, 240, 4080, 600, 120);
    addEtchedLine(this, 240, 4080, 1200, 120);
    createButtons();
    describeControls(this, kAccessibleTexts);
    connect(Check1, &QCheckBox::toggled, this, &Saver::Check1_Click);
    connect(Combo1, &QComboBox::currentIndexChanged, this,
            [this] { emit skyChosen(Combo1->currentData().toString()); });
}

void Saver::createButtons() {
    Command1 = placeControl(new QPushButton(tr("&OK"), this), "Command1", 360, 2760, 1815, 375);
    Command2 =
        placeControl(new QPushButton(tr("&Cancel"), this), "Command2", 2280, 2760, 1815, 375);
    connect(Command1, &QPushButton::clicked, this, &Saver::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Saver::Command2_Click);
}

// The music files beside the program: plain files whose names match *.wav* in any letter case,
// hidden ones left out, sorted by name.
void Saver::fillMusicList() {
    const QDir directory(m_services.appDirectory);
    File1->addItems(directory.entryList({QStringLiteral("*.wav*")}, QDir::Files,
                                        QDir::Name | QDir::IgnoreCase));
}

// The main window owns the dialog as a window: the desktop keeps the dialog above it and the
// main window takes no input meanwhile. Not a widget child, so that disabling the main window
// leaves the dialog enabled.
void Saver::ownBy(QWidget* mainWindow) {
    setWindowModality(Qt::WindowModal);
    winId();
    windowHandle()->setTransientParent(mainWindow->window()->windowHandle());
    connect(mainWindow, &QObject::destroyed, this, [this] { delete this; });
}

void Saver::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_mainWindow->setEnabled(false);
    move(m_mainWindow->frameGeometry().center() - rect().center());
}

void Saver::done(int result) {
    m_mainWindow->setEnabled(true);
    QDialog::done(result);
}

void Saver::Command1_Click() {
    if (m_confirmed)
        m_confirmed(worldOptions());
    if (m_exporter)
        m_exporter(*this, worldOptions());
    else
        exportWorld();
    accept();
}

void Saver::Command2_Click() {
    reject();
}

void Saver::Check1_Click(bool ticked) {
    File1->setVisible(ticked);
}

// Asks for the world file and writes it. A cancelled Save dialog ends silently; a failure to
// build or write the world is shown, and an existing file of that name keeps its content.
void Saver::exportWorld() {
    const std::optional<QString> path =
        m_services.files.askSave(this, m_services.appDirectory, kWorldFileFilter);
    if (!path || path->isEmpty())
        return;
    const norvane::WorldOptions options = worldOptions();
    runOrReport(this, m_services.messages, [&] {
        m_finalCode.setText(norvane::buildWorld(m_scene, options));
        m_finalCode.saveToFile(localPath(*path));
    });
}

norvane::WorldOptions Saver::worldOptions() const {
    norvane::WorldOptions options;
    options.sky = Combo1->currentData().toString().toStdString();
    const QList<QListWidgetItem*> music = File1->selectedItems();
    if (Check1->isChecked() && !music.isEmpty())
        options.musicFile = music.constFirst()->text().toStdString();
    options.targetFrame = norvane::singleLine(Text1->text().toStdString());
    return options;
}
