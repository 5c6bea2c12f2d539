#include "core/rutinas.h"
#include "qtprint.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace core;

struct TextCase {
    const char* entrada;
    const char* esperado;
};

class SeparamilesTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(SeparamilesTest, GroupsInThreesFromTheRight)
{
    EXPECT_EQ(separamiles(QString::fromUtf8(GetParam().entrada)), QString::fromUtf8(GetParam().esperado));
}

INSTANTIATE_TEST_SUITE_P(Casos, SeparamilesTest,
                         ::testing::Values(TextCase{"1234567", "1,234,567"}, TextCase{"123456", "123,456"},
                                           TextCase{"123", "123"}, TextCase{"  45  ", "45"}, TextCase{"", ""},
                                           TextCase{"-1234", "-1,234"}, TextCase{"12.5", "1,2.5"}));

TEST(RutinasTest, SeparatorConversionsTouchOnlyTheirCharacter)
{
    EXPECT_EQ(comaapunto(QStringLiteral("1,234,5 a,b")), QStringLiteral("1.234.5 a.b"));
    EXPECT_EQ(puntoacoma(QStringLiteral("12.50 x.y")), QStringLiteral("12,50 x,y"));
    EXPECT_EQ(quitapuntos(QStringLiteral("1.234.567,89")), QStringLiteral("1234567,89"));
}

TEST(RutinasTest, PrimerapalabraIsTheTextBeforeTheFirstBlank)
{
    EXPECT_EQ(primerapalabra(QStringLiteral("00012 - Juan Perez")), QStringLiteral("00012"));
    EXPECT_EQ(primerapalabra(QStringLiteral("solo")), QStringLiteral("solo"));
    EXPECT_EQ(primerapalabra(QStringLiteral(" empieza con blanco")), QString());
    EXPECT_EQ(primerapalabra(QString()), QString());
}

TEST(RutinasTest, CredentialDecoding)
{
    EXPECT_EQ(codigosatexto(QStringLiteral("97/98/99/")), QStringLiteral("abc"));
    EXPECT_EQ(codigosatexto(QStringLiteral("97/98")), QStringLiteral("a"));
    EXPECT_EQ(restaposicion(QStringLiteral("bdf")), QStringLiteral("abc"));
    EXPECT_EQ(decodificacredencial(QStringLiteral("101/119/117/115/127/")), QStringLiteral("duroz"));
}

TEST(RutinasTest, SettingsFileRoundTripAndMissingValues)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("DUROZ.INI"));
    EXPECT_EQ(leeini(ini, QStringLiteral("Comunicaciones"), QStringLiteral("BDONLine")), QString());
    escribeini(ini, QStringLiteral("Comunicaciones"), QStringLiteral("BDONLine"), QStringLiteral("duroz"));
    escribeini(ini, QStringLiteral("Usuario Actual"), QStringLiteral("Usuario"), QStringLiteral("ADM01"));
    EXPECT_EQ(leeini(ini, QStringLiteral("comunicaciones"), QStringLiteral("bdonline")),
              QStringLiteral("duroz"));
    EXPECT_EQ(leeini(ini, QStringLiteral("Usuario Actual"), QStringLiteral("Usuario")),
              QStringLiteral("ADM01"));
    escribeini(ini, QStringLiteral("Usuario Actual"), QStringLiteral("Usuario"),
               QString(300, QLatin1Char('x')));
    EXPECT_EQ(leeini(ini, QStringLiteral("Usuario Actual"), QStringLiteral("Usuario")).size(), 254);
}
