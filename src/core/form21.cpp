#include "core/form21.h"

#include "core/acceso.h"
#include "core/conexion.h"
#include "core/form1.h"
#include "core/listaservidores.h"
#include "core/rutinas.h"
#include "core/sesion.h"
#include "platform/db/dberror.h"
#include "platform/messages.h"
#include "platform/programfolder.h"
#include "platform/ui/windowregistry.h"
#include "platform/vbtext.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace core {

using platform::msgbox;
using platform::db::DbError;
namespace msg = platform::msg;
namespace vb = platform::vb;

namespace {

const QString Atencion = QStringLiteral("Atención!");
const QString TituloBackOffice = QStringLiteral("Quorvelin 2007 - BACK OFFICE");
const QString Comunicaciones = QStringLiteral("Comunicaciones");

// What counts as "a number" in the first three characters of
// the server: an optional sign, then digits with points or commas ("192",
// "10.", "1.1"). Such a server is an address; anything else is a name.
bool formaNumero(const QString& texto)
{
    static const QRegularExpression numero(QStringLiteral("^\\s*[+-]?[0-9.,]*[0-9][0-9.,]*\\s*$"));
    return numero.match(texto).hasMatch();
}

QLabel* etiqueta(const QString& texto, const char* nombre = nullptr)
{
    auto* l = new QLabel(texto);
    if (nombre)
        l->setObjectName(QString::fromLatin1(nombre));
    return l;
}

// Limits what the operator types or pastes into the box to `n` characters,
// the most its setting holds; text the window sets itself (the last
// database, read from the settings) is shown whole.
void limitaLongitud(QLineEdit* caja, int n)
{
    caja->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral(".{0,%1}").arg(n)), caja));
}

void conmutaVisible(std::initializer_list<QWidget*> controles)
{
    for (QWidget* w : controles)
        w->setVisible(w->isHidden());
}

void conmutaHabilitado(std::initializer_list<QWidget*> controles)
{
    for (QWidget* w : controles)
        w->setEnabled(!w->isEnabled());
}

QString detalles(const DbError& e)
{
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("Error Nro:") + QString::number(e.number()) + crlf +
           QStringLiteral("Descripción:") + e.description() + crlf + QStringLiteral("BASE DE DATOS Origen:") +
           e.source();
}

} // namespace

Form21::Form21()
    : Text1(new QLineEdit)
    , Text2(new QLineEdit)
    , Text3(new QComboBox)
    , Text4(new QLineEdit)
    , Command1(new QPushButton(QStringLiteral("Conectar")))
    , Command2(new QPushButton(QStringLiteral("Salir")))
    , busca_ip(new QPushButton(QStringLiteral("Busca Servidores en la Red")))
    , Label3(etiqueta(QStringLiteral("Dirigir a"), "Label3"))
    , Label4(etiqueta(QStringLiteral("Accesar a"), "Label4"))
    , Label5(etiqueta(QStringLiteral("Espere, Buscando Servidores..."), "Label5"))
    , Shape2(new QFrame)
    , StatusBar1(new QStatusBar)
{
    setWindowTitle(QStringLiteral("Bienvenido a Quorvelin On Line Back Office"));
    Text1->setObjectName(QStringLiteral("Text1"));
    limitaLongitud(Text1, 5);
    Text2->setObjectName(QStringLiteral("Text2"));
    limitaLongitud(Text2, 10);
    Text2->setEchoMode(QLineEdit::Password);
    Text2->setStyleSheet(QStringLiteral("lineedit-password-character: 64")); // "@"
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setEditable(true);
    Text3->setInsertPolicy(QComboBox::NoInsert);
    Text4->setObjectName(QStringLiteral("Text4"));
    limitaLongitud(Text4, 12);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    busca_ip->setObjectName(QStringLiteral("busca_ip"));
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setFrameShape(QFrame::Box);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->addWidget(new QLabel(QStringLiteral("Quorvelin On Line - BACK OFFICE")), 1);
    StatusBar1->setSizeGripEnabled(false);
    Label5->setVisible(false);

    auto* datos = new QGridLayout;
    datos->addWidget(etiqueta(QStringLiteral("Usuario")), 0, 0);
    datos->addWidget(Text1, 0, 1);
    datos->addWidget(etiqueta(QStringLiteral("Clave")), 1, 0);
    datos->addWidget(Text2, 1, 1);
    auto* servidor = new QGridLayout(Shape2);
    servidor->addWidget(Label3, 0, 0);
    servidor->addWidget(Text3, 0, 1);
    servidor->addWidget(Label4, 1, 0);
    servidor->addWidget(Text4, 1, 1);
    auto* botones = new QGridLayout;
    botones->addWidget(Command1, 0, 0);
    botones->addWidget(Command2, 0, 1);
    botones->addWidget(busca_ip, 1, 0, 1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(etiqueta(QStringLiteral("SOFTWARE ON LINE PARA CENTROS DE APUESTAS  DE LOTERIAS ")));
    layout->addLayout(datos);
    layout->addWidget(Shape2);
    layout->addLayout(botones);
    layout->addWidget(Label5);
    layout->addWidget(StatusBar1);

    for (QWidget* caja : {static_cast<QWidget*>(Text1), static_cast<QWidget*>(Text2),
                          static_cast<QWidget*>(Text3->lineEdit()), static_cast<QWidget*>(Text4)})
        caja->installEventFilter(this);
    connect(Command1, &QPushButton::clicked, this, &Form21::conectar);
    connect(Command2, &QPushButton::clicked, this, [] { platform::endProgram(); });
    connect(busca_ip, &QPushButton::clicked, this, &Form21::buscaServidores);
}

void Form21::onLoad()
{
    Text3->clear();
    Text3->addItems(leelistaservidores(platform::programFile(QStringLiteral("server.txt"))));
    Text3->setCurrentIndex(-1);
    Text3->setEditText(QString());

    Sesion& s = sesion();
    s.puerto = puertoservidor();
    archCfg_ = platform::programFile(QStringLiteral("DUROZ.INI"));
    if (!QFileInfo::exists(archCfg_)) {
        Text1->clear();
        Text2->clear();
        for (QWidget* w : std::initializer_list<QWidget*>{Text1, Text3, Text4, Label3, Label4, Shape2})
            w->setVisible(true);
        Text1->setEnabled(true);
        Text1->setReadOnly(false);
    } else {
        const QString bd = leeini(archCfg_, Comunicaciones, QStringLiteral("BDONLine"));
        const QString direccion = leeini(archCfg_, Comunicaciones, QStringLiteral("DIRIP_1"));
        s.usuarioactual = leeini(archCfg_, QStringLiteral("Usuario Actual"), QStringLiteral("Usuario"));
        ipenganche_ = leeini(archCfg_, Comunicaciones, QStringLiteral("ip_enganche"));
        if (ipenganche_.isEmpty()) {
            ipenganche_ = direccioncentralpordefecto();
            escribeini(archCfg_, Comunicaciones, QStringLiteral("ip_enganche"), ipenganche_);
        }
        Text1->setText(s.usuarioactual);
        Text2->clear();
        Text3->setEditText(direccion);
        Text4->setText(bd);
    }
    contaracceso_ = 0;
}

void Form21::onActivate()
{
    if (!Text1->text().isEmpty())
        Text2->setFocus();
}

bool Form21::eventFilter(QObject* watched, QEvent* event)
{
    // Each box selects its whole text when it gets the focus; after the
    // click that gave it, which would place the cursor instead.
    if (event->type() == QEvent::FocusIn) {
        if (auto* caja = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, caja, [caja] { caja->selectAll(); });
    }
    return Window::eventFilter(watched, event);
}

bool Form21::onKeyPreview(QKeyEvent* event)
{
    const auto todas = Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier;
    const bool combinacion = (event->modifiers() & todas) == todas;
    if (combinacion && event->key() == Qt::Key_F2) {
        conmutaVisible({Shape2, Text3, Text4, Label3, Label4});
        return true;
    }
    if (combinacion && event->key() == Qt::Key_F8) {
        conmutaHabilitado({Text3, Text4});
        return true;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        conectar();
        platform::ui::sendTab();
        return true;
    }
    return false;
}

bool Form21::faltanCampos() const
{
    for (const QString& texto : {Text1->text(), Text2->text(), Text3->currentText(), Text4->text()}) {
        if (vb::trim(texto).isEmpty())
            return true;
    }
    return false;
}

void Form21::conectar()
{
    Sesion& s = sesion();
    s.modoedicion.clear();
    if (faltanCampos()) {
        msgbox(QStringLiteral("Debe llenar todos los campos"), msg::Critical, Atencion);
        Text1->setFocus();
        return;
    }
    // Failures the login has no answer of its own for (the central server
    // or the house server failing a call) are reported, and the window
    // stays open for another try.
    try {
        s.servidor = vb::trim(Text3->currentText());
        s.basedatos = vb::trim(Text4->text());
        if (!formaNumero(vb::left(s.servidor, 3)) && !resuelveServidor())
            return;
        reconstruyecadenaconexion();
        if (!abreconexion(s.conexion, 0, 3)) {
            cajacompartida(QStringLiteral("Ocurrieron Errores al Intentar Conectarse!... "
                                          "Finalizando el Sistema"),
                           TituloBackOffice);
            return;
        }
        validaOperador();
    } catch (const DbError& e) {
        msgbox(QStringLiteral("No se pudo completar el ingreso al sistema.\r\n") + detalles(e), msg::Critical,
               Atencion);
    }
}

bool Form21::resuelveServidor()
{
    const auto rehusa = [this](const QString& mensaje) {
        msgbox(mensaje.arg(Text3->currentText()), msg::Critical, Atencion);
        Text3->setFocus();
        return false;
    };
    if (ipenganche_.isEmpty())
        return rehusa(QStringLiteral("No hay un servidor central configurado (ip_enganche) para "
                                     "buscar el servidor \"%1\". Escriba su dirección."));
    Sesion& s = sesion();
    s.servidor = obtencionip();
    // The window's own "0" coming back, or nothing, is no address: going on
    // would reach whatever server answers on this machine.
    if (s.servidor.isEmpty() || s.servidor == QLatin1String("0"))
        return rehusa(QStringLiteral("El servidor central no conoce el servidor \"%1\". "
                                     "Verifique el nombre."));
    return true;
}

QString Form21::obtencionip()
{
    Sesion& s = sesion();
    s.cadenaconexion = cadenadeconexion(ipenganche_, s.puerto, basedatoscentral(), true);
    return consultadireccion(s.cadenaconexion, Text3->currentText());
}

void Form21::validaOperador()
{
    Sesion& s = sesion();
    s.rsgeneral = platform::db::RecordSet();
    s.rsgeneral2 = platform::db::RecordSet();
    const Validacion v = validausuario(s.conexion, vb::trim(Text1->text()), vb::trim(Text2->text()));
    if (v.retorno != QLatin1String("0")) {
        // Not counted: the connection stays open.
        msgbox(QStringLiteral("Clave o Nombre de usuario incorrectos"), msg::Exclamation, Atencion);
        Text1->setFocus();
        return;
    }
    if (v.filas.recordCount() == 0) {
        rechazo();
        return;
    }
    entra(v.filas);
}

void Form21::rechazo()
{
    ++contaracceso_;
    if (contaracceso_ < MaxRechazos) {
        cajacompartida(QStringLiteral("Acceso Denegado.. Intente de Nuevo..."), TituloBackOffice);
        sesion().conexion.close();
        return;
    }
    cajacompartida(QStringLiteral("Acceso Denegado al Sistema.. Terminando..."), TituloBackOffice);
    platform::endProgram();
}

void Form21::entra(platform::db::RecordSet fila)
{
    Sesion& s = sesion();
    auto& ventanas = platform::ui::windowRegistry();
    const auto menuPrincipal = [&ventanas] {
        Form1* menu = ventanas.get<Form1>(QStringLiteral("Form1"));
        if (!menu)
            throw std::logic_error("the main menu Form1 is not registered");
        return menu;
    };

    s.usuarioactual = Text1->text();
    s.nombreoperador = fila.value(QStringLiteral("NombreOpe")).toString();
    Form1* menu = nullptr;
    const QVariant banca = fila.value(QStringLiteral("Name_duroz"));
    if (!banca.isNull()) {
        s.nombrebanca = banca.toString();
        menu = menuPrincipal(); // loads the lookup lists
        menu->setWindowTitle(menu->windowTitle() + QStringLiteral(" - ") + s.nombrebanca);
    }
    s.permisoactual = fila.value(QStringLiteral("permisooperador")).toString();
    guardaConfiguracion();
    if (!menu)
        menu = menuPrincipal();
    menu->setPanelEstado(s.usuarioactual + QStringLiteral(" - ") + vb::trim(s.nombreoperador) +
                         QStringLiteral(":: [F1] - Ayuda"));
    menu->showModeless();
    close();
}

void Form21::guardaConfiguracion()
{
    escribeini(archCfg_, Comunicaciones, QStringLiteral("BDONLine"), Text4->text());
    escribeini(archCfg_, Comunicaciones, QStringLiteral("DIRIP_1"), Text3->currentText());
    escribeini(archCfg_, QStringLiteral("Usuario Actual"), QStringLiteral("Usuario"), Text1->text());
    escribeini(archCfg_, QStringLiteral("Config_duroz"), QStringLiteral("PATH_TAQUILLA"),
               platform::programFolder());
}

void Form21::buscaServidores()
{
    if (descarga_)
        return;
    descarga_ = new DescargaServidores(platform::programFile(QStringLiteral("server.txt")), this);
    connect(descarga_, &DescargaServidores::terminada, this, [this](bool exito, const QString& error) {
        // Runs from the event loop, which must not see the test's stand-in
        // for the end of the program; the real end never returns.
        try {
            descargaTerminada(exito, error);
        } catch (const platform::ProgramEnded&) {
        }
    });
    busca_ip->setEnabled(false);
    Label5->setVisible(true);
    descarga_->inicia(urllistaservidores());
}

void Form21::descargaTerminada(bool exito, const QString& error)
{
    descarga_->deleteLater();
    descarga_ = nullptr;
    if (!exito) {
        busca_ip->setEnabled(true);
        Label5->setVisible(false);
        msgbox(QStringLiteral("No se pudo descargar la lista de servidores: %1.\r\n"
                              "La lista de servidores no ha cambiado.")
                   .arg(error),
               msg::Critical, Atencion);
        return;
    }
    msgbox(QStringLiteral("La busqueda ha sido exitosa!, la aplicación se cerrará automaticamente, "
                          "por favor vuelva a ejecutarla, para que pueda ver la lista de servidores "
                          "actualizada haga clic en la flecha que apunta hacia abajo"),
           msg::Information, Atencion);
    platform::endProgram();
}

} // namespace core
