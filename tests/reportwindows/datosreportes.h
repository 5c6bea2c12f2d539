#pragma once
// The fixture of the report windows' suites, on the draw suites' fixture
// (lotteries 001 and 014, special play T1, sellers 00000-00003 and 00009):
// seller 00001 belongs to the group of 00000; sales of 05/03/2026 awarded
// with the results of 001 (123 456 789 / 23 12 89 / 3) and 014, one ticket
// paid, one annulled; a sale of the next day; movements, expenses and open
// connections. Every report window is registered and writes its pages into
// a folder of its own.

#include "../draws/datossorteos.h"

#include "core/sesion.h"
#include "platform/db/calltext.h"
#include "platform/ui/windowregistry.h"
#include "reports/entregareporte.h"
#include "reports/registro.h"
#include "reportwindows/registro.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>

namespace datosreportes {

using datossorteos::Fecha;
using datossorteos::Jugada;
using datossorteos::ticket;

inline QString s(const char* texto)
{
    return QString::fromUtf8(texto);
}

class ConReportes : public datossorteos::ConBase {
protected:
    void SetUp() override
    {
        ConBase::SetUp();
        if (HasFatalFailure())
            return;
        qputenv("DUROZ_HOME", carpeta_.path().toUtf8());
        testsupport::TestDatabase& d = *db_;
        d.exec(s("UPDATE vendedor SET perteneceal = '00000' WHERE codvendedor = '00001';"
                 "INSERT INTO usuarios (codvendedor, usuario, nombre_usua) VALUES ('00000', 'TAQ02', 'CAJERO "
                 "2');"));
        resultados();
        const QString l1 = s("001"), l2 = s("014");
        // 00000: two plays of 123 on one ticket, a terminal, and a special
        // play of T1-01 on 345 (wins the special triple).
        ticket(d, s("00000"), s("0000000001"),
               {{l1, s("123"), s("10")}, {l1, s("123"), s("5")}, {l1, s("45"), s("20")}}, s("S1"));
        ticket(d, s("00000"), s("0000000002"), {{l1, s("123"), s("7")}}, s("S2"), true);
        ticket(d, s("00000"), s("0000000003"), {{l1, s("345"), s("4"), s("T1"), s("01")}}, s("S3"));
        ticket(d, s("00001"), s("0000000001"), {{l1, s("123"), s("3")}, {l2, s("123"), s("4")}}, s("S4"));
        ticket(d, s("00002"), s("0000000001"), {{l1, s("3"), s("2")}, {l1, s("999"), s("6")}}, s("S5"));
        ticket(d, s("00002"), s("0000000002"), {{l1, s("123"), s("9")}}, s("S6"), false, s("'2026-03-06'"));
        EXPECT_EQ(datossorteos::procesa(conexion(), Fecha), s("0"));
        d.exec(s(
            "UPDATE tickets SET pagado = 'S', fechapago = '2026-03-06 09:00', operadorpago = 'ADMIN'"
            " WHERE codvendedor = '00000' AND nroticket = '0000000001';"
            "INSERT INTO movimientos (nromov, descri_mov, monto_mov, fecha_mov, hora_mov, codvendedor) VALUES"
            " ('M1', '0.- Pago Vendedor a Duroz', 1500, '2026-03-05', '10:00', '00000'),"
            " ('M2', '3.- Pago Couta Prestamo', 200, '2026-03-06', '11:00', '00001'),"
            " ('M3', '1.- Pago Duroz a Vendedor', 50, '2026-03-05', '12:00', '00002'),"
            " ('M4', '0.- Pago Vendedor a Duroz', 75, '2026-04-01', '12:00', '00000');"
            "INSERT INTO gastosvendedor (codvendedor, nrogasto, fecha_gasto, descri_gasto, monto_gasto) "
            "VALUES"
            " ('00000', 'G1', '2026-03-10', 'LUZ', 30), ('00002', 'G2', '2026-03-11', 'AGUA', 12),"
            " ('00000', 'G3', '2026-04-02', 'LUZ', 30);"
            "INSERT INTO conexionesactivas (codvendedor, usuario, serial, direccionip, inicio) VALUES"
            " ('00000', 'TAQ01', 'S1', '10.0.0.1', '2026-03-05 08:00'),"
            " ('00000', 'TAQ02', 'S2', '10.0.0.2', '2026-03-05 09:00'),"
            " ('00002', 'TAQ01', 'S5', '10.0.0.3', '2026-03-05 09:30');"));
        d.setServerClock(s("2026-03-05 15:30:00"));
        core::Sesion& ses = core::sesion();
        ses.nombrebanca = s("BANCA LA PRUEBA   ");
        ses.permisoactual = s("19-22-24-27-28-");
        ses.rsvendedores = ses.conexion.execute(platform::db::callText(s("dspven2"), {s("5")}));
        ses.rsloterias = ses.conexion.execute(platform::db::callText(s("xDSPLOT"), {s("4"), s("A")}));
        platform::ui::windowRegistry().clear();
        reports::registerWindows(platform::ui::windowRegistry());
        reportwindows::registerWindows(platform::ui::windowRegistry());
    }

    void TearDown() override
    {
        platform::ui::windowRegistry().clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        qunsetenv("DUROZ_HOME");
        ConBase::TearDown();
    }

    template <class T> T* abre(const char* nombre)
    {
        return qobject_cast<T*>(platform::ui::windowRegistry().show(s(nombre)));
    }

    // The page the last report wrote; empty when none was written.
    static QString pagina()
    {
        QFile archivo(reports::archivoReporte());
        if (!archivo.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(archivo.readAll());
    }

    static void borraPagina() { QFile::remove(reports::archivoReporte()); }

    QTemporaryDir carpeta_;
};

} // namespace datosreportes
