// Copy in one main window and paste in another through the system clipboard.
#include "EditorHarness.h"

#include <QAction>
#include <QClipboard>

#include <memory>

class MainEditorClipboardTest : public QObject {
    Q_OBJECT
private slots:
    // The pasted object is the copied one, 1 m right and 1 m down, in the same number forms.
    void copiesBetweenTwoEditors() {
        auto from = std::make_unique<EditorHarness>();
        from->fill({{"Tree", " 40.5", " 62.25", "0", "home.wrl", ""}});
        clickRow(from->editor.List2, 0);
        from->run("mnuCopyItem");
        from.reset(); // the text stays on the clipboard for the other window
        EditorHarness to;
        to.run("mnuPasteItem");
        QCOMPARE(to.editor.scene().count(), 1u);
        const norvane::SceneObject& pasted = to.editor.scene().row(0);
        QCOMPARE(QString::fromStdString(pasted.list3 + "|" + pasted.list4 + "|" + pasted.list6),
                 QString(" 41.5| 63.25|home.wrl"));
        QCOMPARE(to.editor.scene().selectedIndex(), 0);
        QVERIFY(!to.editor.Saved);
    }
};

QTEST_MAIN(MainEditorClipboardTest)
#include "MainEditorClipboardTest.moc"
