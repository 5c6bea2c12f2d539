#include "accounts/reportescuentas.h"

#include "core/masteredita.h"
#include "core/rutinas.h"
#include "core/sesion.h"
#include "platform/db/calltext.h"
#include "platform/vbtext.h"
#include "reports/htmlcuentas.h"
#include "reports/htmlgastojugada.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>

namespace accounts {

namespace db = platform::db;

ReporteRango::ReporteRango(const Rango& rango)
    : VentanaReporte({.titulo = rango.titulo, .bordes = true})
    , VEND(new QComboBox(this))
    , vendh(new QComboBox(this))
    , Check1(new QCheckBox(rango.detalle, this))
    , rango_(rango)
{
    VEND->setEditable(true);
    vendh->setEditable(true);
    parametros()->addRow(rango.etiquetaDesde, VEND);
    parametros()->addRow(rango.etiquetaHasta, vendh);
    parametros()->addRow(Check1);
}

QString ReporteRango::detalle() const
{
    return Check1->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

db::RecordSet ReporteRango::consulta()
{
    return core::sesion().conexion.execute(
        db::callText(rango_.procedimiento,
                     {core::primerapalabra(VEND->currentText()), core::primerapalabra(vendh->currentText()),
                      fechatexto(Desdes->date()), fechatexto(Hastas->date()), detalle()}));
}

void ReporteRango::fijaEncabezados()
{
    core::Sesion& s = core::sesion();
    s.reportelinea1 = QStringLiteral("Fecha Desde : ") + fechatexto(Desdes->date()) +
                      QStringLiteral(" Hasta: ") + fechatexto(Hastas->date());
    s.reportelinea2.clear();
    if (!VEND->currentText().isEmpty())
        s.reportelinea2 = rango_.encabezadoDesde + platform::vb::rtrim(VEND->currentText()) +
                          rango_.encabezadoHasta + platform::vb::rtrim(vendh->currentText());
}

rptgastojugada::rptgastojugada()
    : ReporteRango({QStringLiteral("Reporte de Consolidacion de Jugada/Gastos"),
                    QStringLiteral("Desde Vendedor:"), QStringLiteral("Hasta Vendedor:"),
                    QStringLiteral("Detallar el reporte por fechas"), QStringLiteral("RPTGASTOSALDO"),
                    QStringLiteral("Desde Vendedor: "), QStringLiteral(" Hasta Vendedor: ")})
{
}

void rptgastojugada::cargaListas()
{
    for (QComboBox* caja : {VEND, vendh}) {
        llenaVendedores(caja);
        caja->setCurrentIndex(-1);
        caja->setEditText(QString());
    }
}

void rptgastojugada::escribe(db::RecordSet& rs, const QString& borde)
{
    reports::htmlgastojugada(rs, core::sesion().reportelinea1, core::sesion().reportelinea2, borde,
                             detalle());
}

rptcuenta::rptcuenta()
    : ReporteRango({QStringLiteral("Reporte de Consolidacion de saldos por Cuentas Bancarias"),
                    QStringLiteral("Desde Cuenta:"), QStringLiteral("Hasta Cuenta:"),
                    QStringLiteral("Detallar el reporte"), QStringLiteral("RPTcuentamov"),
                    QStringLiteral("Desde Cuenta: "), QStringLiteral(" Hasta Cuenta: ")})
{
}

void rptcuenta::cargaListas()
{
    db::RecordSet cuentas = core::sesion().conexion.execute(QStringLiteral("DSPcuentas '0'"));
    VEND->clear();
    vendh->clear();
    for (; cuentas.recordCount() > 0 && !cuentas.eof(); cuentas.moveNext()) {
        const QString item = core::textocampo(cuentas.value(QStringLiteral("codigo_cuenta"))) +
                             QStringLiteral(" - ") +
                             core::textocampo(cuentas.value(QStringLiteral("banco_cuenta"))).trimmed();
        VEND->addItem(item);
        vendh->addItem(item);
    }
    VEND->setCurrentIndex(VEND->count() > 0 ? 0 : -1);
    vendh->setCurrentIndex(vendh->count() > 0 ? 0 : -1);
}

void rptcuenta::escribe(db::RecordSet& rs, const QString& borde)
{
    reports::htmlcuentas(rs, core::sesion().reportelinea1, core::sesion().reportelinea2, borde, detalle());
}

} // namespace accounts
