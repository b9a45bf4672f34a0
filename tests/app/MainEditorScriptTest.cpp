// The main window and World Properties driven by step files: each tests/data/app/editor/*.steps
// replays real events on the real widgets with scripted answers, and the transcript of what
// each step changed (state, questions, messages, written bytes) must equal the .expected file.
#include "../support/AppGolden.h"
#include "EditorHarness.h"
#include "app/ObjectProperties.h"
#include "app/QtServices.h"
#include "app/Saver.h"
#include "map/Grid.h"
#include "platform/SystemCalls.h"
#include "render/MapPicture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDropEvent>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QWheelEvent>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <map>
#include <memory>

namespace {

// A step's text, in which "%0D", "%0A", "%00" and the like stand for any byte.
QByteArray unescape(const QString& text) {
    return QByteArray::fromPercentEncoding(text.toUtf8());
}

// Bytes as transcript lines: control bytes and "%" as in steps, a line per line end.
QString shown(const QByteArray& bytes) {
    QByteArray out;
    for (char c : bytes)
        out += uchar(c) >= 32 && c != 127 && c != '%'
                   ? QByteArray(1, c)
                   : "%" + QByteArray::number(uchar(c), 16).toUpper().rightJustified(2, '0') +
                         (c == '\n' ? "\n    " : "");
    return QString::fromUtf8(out);
}

// Pastes `clipboard` with the keyboard, as a user does; QLineEdit keeps a paste's line breaks.
void pasteInto(QLineEdit* edit, const QByteArray& clipboard) {
    QApplication::clipboard()->setText(QString::fromUtf8(clipboard));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

QPoint point(const QString& text) {
    const QStringList xy = text.split(',');
    return {xy.value(0).toInt(), xy.value(1).toInt()};
}

// Makes the window active again after a dialog that closed, so that its shortcuts work.
void activate(QWidget& window) {
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// Opens the properties of the selected object (or of the selected ones together) by a double
// click on its row ("dclick") or by Alt+Return ("key"), then answers: "field=value" pairs (a value
// in %-escapes), then "ok" or "cancel". An "ok" that is disabled is logged and the dialog
// cancelled.
void answerProperties(MainEditor& e, const QStringList& args, QStringList& log) {
    activate(e); // before the answer waits, which would otherwise wait for it
    whenModal<QDialog>([args, &log](QDialog* dialog) {
        for (const QString& pair : args.mid(1, args.size() - 2)) {
            const QString field = pair.section('=', 0, 0), value = pair.section('=', 1);
            if (auto* box = dialog->findChild<QComboBox*>(field))
                box->setCurrentIndex(value.toInt());
            else
                dialog->findChild<QLineEdit*>(field)->setText(QString::fromUtf8(unescape(value)));
        }
        auto* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        if (args.last() == "ok" && !ok->isEnabled())
            log << "properties: OK disabled";
        if (args.last() == "ok" && ok->isEnabled())
            dialog->accept();
        else
            dialog->reject();
    });
    // Mouse events let the answer run before the dialog opens, so the row's signal stands in.
    if (args.first() == "dclick")
        emit e.List2->doubleClicked(e.List2->currentIndex());
    else
        QTest::keySequence(&e, QKeySequence(Qt::ALT | Qt::Key_Return));
}

// "as a whole redraw paints it", or how many pixels differ from one (grid included): the part in
// view painted as the screen asks for it, the rest when the picture is read.
QString mapAgainstWholeRedraw(MainEditor& e) {
    e.Picture1->repaint(); // the part in view first, as the screen asks for it
    QImage whole = e.Picture1->image();
    paintMapPicture(e.scene(), whole,
                    e.mnuGridItem->isChecked() ? norvane::gridStep(whole.width()) : 0.0f);
    qsizetype differ = 0;
    for (int y = 0; y < whole.height(); ++y)
        for (int x = 0; x < whole.width(); ++x)
            differ += whole.pixel(x, y) != e.Picture1->image().pixel(x, y) ? 1 : 0;
    return differ ? QStringLiteral("differs at %1 pixels").arg(differ)
                  : QStringLiteral("as a whole redraw paints it");
}

// Makes one step of the atomic writer fail.
void breakCall(const QString& call) {
    norvane::SystemCalls& c = norvane::systemCalls();
    if (call == "write")
        c.write = [](int, const void*, std::size_t) -> ssize_t { return errno = ENOSPC, -1; };
    else if (call == "rename")
        c.rename = [](const char*, const char*) { return errno = EIO, -1; };
    else if (call == "fsync")
        c.fsync = [](int) { return errno = EIO, -1; };
    else
        c.open = [](const char*, int, mode_t) { return errno = EACCES, -1; };
}

// What screen readers read of each interactive control below `node` ("name: description"); a
// combo box's drop-down list is read as part of the combo box.
QStringList accessibleControls(QAccessibleInterface* node) {
    static const QList<QAccessible::Role> roles{
        QAccessible::PushButton, QAccessible::CheckBox, QAccessible::RadioButton,
        QAccessible::List,       QAccessible::ComboBox, QAccessible::EditableText,
        QAccessible::ScrollBar,  QAccessible::SpinBox,  QAccessible::Slider};
    QStringList controls;
    for (int i = 0; node->role() != QAccessible::ComboBox && i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (roles.contains(child->role()) || qobject_cast<MapSurface*>(child->object()))
            controls << "  " + child->text(QAccessible::Name) + ": " +
                            child->text(QAccessible::Description);
        controls << accessibleControls(child);
    }
    return controls;
}

// The texts of a list's items, a selected one marked with "*".
// How many World Properties dialogs exist, shown or not.
qsizetype dialogs() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::count_if(windows.begin(), windows.end(),
                         [](QWidget* w) { return qobject_cast<Saver*>(w); });
}

// The captions of the shown Open Recent items, "(off)" when the submenu is disabled.
QString recentMenu(const MainEditor& e) {
    QStringList captions;
    for (const QAction* item : e.mnuRecentFileItem)
        if (item->isVisible())
            captions << item->text();
    return (e.mnuRecentItem->isEnabled() ? "" : "(off) ") + captions.join(", ");
}

// The Open Recent items of a new window reading the settings file afresh, as after a restart.
QString recentAfterRestart(ScriptedServices& scripted) {
    QSettings settings(scripted.settings().fileName(), QSettings::IniFormat);
    Services services = scripted.services();
    const MainEditor restarted({services.prompt, services.files, services.messages, services.opener,
                                services.pageOptions, services.appDirectory, settings});
    return recentMenu(restarted);
}

// Drags `urls` onto the window and drops them there, as the desktop does; a dropped file opens
// once the drop has returned. Says how the window answered the enter, the move and the drop.
QString dropOn(MainEditor& e, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    const QPoint at = e.Picture1->mapTo(&e, e.Picture1->rect().center());
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&e, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&e, &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    const bool dropping = enter.isAccepted() && move.isAccepted();
    if (dropping)
        QCoreApplication::sendEvent(&e, &drop);
    QCoreApplication::processEvents();
    return QStringLiteral("%1, %2, %3")
        .arg(enter.isAccepted() ? "entered" : "refused")
        .arg(move.isAccepted() ? "moved" : "refused")
        .arg(!dropping           ? "not dropped"
             : drop.isAccepted() ? "dropped"
                                 : "refused");
}

// The scale, the surface in the viewport, the bars and the map point at the viewport's centre.
QString viewText(MainEditor& e) {
    const auto bar = [](QScrollBar* b) {
        return QStringLiteral("%1 of %2 page %3")
            .arg(b->value())
            .arg(b->maximum())
            .arg(b->pageStep());
    };
    QStringList checked;
    for (QAction* level : e.mnuScaleItem->actions())
        if (level->isChecked())
            checked << level->text();
    const norvane::MapPoint centre =
        e.Picture1->toMap(QPointF(e.Picture2->rect().center() - e.Picture1->pos()));
    return QStringLiteral("  view %1, surface %2 in %3x%4, H %5, V %6, centre %7,%8, window %9x%10")
        .arg(checked.join(' '), rectText(e.Picture1->geometry()))
        .arg(e.Picture2->width())
        .arg(e.Picture2->height())
        .arg(bar(e.HScroll1), bar(e.VScroll1))
        .arg(centre.x, 0, 'f', 2)
        .arg(centre.y, 0, 'f', 2)
        .arg(e.width())
        .arg(e.height());
}

// A wheel turn at a viewport pixel, to the map there or to the viewport around it; returns the
// map point under the pointer after it.
QString wheel(MainEditor& e, QPoint at, int delta, Qt::KeyboardModifiers modifiers) {
    const bool onMap = e.Picture1->geometry().contains(at);
    QWidget* target = onMap ? static_cast<QWidget*>(e.Picture1) : e.Picture2;
    const QPointF local = onMap ? at - e.Picture1->pos() : at;
    QWheelEvent event(local, target->mapToGlobal(local), {}, {0, delta}, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
    const norvane::MapPoint under = e.Picture1->toMap(QPointF(at - e.Picture1->pos()));
    return QStringLiteral("  under the pointer %1,%2")
        .arg(under.x, 0, 'f', 2)
        .arg(under.y, 0, 'f', 2);
}

// Drags the map with the middle button, or with Space held and the left one, by `by` pixels.
void pan(MainEditor& e, QPoint from, QPoint by, bool space) {
    const Qt::MouseButton button = space ? Qt::LeftButton : Qt::MiddleButton;
    if (space)
        QTest::keyPress(e.Picture1, Qt::Key_Space);
    QTest::mousePress(e.Picture1, button, {}, from);
    const QPoint to = e.Picture1->mapFromGlobal(e.Picture1->mapToGlobal(from) + by);
    QTest::mouseMove(e.Picture1, to);
    QTest::mouseRelease(e.Picture1, button, {},
                        e.Picture1->mapFromGlobal(e.Picture1->mapToGlobal(from) + by));
    if (space)
        QTest::keyRelease(e.Picture1, Qt::Key_Space);
}

// The steps of World Properties: "saver WHAT VALUE", WHAT a control's task or a button's name.
const std::map<QString, void (*)(Saver*, const QString&)> kSaverSteps{
    {"sky",
     [](Saver* s, const QString& v) {
         s->findChild<QComboBox*>("Combo1")->setCurrentIndex(v.toInt());
     }},
    {"music", // clicks the box where a user does
     [](Saver* s, const QString&) {
         auto* box = s->findChild<QCheckBox*>("Check1");
         QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
     }},
    {"track",
     [](Saver* s, const QString& v) { clickRow(s->findChild<QListWidget*>("File1"), v.toInt()); }},
    {"paste",
     [](Saver* s, const QString& v) { pasteInto(s->findChild<QLineEdit*>("Text1"), unescape(v)); }},
    {"frame",
     [](Saver* s, const QString& v) {
         typeText(s->findChild<QLineEdit*>("Text1"), QString::fromUtf8(unescape(v)));
     }},
    {"escape", [](Saver* s, const QString&) { QTest::keyClick(s, Qt::Key_Escape); }},
    {"close", [](Saver* s, const QString&) { s->close(); }},
};

void saverStep(const QString& what, const QString& value) {
    Saver* s = visibleWindow<Saver>();
    QVERIFY(s);
    if (const auto found = kSaverSteps.find(what); found != kSaverSteps.end())
        found->second(s, value);
    else
        QTest::mouseClick(s->findChild<QPushButton*>(what), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class Player {
public:
    // With `qtPrompt` the real Qt prompt asks, and "paste" steps answer it.
    Player(const QString& appFolder, bool qtPrompt)
        : h(std::make_unique<EditorHarness>(appFolder, qtPrompt ? &m_qtPrompt : nullptr)) {
        h->scripted.promptNote = [this] {
            return h->editor.Check1->isChecked() ? " (anchor ticked)" : "";
        };
    }
    ~Player() { norvane::systemCalls() = norvane::realSystemCalls(); }

    // Plays one line of a step file: its verb's entry of kVerbs.
    void step(const QString& line, QStringList& out);

    // What the step changed: state lines that differ from before, then what was asked or shown.
    void report(QStringList& out) {
        if (!h)
            return;
        const QStringList now = state();
        for (const QString& line : now)
            if (!m_last.contains(line))
                out << "  " + line;
        m_last = now;
        for (const QString& event : std::as_const(h->scripted.log))
            out << "  " + event;
        h->scripted.log.clear();
    }

    void finish() {
        QVERIFY2(!h || (h->scripted.promptAnswers.empty() && h->scripted.yesNoAnswers.empty() &&
                        h->scripted.fileAnswers.empty() && h->scripted.noteAnswers.empty()),
                 "a scripted answer was not asked for");
    }

    QString appDirectory() const { return h->scripted.appDirectory(); }

private:
    friend struct Step;
    QtTextPrompt m_qtPrompt;
    std::unique_ptr<EditorHarness> h;
    QStringList m_last;

    Saver* saver() { return visibleWindow<Saver>(); }

    QStringList state() {
        MainEditor& e = h->editor;
        const auto shape = [](MapShape* s) {
            return s->isVisible() ? rectText(s->geometry()) : "-";
        };
        QStringList lines{"title " + e.windowTitle(),
                          QStringLiteral("saved %1, window %2, enabled %3, dialogs %4%5")
                              .arg(e.Saved)
                              .arg(e.isVisible() ? "shown" : "closed")
                              .arg(e.isEnabled())
                              .arg(dialogs())
                              .arg(QApplication::overrideCursor() ? ", busy cursor" : ""),
                          QStringLiteral("anchor %1, pressed %2, band %3, cross-hair %4 %5")
                              .arg(e.Check1->isChecked())
                              .arg(e.MapPressed())
                              .arg(shape(e.Shape1), shape(e.XLine), shape(e.YLine)),
                          "hint " + e.Picture1->toolTip(),
                          QStringLiteral("%1 %2, %3 %4")
                              .arg(e.mnuUndoItem->text())
                              .arg(e.mnuUndoItem->isEnabled() ? "on" : "off")
                              .arg(e.mnuRedoItem->text())
                              .arg(e.mnuRedoItem->isEnabled() ? "on" : "off"),
                          QStringLiteral("selected %1, current %2, marker %3")
                              .arg(e.scene().selectedIndex())
                              .arg(currentRow(e.List2))
                              .arg(shape(e.shpSelector))};
        lines << "listed " + rowTexts(e.List2)
              << QStringLiteral("FinalCode %1 bytes").arg(e.FinalCode.text().size());
        QString rows = "rows:";
        for (const Row& row : h->rows())
            rows += "\n    " + shown(row.join('|').toUtf8());
        lines << rows;
        if (Saver* s = saver()) {
            auto* music = s->findChild<QListWidget*>("File1");
            auto* sky = s->findChild<QComboBox*>("Combo1");
            lines << "saver '" + s->windowTitle() + "', sky " + sky->currentText() +
                         QStringLiteral(" of %1%2")
                             .arg(sky->count())
                             .arg(sky->isEditable() ? " (editable)" : "") +
                         ", frame '" + s->findChild<QLineEdit*>("Text1")->text() + "', music " +
                         QString::number(s->findChild<QCheckBox*>("Check1")->isChecked()) +
                         (music->isVisible() ? " [" + rowTexts(music) + "]" : "");
        }
        return lines;
    }
};

// What one step has to work with: the player, its window, the words after the verb, the
// transcript and the mouse button and modifier the words ask for.
struct Step {
    Player& p;
    MainEditor& e;
    const QString& verb;
    const QString& rest;
    const QStringList& args;
    QStringList& out;
    Qt::MouseButton button;
    Qt::KeyboardModifiers alt;
    EditorHarness& h() { return *p.h; }
    void closeWindow() { p.h.reset(); }
};

QWidget* hoverTarget(MainEditor& e, const QString& name) {
    return name == "map"     ? e.Picture1
           : name == "List1" ? e.List1->viewport()
           : name == "List2" ? e.List2->viewport()
                             : e.centralWidget();
}

Qt::KeyboardModifiers wheelModifier(const QStringList& args) {
    return args.contains("ctrl")    ? Qt::ControlModifier
           : args.contains("shift") ? Qt::ShiftModifier
                                    : Qt::NoModifier;
}

norvane::SceneObject objectOf(const QString& step) {
    const QStringList v = QString::fromUtf8(unescape(step)).split('|');
    return {v[0].toStdString(), v[1].toStdString(), v[2].toStdString(),
            v[3].toStdString(), v[4].toStdString(), v[5].toStdString()};
}

// Every verb of the step files and what it does.
const std::map<QString, void (*)(Step&)> kVerbs{
    {"kind", [](Step& s) { s.h().chooseKind(s.rest); }},
    {"option", [](Step& s) { s.e.findChild<QRadioButton*>(s.rest)->setChecked(true); }},
    {"anchor", [](Step& s) { s.e.Check1->setChecked(s.rest == "on"); }},
    {"paste", // into the next prompt, which is then accepted
     [](Step& s) {
         whenModal<QInputDialog>([text = unescape(s.rest)](QInputDialog* dialog) {
             pasteInto(dialog->findChild<QLineEdit*>(), text);
             dialog->accept();
         });
     }},
    {"answer",
     [](Step& s) { s.h().scripted.promptAnswers.push_back(QString::fromUtf8(unescape(s.rest))); }},
    {"yes", [](Step& s) { s.h().scripted.yesNoAnswers.push_back(true); }},
    {"no", [](Step& s) { s.h().scripted.yesNoAnswers.push_back(false); }},
    {"note", // the answer to the next note: "hide" ticks "Don't show again"
     [](Step& s) { s.h().scripted.noteAnswers.push_back(s.rest == "hide"); }},
    {"file",
     [](Step& s) {
         const bool asIs = s.rest.isEmpty() || s.rest == "<cancel>";
         s.h().scripted.fileAnswers.push_back(asIs ? s.rest : s.h().inAppDir(s.rest));
     }},
    {"press", [](Step& s) { QTest::mousePress(s.e.Picture1, s.button, s.alt, point(s.args[0])); }},
    {"move", [](Step& s) { QTest::mouseMove(s.e.Picture1, point(s.rest)); }},
    {"release",
     [](Step& s) { QTest::mouseRelease(s.e.Picture1, s.button, s.alt, point(s.args[0])); }},
    {"resize", // the window, to W,H pixels
     [](Step& s) {
         s.e.resize(point(s.rest).x(), point(s.rest).y()), QApplication::processEvents();
     }},
    {"wheel", // wheel X,Y DELTA [ctrl|shift]: at a pixel of the viewport
     [](Step& s) {
         s.out << wheel(s.e, point(s.args[0]), s.args[1].toInt(), wheelModifier(s.args));
     }},
    {"pan", // pan X,Y DX,DY [space]: from a map pixel
     [](Step& s) { pan(s.e, point(s.args[0]), point(s.args[1]), s.args.contains("space")); }},
    {"view", [](Step& s) { s.out << viewText(s.e); }},
    {"status",
     [](Step& s) {
         s.out << "  status " + s.e.statusPosition->text() + " | " + s.e.statusMode->text() +
                      " | " + s.e.statusCount->text();
     }},
    {"message", [](Step& s) { s.out << "  message " + s.e.statusBar()->currentMessage(); }},
    {"dclick", [](Step& s) { QTest::mouseDClick(s.e.Picture1, s.button, {}, point(s.rest)); }},
    {"hover", [](Step& s) { hover(hoverTarget(s.e, s.args[0]), point(s.args[1])); }},
    {"row", [](Step& s) { clickRow(s.e.List2, s.rest.toInt()); }},
    {"ctrl-click",
     [](Step& s) {
         QAbstractItemView* list = s.args[0] == "List1" ? s.e.List1 : s.e.List2;
         clickRow(list, s.args[1] == "current" ? currentRow(list) : s.args[1].toInt(),
                  Qt::ControlModifier);
     }},
    {"ctrl-space",
     [](Step& s) {
         s.e.List2->setFocus();
         QTest::keyClick(s.e.List2, Qt::Key_Space, Qt::ControlModifier);
     }},
    {"run", [](Step& s) { s.h().run(s.rest); }},
    {"F1", [](Step& s) { QTest::keyClick(&s.e, Qt::Key_F1); }},
    {"key", // a shortcut of the window, such as Ctrl+Z
     [](Step& s) { activate(s.e), QTest::keySequence(&s.e, QKeySequence(s.rest)); }},
    {"mapkey", // a key on the map, such as Shift+Left
     [](Step& s) { QTest::keySequence(s.e.Picture1, QKeySequence(s.rest)); }},
    {"properties", [](Step& s) { answerProperties(s.e, s.args, s.h().scripted.log); }},
    {"clipboard",
     [](Step& s) { QApplication::clipboard()->setText(QString::fromUtf8(unescape(s.rest))); }},
    {"clip",
     [](Step& s) { s.out << "  clipboard: " + shown(QApplication::clipboard()->text().toUtf8()); }},
    {"write", // write NAME = BYTES
     [](Step& s) {
         writeFile(s.h().inAppDir(s.rest.section(" = ", 0, 0)), unescape(s.rest.section(" = ", 1)));
     }},
    {"mkdir", [](Step& s) { QVERIFY(QDir(s.h().scripted.appDirectory()).mkdir(s.rest)); }},
    {"fifo",
     [](Step& s) {
         QVERIFY(mkfifo(QFile::encodeName(s.h().inAppDir(s.rest)).constData(), 0600) == 0);
     }},
    {"fill", [](Step& s) { s.h().fill({objectOf(s.rest)}); }},
    {"unselect", [](Step& s) { s.e.scene().setSelectedIndex(-1), s.e.refreshSceneList(); }},
    {"saved", [](Step& s) { s.e.Saved = s.rest == "1"; }},
    {"title", [](Step& s) { s.e.setWindowTitle(s.rest); }},
    {"blacken", [](Step& s) { s.e.Picture1->image().fill(Qt::black); }},
    {"startup",
     [](Step& s) {
         s.e.loadStartupScene(QString(s.rest).replace("$DIR", s.h().scripted.appDirectory()));
     }},
    {"show",
     [](Step& s) {
         s.out << "  " + s.rest + ":\n    " + shown(fileBytes(s.h().inAppDir(s.rest)));
     }},
    {"files",
     [](Step& s) {
         s.out << "  files: " +
                      QDir(s.h().scripted.appDirectory())
                          .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                          .join(", ");
     }},
    {"whole-map", // the map, redrawn in parts, against a whole redraw
     [](Step& s) { s.out << "  map " + mapAgainstWholeRedraw(s.e); }},
    {"pixel",
     [](Step& s) { s.out << "  pixel " + s.rest + ": " + s.h().colourAt(point(s.rest)).name(); }},
    {"accessible",
     [](Step& s) {
         QWidget* window = s.rest == "saver" ? static_cast<QWidget*>(visibleWindow<Saver>()) : &s.e;
         s.out << accessibleControls(QAccessible::queryAccessibleInterface(window));
     }},
    {"fail", [](Step& s) { breakCall(s.rest); }},
    {"opener", [](Step& s) { s.h().scripted.openerWorks = s.rest == "works"; }},
    {"destroy", // the main window, and with it its dialogs
     [](Step& s) { s.closeWindow(), s.out << QStringLiteral("  dialogs left %1").arg(dialogs()); }},
    {"saver", [](Step& s) { saverStep(s.args.value(0), s.rest.section(' ', 1)); }},
    {"recent", [](Step& s) { s.out << "  recent " + recentMenu(s.e); }},
    {"restart",
     [](Step& s) { s.out << "  after restart: recent " + recentAfterRestart(s.h().scripted); }},
    {"drop", // drop NAME... in the program directory, or URLs with "://"
     [](Step& s) {
         QList<QUrl> urls;
         for (const QString& arg : s.args)
             urls << (arg.contains("://") ? QUrl(arg) : QUrl::fromLocalFile(s.h().inAppDir(arg)));
         s.out << "  drop " + dropOn(s.e, urls);
     }},
    {"remove", [](Step& s) { QVERIFY(QFile::remove(s.h().inAppDir(s.rest))); }},
};

void Player::step(const QString& line, QStringList& out) {
    const QString verb = line.section(' ', 0, 0), rest = line.section(' ', 1);
    const QStringList args = rest.split(' ', Qt::SkipEmptyParts);
    Step s{*this,
           h->editor,
           verb,
           rest,
           args,
           out,
           args.contains("right") ? Qt::RightButton : Qt::LeftButton,
           (args.contains("alt") ? Qt::AltModifier : Qt::NoModifier) |
               (args.contains("shift") ? Qt::ShiftModifier : Qt::NoModifier)};
    const auto found = kVerbs.find(verb);
    if (found == kVerbs.end())
        QFAIL(qPrintable("unknown step " + line));
    found->second(s);
}

} // namespace

class MainEditorScriptTest : public QObject {
    Q_OBJECT

private slots:
    void replay_data() {
        QTest::addColumn<QString>("name");
        for (const QString& steps : QDir(appDataPath("editor")).entryList({"*.steps"}))
            QTest::newRow(qPrintable(steps)) << steps.chopped(6);
    }
    // Lines "== name" start afresh; "== name @folder" in that folder of the program directory
    // (which need not exist), "== name !qt" with the real Qt prompt. "#" lines are comments.
    void replay() {
        QFETCH(QString, name);
        QFile file(appDataPath("editor/" + name + ".steps"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        std::unique_ptr<Player> player;
        QStringList out;
        QString directory;
        for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            if (line.startsWith("== ")) {
                if (player)
                    player->finish();
                player.reset();
                const QString header = line.section(" !qt", 0, 0);
                player = std::make_unique<Player>(header.section(" @", 1), line.endsWith(" !qt"));
                directory = player->appDirectory();
                out << header.section(" @", 0, 0);
                continue;
            }
            QVERIFY2(player, "steps before the first ==");
            const qsizetype from = out.size();
            out << line;
            player->step(line, out);
            player->report(out);
            for (qsizetype i = from; i < out.size(); ++i)
                out[i].replace(directory, "$DIR");
        }
        player->finish();
        const std::string transcript = out.join('\n').toStdString() + "\n";
        const QString difference = goldenDifference("editor/" + name + ".expected", transcript);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
};

QTEST_MAIN(MainEditorScriptTest)
#include "MainEditorScriptTest.moc"
