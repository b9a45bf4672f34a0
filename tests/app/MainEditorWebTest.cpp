// File > Export Web Page… (through World Properties) and Preview in Browser, with scripted
// dialogs and desktop.
#include "EditorHarness.h"

#include "app/Saver.h"
#include "vrml/WorldWriter.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>

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
        harness.run("mnuWebPageItem");
        auto* saver = visibleWindow<Saver>();
        QVERIFY(saver);
        saver->findChild<QComboBox*>("Combo1")->setCurrentIndex(1);
        QTest::mouseClick(saver->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        const QByteArray night =
            QByteArray::fromStdString(norvane::buildWorld(scene, {"Night Sky", "", "", ""}));
        QCOMPARE(bytes(app.filePath("site/park.wrl")), night);
        QVERIFY(bytes(app.filePath("site/park.html")).contains("<title>Norvane</title>"));

        harness.run("mnuBrowserItem");
        QCOMPARE(bytes(cache + "/page/index.wrl"), night);
        const QString opened = harness.scripted.log.filter("opened ").value(0);
        QVERIFY(QRegularExpression("^opened http://127\\.0\\.0\\.1:[0-9]+/index\\.html$")
                    .match(opened)
                    .hasMatch());
        QCOMPARE(harness.scripted.log.filter("error "), QStringList());
    }

private:
    static QByteArray bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
};

QTEST_MAIN(MainEditorWebTest)
#include "MainEditorWebTest.moc"
