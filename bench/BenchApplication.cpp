#ifdef NORVANE_HAVE_QTCANVAS
#include "BenchApplication.h"

#ifdef NORVANE_HAVE_APP
#include <QApplication>
using Application = QApplication;
#else
#include <QGuiApplication>
using Application = QGuiApplication;
#endif

namespace norvane::bench {

QGuiApplication& application() {
    static int argc = 1;
    static char name[] = "norvane_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static Application app(argc, argv);
    return app;
}

} // namespace norvane::bench
#endif
