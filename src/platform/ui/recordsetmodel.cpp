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
    const QVariant value = reader_.value(index.column());
    const auto format = formats_.constFind(index.column());
    if (format != formats_.constEnd()) {
        if (const std::optional<Decimal> number = regional::toDecimal(value); number && !value.isNull())
            return regional::format(*number, *format);
    }
    return regional::toText(value);
}

void RecordSetModel::setColumnFormat(int column, const QString& pattern)
{
    if (pattern.isEmpty())
        formats_.remove(column);
    else
        formats_.insert(column, pattern);
    if (rows_ > 0 && column >= 0 && column < columns_)
        emit dataChanged(index(0, column), index(rows_ - 1, column));
}

void RecordSetModel::clearColumnFormats()
{
    formats_.clear();
    if (rows_ > 0 && columns_ > 0)
        emit dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1));
}

QVariant RecordSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical) // a row's number, never grouped by the locale
        return QString::number(section + 1);
    if (section < 0 || section >= columns_)
        return {};
    return recordSet_.field(section).name();
}

} // namespace platform::ui
