#pragma once
// Fixtures of the lottery suites: a test database with two boards, two
// operators and three lotteries, the shared session connected to it, the
// message recorder, and a lottery record ready to send.

#include "lotteries/actlot.h"
#include "lotteries/registro.h"

#include "core/sesion.h"
#include "platform/ui/windowregistry.h"
#include "sessiontest.h"

#include <QCoreApplication>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace datosloterias {

// Boards 001, 002; operators 001, 002; lotteries 001 "ZULIA 12M" (every
// value set, board 001, operator 002), 002 "CARACAS 4PM" (no board, no
// operator) and 003 "TACHIRA".
inline void siembra(testsupport::TestDatabase& db)
{
    db.exec(QStringLiteral(
        "INSERT INTO juntas (codigo_junta, descripcion_junta) VALUES"
        "  ('002', 'Beneficencia Capital  '), ('001', 'Beneficencia Zulia');"
        "INSERT INTO operadoras (codigo_operadora, descripcion_operadora) VALUES"
        "  ('002', 'Azar Capital'), ('001', 'Sorteos del Lago');"
        "INSERT INTO loterias (cod_lot, desc_lot, montom_digito, lim_digito, comi_digito,"
        "  premio_digito, lim_numa, lim_numb, montom_par, comispar, premiopar, sencillo_par,"
        "  minimo_tri, minimo_ter, lim_tri, lim_ter, comi_tri, comi_ter, p_tri_1, p_tri_2, p_tri_3,"
        "  p_ter_1, p_ter_2, p_ter_3, dia_1, dia_2, dia_3, dia_4, dia_5, dia_6, dia_7,"
        "  hora_1, hora_3, hora_7, juegaespecial, juegapar, juegadigito, jueganormal, pagacomodin,"
        "  montocomodin, impuesto, codigo_junta, codigo_operadora) VALUES"
        "  ('001', 'ZULIA 12M', 2, 300, 10.5, 7, 11, 12, 13, 2.5, 15, 16, 5, 6, 500, 1000, 15, 12.5,"
        "   600, 60, 6, 70, 20, 2, 'S', 'N', 'S', 'N', 'S', 'N', 'S', '12:30', '21:05', '09:00',"
        "   'S', 'N', 'S', 'S', 'S', 3, 12.5, '001', '002'),"
        "  ('002', 'CARACAS 4PM', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,"
        "   'S', 'S', 'S', 'S', 'S', 'S', 'S', NULL, NULL, NULL, 'N', 'N', 'N', 'S', 'N', 0, 0,"
        "   NULL, NULL);"
        "INSERT INTO loterias (cod_lot, desc_lot) VALUES ('003', 'TACHIRA')"));
}

// A complete lottery record as the editor would send it.
inline lotteries::RegistroLoteria registro(const QString& codigo, const QString& nombre)
{
    lotteries::RegistroLoteria r;
    r.codigo = codigo;
    r.nombre = nombre;
    const QStringList campos = core::campos::Venta + core::campos::Digito + core::campos::Pares +
                               QStringList{core::campos::MontoComodin};
    int n = 1;
    for (const QString& campo : campos)
        r.montos.insert(campo.toLower(), QString::number(n++));
    r.impuesto = QStringLiteral("1");
    r.dias = QStringList(7, QStringLiteral("S"));
    r.horas = QStringList(7, QStringLiteral("12:00:00"));
    r.junta = QStringLiteral("001 - Beneficencia Zulia");
    r.operadora = QStringLiteral("001 - Sorteos del Lago");
    return r;
}

// A database per test with the seed, the session connected to it and the
// recorder.
class Fixture : public testsupport::SessionTest {
protected:
    void siembra(testsupport::TestDatabase& db) override { datosloterias::siembra(db); }
};

// The same, with the lottery windows registered; every window is gone
// after each test.
class FixtureVentanas : public Fixture {
protected:
    void SetUp() override
    {
        Fixture::SetUp();
        if (!HasFatalFailure())
            lotteries::registerWindows(platform::ui::windowRegistry());
    }
    void TearDown() override
    {
        platform::ui::windowRegistry().clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Fixture::TearDown();
    }
};

} // namespace datosloterias
