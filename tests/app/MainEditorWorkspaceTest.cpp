// What the main window keeps between runs: a second window on the same services opens with the
// first one's geometry, scale, grid, snapping and 3D view.
#include "ScriptedServices.h"
#include "app/MainEditor.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QTest>

#include <memory>

namespace {

std::unique_ptr<MainEditor> shownEditor(ScriptedServices& services) {
    auto editor = std::make_unique<MainEditor>(services.services());
    editor->show();
    if (!QTest::qWaitForWindowExposed(editor.get()))
        return nullptr;
    return editor;
}

// Scale, grid, snapping and dock as one line.
QString kept(MainEditor& e) {
    return QStringLiteral("surface %1 fit %2 grid %3 snap %4 dock %5")
        .arg(e.surfaceTwips())
        .arg(e.mnuFitItem->isChecked())
        .arg(e.mnuGridItem->isChecked())
        .arg(e.mnuSnapItem->isChecked())
        .arg(e.dock3D->isVisibleTo(&e));
}

} // namespace

class MainEditorWorkspaceTest : public QObject {
    Q_OBJECT

private slots:
    void restartKeepsTheWorkspace_data() {
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QString>("expected");
        QTest::newRow("defaults") << QStringList{} << "surface 5445 fit 0 grid 0 snap 0 dock 1";
        QTest::newRow("800, grid, snap, no dock")
            << QStringList{"mnu800Item", "mnuGridItem", "mnuSnapItem", "mnu3DViewItem"}
            << "surface 43560 fit 0 grid 1 snap 1 dock 0";
        QTest::newRow("fit") << QStringList{"mnuFitItem"}
                             << "surface 6735 fit 1 grid 0 snap 0 dock 1";
    }
    void restartKeepsTheWorkspace() {
        QFETCH(QStringList, commands);
        QFETCH(QString, expected);
        ScriptedServices services;
        QSize size;
        {
            auto first = shownEditor(services);
            QVERIFY(first);
            first->resize(first->width() + 200, first->height() + 80);
            QApplication::processEvents();
            for (const QString& command : commands)
                first->findChild<QAction*>(command)->trigger();
            QApplication::processEvents();
            QCOMPARE(kept(*first), expected);
            size = first->size();
        }
        auto second = shownEditor(services);
        QVERIFY(second);
        QApplication::processEvents();
        QCOMPARE(kept(*second), expected);
        QCOMPARE(second->size(), size);
        // Showing a dock that started hidden widens the window by the dock alone.
        if (!second->dock3D->isVisibleTo(second.get())) {
            const int viewport = second->Picture2->width();
            second->mnu3DViewItem->trigger();
            QApplication::processEvents();
            QCOMPARE(second->Picture2->width(), viewport);
            second->mnu3DViewItem->trigger();
            QApplication::processEvents();
            QCOMPARE(second->size(), size);
        }
    }
};

QTEST_MAIN(MainEditorWorkspaceTest)
#include "MainEditorWorkspaceTest.moc"
