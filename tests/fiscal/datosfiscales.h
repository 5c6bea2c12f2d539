#pragma once
// The fixture of the tax suites, the worked example of server/README.md
// ("Taxes and the fiscal report"): boards 001 (5 %) and 003 (5.5 %),
// operators 001 and 003, lottery 001 (operator 2.5 %) and 003 (2 %), the
// national rates 2 % on sales and 3 % on prizes; municipality MBO in two
// regions (ZUL 0.9 %, ANZ 1.2 %); seller 00012 of ZUL-MBO sold 1000 of 001
// and 250 of 003 on 5 March 2026, paying 100 of prizes on 003; seller
// 00013 of ANZ-MBO sold 400 of 001; seller 00014, of no municipality and
// of group 00012, sold 10 of 003.

#include "core/sesion.h"
#include "platform/db/command.h"
#include "platform/db/recordset.h"
#include "platform/regional.h"
#include "sessiontest.h"

#include <QStringList>

namespace datosfiscales {

inline const QString Fecha = QStringLiteral("05/03/2026");

// The catalogue and one day of daily results (5 March 2026), as a text that
// a database of an earlier schema takes too.
inline const QString Siembra = QStringLiteral(
    "INSERT INTO parametrosbanca (id, name_duroz, tasa_venta, tasa_premio) VALUES (1, 'BANCA', 2, 3);"
    "INSERT INTO juntas VALUES ('001', 'BENEFICENCIA ZULIA', 5), ('003', 'LOTERIA TACHIRA', 5.5);"
    "INSERT INTO operadoras VALUES ('001', 'SORTEOS DEL LAGO'), ('003', 'OPERADORA ANDES');"
    "INSERT INTO loterias (cod_lot, desc_lot, codigo_junta, codigo_operadora, impuesto, dia_4) VALUES"
    "  ('001', 'ZULIA 12M', '001', '001', 2.5, 'S'), ('003', 'TACHIRA 7PM', '003', '003', 2, 'S');"
    "INSERT INTO gobernacion (codigo_gobernacion, descri_gobernacion) VALUES ('ZUL', 'ZULIA'),"
    "  ('ANZ', 'ANZOATEGUI');"
    "INSERT INTO alcaldia (codigo_alcaldia, codigo_gobernacion, descri_alcaldia, tasa_alcaldia) VALUES"
    "  ('MBO', 'ZUL', 'MARACAIBO', 0.9), ('MBO', 'ANZ', 'MANEIRO BOLIVAR', 1.2);"
    "INSERT INTO vendedor (codvendedor, nombre_vend, codigo_gobernacion, codigo_alcaldia) VALUES"
    "  ('00012', 'AGENCIA CENTRO', 'ZUL', 'MBO'), ('00013', 'AGENCIA ORIENTE', 'ANZ', 'MBO'),"
    "  ('00014', 'TAQUILLA SUELTA', NULL, NULL);"
    "UPDATE vendedor SET perteneceal = '00012' WHERE codvendedor = '00014';"
    "INSERT INTO saldosdias (vendedor, fecha, cod_lot, tipo_jugada, total_venta, comision, premios,"
    "  subtotal) VALUES"
    "  ('00012', '2026-03-05', '001', '1', 1000, 100, 0, 900),"
    "  ('00012', '2026-03-05', '003', '2', 250, 25, 100, 125),"
    "  ('00013', '2026-03-05', '001', '1', 400, 40, 0, 360),"
    "  ('00014', '2026-03-05', '003', '1', 10, 1, 0, 9);");

inline void siembra(testsupport::TestDatabase& db)
{
    db.exec(Siembra);
}

// The monthly roll-up of the processed sums against the sums of its days:
// the rows that differ, either way.
inline const QString MesDistinto = QStringLiteral(
    "WITH d AS (SELECT date_trunc('month', fecha)::date, vendedor, tasas, sum(total_venta), sum(comision),"
    "  sum(premios), sum(subtotal), sum(filas)::integer, count(*)::integer FROM impuestos_sumas GROUP BY 1, "
    "2, 3)"
    " SELECT count(*) FROM ((SELECT * FROM d EXCEPT ALL SELECT * FROM impuestos_sumas_mes)"
    "  UNION ALL (SELECT * FROM impuestos_sumas_mes EXCEPT ALL SELECT * FROM d)) x");

// The processed sums of one day ('YYYY-MM-DD') against a fresh count of its
// daily results with the rates the processing stored (the view's): the
// rows that differ, either way.
inline QString diaDistinto(const QString& dia)
{
    return QStringLiteral(
               "WITH r AS (SELECT vendedor, coalesce(codigo_junta, ''), tasa_junta, "
               "coalesce(codigo_operadora, ''),"
               "  tasa_operadora, coalesce(codigo_alcaldia, ''), coalesce(codigo_gobernacion, ''), "
               "tasa_alcaldia,"
               "  tasa_venta, tasa_premio, sum(total_venta), sum(comision), sum(premios), sum(subtotal),"
               "  count(*)::integer FROM proc.saldosdias_impuestos WHERE fecha = '%1' AND "
               "impuestos_procesados = 'S'"
               "  GROUP BY 1, 2, 3, 4, 5, 6, 7, 8, 9, 10),"
               " k AS (SELECT s.vendedor, t.codigo_junta, t.tasa_junta, t.codigo_operadora, t.tasa_operadora,"
               "  t.codigo_alcaldia, t.codigo_gobernacion, t.tasa_alcaldia, t.tasa_venta, t.tasa_premio,"
               "  s.total_venta, s.comision, s.premios, s.subtotal, s.filas"
               "  FROM impuestos_sumas s JOIN impuestos_tasas t ON t.id = s.tasas WHERE s.fecha = '%1')"
               " SELECT count(*) FROM ((SELECT * FROM r EXCEPT ALL SELECT * FROM k)"
               "  UNION ALL (SELECT * FROM k EXCEPT ALL SELECT * FROM r)) x")
        .arg(dia);
}

// Proceseimpuestos as the processing window calls it.
inline QString procesa(platform::db::Connection& c, const QString& fecha)
{
    using platform::db::DataType;
    using platform::db::Direction;
    platform::db::Command cmd(c, QStringLiteral("Proceseimpuestos"));
    cmd.setCommandTimeout(3600);
    cmd.append(QStringLiteral("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    cmd.append(QStringLiteral("@xfecha"), DataType::VarChar, Direction::Input, 10);
    cmd.setValue(QStringLiteral("@xfecha"), fecha);
    cmd.execute();
    return platform::regional::toText(cmd.value(QStringLiteral("@RETURN_VALUE"))).trimmed();
}

// rpt_res_ven_totales_fiscal as the fiscal report calls it.
inline platform::db::RecordSet fiscal(platform::db::Connection& c, const QString& desde, const QString& hasta,
                                      const QString& v1 = QStringLiteral(" "),
                                      const QString& v2 = QStringLiteral(" "))
{
    using platform::db::DataType;
    using platform::db::Direction;
    platform::db::Command cmd(c, QStringLiteral("rpt_res_ven_totales_fiscal"));
    cmd.setCommandTimeout(900);
    cmd.append(QStringLiteral("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    const QList<std::pair<const char*, QString>> valores = {
        {"@FECHAREPORT1", desde}, {"@FECHAREPORT2", hasta}, {"@VENDEDOR1", v1}, {"@VENDEDOR2", v2}};
    for (const auto& [nombre, valor] : valores) {
        cmd.append(QLatin1String(nombre), DataType::VarChar, Direction::Input, 10);
        cmd.setValue(QLatin1String(nombre), valor);
    }
    return cmd.execute();
}

// The columns of every row, joined by "|", one text per row.
inline QStringList filas(platform::db::RecordSet& rs, const QStringList& columnas)
{
    QStringList out;
    if (rs.recordCount() <= 0)
        return out;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        QStringList valores;
        for (const QString& c : columnas)
            valores << platform::regional::toText(rs.value(c));
        out << valores.join(u'|');
    }
    return out;
}

class Base : public testsupport::SessionTest {
protected:
    void siembra(testsupport::TestDatabase& db) override { datosfiscales::siembra(db); }
};

} // namespace datosfiscales
