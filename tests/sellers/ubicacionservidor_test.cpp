// DSPGBR, ACTGBR, DSPALD, DSPALcdgob and ACTALD on the real server.

#include "datosvendedores.h"

#include "sellers/ubicacion.h"

#include "core/masteredita.h"

#include "platform/db/dberror.h"

using namespace sellers;
namespace db = platform::db;

namespace {

class UbicacionServidorTest : public datosvendedores::Fixture {
protected:
    QString region(const char* modo, const QString& codigo, const QString& nombre = {},
                   const QString& observaciones = {})
    {
        db::Command c = comandoactgbr(QString::fromLatin1(modo), codigo, nombre, observaciones);
        c.execute();
        return core::respuesta(c);
    }
    QString alcaldia(const char* modo, const QString& codigo, const QString& gobernacion,
                     const QString& nombre = {}, const QString& observaciones = {})
    {
        db::Command c = comandoactald(QString::fromLatin1(modo), codigo, gobernacion, nombre, observaciones);
        c.execute();
        return core::respuesta(c);
    }
    QStringList regiones() { return db().rows(QStringLiteral("SELECT * FROM gobernacion ORDER BY 1")); }
    QStringList alcaldias()
    {
        return db().rows(QStringLiteral("SELECT codigo_alcaldia, codigo_gobernacion, descri_alcaldia,"
                                        " observa_alcaldia FROM alcaldia ORDER BY 2, 1"));
    }
};

QStringList filas(db::RecordSet rs, const QList<int>& columnas)
{
    QStringList salida;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        QStringList fila;
        for (int c : columnas)
            fila << core::textocampo(rs.field(c).value());
        salida << fila.join(QLatin1Char('|'));
    }
    return salida;
}

} // namespace

TEST_F(UbicacionServidorTest, DspgbrListsTheRegionsUnderTheNamesEveryCallerReads)
{
    for (const QString& opcion : {QString(), QStringLiteral("00")}) {
        db::RecordSet rs = listaregiones(opcion);
        EXPECT_EQ(filas(rs, {0, 1, 2}), (QStringList{QStringLiteral("DCA|Distrito Capital|"),
                                                     QStringLiteral("LAR|Lara|Centro occidente"),
                                                     QStringLiteral("ZUL|Zulia|Occidente")}));
        rs.moveFirst();
        EXPECT_EQ(core::textocampo(rs.value(QStringLiteral("codigo_gobernacion"))), QStringLiteral("DCA"));
        EXPECT_EQ(core::textocampo(rs.value(QStringLiteral("Descri_Gobernacion"))),
                  QStringLiteral("Distrito Capital"));
        EXPECT_EQ(core::textocampo(rs.value(QStringLiteral("Descripcion_gobernacion"))),
                  QStringLiteral("Distrito Capital"));
    }
    EXPECT_THROW(core::sesion().conexion.execute(QStringLiteral("DSPGBR '1', ''")), db::DbError);
}

TEST_F(UbicacionServidorTest, ActgbrAddsModifiesAndDeletesARegion)
{
    ASSERT_EQ(
        region("1", QStringLiteral(" ANZOA "), QStringLiteral("Anzoategui  "), QStringLiteral("Oriente ")),
        QStringLiteral("0"));
    EXPECT_TRUE(regiones().contains(QStringLiteral("ANZOA|Anzoategui|Oriente")));
    ASSERT_EQ(region("2", QStringLiteral("ANZOA"), QStringLiteral("  Anzoátegui"), QString()),
              QStringLiteral("0"));
    EXPECT_TRUE(regiones().contains(QStringLiteral("ANZOA|  Anzoátegui|")));
    ASSERT_EQ(region("3", QStringLiteral("ANZOA")), QStringLiteral("0"));
    EXPECT_EQ(regiones().size(), 3);
}

TEST_F(UbicacionServidorTest, ActgbrRefusesWithItsCodesAndChangesNothing)
{
    const QStringList antes = regiones();
    const struct {
        const char* modo;
        const char* codigo;
        const char* nombre;
        const char* respuesta;
    } casos[] = {
        {"1", "ZUL", "Otra", "1"},                            // exists
        {"2", "XYZ", "Otra", "2"},                            // missing
        {"3", "XYZ", "", "2"},      {"1", "  ", "Otra", "3"}, // blank code
        {"1", "NEW", "   ", "3"},                             // blank name
        {"3", "ZUL", "", "5"},                                // municipalities and sellers name it
        {"1", "A\tB", "Otra", "7"},                           // a control character in the code
        {"3", "LAR", "x", "0"},                               // nobody names it: deleted
    };
    for (const auto& c : casos)
        EXPECT_EQ(region(c.modo, QString::fromLatin1(c.codigo), QString::fromLatin1(c.nombre)),
                  QString::fromLatin1(c.respuesta))
            << c.modo << " " << c.codigo;
    QStringList despues = antes;
    despues.removeAt(1); // LAR
    EXPECT_EQ(regiones(), despues);
    EXPECT_THROW(region("4", QStringLiteral("ZUL")), db::DbError);
}

TEST_F(UbicacionServidorTest, ARegionCodeOfFiveCharactersIsStoredWhole)
{
    ASSERT_EQ(region("1", QStringLiteral("ABCDE"), QStringLiteral("Cinco")), QStringLiteral("0"));
    EXPECT_EQ(db().scalar(QStringLiteral(
                  "SELECT codigo_gobernacion FROM gobernacion WHERE descri_gobernacion = 'Cinco'")),
              QStringLiteral("ABCDE"));
}

TEST_F(UbicacionServidorTest, DspaldListsTheMunicipalitiesWithTheirRegion)
{
    EXPECT_EQ(filas(listaalcaldias(), {0, 1, 2, 3, 4}),
              (QStringList{QStringLiteral("LIB|Libertador||DCA|Distrito Capital"),
                           QStringLiteral("MCB|Maracaibo|Capital|ZUL|Zulia"),
                           QStringLiteral("SFR|San Francisco||ZUL|Zulia")}));
}

TEST_F(UbicacionServidorTest, DspalcdgobListsOneRegionsMunicipalitiesAndQuotesTheCode)
{
    const auto lista = [](const QString& region) {
        db::RecordSet rs = alcaldiasderegion(region);
        QStringList salida;
        for (; !rs.eof(); rs.moveNext())
            salida << core::textocampo(rs.value(QStringLiteral("codigo_alcaldia"))) + QLatin1Char('|') +
                          core::textocampo(rs.value(QStringLiteral("Descripcion_Alcaldia")));
        return salida;
    };
    EXPECT_EQ(lista(QStringLiteral("ZUL")),
              (QStringList{QStringLiteral("MCB|Maracaibo"), QStringLiteral("SFR|San Francisco")}));
    EXPECT_EQ(lista(QString()), QStringList());
    EXPECT_EQ(lista(QStringLiteral("NOPE")), QStringList());
    // A typed quote is part of the code, not of the statement.
    EXPECT_EQ(lista(QStringLiteral("ZUL' OR ''='")), QStringList());
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT count(*) FROM alcaldia")), QStringLiteral("3"));
}

TEST_F(UbicacionServidorTest, ActaldAddsModifiesAndDeletesAMunicipality)
{
    ASSERT_EQ(alcaldia("1", QStringLiteral(" IRI "), QStringLiteral("LAR"), QStringLiteral(" Iribarren "),
                       QStringLiteral("Barquisimeto")),
              QStringLiteral("0"));
    EXPECT_TRUE(alcaldias().contains(QStringLiteral("IRI|LAR| Iribarren|Barquisimeto")));
    // The same code in another region is another municipality.
    ASSERT_EQ(alcaldia("1", QStringLiteral("IRI"), QStringLiteral("ZUL"), QStringLiteral("Otra")),
              QStringLiteral("0"));
    ASSERT_EQ(
        alcaldia("2", QStringLiteral("IRI"), QStringLiteral("LAR"), QStringLiteral("Iribarren"), QString()),
        QStringLiteral("0"));
    EXPECT_TRUE(alcaldias().contains(QStringLiteral("IRI|LAR|Iribarren|")));
    ASSERT_EQ(alcaldia("3", QStringLiteral("IRI"), QStringLiteral("LAR")), QStringLiteral("0"));
    EXPECT_FALSE(alcaldias().contains(QStringLiteral("IRI|LAR|Iribarren|")));
    EXPECT_TRUE(alcaldias().contains(QStringLiteral("IRI|ZUL|Otra|")));
}

TEST_F(UbicacionServidorTest, ActaldRefusesWithItsCodesAndChangesNothing)
{
    const QStringList antes = alcaldias();
    const struct {
        const char* modo;
        const char* codigo;
        const char* region;
        const char* nombre;
        const char* respuesta;
    } casos[] = {
        {"1", "MCB", "ZUL", "Otra", "1"},                                 // exists
        {"2", "MCB", "DCA", "Otra", "2"},                                 // not in that region
        {"3", "XYZ", "ZUL", "", "2"},      {"1", "", "ZUL", "Otra", "3"}, // blank code
        {"1", "NEW", "", "Otra", "3"},                                    // blank region
        {"1", "NEW", "ZUL", " ", "3"},                                    // blank name
        {"1", "NEW", "XX", "Otra", "6"},                                  // unknown region
        {"3", "MCB", "ZUL", "", "5"},                                     // a seller lives there
        {"1", "N\tW", "ZUL", "Otra", "7"},                                // a control character in the code
    };
    for (const auto& c : casos)
        EXPECT_EQ(alcaldia(c.modo, QString::fromLatin1(c.codigo), QString::fromLatin1(c.region),
                           QString::fromLatin1(c.nombre)),
                  QString::fromLatin1(c.respuesta))
            << c.modo << " " << c.codigo << " " << c.region;
    EXPECT_EQ(alcaldias(), antes);
}
