#include "app/frmAbout.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void showsNameVersionIconAndDisclaimer();
    void closesLikeOk_data();
    void closesLikeOk();
};

void AboutTest::showsNameVersionIconAndDisclaimer() {
    QWidget main;
    frmAbout about(&main);
    QCOMPARE(about.windowTitle(), QString("About Norvane"));
    QVERIFY(about.findChild<QLabel*>("lblTitle")->font().bold());
    QVERIFY(!about.findChild<QLabel*>("Image1")->pixmap().isNull());
    QVERIFY(about.findChild<QPlainTextEdit*>("Text1")->isReadOnly());
    QVERIFY(about.findChild<QPushButton*>("cmdOK")->isDefault());
}

void AboutTest::closesLikeOk_data() {
    QTest::addColumn<int>("key"); // 0: click OK
    QTest::newRow("OK button") << 0;
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

// Shown modal as the main window does; the key or click ends exec().
void AboutTest::closesLikeOk() {
    QFETCH(int, key);
    QWidget main;
    main.show();
    frmAbout about(&main);
    bool closedByUs = false;
    QTimer::singleShot(0, &about, [&] {
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        if (key == 0)
            QTest::mouseClick(about.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        else
            QTest::keyClick(&about, Qt::Key(key));
        closedByUs = true;
    });
    QTimer::singleShot(5000, &about, [&] { about.done(-1); });
    const int result = about.exec();
    QVERIFY(closedByUs);
    QVERIFY(result != -1);
    QVERIFY(!about.isVisible());
}

QTEST_MAIN(AboutTest)
#include "AboutTest.moc"
