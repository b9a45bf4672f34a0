// The pictures the program carries and the two windows that show them, the splash and About;
// the textures the build places beside the executable (NORVANE_PROGRAM_DIR, set by CTest).
#include "app/Artwork.h"
#include "EditorHarness.h"
#include "app/frmAbout.h"
#include "app/frmSplash.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

class ArtworkTest : public QObject {
    Q_OBJECT

private slots:
    void picturesLoad() {
        QCOMPARE(programIcon().size(), QSize(256, 256));
        QVERIFY(programIcon().hasAlpha());
        QCOMPARE(splashPicture().size(), QSize(431, 284));
        const QString programDir = qEnvironmentVariable("NORVANE_PROGRAM_DIR");
        if (programDir.isEmpty())
            QSKIP("NORVANE_PROGRAM_DIR is not set");
        for (const char* name : {"source1", "source2", "source3", "source4", "source5"})
            QVERIFY2(QImage(QDir(programDir).filePath(name + QString(".jpg")), "JPEG").size() ==
                         QSize(256, 256),
                     name);
    }

    // Two seconds after it shows, without any click, the splash closes and is gone; only then
    // does the main window load.
    void splashShowsThePictureThenHandsOver() {
        {
            frmSplash splash;
            QCOMPARE(splash.windowTitle(), QString());
            QCOMPARE(splash.size(), QSize(463, 316));
            QCOMPARE(splash.palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
            QVERIFY(!splash.findChild<QLabel*>("Image1")->pixmap().isNull());
        }
        QElapsedTimer clock;
        clock.start();
        int runs = 0;
        bool left = true;
        frmSplash::showThen([&] {
            ++runs;
            const QWidgetList windows = QApplication::topLevelWidgets();
            left = std::any_of(windows.cbegin(), windows.cend(),
                               [](QWidget* w) { return qobject_cast<frmSplash*>(w); });
            QVERIFY(clock.elapsed() >= 2000);
        });
        QTRY_COMPARE_WITH_TIMEOUT(runs, 1, 10000);
        QVERIFY(!left);
        QVERIFY(QApplication::quitOnLastWindowClosed()); // closing the main window ends it
    }

    // Opened modal from the Help menu; OK, Enter and Escape each end it.
    void aboutCloses() {
        EditorHarness h;
        for (int key : {0, int(Qt::Key_Return), int(Qt::Key_Escape)}) {
            bool seen = false;
            whenModal<frmAbout>([&](frmAbout* about) {
                QCOMPARE(about->windowTitle(), QString("About Norvane"));
                QVERIFY(about->findChild<QLabel*>("lblTitle")->font().bold());
                QVERIFY(!about->findChild<QLabel*>("Image1")->pixmap().isNull());
                QVERIFY(about->findChild<QPlainTextEdit*>("Text1")->isReadOnly());
                QVERIFY(about->findChild<QPushButton*>("cmdOK")->isDefault());
                seen = true;
                if (key == 0)
                    QTest::mouseClick(about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
                else
                    QTest::keyClick(about, Qt::Key(key));
            });
            h.editor.mnuAboutItem->trigger();
            QVERIFY2(seen, qPrintable(QString::number(key)));
            QVERIFY(!QApplication::activeModalWidget());
            QVERIFY(h.editor.findChildren<frmAbout*>().isEmpty());
        }
    }
};

QTEST_MAIN(ArtworkTest)
#include "ArtworkTest.moc"
