#include "platform/regional.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

using platform::Decimal;
using namespace platform::regional;

namespace {

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

Decimal dec(const char* text)
{
    const auto d = Decimal::parse(s(text));
    if (!d)
        throw std::invalid_argument(text);
    return *d;
}

// Settings of a point-decimal workstation, to show that the separators come
// from the settings given and nowhere else.
Settings pointDecimal()
{
    Settings st;
    st.decimalSeparator = QLatin1Char('.');
    st.thousandsSeparator = QLatin1Char(',');
    return st;
}

} // namespace

TEST(RegionalTest, NumbersAsTheImplicitConversionWritesThem)
{
    struct Case {
        QString got;
        const char* want;
    };
    const Case cases[] = {
        {numberText(12.5), "12,5"},
        {numberText(-3.75), "-3,75"},
        {numberText(100.0 / 4), "25"},
        {numberText(100.0 / 7), "14,2857142857143"},
        {numberText(100.0 / 6 - 1), "15,6666666666667"},
        {numberText(0.1 + 0.2), "0,3"},
        {numberText(-0.0), "0"},
        {numberText(123456789012345.0), "123456789012345"},
        {numberText(1234567890123456.0), "1,23456789012346E+15"},
        {numberText(1e15), "1E+15"},
        {numberText(0.0001), "0,0001"},
        {numberText(0.00001), "1E-05"},
        {numberText(0.1f), "0,1"},
        {numberText(dec("12.500")), "12,5"},
        {numberText(dec("0.00")), "0"},
        {numberText(dec("-1234.50")), "-1234,5"},
        {numberText(dec("1200")), "1200"},
        {numberText(-5), "-5"},
        {numberText(9007199254740993LL), "9007199254740993"},
        {numberText(12.5, pointDecimal()), "12.5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.got, s(c.want));
}

TEST(RegionalTest, TextToNumbersWithTheRegionalSeparators)
{
    struct Case {
        const char* in;
        const char* want; // nullptr: not a number
    };
    const Case cases[] = {
        {"1.234,5", "1234.5"}, {"12.5", "125"}, // the point is a thousands separator
        {"12,5", "12.5"},      {"  -0,50 ", "-0.50"}, {"1.2.3", "123"},   {",5", "0.5"},
        {"+7", "7"},           {"1,5E2", "150"},      {"1,5e-1", "0.15"}, {"1,2,3", nullptr},
        {"1,2.3", nullptr},    {"12a", nullptr},      {"1E", nullptr},    {"", nullptr},
        {"   ", nullptr},      {".", nullptr},        {"-", nullptr},     {"\t5", nullptr},
        {"٥", nullptr},
    };
    for (const Case& c : cases) {
        const auto d = parseDecimal(s(c.in));
        const auto x = parseDouble(s(c.in));
        if (c.want == nullptr) {
            EXPECT_FALSE(d.has_value()) << c.in;
            EXPECT_FALSE(x.has_value()) << c.in;
        } else {
            ASSERT_TRUE(d.has_value()) << c.in;
            EXPECT_EQ(d->toString(), s(c.want)) << c.in;
            ASSERT_TRUE(x.has_value()) << c.in;
            EXPECT_DOUBLE_EQ(*x, s(c.want).toDouble()) << c.in;
        }
    }
    EXPECT_DOUBLE_EQ(parseDouble(s("1E300")).value(), 1e300);
    EXPECT_EQ(parseDecimal(s("1,234.5"), pointDecimal()).value(), dec("1234.5"));
    EXPECT_EQ(parseDecimal(s("12.5"), pointDecimal()).value(), dec("12.5"));
}

TEST(RegionalTest, FormatsNumbersByPattern)
{
    struct Case {
        const char* value;
        const char* pattern;
        const char* want;
    };
    const Case cases[] = {
        {"1234.5", "###,###0.00", "1.234,50"},
        {"0", "###,###0.00", "0,00"},
        {"-1234567.891", "###,###0.00", "-1.234.567,89"},
        {"123", "###,###0.00", "123,00"},
        {"123456", "###,###0.00", "123.456,00"},
        {"0.5", "###,###0.00", "0,50"},
        {"0.005", "###,###0.00", "0,01"},
        {"-0.005", "###,###0.00", "-0,01"},
        {"-0.004", "###,###0.00", "0,00"},
        {"2.675", "###,###0.00", "2,68"},
        {"999999.995", "###,###0.00", "1.000.000,00"},
        {"1234567", "###,###,###0.00", "1.234.567,00"},
        {"3", "###,###,###0.00", "3,00"},
        {"0", "###,###", ""},
        {"0.4", "###,###", ""},
        {"-0.4", "###,###", ""},
        {"0.5", "###,###", "1"},
        {"1234.5", "###,###", "1.235"},
        {"999", "###,###", "999"},
        {"0", "#########", ""},
        {"1234567.5", "#########", "1234568"},
        {"-2.5", "#########", "-3"},
        {"5", "00", "05"},
        {"123", "000", "123"},
        {"1.5", "0.##", "1,5"},
        {"1", "0.#0", "1,00"},
        {"1", "0.##", "1,"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(format(dec(c.value), s(c.pattern)), s(c.want)) << c.value << " " << c.pattern;

    EXPECT_EQ(formatAmount(dec("-1234567.891")), s("-1.234.567,89"));
    EXPECT_EQ(formatAmount(dec("1234.5"), pointDecimal()), s("1,234.50"));
    EXPECT_EQ(formatAmount(1234.5), s("1.234,50"));
    EXPECT_EQ(formatAmount(0.1 + 0.2), s("0,30"));
    EXPECT_EQ(formatAmount(1.005), s("1,01")); // taken at 15 digits, then rounded
    EXPECT_EQ(format(0.0, s("###,###")), QString());
    EXPECT_THROW(formatAmount(std::numeric_limits<double>::quiet_NaN()), std::overflow_error);
    EXPECT_THROW(formatAmount(1e40), std::overflow_error);
    EXPECT_THROW(format(dec("1"), s("0.00 Bs")), std::invalid_argument);
    EXPECT_THROW(format(dec("1"), s("0.0.0")), std::invalid_argument);
}

TEST(RegionalTest, DatesAndTimes)
{
    const QDate day(2007, 3, 5);
    EXPECT_EQ(dateText(day), s("05/03/2007"));
    EXPECT_EQ(dateText(QDate()), QString());
    EXPECT_EQ(timeText(QTime(7, 5, 9)), s("07:05:09"));
    EXPECT_EQ(timeText(QTime(23, 59, 59, 999)), s("23:59:59"));
    EXPECT_EQ(dateTimeText(QDateTime(day, QTime(0, 0))), s("05/03/2007"));
    EXPECT_EQ(dateTimeText(QDateTime(day, QTime(13, 4, 5))), s("05/03/2007 13:04:05"));
    EXPECT_EQ(dateTimeText(QDateTime()), QString());

    struct Case {
        const char* in;
        QDate want; // invalid: not a date
    };
    const Case cases[] = {
        {"05/03/2007", day},
        {"5/3/2007", day},
        {" 31/12/1999 ", QDate(1999, 12, 31)},
        {"29/02/2008", QDate(2008, 2, 29)},
        {"29/02/2007", QDate()},
        {"31/04/2007", QDate()},
        {"2007-03-05", QDate()},
        {"05/03/07", QDate()},
        {"", QDate()},
        {"a5/03/2007", QDate()},
        {"+5/03/2007", QDate()},
        {"05//2007", QDate()},
        {"05/03/2007 10:00", QDate()},
        {"005/03/2007", QDate()},
    };
    for (const Case& c : cases) {
        const auto d = parseDate(s(c.in));
        EXPECT_EQ(d.value_or(QDate()), c.want) << c.in;
        EXPECT_EQ(d.has_value(), c.want.isValid()) << c.in;
    }
}

TEST(RegionalTest, FieldValuesToText)
{
    struct Case {
        QVariant value;
        const char* want;
    };
    const Case cases[] = {
        {QVariant(), ""},
        {QVariant(QMetaType::fromType<QString>()), ""},
        {QVariant(QMetaType::fromType<int>()), ""},
        {QVariant(QMetaType::fromType<Decimal>()), ""},
        {QVariant::fromValue(dec("12.500")), "12,5"},
        {QVariant(12.5), "12,5"},
        {QVariant(100.0 / 3), "33,3333333333333"},
        {QVariant(42), "42"},
        {QVariant(qlonglong(-7)), "-7"},
        {QVariant(5U), "5"},
        {QVariant(true), "Verdadero"},
        {QVariant(false), "Falso"},
        {QVariant(QDate(2007, 3, 5)), "05/03/2007"},
        {QVariant(QDateTime(QDate(2007, 3, 5), QTime(0, 0))), "05/03/2007"},
        {QVariant(QDateTime(QDate(2007, 3, 5), QTime(8, 30))), "05/03/2007 08:30:00"},
        {QVariant(QTime(8, 30)), "08:30:00"},
        {QVariant(s("Pérez <&> ")), "Pérez <&> "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(toText(c.value), s(c.want)) << c.want;
}

TEST(RegionalTest, FieldValuesToDecimal)
{
    EXPECT_FALSE(toDecimal(QVariant()).has_value());
    EXPECT_FALSE(toDecimal(QVariant(QMetaType::fromType<Decimal>())).has_value());
    EXPECT_EQ(toDecimal(QVariant::fromValue(dec("1.50"))).value().toString(), s("1.50"));
    EXPECT_EQ(toDecimal(QVariant(3)).value(), Decimal(3));
    EXPECT_EQ(toDecimal(QVariant(18446744073709551615ULL)).value().toString(), s("18446744073709551615"));
    EXPECT_EQ(toDecimal(QVariant(0.1 + 0.2)).value(), dec("0.3"));
    EXPECT_EQ(toDecimal(QVariant(0.1f)).value(), dec("0.1"));
    EXPECT_EQ(toDecimal(QVariant(true)).value(), Decimal(-1));
    EXPECT_EQ(toDecimal(QVariant(s("1.234,5"))).value(), dec("1234.5"));
    EXPECT_FALSE(toDecimal(QVariant(s("abc"))).has_value());
    EXPECT_FALSE(toDecimal(QVariant(QDate(2007, 3, 5))).has_value());
}

TEST(RegionalTest, TheMachineLocaleChangesNothing)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(formatAmount(dec("1234.5")), s("1.234,50"));
    EXPECT_EQ(numberText(12.5), s("12,5"));
    EXPECT_EQ(parseDecimal(s("1.234,5")).value(), dec("1234.5"));
    EXPECT_EQ(dateText(QDate(2007, 3, 5)), s("05/03/2007"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(numberText(1234567890123456.0), s("1,23456789012346E+15"));
    EXPECT_EQ(toText(QVariant(12.5)), s("12,5"));
    QLocale::setDefault(saved);
}
