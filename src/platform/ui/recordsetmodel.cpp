#include "platform/ui/recordsetmodel.h"

#include "platform/regional.h"

namespace platform::ui {

RecordSetModel::RecordSetModel(QObject* parent) : QAbstractTableModel(parent) {}

void RecordSetModel::setRecordSet(const db::RecordSet& recordSet)
{
    recordSet_ = recordSet;
    reload();
}

void RecordSetModel::reload()
{
    beginResetModel();
    const bool open = recordSet_.state() == db::RecordSet::StateOpen;
    reader_ = open ? recordSet_.clone() : db::RecordSet();
    rows_ = open ? recordSet_.recordCount() : 0;
    columns_ = open ? recordSet_.fieldCount() : 0;
    endResetModel();
}

int RecordSetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int RecordSetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns_;
}

QVariant RecordSetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows_ || index.column() >= columns_)
        return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (reader_.absolutePosition() != index.row() + 1)
        reader_.setAbsolutePosition(index.row() + 1);
    return regional::toText(reader_.value(index.column()));
}

QVariant RecordSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < 0 || section >= columns_)
        return {};
    return recordSet_.field(section).name();
}

} // namespace platform::ui
