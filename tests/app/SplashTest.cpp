#include "app/frmSplash.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

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

    // Two seconds after it shows, the splash hands over once and goes, without any click.
    void handsOverAfterTwoSecondsWithoutAClick() {
        QPointer<frmSplash> splash = new frmSplash;
        QSignalSpy finished(splash.data(), &frmSplash::finished);
        QElapsedTimer clock;
        clock.start();
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash.data()));
        QVERIFY(finished.wait(10000));
        QVERIFY(clock.elapsed() >= 2000);
        QCOMPARE(finished.count(), 1);
        QTRY_VERIFY(splash.isNull());
    }
};

QTEST_MAIN(SplashTest)
#include "SplashTest.moc"
