#pragma once
// Fixtures shared by the draw suites: lotteries 001, 014 and 020, special
// play T1 with details 01 and 02, one seller per payment mode (00000 Punta
// y Cola … 00003 Comodines) whose per-lottery row, per-special-play row and
// defaults differ in factors and payment mode, a seller 00009 with his
// defaults only, a cashier each; the calls of the draw windows as they send
// them.

#include "core/sesion.h"
#include "platform/db/command.h"
#include "platform/db/recordset.h"
#include "sessiontest.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace datossorteos {

// The draw date of the fixtures, as the windows send it and as SQL reads it.
inline const QString Fecha = QStringLiteral("05/03/2026");
inline const QString FechaSql = QStringLiteral("'2026-03-05'");

// Each seller's three stores price differently, so that a play priced from
// the wrong store shows:
// - his row per lottery (ven_lot, on 001, 014, 020): payment mode the last
//   figure of his code (00000 Punta y Cola … 00003 Comodines), triples
//   600/60/6, terminales 70/7/5, digit 8, comodin 2 (paid by the Comodines
//   seller only), commissions 10/12/15 %;
// - his row per special play (vendespec, T1 on 001): mode 1, 0, 3, 2 for
//   00000 … 00003, triples 500/50/5, terminales 40/4/3, commissions 9/11 %;
// - his defaults (vendedor): mode 2, 3, 0, 1 for 00000 … 00003 and 1 for
//   00009, who has no other row; triples 400/40/4, terminales 30/3/2,
//   digit 6, comodin 1 paid, commissions 8/9/14 %.
inline void siembra(testsupport::TestDatabase& db)
{
    QString sql = QStringLiteral(
        "INSERT INTO loterias (cod_lot, desc_lot, dia_4) VALUES ('001', 'ZULIA 12M', 'S'),"
        "  ('014', 'CARACAS 4PM', 'S'), ('020', 'TACHIRA 7PM', 'N'), ('030', 'MARGARITA', 'N');"
        "INSERT INTO jugadas (especial, desc_espec) VALUES ('T1', 'TRIPLETAZO');"
        "INSERT INTO jugadeta (especial, jugada, desc_jugada) VALUES ('T1', '01', 'ARIES'), ('T1', '02', "
        "'TAURO');"
        // The operators who pay tickets.
        "INSERT INTO operador (operador, nombreope, claveope) VALUES ('ADMIN', 'ADMINISTRADOR', 'x'),"
        "  ('CAJA1', 'CAJERO', 'x'), ('OPA', 'OPERADOR A', 'x'), ('OPB', 'OPERADOR B', 'x');");
    for (const char* v : {"00000", "00001", "00002", "00003", "00009"}) {
        const QString cod = QLatin1String(v);
        const int modo = cod == QStringLiteral("00009") ? 0 : cod.right(1).toInt();
        const QString defectos = cod == QStringLiteral("00009") ? QStringLiteral("1")
                                                                : QString::number((modo + 2) % 4);
        sql +=
            QStringLiteral(
                "INSERT INTO vendedor (codvendedor, nombre_vend, tipode_pago, p_tri_1, p_tri_2, p_tri_3,"
                "  p_ter_1, p_ter_2, p_ter_3, comi_tri, comi_ter, premio_digito, comi_digito,"
                "  pagacomodin, montocomodin, diascaduca)"
                " VALUES ('%1', 'AGENCIA %1', '%2', 400, 40, 4, 30, 3, 2, 8, 9, 6, 14, 'S', 1, 5);"
                "INSERT INTO usuarios (codvendedor, usuario, nombre_usua) VALUES ('%1', 'TAQ01', 'CAJERO');")
                .arg(cod, defectos);
        if (cod == QStringLiteral("00009"))
            continue;
        for (const char* lot : {"001", "014", "020"})
            sql += QStringLiteral(
                       "INSERT INTO ven_lot (codvendedor, cod_lot, tipode_pago, p_tri_1, p_tri_2, p_tri_3,"
                       "  p_ter_1, p_ter_2, p_ter_3, comi_tri, comi_ter, premio_digito, comi_digito,"
                       "  pagacomodin, montocomodin)"
                       " VALUES ('%1', '%2', '%3', 600, 60, 6, 70, 7, 5, 10, 12, 8, 15, '%4', 2);")
                       .arg(cod, QLatin1String(lot), QString::number(modo),
                            modo == 3 ? QStringLiteral("S") : QStringLiteral("N"));
        sql += QStringLiteral(
                   "INSERT INTO vendespec (codvendedor, cod_lot, especial, tipode_pago, p_tri_1, p_tri_2,"
                   "  p_tri_3, p_ter_1, p_ter_2, p_ter_3, comi_tri, comi_ter)"
                   " VALUES ('%1', '001', 'T1', '%2', 500, 50, 5, 40, 4, 3, 9, 11);")
                   .arg(cod, QString::number(modo ^ 1));
    }
    db.exec(sql);
}

// One play of a ticket: lottery, number, amount, special play and detail
// (empty for a normal play).
struct Jugada {
    QString loteria;
    QString numero;
    QString monto = QStringLiteral("10");
    QString especial;
    QString jugada;
};

// Adds a ticket of the fixtures' date (or `fecha`) with its plays.
inline void ticket(testsupport::TestDatabase& db, const QString& vendedor, const QString& numero,
                   const QList<Jugada>& jugadas, const QString& serial = QStringLiteral("SER-1"),
                   bool anulado = false, const QString& fecha = FechaSql)
{
    QString sql =
        QStringLiteral(
            "INSERT INTO tickets (codvendedor, nroticket, serial, usuario, fechaticket, horaticket,"
            "  montoticket, estadoticket, anulado) VALUES ('%1', '%2', '%3', 'TAQ01', %4, '10:00', 0,"
            "  '%5', '%6');")
            .arg(vendedor, numero, serial, fecha, anulado ? QStringLiteral("ELI") : QStringLiteral("ACT"),
                 anulado ? QStringLiteral("S") : QStringLiteral("N"));
    int linea = 0;
    for (const Jugada& j : jugadas) {
        const bool especial = !j.especial.isEmpty();
        sql += QStringLiteral(
                   "INSERT INTO jugadasticket (codvendedor, nroticket, linea, fechaticket, cod_lot,"
                   "  tipo_jugada, numero, monto, especial, jugada) VALUES ('%1', '%2', %3, %4, '%5', '%6',"
                   "  '%7', %8, %9, %10);")
                   .arg(vendedor, numero, QString::number(++linea), fecha, j.loteria,
                        especial ? QStringLiteral("2") : QStringLiteral("1"), j.numero, j.monto,
                        especial ? QStringLiteral("'%1'").arg(j.especial) : QStringLiteral("NULL"),
                        especial ? QStringLiteral("'%1'").arg(j.jugada) : QStringLiteral("NULL"));
    }
    sql += QStringLiteral("UPDATE tickets SET montoticket = (SELECT sum(monto) FROM jugadasticket"
                          " WHERE codvendedor = '%1' AND nroticket = '%2') WHERE codvendedor = '%1'"
                          " AND nroticket = '%2';")
               .arg(vendedor, numero);
    db.exec(sql);
}

// The result of a draw as the entry window sends it.
struct Resultado {
    QString loteria;
    QString triples[3];
    QString terminales[3];
    QString digito;
    QString tripleEspecial;
    QString terminalEspecial;
    QString especial;
    QString jugada;
    QString pares[3];
    QString fecha = Fecha;
};

// Grabapremios as the entry window calls it (typed, mode "0").
inline void grabapremios(platform::db::Connection& c, const Resultado& r)
{
    using platform::db::DataType;
    using platform::db::Direction;
    platform::db::Command cmd(c, QStringLiteral("Grabapremios"));
    cmd.setCommandTimeout(900);
    cmd.append(QStringLiteral("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    const QList<std::pair<const char*, QString>> valores = {
        {"@xmodo", QStringLiteral("0")},
        {"@xfecha", r.fecha},
        {"@Pri_TRIPLE", r.triples[0]},
        {"@Seg_TRIPLE", r.triples[1]},
        {"@Ter_TRIPLE", r.triples[2]},
        {"@Pri_TERMINAL", r.terminales[0]},
        {"@Seg_TERMINAL", r.terminales[1]},
        {"@Ter_TERMINAL", r.terminales[2]},
        {"@prem_digito", r.digito},
        {"@Triple_especial", r.tripleEspecial},
        {"@Terminal_especial", r.terminalEspecial},
        {"@xespecial", r.especial},
        {"@xjugada", r.jugada},
        {"@Premio_ParA", r.pares[0]},
        {"@Premio_ParB", r.pares[1]},
        {"@Premio_simple", r.pares[2]},
        {"@xloteria", r.loteria},
    };
    for (const auto& [nombre, valor] : valores) {
        cmd.append(QLatin1String(nombre), DataType::VarChar, Direction::Input, 10);
        cmd.setValue(QLatin1String(nombre), valor);
    }
    cmd.execute();
}

// Procesepremios2 as the processing window calls it; `lista` null: no value.
inline QString procesa(platform::db::Connection& c, const QString& fecha, const QString& lista = QString())
{
    using platform::db::DataType;
    using platform::db::Direction;
    platform::db::Command cmd(c, QStringLiteral("Procesepremios2"));
    cmd.setCommandTimeout(3600);
    cmd.append(QStringLiteral("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    cmd.append(QStringLiteral("@xfecha"), DataType::VarChar, Direction::Input, 10);
    cmd.append(QStringLiteral("@xcod_lotp"), DataType::VarChar, Direction::Input, 500);
    cmd.setValue(QStringLiteral("@xfecha"), fecha);
    if (!lista.isNull())
        cmd.setValue(QStringLiteral("@xcod_lotp"), lista);
    cmd.execute();
    return cmd.value(QStringLiteral("@RETURN_VALUE")).toString().trimmed();
}

// PAGATICKETnew as the payment window calls it: its return value and the
// number of rows of its result set.
struct Respuesta {
    QString codigo;
    int filas = 0;
};

inline Respuesta pagaticket(platform::db::Connection& c, const QString& serial, const QString& vendedor,
                            const QString& modo, const QString& numero,
                            const QString& operador = QStringLiteral("ADMIN"))
{
    using platform::db::DataType;
    using platform::db::Direction;
    platform::db::Command cmd(c, QStringLiteral("PAGATICKETnew"));
    cmd.append(QStringLiteral("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    cmd.append(QStringLiteral("@xserial"), DataType::VarChar, Direction::Input, 30);
    cmd.append(QStringLiteral("@xcodigo_vend"), DataType::VarChar, Direction::Input, 5);
    cmd.append(QStringLiteral("@xcodigo_user"), DataType::VarChar, Direction::Input, 5);
    cmd.append(QStringLiteral("@xmodo"), DataType::VarChar, Direction::Input, 1);
    cmd.append(QStringLiteral("@nticket"), DataType::VarChar, Direction::Input, 100);
    cmd.setValue(QStringLiteral("@xserial"), serial);
    cmd.setValue(QStringLiteral("@xcodigo_vend"), vendedor);
    cmd.setValue(QStringLiteral("@xcodigo_user"), operador);
    cmd.setValue(QStringLiteral("@xmodo"), modo);
    cmd.setValue(QStringLiteral("@nticket"), numero);
    platform::db::RecordSet rs = cmd.execute();
    return {cmd.value(QStringLiteral("@RETURN_VALUE")).toString().trimmed(), int(rs.recordCount())};
}

// A suite on a fresh seeded database with the shared session connected and
// every message box recorded.
class ConBase : public testsupport::SessionTest {
protected:
    void siembra(testsupport::TestDatabase& db) override { datossorteos::siembra(db); }

    // Results of 001 (123 456 789 / 23 12 89 / 3, special T1-01 345 45) and
    // 014 (100 200 300 / 00 10 99 / 0).
    void resultados()
    {
        Resultado a{QStringLiteral("001"),
                    {QStringLiteral("123"), QStringLiteral("456"), QStringLiteral("789")},
                    {QStringLiteral("23"), QStringLiteral("12"), QStringLiteral("89")},
                    QStringLiteral("3"),
                    QStringLiteral("345"),
                    QStringLiteral("45"),
                    QStringLiteral("T1"),
                    QStringLiteral("01")};
        grabapremios(conexion(), a);
        Resultado b{QStringLiteral("014"),
                    {QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("300")},
                    {QStringLiteral("00"), QStringLiteral("10"), QStringLiteral("99")},
                    QStringLiteral("0")};
        grabapremios(conexion(), b);
    }
};

} // namespace datossorteos
