#include "access/estaciontrabajo.h"

namespace acceso {

namespace {

const QString Impresion = QStringLiteral("Impresion");
const QString Comunicaciones = QStringLiteral("Comunicaciones");
const QString ModoLocal = QStringLiteral("Modo Local");

} // namespace

const QList<Ajuste>& estaciontrabajo()
{
    static const QList<Ajuste> ajustes = {
        {QStringLiteral("diascaduca"), QStringLiteral("Dias Validos del Premio"), Impresion,
         QStringLiteral("Diascaduca"), false},
        {QStringLiteral("margenizquierdo"), QStringLiteral("Margen Izquierdo"), Impresion,
         QStringLiteral("MargenIzquierdo"), false},
        {QStringLiteral("filassalto"), QStringLiteral("Filas del Salto"), Impresion,
         QStringLiteral("FilasSalto"), false},
        {QStringLiteral("tipoletra"), QStringLiteral("Letra (Normal , Comprimida)"), Impresion,
         QStringLiteral("TipoLetra"), false},
        {QStringLiteral("puertoprinter"), QStringLiteral("Puerto de la Impresora"), Impresion,
         QStringLiteral("PuertoPrinter"), false},
        {QStringLiteral("puertofax"), QStringLiteral("Puerto del FAX MODEM"), Comunicaciones,
         QStringLiteral("PuertoFax"), false},
        {QStringLiteral("velocidadfax"), QStringLiteral("Velocidad ( B.P.S. )"), Comunicaciones,
         QStringLiteral("VelocidadFax"), false},
        {QStringLiteral("codtel1"), QStringLiteral("Número Teléfonico de la Duroz"), Comunicaciones,
         QStringLiteral("CodTel1"), false},
        {QStringLiteral("nrotel1"), QStringLiteral("Número Teléfonico de la Duroz"), Comunicaciones,
         QStringLiteral("Nrotel1"), false},
        {QStringLiteral("codtel2"), QStringLiteral("Número Alterno de la Duroz"), Comunicaciones,
         QStringLiteral("CodTel2"), false},
        {QStringLiteral("nrotel2"), QStringLiteral("Número Alterno de la Duroz"), Comunicaciones,
         QStringLiteral("Nrotel2"), false},
        {QStringLiteral("letradisquete"), QStringLiteral("Letra que identifica la Unidad de Disquete"),
         Comunicaciones, QStringLiteral("LetraDisquete"), false},
        {QStringLiteral("modotrabajo"), QStringLiteral("Modo de Trabajo"), Comunicaciones,
         QStringLiteral("ModoTrabajo"), false},
        {QStringLiteral("bdonline"), QStringLiteral("Accesar B.D. On Line"), Comunicaciones,
         QStringLiteral("BDONLine"), false},
        {QStringLiteral("dirip_1"), QStringLiteral("Dirección IP Primaria"), Comunicaciones,
         QStringLiteral("DIRIP_1"), false},
        {QStringLiteral("dirip_2"), QStringLiteral("Dirección IP Secundaria"), Comunicaciones,
         QStringLiteral("DIRIP_2"), false},
        {QStringLiteral("dirip_offline"), QStringLiteral("Dirección IP Off Line"), ModoLocal,
         QStringLiteral("DIRIP_OFFLine"), false},
        {QStringLiteral("bdoffline"), QStringLiteral("B.D. off line"), ModoLocal, QStringLiteral("BDOFFLINE"),
         false},
        {QStringLiteral("nrocolumnas"), QStringLiteral("Numero de Columnas"), Impresion,
         QStringLiteral("Nrocolumnas"), false},
        {QStringLiteral("claveoffline"), QStringLiteral("Clave para trabajar off line"), ModoLocal,
         QStringLiteral("ClaveOffLine"), false},
        {QStringLiteral("tiempoanular"), QStringLiteral("Tiempo para Anular"), QString(), QString(), true},
    };
    return ajustes;
}

} // namespace acceso
