// The editor: the splash for two seconds, then the main window, which opens the scene file
// named on the command line.
//
// NORVANE_EXIT_AFTER_START=1 runs the start without a user, for tests of the real program:
// messages go to standard error instead of message boxes, and once the main window has started
// the program prints "title: <window title>" and "objects: <number of scene objects>" on two
// lines of standard output and quits with status 0.
#include "Artwork.h"
#include "ConsoleMessageBoxes.h"
#include "MainEditor.h"
#include "QtServices.h"
#include "frmSplash.h"

#include <QApplication>
#include <QPointer>

#include <cstdio>
#include <memory>

namespace {

Services withMessages(Services services, MessageBoxes& messages) {
    return {services.prompt, services.files, messages, services.opener, services.appDirectory};
}

void reportStart(MainEditor& editor) {
    std::printf("title: %s\nobjects: %zu\n", editor.windowTitle().toUtf8().constData(),
                editor.scene().count());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setWindowIcon(programIcon());
    const bool exitAfterStart = qEnvironmentVariable("NORVANE_EXIT_AFTER_START") == "1";
    QtServices qt(QCoreApplication::applicationDirPath());
    ConsoleMessageBoxes console;
    const Services services = exitAfterStart ? withMessages(qt.services(), console) : qt.services();
    const QString commandLine = app.arguments().mid(1).join(QLatin1Char(' '));

    std::unique_ptr<MainEditor> editor;
    QPointer<frmSplash> splash = new frmSplash;
    QObject::connect(splash, &frmSplash::finished, [&] {
        editor = std::make_unique<MainEditor>(services);
        editor->show();
        editor->loadStartupScene(commandLine);
        if (exitAfterStart) {
            reportStart(*editor);
            QCoreApplication::quit();
        }
    });
    splash->show();
    const int status = app.exec();
    delete splash.data();
    return status;
}
