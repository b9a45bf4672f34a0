#include "app/frmAbout.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void showsNameVersionIconAndDisclaimer() {
        QWidget main;
        frmAbout about(&main);
        QCOMPARE(about.windowTitle(), QString("About Norvane"));
        QVERIFY(about.findChild<QLabel*>("lblTitle")->font().bold());
        QVERIFY(!about.findChild<QLabel*>("Image1")->pixmap().isNull());
        QVERIFY(about.findChild<QPlainTextEdit*>("Text1")->isReadOnly());
        QVERIFY(about.findChild<QPushButton*>("cmdOK")->isDefault());
    }

    void closesLikeOk_data() {
        QTest::addColumn<int>("key"); // 0: click OK
        QTest::newRow("OK button") << 0;
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }
    // Shown modal as the main window does; the key or click ends exec().
    void closesLikeOk() {
        QFETCH(int, key);
        QWidget main;
        main.show();
        frmAbout about(&main);
        QTimer::singleShot(0, &about, [&] {
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            if (key == 0)
                QTest::mouseClick(about.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
            else
                QTest::keyClick(&about, Qt::Key(key));
        });
        QTimer::singleShot(5000, &about, [&] { about.done(-1); }); // not closed: fail, not hang
        QVERIFY(about.exec() != -1);
        QVERIFY(!about.isVisible());
    }
};

QTEST_MAIN(AboutTest)
#include "AboutTest.moc"
