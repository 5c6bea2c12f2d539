#pragma once
// Fixtures of the seller suites: a test database with regions,
// municipalities, two lotteries (one with a special play) and three
// sellers, the shared session connected to it and the message recorder.
// Without the test cluster every test fails: these suites need the server.

#include "sellers/actven.h"
#include "sellers/registro.h"

#include "core/sesion.h"
#include "platform/ui/windowregistry.h"
#include "sessiontest.h"

#include <QCoreApplication>
#include <QStringList>
#include <gtest/gtest.h>

namespace datosvendedores {

// Regions ZUL, DCA (with municipalities MCB, SFR / LIB) and LAR (none);
// lotteries 001 (special play T1 on it) and 002; sellers 00001 (a chief),
// 00002 (of 00001's group, every value set, decimals included) and 00003
// (no group, inactive).
inline void siembra(testsupport::TestDatabase& db)
{
    db.exec(QStringLiteral(
        "INSERT INTO gobernacion VALUES ('ZUL', 'Zulia', 'Occidente'),"
        "  ('DCA', 'Distrito Capital', NULL), ('LAR', 'Lara', 'Centro occidente');"
        "INSERT INTO alcaldia (codigo_alcaldia, codigo_gobernacion, descri_alcaldia, observa_alcaldia)"
        "  VALUES ('SFR', 'ZUL', 'San Francisco', NULL), ('MCB', 'ZUL', 'Maracaibo', 'Capital'),"
        "         ('LIB', 'DCA', 'Libertador', NULL);"
        "INSERT INTO loterias (cod_lot, desc_lot) VALUES ('001', 'ZULIA 12M'), ('002', 'CARACAS 4PM');"
        "INSERT INTO jugadas (especial, desc_espec) VALUES ('T1', 'TRIPLETAZO');"
        "INSERT INTO lotespec (cod_lot, especial) VALUES ('001', 'T1');"
        "INSERT INTO vendedor (codvendedor, nombre_vend, direccion_vend, telefono_vend, email_vend,"
        "  clave_vend, estado_vend, tipode_pago, codigo_alcaldia, codigo_gobernacion, rif, nit,"
        "  diascaduca, minimo_tri, lim_tri, comi_tri, p_tri_1)"
        "  VALUES ('00001', 'GRUPO NORTE', 'Av. 5', '0261', 'norte@x.ve', 'c1', '1', '0', 'MCB', 'ZUL',"
        "          'J-1', 'N-1', 5, 10, 500, 15, 600);"
        "INSERT INTO vendedor (codvendedor, nombre_vend, direccion_vend, telefono_vend, email_vend,"
        "  clave_vend, estado_vend, tipode_pago, perteneceal, codigo_alcaldia, codigo_gobernacion,"
        "  rif, nit, diascaduca, comision_jefe, impuesto, minimo_tri, minimo_ter, lim_tri, lim_ter,"
        "  comi_tri, comi_ter, p_tri_1, p_tri_2, p_tri_3, p_ter_1, p_ter_2, p_ter_3, montom_digito,"
        "  lim_digito, comi_digito, premio_digito, lim_numa, lim_numb, montom_par, comispar,"
        "  premiopar, sencillo_par, pagacomodin, montocomodin, permisovendedor, puertoprinter)"
        "  VALUES ('00002', 'AGENCIA LA FORTUNA', 'Calle 72', '0261-2', 'fortuna@x.ve', 'c2', '1', '2',"
        "          '00001', 'SFR', 'ZUL', 'J-2', 'N-2', 9, 2.5, 12.5, 10, 11, 500, 1000, 12.5, 13.5,"
        "          600, 60, 6, 70, 7, 0.5, 2, 300, 10.5, 7, 3, 4, 5, 6.5, 8, 9, 'S', 3.25, '01-02-',"
        "          'LPT1');"
        "INSERT INTO vendedor (codvendedor, nombre_vend, estado_vend, codigo_alcaldia, codigo_gobernacion)"
        "  VALUES ('00003', 'TAQUILLA SUR', '2', 'LIB', 'DCA')"));
}

// A complete new seller as the editor sends it, in municipality LIB of DCA.
inline sellers::RegistroVendedor registro(const QString& codigo, const QString& nombre)
{
    sellers::RegistroVendedor r;
    r.codigo = codigo;
    r.nombre = nombre;
    r.direccion = QStringLiteral("Plaza Bolivar");
    r.telefono = QStringLiteral("0212-555");
    r.clave = QStringLiteral("k9");
    r.email = QStringLiteral("nuevo@x.ve");
    r.estado = QStringLiteral("1.- Activo");
    r.tipopago = QStringLiteral("3.- Comodines");
    r.grupo = QStringLiteral("00001 .- GRUPO NORTE");
    r.diascaduca = QStringLiteral("5");
    r.comisionjefe = QStringLiteral("2.5");
    r.impuesto = QStringLiteral("0");
    r.alcaldia = QStringLiteral("LIB - Libertador");
    r.rif = QStringLiteral("J-9");
    r.nit = QStringLiteral("N-9");
    int n = 1;
    for (const core::ParametroVenta& p : sellers::parametrosventaactven())
        r.montos.insert(p.campo.toLower(), QString::number(n++));
    r.montos.insert(core::campos::MontoComodin.toLower(), QStringLiteral("4.5"));
    r.pagacomodin = QStringLiteral("S");
    r.gobernacion = QStringLiteral("DCA - Distrito Capital");
    return r;
}

// A database per test with the seed, the session connected to it and the
// recorder.
class Fixture : public testsupport::SessionTest {
protected:
    void siembra(testsupport::TestDatabase& db) override { datosvendedores::siembra(db); }
};

// The same, with the seller windows registered; every window is gone after
// each test.
class FixtureVentanas : public Fixture {
protected:
    void SetUp() override
    {
        Fixture::SetUp();
        if (HasFatalFailure())
            return;
        sellers::registerWindows(platform::ui::windowRegistry());
    }
    void TearDown() override
    {
        platform::ui::windowRegistry().clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Fixture::TearDown();
    }
};

} // namespace datosvendedores
