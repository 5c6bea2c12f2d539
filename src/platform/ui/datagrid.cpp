#include "platform/ui/datagrid.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>

namespace platform::ui {

DataGrid::DataGrid(QWidget* parent) : QTableView(parent)
{
    setModel(&model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // A column's own width fits its caption and the first rows' values; the
    // windows set the widths they care about afterwards.
    horizontalHeader()->setResizeContentsPrecision(ContentsPrecision);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { followGrid(current); });
}

void DataGrid::setDataSource(const db::RecordSet& recordSet)
{
    model_.setRecordSet(recordSet);
    horizontalHeader()->resizeSections(QHeaderView::ResizeToContents);
    syncFromCursor();
}

void DataGrid::reserveColumnsWidth(int twips)
{
    const int columns = qRound(twips * logicalDpiX() / 1440.0);
    setMinimumWidth(verticalHeader()->sizeHint().width() + columns + verticalScrollBar()->sizeHint().width() +
                    2 * frameWidth());
}

QSize DataGrid::sizeHint() const
{
    QSize hint = QTableView::sizeHint();
    const int columns = verticalHeader()->sizeHint().width() + horizontalHeader()->length() +
                        verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
    hint.setWidth(qMax(hint.width(), columns));
    return hint;
}

void DataGrid::refresh()
{
    model_.reload();
    syncFromCursor();
}

void DataGrid::syncFromCursor()
{
    const db::RecordSet& rs = model_.recordSet();
    if (rs.state() != db::RecordSet::StateOpen)
        return;
    const int position = rs.absolutePosition();
    syncing_ = true;
    if (position >= 1 && position <= model_.rowCount()) {
        const QModelIndex index = model_.index(position - 1, qMax(0, currentIndex().column()));
        setCurrentIndex(index);
        scrollTo(index);
    } else {
        selectionModel()->clear();
    }
    syncing_ = false;
}

void DataGrid::followGrid(const QModelIndex& current)
{
    if (syncing_ || !current.isValid())
        return;
    db::RecordSet rs = model_.recordSet();
    if (rs.absolutePosition() != current.row() + 1) {
        rs.setAbsolutePosition(current.row() + 1);
        emit rowChanged();
    }
}

} // namespace platform::ui
