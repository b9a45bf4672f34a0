#pragma once

#include <QAbstractListModel>
#include <QList>

class BatchEntry;

// The batches of the 3D view as a list model, so that QML keeps the models it has made for the
// batches already there and only adds one for each new batch.
class BatchList : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { EntryRole = Qt::UserRole + 1 };

    using QAbstractListModel::QAbstractListModel;

    // Adds an entry at the end; the list does not own it.
    void append(BatchEntry* entry);
    const QList<BatchEntry*>& entries() const { return m_entries; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    QList<BatchEntry*> m_entries;
};
