#include "UiHelpers.h"

#include <QFile>
#include <QMouseEvent>

void clickRow(QAbstractItemView* list, int row, Qt::KeyboardModifiers modifiers) {
    const QModelIndex index = list->model()->index(row, 0);
    QVERIFY(index.isValid());
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                      list->visualRect(index).center());
}

int currentRow(const QAbstractItemView* list) {
    return list->currentIndex().row();
}

QString rowTexts(const QAbstractItemView* list) {
    QStringList texts;
    for (int i = 0; i < list->model()->rowCount(); ++i) {
        const QModelIndex index = list->model()->index(i, 0);
        texts << index.data().toString() + (list->selectionModel()->isSelected(index) ? "*" : "");
    }
    return texts.join(", ");
}

void hover(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void typeText(QWidget* widget, const QString& text) {
    for (QChar character : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), {});
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}
