#include "BatchList.h"

#include "BatchEntry.h"

void BatchList::append(BatchEntry* entry) {
    beginInsertRows({}, int(m_entries.size()), int(m_entries.size()));
    m_entries.append(entry);
    endInsertRows();
}

int BatchList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant BatchList::data(const QModelIndex& index, int role) const {
    if (role != EntryRole || !index.isValid() || index.row() >= m_entries.size())
        return {};
    return QVariant::fromValue(static_cast<QObject*>(m_entries[index.row()]));
}

QHash<int, QByteArray> BatchList::roleNames() const {
    return {{EntryRole, "entry"}};
}
