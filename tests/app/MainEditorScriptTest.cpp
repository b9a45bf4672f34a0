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
#include <QWheelEvent>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
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

// Opens the selected object's properties by a double click on its row ("dclick") or by Alt+Return
// ("key"), then answers: "field=value" pairs (a value in %-escapes), then "ok" or "cancel". An
// "ok" that is disabled is logged and the dialog cancelled.
void answerProperties(MainEditor& e, const QStringList& args, QStringList& log) {
    activate(e); // before the answer waits, which would otherwise wait for it
    whenModal<ObjectProperties>([args, &log](ObjectProperties* dialog) {
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
                                services.appDirectory, settings});
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

    void step(const QString& line, QStringList& out) {
        const QString verb = line.section(' ', 0, 0), rest = line.section(' ', 1);
        const QStringList args = rest.split(' ', Qt::SkipEmptyParts);
        MainEditor& e = h->editor;
        const Qt::MouseButton button = args.contains("right") ? Qt::RightButton : Qt::LeftButton;
        const Qt::KeyboardModifiers alt = args.contains("alt") ? Qt::AltModifier : Qt::NoModifier;
        if (verb == "kind")
            h->chooseKind(rest);
        else if (verb == "option")
            e.findChild<QRadioButton*>(rest)->setChecked(true);
        else if (verb == "anchor")
            e.Check1->setChecked(rest == "on");
        else if (verb == "paste") // into the next prompt, which is then accepted
            whenModal<QInputDialog>([text = unescape(rest)](QInputDialog* dialog) {
                pasteInto(dialog->findChild<QLineEdit*>(), text);
                dialog->accept();
            });
        else if (verb == "answer")
            h->scripted.promptAnswers.push_back(QString::fromUtf8(unescape(rest)));
        else if (verb == "yes" || verb == "no")
            h->scripted.yesNoAnswers.push_back(verb == "yes");
        else if (verb == "file")
            h->scripted.fileAnswers.push_back(
                rest.isEmpty() || rest == "<cancel>" ? rest : h->inAppDir(rest));
        else if (verb == "press")
            QTest::mousePress(e.Picture1, button, alt, point(args[0]));
        else if (verb == "move")
            QTest::mouseMove(e.Picture1, point(rest));
        else if (verb == "release")
            QTest::mouseRelease(e.Picture1, button, alt, point(args[0]));
        else if (verb == "resize") // the window, to W,H pixels
            e.resize(point(rest).x(), point(rest).y()), QApplication::processEvents();
        else if (verb == "wheel") // wheel X,Y DELTA [ctrl|shift]: at a pixel of the viewport
            out << wheel(e, point(args[0]), args[1].toInt(),
                         args.contains("ctrl")    ? Qt::ControlModifier
                         : args.contains("shift") ? Qt::ShiftModifier
                                                  : Qt::NoModifier);
        else if (verb == "pan") // pan X,Y DX,DY [space]: from a map pixel
            pan(e, point(args[0]), point(args[1]), args.contains("space"));
        else if (verb == "view")
            out << viewText(e);
        else if (verb == "status")
            out << "  status " + e.statusPosition->text() + " | " + e.statusMode->text() + " | " +
                       e.statusCount->text();
        else if (verb == "dclick")
            QTest::mouseDClick(e.Picture1, button, {}, point(rest));
        else if (verb == "hover")
            hover(args[0] == "map"     ? e.Picture1
                  : args[0] == "List1" ? e.List1->viewport()
                  : args[0] == "List2" ? e.List2->viewport()
                                       : e.centralWidget(),
                  point(args[1]));
        else if (verb == "row")
            clickRow(e.List2, rest.toInt());
        else if (verb == "ctrl-click") {
            QAbstractItemView* list = args[0] == "List1" ? e.List1 : e.List2;
            clickRow(list, args[1] == "current" ? currentRow(list) : args[1].toInt(),
                     Qt::ControlModifier);
        } else if (verb == "ctrl-space") {
            e.List2->setFocus();
            QTest::keyClick(e.List2, Qt::Key_Space, Qt::ControlModifier);
        } else if (verb == "run")
            h->run(rest);
        else if (verb == "F1")
            QTest::keyClick(&e, Qt::Key_F1);
        else if (verb == "key") { // a shortcut of the window, such as Ctrl+Z
            activate(e);
            QTest::keySequence(&e, QKeySequence(rest));
        } else if (verb == "mapkey") // a key on the map, such as Shift+Left
            QTest::keySequence(e.Picture1, QKeySequence(rest));
        else if (verb == "properties")
            answerProperties(e, args, h->scripted.log);
        else if (verb == "clipboard")
            QApplication::clipboard()->setText(QString::fromUtf8(unescape(rest)));
        else if (verb == "clip")
            out << "  clipboard: " + shown(QApplication::clipboard()->text().toUtf8());
        else if (verb == "write") // write NAME = BYTES
            writeFile(h->inAppDir(rest.section(" = ", 0, 0)), unescape(rest.section(" = ", 1)));
        else if (verb == "mkdir")
            QVERIFY(QDir(h->scripted.appDirectory()).mkdir(rest));
        else if (verb == "fifo")
            QVERIFY(mkfifo(QFile::encodeName(h->inAppDir(rest)).constData(), 0600) == 0);
        else if (verb == "fill")
            h->fill({[&] {
                const QStringList v = QString::fromUtf8(unescape(rest)).split('|');
                return norvane::SceneObject{v[0].toStdString(), v[1].toStdString(),
                                            v[2].toStdString(), v[3].toStdString(),
                                            v[4].toStdString(), v[5].toStdString()};
            }()});
        else if (verb == "unselect") {
            e.scene().setSelectedIndex(-1);
            e.refreshSceneList();
        } else if (verb == "saved")
            e.Saved = rest == "1";
        else if (verb == "title")
            e.setWindowTitle(rest);
        else if (verb == "blacken")
            e.Picture1->image().fill(Qt::black);
        else if (verb == "startup")
            e.loadStartupScene(QString(rest).replace("$DIR", h->scripted.appDirectory()));
        else if (verb == "show")
            out << "  " + rest + ":\n    " + shown(fileBytes(h->inAppDir(rest)));
        else if (verb == "files")
            out << "  files: " +
                       QDir(h->scripted.appDirectory())
                           .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                           .join(", ");
        else if (verb == "whole-map") // the map, redrawn in parts, against a whole redraw
            out << "  map " + mapAgainstWholeRedraw(e);
        else if (verb == "pixel")
            out << "  pixel " + rest + ": " + h->colourAt(point(rest)).name();
        else if (verb == "accessible")
            out << accessibleControls(QAccessible::queryAccessibleInterface(
                rest == "saver" ? static_cast<QWidget*>(saver()) : &e));
        else if (verb == "fail")
            breakCall(rest);
        else if (verb == "opener")
            h->scripted.openerWorks = rest == "works";
        else if (verb == "destroy") { // the main window, and with it its dialogs
            h.reset();
            out << QStringLiteral("  dialogs left %1").arg(dialogs());
        } else if (verb == "saver")
            saverStep(args.value(0), rest.section(' ', 1));
        else if (verb == "recent")
            out << "  recent " + recentMenu(e);
        else if (verb == "restart")
            out << "  after restart: recent " + recentAfterRestart(h->scripted);
        else if (verb == "drop") { // drop NAME... in the program directory, or URLs with "://"
            QList<QUrl> urls;
            for (const QString& arg : args)
                urls << (arg.contains("://") ? QUrl(arg) : QUrl::fromLocalFile(h->inAppDir(arg)));
            out << "  drop " + dropOn(e, urls);
        } else if (verb == "remove")
            QVERIFY(QFile::remove(h->inAppDir(rest)));
        else
            QFAIL(qPrintable("unknown step " + line));
    }

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
                        h->scripted.fileAnswers.empty()),
                 "a scripted answer was not asked for");
    }

    QString appDirectory() const { return h->scripted.appDirectory(); }

private:
    QtTextPrompt m_qtPrompt;
    std::unique_ptr<EditorHarness> h;
    QStringList m_last;

    Saver* saver() { return visibleWindow<Saver>(); }

    void saverStep(const QString& what, const QString& value) {
        Saver* s = saver();
        QVERIFY(s);
        if (what == "sky")
            s->findChild<QComboBox*>("Combo1")->setCurrentIndex(value.toInt());
        else if (what == "music") // clicks the box where a user does
            QTest::mouseClick(s->findChild<QCheckBox*>("Check1"), Qt::LeftButton, {},
                              QPoint(6, s->findChild<QCheckBox*>("Check1")->height() / 2));
        else if (what == "track")
            clickRow(s->findChild<QListWidget*>("File1"), value.toInt());
        else if (what == "paste")
            pasteInto(s->findChild<QLineEdit*>("Text1"), unescape(value));
        else if (what == "frame")
            typeText(s->findChild<QLineEdit*>("Text1"), QString::fromUtf8(unescape(value)));
        else if (what == "escape")
            QTest::keyClick(s, Qt::Key_Escape);
        else if (what == "close")
            s->close();
        else
            QTest::mouseClick(s->findChild<QPushButton*>(what), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

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
