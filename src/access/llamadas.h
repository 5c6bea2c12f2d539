#pragma once
// The server calls of the users, operators and terminal serial windows,
// each built in one place with its values bound, and the length check the
// editors run before sending (a text longer than its parameter would be
// cut on its way to the server: a cut password would no longer log in).

#include "platform/db/command.h"
#include "platform/db/recordset.h"

#include <QString>

namespace acceso {

// Parameter sizes.
inline constexpr int AnchoCodigo = 5;
inline constexpr int AnchoNombreOperador = 30;
inline constexpr int AnchoClave = 10;
inline constexpr int AnchoNombreUsuario = 50;
inline constexpr int AnchoDireccion = 100;
inline constexpr int AnchoTelefono = 50;
inline constexpr int AnchoEmail = 50;
inline constexpr int AnchoBusqueda = 40;
inline constexpr int TiempoEsperaGrabar = 900;
inline constexpr int TiempoEsperaBusqueda = 3600;

// False, after telling the operator "El campo <campo> no puede tener más
// de <ancho> caracteres", when `texto` is longer than `ancho`.
bool cabe(const QString& texto, int ancho, const QString& campo);

// --- Operators.
// "DSPOPR '0', ''": every operator (code, name, password, permissions).
platform::db::RecordSet listaoperadores();
// ACTOPR with its five inputs; the call is not run yet.
platform::db::Command comandoactopr(const QString& modo, const QString& operador, const QString& nombre,
                                    const QString& clave, const QString& permisos, int tiempoEspera = -1);

// --- Sale-point users.
struct RegistroUsuario {
    QString vendedor;       // seller code
    QString nombrevendedor; // seller name
    QString usuario;
    QString nombre;
    QString direccion;
    QString telefono;
    QString email;
    QString clave;
    QString estado; // "1", "2", "3"
};
// "DSPUSR '0', '', ''": every user of every seller.
platform::db::RecordSet listausuarios();
// The user of the list's current row; an empty record when there is none.
RegistroUsuario registrodeusuario(const platform::db::RecordSet& lista);
// ACTUSR with its ten inputs: the record's fields, the state and the
// permission string; the call is not run yet.
platform::db::Command comandoactusr(const QString& modo, const RegistroUsuario& usuario,
                                    const QString& estado, const QString& permiso, int tiempoEspera = -1);

// --- Terminal serials.
// actseriales run with its four inputs (the user always "0").
platform::db::Command comandoactseriales(const QString& modo, const QString& serial, const QString& vendedor);
// dspserialven run with the mode and the search text.
platform::db::RecordSet buscaserialven(const QString& modo, const QString& texto);

} // namespace acceso
