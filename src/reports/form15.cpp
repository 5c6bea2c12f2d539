#include "reports/form15.h"

#include "core/conexion.h"
#include "reports/entregareporte.h"
#include "reports/form39.h"
#include "platform/ui/navegador/navegador.h"
#include "core/rutinas.h"
#include "core/sesion.h"
#include "reports/textoticket.h"
#include "core/ventanapuntoventa.h"
#include "platform/messages.h"
#include "platform/ui/windowregistry.h"

#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

#include <stdexcept>

namespace reports {

namespace {

// Ticket numbers are at most 20 characters: a longer one names no ticket.
constexpr int LargoMaximoTicket = 20;

QString& archivoImpresion()
{
    static QString archivo;
    return archivo;
}

const QString TituloPrograma = QStringLiteral("Quorvelin 2007 - BACK OFFICE");

} // namespace

Form15::Form15()
{
    setWindowTitle(QStringLiteral("Visualizar Reportes"));
    WebBrowser1 = new platform::ui::navegador::Navegador(this);
    Command1 = new QPushButton(QStringLiteral("Imprimir"), this);
    Command2 = new QPushButton(QStringLiteral("Regresar"), this);
    VERTICKET1 = new QGroupBox(QStringLiteral("Ver Ticket"), this);
    Label1 = new QLabel(QStringLiteral("Ticket a Consultar"), VERTICKET1);
    Text1 = new QLineEdit(VERTICKET1);
    Command3 = new QPushButton(QStringLiteral("Ver Ticket"), VERTICKET1);

    auto* ticket = new QHBoxLayout(VERTICKET1);
    ticket->addWidget(Label1);
    ticket->addWidget(Text1);
    ticket->addWidget(Command3);
    auto* botones = new QHBoxLayout;
    botones->addWidget(Command1);
    botones->addWidget(Command2);
    botones->addStretch();
    botones->addWidget(VERTICKET1);
    auto* disposicion = new QVBoxLayout(this);
    disposicion->addWidget(WebBrowser1, 1);
    disposicion->addLayout(botones);
    VERTICKET1->hide();
    // A large page viewer: opened centred so that it stays on the screen.
    resize(1000, 700);
    setFrame({.centred = true});

    connect(Command1, &QPushButton::clicked, this, &Form15::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form15::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form15::Command3_Click);
    connect(Text1, &QLineEdit::returnPressed, this, &Form15::Command3_Click);
}

void Form15::imprimeEnArchivo(const QString& pdf)
{
    archivoImpresion() = pdf;
}

void Form15::Command1_Click()
{
    platform::ui::doEvents();
    if (!WebBrowser1->tienePagina())
        return;
    QPrinter impresora(QPrinter::HighResolution);
    if (!archivoImpresion().isEmpty()) {
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(archivoImpresion());
    } else {
        const QPrinterInfo predeterminada = QPrinterInfo::defaultPrinter();
        if (predeterminada.isNull()) {
            platform::msgbox(QStringLiteral("No hay una impresora predeterminada: "
                                            "no se puede imprimir el reporte."),
                             platform::msg::Critical, TituloPrograma);
            return;
        }
        impresora.setPrinterName(predeterminada.printerName());
    }
    if (!WebBrowser1->imprime(impresora))
        platform::msgbox(QStringLiteral("No se pudo imprimir el reporte."), platform::msg::Critical,
                         TituloPrograma);
}

void Form15::Command2_Click()
{
    close();
}

bool Form15::onKeyPreview(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return Window::onKeyPreview(event);
}

bool Form15::onQueryUnload()
{
    VERTICKET1->hide();
    QFile::remove(archivoReporte()); // already gone is as good
    return true;
}

void Form15::Command3_Click()
{
    core::manejoerrores(core::Trampa::reejecuta(), [this] { buscaticket(); });
}

void Form15::buscaticket()
{
    const QString numero = numeroticket(Text1->text());
    Text1->setText(numero);

    auto* puntoventa = dynamic_cast<core::VentanaPuntoVenta*>(
        platform::ui::windowRegistry().get(QStringLiteral("Form23")));
    if (!puntoventa)
        throw std::logic_error("the point-of-sale report window Form23 is not registered");
    const QString textoVendedor = puntoventa->textoVendedor();

    platform::db::RecordSet rs;
    if (numero.size() <= LargoMaximoTicket)
        rs = muestraticket(puntoventa->fechaDesde(), core::primerapalabra(textoVendedor), numero);
    if (rs.recordCount() == 0) {
        core::cajacompartida(QStringLiteral("El Ticket que Ingreso No Existe verifique por favor..."),
                             QStringLiteral("Quorvelin 2007 - BACK OFFICE *** ERROR DE PARAMETROS"));
        return;
    }
    const QStringList lineas = textoticket(rs, textoVendedor, numero, core::sesion().rsloterias,
                                           core::sesion().rsjugadas);
    auto* ticket = platform::ui::windowRegistry().get<Form39>(QStringLiteral("Form39"));
    if (!ticket)
        throw std::logic_error("the ticket window Form39 is not registered");
    ticket->llena(lineas);
    ticket->showModal(this);
}

} // namespace reports
