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
    void showsThePictureOnGreyWithoutTitle();
    void handsOverAfterTwoSecondsWithoutAClick();
};

void SplashTest::showsThePictureOnGreyWithoutTitle() {
    frmSplash splash;
    QCOMPARE(splash.windowTitle(), QString());
    QCOMPARE(splash.size(), QSize(463, 316));
    QCOMPARE(splash.palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
    auto* picture = splash.findChild<QLabel*>("Image1");
    QVERIFY(!picture->pixmap().isNull());
    QCOMPARE(picture->pixmap().size(), QSize(431, 284));
    auto* timer = splash.findChild<QTimer*>("Timer1");
    QCOMPARE(timer->interval(), 2000);
    QVERIFY(timer->isSingleShot());
    QVERIFY(!timer->isActive());
}

void SplashTest::handsOverAfterTwoSecondsWithoutAClick() {
    QPointer<frmSplash> splash = new frmSplash;
    QSignalSpy finished(splash.data(), &frmSplash::finished);
    QElapsedTimer clock;
    clock.start();
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash.data()));
    QVERIFY(splash->findChild<QTimer*>("Timer1")->isActive());
    QVERIFY(finished.wait(10000));
    QVERIFY(clock.elapsed() >= frmSplash::kShowMilliseconds);
    QCOMPARE(finished.count(), 1);
    QTRY_VERIFY(splash.isNull());
}

QTEST_MAIN(SplashTest)
#include "SplashTest.moc"
