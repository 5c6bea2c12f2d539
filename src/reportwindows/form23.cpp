#include "reportwindows/form23.h"

#include "core/conexion.h"
#include "core/rutinas.h"
#include "core/sesion.h"
#include "reports/reportespuntoventa.h"
#include "reportwindows/comunes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QPushButton>

namespace reportwindows {

const QString Form23::TodosLosVendedores = QStringLiteral("***** - TODOS LOS VENDEDORES");
const QStringList Form23::Estados = {QStringLiteral("0.- Todos"), QStringLiteral("1.- Anulados"),
                                     QStringLiteral("2.- Por Pagar"), QStringLiteral("3.- Pagados")};

Form23::Form23()
    : VentanaReporte({.titulo = QStringLiteral("Reporte de VENTAS DE TAQUILLA"),
                      .reejecutaTrasReconectar = true,
                      .renuevaAlCargar = false})
{
    Combo1 = cajaEditable(this);
    Combo2 = cajaEditable(this);
    Check1 = new QCheckBox(QStringLiteral("Totales de venta por Centro de Apuesta"), this);
    parametros()->addRow(QStringLiteral("Vendedor"), Combo1);
    parametros()->addRow(QStringLiteral("Mostrar:"), Combo2);
    parametros()->addRow(Check1);
    connect(Check1, &QCheckBox::clicked, this, [this](bool marcado) {
        if (marcado)
            Combo1->setEditText(QString());
    });
}

QDate Form23::fechaDesde() const
{
    return Desdes->date();
}

QString Form23::textoVendedor() const
{
    return Combo1->currentText();
}

void Form23::cargaListas()
{
    Combo2->clear();
    Combo2->addItems(Estados);
    Combo2->setCurrentIndex(-1);
    llenaVendedores(Combo1);
    Combo1->addItem(TodosLosVendedores);
    Combo1->setCurrentIndex(Combo1->count() > 1 ? 0 : -1);
}

int Form23::renovaciones() const
{
    return Check1->isChecked() ? 0 : 2;
}

bool Form23::validaParametros()
{
    if (Check1->isChecked() || !Combo1->currentText().left(5).trimmed().isEmpty())
        return true;
    core::cajacompartida(QStringLiteral("Debera Seleccionar un Vendedor o la Opcion TODOS LOS VENDEDORES"),
                         QStringLiteral("Quorvelin 2007 - BACK OFFICE *** ERROR DE PARAMETROS"));
    return false;
}

QString Form23::codigoEstado() const
{
    const QString codigo = Combo2->currentText().left(1).trimmed();
    return codigo.isEmpty() ? QStringLiteral("0") : codigo;
}

platform::db::RecordSet Form23::consulta()
{
    const QString desde = fechatexto(Desdes->date());
    const QString hasta = fechatexto(Hastas->date());
    if (Check1->isChecked())
        return llamadaReporte(QStringLiteral("rpttaquillatotales"),
                              {{QStringLiteral("@xfechad"), 10, desde},
                               {QStringLiteral("@xfechah"), 10, hasta},
                               {QStringLiteral("@xvendedor"), 5, codigoVendedor(Combo1)}});
    return llamadaReporte(QStringLiteral("rptptovta"),
                          {{QStringLiteral("@xfecha"), 10, desde},
                           {QStringLiteral("@xcodigo_vend"), 5, codigoVendedor(Combo1)},
                           {QStringLiteral("@xmodo"), 1, codigoEstado()},
                           {QStringLiteral("@xfechah"), 10, hasta}});
}

void Form23::fijaEncabezados()
{
    core::Sesion& s = core::sesion();
    s.reportelinea1 = QStringLiteral("Vendedor: ") + Combo1->currentText();
    s.reportelinea2 = QStringLiteral("Fecha Desde: ") + fechatexto(Desdes->date()) +
                      QStringLiteral("            Hasta: ") + fechatexto(Hastas->date());
}

void Form23::reportetotales()
{
    Check1->setChecked(true);
    generar();
}

void Form23::escribe(platform::db::RecordSet& rs, const QString& borde)
{
    const core::Sesion& s = core::sesion();
    if (Check1->isChecked())
        reports::reportetotalespuntoventa(rs, s.reportelinea1, s.reportelinea2, borde);
    else
        reports::reportepuntoventa(rs, s.reportelinea1, s.reportelinea2, borde);
}

} // namespace reportwindows
