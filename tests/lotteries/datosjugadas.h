#pragma once
// Fixtures shared by the special-play suites: a test database with two
// lotteries, two special plays with details and one lottery's parameters,
// the shared session connected to it, and a record set read back as texts.

#include "core/sesion.h"
#include "platform/db/recordset.h"
#include "sessiontest.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace datosjugadas {

// Lotteries 001 and 002; special plays T1 "TRIPLETAZO" (details 01 ARIES,
// 02 TAURO) and Z "ZODIACAL" (detail 01 LEO); 001 has parameters for T1.
inline void siembra(testsupport::TestDatabase& db)
{
    db.exec(QStringLiteral(
        "INSERT INTO loterias (cod_lot, desc_lot) VALUES ('001', 'ZULIA 12M'), ('002', 'CARACAS 4PM');"
        "INSERT INTO jugadas (especial, desc_espec) VALUES ('T1', 'TRIPLETAZO'), ('Z', 'ZODIACAL');"
        "INSERT INTO jugadeta (especial, jugada, desc_jugada) VALUES "
        "  ('T1', '01', 'ARIES'), ('T1', '02', 'TAURO'), ('Z', '01', 'LEO');"
        "INSERT INTO lotespec (cod_lot, especial, minimo_tri, minimo_ter, lim_tri, lim_ter, comi_tri,"
        "  comi_ter, p_tri_1, p_tri_2, p_tri_3, p_ter_1, p_ter_2, p_ter_3) VALUES "
        "  ('001', 'T1', 1, 2, 300, 400, 12.5, 10, 600, 60, 6, 70, 7, 0)"));
}

// Every row of `rs`, the given columns (by position) joined by "|", NULL as
// "NULL"; the cursor is left on the first row.
inline QStringList filas(platform::db::RecordSet rs, const QList<int>& columnas)
{
    QStringList out;
    if (rs.recordCount() == 0)
        return out;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        QStringList celdas;
        for (int c : columnas) {
            const QVariant v = rs.value(c);
            celdas << (v.isNull() ? QStringLiteral("NULL") : v.toString());
        }
        out << celdas.join(QLatin1Char('|'));
    }
    rs.moveFirst();
    return out;
}

// A suite on a fresh seeded database with the shared session connected and
// every message box recorded.
class ConBase : public testsupport::SessionTest {
protected:
    void siembra(testsupport::TestDatabase& db) override { datosjugadas::siembra(db); }
};

} // namespace datosjugadas
