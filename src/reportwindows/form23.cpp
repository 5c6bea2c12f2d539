#include "reportwindows/form23.h"

#include "core/conexion.h"
#include "core/sesion.h"
#include "platform/regional.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>

namespace reportwindows {

namespace regional = platform::regional;

Form23::Form23()
{
    setWindowTitle(QStringLiteral("Reporte de VENTAS DE TAQUILLA"));
    Desdes = new QDateEdit(this);
    Hastas = new QDateEdit(this);
    for (QDateEdit* fecha : {Desdes, Hastas}) {
        fecha->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        fecha->setCalendarPopup(true);
    }
    Combo1 = new QComboBox(this);
    Combo1->setEditable(true);
    auto* disposicion = new QFormLayout(this);
    disposicion->addRow(QStringLiteral("Desde"), Desdes);
    disposicion->addRow(QStringLiteral("Hasta"), Hastas);
    disposicion->addRow(QStringLiteral("Vendedor"), Combo1);
}

QDate Form23::fechaDesde() const
{
    return Desdes->date();
}

QString Form23::textoVendedor() const
{
    return Combo1->currentText();
}

void Form23::onLoad()
{
    core::Sesion& s = core::sesion();
    // The shared list's own cursor is left where other windows put it.
    platform::db::RecordSet vendedores = s.rsvendedores.clone();
    if (vendedores.state() == platform::db::RecordSet::StateOpen) {
        for (; !vendedores.eof(); vendedores.moveNext())
            Combo1->addItem(regional::toText(vendedores.value(QStringLiteral("codvendedor"))) +
                            QStringLiteral(" - ") +
                            regional::toText(vendedores.value(QStringLiteral("nombre_vend"))));
    }
    Combo1->setCurrentIndex(Combo1->count() > 0 ? 0 : -1);

    core::fechaservidor();
    const std::optional<QDate> hoy = regional::parseDate(s.fechaactual);
    Desdes->setDate(hoy.value_or(QDate()));
    Hastas->setDate(hoy.value_or(QDate()));
}

} // namespace reportwindows
