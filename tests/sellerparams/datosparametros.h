#pragma once
// Fixtures of the seller-parameter suites: the sellers' seed (three sellers,
// lotteries 001 and 002) with a third lottery 003, a second special play Z
// on 001, lottery 001 sold on the special tab only (juegaespecial "S"), and
// every seller's parameter rows made as a seller add makes them; seller
// 00002's rows of lottery 001 hold decimals (prize 12.5, chief commission
// 2.5, tax 12.5). Without the test cluster every test fails.

#include "../sellers/datosvendedores.h"

#include "sellerparams/registro.h"

#include "core/acceso.h"

namespace datosparametros {

inline void siembra(testsupport::TestDatabase& db)
{
    datosvendedores::siembra(db);
    db.exec(
        QStringLiteral("INSERT INTO loterias (cod_lot, desc_lot) VALUES ('003', 'ORIENTE 7PM');"
                       "UPDATE loterias SET juegaespecial = 'S' WHERE cod_lot = '001';"
                       "INSERT INTO jugadas (especial, desc_espec) VALUES ('Z', 'ZODIACAL');"
                       "INSERT INTO lotespec (cod_lot, especial) VALUES ('001', 'Z');"
                       "SELECT proc.parametrosvendedor_crea(codvendedor) FROM vendedor;"
                       "UPDATE ven_lot SET p_tri_1 = 12.5 WHERE codvendedor = '00002' AND cod_lot = '001';"
                       "UPDATE vendespec SET p_tri_1 = 12.5, comision_jefe = 2.5"
                       "  WHERE codvendedor = '00002' AND cod_lot = '001' AND especial = 'T1'"));
}

// Every value column of ven_lot, in the table's order.
inline const QString ColumnasVenLot = QStringLiteral(
    "minimo_tri, minimo_ter, lim_tri, lim_ter, comi_tri, comi_ter, p_tri_1, p_tri_2, p_tri_3, p_ter_1,"
    " p_ter_2, p_ter_3, montom_digito, lim_digito, comi_digito, premio_digito, lim_numa, lim_numb,"
    " montom_par, comispar, premiopar, sencillo_par, pagacomodin, montocomodin, comision_jefe,"
    " tipode_pago, impuesto");
inline const QString ColumnasVendespec = QStringLiteral(
    "minimo_tri, minimo_ter, lim_tri, lim_ter, comi_tri, comi_ter, p_tri_1, p_tri_2, p_tri_3, p_ter_1,"
    " p_ter_2, p_ter_3, tipode_pago, comision_jefe");

class Fixture : public testsupport::SessionTest {
protected:
    void siembra(testsupport::TestDatabase& db) override { datosparametros::siembra(db); }

    // Every row of a table as "seller|lottery[|special]|values…", by key.
    QStringList tabla(const QString& nombre)
    {
        const bool especial = nombre == QLatin1String("vendespec");
        return db_->rows(QStringLiteral("SELECT codvendedor, cod_lot, %1%2 FROM %3 ORDER BY 1, 2%4")
                             .arg(especial ? QStringLiteral("especial, ") : QString(),
                                  especial ? ColumnasVendespec : ColumnasVenLot, nombre,
                                  especial ? QStringLiteral(", 3") : QString()));
    }
    QStringList fila(const QString& nombre, const QString& donde)
    {
        return db_->rows(QStringLiteral("SELECT %1 FROM %2 WHERE %3")
                             .arg(nombre == QLatin1String("vendespec") ? ColumnasVendespec : ColumnasVenLot,
                                  nombre, donde));
    }
};

// The same with the seller and seller-parameter windows registered and the
// shared lists loaded, as the main menu leaves them; every window is gone
// after each test.
class FixtureVentanas : public Fixture {
protected:
    void SetUp() override
    {
        Fixture::SetUp();
        if (HasFatalFailure())
            return;
        sellers::registerWindows(platform::ui::windowRegistry());
        sellerparams::registerWindows(platform::ui::windowRegistry());
        core::cargalistascompartidas(conexion());
    }
    void TearDown() override
    {
        platform::ui::windowRegistry().clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Fixture::TearDown();
    }
};

} // namespace datosparametros
