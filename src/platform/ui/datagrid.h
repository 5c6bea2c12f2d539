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

    // Wide enough to show every shown column (the window opens with it).
    QSize sizeHint() const override;
    // Keeps the grid wide enough for columns of `twips` in all, for a grid
    // whose columns come after the window has opened.
    void reserveColumnsWidth(int twips);
    // Number formats of columns (RecordSetModel::setColumnFormat).
    void setColumnFormat(int column, const QString& pattern) { model_.setColumnFormat(column, pattern); }
    void clearColumnFormats() { model_.clearColumnFormats(); }

signals:
    // The cursor moved because the operator moved in the grid.
    void rowChanged();

private:
    // Rows looked at to fit a column to its values.
    static constexpr int ContentsPrecision = 100;
    void followGrid(const QModelIndex& current);
    RecordSetModel model_;
    bool syncing_ = false;
};

} // namespace platform::ui
