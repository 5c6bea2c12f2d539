// Cursor behaviour of record sets, on sets built in memory.
#include "platform/db/dberror.h"
#include "platform/db/recordset.h"
#include "qtprint.h"

#include <functional>
#include <gtest/gtest.h>

using namespace platform::db;
using platform::Decimal;

namespace {

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

int errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const DbError& e) {
        return e.number();
    }
    return 0;
}

// cod_lot, desc_lot, monto: "001" Lotto 10.50 / "002" Zulia 3 / "003 " Bingo NULL / "004" Táchira 7.25
RecordSet lotteries()
{
    RecordSet rs;
    rs.appendField(s("COD_LOT"), DataType::Char, 5);
    rs.appendField(s("desc_lot"), DataType::VarChar, 25);
    rs.appendField(s("monto"), DataType::Numeric, 0, 9, 2);
    const struct {
        const char* code;
        const char* name;
        const char* amount;
    } rows[] = {{"001", "Lotto", "10,50"},
                {"002", "Zulia", "3"},
                {"003 ", "Bingo", nullptr},
                {"004", "Táchira", "7,25"}};
    for (const auto& row : rows) {
        rs.addNew();
        rs.setValue(s("cod_lot"), s(row.code));
        rs.setValue(1, s(row.name));
        rs.setValue(s("MONTO"), row.amount ? QVariant(s(row.amount)) : QVariant());
        rs.update();
    }
    rs.moveFirst();
    return rs;
}

QString code(const RecordSet& rs)
{
    return rs.value(s("cod_lot")).toString().trimmed();
}

} // namespace

TEST(RecordSetTest, EmptySetIsAtBothEndsAndRefusesEveryMove)
{
    RecordSet rs;
    rs.appendField(s("a"), DataType::Integer);
    EXPECT_TRUE(rs.bof());
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(rs.recordCount(), 0);
    for (const auto& action : std::initializer_list<std::function<void()>>{
             [&] { rs.moveFirst(); }, [&] { rs.moveLast(); }, [&] { rs.moveNext(); },
             [&] { rs.movePrevious(); }, [&] { rs.value(0); }, [&] { rs.bookmark(); },
             [&] { rs.find(s("a = 1")); }, [&] { rs.deleteCurrent(); }})
        EXPECT_EQ(errorOf(action), err::NoCurrentRecord);
}

TEST(RecordSetTest, MovesFollowTheCursorRules)
{
    RecordSet rs = lotteries();
    struct Step {
        const char* what;
        std::function<void()> move;
        bool bof, eof;
        int position;
        const char* code; // current row, nullptr: none
    };
    const Step steps[] = {
        {"start", [] {}, false, false, 1, "001"},
        {"next", [&] { rs.moveNext(); }, false, false, 2, "002"},
        {"last", [&] { rs.moveLast(); }, false, false, 4, "004"},
        {"next past the end", [&] { rs.moveNext(); }, false, true, RecordSet::PosEof, nullptr},
        {"previous from EOF", [&] { rs.movePrevious(); }, false, false, 4, "004"},
        {"first", [&] { rs.moveFirst(); }, false, false, 1, "001"},
        {"previous past the start", [&] { rs.movePrevious(); }, true, false, RecordSet::PosBof, nullptr},
        {"next from BOF", [&] { rs.moveNext(); }, false, false, 1, "001"},
        {"absolute 3", [&] { rs.setAbsolutePosition(3); }, false, false, 3, "003"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.move();
        EXPECT_EQ(rs.bof(), step.bof);
        EXPECT_EQ(rs.eof(), step.eof);
        EXPECT_EQ(rs.absolutePosition(), step.position);
        if (step.code) {
            EXPECT_EQ(code(rs), s(step.code));
        }
    }
    rs.moveLast();
    rs.moveNext();
    EXPECT_EQ(errorOf([&] { rs.moveNext(); }), err::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs.value(0); }), err::NoCurrentRecord);
    rs.moveFirst();
    rs.movePrevious();
    EXPECT_EQ(errorOf([&] { rs.movePrevious(); }), err::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs.setAbsolutePosition(5); }), err::BadArgument);
    EXPECT_EQ(errorOf([&] { rs.setAbsolutePosition(0); }), err::BadArgument);
}

TEST(RecordSetTest, FindSearchesFromTheCurrentRow)
{
    RecordSet rs = lotteries();
    struct Case {
        const char* criteria;
        int skip;
        RecordSet::SearchDirection direction;
        int startAt;
        const char* found; // nullptr: not found
    };
    const auto F = RecordSet::SearchForward;
    const auto B = RecordSet::SearchBackward;
    const Case cases[] = {
        {"cod_lot = '002'", 0, F, 1, "002"},
        {"COD_LOT='003'", 0, F, 1, "003"},     // padded char matches
        {"cod_lot = '001'", 0, F, 2, nullptr}, // forward only
        {"cod_lot = '001'", 0, B, 4, "001"},
        {"cod_lot = '002'", 0, F, 2, "002"},    // the current row counts
        {"cod_lot = '002'", 1, F, 2, nullptr},  // unless skipped
        {"desc_lot = 'ZULIA'", 0, F, 1, "002"}, // any case
        {"desc_lot LIKE 'b*'", 0, F, 1, "003"},
        {"desc_lot like '%chi%'", 0, F, 1, "004"},
        {"desc_lot <> 'Lotto'", 0, F, 1, "002"},
        {"monto > 5", 0, F, 2, "004"}, // NULL never matches
        {"monto >= 10.5", 0, F, 1, "001"},
        {"monto < 3", 0, F, 1, nullptr},
        {"[desc_lot] = 'Táchira'", 0, F, 1, "004"},
        {"desc_lot = 'O''Brien'", 0, F, 1, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.criteria);
        rs.setAbsolutePosition(c.startAt);
        const bool found = rs.find(s(c.criteria), c.skip, c.direction);
        EXPECT_EQ(found, c.found != nullptr);
        if (c.found) {
            EXPECT_EQ(code(rs), s(c.found));
        } else {
            EXPECT_EQ(c.direction == F ? rs.eof() : rs.bof(), true);
        }
    }
    rs.moveFirst();
    for (const char* bad : {"nada = '1'", "cod_lot", "cod_lot = abc", "monto = 'x'"})
        EXPECT_EQ(errorOf([&] { rs.find(s(bad)); }), err::BadArgument) << bad;
}

TEST(RecordSetTest, BookmarksReturnToTheRowAlsoInARequeriedSet)
{
    RecordSet rs = lotteries();
    rs.setAbsolutePosition(3);
    const Bookmark mark = rs.bookmark();
    rs.moveFirst();
    rs.setBookmark(mark);
    EXPECT_EQ(code(rs), s("003"));

    RecordSet requeried = lotteries();
    requeried.setBookmark(mark);
    EXPECT_EQ(code(requeried), s("003"));

    rs.deleteCurrent();
    rs.moveFirst();
    EXPECT_EQ(errorOf([&] { rs.setBookmark(mark); }), err::BadArgument);
    EXPECT_EQ(errorOf([&] { rs.setBookmark(Bookmark{}); }), err::BadArgument);
    EXPECT_EQ(errorOf([&] { rs.setBookmark(Bookmark{99}); }), err::BadArgument);
}

TEST(RecordSetTest, ClonesShareRowsButNotTheCursor)
{
    RecordSet rs = lotteries();
    RecordSet same = rs; // a copy is the same cursor
    RecordSet clone = rs.clone();
    rs.moveLast();
    EXPECT_EQ(code(same), s("004"));
    EXPECT_EQ(code(clone), s("001"));

    clone.setValue(s("desc_lot"), s("Cambiado"));
    rs.moveFirst();
    EXPECT_EQ(rs.value(s("desc_lot")), QVariant(s("Cambiado")));

    clone.addNew();
    clone.setValue(s("cod_lot"), s("005"));
    EXPECT_EQ(rs.recordCount(), 5);
    rs.moveLast();
    EXPECT_EQ(code(rs), s("005"));

    // A row deleted through one cursor is gone under the other.
    rs.setAbsolutePosition(2);
    clone.setAbsolutePosition(2);
    clone.deleteCurrent();
    EXPECT_EQ(errorOf([&] { rs.value(0); }), err::NoCurrentRecord);
    EXPECT_FALSE(rs.eof());
    rs.moveNext();
    EXPECT_EQ(code(rs), s("003"));
    EXPECT_EQ(rs.recordCount(), 4);
    EXPECT_EQ(rs.absolutePosition(), 2);

    clone.close();
    EXPECT_EQ(errorOf([&] { clone.moveFirst(); }), err::ConnectionClosed);
    EXPECT_EQ(clone.state(), RecordSet::StateClosed);
    EXPECT_EQ(rs.recordCount(), 4);
}

TEST(RecordSetTest, DeletedRowStaysCurrentUntilTheNextMove)
{
    RecordSet rs = lotteries();
    rs.setAbsolutePosition(2);
    rs.deleteCurrent();
    EXPECT_FALSE(rs.bof());
    EXPECT_FALSE(rs.eof());
    EXPECT_EQ(rs.absolutePosition(), RecordSet::PosUnknown);
    EXPECT_EQ(errorOf([&] { rs.value(0); }), err::NoCurrentRecord);
    rs.moveNext();
    EXPECT_EQ(code(rs), s("003"));
    rs.moveLast();
    rs.deleteCurrent();
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    rs.movePrevious();
    EXPECT_EQ(code(rs), s("003"));
    EXPECT_EQ(rs.recordCount(), 2);

    RecordSet one;
    one.appendField(s("a"), DataType::Integer);
    one.addNew();
    one.deleteCurrent();
    one.moveNext();
    EXPECT_TRUE(one.bof());
    EXPECT_TRUE(one.eof());
}

TEST(RecordSetTest, FieldsByNameOrPositionWithTypedValuesAndNulls)
{
    RecordSet rs = lotteries();
    EXPECT_EQ(rs.fieldCount(), 3);
    EXPECT_EQ(rs.field(s("Cod_Lot")).name(), s("COD_LOT"));
    EXPECT_EQ(rs.field(0).definedSize(), 5);
    EXPECT_EQ(rs.fieldIndex(s("MONTO")), 2);
    EXPECT_EQ(rs.fieldIndex(s("nada")), -1);
    EXPECT_EQ(errorOf([&] { rs.field(s("nada")); }), err::ItemNotFound);
    EXPECT_EQ(errorOf([&] { rs.field(3); }), err::ItemNotFound);

    const QVariant amount = rs.value(s("monto"));
    ASSERT_EQ(amount.metaType(), QMetaType::fromType<Decimal>());
    EXPECT_EQ(amount.value<Decimal>(), *Decimal::parse(s("10.5")));
    EXPECT_EQ(amount.toString(), s("10.50")); // the scale it was given
    rs.setAbsolutePosition(3);
    EXPECT_TRUE(rs.field(s("monto")).isNull());
    EXPECT_FALSE(rs.value(s("monto")).isValid());
    EXPECT_EQ(rs.value(s("cod_lot")), QVariant(s("003 ")));

    EXPECT_EQ(errorOf([&] { rs.setValue(s("monto"), s("doce")); }), err::WrongType);
    rs.setValue(s("monto"), 12);
    EXPECT_EQ(rs.value(s("monto")).value<Decimal>(), Decimal(12));
    EXPECT_EQ(errorOf([&] { rs.appendField(s("otro"), DataType::Integer); }), err::BadArgument);
}
