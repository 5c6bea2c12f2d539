#include "accounts/editormovimiento.h"

#include "accounts/dialogos.h"
#include "accounts/llamadas.h"
#include "accounts/tiposmovimiento.h"

#include "core/conexion.h"
#include "core/filtros.h"
#include "core/rutinas.h"
#include "core/sesion.h"
#include "platform/messages.h"
#include "platform/regional.h"
#include "platform/vbtext.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace accounts {

namespace db = platform::db;
namespace regional = platform::regional;

EditorMovimiento::EditorMovimiento(const Forma& forma)
    : Label2(new QLabel)
    , txtnomov(new QLineEdit)
    , desdes(new QLabel)
    , txt_cuenta(new QComboBox)
    , txt_pago(new QComboBox)
    , txtdescri_mov(new QComboBox)
    , txtmonto_mov(new QLineEdit)
    , txtobserva_mov(new QLineEdit)
    , Grabar(new QPushButton(QStringLiteral("&Grabar")))
    , Cancelarcam(new QPushButton(QStringLiteral("&Deshacer")))
    , forma_(forma)
{
    setWindowTitle(QStringLiteral("Actualiza Movimientos"));
    setFrame({.fixedBorder = true, .minButton = false, .maxButton = false, .centred = true});
    for (QComboBox* lista : {txt_cuenta, txt_pago, txtdescri_mov}) {
        lista->setEditable(true);
        lista->setMinimumContentsLength(28);
    }
    disposicionEditor(this,
                      {{QStringLiteral("Vendedor:"), Label2},
                       {QStringLiteral("Documento Nro.:"), txtnomov},
                       {QStringLiteral("Fecha:"), desdes},
                       {QStringLiteral("Cuenta:"), txt_cuenta},
                       {QStringLiteral("Tipo de pago"), txt_pago},
                       {QStringLiteral("Descripción:"), txtdescri_mov},
                       {QStringLiteral("Monto Movimiento"), txtmonto_mov},
                       {QStringLiteral("Observ.:"), txtobserva_mov}},
                      Grabar, Cancelarcam);
    core::conectaseleccionatodo(txtdescri_mov);
    for (QLineEdit* caja : {txtmonto_mov, txtnomov, txtobserva_mov})
        core::conectaseleccionatodo(caja);
    txtmonto_mov->installEventFilter(this);
    connect(Grabar, &QPushButton::clicked, this, &EditorMovimiento::grabar);
    connect(Cancelarcam, &QPushButton::clicked, this, &EditorMovimiento::deshacer);
    connect(txtdescri_mov, &QComboBox::activated, this, &EditorMovimiento::eligeTipo);
}

void EditorMovimiento::onLoad()
{
    core::manejoerrores(core::Trampa::simple(), [this] {
        core::renuevaconexion();
        const bool modifica = core::sesion().modoedicion == QLatin1String("M");
        db::RecordSet cuentas = core::sesion().conexion.execute(QStringLiteral("dspcuentas '0' "));
        if (cuentas.recordCount() > 0) {
            QStringList items;
            for (cuentas.moveFirst(); !cuentas.eof(); cuentas.moveNext())
                items << regional::toText(cuentas.value(QStringLiteral("codigo_cuenta"))).trimmed() +
                             QStringLiteral(" - ") +
                             core::textocampo(cuentas.value(QStringLiteral("banco_cuenta")));
            txt_cuenta->addItems(items);
            txt_cuenta->setEditText(modifica ? QString() : items.first());
        }
        txt_pago->addItems(tipospago());
        txt_pago->setEditText(modifica ? QString() : tipospago().first());
        if (modifica)
            return;
        const bool prestamos = !forma_.restringePrestamos ||
                               ofrecePrestamos(core::sesion().basedatos, core::sesion().usuarioactual);
        txtdescri_mov->addItems(tiposmovimiento().mid(0, prestamos ? 5 : 2));
        txtdescri_mov->setEditText(QString());
        core::fechaservidor();
        desdes->setText(core::sesion().fechaactual);
    });
}

void EditorMovimiento::onActivate()
{
    if (modoTomado_)
        return;
    modoTomado_ = true;
    agregando_ = core::sesion().modoedicion == QLatin1String("A");
    if (agregando_)
        return;
    montoanterior_ = monto().value_or(platform::Decimal());
    anterior_ = guardado();
    txtnomov->setReadOnly(true);
}

std::optional<platform::Decimal> EditorMovimiento::monto() const
{
    // The box's own convention first; an amount copied from the list comes
    // in the regional one.
    const QString texto = txtmonto_mov->text().trimmed();
    const auto coma = platform::Decimal::parse(texto, QLatin1Char(','), QLatin1Char('.'));
    if (forma_.decimalComa)
        return coma;
    const auto punto = platform::Decimal::parse(texto, QLatin1Char('.'), QLatin1Char(','));
    return punto ? punto : coma;
}

MovimientoGuardado EditorMovimiento::guardado() const
{
    return {core::primerapalabra(Label2->text()),
            regional::parseDate(desdes->text().trimmed()).value_or(QDate()), txtdescri_mov->currentText(),
            monto().value_or(platform::Decimal())};
}

void EditorMovimiento::eligeTipo()
{
    const QString tipo = txtdescri_mov->currentText().left(1);
    if (tipo != QLatin1String("0") && tipo != QLatin1String("1"))
        return;
    const QString texto = montoDeLineUp();
    if (!texto.isNull())
        txtmonto_mov->setText(texto);
}

bool EditorMovimiento::camposValidos(const std::optional<platform::Decimal>& valor) const
{
    const bool montoBueno = valor &&
                            (forma_.admiteCero ? !valor->isNegative() : *valor > platform::Decimal());
    if (montoBueno && tiposmovimiento().contains(platform::vb::rtrim(txtdescri_mov->currentText())))
        return true;
    return !txtnomov->text().trimmed().isEmpty() && !txt_cuenta->currentText().trimmed().isEmpty() &&
           !txt_pago->currentText().trimmed().isEmpty();
}

void EditorMovimiento::grabar()
{
    atrapa([this] { envia(); });
}

void EditorMovimiento::envia()
{
    if (!enviado_) {
        core::renuevaconexion();
        if (txtnomov->text().trimmed().isEmpty()) {
            platform::msgbox(QStringLiteral("Debe especificar el Nro. del Documento"), 16,
                             core::TituloAtencion);
            return;
        }
        if (forma_.decimalComa)
            txtmonto_mov->setText(core::puntoacoma(core::quitapuntos(txtmonto_mov->text())));
        const std::optional<platform::Decimal> valor = monto();
        if (!camposValidos(valor)) {
            platform::msgbox(QStringLiteral("Debe llenar los campos correctamente"));
            return;
        }
        Movimiento m{agregando_ ? QStringLiteral("0") : QStringLiteral("1"),
                     txtnomov->text(),
                     txtdescri_mov->currentText(),
                     valor ? QVariant::fromValue(*valor) : QVariant(txtmonto_mov->text()),
                     desdes->text().trimmed(),
                     core::sesion().horaactual,
                     core::primerapalabra(Label2->text()),
                     txtobserva_mov->text(),
                     core::primerapalabra(txt_cuenta->currentText()),
                     core::primerapalabra(txt_pago->currentText())};
        db::Command c = comandoactmov(m);
        c.execute();
        const QString respuesta = core::respuesta(c);
        if (respuesta == QLatin1String("55") && forma_.avisaDocumentoUsado) {
            platform::msgbox(
                QStringLiteral("El Nro. de Documento ya ha sido utilizado, Por favor verifique!"), 16,
                QStringLiteral("Atención"));
            txtnomov->setFocus();
            return;
        }
        if (respuesta != QLatin1String("0")) {
            // Refused: nothing was stored, so the line-up in memory is left
            // as it is (it would show a movement the server does not have).
            platform::msgbox(QStringLiteral("Hubo problemas para actualizar registro"));
            close();
            return;
        }
        enviado_ = true;
        platform::msgbox(QStringLiteral("Movimiento Grabado Correctamente"));
    }
    trasGrabar(anterior_, guardado());
    close();
}

void EditorMovimiento::deshacer()
{
    core::sesion().modoedicion = QStringLiteral("H");
    close();
}

bool EditorMovimiento::onKeyPreview(QKeyEvent* evento)
{
    if (core::codigotecla(*evento) == core::TeclaEsc) {
        deshacer();
        return true;
    }
    return false;
}

bool EditorMovimiento::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == txtmonto_mov && evento->type() == QEvent::KeyPress) {
        auto* tecla = static_cast<QKeyEvent*>(evento);
        const int codigo = core::codigotecla(*tecla);
        if (codigo >= 0) {
            const int pasa = forma_.decimalComa ? filtromontocoma(txtmonto_mov->text(), codigo)
                                                : filtromontopunto(txtmonto_mov->text(), codigo);
            if (pasa == 0)
                return true;
            if (pasa != codigo) {
                txtmonto_mov->insert(QString(QChar(pasa)));
                return true;
            }
        }
    }
    return core::VentanaAtrapada::eventFilter(objeto, evento);
}

bool EditorMovimiento::onQueryUnload()
{
    vaciaModoAlCerrar();
    return true;
}

} // namespace accounts
