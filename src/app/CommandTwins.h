#pragma once

#include <QAction>
#include <QObject>
#include <QPushButton>

// Connects a button and its menu twin to the same command of `receiver`, so the two behave
// identically.
template <typename Receiver, typename Slot>
void connectTwins(QPushButton* button, QAction* item, Receiver* receiver, Slot slot) {
    QObject::connect(button, &QPushButton::clicked, receiver, slot);
    QObject::connect(item, &QAction::triggered, receiver, slot);
}
