#include "core/form1.h"

#include "core/acceso.h"
#include "core/sesion.h"
#include "core/validapermiso.h"
#include "platform/messages.h"
#include "platform/programfolder.h"
#include "platform/ui/windowregistry.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QUrl>
#include <QVBoxLayout>

namespace core {

using platform::msgbox;
namespace msg = platform::msg;

namespace {

using A = Form1::Accion;

const QString Atencion = QStringLiteral("Atención!");
const char* const LineUp = "16 .- Line Up";

// Frame, button, caption, action, window or notice, checked.
const QList<Form1::Entrada> Entradas = {
    {1, "Command10", "01 .- Jugadas Especiales", A::Ventana, "form2", true},
    {1, "XPButton7", "02 .- Impuestos", A::Aviso, "Opción en desarrollo", false},
    {1, "Command13", "03 .- Vendedores", A::Ventana, "Form3", true},
    {1, "Command11", "04 .- Detalles de Jugadas", A::Ventana, "Form6", true},
    {1, "XPButton9", "05 .- Seriales Taquilla", A::Ventana, "registroserial", true},
    {1, "Command14", "06 .- Usuarios", A::Ventana, "Form4", true},
    {1, "Command12", "07 .- Loterias", A::Ventana, "Form5", true},
    {1, "XPButton10", "08 .- Ajustar Parametros", A::Ventana, "Form48", true},
    {1, "XPButton2", "09 .- Operadores Duroz", A::Ventana, "Form32", true},
    {1, "XPButton5", "10 .- Alcaldias", A::Ventana, "masteralcaldia", true},
    {1, "XPButton4", "11 .- Regiones", A::Ventana, "mastergobernacion", true},
    {1, "XPButton17", "12 .- Parametros Globales", A::Ventana, "Form43", true},
    {1, "XPButton20", "13 .- Cuentas Bancarias", A::Ventana, "mastercuenta", true},
    {2, "Command1", "13 .- Bloqueo de Números", A::Ventana, "Form14", true},
    {2, "Command28", "14 . - Premiación", A::Ventana, "Form38", true},
    {2, "XPButton18", "15.- Verficar y Pagar Ticket", A::Ventana, "pagaticket", false},
    // The system has no e-mail window: a permitted operator is told so.
    {2, "XPButton8", "15 .- Correo Electrónico", A::Aviso, "Esta opción no está disponible", true},
    {2, "Command2", LineUp, A::Ventana, "Form51", true},
    {2, "XPButton11", "17 . - Procesar Resultados", A::Ventana, "Form37", true},
    {2, "Command5", "18 .- Monitoreo", A::Ventana, "Form33", true},
    {2, "XPButton21", "18 .- Egresos Diarios Por Vendedor", A::Ventana, "mastergastos", false},
    {3, "Command19", "19.- Punto de Venta", A::Ventana, "Form23", true},
    {3, "XPButton6", "20 .- Monitor Fiscal - SENIAT", A::Aviso, "Esta opción esta en desarrollo", false},
    {3, "XPButton19", "20 .- Grafico Resumen por Meses", A::Ventana, "Form29", false},
    {3, "Command20", "21 .- Resultados de Vendedores", A::Ventana, "Form25", true},
    {3, "XPButton15", "22 .- Reporte de Listas", A::Ventana, "Form40", true},
    {3, "XPButton3", "23 .- Line Up", A::Ventana, "Form42", true},
    {3, "XPButton16", "24 .- Movimientos Administrativos", A::Ventana, "Form41", true},
    {3, "XPButton22", "25 .- Reporte de Consolidación Jugada/Gastos", A::Ventana, "rptgastojugada", true},
    {3, "XPButton23", "26 .- Reporte de Estado de Cuentas Bancarias", A::Ventana, "rptcuenta", true},
    {3, "XPButton26", "27 .- Reporte de Premiacion por número", A::Ventana, "rpn", true},
    {3, "XPButton27", "28 .- Reporte de Conexiones Activas", A::Ventana, "Form49", true},
    {3, "XPButton28", "29 .- Historico de Tickets Caducados", A::Ventana, "caducados", true},
    {4, "XPButton29", "30 .- Procesar Impuestos", A::Ventana, "Form30", false},
    {4, "XPButton31", "31 .- Reporte Fiscal", A::Ventana, "reporfiscal", false},
    {1, "XPButton12", "Actualizar", A::Marco, "", false},
    {2, "XPButton13", "Diario", A::Marco, "", false},
    {3, "XPButton14", "Reportes", A::Marco, "", false},
    {4, "XPButton30", "Fiscal", A::Marco, "", false},
    {0, "XPButton24", "F5 - Calculadora", A::Ventana, "fCalculator", false},
    {0, "XPButton25", "F8 - Calendario Servidor", A::Ventana, "calendario", false},
    {0, "Mensajerias", "F10 - Mensajeria", A::Ventana, "Form18", false},
    {0, "XPButton1", "Salir", A::Salir, "", false},
};

const char* const TitulosMarcos[] = {"Actualizar", "Diario", "Reportes", "Módulo Fiscal"};

bool enUnMarco(const Form1::Entrada& e)
{
    return e.accion != A::Marco && e.marco > 0;
}

QString texto(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

const QString Form1::Titulo = QStringLiteral("Quorvelin On Line - Back Office");

const QList<Form1::Entrada>& Form1::entradas()
{
    return Entradas;
}

Form1::Form1()
    : Label1(new QLabel(QStringLiteral("Espere por Favor, Procesando LINEUP...")))
    , StatusBar1(new QStatusBar)
    , panel1_(new QLabel)
{
    setWindowTitle(Titulo);
    auto* marcosLayout = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        auto* frame = new QGroupBox(texto(TitulosMarcos[i]));
        frame->setObjectName(QStringLiteral("Frame%1").arg(i + 1));
        frame->setLayout(new QGridLayout);
        marcosLayout->addWidget(frame, 0, 0); // all four in one place
        marcos_ << frame;
    }
    auto* selectores = new QVBoxLayout;
    auto* herramientas = new QHBoxLayout;
    QList<int> enMarco(4, 0);
    for (const Entrada& e : Entradas) {
        auto* b = new QPushButton(texto(e.caption));
        b->setObjectName(texto(e.control));
        b->setFocusPolicy(Qt::StrongFocus);
        connect(b, &QPushButton::clicked, this, [this, &e] { ejecuta(e); });
        if (enUnMarco(e)) {
            auto* grid = static_cast<QGridLayout*>(marcos_[e.marco - 1]->layout());
            const int n = enMarco[e.marco - 1]++;
            grid->addWidget(b, n % 9, n / 9);
        } else if (e.accion == A::Marco) {
            selectores->addWidget(b);
        } else {
            herramientas->addWidget(b);
        }
    }
    for (QGroupBox* frame : std::as_const(marcos_))
        static_cast<QGridLayout*>(frame->layout())->setRowStretch(9, 1); // buttons at the top
    selectores->addStretch();

    auto* centro = new QHBoxLayout;
    centro->addLayout(selectores);
    centro->addLayout(marcosLayout, 1);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->addWidget(panel1_, 1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setVisible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(centro, 1);
    layout->addWidget(Label1);
    layout->addLayout(herramientas);
    layout->addWidget(StatusBar1);
    muestraMarco(1);
    resize(820, 520);
}

QPushButton* Form1::boton(const QString& control) const
{
    return findChild<QPushButton*>(control);
}

QGroupBox* Form1::marco(int numero) const
{
    return marcos_.value(numero - 1);
}

void Form1::setPanelEstado(const QString& texto)
{
    panel1_->setText(texto);
}

QString Form1::panelEstado() const
{
    return panel1_->text();
}

void Form1::onLoad()
{
    cargalistascompartidas(sesion().conexion);
}

void Form1::ejecuta(const Entrada& e)
{
    const QString caption = texto(e.caption);
    const bool esLineUp = caption == texto(LineUp);
    if (esLineUp) {
        // The line-up window hides it again once it is up.
        Label1->setVisible(true);
        Label1->repaint();
    }
    if (e.verifica && !validapermiso(caption)) {
        msgbox(QStringLiteral("Permiso de acceso denegado"), msg::Critical, Atencion);
        return;
    }
    switch (e.accion) {
    case A::Ventana: abreVentana(texto(e.destino), esLineUp); break;
    case A::Aviso: msgbox(texto(e.destino), msg::Information, Atencion); break;
    case A::Marco: muestraMarco(e.marco); break;
    case A::Salir: platform::endProgram();
    }
}

void Form1::abreVentana(const QString& nombre, bool ocultaLabel1)
{
    auto& registro = platform::ui::windowRegistry();
    if (registro.isRegistered(nombre)) {
        registro.show(nombre);
        return;
    }
    // No window of that name is built yet: no window will hide the label.
    if (ocultaLabel1)
        Label1->setVisible(false);
    msgbox(QStringLiteral("Opción en desarrollo"), msg::Information, Atencion);
}

void Form1::muestraMarco(int numero)
{
    for (int i = 0; i < marcos_.size(); ++i)
        marcos_[i]->setVisible(i + 1 == numero);
}

void Form1::abreAyuda()
{
    const QString ayuda = platform::programFile(QStringLiteral("duroz.chm"));
    if (QFileInfo::exists(ayuda))
        QDesktopServices::openUrl(QUrl::fromLocalFile(ayuda));
}

bool Form1::onKeyPreview(QKeyEvent* event)
{
    // The desk tools' keys do what their buttons do.
    const char* control = nullptr;
    switch (event->key()) {
    case Qt::Key_F1: abreAyuda(); return true;
    case Qt::Key_F5: control = "XPButton24"; break;
    case Qt::Key_F8: control = "XPButton25"; break;
    case Qt::Key_F10: control = "Mensajerias"; break;
    default: return false;
    }
    for (const Entrada& e : Entradas) {
        if (qstrcmp(e.control, control) == 0)
            ejecuta(e);
    }
    return true;
}

bool Form1::onQueryUnload()
{
    platform::endProgram();
}

} // namespace core
