#include "sellers/ubicacion.h"

#include "core/masteredita.h"
#include "core/sesion.h"

#include "platform/db/calltext.h"
#include "platform/vbtext.h"

namespace sellers {

namespace db = platform::db;

namespace {

void texto(db::Command& comando, const QString& nombre, int tamano, const QString& valor)
{
    comando.append(nombre, db::DataType::VarChar, db::Direction::Input, tamano, valor);
}

} // namespace

db::RecordSet listaregiones(const QString& opcion)
{
    return core::sesion().conexion.execute(
        db::callText(QStringLiteral("DSPGBR"), {QStringLiteral("0"), opcion}));
}

db::Command comandoactgbr(const QString& modo, const QString& codigo, const QString& nombre,
                          const QString& observaciones, int tiempoEspera)
{
    db::Command c = core::comandoact(QStringLiteral("ACTGBR"), tiempoEspera);
    texto(c, QStringLiteral("@xmodo"), 10, modo);
    texto(c, QStringLiteral("@xcodigo_gobernacion"), AnchoCodigoRegion, platform::vb::trim(codigo));
    texto(c, QStringLiteral("@xdescri_gobernacion"), AnchoNombreUbicacion, platform::vb::rtrim(nombre));
    texto(c, QStringLiteral("@xobserva_gobernacion"), AnchoObservacionesRegion,
          platform::vb::rtrim(observaciones));
    return c;
}

db::RecordSet listaalcaldias()
{
    return core::sesion().conexion.execute(
        db::callText(QStringLiteral("DSPALD"), {QStringLiteral("0"), QString()}));
}

db::RecordSet alcaldiasderegion(const QString& region)
{
    return core::sesion().conexion.execute(db::callText(QStringLiteral("DSPALcdgob"), {region}));
}

db::Command comandoactald(const QString& modo, const QString& codigo, const QString& region,
                          const QString& nombre, const QString& observaciones, int tiempoEspera)
{
    db::Command c = core::comandoact(QStringLiteral("ACTALD"), tiempoEspera);
    texto(c, QStringLiteral("@xmodo"), 1, modo);
    texto(c, QStringLiteral("@xcodigo_alcaldia"), 5, platform::vb::trim(codigo));
    texto(c, QStringLiteral("@xcodigo_gobernacion"), AnchoCodigoRegion, region);
    texto(c, QStringLiteral("@xdescri_alcaldia"), AnchoNombreUbicacion, nombre);
    texto(c, QStringLiteral("@xobserva_alcaldia"), AnchoObservacionesAlcaldia, observaciones);
    return c;
}

} // namespace sellers
