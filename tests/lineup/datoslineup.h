#pragma once
// Fixtures shared by the line-up suites: lottery 001, sellers 00001 to
// 00003, the server clock pinned to 10/03/2026, and the worked example of
// server/README.md ("The line-up") for seller 00001: daily results of
// 08/03 to 10/03, payments, a loan of 1000 with its daily instalment of 50
// assigned, an instalment collected on 09/03, an instalment paid and one
// collected on 10/03. Seller 00002 has one daily result only; 00003 has
// nothing.

#include "core/actmem.h"
#include "platform/db/calltext.h"
#include "platform/db/command.h"
#include "platform/db/recordset.h"
#include "platform/db/values.h"
#include "sessiontest.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace datoslineup {

inline const QString Hoy = QStringLiteral("10/03/2026");
inline const QDate HoyFecha(2026, 3, 10);

inline void siembra(testsupport::TestDatabase& db)
{
    db.exec(QStringLiteral(
        "INSERT INTO loterias (cod_lot, desc_lot) VALUES ('001', 'ZULIA 12M');"
        "INSERT INTO cuentas (codigo_cuenta, banco_cuenta, nro_cuenta) VALUES ('001', 'CAJA', '0');"
        "INSERT INTO vendedor (codvendedor, nombre_vend) VALUES ('00001', 'AGENCIA UNO'),"
        "  ('00002', 'AGENCIA DOS CON NOMBRE DE CINCUENTA CARACTERES: 50'),"
        "  ('00003', 'AGENCIA TRES');"
        "INSERT INTO saldosdias (vendedor, fecha, cod_lot, tipo_jugada, total_venta, comision, premios, "
        "subtotal)"
        " VALUES ('00001', '2026-03-08', '001', '1', 1000, 100, 400, 500),"
        "        ('00001', '2026-03-09', '001', '1', 500, 50, 150, 300),"
        "        ('00001', '2026-03-10', '001', '1', 400, 0, 0, 400),"
        "        ('00002', '2026-03-05', '001', '2', 100.5, 10.25, 0, 90.25);"
        "INSERT INTO movimientos (nromov, descri_mov, monto_mov, fecha_mov, codvendedor) VALUES"
        "  ('A1', '0.- Pago Vendedor a Duroz', 200, '2026-03-08', '00001'),"
        "  ('P1', '2.- Prestamo', 1000, '2026-03-08', '00001'),"
        "  ('Q1', '4.- Couta diaria Presamo', 50, '2026-03-08', '00001'),"
        "  ('A2', '1.- Pago Duroz a Vendedor', 50, '2026-03-09', '00001'),"
        "  ('C1', '5.- Pago Cuota Diaria', 50, '2026-03-09', '00001'),"
        "  ('A3', '0.- Pago Vendedor a Duroz', 600, '2026-03-10', '00001'),"
        "  ('A4', '3.- Pago Couta Prestamo', 100, '2026-03-10', '00001'),"
        "  ('C2', '5.- Pago Cuota Diaria', 50, '2026-03-10', '00001');"
        "INSERT INTO prestamos (nroprestamo, codvendedor, fecha_prestamo, monto_prestamo, cuota_diaria)"
        " VALUES ('P1', '00001', '2026-03-08', 1000, 50);"
        "INSERT INTO cuotasdiarias (nroprestamo, fecha, monto, nromov) VALUES ('P1', '2026-03-09', 50, 'C1'),"
        "  ('P1', '2026-03-10', 50, 'C2');"));
    db.setServerClock(QStringLiteral("2026-03-10 12:00:00"));
}

// A row as text: the ten columns joined by "|", amounts with 2 decimals.
inline QString fila(const platform::db::RecordSet& rs)
{
    QStringList partes;
    for (int i = 0; i < rs.fieldCount(); ++i) {
        const QVariant valor = rs.value(i);
        if (valor.isNull() || valor.typeId() == QMetaType::QString)
            partes << valor.toString().trimmed();
        else
            partes << platform::db::toDecimal(valor).value_or(platform::Decimal(-999999)).toString(2);
    }
    return partes.join(u'|');
}

inline QStringList filas(platform::db::RecordSet rs)
{
    QStringList todas;
    if (rs.recordCount() == 0)
        return todas;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        todas << fila(rs);
    return todas;
}

// The line-up of a date as the line-up window asks for it.
inline platform::db::RecordSet dsplup22(platform::db::Connection& conexion, const QString& fecha)
{
    return conexion.execute(platform::db::callText(QStringLiteral("DspLup22"), {fecha}));
}

} // namespace datoslineup
