#include "accounts/form27.h"

#include "accounts/grillaajena.h"

#include "core/masteredita.h"
#include "platform/regional.h"
#include "platform/ui/datagrid.h"
#include "platform/ui/windowregistry.h"
#include "platform/vbtext.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace accounts {

namespace {

const QString Form26 = QStringLiteral("Form26");

std::optional<platform::Decimal> numero(const QString& texto)
{
    return platform::Decimal::parse(texto.trimmed(), QLatin1Char(','), QLatin1Char('.'));
}

} // namespace

Form27::Form27() : VentanaMovimientos(QStringLiteral("Form27"))
{
    Command2->hide();
    Command4->hide();
    Frame1->hide();
    connect(Command4, &QPushButton::clicked, this, [] {
        if (auto* w = platform::ui::windowRegistry().get(QStringLiteral("Form30")))
            w->showModeless();
    });
}

QString Form27::lineaVendedor() const
{
    return columnaGrilla(Form26, 0, Busqueda::CargaSiFalta).trimmed() + QStringLiteral(" - ") +
           platform::vb::rtrim(columnaGrilla(Form26, 1, Busqueda::CargaSiFalta));
}

Form28::Form28()
    : EditorMovimiento({.restringePrestamos = false,
                        .decimalComa = false,
                        .admiteCero = false,
                        .avisaDocumentoUsado = false})
{
}

QString Form28::montoDeLineUp()
{
    const std::optional<platform::Decimal> saldo = numero(columnaGrilla(Form26, 7, Busqueda::CargaSiFalta));
    if (!saldo)
        return {};
    // A whole number without separators; a figure that rounds to 0 empties
    // the box.
    const platform::Decimal positivo = saldo->isNegative() ? -*saldo : *saldo;
    return positivo.rounded(0).isZero() ? QStringLiteral("") : positivo.toString(0);
}

void Form28::actmem()
{
    if (txtdescri_mov->currentText() != QLatin1String("0.- Pago Vendedor a Duroz"))
        return;
    platform::ui::Window* w = platform::ui::windowRegistry().get(Form26);
    auto* grilla = w ? w->findChild<platform::ui::DataGrid*>() : nullptr;
    if (!grilla)
        return;
    platform::db::RecordSet filas = grilla->dataSource();
    if (filas.state() != platform::db::RecordSet::StateOpen || filas.bof() || filas.eof())
        return;
    const platform::Decimal pagos = numero(platform::regional::toText(filas.field(6).value())).value_or(0);
    const platform::Decimal monto =
        platform::Decimal::parse(txtmonto_mov->text().trimmed()).value_or(platform::Decimal());
    filas.setValue(6, QVariant::fromValue(pagos + monto));
    filas.update();
    grilla->refresh();
}

} // namespace accounts
