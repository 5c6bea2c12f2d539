#include "reportwindows/rpn.h"

#include "core/conexion.h"
#include "core/rutinas.h"
#include "core/sesion.h"
#include "core/validapermiso.h"
#include "platform/messages.h"
#include "platform/regional.h"
#include "platform/ui/windowregistry.h"
#include "platform/vbtext.h"
#include "reports/htmlpremiosnumero.h"
#include "reportwindows/comunes.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace reportwindows {

namespace regional = platform::regional;
using platform::db::RecordSet;

namespace {

const QString Atencion = QStringLiteral("Atención!");

void aviso(const QString& texto, QWidget* foco)
{
    platform::msgbox(texto, platform::msg::Critical, Atencion);
    foco->setFocus();
}

} // namespace

rpn::rpn()
    : VentanaReporte({.titulo = QString::fromUtf8("Reporte de Premios por Número"),
                      .fechas = Fechas::SoloDesde,
                      .bordes = true})
{
    VEND = cajaEditable(this);
    LALOTERIA = cajaEditable(this);
    Combo1 = cajaEditable(this);
    Combo2 = cajaEditable(this);
    Text1 = new QLineEdit(this);
    // A longer number would be cut to its first three figures by the call
    // while the header showed it whole.
    Text1->setMaxLength(3);
    XPButton1 = new QPushButton(QString::fromUtf8("14 . - Premiación"), this);
    auto* fila = new QHBoxLayout;
    // The date shares its row with the button: the pattern's own row goes.
    const QFormLayout::TakeRowResult filaFecha = parametros()->takeRow(Desdes);
    if (filaFecha.labelItem) {
        delete filaFecha.labelItem->widget();
        delete filaFecha.labelItem;
    }
    delete filaFecha.fieldItem;
    fila->addWidget(Desdes);
    fila->addWidget(XPButton1);
    parametros()->insertRow(0, QStringLiteral("Fecha:"), fila);
    parametros()->addRow(QStringLiteral("Vendedor:"), VEND);
    parametros()->addRow(QStringLiteral("Loteria:"), LALOTERIA);
    parametros()->addRow(QStringLiteral("Especial:"), Combo1);
    parametros()->addRow(QStringLiteral("Jugada:"), Combo2);
    parametros()->addRow(QString::fromUtf8("Número:"), Text1);
    Combo2->installEventFilter(this);
    connect(XPButton1, &QPushButton::clicked, this, [this] { abrePremiacion(); });
}

void rpn::cargaListas()
{
    llenaVendedores(VEND);
    VEND->setCurrentIndex(-1);
    llenaLoterias(LALOTERIA);
    Combo1->clear();
    RecordSet especiales = core::sesion().conexion.execute(QStringLiteral("DSPjugadase"));
    for (; !especiales.eof(); especiales.moveNext())
        Combo1->addItem(
            regional::toText(especiales.value(QStringLiteral("especial"))).trimmed() + QStringLiteral(" - ") +
            platform::vb::rtrim(regional::toText(especiales.value(QStringLiteral("desc_espec")))));
    Combo1->setCurrentIndex(-1);
}

void rpn::cargajugadas()
{
    core::renuevaconexion();
    RecordSet jugadas = core::sesion().conexion.execute(QStringLiteral("DSPjugadeta"));
    if (jugadas.recordCount() <= 0)
        return;
    const QString especial = core::primerapalabra(Combo1->currentText());
    Combo2->clear();
    for (jugadas.moveFirst(); !jugadas.eof(); jugadas.moveNext()) {
        if (regional::toText(jugadas.value(QStringLiteral("especial"))).trimmed() != especial)
            continue;
        Combo2->addItem(regional::toText(jugadas.value(QStringLiteral("jugada"))) + QStringLiteral(" - ") +
                        regional::toText(jugadas.value(QStringLiteral("desc_jugada"))).trimmed());
    }
    Combo2->setCurrentIndex(Combo2->count() > 0 ? 0 : -1);
    if (Combo2->count() == 0)
        Combo2->setEditText(QString());
}

bool rpn::eventFilter(QObject* objeto, QEvent* evento)
{
    // The play box lists the plays of the special play shown when it gets
    // the focus; a failing list leaves it as it was and says so.
    if (objeto == Combo2 && evento->type() == QEvent::FocusIn)
        core::manejoerrores(core::Trampa::simple(), [this] { cargajugadas(); });
    return VentanaReporte::eventFilter(objeto, evento);
}

bool rpn::validaParametros()
{
    if (LALOTERIA->currentText().isEmpty()) {
        aviso(QStringLiteral("Debe seleccionar una loteria!"), LALOTERIA);
        return false;
    }
    if (Text1->text().isEmpty()) {
        aviso(QString::fromUtf8("Debe teclear un número!"), Text1);
        return false;
    }
    return true;
}

RecordSet rpn::consulta()
{
    return llamadaReporte(QStringLiteral("reportepremionumero"),
                          {{QStringLiteral("@loteria"), 3, core::primerapalabra(LALOTERIA->currentText())},
                           {QStringLiteral("@numero"), 3, Text1->text()},
                           {QStringLiteral("@jugada"), 2, core::primerapalabra(Combo2->currentText())},
                           {QStringLiteral("@especial"), 3, core::primerapalabra(Combo1->currentText())},
                           {QStringLiteral("@fecha"), 10, fechatexto(Desdes->date())},
                           {QStringLiteral("@vendedor"), 5, codigoVendedor(VEND)}});
}

void rpn::escribe(RecordSet& rs, const QString& borde)
{
    // The header lines change only when there is a page to show.
    core::Sesion& s = core::sesion();
    s.reportelinea1 = QString::fromUtf8("Reporte de Premios por El Número: ") + Text1->text() +
                      QStringLiteral(" De la Fecha: ") + fechatexto(Desdes->date());
    s.reportelinea2 = QStringLiteral("Loteria: ") + LALOTERIA->currentText();
    if (!Combo1->currentText().isEmpty())
        s.reportelinea2 += QStringLiteral(" Especial: ") + Combo1->currentText();
    if (!Combo2->currentText().isEmpty())
        s.reportelinea2 += QStringLiteral(" Jugada: ") + Combo2->currentText();
    reports::htmlpremiosnumero(rs, s.reportelinea1, s.reportelinea2, borde);
}

void rpn::abrePremiacion()
{
    if (!core::validapermiso(XPButton1->text())) {
        platform::msgbox(QStringLiteral("Permiso de acceso denegado"), platform::msg::Critical, Atencion);
        return;
    }
    platform::ui::windowRegistry().show(QStringLiteral("Form38"));
}

} // namespace reportwindows
