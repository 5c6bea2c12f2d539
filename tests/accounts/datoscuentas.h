#pragma once
// Fixture of the seller-money suites: a test database with two sellers,
// two lotteries' accounts of a few days, three bank accounts (one with a
// five-character code), a few movements and expenses; the shared session
// connected to it, the server clock pinned on 15/03/2026 at 10:30, and
// the message recorder. Without the test cluster every test fails.

#include "core/sesion.h"
#include "sessiontest.h"
#include "ventanasprueba.h"

#include <gtest/gtest.h>

namespace datoscuentas {

inline void siembra(testsupport::TestDatabase& db)
{
    db.setServerClock(QStringLiteral("2026-03-15 10:30:00"));
    db.exec(QStringLiteral(
        "INSERT INTO loterias (cod_lot, desc_lot) VALUES ('001', 'ZULIA 12M');"
        "INSERT INTO vendedor (codvendedor, nombre_vend) VALUES ('00001', 'AGENCIA NORTE'),"
        "  ('00002', 'TAQUILLA SUR'), ('00003', 'SIN MOVIMIENTOS');"
        "INSERT INTO cuentas VALUES ('001', 'Banco de Venezuela', '0102-1'), ('002', 'Banesco', '0134-2'),"
        "  ('CAJA1', 'Caja Chica', 'Efectivo'), ('CAJ', 'Caja Vieja', 'Otro');"
        // The days' lottery accounts: 00001 owes 1000 on the 14th and 500 on the
        // 15th (two rows, one a day of 300 and 200), 00002 owes 400 on the 15th.
        "INSERT INTO saldosdias (vendedor, fecha, cod_lot, tipo_jugada, total_venta, comision, premios, "
        "subtotal)"
        "  VALUES ('00001', '2026-03-14', '001', '1', 1200, 200, 0, 1000),"
        "         ('00001', '2026-03-15', '001', '1', 400, 100, 0, 300),"
        "         ('00001', '2026-03-15', '001', '2', 250, 50, 0, 200),"
        "         ('00002', '2026-03-15', '001', '1', 500, 100, 0, 400);"
        "INSERT INTO movimientos (nromov, descri_mov, monto_mov, fecha_mov, hora_mov, codvendedor,"
        "  observa_mov, codigo_cuenta, tipo_pago_mov)"
        "  VALUES ('P1', '2.- Prestamo', 1000, '2026-03-10', '09:00', '00001', 'Prestamo', '001', '0'),"
        "         ('C1', '5.- Pago Cuota Diaria', 50, '2026-03-14', '06:00', '00001', NULL, NULL, NULL),"
        "         ('D1', '0.- Pago Vendedor a Duroz', 300, '2026-03-15', '08:15', '00001', 'Deposito',"
        "          'CAJA1', '1');"
        "INSERT INTO prestamos (nroprestamo, codvendedor, fecha_prestamo, monto_prestamo, cuota_diaria)"
        "  VALUES ('P1', '00001', '2026-03-10', 1000, 50);"
        "INSERT INTO gastosvendedor (codvendedor, nrogasto, fecha_gasto, descri_gasto, monto_gasto, "
        "observa_gasto)"
        "  VALUES ('00001', 'G1', '2026-03-15', 'Papel', 25.5, 'rollos'),"
        "         ('00001', 'G2', '2026-03-14', 'Internet', 40, NULL),"
        "         ('00002', 'G1', '2026-03-15', 'Luz', 60, NULL);"));
}

class Fixture : public testsupport::SessionTest {
protected:
    void siembra(testsupport::TestDatabase& db) override { datoscuentas::siembra(db); }
};

} // namespace datoscuentas

#include "accounts/registro.h"
#include "reports/registro.h"
#include "platform/ui/window.h"
#include "platform/ui/windowregistry.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

namespace datoscuentas {

// The fixture of the window suites: the seller-money windows registered,
// the shared seller list loaded as the main menu loads it, the program
// folder (where report pages go) a folder of the test's own.
class FixtureVentanas : public Fixture {
protected:
    void SetUp() override
    {
        Fixture::SetUp();
        if (HasFatalFailure())
            return;
        qputenv("DUROZ_HOME", carpeta_.path().toUtf8());
        reports::registerWindows(platform::ui::windowRegistry());
        accounts::registerWindows(platform::ui::windowRegistry());
        core::sesion().rsvendedores = core::sesion().conexion.execute(QStringLiteral("dspven2 '5'"));
        core::sesion().usuarioactual = QStringLiteral("ADMIN");
    }
    void TearDown() override
    {
        platform::ui::windowRegistry().clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        qunsetenv("DUROZ_HOME");
        Fixture::TearDown();
    }

    template <class T> T* abre(const QString& nombre)
    {
        auto* ventana = qobject_cast<T*>(platform::ui::windowRegistry().show(nombre));
        platform::ui::doEvents();
        return ventana;
    }

    // Runs `accion` on the modal window `nombre` as soon as it shows.
    template <class T> static void enModal(const QString& nombre, std::function<void(T*)> accion)
    {
        ventanasprueba::enModal<T>(nombre, std::move(accion));
    }

    QTemporaryDir carpeta_;
};

} // namespace datoscuentas
