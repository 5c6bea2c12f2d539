#include "reportwindows/form41.h"

#include "core/sesion.h"
#include "platform/db/calltext.h"
#include "platform/vbtext.h"
#include "reports/htmlmovimientos.h"
#include "reportwindows/comunes.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>

namespace reportwindows {

const QStringList Form41::TiposMovimiento = {
    QStringLiteral("0.- Pago Vendedor a Duroz"),
    QStringLiteral("1.- Pago Duroz a Vendedor"),
    QStringLiteral("2.- Prestamo"),
    QStringLiteral("3.- Pago Couta Prestamo"),
    QStringLiteral("4.- Couta diaria Presamo"),
    QStringLiteral("5.- Pago Cuota Diaria"),
};

Form41::Form41()
    : VentanaReporte({.titulo = QStringLiteral("Reporte de Movimientos Administrativos"), .bordes = true})
{
    VEND = cajaEditable(this);
    txtdescri_mov = cajaEditable(this);
    parametros()->addRow(QStringLiteral("Vendedor"), VEND);
    parametros()->addRow(QStringLiteral("Tipo Mov.:"), txtdescri_mov);
}

void Form41::cargaListas()
{
    llenaVendedores(VEND, sinJefe);
    VEND->setCurrentIndex(-1);
    txtdescri_mov->clear();
    txtdescri_mov->addItems(TiposMovimiento);
    txtdescri_mov->setCurrentIndex(-1);
}

platform::db::RecordSet Form41::consulta()
{
    return core::sesion().conexion.execute(
        platform::db::callText(QStringLiteral("rptmov"),
                               {QStringLiteral("0"), fechatexto(Desdes->date()), fechatexto(Hastas->date()),
                                codigoVendedor(VEND), primerCaracter(txtdescri_mov)}));
}

void Form41::fijaEncabezados()
{
    core::Sesion& s = core::sesion();
    s.reportelinea1 = QStringLiteral("Fecha Desde : ") + fechatexto(Desdes->date()) +
                      QStringLiteral(" Hasta: ") + fechatexto(Hastas->date());
    s.reportelinea2.clear();
    if (!VEND->currentText().isEmpty())
        s.reportelinea2 = QStringLiteral("Vendedor: ") + platform::vb::rtrim(VEND->currentText());
}

void Form41::escribe(platform::db::RecordSet& rs, const QString& borde)
{
    reports::htmlmovimientos(rs, core::sesion().reportelinea1, core::sesion().reportelinea2, borde);
}

} // namespace reportwindows
