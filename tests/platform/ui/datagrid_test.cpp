#include "platform/db/recordset.h"
#include "platform/decimal.h"
#include "platform/ui/datagrid.h"
#include "platform/ui/recordsetmodel.h"
#include "qtprint.h"

#include <QAbstractItemModelTester>
#include <gtest/gtest.h>

using namespace platform;
using namespace platform::ui;
using db::DataType;
using db::RecordSet;

namespace {

RecordSet loterias()
{
    RecordSet rs;
    rs.appendField(QStringLiteral("cod_lot"), DataType::VarChar, 3);
    rs.appendField(QStringLiteral("desc_lot"), DataType::VarChar, 25);
    rs.appendField(QStringLiteral("comision"), DataType::Decimal, 0, 9, 3);
    const char* filas[][3] = {{"001", "Zulia", "12,5"}, {"002", "Tachira", "10"}, {"003", "Caracas", ""}};
    for (const auto& fila : filas) {
        rs.addNew();
        rs.setValue(0, QString::fromLatin1(fila[0]));
        rs.setValue(1, QString::fromLatin1(fila[1]));
        if (*fila[2])
            rs.setValue(2, QString::fromLatin1(fila[2]));
        rs.update();
    }
    rs.moveFirst();
    return rs;
}

} // namespace

TEST(RecordSetModelTest, PassesTheModelTesterAndShowsRegionalText)
{
    RecordSetModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    RecordSet rs = loterias();
    model.setRecordSet(rs);
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.columnCount(), 3);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("desc_lot"));
    EXPECT_EQ(model.index(0, 2).data().toString(), QStringLiteral("12,5"));
    EXPECT_EQ(model.index(2, 2).data().toString(), QString()); // NULL
    EXPECT_EQ(model.index(2, 1).data().toString(), QStringLiteral("Caracas"));
    // Reading cells never moves the window's cursor.
    EXPECT_EQ(rs.absolutePosition(), 1);
}

TEST(DataGridTest, GridAndCursorFollowEachOther)
{
    DataGrid grid;
    RecordSet rs = loterias();
    rs.moveLast();
    grid.setDataSource(rs);
    EXPECT_EQ(grid.currentIndex().row(), 2);

    int cambios = 0;
    QObject::connect(&grid, &DataGrid::rowChanged, [&] { ++cambios; });
    grid.setCurrentIndex(grid.model()->index(1, 0));
    EXPECT_EQ(rs.absolutePosition(), 2);
    EXPECT_EQ(rs.value(QStringLiteral("cod_lot")).toString(), QStringLiteral("002"));
    EXPECT_EQ(cambios, 1);

    rs.moveFirst();
    grid.syncFromCursor();
    EXPECT_EQ(grid.currentIndex().row(), 0);
    EXPECT_EQ(cambios, 1); // following the cursor is no move of the operator's

    rs.addNew();
    rs.setValue(0, QStringLiteral("004"));
    rs.update();
    grid.refresh();
    EXPECT_EQ(grid.model()->rowCount(), 4);
    EXPECT_EQ(grid.currentIndex().row(), 3);
}
