#pragma once
// A grid bound to a record set: the grid's current row and the record set's
// cursor follow each other. Clicking or moving in the grid moves the cursor;
// after code moved the cursor, syncFromCursor() puts the grid on that row.

#include "platform/db/recordset.h"
#include "platform/ui/recordsetmodel.h"

#include <QTableView>

namespace platform::ui {

class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);

    // Binds the grid to `recordSet` and shows its current row.
    void setDataSource(const db::RecordSet& recordSet);
    const db::RecordSet& dataSource() const { return model_.recordSet(); }
    // Re-reads the rows (after a re-query into the same record set, or rows
    // added/deleted) and follows the cursor.
    void refresh();
    // Selects the row the record set's cursor is on.
    void syncFromCursor();

signals:
    // The cursor moved because the operator moved in the grid.
    void rowChanged();

private:
    void followGrid(const QModelIndex& current);
    RecordSetModel model_;
    bool syncing_ = false;
};

} // namespace platform::ui
