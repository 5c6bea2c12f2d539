#include "accounts/menugastos.h"

#include "accounts/dialogos.h"
#include "accounts/editagasto.h"
#include "accounts/llamadas.h"

#include "core/conexion.h"
#include "core/filtros.h"
#include "core/rutinas.h"
#include "core/sesion.h"
#include "platform/messages.h"
#include "platform/regional.h"
#include "platform/ui/windowregistry.h"
#include "platform/vbtext.h"
#include "reports/ventanareporte.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace accounts {

namespace db = platform::db;

menugastos::menugastos()
    : Label7(new QLabel)
    , Hastas(new QDateEdit)
    , DataGrid1(new core::GrillaCatalogo)
    , Grabar(new QPushButton(QStringLiteral("&Incluir")))
    , Command1(new QPushButton(QStringLiteral("&Modificar")))
    , Command2(new QPushButton(QStringLiteral("&Eliminar")))
    , Command3(new QPushButton(QStringLiteral("&Salir")))
    , Command4(new QPushButton(QStringLiteral("Ver Line-Up")))
{
    setWindowTitle(QStringLiteral("Gastos"));
    setFrame({.fixedBorder = true, .maxButton = false, .centred = true});
    Hastas->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    Hastas->setCalendarPopup(true);
    auto* raiz = new QVBoxLayout(this);
    auto* cabecera = new QHBoxLayout;
    cabecera->addWidget(Label7, 1);
    cabecera->addWidget(Hastas);
    raiz->addLayout(cabecera);
    DataGrid1->setToolTip(QStringLiteral("Gastos de hoy"));
    DataGrid1->reserveColumnsWidth(9000);
    raiz->addWidget(DataGrid1, 1);
    auto* botones = new QHBoxLayout;
    for (QPushButton* b : {Grabar, Command1, Command2, Command3, Command4})
        botones->addWidget(b);
    raiz->addLayout(botones);
    Command4->hide();
    connect(Grabar, &QPushButton::clicked, this, &menugastos::incluir);
    connect(Command1, &QPushButton::clicked, this, &menugastos::modificar);
    connect(Command2, &QPushButton::clicked, this, &menugastos::eliminar);
    connect(Command3, &QPushButton::clicked, this, [this] { close(); });
    connect(Command4, &QPushButton::clicked, this, [] {
        if (auto* w = platform::ui::windowRegistry().get(QStringLiteral("Form30")))
            w->showModeless();
    });
    // A failed date change comes back, after a reconnection, with the
    // activation's list of the server date.
    connect(Hastas, &QDateEdit::dateChanged, this, [this] {
        core::manejoerrores(core::Trampa::ejecuta([this] { onActivate(); }).numerada(),
                            [this] { cargagastos(); });
    });
}

QString menugastos::vendedor() const
{
    return core::primerapalabra(Label7->text());
}

QString menugastos::fecha() const
{
    return reports::VentanaReporte::fechatexto(Hastas->date());
}

void menugastos::ponFechaServidor()
{
    core::fechaservidor();
    const QSignalBlocker sinAviso(Hastas);
    Hastas->setDate(platform::regional::parseDate(core::sesion().fechaactual).value_or(QDate()));
}

void menugastos::onLoad()
{
    ponFechaServidor();
}

void menugastos::onActivate()
{
    atrapa([this] {
        ponFechaServidor();
        core::renuevaconexion();
        cargagastos();
    });
}

void menugastos::cargagastos()
{
    db::Command c = comandodspgastos(fecha(), vendedor());
    muestra(c.execute());
}

void menugastos::muestra(const db::RecordSet& lista)
{
    const bool filas = lista.recordCount() > 0;
    Command1->setEnabled(filas);
    Command2->setEnabled(filas);
    DataGrid1->setDataSource(lista);
    DataGrid1->disponeColumnas({{1, QStringLiteral("Nro. Gasto "), 3000},
                                {3, QStringLiteral("Descripción"), 3000},
                                {4, QStringLiteral("Monto Bs."), 3000}});
    DataGrid1->refresh();
}

// The editor is labelled with the seller this window lists, so the expense
// is stored under that seller whatever the picker shows meanwhile.
void menugastos::incluir()
{
    auto* editor = core::cargaVentana<editagasto>(QStringLiteral("editagasto"));
    if (!editor)
        return;
    editor->Label2->setText(Label7->text());
    core::sesion().modoedicion = QStringLiteral("A");
    editor->showModal(this);
}

void menugastos::modificar()
{
    auto* editor = core::cargaVentana<editagasto>(QStringLiteral("editagasto"));
    if (!editor)
        return;
    editor->Label2->setText(Label7->text());
    editor->txtnomov->setText(platform::vb::rtrim(DataGrid1->textoColumna(1)));
    editor->txtnomov->setReadOnly(true);
    editor->desdes->setText(platform::vb::rtrim(DataGrid1->textoColumna(2)));
    editor->txtdescri_mov->setText(platform::vb::rtrim(DataGrid1->textoColumna(3)));
    editor->txtmonto_mov->setText(DataGrid1->textoColumna(4));
    editor->txtobserva_mov->setText(platform::vb::rtrim(DataGrid1->textoColumna(5)));
    core::sesion().modoedicion = QStringLiteral("M");
    editor->showModal(this);
}

void menugastos::eliminar()
{
    atrapa([this] {
        const QString numero = DataGrid1->textoColumna(1).trimmed();
        if (!preguntaEliminarDocumento(numero))
            return;
        db::Command c = comandoactgastos(
            {QStringLiteral("2"), numero, QString(), 0, fecha(), vendedor(), QString()});
        muestra(c.execute());
        // Success is told only when the server deleted the expense.
        informaEliminacion(core::respuesta(c));
    });
}

bool menugastos::onKeyPreview(QKeyEvent* evento)
{
    return core::teclasventana(*evento, [this] { close(); });
}

} // namespace accounts
