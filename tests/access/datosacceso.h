#pragma once
// Fixtures of the users, operators and serials suites: a test database
// with three sellers, two sale-point users that share the code CAJ1 under
// two sellers, two operators and three terminal serials, the shared
// session connected to it and the message recorder. Without the test
// cluster every test fails: these suites need the server.

#include "access/registro.h"

#include "core/masteredita.h"
#include "core/sesion.h"
#include "platform/db/calltext.h"
#include "platform/db/command.h"
#include "platform/ui/windowregistry.h"
#include "llamadatextos.h"
#include "sessiontest.h"

#include <QCoreApplication>
#include <QStringList>
#include <gtest/gtest.h>

namespace datosacceso {

inline void siembra(testsupport::TestDatabase& db)
{
    db.exec(QStringLiteral(
        "INSERT INTO vendedor (codvendedor, nombre_vend, clave_vend, permisovendedor) VALUES"
        "  ('00001', 'GRUPO NORTE', 'c1', '02-'), ('00002', 'AGENCIA LA FORTUNA', 'c2', ''),"
        "  ('00003', 'TAQUILLA SUR', NULL, '');"
        "INSERT INTO usuarios (codvendedor, usuario, nombre_usua, direccion_usua, telefono_usua, clave_usua,"
        "  email_usua, estado_usua, permisos) VALUES"
        "  ('00001', 'CAJ1', 'Ana Norte', 'Calle 1', '0261-1', 'k1', 'ana@x.ve', '2', 'F2-CF4-P'),"
        "  ('00002', 'CAJ1', 'Luis Fortuna', NULL, NULL, 'k2', NULL, '3', 'R.-R');"
        "INSERT INTO operador (operador, nombreope, claveope, permisooperador) VALUES"
        "  ('ADMIN', 'Administrador', 'admin2007', '01-02-03-04-05-06-07-08-09-10-11-12-'),"
        "  ('CAJA1', 'Cajero Uno', 'caja2007', '14-');"
        "INSERT INTO parametrosbanca (id, name_duroz) VALUES (1, 'BANCA PRUEBA');"
        "INSERT INTO seriales (serial, codvendedor) VALUES ('QV-0001', '00001'), ('QV-0002', NULL),"
        "  ('ZX-9', '00002')"));
}

// A typed call with text inputs of no size limit (nothing cut), answering
// the return value.
inline QString llama(const QString& procedimiento, const QStringList& entradas)
{
    return testsupport::llamaConTextos(procedimiento, entradas);
}

// The rows of a text call, columns joined by "|" (NULL as "NULL").
inline QStringList filas(const QString& procedimiento, const QStringList& argumentos)
{
    platform::db::RecordSet rs = core::sesion().conexion.execute(
        platform::db::callText(procedimiento, argumentos));
    QStringList lista;
    for (; !rs.eof(); rs.moveNext()) {
        QStringList celdas;
        for (int i = 0; i < rs.fieldCount(); ++i)
            celdas << (rs.value(i).isNull() ? QStringLiteral("NULL") : rs.value(i).toString());
        lista << celdas.join(QLatin1Char('|'));
    }
    return lista;
}

class Fixture : public testsupport::SessionTest {
protected:
    void siembra(testsupport::TestDatabase& db) override { datosacceso::siembra(db); }
};

// The same, with every window of the program registered; every window is
// gone after each test.
class FixtureVentanas : public Fixture {
protected:
    void SetUp() override
    {
        Fixture::SetUp();
        if (HasFatalFailure())
            return;
        acceso::registerWindows(platform::ui::windowRegistry());
    }
    void TearDown() override
    {
        platform::ui::windowRegistry().clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Fixture::TearDown();
    }
};

} // namespace datosacceso
