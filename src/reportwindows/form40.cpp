#include "reportwindows/form40.h"

#include "core/rutinas.h"
#include "core/sesion.h"
#include "platform/db/calltext.h"
#include "platform/vbtext.h"
#include "reports/htmllistas.h"
#include "reportwindows/comunes.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QLabel>

namespace reportwindows {

const QStringList Form40::TiposJugada = {
    QStringLiteral("1 - Triples"),       QStringLiteral("2 - Terminales"),
    QStringLiteral("3 - Ter. Especial"), QStringLiteral("4 - Trip. Especial"),
    QStringLiteral("5 - Digito"),
};

Form40::Form40()
    : VentanaReporte({.titulo = QStringLiteral("Reporte de Listas"), .fechas = Fechas::SoloDesde})
{
    // Its one date is labelled as a start date.
    if (auto* etiqueta = qobject_cast<QLabel*>(parametros()->labelForField(Desdes)))
        etiqueta->setText(QStringLiteral("Desde"));
    Combo1 = cajaEditable(this);
    LALOTERIA = cajaEditable(this);
    VEND = cajaEditable(this);
    parametros()->addRow(QStringLiteral("Jugada"), Combo1);
    parametros()->addRow(QStringLiteral("Loteria"), LALOTERIA);
    parametros()->addRow(QStringLiteral("Vendedor"), VEND);
}

void Form40::generalista()
{
    generar();
}

void Form40::cargaListas()
{
    Combo1->clear();
    Combo1->addItems(TiposJugada);
    Combo1->setCurrentIndex(0);
    llenaVendedores(VEND);
    VEND->setCurrentIndex(-1);
    llenaLoterias(LALOTERIA);
}

platform::db::RecordSet Form40::consulta()
{
    core::Sesion& s = core::sesion();
    s.rsgeneral4 = s.conexion.execute(platform::db::callText(
        QStringLiteral("rptlistas"),
        {fechatexto(Desdes->date()), primerCaracter(Combo1), core::primerapalabra(LALOTERIA->currentText()),
         QString(), QString(), codigoVendedor(VEND)}));
    return s.rsgeneral4;
}

void Form40::fijaEncabezados()
{
    core::Sesion& s = core::sesion();
    s.reportelinea1 = reports::lineaVendedorListas(VEND->currentText());
    s.reportelinea2 = QStringLiteral("Para la Loteria: ") + platform::vb::rtrim(LALOTERIA->currentText());
    s.reportelinea3 = QStringLiteral("Tipo de Jugada: ") + platform::vb::rtrim(Combo1->currentText());
    s.reportetipojugada = primerCaracter(Combo1);
    s.reportelinea4 = QStringLiteral("Fecha: ") + fechatexto(Desdes->date());
}

void Form40::escribe(platform::db::RecordSet& rs, const QString& borde)
{
    const core::Sesion& s = core::sesion();
    reports::htmllistas(rs, s.reportelinea1, s.reportelinea2, s.reportelinea3, s.reportetipojugada,
                        s.reportelinea4, borde);
}

} // namespace reportwindows
