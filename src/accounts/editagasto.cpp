#include "accounts/editagasto.h"

#include "accounts/dialogos.h"
#include "accounts/grillaajena.h"
#include "accounts/llamadas.h"

#include "core/conexion.h"
#include "core/filtros.h"
#include "core/rutinas.h"
#include "core/sesion.h"
#include "platform/decimal.h"
#include "platform/messages.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace accounts {

namespace db = platform::db;

namespace {

constexpr int TiempoEsperaGrabar = 900;

// The amount box's text ("." before decimals) as the decimal it stands for;
// a text that is no number goes as it is, for the server to refuse.
QVariant montoTecleado(const QString& texto)
{
    if (const auto d = platform::Decimal::parse(texto.trimmed(), QLatin1Char('.'), QLatin1Char(',')))
        return QVariant::fromValue(*d);
    return texto.trimmed().isEmpty() ? QVariant() : QVariant(texto);
}

} // namespace

editagasto::editagasto()
    : Label2(new QLabel)
    , txtnomov(new QLineEdit)
    , desdes(new QLabel)
    , txtdescri_mov(new QLineEdit)
    , txtmonto_mov(new QLineEdit)
    , txtobserva_mov(new QLineEdit)
    , Grabar(new QPushButton(QStringLiteral("&Grabar")))
    , Cancelarcam(new QPushButton(QStringLiteral("&Deshacer")))
{
    setWindowTitle(QStringLiteral("Actualiza Gastos"));
    setFrame({.fixedBorder = true, .minButton = false, .maxButton = false, .centred = true});
    disposicionEditor(this,
                      {{QStringLiteral("Vendedor:"), Label2},
                       {QStringLiteral("Documento Nro.:"), txtnomov},
                       {QStringLiteral("Fecha:"), desdes},
                       {QStringLiteral("Descripción:"), txtdescri_mov},
                       {QStringLiteral("Monto Egreso Bs."), txtmonto_mov},
                       {QStringLiteral("Observ.:"), txtobserva_mov}},
                      Grabar, Cancelarcam);
    core::conectafiltrodecimal(txtmonto_mov);
    for (QLineEdit* caja : {txtnomov, txtdescri_mov, txtmonto_mov, txtobserva_mov})
        core::conectaseleccionatodo(caja);
    core::encadenaTabulacion({txtnomov, txtdescri_mov, txtmonto_mov, txtobserva_mov, Grabar, Cancelarcam});
    txtdescri_mov->installEventFilter(this);
    connect(Grabar, &QPushButton::clicked, this, &editagasto::grabar);
    connect(Cancelarcam, &QPushButton::clicked, this, [this] { close(); });
}

void editagasto::onLoad()
{
    if (core::sesion().modoedicion == QLatin1String("M")) {
        txtnomov->setEnabled(false);
        return;
    }
    core::fechaservidor();
    desdes->setText(core::sesion().fechaactual);
}

void editagasto::onActivate()
{
    if (!modoTomado_) {
        modoTomado_ = true;
        agregando_ = core::sesion().modoedicion == QLatin1String("A");
    }
    if (!agregando_)
        txtnomov->setEnabled(false);
}

bool editagasto::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == txtdescri_mov && evento->type() == QEvent::MouseButtonRelease)
        clickDescripcion();
    return core::VentanaAtrapada::eventFilter(objeto, evento);
}

void editagasto::clickDescripcion()
{
    const QString tipo = txtdescri_mov->text().left(1);
    if (tipo != QLatin1String("0") && tipo != QLatin1String("1"))
        return;
    const QString saldo = columnaGrilla(QStringLiteral("Form26"), 7, Busqueda::CargaSiFalta);
    const auto valor = platform::Decimal::parse(saldo, QLatin1Char(','), QLatin1Char('.'));
    if (!valor)
        return;
    txtmonto_mov->setText((valor->isNegative() ? -*valor : *valor).toString(0));
}

void editagasto::grabar()
{
    atrapa([this] {
        if (txtnomov->text().trimmed().isEmpty()) {
            platform::msgbox(QStringLiteral("Debe especificar el Nro. del Documento"), 16,
                             core::TituloAtencion);
            return;
        }
        db::Command c = comandoactgastos({agregando_ ? QStringLiteral("0") : QStringLiteral("1"),
                                          txtnomov->text(), txtdescri_mov->text(),
                                          montoTecleado(txtmonto_mov->text()), desdes->text().trimmed(),
                                          core::primerapalabra(Label2->text()), txtobserva_mov->text()},
                                         TiempoEsperaGrabar);
        c.execute();
        if (core::respuesta(c) != QLatin1String("0")) {
            platform::msgbox(QStringLiteral("Hubo problemas para actualizar registro"));
            return;
        }
        platform::msgbox(QStringLiteral("Movimiento Grabado Correctamente"));
        close();
    });
}

bool editagasto::onKeyPreview(QKeyEvent* evento)
{
    return core::teclasventana(
        *evento, [this] { close(); }, [this] { grabar(); });
}

bool editagasto::onQueryUnload()
{
    vaciaModoAlCerrar();
    return true;
}

} // namespace accounts
