#include "app/frmSplash.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>

#include <algorithm>

class SplashTest : public QObject {
    Q_OBJECT

private slots:
    void showsThePictureOnGreyWithoutTitle() {
        frmSplash splash;
        QCOMPARE(splash.windowTitle(), QString());
        QCOMPARE(splash.size(), QSize(463, 316));
        QCOMPARE(splash.palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
        QVERIFY(!splash.findChild<QLabel*>("Image1")->pixmap().isNull());
    }

    // Two seconds after it shows, without any click, the splash closes and is gone; only then
    // does the main window load.
    void splashIsGoneBeforeTheMainWindowLoads() {
        QElapsedTimer clock;
        clock.start();
        int runs = 0;
        bool splashLeft = true;
        frmSplash::showThen([&] {
            ++runs;
            const QWidgetList windows = QApplication::topLevelWidgets();
            splashLeft = std::any_of(windows.cbegin(), windows.cend(),
                                     [](QWidget* w) { return qobject_cast<frmSplash*>(w); });
            QVERIFY(clock.elapsed() >= 2000);
        });
        QTRY_COMPARE_WITH_TIMEOUT(runs, 1, 10000);
        QVERIFY(!splashLeft);
        QVERIFY(QApplication::quitOnLastWindowClosed()); // closing the main window ends it
    }
};

QTEST_MAIN(SplashTest)
#include "SplashTest.moc"
