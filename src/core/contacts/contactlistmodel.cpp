#include "core/contacts/contactlistmodel.h"

void ContactListModel::append(const ContactEntry& entry)
{
    appendEntries({entry});
}

void ContactListModel::appendEntries(const QVector<ContactEntry>& entries)
{
    if (entries.isEmpty())
        return;
    // One insertion for the whole list keeps a load of thousands of entries quick.
    beginInsertRows(QModelIndex(), count(), count() + int(entries.size()) - 1);
    m_entries += entries;
    endInsertRows();
}

void ContactListModel::markAllChecking()
{
    if (m_entries.isEmpty())
        return;
    for (ContactEntry& entry : m_entries) {
        entry.state = ContactEntry::State::Checking;
        entry.text = m_stateWords.value(int(ContactEntry::State::Checking));
    }
    emit dataChanged(index(0), index(count() - 1));
}

void ContactListModel::setResult(int row, bool online)
{
    if (!exists(row))
        return;
    ContactEntry& entry = m_entries[row];
    entry.state = online ? ContactEntry::State::Online : ContactEntry::State::Offline;
    entry.text = entry.remark;
    changed(row);
}

void ContactListModel::remove(int row)
{
    if (!exists(row))
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_entries.removeAt(row);
    endRemoveRows();
}

void ContactListModel::clear()
{
    beginResetModel();
    m_entries.clear();
    endResetModel();
}

int ContactListModel::usableSelection(int selectedRow) const
{
    return exists(selectedRow) && !at(selectedRow).text.isEmpty() ? selectedRow : -1;
}

void ContactListModel::setStatePictures(const QVector<QIcon>& pictures)
{
    m_pictures = pictures;
    if (!m_entries.isEmpty())
        emit dataChanged(index(0), index(count() - 1), {Qt::DecorationRole});
}

void ContactListModel::setStateWords(const QStringList& words)
{
    m_stateWords = words;
}

int ContactListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant ContactListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !exists(index.row()))
        return {};
    const ContactEntry& entry = m_entries.at(index.row());
    const int state = int(entry.state);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return entry.text;
    case Qt::DecorationRole:
        return state < m_pictures.size() ? m_pictures.at(state) : QVariant();
    case Qt::AccessibleDescriptionRole: // a screen reader says what the picture shows
        return m_stateWords.value(state);
    default:
        return {};
    }
}

bool ContactListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    // Editing in place changes the shown text only; the remark stays what is stored.
    if (!index.isValid() || role != Qt::EditRole || !exists(index.row()))
        return false;
    m_entries[index.row()].text = value.toString();
    changed(index.row());
    return true;
}

Qt::ItemFlags ContactListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemNeverHasChildren;
}

void ContactListModel::changed(int row)
{
    emit dataChanged(index(row), index(row));
}
