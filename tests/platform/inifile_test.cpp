#include "platform/inifile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

using namespace platform;

namespace {

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

class IniFileTest : public ::testing::Test {
protected:
    QString path() const { return dir_.filePath(QStringLiteral("DUROZ.INI")); }

    void writeRaw(const QByteArray& bytes) const
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QByteArray readRaw() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QString read(const char* section, const char* key) const
    {
        return readProfileString(path(), s(section), s(key));
    }

    QTemporaryDir dir_;
};

const QByteArray kLongX(300, 'x');

QByteArray sampleFile(const QByteArray& eol)
{
    const QList<QByteArray> lines = {
        "; settings of the back office",
        "orphan=before any section",
        "[Comunicaciones]",
        "  BDONLine =  duroz  ",
        "DIRIP_1=192.168.0.10",
        "ip_enganche=\"10.0.0.1\"",
        "quoted=' single '",
        "mixed=\"half'",
        "lonequote=\"",
        "empty=",
        "spaced = a = b ",
        ";Usuario=commented out",
        "a line without equals",
        "BDONLine=second occurrence",
        "[ Usuario Actual ]",
        "Usuario=00012",
        "[usuario actual]",
        "Usuario=duplicate section",
        "[Long]",
        "v=" + kLongX,
        "q=\"" + kLongX + "\"",
        "[Latin]",
        "nombre=A\xF1o \x80",
        "\ttab\t=\tvalue\t",
    };
    return lines.join(eol) + eol;
}

} // namespace

TEST_F(IniFileTest, ReadsByTheProfileRules)
{
    struct Case {
        const char* section;
        const char* key;
        QString want;
    };
    const Case cases[] = {
        {"Comunicaciones", "BDONLine", s("duroz")},
        {"COMUNICACIONES", "bdonline", s("duroz")},
        {"Comunicaciones", "DIRIP_1", s("192.168.0.10")},
        {"Comunicaciones", "ip_enganche", s("10.0.0.1")},
        {"Comunicaciones", "quoted", s(" single ")},
        {"Comunicaciones", "mixed", s("\"half'")},
        {"Comunicaciones", "lonequote", s("\"")},
        {"Comunicaciones", "empty", QString()},
        {"Comunicaciones", "spaced", s("a = b")},
        {"Comunicaciones", "Usuario", QString()},
        {"Comunicaciones", ";Usuario", QString()},
        {"Comunicaciones", "a line without equals", QString()},
        {"Comunicaciones", "orphan", QString()},
        {"Usuario Actual", "Usuario", s("00012")},
        {"  usuario actual ", " usuario ", s("00012")},
        {"Long", "v", QString::fromLatin1(kLongX.left(254))},
        {"Long", "q", QString::fromLatin1(kLongX.left(254))},
        {"Latin", "nombre", s("Año €")},
        {"Latin", "tab", s("value")},
        {"Missing", "BDONLine", QString()},
        {"Comunicacione", "BDONLine", QString()},
    };
    for (const QByteArray& eol : {QByteArray("\r\n"), QByteArray("\n")}) {
        writeRaw(sampleFile(eol));
        for (const Case& c : cases)
            EXPECT_EQ(read(c.section, c.key), c.want)
                << c.section << "/" << c.key << (eol.size() == 2 ? " CRLF" : " LF");
    }
}

TEST_F(IniFileTest, MissingFileGivesTheDefault)
{
    EXPECT_EQ(read("Comunicaciones", "BDONLine"), QString());
    EXPECT_EQ(readProfileString(path(), s("A"), s("b"), s("def")), s("def"));
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(IniFileTest, WritesKeepingTheRestOfTheFile)
{
    struct Case {
        const char* name;
        std::optional<QByteArray> before; // nullopt: no file yet
        const char* section;
        const char* key;
        const char* value;
        QByteArray after;
    };
    const Case cases[] = {
        {"creates the file", std::nullopt, "Usuario Actual", "Usuario", "00012",
         "[Usuario Actual]\r\nUsuario=00012\r\n"},
        {"replaces in place", "; c\r\n[A]\r\nx=1\r\n  Y = 2 \r\n[B]\r\ny=3\r\n", "a", "y", "9",
         "; c\r\n[A]\r\nx=1\r\nY=9\r\n[B]\r\ny=3\r\n"},
        {"first of twin keys", "[A]\r\nx=1\r\nx=2\r\n", "A", "x", "5", "[A]\r\nx=5\r\nx=2\r\n"},
        {"appends to its section", "[A]\r\nx=1\r\n\r\n[B]\r\ny=3\r\n", "A", "z", "5",
         "[A]\r\nx=1\r\nz=5\r\n\r\n[B]\r\ny=3\r\n"},
        {"key under an empty section", "[A]\r\n;note\r\n[B]\r\n", "A", "k", "v",
         "[A]\r\nk=v\r\n;note\r\n[B]\r\n"},
        {"new section at the end, CR LF", "[A]\nx=1", "Config_duroz", "PATH_TAQUILLA", "C:\\duroz",
         "[A]\r\nx=1\r\n[Config_duroz]\r\nPATH_TAQUILLA=C:\\duroz\r\n"},
        {"empty value", "[A]\r\nx=1\r\n", "A", "x", "", "[A]\r\nx=\r\n"},
        {"ANSI text", "[A]\r\n", "A", "nombre", "Año €", "[A]\r\nnombre=A\xF1o \x80\r\n"},
    };
    for (const Case& c : cases) {
        QFile::remove(path());
        if (c.before)
            writeRaw(*c.before);
        EXPECT_TRUE(writeProfileString(path(), s(c.section), s(c.key), s(c.value))) << c.name;
        EXPECT_EQ(readRaw(), c.after) << c.name;
        EXPECT_EQ(read(c.section, c.key), s(c.value)) << c.name;
    }
    // Nothing but the settings file is left in the folder.
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("DUROZ.INI")});
}

TEST_F(IniFileTest, RefusesWhatWouldBreakTheFile)
{
    const QByteArray before = "[A]\r\nx=1\r\n";
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {"", "x", "1"},   {"A", "", "1"},   {"  ", "x", "1"},   {"A]", "x", "1"},  {"A", "x=y", "1"},
        {"A", "[x", "1"}, {"A", ";x", "1"}, {"A\nB", "x", "1"}, {"A", "x\r", "1"}, {"A", "x", "1\r\ny=2"},
    };
    for (const Case& c : cases) {
        writeRaw(before);
        EXPECT_FALSE(writeProfileString(path(), s(c.section), s(c.key), s(c.value)))
            << c.section << "/" << c.key;
        EXPECT_EQ(readRaw(), before);
    }
    EXPECT_FALSE(
        writeProfileString(dir_.filePath(QStringLiteral("no/such/dir/X.INI")), s("A"), s("x"), s("1")));
}

TEST_F(IniFileTest, LongValuesAreWrittenWholeAndReadCut)
{
    const QString value = QString::fromLatin1(kLongX);
    ASSERT_TRUE(writeProfileString(path(), s("A"), s("v"), value));
    EXPECT_EQ(readRaw(), "[A]\r\nv=" + kLongX + "\r\n");
    EXPECT_EQ(read("A", "v").size(), MaxProfileValueLength);
    EXPECT_EQ(readProfileString(path(), s("A"), s("none"), value).size(), MaxProfileValueLength);
}
