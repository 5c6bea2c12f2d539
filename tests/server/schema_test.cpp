// The integrity rules of the house database: each case is a statement that a
// sound database must refuse (or accept), run against a small catalogue with
// one sold ticket.

#include "databasetest.h"
#include "serverscripts.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

using testsupport::TestDatabase;

namespace {

const char* const Catalogue = R"SQL(
INSERT INTO loterias (cod_lot, desc_lot, dia_1, hora_1) VALUES ('001', 'TRIPLE PRUEBA', 'S', '12:30');
INSERT INTO jugadas VALUES ('01', 'TRIPLE ZODIACAL');
INSERT INTO jugadeta VALUES ('01', '01', 'ARIES');
INSERT INTO gobernacion (codigo_gobernacion, descri_gobernacion) VALUES ('ZUL', 'Zulia'), ('TAC', 'Tachira');
INSERT INTO alcaldia (codigo_alcaldia, codigo_gobernacion, descri_alcaldia)
  VALUES ('MCB', 'ZUL', 'Maracaibo'), ('SCR', 'TAC', 'San Cristobal');
INSERT INTO vendedor (codvendedor, nombre_vend, codigo_alcaldia, codigo_gobernacion)
  VALUES ('00001', 'Agencia Uno', 'MCB', 'ZUL'), ('00002', 'Agencia Dos', NULL, NULL);
INSERT INTO usuarios (codvendedor, usuario, nombre_usua)
  VALUES ('00001', 'TAQ01', 'Cajero uno'), ('00002', 'TAQ02', 'Cajero dos');
INSERT INTO ven_lot (codvendedor, cod_lot) VALUES ('00001', '001'), ('00002', '001');
INSERT INTO tickets (codvendedor, nroticket, serial, usuario, fechaticket, horaticket, montoticket)
  VALUES ('00001', '0000000001', 'A1B2C3', 'TAQ01', '2026-03-02', '10:15', 30);
INSERT INTO jugadasticket (codvendedor, nroticket, linea, fechaticket, cod_lot, tipo_jugada, numero, monto,
                           especial, jugada)
  VALUES ('00001', '0000000001', 1, '2026-03-02', '001', '1', '123', 20, NULL, NULL),
         ('00001', '0000000001', 2, '2026-03-02', '001', '2', '45', 10, '01', '01');
INSERT INTO premiar (cod_lot, fechapremio, pri_triple, especial, jugada)
  VALUES ('001', '2026-03-02', '123', '01', '01');
INSERT INTO movimientos (nromov, descri_mov, monto_mov, fecha_mov, codvendedor)
  VALUES ('PR00001', '2.- Prestamo', 1000, '2026-03-02', '00001');
INSERT INTO prestamos (nroprestamo, codvendedor, fecha_prestamo, monto_prestamo, cuota_diaria)
  VALUES ('PR00001', '00001', '2026-03-02', 1000, 50);
INSERT INTO operador (operador, nombreope, claveope) VALUES ('ADMIN', 'Administrador', 'clave');
INSERT INTO parametrosbanca (id) VALUES (1);
INSERT INTO juntas (codigo_junta, descripcion_junta) VALUES ('J1', 'Junta uno'), ('J2', 'Junta dos');
INSERT INTO operadoras (codigo_operadora, descripcion_operadora) VALUES ('O1', 'Operadora uno'), ('O2', 'Operadora dos');
INSERT INTO saldosdias (vendedor, fecha, cod_lot, tipo_jugada, codigo_junta, codigo_operadora, codigo_alcaldia,
                        codigo_gobernacion)
  VALUES ('00001', '2026-03-02', '001', '1', 'J1', 'O1', 'SCR', 'TAC');
)SQL";

const char* const NewResult =
    "INSERT INTO saldosdias (vendedor, fecha, cod_lot, tipo_jugada, codigo_junta, codigo_operadora, "
    "codigo_alcaldia, codigo_gobernacion) ";

const char* const NewTicket =
    "INSERT INTO tickets (codvendedor, nroticket, serial, usuario, fechaticket, horaticket, "
    "montoticket, montopremio, estadoticket, anulado, premiado, pagado, fechapago, operadorpago) ";
const char* const NewPlay =
    "INSERT INTO jugadasticket (codvendedor, nroticket, linea, fechaticket, cod_lot, tipo_jugada, "
    "numero, monto, especial, jugada) ";

struct Case {
    const char* name;
    std::string sql;
    const char* refusal; // part of the server's message; nullptr: accepted
};

const Case Cases[] = {
    {"ticket of a missing seller",
     std::string(NewTicket) + "VALUES ('99999', '1', 'S', 'TAQ01', '2026-03-02', '10:00', 5, NULL, "
                              "'ACT', 'N', 'N', 'N', NULL, NULL)",
     "violates foreign key constraint"},
    {"ticket sold by another seller's cashier",
     std::string(NewTicket) + "VALUES ('00001', '2', 'S', 'TAQ02', '2026-03-02', '10:00', 5, NULL, "
                              "'ACT', 'N', 'N', 'N', NULL, NULL)",
     "violates foreign key constraint"},
    {"duplicate ticket number of a seller",
     std::string(NewTicket) + "VALUES ('00001', '0000000001', 'S', 'TAQ01', '2026-03-03', '10:00', 5, "
                              "NULL, 'ACT', 'N', 'N', 'N', NULL, NULL)",
     "duplicate key value"},
    {"ticket state outside ACT/ELI",
     std::string(NewTicket) + "VALUES ('00001', '3', 'S', 'TAQ01', '2026-03-02', '10:00', 5, NULL, "
                              "'PAG', 'N', 'N', 'N', NULL, NULL)",
     "violates check constraint"},
    {"annulled flag disagreeing with the state",
     std::string(NewTicket) + "VALUES ('00001', '4', 'S', 'TAQ01', '2026-03-02', '10:00', 5, NULL, "
                              "'ACT', 'S', 'N', 'N', NULL, NULL)",
     "violates check constraint"},
    {"prized flag without a prize",
     std::string(NewTicket) + "VALUES ('00001', '5', 'S', 'TAQ01', '2026-03-02', '10:00', 5, NULL, "
                              "'ACT', 'N', 'S', 'N', NULL, NULL)",
     "violates check constraint"},
    {"paid ticket without a prize",
     std::string(NewTicket) + "VALUES ('00001', '6', 'S', 'TAQ01', '2026-03-02', '10:00', 5, NULL, "
                              "'ACT', 'N', 'N', 'S', '2026-03-03 09:00', 'ADMIN')",
     "violates check constraint"},
    {"paid prized ticket",
     std::string(NewTicket) + "VALUES ('00001', '7', 'S', 'TAQ01', '2026-03-02', '10:00', 5, 3000, "
                              "'ACT', 'N', 'S', 'S', '2026-03-03 09:00', 'ADMIN')",
     nullptr},
    {"play of a missing ticket",
     std::string(NewPlay) +
         "VALUES ('00001', '0000000099', 1, '2026-03-02', '001', '1', '123', 5, NULL, NULL)",
     "violates foreign key constraint"},
    {"play dated apart from its ticket",
     std::string(NewPlay) +
         "VALUES ('00001', '0000000001', 3, '2026-03-05', '001', '1', '123', 5, NULL, NULL)",
     "violates foreign key constraint"},
    {"play of a missing lottery",
     std::string(NewPlay) +
         "VALUES ('00001', '0000000001', 3, '2026-03-02', '999', '1', '123', 5, NULL, NULL)",
     "violates foreign key constraint"},
    {"play of a missing special-play detail",
     std::string(NewPlay) +
         "VALUES ('00001', '0000000001', 3, '2026-03-02', '001', '2', '12', 5, '01', '99')",
     "violates foreign key constraint"},
    {"special play without its detail",
     std::string(NewPlay) +
         "VALUES ('00001', '0000000001', 3, '2026-03-02', '001', '2', '12', 5, '01', NULL)",
     "violates check constraint"},
    {"normal play carrying a detail",
     std::string(NewPlay) +
         "VALUES ('00001', '0000000001', 3, '2026-03-02', '001', '1', '12', 5, '01', '01')",
     "violates check constraint"},
    {"play type outside 1/2",
     std::string(NewPlay) +
         "VALUES ('00001', '0000000001', 3, '2026-03-02', '001', '3', '12', 5, NULL, NULL)",
     "violates check constraint"},
    {"played number with letters",
     std::string(NewPlay) +
         "VALUES ('00001', '0000000001', 3, '2026-03-02', '001', '1', '1A', 5, NULL, NULL)",
     "violates check constraint"},
    {"play without an amount",
     std::string(NewPlay) +
         "VALUES ('00001', '0000000001', 3, '2026-03-02', '001', '1', '12', 0, NULL, NULL)",
     "violates check constraint"},
    {"duplicate lottery code", "INSERT INTO loterias (cod_lot, desc_lot) VALUES ('001', 'OTRA')",
     "duplicate key value"},
    {"lottery code shorter than three characters",
     "INSERT INTO loterias (cod_lot, desc_lot) VALUES ('01', 'CORTA')", "violates check constraint"},
    {"sale day flag outside S/N", "UPDATE loterias SET dia_2 = 'X' WHERE cod_lot = '001'",
     "violates check constraint"},
    {"lottery without a name", "INSERT INTO loterias (cod_lot, desc_lot) VALUES ('002', NULL)",
     "violates not-null constraint"},
    {"lottery of a missing board", "UPDATE loterias SET codigo_junta = '777' WHERE cod_lot = '001'",
     "violates foreign key constraint"},
    {"deleting a lottery with sales", "DELETE FROM loterias WHERE cod_lot = '001'",
     "violates foreign key constraint"},
    {"blank special-play code", "INSERT INTO jugadas VALUES ('  ', 'VACIA')", "violates check constraint"},
    {"seller code shorter than five characters",
     "INSERT INTO vendedor (codvendedor, nombre_vend) VALUES ('0003', 'Corta')", "violates check constraint"},
    {"seller status outside 1/2/3", "UPDATE vendedor SET estado_vend = '4' WHERE codvendedor = '00001'",
     "violates check constraint"},
    {"payment mode outside 0-3", "UPDATE vendedor SET tipode_pago = '7' WHERE codvendedor = '00001'",
     "violates check constraint"},
    {"group chief who is not a seller",
     "UPDATE vendedor SET perteneceal = '99999' WHERE codvendedor = '00002'",
     "violates foreign key constraint"},
    {"municipality of another region",
     "UPDATE vendedor SET codigo_alcaldia = 'MCB', codigo_gobernacion = 'TAC' WHERE codvendedor = '00002'",
     "violates foreign key constraint"},
    {"municipality of a missing region",
     "INSERT INTO alcaldia (codigo_alcaldia, codigo_gobernacion, descri_alcaldia) VALUES ('X', 'NADA', 'X')",
     "violates foreign key constraint"},
    {"parameters of a seller for a missing lottery",
     "INSERT INTO ven_lot (codvendedor, cod_lot) VALUES ('00001', '999')", "violates foreign key constraint"},
    {"deleting a seller without history takes its parameters and cashiers",
     "DELETE FROM vendedor WHERE codvendedor = '00002'", nullptr},
    {"deleting a seller with tickets", "DELETE FROM vendedor WHERE codvendedor = '00001'",
     "violates foreign key constraint"},
    {"cashier status outside 1/2/3", "UPDATE usuarios SET estado_usua = '0' WHERE usuario = 'TAQ01'",
     "violates check constraint"},
    {"printer port a seller's workstation cannot have",
     "UPDATE vendedor SET puertoprinter = 'COM1' WHERE codvendedor = '00001'", "violates check constraint"},
    {"result of a missing special-play detail", "UPDATE premiar SET jugada = '77' WHERE cod_lot = '001'",
     "violates foreign key constraint"},
    {"winning triple with letters", "UPDATE premiar SET seg_triple = 'ABC' WHERE cod_lot = '001'",
     "violates check constraint"},
    {"second result of a lottery and date",
     "INSERT INTO premiar (cod_lot, fechapremio) VALUES ('001', '2026-03-02')", "duplicate key value"},
    {"processed flag outside S/N", "UPDATE premiar SET procesado = 'P' WHERE cod_lot = '001'",
     "violates check constraint"},
    {"movement type outside 0-5",
     "INSERT INTO movimientos (nromov, descri_mov, monto_mov, fecha_mov, codvendedor) "
     "VALUES ('X1', '9.- Otro', 10, '2026-03-02', '00001')",
     "violates check constraint"},
    {"duplicate movement document number",
     "INSERT INTO movimientos (nromov, descri_mov, monto_mov, fecha_mov, codvendedor) "
     "VALUES ('PR00001', '0.- Pago Vendedor a Duroz', 10, '2026-03-02', '00001')",
     "duplicate key value"},
    {"movement on a missing account",
     "INSERT INTO movimientos (nromov, descri_mov, monto_mov, fecha_mov, codvendedor, codigo_cuenta) "
     "VALUES ('X2', '0.- Pago Vendedor a Duroz', 10, '2026-03-02', '00001', 'ZZZ')",
     "violates foreign key constraint"},
    {"loan without its movement",
     "INSERT INTO prestamos (nroprestamo, codvendedor, fecha_prestamo, monto_prestamo) "
     "VALUES ('PR00009', '00001', '2026-03-02', 500)",
     "violates foreign key constraint"},
    {"loan booked to another seller than its movement",
     "INSERT INTO movimientos (nromov, descri_mov, monto_mov, fecha_mov, codvendedor) "
     "VALUES ('PR00002', '2.- Prestamo', 10, '2026-03-02', '00001');"
     "INSERT INTO prestamos (nroprestamo, codvendedor, fecha_prestamo, monto_prestamo) "
     "VALUES ('PR00002', '00002', '2026-03-02', 10)",
     "violates foreign key constraint"},
    {"second daily instalment of a loan on one date",
     "INSERT INTO movimientos (nromov, descri_mov, monto_mov, fecha_mov, codvendedor) "
     "VALUES ('C1', '5.- Pago Cuota Diaria', 50, '2026-03-03', '00001'), "
     "       ('C2', '5.- Pago Cuota Diaria', 50, '2026-03-03', '00001');"
     "INSERT INTO cuotasdiarias VALUES ('PR00001', '2026-03-03', 50, 'C1'), ('PR00001', '2026-03-03', 50, "
     "'C2')",
     "duplicate key value"},
    {"line-up whose general balance is not play plus loan balance",
     "INSERT INTO historicolineup (codvendedor, fecha, total, saldoprestamo, saldogragral) "
     "VALUES ('00001', '2026-03-02', 100, 50, 100)",
     "violates check constraint"},
    {"daily result whose subtotal does not add up",
     "INSERT INTO saldosdias (vendedor, fecha, cod_lot, tipo_jugada, total_venta, comision, premios, "
     "subtotal) "
     "VALUES ('00001', '2026-03-02', '001', '1', 100, 15, 0, 100)",
     "violates check constraint"},
    {"daily result of a play kind outside 1-5",
     "INSERT INTO saldosdias (vendedor, fecha, cod_lot, tipo_jugada) VALUES ('00001', '2026-03-02', '001', "
     "'6')",
     "violates check constraint"},
    {"daily result of a missing seller",
     std::string(NewResult) + "VALUES ('99999', '2026-03-03', '001', '1', NULL, NULL, NULL, NULL)",
     "violates foreign key constraint"},
    {"daily result of a missing lottery",
     std::string(NewResult) + "VALUES ('00001', '2026-03-03', '999', '1', NULL, NULL, NULL, NULL)",
     "violates foreign key constraint"},
    {"daily result of a missing board",
     std::string(NewResult) + "VALUES ('00001', '2026-03-03', '001', '1', 'J9', NULL, NULL, NULL)",
     "violates foreign key constraint"},
    {"daily result of a missing operator",
     std::string(NewResult) + "VALUES ('00001', '2026-03-03', '001', '1', NULL, 'O9', NULL, NULL)",
     "violates foreign key constraint"},
    {"daily result of a municipality of another region",
     std::string(NewResult) + "VALUES ('00001', '2026-03-03', '001', '1', NULL, NULL, 'MCB', 'TAC')",
     "violates foreign key constraint"},
    {"daily result naming only half a municipality names none",
     std::string(NewResult) + "VALUES ('00001', '2026-03-03', '001', '2', NULL, NULL, 'XXX', NULL)", nullptr},
    {"one daily result of a missing lottery among sound ones",
     std::string(NewResult) + "VALUES ('00001', '2026-03-04', '001', '1', 'J1', 'O1', 'SCR', 'TAC'), "
                              "('00001', '2026-03-04', '999', '1', 'J1', 'O1', 'SCR', 'TAC')",
     "violates foreign key constraint"},
    {"daily result moved to a missing board",
     "UPDATE saldosdias SET codigo_junta = 'J9' WHERE vendedor = '00001' AND fecha = '2026-03-02'",
     "violates foreign key constraint"},
    {"daily result moved to another board",
     "UPDATE saldosdias SET codigo_junta = 'J2' WHERE vendedor = '00001' AND fecha = '2026-03-02'", nullptr},
    {"deleting a board that daily results name", "DELETE FROM juntas WHERE codigo_junta = 'J1'",
     "violates foreign key constraint"},
    {"changing the code of a board that daily results name",
     "UPDATE juntas SET codigo_junta = 'J3' WHERE codigo_junta = 'J1'", "violates foreign key constraint"},
    {"deleting an operator that daily results name", "DELETE FROM operadoras WHERE codigo_operadora = 'O1'",
     "violates foreign key constraint"},
    {"deleting a municipality that daily results name", "DELETE FROM alcaldia WHERE codigo_alcaldia = 'SCR'",
     "violates foreign key constraint"},
    {"deleting an operator no daily result names", "DELETE FROM operadoras WHERE codigo_operadora = 'O2'",
     nullptr},
    {"deleting a board no daily result names", "DELETE FROM juntas WHERE codigo_junta = 'J2'", nullptr},
    {"deleting a board no daily result names any longer",
     "UPDATE saldosdias SET codigo_junta = 'J2' WHERE codigo_junta = 'J1'; DELETE FROM juntas WHERE "
     "codigo_junta "
     "= 'J1'",
     nullptr},
    {"emptying the boards while daily results name them", "TRUNCATE juntas CASCADE", "daily results name it"},
    {"seller tax of a missing tax",
     "INSERT INTO vend_imp (codvendedor, codigo_impuesto, porcentaje_impuesto) VALUES ('00001', 'NADA', 1)",
     "violates foreign key constraint"},
    {"seller tax without a percentage",
     "INSERT INTO impuesto (codigo_impuesto, descri_impuesto) VALUES ('IMUN', 'Municipal');"
     "INSERT INTO vend_imp (codvendedor, codigo_impuesto, porcentaje_impuesto) VALUES ('00001', 'IMUN', '0')",
     "violates check constraint"},
    {"blank operator code", "INSERT INTO operador (operador, nombreope, claveope) VALUES ('', 'Nadie', 'x')",
     "violates check constraint"},
    {"second row of head-office parameters", "INSERT INTO parametrosbanca (id) VALUES (2)",
     "violates check constraint"},
    {"message to a missing seller",
     "INSERT INTO mensajes (codvendedor, mensaje, vend_envia, fechahora) "
     "VALUES ('99999', 'Hola', '*****', '2026-03-02 10:00')",
     "violates foreign key constraint"},
    {"connection of a missing cashier",
     "INSERT INTO conexionesactivas (codvendedor, usuario, inicio) VALUES ('00001', 'TAQ09', '2026-03-02 "
     "10:00')",
     "violates foreign key constraint"},
    {"block of a number with letters other than S",
     "INSERT INTO bloqueos (cod_lot, numero_bloq, monto_bloq) VALUES ('001', '12X', 5)",
     "violates check constraint"},
};

class SchemaTest : public testsupport::DatabaseTest {
protected:
    void siembra(TestDatabase& db) override { db.exec(QString::fromUtf8(Catalogue)); }
};

} // namespace

TEST_F(SchemaTest, EveryIntegrityRuleHolds)
{
    for (const Case& c : Cases) {
        const std::string refusal = serverscripts::outcome(*db_, c.sql);
        if (c.refusal)
            EXPECT_NE(refusal.find(c.refusal), std::string::npos)
                << c.name << ": expected \"" << c.refusal << "\", got \"" << refusal << '"';
        else
            EXPECT_EQ(refusal, "") << c.name;
    }
}

TEST_F(SchemaTest, DeletingASellerTakesItsParametersAndCashiers)
{
    db_->exec(QStringLiteral("DELETE FROM vendedor WHERE codvendedor = '00002'"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT count(*) FROM ven_lot WHERE codvendedor = '00002'")),
              QStringLiteral("0"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT count(*) FROM usuarios WHERE codvendedor = '00002'")),
              QStringLiteral("0"));
}

TEST_F(SchemaTest, DeletingATicketTakesItsPlays)
{
    db_->exec(QStringLiteral("DELETE FROM tickets WHERE nroticket = '0000000001'"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT count(*) FROM jugadasticket")), QStringLiteral("0"));
}

TEST_F(SchemaTest, TextsTravelAsTheirTypes)
{
    // Dates typed dd/mm/yyyy by the windows read right under the sessions'
    // DateStyle, and closing hours come back as HH:MM:SS.
    db_->exec(QStringLiteral("SET DateStyle = 'ISO, DMY'"));
    db_->exec(QStringLiteral("INSERT INTO premiar (cod_lot, fechapremio) VALUES ('001', '05/03/2026')"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT count(*) FROM premiar WHERE fechapremio = '2026-03-05'")),
              QStringLiteral("1"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT hora_1 FROM loterias WHERE cod_lot = '001'")),
              QStringLiteral("12:30:00"));
}

TEST_F(SchemaTest, ARefusedDailyResultWritesNothing)
{
    EXPECT_THROW(
        db_->exec(QStringLiteral(
            "INSERT INTO saldosdias (vendedor, fecha, cod_lot, tipo_jugada, total_venta, subtotal) "
            "VALUES ('00001', '2026-03-05', '001', '1', 10, 10), ('99999', '2026-03-05', '001', '1', 5, 5)")),
        std::runtime_error);
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT count(*) FROM saldosdias")), QStringLiteral("1"));
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT count(*) FROM saldosdias_dia")), QStringLiteral("1"));
}
