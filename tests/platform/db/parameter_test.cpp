// What a typed parameter binds, without a server: conversions, cutting,
// rounding and the errors of values that do not fit.
#include "platform/db/command.h"
#include "platform/db/dberror.h"
#include "qtprint.h"

#include <gtest/gtest.h>

using namespace platform::db;
using platform::Decimal;

namespace {

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

Decimal dec(const char* text)
{
    return *Decimal::parse(s(text));
}

QVariant bound(Parameter p)
{
    return p.boundValue();
}

Parameter decimalParam(int precision, int scale, const QVariant& value)
{
    Parameter p(s("@x"), DataType::Decimal, Direction::Input, 0, value);
    p.setPrecision(precision).setNumericScale(scale);
    return p;
}

int errorNumber(const Parameter& p)
{
    try {
        p.boundValue();
    } catch (const DbError& e) {
        return e.number();
    }
    return 0;
}

} // namespace

TEST(ParameterTest, DecimalsComeFromDecimalsNumbersOrRegionalTextRoundedToTheirScale)
{
    struct Case {
        QVariant value;
        int precision;
        int scale;
        const char* expected;
    };
    const Case cases[] = {
        {s("12,5"), 9, 3, "12.500"},
        {s("1.234,5678"), 9, 3, "1234.568"},
        {s("-0,0005"), 9, 3, "-0.001"}, // half away from zero
        {s("0,0004"), 9, 3, "0.000"},
        {s("12.5"), 9, 3, "125.000"}, // the point groups thousands
        {s(" 7 "), 9, 0, "7"},
        {s("2,5"), 9, 0, "3"},
        {QVariant::fromValue(dec("999999.9994")), 9, 3, "999999.999"},
        {QVariant(qint64(42)), 18, 3, "42.000"},
        {QVariant(0.1), 9, 3, "0.100"},
        {QVariant(2.675), 9, 2, "2.68"},
        {s("12,345"), 0, 0, "12.345"}, // no precision declared: as it is
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value.toString().toStdString());
        const QVariant v = bound(decimalParam(c.precision, c.scale, c.value));
        ASSERT_EQ(v.metaType(), QMetaType::fromType<Decimal>());
        EXPECT_EQ(v.value<Decimal>().toString(), s(c.expected));
    }
}

TEST(ParameterTest, ValuesThatDoNotFitOrConvertAreRefused)
{
    EXPECT_EQ(errorNumber(decimalParam(9, 3, s("1000000"))), err::ServerError);
    EXPECT_EQ(errorNumber(decimalParam(9, 3, s("999999,9996"))), err::ServerError);
    EXPECT_EQ(errorNumber(decimalParam(9, 3, s("abc"))), err::WrongType);
    EXPECT_EQ(errorNumber(decimalParam(9, 3, s(""))), err::WrongType);
    EXPECT_EQ(errorNumber(Parameter(s("@n"), DataType::Integer, Direction::Input, 0, s("x"))),
              err::WrongType);
}

TEST(ParameterTest, TextIsCutToItsSizeAndIntegersReadFromText)
{
    EXPECT_EQ(bound(Parameter(s("@t"), DataType::VarChar, Direction::Input, 5, s("abcdefgh"))),
              QVariant(s("abcde")));
    EXPECT_EQ(bound(Parameter(s("@t"), DataType::VarChar, Direction::Input, 0, s("abcdefgh"))),
              QVariant(s("abcdefgh")));
    // Numbers become text the regional way, as the windows always saw them.
    EXPECT_EQ(
        bound(Parameter(s("@t"), DataType::VarChar, Direction::Input, 10, QVariant::fromValue(dec("12.50")))),
        QVariant(s("12,5")));
    EXPECT_EQ(bound(Parameter(s("@n"), DataType::Integer, Direction::Input, 0, s(" 12 "))),
              QVariant(qint64(12)));
    EXPECT_EQ(bound(Parameter(s("@n"), DataType::Integer, Direction::Input, 0, s("2,5"))),
              QVariant(qint64(2)));
    EXPECT_FALSE(bound(Parameter(s("@n"), DataType::Integer, Direction::Input)).isValid());
    EXPECT_FALSE(bound(Parameter(s("@t"), DataType::VarChar, Direction::Input)).isValid());
}

TEST(ParameterTest, TextIsCutByCharactersAsTheServerCountsThem)
{
    struct Case {
        const char* text;
        int size;
        const char* expected;
    };
    const Case cases[] = {
        {"a\U0001F600bc", 3, "a\U0001F600b"}, // an emoji is one character
        {"\U0001F600\U0001F600\U0001F600", 2, "\U0001F600\U0001F600"},
        {"x\U0001F600", 1, "x"}, // never half of one
        {"\U0001F600x", 1, "\U0001F600"},
        {"ñandú", 4, "ñand"},
        {"e\u0301t", 1, "e"}, // a combining mark counts alone
        {"abc", 5, "abc"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(bound(Parameter(s("@t"), DataType::VarChar, Direction::Input, c.size, s(c.text))),
                  QVariant(s(c.expected)))
            << c.text << " / " << c.size;
}

TEST(ParameterTest, CommandFindsParametersByNameWithoutRegardToCase)
{
    Command cmd;
    cmd.append(s("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    Parameter& modo = cmd.append(s("@xmodo"), DataType::VarChar, Direction::Input, 1);
    cmd.appendDecimal(s("@xmonto"), DataType::Numeric, Direction::InputOutput, 9, 2);
    cmd.setValue(s("@XMODO"), s("1"));
    EXPECT_EQ(modo.value(), QVariant(s("1")));
    EXPECT_EQ(cmd.parameter(2).precision(), 9);
    EXPECT_EQ(cmd.parameter(s("@xMonto")).numericScale(), 2);
    try {
        cmd.setValue(s("@nada"), 1);
        FAIL() << "no error";
    } catch (const DbError& e) {
        EXPECT_EQ(e.number(), err::ItemNotFound);
    }
    try {
        cmd.execute();
        FAIL() << "no error";
    } catch (const DbError& e) {
        EXPECT_EQ(e.number(), err::ConnectionClosed);
    }
}
