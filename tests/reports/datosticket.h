#pragma once
// Fixture tickets for the ticket look-up tests: two sellers with a sale
// point each, three lotteries, one special play with three details, and a
// helper that sells a ticket on 05/03/2024 at 10:15:30.

#include "testdb.h"

#include <QList>
#include <QString>

namespace testsupport {

inline const char* const CatalogoTickets =
    "INSERT INTO loterias (cod_lot, desc_lot) VALUES ('001', 'ZULIA'), ('002', 'TACHIRA'),"
    "  ('003', 'ORIENTAL');"
    "INSERT INTO jugadas (especial, desc_espec) VALUES ('ZO', 'ZODIACAL');"
    "INSERT INTO jugadeta (especial, jugada, desc_jugada) VALUES ('ZO', '01', 'ARIES'),"
    "  ('ZO', '02', 'TAURO'), ('ZO', '03', 'GEMINIS');"
    "INSERT INTO vendedor (codvendedor, nombre_vend) VALUES ('00001', 'CENTRO UNO'),"
    "  ('00002', 'CENTRO DOS');"
    "INSERT INTO usuarios (codvendedor, usuario, nombre_usua) VALUES"
    "  ('00001', 'U01', 'Taquilla 1'), ('00002', 'U02', 'Taquilla 2');";

// A play: lottery, type ("1" normal, "2" special of 'ZO'), number, amount
// (an empty text for NULL) and, for special plays, the detail.
struct JugadaPrueba {
    const char* loteria;
    const char* tipo;
    const char* numero;
    const char* monto;
    const char* jugada = "";
};

// Sells ticket `numero` of `vendedor` through its sale point `usuario`.
inline void vendeTicket(TestDatabase& db, const QString& vendedor, const QString& numero,
                        const QString& estado, const QList<JugadaPrueba>& jugadas,
                        const QString& usuario = QStringLiteral("U01"))
{
    const auto texto = [](const char* t) {
        return *t ? QStringLiteral("'%1'").arg(QString::fromUtf8(t)) : QStringLiteral("NULL");
    };
    db.exec(QStringLiteral("INSERT INTO tickets (codvendedor, nroticket, serial, usuario, fechaticket,"
                           " horaticket, montoticket, estadoticket, anulado) VALUES"
                           " ('%1', '%2', 'S-%2', '%3', '2024-03-05', '10:15:30', 0, '%4', '%5')")
                .arg(vendedor, numero, usuario, estado,
                     estado == QLatin1String("ELI") ? QStringLiteral("S") : QStringLiteral("N")));
    int linea = 0;
    for (const JugadaPrueba& j : jugadas) {
        const bool especial = QLatin1String(j.tipo) == QLatin1String("2");
        db.exec(QStringLiteral("INSERT INTO jugadasticket (codvendedor, nroticket, linea, fechaticket,"
                               " cod_lot, tipo_jugada, numero, monto, especial, jugada) VALUES"
                               " ('%1', '%2', %3, '2024-03-05', '%4', '%5', '%6', %7, %8, %9)")
                    .arg(vendedor, numero)
                    .arg(++linea)
                    .arg(QString::fromUtf8(j.loteria), QString::fromUtf8(j.tipo), QString::fromUtf8(j.numero),
                         *j.monto ? QString::fromUtf8(j.monto) : QStringLiteral("NULL"),
                         especial ? QStringLiteral("'ZO'") : QStringLiteral("NULL"), texto(j.jugada)));
    }
}

} // namespace testsupport
