#include "platform/decimal.h"

#include <QVariant>
#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <stdexcept>

using platform::Decimal;
using R = Decimal::Rounding;

namespace {

QString s(const char* text)
{
    return QString::fromLatin1(text);
}

Decimal dec(const char* text)
{
    const auto d = Decimal::parse(s(text));
    if (!d)
        throw std::invalid_argument(text);
    return *d;
}

// `want` nullptr: the conversion must fail.
void expectDecimal(const std::optional<Decimal>& got, const char* want, const QString& label)
{
    if (want == nullptr) {
        EXPECT_FALSE(got.has_value()) << label.toStdString();
        return;
    }
    ASSERT_TRUE(got.has_value()) << label.toStdString();
    EXPECT_EQ(got->toString(), s(want)) << label.toStdString();
}

const char* const k38Nines = "99999999999999999999999999999999999999";

} // namespace

TEST(DecimalTest, ParsesPlainTextKeepingItsScale)
{
    struct Case {
        const char* in;
        const char* out; // nullptr: parse fails
    };
    const Case cases[] = {
        {"0", "0"},
        {"-0", "0"},
        {"+12", "12"},
        {"  12.50 ", "12.50"},
        {"-1234.5", "-1234.5"},
        {".5", "0.5"},
        {"5.", "5"},
        {"007.070", "7.070"},
        {"0.000", "0.000"},
        {"1e3", "1000"},
        {"1.5E-2", "0.015"},
        {"1.50e1", "15.0"},
        {k38Nines, k38Nines},
        {"-0.99999999999999999999999999999999999999", "-0.99999999999999999999999999999999999999"},
        {"999999999999999999999999999999999999999", nullptr}, // 39 digits
        {"1e38", nullptr},
        {"1e-39", nullptr},
        {"", nullptr},
        {"   ", nullptr},
        {"-", nullptr},
        {".", nullptr},
        {"1.2.3", nullptr},
        {"1,5", nullptr},
        {"12a", nullptr},
        {"1e", nullptr},
        {"- 1", nullptr},
        {"1 000", nullptr},
        {"٣", nullptr}, // digits of other scripts are not numbers here
    };
    for (const Case& c : cases)
        expectDecimal(Decimal::parse(QString::fromUtf8(c.in)), c.out, QString::fromUtf8(c.in));
}

TEST(DecimalTest, ParsesWithGivenSeparators)
{
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"1.234,5", "1234.5"}, {"1.234.567,891", "1234567.891"},
        {"12.5", "125"}, // the point groups thousands here
        {"-0,50", "-0.50"},    {",5", "0.5"},
        {"1,2,3", nullptr},    {"1,2.3", nullptr}, // no thousands mark in the fraction
        {".", nullptr},        {"12.5e2", "12500"},
    };
    for (const Case& c : cases)
        expectDecimal(Decimal::parse(s(c.in), QLatin1Char(','), QLatin1Char('.')), c.out, s(c.in));
}

TEST(DecimalTest, RoundsEachWay)
{
    struct Case {
        const char* in;
        int decimals;
        const char* awayFromZero;
        const char* halfEven;
        const char* towardZero;
    };
    const Case cases[] = {
        {"2.5", 0, "3", "2", "2"},
        {"3.5", 0, "4", "4", "3"},
        {"-2.5", 0, "-3", "-2", "-2"},
        {"-3.5", 0, "-4", "-4", "-3"},
        {"0.125", 2, "0.13", "0.12", "0.12"},
        {"0.135", 2, "0.14", "0.14", "0.13"},
        {"-0.005", 2, "-0.01", "0.00", "0.00"},
        {"2.5000001", 0, "3", "3", "2"},
        {"2.4999999", 0, "2", "2", "2"},
        {"1234.5", 2, "1234.50", "1234.50", "1234.50"},
        {"9.995", 2, "10.00", "10.00", "9.99"},
        {"0.99999999999999999999999999999999999995", 37, "1.0000000000000000000000000000000000000",
         "1.0000000000000000000000000000000000000", "0.9999999999999999999999999999999999999"},
    };
    for (const Case& c : cases) {
        const Decimal d = dec(c.in);
        EXPECT_EQ(d.toString(c.decimals, R::HalfAwayFromZero), s(c.awayFromZero)) << c.in;
        EXPECT_EQ(d.toString(c.decimals, R::HalfEven), s(c.halfEven)) << c.in;
        EXPECT_EQ(d.toString(c.decimals, R::TowardZero), s(c.towardZero)) << c.in;
    }
    EXPECT_THROW(dec(k38Nines).rounded(1), std::overflow_error);
}

TEST(DecimalTest, ComparesByValueNotByScale)
{
    EXPECT_EQ(dec("1.50"), dec("1.5"));
    EXPECT_EQ(dec("0.000"), Decimal());
    EXPECT_EQ(dec("-0.0"), dec("0"));
    EXPECT_LT(dec("-2"), dec("-1.99"));
    EXPECT_LT(dec("1.99"), Decimal(2));
    EXPECT_GT(dec(k38Nines), dec("0.99999999999999999999999999999999999999"));
    EXPECT_LT(-dec(k38Nines), dec("-0.99999999999999999999999999999999999999"));
    EXPECT_NE(dec("0.1"), dec("0.01"));
}

TEST(DecimalTest, Arithmetic)
{
    struct Case {
        const char* a;
        char op;
        const char* b;
        const char* result;
    };
    const Case cases[] = {
        {"1.10", '+', "2.205", "3.305"},
        {"1.10", '-', "2.205", "-1.105"},
        {"-5", '+', "5.00", "0.00"},
        {"12.5", '*', "-0.2", "-2.50"},
        {"0.1", '*', "0.1", "0.01"},
        {"99999999999999999999999999999999999998", '+', "1", k38Nines},
        // Exact results past 38 digits drop decimals, rounding half away.
        {"1234567890123456789.0123456789", '*', "1000000000.5", "1234567890740740734074074073.4061728395"},
        {"0.00000000000000000000000000000000000001", '*', "0.1", "0.00000000000000000000000000000000000000"},
        {"9999999999999999999999999999999999999.5", '+', "0.5", "10000000000000000000000000000000000000"},
    };
    for (const Case& c : cases) {
        const Decimal a = dec(c.a), b = dec(c.b);
        const Decimal r = c.op == '+' ? a + b : c.op == '-' ? a - b : a * b;
        EXPECT_EQ(r.toString(), s(c.result)) << c.a << c.op << c.b;
    }
    Decimal total;
    for (int i = 0; i < 10; ++i)
        total += dec("0.1");
    EXPECT_EQ(total, Decimal(1));
    EXPECT_THROW(dec(k38Nines) + Decimal(1), std::overflow_error);
    EXPECT_THROW(dec("10000000000000000000") * dec("10000000000000000000"), std::overflow_error);
}

TEST(DecimalTest, DividesToGivenPlaces)
{
    struct Case {
        const char* a;
        const char* b;
        int decimals;
        R mode;
        const char* result;
    };
    const Case cases[] = {
        {"10", "3", 2, R::HalfAwayFromZero, "3.33"},
        {"-10", "3", 2, R::HalfAwayFromZero, "-3.33"},
        {"2", "3", 2, R::HalfAwayFromZero, "0.67"},
        {"2", "3", 2, R::TowardZero, "0.66"},
        {"1", "8", 2, R::HalfEven, "0.12"},
        {"1", "8", 2, R::HalfAwayFromZero, "0.13"},
        {"-1", "-8", 2, R::HalfAwayFromZero, "0.13"},
        {"150.00", "0.25", 0, R::HalfEven, "600"},
        {"1", "0.00000000000000000000000000000000003", 2, R::HalfEven,
         "33333333333333333333333333333333333.33"},
        {k38Nines, k38Nines, 37, R::HalfEven, "1.0000000000000000000000000000000000000"},
        {"0", "7", 3, R::HalfEven, "0.000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dec(c.a).dividedBy(dec(c.b), c.decimals, c.mode).toString(), s(c.result))
            << c.a << "/" << c.b;
    EXPECT_THROW(Decimal(1).dividedBy(dec("0.00"), 2), std::domain_error);
    EXPECT_THROW(dec(k38Nines).dividedBy(dec("0.1"), 0), std::overflow_error);
}

TEST(DecimalTest, ConvertsToOtherTypes)
{
    EXPECT_EQ(dec("12.500").normalized().toString(), s("12.5"));
    EXPECT_EQ(dec("0.00").normalized().toString(), s("0"));
    EXPECT_EQ(dec("1200").normalized().toString(), s("1200"));

    EXPECT_EQ(dec("0.5").integerDigits(), 0);
    EXPECT_EQ(dec("-123.45").integerDigits(), 3);
    EXPECT_EQ(dec(k38Nines).integerDigits(), 38);

    EXPECT_EQ(dec("2.5").toLongLong(), 2);
    EXPECT_EQ(dec("-3.5").toLongLong(), -4);
    EXPECT_EQ(dec("2.5").toLongLong(R::HalfAwayFromZero), 3);
    EXPECT_EQ(dec("9223372036854775807").toLongLong(), 9223372036854775807LL);
    EXPECT_THROW(dec("9223372036854775808").toLongLong(), std::overflow_error);

    EXPECT_DOUBLE_EQ(dec("-1234.56").toDouble(), -1234.56);
    EXPECT_EQ(dec("0.1").toDouble(), 0.1);
}

TEST(DecimalTest, QVariantConvertsToPlainText)
{
    platform::ensureDecimalMetaType();
    const QVariant v = QVariant::fromValue(dec("-1234.50"));
    EXPECT_EQ(v.metaType(), QMetaType::fromType<Decimal>());
    EXPECT_TRUE(v.canConvert<QString>());
    EXPECT_EQ(v.toString(), s("-1234.50"));
    EXPECT_DOUBLE_EQ(v.toDouble(), -1234.5);
    EXPECT_EQ(v.value<Decimal>(), dec("-1234.5"));
}

TEST(DecimalTest, FromDoubleTakesFifteenSignificantDigits)
{
    struct Case {
        double in;
        const char* want; // nullptr: no Decimal
    };
    const Case cases[] = {
        {0.1 + 0.2, "0.3"},
        {-1234.5, "-1234.5"},
        {1e15, "1000000000000000"},
        {1234567890123456789.0, "1234567890123460000"},
        {1e-20, "0.00000000000000000001"},
        {1e-50, "0"},
        {0.0, "0"},
        {1e38, nullptr},
        {std::numeric_limits<double>::infinity(), nullptr},
        {std::numeric_limits<double>::quiet_NaN(), nullptr},
    };
    for (const Case& c : cases)
        expectDecimal(Decimal::fromDouble(c.in), c.want, QString::number(c.in));
    EXPECT_EQ(Decimal::fromDouble(0.1f, 7)->toString(), s("0.1"));
}
