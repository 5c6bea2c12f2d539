#pragma once
// The one table model between a record set and the grids that show it.
// Cells are the record set's values as text (regional settings), headers its
// field names. Reading never moves the record set's own cursor: the model
// reads through a clone sharing the same rows.

#include "platform/db/recordset.h"

#include <QAbstractTableModel>
#include <QHash>

namespace platform::ui {

class RecordSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RecordSetModel(QObject* parent = nullptr);

    // Shows `recordSet` (a handle: the window keeps using the same cursor).
    void setRecordSet(const db::RecordSet& recordSet);
    const db::RecordSet& recordSet() const { return recordSet_; }
    // Re-reads everything after rows were added, deleted or changed.
    void reload();
    // Shows the numbers of `column` with a number format ("###,###0.00");
    // an empty pattern shows them as plain numbers again. Other values (NULL,
    // text that is no number) show as they are.
    void setColumnFormat(int column, const QString& pattern);
    void clearColumnFormats();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    db::RecordSet recordSet_;
    mutable db::RecordSet reader_;
    int rows_ = 0;
    int columns_ = 0;
    QHash<int, QString> formats_;
};

} // namespace platform::ui
