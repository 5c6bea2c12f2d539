// The server procedures of a seller's sale parameters, on the real server:
// the grids' lists, the existence checks, the read and store of one row with
// their return codes, the whole-column update and the bulk adjustment with
// their whitelisted columns; every refusal leaves the tables as they were.

#include "datosparametros.h"

#include "core/masteredita.h"
#include "platform/db/calltext.h"
#include "platform/db/command.h"
#include "platform/db/dberror.h"

using namespace Qt::StringLiterals;
namespace db = platform::db;

namespace {

class ParametrosServidorTest : public datosparametros::Fixture {
protected:
    db::RecordSet texto(const QString& procedimiento, const QStringList& argumentos)
    {
        return conexion().execute(db::callText(procedimiento, argumentos));
    }
    static QStringList columnas(const db::RecordSet& rs)
    {
        QStringList nombres;
        for (int i = 0; i < rs.fieldCount(); ++i)
            nombres << rs.field(i).name().toLower();
        return nombres;
    }
    // ACTVENDLOTE in a write mode, every value `valor` but the switches.
    QString actvendlote(const QString& vendedor, const QString& loteria, const QString& modo,
                        const QString& valor = u"1"_s, const QString& pago = u"2"_s)
    {
        QStringList args{vendedor, loteria};
        for (int i = 0; i < 22; ++i)
            args << valor;
        args << u"S"_s << valor << u"2,5"_s << pago << modo << u"12,5"_s;
        db::Command c = core::comandoact(u"ACTVENDLOTE"_s);
        for (int i = 0; i < args.size(); ++i)
            c.append(u"@p%1"_s.arg(i), db::DataType::VarChar, db::Direction::Input, 0, args[i]);
        c.execute();
        return core::respuesta(c);
    }
    QString actvendjuges(const QString& vendedor, const QString& loteria, const QString& especial,
                         const QString& modo, const QString& jefe, const QString& valor = u"3.5"_s)
    {
        QStringList args{vendedor, loteria, especial};
        for (int i = 0; i < 12; ++i)
            args << valor;
        args << u"1"_s << jefe << modo;
        db::Command c = core::comandoact(u"ACTVENDJUGES"_s);
        for (int i = 0; i < args.size(); ++i)
            c.append(u"@p%1"_s.arg(i), db::DataType::VarChar, db::Direction::Input, 0, args[i]);
        c.execute();
        return core::respuesta(c);
    }
    QString ajuste(const QString& vendedores, const QString& loterias, const QString& campos,
                   const QString& valores, const QString& especial = {})
    {
        const bool esp = !especial.isNull();
        db::Command c = core::comandoact(esp ? u"ajustaparametrose"_s : u"ajustaparametrosn"_s);
        const auto arg = [&c](const QString& n, const QString& v) {
            c.append(n, db::DataType::VarChar, db::Direction::Input, 0, v);
        };
        arg(u"@vendedores"_s, vendedores);
        arg(u"@loterias"_s, loterias);
        arg(u"@cadenaajuste"_s, u"no se ejecuta"_s);
        if (esp)
            arg(u"@especial"_s, especial);
        arg(u"@campos"_s, campos);
        arg(u"@valores"_s, valores);
        c.execute();
        return core::respuesta(c);
    }
};

} // namespace

TEST_F(ParametrosServidorTest, TheListsGiveTheColumnsTheGridsReadByPosition)
{
    const db::RecordSet lote = texto(u"dspvenlot"_s, {u" 00002 "_s});
    EXPECT_EQ(columnas(lote),
              (QStringList{u"cod_lot"_s, u"desc_lot"_s, u"lim_tri"_s, u"lim_ter"_s, u"lim_digito"_s,
                           u"comi_tri"_s, u"comi_ter"_s, u"comi_digito"_s, u"p_tri_1"_s, u"p_ter_1"_s,
                           u"p_ter_2"_s, u"premio_digito"_s, u"comision_jefe"_s}));
    EXPECT_EQ(lote.recordCount(), 3);
    EXPECT_EQ(lote.field(0).value().toString(), u"001"_s);
    EXPECT_EQ(lote.field(1).value().toString(), u"ZULIA 12M"_s);

    const db::RecordSet espec = texto(u"dspvendespec"_s, {u"00002"_s, u"T1"_s});
    EXPECT_EQ(columnas(espec),
              (QStringList{u"cod_lot"_s, u"desc_lot"_s, u"lim_tri"_s, u"lim_ter"_s, u"comi_tri"_s,
                           u"comi_ter"_s, u"p_tri_1"_s, u"p_ter_1"_s, u"p_ter_2"_s, u"comision_jefe"_s}));
    EXPECT_EQ(espec.recordCount(), 1);
    EXPECT_EQ(texto(u"dspvenlot"_s, {u"99999"_s}).recordCount(), 0);
    EXPECT_EQ(texto(u"dspvendespec"_s, {u"00002"_s, u""_s}).recordCount(), 0);

    EXPECT_EQ(texto(u"busVENDLOTE"_s, {u"00002 "_s, u"002"_s}).recordCount(), 1);
    EXPECT_EQ(texto(u"busVENDLOTE"_s, {u"00002"_s, u"009"_s}).recordCount(), 0);
    EXPECT_EQ(texto(u"busVENDLOTEspe"_s, {u"00002"_s, u"001"_s, u"Z"_s}).recordCount(), 1);
    EXPECT_EQ(texto(u"busVENDLOTEspe"_s, {u"00002"_s, u"002"_s, u"Z"_s}).recordCount(), 0);
}

TEST_F(ParametrosServidorTest, ModeThreeAnswersTheStoredRowAndIgnoresTheValues)
{
    const QString lectura =
        u"ACTVENDLOTE '00002' , '001', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "
        "0, 0, 0, 0, ' ', 0, 0, '0', '3',0"_s;
    const QStringList antes = tabla(u"ven_lot"_s);
    db::RecordSet fila = conexion().execute(lectura);
    ASSERT_EQ(fila.recordCount(), 1);
    EXPECT_EQ(fila.field(u"P_Tri_3"_s).value().toString(), u"6.000"_s);
    EXPECT_EQ(fila.field(u"p_tri_1"_s).value().toString(), u"12.500"_s);
    EXPECT_EQ(fila.field(u"comision_jefe"_s).value().toString(), u"2.50"_s);
    EXPECT_EQ(tabla(u"ven_lot"_s), antes);
    EXPECT_EQ(conexion().execute(QString(lectura).replace(u"'001'"_s, u"'009'"_s)).recordCount(), 0);

    const db::RecordSet espec = conexion().execute(u"ACTVENDJUGES '00002', '001' , 'T1','0' , '0', '0', '0', "
                                                   u"'0', '0', '0', '0', '0', '0', '0', '0', '1', "
                                                   "'0' , '3'"_s);
    ASSERT_EQ(espec.recordCount(), 1);
    EXPECT_EQ(espec.field(u"comision_jefe"_s).value().toString(), u"2.50"_s);
}

TEST_F(ParametrosServidorTest, TheStoreAnswersItsReturnCodesAndChangesOnlyWhatItDid)
{
    struct Caso {
        const char* nombre;
        QString vendedor, loteria, modo, valor;
        QString esperado;
    };
    const QList<Caso> casos{
        {"add over an existing row", u"00002"_s, u"001"_s, u"1"_s, u"1"_s, u"1"_s},
        {"blank seller", u" "_s, u"001"_s, u"2"_s, u"1"_s, u"3"_s},
        {"unknown lottery", u"00002"_s, u"009"_s, u"1"_s, u"1"_s, u"6"_s},
        {"not a number", u"00002"_s, u"001"_s, u"2"_s, u"1.2.3"_s, u"7"_s},
        {"too many whole digits", u"00002"_s, u"001"_s, u"2"_s, u"1234567"_s, u"7"_s},
    };
    const QStringList antes = tabla(u"ven_lot"_s);
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        EXPECT_EQ(actvendlote(c.vendedor, c.loteria, c.modo, c.valor), c.esperado);
        EXPECT_EQ(tabla(u"ven_lot"_s), antes);
    }
    EXPECT_EQ(actvendlote(u"00002"_s, u"001"_s, u"2"_s, u"1"_s, u"9"_s), u"7"_s) << "payment mode 9";

    db_->exec(u"DELETE FROM ven_lot WHERE codvendedor = '00003' AND cod_lot = '002'"_s);
    EXPECT_EQ(actvendlote(u"00003"_s, u"002"_s, u"2"_s), u"2"_s) << "modify of a missing row";
    EXPECT_EQ(actvendlote(u"00003"_s, u"002"_s, u"1"_s, u"4,5"_s), u"0"_s);
    EXPECT_EQ(
        fila(u"ven_lot"_s, u"codvendedor = '00003' AND cod_lot = '002'"_s),
        QStringList{u"4.500|4.500|4.500|4.500|4.500|4.500|4.500|4.500|4.500|4.500|4.500|4.500|4.500|4.500|"
                    "4.500|4.500|4.500|4.500|4.500|4.500|4.500|4.500|S|4.500|2.50|2|12.50"_s});
    EXPECT_EQ(actvendlote(u"00003"_s, u"002"_s, u"2"_s, u"7.25"_s, u"3"_s), u"0"_s);
    EXPECT_EQ(
        db_->rows(
            u"SELECT lim_tri, tipode_pago FROM ven_lot WHERE codvendedor = '00003' AND cod_lot = '002'"_s),
        QStringList{u"7.250|3"_s});
    EXPECT_THROW(actvendlote(u"00002"_s, u"001"_s, u"4"_s), db::DbError) << "unknown mode";
}

TEST_F(ParametrosServidorTest, ASpecialPlayRowKeepsAnEmptyChiefCommissionAsTheSellersOwn)
{
    const QStringList antes = tabla(u"vendespec"_s);
    EXPECT_EQ(actvendjuges(u"00002"_s, u"001"_s, u"T1"_s, u"1"_s, u"1"_s), u"1"_s);
    EXPECT_EQ(actvendjuges(u"00002"_s, u"001"_s, u"Q"_s, u"1"_s, u"1"_s), u"6"_s);
    EXPECT_EQ(actvendjuges(u"00002"_s, u"001"_s, u"T1"_s, u"2"_s, u"x"_s), u"7"_s);
    EXPECT_EQ(tabla(u"vendespec"_s), antes);

    EXPECT_EQ(actvendjuges(u"00002"_s, u"001"_s, u"T1"_s, u"2"_s, u""_s), u"0"_s);
    EXPECT_EQ(
        fila(u"vendespec"_s, u"codvendedor = '00002' AND cod_lot = '001' AND especial = 'T1'"_s),
        QStringList{u"3.500|3.500|3.500|3.500|3.500|3.500|3.500|3.500|3.500|3.500|3.500|3.500|1|NULL"_s});
    EXPECT_EQ(actvendjuges(u"00002"_s, u"001"_s, u"T1"_s, u"2"_s, u"1,5"_s), u"0"_s);
    EXPECT_EQ(
        db_->rows(u"SELECT comision_jefe FROM vendespec WHERE codvendedor = '00002' AND especial = 'T1'"_s),
        QStringList{u"1.50"_s});
}

TEST_F(ParametrosServidorTest, TheColumnUpdateSetsOneWhitelistedColumnOfOneSellerOnly)
{
    texto(u"actvenlotcol"_s, {u"00002"_s, u"Comi_tri"_s, u"7.5"_s, u"ven_lot"_s});
    EXPECT_EQ(
        db_->rows(u"SELECT codvendedor, cod_lot, comi_tri FROM ven_lot WHERE comi_tri = 7.5 ORDER BY 1, 2"_s),
        (QStringList{u"00002|001|7.500"_s, u"00002|002|7.500"_s, u"00002|003|7.500"_s}));
    texto(u"actvenlotcol"_s, {u"00002"_s, u"comision_jefe"_s, u"4"_s, u"vendespec"_s, u"Z"_s});
    EXPECT_EQ(
        db_->rows(u"SELECT especial, comision_jefe FROM vendespec WHERE codvendedor = '00002' ORDER BY 1"_s),
        (QStringList{u"T1|2.50"_s, u"Z|4.00"_s}));

    struct Caso {
        const char* nombre;
        QStringList argumentos;
    };
    const QList<Caso> rechazos{
        {"a key column", {u"00002"_s, u"codvendedor"_s, u"1"_s, u"ven_lot"_s}},
        {"SQL in the column", {u"00002"_s, u"lim_tri = 0; DELETE FROM ven_lot; --"_s, u"1"_s, u"ven_lot"_s}},
        {"a column of the other store", {u"00002"_s, u"lim_digito"_s, u"1"_s, u"vendespec"_s, u"T1"_s}},
        {"an empty column", {u"00002"_s, u""_s, u"1"_s, u"ven_lot"_s}},
        {"a value with quotes", {u"00002"_s, u"lim_tri"_s, u"1'; DELETE FROM ven_lot; --"_s, u"ven_lot"_s}},
        {"an unknown store", {u"00002"_s, u"lim_tri"_s, u"1"_s, u"vendedor"_s}},
        {"no special play", {u"00002"_s, u"lim_tri"_s, u"1"_s, u"vendespec"_s}},
    };
    const QStringList lote = tabla(u"ven_lot"_s);
    const QStringList espec = tabla(u"vendespec"_s);
    for (const Caso& c : rechazos) {
        SCOPED_TRACE(c.nombre);
        EXPECT_THROW(texto(u"actvenlotcol"_s, c.argumentos), db::DbError);
        EXPECT_EQ(tabla(u"ven_lot"_s), lote);
        EXPECT_EQ(tabla(u"vendespec"_s), espec);
    }
}

TEST_F(ParametrosServidorTest, TheBulkAdjustmentRefusesWhatIsNotAColumnOrAValueAndChangesNothing)
{
    struct Caso {
        const char* nombre;
        QString vendedores, loterias, campos, valores;
    };
    const QList<Caso> rechazos{
        {"a key column", u"00001"_s, u"002"_s, u"codvendedor"_s, u"'1'"_s},
        {"SQL as a column", u"00001"_s, u"002"_s, u"lim_tri = 0 --"_s, u"'1'"_s},
        {"a quote in a value", u"00001"_s, u"002"_s, u"lim_tri, lim_ter"_s, u"'1'', '2'"_s},
        {"more values than columns", u"00001"_s, u"002"_s, u"lim_tri"_s, u"'1', '2'"_s},
        {"a repeated column", u"00001"_s, u"002"_s, u"lim_tri, LIM_TRI"_s, u"'1', '2'"_s},
        {"not a number", u"00001"_s, u"002"_s, u"lim_tri, lim_ter"_s, u"'1', 'x'"_s},
        {"a cut seller code", u"0000100"_s, u"002"_s, u"lim_tri"_s, u"'1'"_s},
        {"no lottery", u"00001"_s, u""_s, u"lim_tri"_s, u"'1'"_s},
    };
    const QStringList antes = tabla(u"ven_lot"_s);
    for (const Caso& c : rechazos) {
        SCOPED_TRACE(c.nombre);
        EXPECT_THROW(ajuste(c.vendedores, c.loterias, c.campos, c.valores), db::DbError);
        EXPECT_EQ(tabla(u"ven_lot"_s), antes);
    }
    EXPECT_THROW(ajuste(u"00001"_s, u"001"_s, u"impuesto"_s, u"'1'"_s, u"T1"_s), db::DbError)
        << "vendespec has no tax";
    EXPECT_THROW(ajuste(u"00001"_s, u"001"_s, u"lim_tri"_s, u"'1'"_s, u"Q"_s), db::DbError)
        << "no such special play";
}

TEST_F(ParametrosServidorTest, TheBulkAdjustmentReachesEverySellerOfALongSelection)
{
    // 1,100 sellers: 5,500 characters of codes, more than the 5,000 the
    // window once declared.
    db_->exec(
        u"INSERT INTO vendedor (codvendedor, nombre_vend, codigo_alcaldia, codigo_gobernacion)"
        "  SELECT lpad(n::text, 5, '0'), 'V' || n, 'LIB', 'DCA' FROM generate_series(10, 1109) n;"
        "SELECT proc.parametrosvendedor_crea(lpad(n::text, 5, '0')) FROM generate_series(10, 1109) n"_s);
    QString vendedores;
    for (int n = 10; n <= 1109; ++n)
        vendedores += u"%1"_s.arg(n, 5, 10, QLatin1Char('0'));
    ASSERT_EQ(vendedores.size(), 5500);
    // The amounts keep their three decimals; the comma is a decimal mark too.
    EXPECT_EQ(ajuste(vendedores, u"002003"_s, u"lim_tri, tipode_pago"_s, u"'250.505', '3'"_s), u"0"_s);
    EXPECT_EQ(db_->rows(u"SELECT count(*) FROM ven_lot WHERE lim_tri = 250.505 AND tipode_pago = '3'"_s),
              QStringList{u"2200"_s});
    EXPECT_EQ(db_->rows(u"SELECT count(*) FROM ven_lot WHERE lim_tri = 250.505 AND (cod_lot = '001'"
                        " OR codvendedor < '00010')"_s),
              QStringList{u"0"_s});

    EXPECT_EQ(ajuste(u"0000100002"_s, u"001"_s, u"lim_ter, comision_jefe"_s, u"'9,125', '1,5'"_s, u"Z"_s),
              u"0"_s);
    EXPECT_EQ(db_->rows(u"SELECT codvendedor, especial, lim_ter, comision_jefe FROM vendespec"
                        " WHERE codvendedor IN ('00001', '00002') ORDER BY 1, 2"_s),
              (QStringList{u"00001|T1|0.000|NULL"_s, u"00001|Z|9.125|1.50"_s, u"00002|T1|1000.000|2.50"_s,
                           u"00002|Z|9.125|1.50"_s}));
}
