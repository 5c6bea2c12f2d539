#include "lineup/ventanalineup.h"

#include "core/conexion.h"
#include "core/rslineup.h"
#include "lineup/form47.h"
#include "core/filtros.h"
#include "core/sesion.h"
#include "platform/db/calltext.h"
#include "platform/messages.h"
#include "platform/regional.h"
#include "platform/ui/placement.h"
#include "platform/ui/windowregistry.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace lineup {

namespace db = platform::db;
namespace msg = platform::msg;
using core::sesion;

namespace {

const QString Atencion = QStringLiteral("Atención!");

} // namespace

VentanaLineup::VentanaLineup(const QString& titulo)
    : Label1(new QLabel(QStringLiteral("Fecha")))
    , Desdes(new QDateEdit)
    , DataGrid1(new GrillaLineup)
    , Command1(new QPushButton(QStringLiteral("Movimientos")))
    , XPButton1(new QPushButton(QStringLiteral("Ver Historico")))
    , XPButton3(new QPushButton(QStringLiteral("Regresar")))
{
    setWindowTitle(titulo);
    setFrame({.fixedBorder = true, .minButton = true, .maxButton = false, .centred = true});
    Desdes->setObjectName(QStringLiteral("Desdes"));
    Desdes->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    Desdes->setCalendarPopup(true);
    DataGrid1->setObjectName(QStringLiteral("DataGrid1"));
    Command1->setObjectName(QStringLiteral("Command1"));
    XPButton1->setObjectName(QStringLiteral("XPButton1"));
    XPButton3->setObjectName(QStringLiteral("XPButton3"));

    auto* fecha = new QHBoxLayout;
    fecha->addWidget(Label1);
    fecha->addWidget(Desdes);
    fecha->addStretch();
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(Command1);
    botones->addWidget(XPButton1);
    botones->addWidget(XPButton3);
    auto* disposicion = new QVBoxLayout(this);
    disposicion->addLayout(fecha);
    disposicion->addWidget(DataGrid1);
    disposicion->addLayout(botones);

    connect(Desdes, &QDateEdit::dateChanged, this, [this] {
        if (!escribiendoFecha_)
            cambioFecha();
    });
    connect(Command1, &QPushButton::clicked, this, [this] { movimientos(); });
    connect(XPButton1, &QPushButton::clicked, this, [this] { verHistorico(); });
    connect(XPButton3, &QPushButton::clicked, this, [this] { close(); });
}

QString VentanaLineup::fechatexto(const QDate& fecha)
{
    return fecha.toString(QStringLiteral("dd/MM/yyyy"));
}

void VentanaLineup::ponFecha(const QDate& fecha)
{
    escribiendoFecha_ = true;
    Desdes->setDate(fecha);
    escribiendoFecha_ = false;
}

QDate VentanaLineup::fechaServidor() const
{
    return platform::regional::parseDate(sesion().fechaactual).value_or(QDate());
}

bool VentanaLineup::confirmaFecha()
{
    core::fechaservidor();
    if (Desdes->date() <= fechaServidor())
        return true;
    const int respuesta = platform::msgbox(
        QStringLiteral(
            "Esta acción registrará el pago de la cuota automaticamente en la fecha seleccionada "
            "para los vendedores que tenga asignados prestamos y sus respectivas cuotas diarias.") +
            QChar(13) + QStringLiteral("Desea en realidad procesar esta fecha?"),
        msg::YesNo | msg::Question, QStringLiteral("Responda!"));
    if (respuesta == msg::AnswerYes)
        return true;
    ponFecha(fechaServidor());
    return false;
}

core::Trampa VentanaLineup::trampa()
{
    return core::Trampa::ejecuta([this] { cambioFecha(); }).numerada();
}

void VentanaLineup::cambioFecha()
{
    core::manejoerrores(trampa(), [this] {
        if (!confirmaFecha())
            return;
        db::RecordSet rs = consultaLineup();
        habilita(muestraFilas(rs));
        trasCambioFecha();
    });
}

db::RecordSet VentanaLineup::consultaLineup()
{
    const QString fecha = fechatexto(Desdes->date());
    core::renuevaconexion();
    return sesion().conexion.execute(db::callText(QStringLiteral("DspLup22"), {fecha}));
}

void VentanaLineup::habilita(bool hayFilas)
{
    Command1->setEnabled(hayFilas);
}

void VentanaLineup::movimientos()
{
    if (!DataGrid1->tieneFila())
        return;
    const QString codigo = DataGrid1->textoColumna(0).trimmed();
    QString nombre = DataGrid1->textoColumna(1);
    while (nombre.endsWith(u' '))
        nombre.chop(1);
    auto& registro = platform::ui::windowRegistry();
    if (!registro.isRegistered(QStringLiteral("Form50"))) {
        platform::msgbox(QStringLiteral("Opción en desarrollo"), msg::Information, Atencion);
        return;
    }
    platform::ui::Window* form50 = registro.get(QStringLiteral("Form50"));
    if (!form50)
        return;
    form50->setWindowTitle(QStringLiteral("Movimientos en la cuenta de ") + codigo + QStringLiteral(" - ") +
                           nombre);
    sesion().marcador = DataGrid1->marcador();
    if (auto* label7 = form50->findChild<QLabel*>(QStringLiteral("Label7")))
        label7->setText(codigo + QStringLiteral(" - ") + nombre);
    form50->showModeless();
}

void VentanaLineup::verHistorico()
{
    sesion().modoedicion = QStringLiteral("H");
    sesion().marcador = DataGrid1->marcador();
    auto& registro = platform::ui::windowRegistry();
    auto* historia = registro.get<Form47>(QStringLiteral("Form47"));
    if (!historia)
        return;
    historia->setOrigen(DataGrid1);
    historia->showModeless();
}

void VentanaLineup::respaldo_lineup()
{
    core::manejoerrores(trampa(), [this] {
        db::RecordSet rs = consultaLineup();
        habilita(muestraFilas(rs));
    });
}

void VentanaLineup::respaldo_cambios12122005()
{
    static const DisposicionLineup cap{
        {QStringLiteral("Vendedor"), QStringLiteral("Ultima Fec."), QStringLiteral("Saldo Anterior"),
         QStringLiteral("Cuenta de Fec."), QStringLiteral("Cuota Fecha"), QStringLiteral("Cuota Hoy"),
         QStringLiteral("Saldo Pagos"), QStringLiteral("Saldo Jugada"), QStringLiteral("Saldo Prest."),
         QStringLiteral("Saldo Gral.")},
        {2200, 1200, 1400, 1400, 1200, 1200, 1400, 1400, 1400, 1400},
        2,
    };
    core::manejoerrores(core::Trampa::ejecuta([this] { onActivate(); }).numerada(), [this] {
        const QString fecha = fechatexto(Desdes->date());
        db::RecordSet rs = sesion().conexion.execute(db::callText(QStringLiteral("DspLupcap"), {fecha}));
        DataGrid1->muestra(rs, cap);
        habilita(true);
    });
}

db::RecordSet VentanaLineup::crealineup()
{
    static const int largos[] = {5, 50, 10, 10, 10, 10, 1, 10, 10, 10};
    db::RecordSet rs;
    const QStringList& campos = core::camposLineup();
    for (int i = 0; i < campos.size(); ++i)
        rs.appendField(campos[i], db::DataType::VarChar, largos[i]);
    return rs;
}

void VentanaLineup::ajustaAlContenido()
{
    QScreen* pantalla = screen();
    if (!isVisible() || !pantalla)
        return;
    const QMargins marco = platform::ui::desktopFrameMargins(this);
    const QRect area = pantalla->availableGeometry();
    const QSize resto = size() - DataGrid1->size(); // the date, the buttons, the margins
    const QSize deseado = (DataGrid1->tamanoCompleto() + resto)
                              .boundedTo(area.marginsRemoved(marco).size())
                              .expandedTo(size()); // never smaller than it opened
    if (deseado == size())
        return;
    // Where its frame stands: pos() is the frame's corner, also in the moment
    // before the desktop has framed a window that has just opened.
    const QRect antes(pos(), size().grownBy(marco));
    setFixedSize(deseado);
    move(platform::ui::openingPosition(deseado.grownBy(marco), antes, area));
}

bool VentanaLineup::onKeyPreview(QKeyEvent* evento)
{
    if ((evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) && DataGrid1->hasFocus()) {
        movimientos();
        return true;
    }
    return core::teclasventana(*evento, [this] { close(); });
}

} // namespace lineup
