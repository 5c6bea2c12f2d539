#include "accounts/ventanamovimientos.h"

#include "accounts/dialogos.h"
#include "accounts/editormovimiento.h"
#include "accounts/grillaajena.h"
#include "accounts/llamadas.h"

#include "core/conexion.h"
#include "core/filtros.h"
#include "core/rutinas.h"
#include "core/sesion.h"
#include "platform/messages.h"
#include "platform/regional.h"
#include "platform/vbtext.h"
#include "reports/ventanareporte.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace accounts {

namespace db = platform::db;
namespace regional = platform::regional;

namespace {

// A total as the summary works with it: rounded to two decimals, 0 when
// the server sent none.
platform::Decimal redondeado(const QVariant& valor)
{
    return platform::Decimal::parse(valor.toString()).value_or(platform::Decimal()).rounded(2);
}

} // namespace

VentanaMovimientos::VentanaMovimientos(const QString& titulo)
    : Hastas(new QDateEdit)
    , DataGrid1(new core::GrillaCatalogo)
    , Label7(new QLabel)
    , Frame1(new QGroupBox(QStringLiteral("Resumen de Saldos del Vendedor")))
    , tprestamos(new QLabel)
    , msaldo(new QLabel)
    , sloteria(new QLabel)
    , Grabar(new QPushButton(QStringLiteral("&Incluir")))
    , Command1(new QPushButton(QStringLiteral("&Modificar")))
    , Command2(new QPushButton(QStringLiteral("&Eliminar")))
    , Command3(new QPushButton(QStringLiteral("&Salir")))
    , Command4(new QPushButton(QStringLiteral("Ver Line-Up")))
{
    setWindowTitle(titulo);
    setFrame({.fixedBorder = true, .maxButton = false, .centred = true});
    // The line-up windows write the seller by this name.
    Label7->setObjectName(QStringLiteral("Label7"));
    Hastas->setObjectName(QStringLiteral("Hastas"));
    DataGrid1->setObjectName(QStringLiteral("DataGrid1"));
    Hastas->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    Hastas->setCalendarPopup(true);
    auto* raiz = new QVBoxLayout(this);
    auto* cabecera = new QHBoxLayout;
    cabecera->addWidget(Label7, 1);
    cabecera->addWidget(Hastas);
    raiz->addLayout(cabecera);
    DataGrid1->reserveColumnsWidth(9000);
    raiz->addWidget(DataGrid1, 1);
    auto* resumen = new QFormLayout(Frame1);
    resumen->addRow(QStringLiteral("Total Prestamos"), tprestamos);
    resumen->addRow(QStringLiteral("Saldo Prestamos"), msaldo);
    resumen->addRow(QStringLiteral("Saldo Loteria"), sloteria);
    raiz->addWidget(Frame1);
    auto* botones = new QHBoxLayout;
    for (QPushButton* b : {Grabar, Command1, Command2, Command3, Command4})
        botones->addWidget(b);
    raiz->addLayout(botones);
    connect(Grabar, &QPushButton::clicked, this, &VentanaMovimientos::incluir);
    connect(Command1, &QPushButton::clicked, this, &VentanaMovimientos::modificar);
    connect(Command2, &QPushButton::clicked, this, &VentanaMovimientos::eliminar);
    connect(Command3, &QPushButton::clicked, this, [this] { close(); });
    // After a reconnection the date change just ends; its message carries
    // no error number.
    connect(Hastas, &QDateEdit::dateChanged, this, [this] {
        core::manejoerrores(core::Trampa::simple(), [this] {
            core::renuevaconexion();
            cargamovimientos(Disposicion::CambioFecha);
        });
    });
}

QString VentanaMovimientos::vendedor() const
{
    return core::primerapalabra(Label7->text());
}

void VentanaMovimientos::onLoad()
{
    core::sesion().modoedicion = QStringLiteral("H");
    QDate fecha = fechaVentana(QStringLiteral("Form26"));
    if (!fecha.isValid()) {
        core::fechaservidor();
        fecha = regional::parseDate(core::sesion().fechaactual).value_or(QDate());
    }
    const QSignalBlocker sinAviso(Hastas);
    Hastas->setDate(fecha);
}

void VentanaMovimientos::onActivate()
{
    atrapa([this] {
        core::renuevaconexion();
        cargamovimientos(Disposicion::Activacion);
    });
}

QString VentanaMovimientos::cargamovimientos(Disposicion disposicion, const QString& documento)
{
    const bool elimina = disposicion == Disposicion::Eliminacion;
    db::Command c = comandodspmov(elimina ? QStringLiteral("1") : QStringLiteral("0"),
                                  reports::VentanaReporte::fechatexto(Hastas->date()), vendedor(), documento);
    const db::RecordSet filas = c.execute();
    const bool hay = filas.recordCount() > 0;
    Command1->setEnabled(hay);
    Command2->setEnabled(hay);
    DataGrid1->setDataSource(filas);
    // Only the list the window opens with shows its amounts grouped.
    const QString formatoMonto = disposicion == Disposicion::Activacion ? QStringLiteral("###,###,###0.00")
                                                                        : QString();
    QList<core::Columna> columnas{{1, QStringLiteral("Descripcion "), 3000},
                                  {3, QStringLiteral("Tipo"), 3000},
                                  {4, QStringLiteral("Monto Bs."), elimina ? 3000 : 1500, formatoMonto}};
    if (!elimina)
        columnas.append({6, QStringLiteral("Hora"), 1500});
    DataGrid1->disponeColumnas(columnas);
    DataGrid1->refresh();
    muestraResumen(c);
    return core::respuesta(c);
}

void VentanaMovimientos::muestraResumen(const db::Command& dspmov)
{
    const TotalesMovimientos t = totales(dspmov);
    const platform::Decimal prestamo = redondeado(t.prestamo);
    tprestamos->setText(regional::numberText(prestamo.normalized()));
    msaldo->setText(regional::numberText((prestamo - redondeado(t.pagocuota)).normalized()));
    sloteria->setText(regional::format(redondeado(t.saldoloteria), QStringLiteral("###,###0.00")));
}

EditorMovimiento* VentanaMovimientos::abreEditor()
{
    // The seller line is read before the write that loads the editor.
    const QString linea = lineaVendedor();
    auto* editorMovimiento = core::cargaVentana<EditorMovimiento>(editor());
    if (editorMovimiento)
        editorMovimiento->Label2->setText(linea);
    return editorMovimiento;
}

void VentanaMovimientos::incluir()
{
    EditorMovimiento* e = abreEditor();
    if (!e)
        return;
    core::sesion().modoedicion = QStringLiteral("A");
    e->showModal(this);
}

// The movement's own remarks go with it, so a change keeps them unless the
// operator changes them.
void VentanaMovimientos::modificar()
{
    EditorMovimiento* e = abreEditor();
    if (!e)
        return;
    const auto celda = [this](int c) { return platform::vb::rtrim(DataGrid1->textoColumna(c)); };
    e->txtnomov->setText(celda(1));
    e->txtnomov->setReadOnly(true);
    e->desdes->setText(celda(2));
    e->txtdescri_mov->setEditText(celda(3));
    e->txtmonto_mov->setText(celda(4));
    e->txtobserva_mov->setText(celda(5));
    e->txt_cuenta->setEditText(celda(7).isEmpty() ? QString() : celda(7) + QStringLiteral(" - ") + celda(9));
    e->txt_pago->setEditText(celda(10));
    core::sesion().modoedicion = QStringLiteral("M");
    e->showModal(this);
}

void VentanaMovimientos::eliminar()
{
    atrapa([this] {
        const QString documento = DataGrid1->textoColumna(1).trimmed();
        if (!preguntaEliminarDocumento(documento))
            return;
        const QString tipo = DataGrid1->textoColumna(3);
        const platform::Decimal monto = platform::Decimal::parse(DataGrid1->textoColumna(4), QLatin1Char(','),
                                                                 QLatin1Char('.'))
                                            .value_or(platform::Decimal());
        // Success is told only when the server deleted the movement.
        const QString respuesta = cargamovimientos(Disposicion::Eliminacion, documento);
        if (respuesta == QLatin1String("0"))
            trasEliminar(tipo, monto);
        informaEliminacion(respuesta);
    });
}

bool VentanaMovimientos::onKeyPreview(QKeyEvent* evento)
{
    // The window sees a key only when none of its controls holds the focus.
    if (focusWidget() && focusWidget() != this)
        return false;
    return core::teclasventana(*evento, [this] { close(); });
}

} // namespace accounts
