// Line breaks pasted into the free-text entries (the two placement prompts and the anchor target
// frame) never reach a stored or written value: the real Qt prompt and line edits, then the
// bytes of the saved scene and of the exported world.
#include "EditorHarness.h"
#include "app/QtServices.h"
#include "app/Saver.h"

#include <QCheckBox>
#include <QClipboard>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace {

// Pastes `clipboard` into `edit` with the keyboard, as a user does. QLineEdit keeps the line
// breaks of a paste (and of setText), so the program must make the text one line itself.
void pasteInto(QLineEdit* edit, const QString& clipboard) {
    QApplication::clipboard()->setText(clipboard);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

struct Paste {
    const char* name;
    QString kind, clipboard;
    QByteArray saved; // the scene file after Save
};

const Paste kPastes[] = {
    {"URL on two lines", "Tree", "http://a/\r\nb.html",
     "Tree\r\n 49.86226\r\n 49.86226\r\n0\r\nhttp://a/ b.html\r\n\r\n"},
    {"URL between line breaks", "Wall", "\n\r\nhttp://a/ x\r\n\n",
     "Wall\r\n49.86226\r\n49.86226\r\n49.86226\r\n49.86226\r\nhttp://a/ x\r\n"},
    {"URL of line breaks only", "Tree", "\r\n\n", ""},
    {"text on three lines", "Text (Big)", "Main\n\nSt\r\nNorth",
     "Text (Big)\r\n 49.86226\r\n 49.86226\r\n0\r\n\r\nMain St North\r\n"},
    {"text of line breaks only", "Text (Big)", "\n", ""},
};

} // namespace

class LineBreaksTest : public QObject {
    Q_OBJECT

    QtTextPrompt m_prompt;
    std::unique_ptr<EditorHarness> h;

private slots:
    void init() { h = std::make_unique<EditorHarness>(QString(), &m_prompt); }
    void cleanup() { h.reset(); }

    void pastedIntoAPrompt_data() { addCases(kPastes); }
    void pastedIntoAPrompt() {
        const Paste& c = fetchCase<Paste>();
        h->editor.Check1->setChecked(!c.kind.startsWith("Text"));
        whenModal<QInputDialog>([&c](QInputDialog* dialog) {
            pasteInto(dialog->findChild<QLineEdit*>(), c.clipboard);
            dialog->accept();
        });
        h->place(c.kind, QPoint(181, 181));
        const QString path = h->inAppDir("scene.NSC");
        h->scripted.files.answers.push_back(path);

        h->run("Command6");

        QCOMPARE(fileBytes(path), c.saved);
    }

    void pastedIntoTheTargetFrame() {
        h->fill({{"Tree", " 40", " 60", "0", "http://a/", ""}});
        h->run("Command1");
        auto* saver = visibleWindow<Saver>();
        QVERIFY(saver);
        pasteInto(saver->findChild<QLineEdit*>("Text1"), "\r\n_top\r\nframe\n");
        const QString path = h->inAppDir("world.wrl");
        h->scripted.files.answers.push_back(path);

        QTest::mouseClick(saver->findChild<QPushButton*>("Command1"), Qt::LeftButton);

        const QByteArray world = fileBytes(path);
        QVERIFY(world.contains("parameter [\"target=_top frame\"]\r\n"));
        QCOMPARE(world.count('\n'), world.count("\r\n"));
        QCOMPARE(world.count('\r'), world.count("\r\n"));
    }
};

QTEST_MAIN(LineBreaksTest)
#include "LineBreaksTest.moc"
