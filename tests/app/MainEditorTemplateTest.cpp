// File > New from Template: each shipped starter scene opens as a new, untitled scene whose rows
// all check clean, and exports through World Properties a world the VRML reader takes silently.
#include "EditorHarness.h"

#include "app/Saver.h"
#include "app/SceneTemplates.h"
#include "scenefile/SceneCheck.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>

class MainEditorTemplateTest : public QObject {
    Q_OBJECT

private slots:
    void opensAndExports_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("file");
        for (const SceneTemplate& entry : kSceneTemplates)
            QTest::newRow(entry.fileName) << entry.objectName << entry.fileName;
    }
    void opensAndExports() {
        QFETCH(QString, item);
        QFETCH(QString, file);
        EditorHarness harness;
        harness.run(item);
        QCOMPARE(harness.editor.windowTitle(), QStringLiteral("Norvane (New)"));
        QVERIFY(harness.editor.Saved);
        const std::string text = harness.editor.FinalCode.text();
        QVERIFY(harness.editor.scene().count() >= 20);
        QVERIFY(norvane::checkSceneText(text).empty());

        const QString world = harness.inAppDir("template.wrl");
        harness.scripted.fileAnswers = {world};
        harness.run("mnuSaveItem");
        auto* saver = visibleWindow<Saver>();
        QVERIFY(saver);
        QTest::mouseClick(saver->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QVERIFY(QFile::exists(world));
        QProcess reader;
        reader.setProcessChannelMode(QProcess::MergedChannels);
        reader.start(QStringLiteral("/usr/bin/tovrmlx3d"), {world});
        QVERIFY(reader.waitForFinished(60000));
        const QString said = QString::fromUtf8(reader.readAll());
        QCOMPARE(reader.exitCode(), 0);
        QVERIFY2(!said.contains("Warning:"), qPrintable(said));
        QCOMPARE(harness.scripted.log.filter("error "), QStringList());
    }
};

QTEST_MAIN(MainEditorTemplateTest)
#include "MainEditorTemplateTest.moc"
