#include "platform/vbtext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

using namespace platform;

namespace {
QString u(const char* text)
{
    return QString::fromUtf8(text);
}
} // namespace

TEST(VbTextTest, TrimsBlanksOnly)
{
    struct Case {
        const char* in;
        const char* trim;
        const char* ltrim;
        const char* rtrim;
    };
    const Case cases[] = {
        {"  ab c  ", "ab c", "ab c  ", "  ab c"},
        {"", "", "", ""},
        {"    ", "", "", ""},
        {"\tab\n", "\tab\n", "\tab\n", "\tab\n"},
        {" \t x \r ", "\t x \r", "\t x \r ", " \t x \r"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(vb::trim(u(c.in)), u(c.trim)) << c.in;
        EXPECT_EQ(vb::ltrim(u(c.in)), u(c.ltrim)) << c.in;
        EXPECT_EQ(vb::rtrim(u(c.in)), u(c.rtrim)) << c.in;
    }
}

TEST(VbTextTest, SlicesWithOneBasedClampedPositions)
{
    const QString t = u("ABCDE");
    struct Case {
        QString got;
        const char* want;
    };
    const Case cases[] = {
        {vb::left(t, 3), "ABC"},
        {vb::left(t, 0), ""},
        {vb::left(t, -2), ""},
        {vb::left(t, 99), "ABCDE"},
        {vb::right(t, 2), "DE"},
        {vb::right(t, -1), ""},
        {vb::right(t, 99), "ABCDE"},
        {vb::mid(t, 2, 3), "BCD"},
        {vb::mid(t, 2), "BCDE"},
        {vb::mid(t, 1, 0), ""},
        {vb::mid(t, 5, 9), "E"},
        {vb::mid(t, 6), ""},
        {vb::mid(t, 99, 2), ""},
        {vb::mid(t, 0, 2), "AB"},
        {vb::mid(t, -3), "ABCDE"},
        {vb::mid(QString(), 1, 1), ""},
        {vb::space(3), "   "},
        {vb::space(-1), ""},
        {vb::string(4, QLatin1Char('0')), "0000"},
        {vb::string(0, QLatin1Char('0')), ""},
        {vb::ucase(u("año ñ")), "AÑO Ñ"},
        {vb::lcase(u("AÑO")), "año"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.got, u(c.want)) << c.want;
    EXPECT_EQ(vb::len(u("año")), 3);
}

TEST(VbTextTest, FindsOneBasedPositions)
{
    const QString t = u("ab-ab");
    EXPECT_EQ(vb::instr(t, u("ab")), 1);
    EXPECT_EQ(vb::instr(t, u("ab"), 2), 4);
    EXPECT_EQ(vb::instr(t, u("AB")), 0); // exact comparison
    EXPECT_EQ(vb::instr(t, u("x")), 0);
    EXPECT_EQ(vb::instr(t, u("ab"), 99), 0);
    EXPECT_EQ(vb::instr(t, u("ab"), 0), 1);
    EXPECT_EQ(vb::instr(t, QString()), 1);
    EXPECT_EQ(vb::instr(t, QString(), 3), 3);
    EXPECT_EQ(vb::instr(t, QString(), 6), 6);
    EXPECT_EQ(vb::instr(t, QString(), 7), 0);
    EXPECT_EQ(vb::instr(QString(), u("a")), 0);
}

TEST(VbTextTest, ValReadsTheLeadingNumberWithAPoint)
{
    struct Case {
        const char* in;
        double want;
    };
    const Case cases[] = {
        {"16", 16},         {"12.5", 12.5}, {"12,5", 12},     {"", 0},    {"abc", 0},  {"  1 2 3", 123},
        {"\t-4.5kg", -4.5}, {"- 7", -7},    {"+8", 8},        {"+-8", 0}, {".5", 0.5}, {"5.", 5},
        {"1.2.3", 1.2},     {"1e3", 1000},  {"2.5D-1", 0.25}, {"1e", 1},  {"1e+", 1},  {"3-4", 3},
        {"0042", 42},       {"\r5", 0}, // a carriage return is not skipped
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(vb::val(u(c.in)), c.want) << c.in;
}

TEST(VbTextTest, RoundsHalvesToEven)
{
    struct Case {
        double in;
        int decimals;
        double want;
    };
    const Case cases[] = {
        {0.5, 0, 0}, {1.5, 0, 2},      {2.5, 0, 2},      {-2.5, 0, -2}, {-3.5, 0, -4}, {2.4, 0, 2},
        {2.6, 0, 3}, {0.125, 2, 0.12}, {0.375, 2, 0.38}, {12.0, 2, 12}, {7.5, -1, 8},  {1e300, 2, 1e300},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(vb::round(c.in, c.decimals), c.want) << c.in << " " << c.decimals;

    EXPECT_EQ(vb::clng(2.5), 2);
    EXPECT_EQ(vb::clng(3.5), 4);
    EXPECT_EQ(vb::clng(-0.5), 0);
    EXPECT_EQ(vb::clng(49.7), 50);
    EXPECT_THROW(vb::clng(1e19), std::overflow_error);
    EXPECT_THROW(vb::clng(std::numeric_limits<double>::quiet_NaN()), std::overflow_error);
}

TEST(VbTextTest, AnsiCodePageRoundTrips)
{
    const QString text = u("Año € “x” Ÿ");
    const QByteArray bytes = vb::toAnsi(text);
    EXPECT_EQ(bytes, QByteArray("A\xF1o \x80 \x93x\x94 \x9F"));
    EXPECT_EQ(vb::fromAnsi(bytes), text);
    EXPECT_EQ(vb::toAnsi(u("日")), QByteArray("?"));
    EXPECT_EQ(vb::chr(65), QLatin1Char('A'));
    EXPECT_EQ(vb::chr(0xE9), QChar(0xE9));
    EXPECT_EQ(vb::chr(0x80), QChar(0x20AC));
    EXPECT_EQ(vb::chr(0x81), QChar(0x81));
    EXPECT_EQ(vb::chr(256), QLatin1Char('?'));
    EXPECT_EQ(vb::chr(-1), QLatin1Char('?'));
    EXPECT_EQ(vb::asc(QChar(0x20AC)), 0x80);
    EXPECT_EQ(vb::asc(QChar(0x0080)), int('?'));
    for (int code = 0; code < 256; ++code)
        EXPECT_EQ(vb::asc(vb::chr(code)), code) << code;
}
