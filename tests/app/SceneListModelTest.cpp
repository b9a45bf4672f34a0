// The "Objects in Scene" rows follow every kind of scene change, as Qt's model tester checks them.
#include "app/SceneListModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

namespace {

norvane::SceneObject object(const char* kind) {
    return {kind, " 1", " 2", "0", "", ""};
}

QStringList shownRows(const SceneListModel& model) {
    QStringList rows;
    for (int i = 0; i < model.rowCount(); ++i)
        rows << model.index(i).data().toString();
    return rows;
}

} // namespace

class SceneListModelTest : public QObject {
    Q_OBJECT
private slots:
    // Each step changes the scene; the rows shown afterwards and the views' notifications.
    void rowsFollowTheScene() {
        norvane::Scene scene;
        scene.append(object("Tree"));
        SceneListModel model(scene);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

        scene.insert(0, object("Bench"));
        scene.append(object("Café"));
        QCOMPARE(shownRows(model), QStringList({"Bench", "Tree", "Café"}));
        QCOMPARE(inserted.count(), 2);
        scene.replace(1, object("House"));
        QCOMPARE(changed.takeFirst().at(0).toModelIndex().row(), 1);
        scene.remove(0);
        QCOMPARE(shownRows(model), QStringList({"House", "Café"}));
        QCOMPARE(removed.count(), 1);
        norvane::Scene other;
        other.append(object("Fred"));
        scene = other;
        QCOMPARE(shownRows(model), QStringList({"Fred"}));
        QCOMPARE(reset.count(), 1);
        QVERIFY(!model.index(0).data(Qt::ToolTipRole).isValid());
        QVERIFY(!model.changing());
    }
};

QTEST_MAIN(SceneListModelTest)
#include "SceneListModelTest.moc"
