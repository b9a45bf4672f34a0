// The document behind the editor: a new scene, an edit, its undo and a save, and what the views
// hear of each.
#include "app/SceneDocument.h"
#include "app/ChangeObjectCommand.h"

#include <QSignalSpy>
#include <QTest>

namespace {

norvane::SceneObject tree(const char* x) {
    return {"Tree", x, " 2", "0", "", ""};
}

norvane::Scene sceneOfTwoTrees() {
    norvane::Scene scene;
    scene.append(tree(" 1"));
    scene.append(tree(" 5"));
    return scene;
}

} // namespace

class SceneDocumentTest : public QObject {
    Q_OBJECT
private slots:
    void followsEditsUndoAndSave() {
        SceneDocument document;
        QSignalSpy reset(&document, &SceneDocument::sceneReset);
        QSignalSpy path(&document, &SceneDocument::pathChanged);
        QSignalSpy edited(&document, &SceneDocument::objectsChanged);
        QSignalSpy selection(&document, &SceneDocument::selectionChanged);

        document.reset(sceneOfTwoTrees(), QStringLiteral("/a/park.NSC"));
        QCOMPARE(reset.count(), 1);
        QCOMPARE(path.takeFirst().at(0).toString(), QStringLiteral("/a/park.NSC"));
        QVERIFY(document.saved());

        document.changeSelection([](norvane::RowSelection& rows) { rows.selectRange(0, 2); });
        QCOMPARE(selection.count(), 1);
        document.history().push(new ChangeObjectCommand(document.editTarget(), {0, 1},
                                                        {tree(" 3"), tree(" 7")}, "Move"));
        QCOMPARE(edited.count(), 1);
        QCOMPARE(edited.at(0).at(0).toInt(), kKeepSelection);
        QCOMPARE(document.scene().row(1).list3, " 7");
        QVERIFY(!document.saved());

        document.history().undo();
        QCOMPARE(document.scene().row(1).list3, " 5");
        QVERIFY(document.saved()); // back where it was opened
        document.history().redo();
        document.savedAs(QStringLiteral("/b/park.NSC"));
        QVERIFY(document.saved());
        QCOMPARE(document.path(), QStringLiteral("/b/park.NSC"));
        document.history().undo();
        QVERIFY(!document.saved()); // the file has the moved trees

        document.reset({}, {});
        QVERIFY(document.saved());
        QVERIFY(!document.history().canRedo());
        QCOMPARE(document.scene().count(), std::size_t{0});
        QVERIFY(document.path().isEmpty());
        QCOMPARE(document.selection().count(), std::size_t{0});
    }
};

QTEST_GUILESS_MAIN(SceneDocumentTest)
#include "SceneDocumentTest.moc"
