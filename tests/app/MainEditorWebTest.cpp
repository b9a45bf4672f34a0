// File > Export Web Page… and Preview in Browser, with a scripted Save dialog and desktop.
#include "EditorHarness.h"

#include "vrml/WorldWriter.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

class MainEditorWebTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Both write the preview's world (Blue Sky, no music, no frame) beside its page; the
    // browser preview hands the desktop a loopback address of the page.
    void exportsAndPreviewsThePage() {
        EditorHarness harness;
        const QDir app(harness.scripted.appDirectory());
        for (const QString name :
             {"x_ite", "source1.jpg", "source2.jpg", "source3.jpg", "source4.jpg", "source5.jpg"})
            QVERIFY(QFile::link(NORVANE_PROGRAM_DATA "/" + name, app.filePath(name)));
        harness.fill({{"Tree", " 40.5", " 62.25", "0", "http://example.com/", ""}});
        harness.scripted.files.answers = {app.filePath("site/park")};
        harness.run("mnuWebPageItem");
        const std::string world = norvane::buildPreviewWorld(harness.editor.scene());
        QCOMPARE(readWholeFile(app.filePath("site/park.wrl")), QByteArray::fromStdString(world));
        QVERIFY(readWholeFile(app.filePath("site/park.html")).contains("<title>Norvane</title>"));

        harness.run("mnuBrowserItem");
        QCOMPARE(harness.scripted.messages.errors, QStringList());
        const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
        QCOMPARE(readWholeFile(cache + "/page/index.wrl"), QByteArray::fromStdString(world));
        QVERIFY(QRegularExpression("^http://127\\.0\\.0\\.1:[0-9]+/index\\.html$")
                    .match(harness.scripted.opener.opened.value(0))
                    .hasMatch());
    }

private:
    static QByteArray readWholeFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
};

QTEST_MAIN(MainEditorWebTest)
#include "MainEditorWebTest.moc"
