#pragma once
// The seller results fixture: two groups, a seller of no group, three
// lotteries and daily results whose totals are known by hand.
//
// Range 01/03/2024 - 02/03/2024 (sales, commission, prizes, net):
//   00002 (group 00001)  170  17  120   33   (001 Triples 100, 001 Trip. Esp. 20, 002 Terminales 50)
//   00003 (group 00001)   30   3    0   27   (011 Digito)
//   00004 (no group)     210  21    0  189   (001 Triples 200, 001 Term. Esp. 10)
//   00006 (group 00005)   40   4   10   26   (002 Triples)
//   all                  450  45  130  275
// By date: 01/03 190 19 60 111; 02/03 260 26 70 164. Outside the range:
// 00002 on 03/03 (1000 of sales); a row of zeros of 00003 on 02/03.
// Chief's commission of group 00001: 00002 5 % on 001 (ven_lot), 2 % of his
// own elsewhere; 00003 10 % of his own: 6 + 1 + 3 = 10.

#include "core/sesion.h"
#include "platform/db/command.h"
#include "platform/decimal.h"
#include "testdb.h"

#include <QDate>
#include <QStringList>
#include <utility>

namespace datosresultados {

inline void siembra(testsupport::TestDatabase& db)
{
    db.exec(QStringLiteral(R"SQL(
INSERT INTO loterias (cod_lot, desc_lot) VALUES
  ('001', 'TRIPLE ZULIA'), ('002', 'TRIPLE CARACAS'), ('011', 'TRIPLE ORIENTE');
INSERT INTO vendedor (codvendedor, nombre_vend, perteneceal, comision_jefe) VALUES
  ('00001', 'JEFE NORTE', NULL, 0), ('00005', 'JEFE SUR', NULL, 0), ('00004', 'PEDRO', NULL, 0);
INSERT INTO vendedor (codvendedor, nombre_vend, perteneceal, comision_jefe) VALUES
  ('00002', 'ANA', '00001', 2), ('00003', 'LUIS', '00001', 10), ('00006', 'ZOE', '00005', 0);
INSERT INTO ven_lot (codvendedor, cod_lot, comision_jefe) VALUES ('00002', '001', 5);
INSERT INTO saldosdias (vendedor, fecha, cod_lot, tipo_jugada, total_venta, comision, premios, subtotal) VALUES
  ('00002', '2024-03-01', '001', '1', 100, 10, 50, 40),
  ('00002', '2024-03-01', '001', '4', 20, 2, 0, 18),
  ('00002', '2024-03-02', '002', '2', 50, 5, 70, -25),
  ('00003', '2024-03-01', '011', '3', 30, 3, 0, 27),
  ('00004', '2024-03-02', '001', '1', 200, 20, 0, 180),
  ('00004', '2024-03-02', '001', '5', 10, 1, 0, 9),
  ('00006', '2024-03-01', '002', '1', 40, 4, 10, 26),
  ('00002', '2024-03-03', '001', '1', 1000, 100, 0, 900),
  ('00003', '2024-03-02', '001', '2', 0, 0, 0, 0);
)SQL"));
}

// One typed call as the window makes it: the two dates, then `entradas`
// (name, value), every one varchar of its size.
struct Entrada {
    const char* nombre;
    int tamano;
    QString valor;
};

inline platform::db::RecordSet llama(const QString& procedimiento, const QList<Entrada>& entradas)
{
    platform::db::Command cmd(core::sesion().conexion, procedimiento);
    cmd.setCommandTimeout(900);
    cmd.append(QStringLiteral("@RETURN_VALUE"), platform::db::DataType::Integer,
               platform::db::Direction::ReturnValue);
    for (const Entrada& e : entradas)
        cmd.append(QString::fromLatin1(e.nombre), platform::db::DataType::VarChar,
                   platform::db::Direction::Input, e.tamano, e.valor);
    return cmd.execute();
}

// A value as text: amounts with two decimals ("-25.00"), dates
// "dd/mm/yyyy".
inline QString texto(const QVariant& v)
{
    if (v.metaType() == QMetaType::fromType<platform::Decimal>())
        return v.value<platform::Decimal>().toString(2);
    if (v.metaType() == QMetaType::fromType<QDate>())
        return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    return v.toString();
}

// The rows of a result, the columns named by position joined by "|".
inline QStringList filas(platform::db::RecordSet rs, const QList<int>& columnas)
{
    QStringList salida;
    if (rs.recordCount() < 1)
        return salida;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        QStringList celdas;
        for (int c : columnas)
            celdas << texto(rs.value(c));
        salida << celdas.join(QLatin1Char('|'));
    }
    return salida;
}

} // namespace datosresultados
