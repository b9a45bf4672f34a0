// File > Export Web Page… (through World Properties) and Preview in Browser, with scripted
// dialogs and desktop.
#include "EditorHarness.h"

#include "app/PageOptionsDialog.h"
#include "app/Saver.h"
#include "vrml/WorldWriter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStatusBar>

#include <tuple>

class MainEditorWebTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The export writes the world of World Properties' choices beside its page; the preview
    // writes the preview's world into the cache and hands the desktop a loopback address, and
    // once World Properties has been confirmed, the world of its choices.
    void exportsAndPreviewsThePage() {
        if (!QFile::exists(NORVANE_PROGRAM_DATA "/x_ite/x_ite.min.js"))
            QSKIP("X_ITE is not beside norvane-cli: the build has NORVANE_WEB off");
        EditorHarness harness;
        const QDir app(harness.scripted.appDirectory());
        for (const QString name :
             {"x_ite", "source1.jpg", "source2.jpg", "source3.jpg", "source4.jpg", "source5.jpg"})
            QVERIFY(QFile::link(NORVANE_PROGRAM_DATA "/" + name, app.filePath(name)));
        harness.fill({{"Tree", " 40.5", " 62.25", "0", "http://example.com/", ""}});
        const auto& scene = harness.editor.scene();
        const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
        harness.run("mnuBrowserItem");
        QCOMPARE(bytes(cache + "/page/index.wrl"),
                 QByteArray::fromStdString(norvane::buildPreviewWorld(scene)));
        harness.scripted.fileAnswers = {app.filePath("site/park")};
        harness.scripted.pageAnswers = {norvane::PageOptions{"", true, 16, 9, true, "wrz"}};
        harness.run("mnuWebPageItem");
        auto* saver = visibleWindow<Saver>();
        QVERIFY(saver);
        saver->findChild<QComboBox*>("Combo1")->setCurrentIndex(1);
        QTest::mouseClick(saver->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        const QByteArray night =
            QByteArray::fromStdString(norvane::buildWorld(scene, {"Night Sky", "", "", ""}));
        QCOMPARE(harness.scripted.log.filter("page options ").value(0),
                 "page options wrl|3D world: Norvane with 1 object: Tree 1");
        QCOMPARE(gunzipped(app.filePath("site/park.wrz")), night);
        QVERIFY(bytes(app.filePath("site/park.html")).contains("<title>Norvane</title>"));
        QVERIFY(bytes(app.filePath("site/embed.html")).contains("aspect-ratio: 16 / 9"));
        QVERIFY(bytes(app.filePath("site/poster.png")).startsWith("\x89PNG"));
        QVERIFY(
            QRegularExpression("^Published park\\.html: 4[0-9] files, [0-9.]+ MB; the poster is "
                               "the map \\(no OpenGL here for the 3D view\\)$")
                .match(harness.editor.statusBar()->currentMessage())
                .hasMatch());

        harness.run("mnuBrowserItem");
        QCOMPARE(gunzipped(cache + "/page/index.wrz"), night);
        const QString opened = harness.scripted.log.filter("opened ").value(0);
        QVERIFY(QRegularExpression("^opened http://127\\.0\\.0\\.1:[0-9]+/index\\.html$")
                    .match(opened)
                    .hasMatch());
        QCOMPARE(harness.scripted.log.filter("error "), QStringList());
    }

    // Page Options shows the options it is given and returns what the user changed.
    void pageOptionsDialogKeepsTheChoices() {
        PageOptionsDialog dialog(nullptr, {"", false, 2, 1, false, "x3d"}, "3D world: park");
        QCOMPARE(dialog.findChild<QLineEdit*>("pageDescription")->placeholderText(),
                 "3D world: park");
        QCOMPARE(dialog.findChild<QComboBox*>("pageFormat")->currentText(), "X3D (.x3d)");
        QVERIFY(!dialog.findChild<QComboBox*>("pageAspect")->isEnabled());
        dialog.findChild<QCheckBox*>("pageEmbed")->setChecked(true);
        dialog.findChild<QComboBox*>("pageAspect")->setCurrentText("1:1");
        dialog.findChild<QLineEdit*>("pageDescription")->setText(" Our park ");
        const norvane::PageOptions chosen = dialog.options();
        QCOMPARE(QString::fromStdString(chosen.description + "|" + chosen.worldFormat),
                 "Our park|x3d");
        QCOMPARE(std::tuple(chosen.embed, chosen.vr, chosen.aspectWidth, chosen.aspectHeight),
                 std::tuple(true, false, 1, 1));
    }

private:
    static QByteArray gunzipped(const QString& path) {
        QProcess gzip;
        gzip.start("gzip", {"-dc", path});
        gzip.waitForFinished();
        return gzip.readAllStandardOutput();
    }

    static QByteArray bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
};

QTEST_MAIN(MainEditorWebTest)
#include "MainEditorWebTest.moc"
