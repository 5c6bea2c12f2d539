#pragma once
// Where sellers are: the calls of the regions (DSPGBR, ACTGBR) and of the
// municipalities (DSPALD, DSPALcdgob, ACTALD).

#include "platform/db/command.h"
#include "platform/db/recordset.h"

#include <QString>

namespace sellers {

// The widest region code: the column's, the editor box's and the seller's
// and municipality's parameters'. ACTGBR takes codes this wide too, so a
// code is stored whole or refused, never cut.
inline constexpr int AnchoCodigoRegion = 5;
// The names of both and the observations of each, as ACTGBR and ACTALD
// take them.
inline constexpr int AnchoNombreUbicacion = 50;
inline constexpr int AnchoObservacionesRegion = 60;
inline constexpr int AnchoObservacionesAlcaldia = 50;

// "DSPGBR '0', opcion": every region; opcion "" for the name as
// Descri_Gobernacion, "00" as Descripcion_gobernacion.
platform::db::RecordSet listaregiones(const QString& opcion);
// ACTGBR mode ("1" add, "2" modify, "3" delete), code trimmed, name and
// observations right-trimmed. `tiempoEspera` -1: the access layer's default.
platform::db::Command comandoactgbr(const QString& modo, const QString& codigo, const QString& nombre,
                                    const QString& observaciones, int tiempoEspera = -1);

// "DSPALD '0',''": every municipality with its region.
platform::db::RecordSet listaalcaldias();
// "DSPALcdgob 'region'": the municipalities of one region.
platform::db::RecordSet alcaldiasderegion(const QString& region);
// ACTALD mode, municipality code trimmed, region code, name and
// observations as given.
platform::db::Command comandoactald(const QString& modo, const QString& codigo, const QString& region,
                                    const QString& nombre, const QString& observaciones,
                                    int tiempoEspera = -1);

} // namespace sellers
