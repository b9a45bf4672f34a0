// The editor: the splash for two seconds, then the main window, which opens the scene file
// named on the command line. `norvane --version` and `norvane --help` print and exit.
//
// NORVANE_EXIT_AFTER_START=1 runs the start without a user, for tests of the real program:
// messages go to standard error instead of message boxes, and once the main window has started
// the program prints "title: <window title>" and "objects: <number of scene objects>" on two
// lines of standard output and quits with status 0. NORVANE_EXIT_AFTER_START=texts does the same
// and then prints every text of the main window (WindowTexts.h), in the user's language.
#include "Artwork.h"
#include "ConsoleMessageBoxes.h"
#include "MainEditor.h"
#include "ProgramFolder.h"
#include "ProgramIdentity.h"
#include "QtServices.h"
#include "Translations.h"
#include "WindowTexts.h"
#include "frmSplash.h"
#include "scene/Error.h"
#include "scene/ProgramVersion.h"

#include <QApplication>

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

namespace {

Services withMessages(Services services, MessageBoxes& messages) {
    return {services.prompt,      services.files,        messages,         services.opener,
            services.pageOptions, services.appDirectory, services.settings};
}

void reportStart(MainEditor& editor, bool withTexts) {
    std::printf("title: %s\nobjects: %zu\n", editor.windowTitle().toUtf8().constData(),
                editor.scene().count());
    if (withTexts)
        for (const QString& line : windowTexts(editor))
            std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

// The program's folder, prepared for this user. When it cannot be made, says so once and goes on
// with the folder it wanted: editing works, the preview and the manual report their own failure.
QString programFolder(MessageBoxes& messages) {
    const ProgramFolderPlaces places = installedPlaces();
    try {
        return prepareProgramFolder(places);
    } catch (const norvane::Error& e) {
        messages.showError(nullptr, QStringLiteral("Norvane"), QString::fromStdString(e.what()));
        return places.userFolder;
    }
}

// Answers `--version` and `--help` alone on the command line, without a display; nothing for
// anything else, which names a scene to open.
std::optional<int> answeredRequest(int argc, char** argv) {
    if (argc != 2)
        return std::nullopt;
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("%s\n", norvane::versionLine().c_str());
        return 0;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::printf("usage: norvane [SCENE.NSC]\n"
                    "Starts the editor, opening the scene file when one is named.\n"
                    "  norvane --version   prints the version and exits\n"
                    "  norvane --help      prints this and exits\n"
                    "See also norvane-cli --help for work on scene files without the editor.\n");
        return 0;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> status = answeredRequest(argc, argv))
        return *status;
    QApplication app(argc, argv);
    installTranslations(app);
    setProgramIdentity();
    app.setWindowIcon(programIcon());
    const QString startHook = qEnvironmentVariable("NORVANE_EXIT_AFTER_START");
    const bool withTexts = startHook == QStringLiteral("texts");
    const bool exitAfterStart = startHook == QStringLiteral("1") || withTexts;
    ConsoleMessageBoxes console;
    QtMessageBoxes boxes;
    QtServices qt(programFolder(exitAfterStart ? static_cast<MessageBoxes&>(console) : boxes));
    const Services services = exitAfterStart ? withMessages(qt.services(), console) : qt.services();
    const QString commandLine = app.arguments().mid(1).join(QLatin1Char(' '));

    std::unique_ptr<MainEditor> editor;
    frmSplash::showThen([&] {
        editor = std::make_unique<MainEditor>(services);
        editor->show();
        editor->loadStartupScene(commandLine);
        if (exitAfterStart) {
            reportStart(*editor, withTexts);
            QCoreApplication::quit();
        }
    });
    const int status = app.exec();
    return status;
}
