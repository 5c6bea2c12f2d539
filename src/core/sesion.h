#pragma once
// Program-wide state of the back office: the one shared connection, the
// values set at login and the few values windows hand to each other.

#include "platform/db/connection.h"
#include "platform/db/recordset.h"

#include <QString>

namespace core {

// The shared message box: set and shown together (see cajacompartida()).
struct CajaCompartida {
    QString mensaje;
    int estilo = 16;
    QString titulo;
    QString archivoayuda;
    int contextoayuda = 1000;
    int respuesta = 0;
};

struct Sesion {
    // The shared connection; every abreconexion() replaces it.
    platform::db::Connection conexion;
    // Text copy of the connection string with the credentials as stored;
    // never used to open the shared connection.
    QString cadenaconexion;

    // Login values.
    QString servidor;
    QString puerto = QStringLiteral("1756");
    QString basedatos;
    QString usuarioactual;
    QString nombreoperador;
    QString nombrebanca;
    QString permisoactual;

    // Server date and time of the last fechaservidor().
    QString fechaactual;
    QString horaactual;

    // Lookup lists the main menu loads and many windows read.
    platform::db::RecordSet rsloterias;
    platform::db::RecordSet rsjugadas;
    platform::db::RecordSet rsvendedores;
    // Scratch result sets many windows reuse.
    platform::db::RecordSet rsgeneral;
    platform::db::RecordSet rsgeneral2;
    platform::db::RecordSet rsgeneral3;
    platform::db::RecordSet rsgeneral4;
    // The rows of the last group results (the seller results window).
    platform::db::RecordSet rsreporte;

    // Requests one window leaves for the next: the edit mode ("A" add,
    // "M" modify, "H" a child window is open) and saved grid positions.
    QString modoedicion;
    platform::db::Bookmark marcadormaestro;
    platform::db::Bookmark marcadordetalle;
    platform::db::Bookmark marcador;

    // Header lines of the next report, set by its report window.
    QString reportelinea1;
    QString reportelinea2;
    QString reportelinea3;
    QString reportelinea4;
    QString reportetipojugada;

    CajaCompartida caja;
};

Sesion& sesion();

} // namespace core
