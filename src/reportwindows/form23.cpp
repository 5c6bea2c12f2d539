#include "reportwindows/form23.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QPushButton>

namespace reportwindows {

Form23::Form23()
    : VentanaReporte({.titulo = QStringLiteral("Reporte de VENTAS DE TAQUILLA"),
                      .reejecutaTrasReconectar = true,
                      .renuevaAlCargar = false})
{
    Combo1 = new QComboBox(this);
    Combo1->setEditable(true);
    parametros()->addRow(QStringLiteral("Vendedor"), Combo1);
    Command1->setEnabled(false);
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
    llenaVendedores(Combo1);
    Combo1->setCurrentIndex(Combo1->count() > 0 ? 0 : -1);
}

} // namespace reportwindows
