// The login window against the real server: the settings file and the
// server list it reads, the blank-field check, a server by address and by
// name (through the central server), the refusals and the fifth that ends
// the program, the settings written back, and the server-list download.

#include "core/form1.h"
#include "core/form21.h"
#include "core/registerwindows.h"
#include "core/sesion.h"
#include "databasetest.h"
#include "ventanasprueba.h"

#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <functional>

using core::Form1;
using core::Form21;
using platform::ui::windowRegistry;
using testsupport::MessageRecorder;
using testsupport::TestDatabase;

namespace {

const QString Llenar = QStringLiteral("Debe llenar todos los campos");
const QString Incorrectos = QStringLiteral("Clave o Nombre de usuario incorrectos");
const QString Denegado = QStringLiteral("Acceso Denegado.. Intente de Nuevo...");
const QString Terminando = QStringLiteral("Acceso Denegado al Sistema.. Terminando...");
const QString Direccion = QStringLiteral("127.0.0.1");

QByteArray leeArchivo(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void escribeArchivo(const QString& ruta, const QByteArray& contenido)
{
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenido);
}

// A one-answer HTTP site on 127.0.0.1: whatever is asked, it answers
// `respuesta` and closes.
class SitioHttp {
public:
    explicit SitioHttp(QByteArray respuesta) : respuesta_(std::move(respuesta))
    {
        servidor_.listen(QHostAddress::LocalHost);
        QObject::connect(&servidor_, &QTcpServer::newConnection, [this] {
            QTcpSocket* s = servidor_.nextPendingConnection();
            QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                recibido_ += s->readAll();
                if (!recibido_.contains("\r\n\r\n"))
                    return;
                pedido_ = QString::fromLatin1(recibido_.left(recibido_.indexOf("\r\n")));
                s->write(respuesta_);
                s->disconnectFromHost();
            });
        });
    }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(servidor_.serverPort()); }
    const QString& pedido() const { return pedido_; }

private:
    QTcpServer servidor_;
    QByteArray respuesta_;
    QByteArray recibido_;
    QString pedido_;
};

QByteArray respuestaHttp(const char* estado, const QByteArray& cuerpo)
{
    return QByteArray("HTTP/1.1 ") + estado + "\r\nContent-Length: " + QByteArray::number(cuerpo.size()) +
           "\r\nConnection: close\r\n\r\n" + cuerpo;
}

class Form21Test : public testsupport::DatabaseTest {
protected:
    void siembra(TestDatabase& db) override
    {
        db.exec(QStringLiteral("INSERT INTO operador (operador, nombreope, claveope, permisooperador) VALUES "
                               "('ADMIN', 'Administrador  ', 'admin2007', '01-02-');"
                               "INSERT INTO parametrosbanca (id, name_duroz) VALUES (1, 'BANCA PRUEBA')"));
    }

    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (HasFatalFailure())
            return;
        central_ = std::make_unique<TestDatabase>(true);
        central_->exec(QStringLiteral("INSERT INTO servidores (nombre, direccion) VALUES ('CASA', '%1')")
                           .arg(Direccion));
        ASSERT_TRUE(home_.isValid());
        qputenv("DUROZ_HOME", home_.path().toUtf8());
        qputenv("DUROZ_PUERTO", TestDatabase::port().toLatin1());
        qputenv("DUROZ_BD_CENTRAL", central_->name().toUtf8());
        qputenv("DUROZ_IP_ENGANCHE", Direccion.toLatin1());
        core::sesion() = core::Sesion();
        ventanasprueba::limpiaVentanas();
        core::registerWindows(windowRegistry());
    }

    void TearDown() override
    {
        ventanasprueba::limpiaVentanas();
        DatabaseTest::TearDown();
    }

    QString archivo(const char* nombre) const { return home_.filePath(QString::fromLatin1(nombre)); }

    void escribeIni(const QByteArray& texto) { escribeArchivo(archivo("DUROZ.INI"), texto); }

    // An INI that points at the test's databases.
    void iniDePrueba(const QString& usuario = QStringLiteral("ADMIN"))
    {
        escribeIni(QStringLiteral("[Comunicaciones]\r\nBDONLine=%1\r\nDIRIP_1=%2\r\nip_enganche=%2\r\n"
                                  "[Usuario Actual]\r\nUsuario=%3\r\n")
                       .arg(db_->name(), Direccion, usuario)
                       .toUtf8());
    }

    static Form21* abreLogin()
    {
        auto* login = qobject_cast<Form21*>(windowRegistry().show(QStringLiteral("Form21")));
        EXPECT_NE(login, nullptr);
        platform::ui::doEvents(); // the desktop makes it active: the focus shows
        return login;
    }

    void llena(Form21* login, const QString& usuario, const QString& clave, const QString& servidor,
               const QString& bd)
    {
        login->Text1->setText(usuario);
        login->Text2->setText(clave);
        login->Text3->setEditText(servidor);
        login->Text4->setText(bd);
    }

    std::unique_ptr<TestDatabase> central_;
    QTemporaryDir home_;
};

} // namespace

TEST_F(Form21Test, WithoutSettingsTheWindowOpensEmpty)
{
    Form21* login = abreLogin();
    EXPECT_EQ(login->windowTitle(), QStringLiteral("Bienvenido a Quorvelin On Line Back Office"));
    for (QLineEdit* caja : {login->Text1, login->Text2, login->Text4})
        EXPECT_TRUE(caja->text().isEmpty());
    EXPECT_TRUE(login->Text3->currentText().isEmpty());
    for (QWidget* w : std::initializer_list<QWidget*>{login->Text1, login->Text3, login->Text4, login->Label3,
                                                      login->Label4, login->Shape2})
        EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();
    EXPECT_TRUE(login->Label5->isHidden());
    EXPECT_EQ(login->Text2->echoMode(), QLineEdit::Password);
    // What the operator may type into each box.
    for (auto [caja, largo] :
         {std::pair{login->Text1, 5}, std::pair{login->Text2, 10}, std::pair{login->Text4, 12}}) {
        QTest::keyClicks(caja, QStringLiteral("ABCDEFGHIJKLMNOP"));
        EXPECT_EQ(caja->text().size(), largo) << caja->objectName().toStdString();
    }
    EXPECT_EQ(core::sesion().puerto, TestDatabase::port());
    EXPECT_TRUE(login->ipenganche().isEmpty());
    EXPECT_FALSE(QFile::exists(archivo("DUROZ.INI"))); // nothing written before a login
}

TEST_F(Form21Test, WithSettingsTheLastUserIsFilledAndTheFocusStartsOnThePassword)
{
    escribeIni(
        "[Comunicaciones]\r\nBDONLine=casa\r\nDIRIP_1=10.1.1.1\r\n[Usuario Actual]\r\nUsuario=CAJA1\r\n");
    Form21* login = abreLogin();
    EXPECT_EQ(login->Text1->text(), QStringLiteral("CAJA1"));
    EXPECT_TRUE(login->Text2->text().isEmpty());
    EXPECT_EQ(login->Text3->currentText(), QStringLiteral("10.1.1.1"));
    EXPECT_EQ(login->Text4->text(), QStringLiteral("casa"));
    EXPECT_EQ(core::sesion().usuarioactual, QStringLiteral("CAJA1"));
    EXPECT_TRUE(login->Text2->hasFocus());
    // An empty central-server address gets the built-in one, written back.
    EXPECT_EQ(login->ipenganche(), Direccion);
    EXPECT_TRUE(leeArchivo(archivo("DUROZ.INI")).contains("ip_enganche=127.0.0.1"));
}

TEST_F(Form21Test, TheServerListIsReadInFileOrder)
{
    escribeArchivo(archivo("server.txt"),
                   "10.0.0.1, \"SERVIDOR, CENTRO\"\r\n  \"NORTE\"  ,SUR  \r\n\r\nOESTE\r\n");
    Form21* login = abreLogin();
    QStringList items;
    for (int i = 0; i < login->Text3->count(); ++i)
        items << login->Text3->itemText(i);
    EXPECT_EQ(items, QStringList({QStringLiteral("10.0.0.1"), QStringLiteral("SERVIDOR, CENTRO"),
                                  QStringLiteral("NORTE"), QStringLiteral("SUR"), QStringLiteral("OESTE")}));
    EXPECT_TRUE(login->Text3->currentText().isEmpty()); // no server chosen by the list
}

TEST_F(Form21Test, ABlankFieldIsRefusedBeforeAnythingElse)
{
    Form21* login = abreLogin();
    const QString d = db_->name();
    struct Caso {
        QString usuario, clave, servidor, bd;
    };
    const Caso casos[] = {
        {QString(), QStringLiteral("x"), Direccion, d},
        {QStringLiteral("ADMIN"), QStringLiteral("   "), Direccion, d},
        {QStringLiteral("ADMIN"), QStringLiteral("x"), QStringLiteral(" "), d},
        {QStringLiteral("ADMIN"), QStringLiteral("x"), Direccion, QString()},
    };
    for (const Caso& c : casos) {
        rec_->clear();
        llena(login, c.usuario, c.clave, c.servidor, c.bd);
        login->Text4->setFocus();
        login->conectar();
        EXPECT_EQ(rec_->prompts(), QStringList{Llenar});
        EXPECT_EQ(rec_->boxes().value(0).style, platform::msg::Critical);
        EXPECT_TRUE(login->Text1->hasFocus());
        EXPECT_FALSE(core::sesion().conexion.isOpen());
    }
}

TEST_F(Form21Test, LoggingInByAddressOpensTheMenuAndWritesTheSettingsAsTyped)
{
    Form21* login = abreLogin();
    const QPointer<Form21> vigilado(login);
    // Blanks around the server and database are trimmed to connect, and
    // kept in the settings.
    llena(login, QStringLiteral("ADMIN"), QStringLiteral(" admin2007"), QStringLiteral(" ") + Direccion,
          db_->name() + QStringLiteral(" "));
    login->conectar();

    EXPECT_TRUE(rec_->boxes().isEmpty()) << rec_->prompts().join(QLatin1Char('/')).toStdString();
    Form1* menu = qobject_cast<Form1*>(windowRegistry().find(QStringLiteral("Form1")));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->windowTitle(), QStringLiteral("Quorvelin On Line - Back Office - BANCA PRUEBA"));
    EXPECT_EQ(menu->panelEstado(), QStringLiteral("ADMIN - Administrador:: [F1] - Ayuda"));
    EXPECT_TRUE(vigilado.isNull() || vigilado->isUnloaded());

    const core::Sesion& s = core::sesion();
    EXPECT_EQ(s.servidor, Direccion);
    EXPECT_EQ(s.basedatos, db_->name());
    EXPECT_EQ(s.usuarioactual, QStringLiteral("ADMIN"));
    EXPECT_EQ(s.nombreoperador, QStringLiteral("Administrador  "));
    EXPECT_EQ(s.nombrebanca, QStringLiteral("BANCA PRUEBA"));
    EXPECT_EQ(s.permisoactual, QStringLiteral("01-02-"));
    EXPECT_TRUE(s.conexion.isOpen());

    const QString ini = QString::fromUtf8(leeArchivo(archivo("DUROZ.INI")));
    EXPECT_TRUE(ini.contains(QStringLiteral("DIRIP_1= 127.0.0.1\r\n"))) << ini.toStdString();
    EXPECT_TRUE(ini.contains(QStringLiteral("BDONLine=%1 \r\n").arg(db_->name()))) << ini.toStdString();
    EXPECT_TRUE(ini.contains(QStringLiteral("Usuario=ADMIN\r\n")));
    EXPECT_TRUE(ini.contains(QStringLiteral("PATH_TAQUILLA=%1\r\n").arg(home_.path())));
    EXPECT_FALSE(ini.contains(QStringLiteral("ip_enganche"))); // none was there at the start
}

TEST_F(Form21Test, AServerGivenByNameIsResolvedThroughTheCentralServerAndStoredByName)
{
    iniDePrueba();
    Form21* login = abreLogin();
    llena(login, QStringLiteral("ADMIN"), QStringLiteral("admin2007"), QStringLiteral("casa"), db_->name());
    login->conectar();

    EXPECT_TRUE(rec_->boxes().isEmpty()) << rec_->prompts().join(QLatin1Char('/')).toStdString();
    EXPECT_EQ(core::sesion().servidor, Direccion);
    ASSERT_NE(windowRegistry().find(QStringLiteral("Form1")), nullptr);
    EXPECT_TRUE(leeArchivo(archivo("DUROZ.INI")).contains("DIRIP_1=casa\r\n"));
}

TEST_F(Form21Test, ANameTheCentralServerDoesNotKnowStopsTheLogin)
{
    iniDePrueba();
    Form21* login = abreLogin();
    llena(login, QStringLiteral("ADMIN"), QStringLiteral("admin2007"), QStringLiteral("OTRACASA"),
          db_->name());
    login->conectar();
    EXPECT_EQ(rec_->prompts(),
              QStringList{QStringLiteral(
                  "El servidor central no conoce el servidor \"OTRACASA\". Verifique el nombre.")});
    EXPECT_FALSE(core::sesion().conexion.isOpen());
    EXPECT_EQ(windowRegistry().find(QStringLiteral("Form1")), nullptr);
    EXPECT_TRUE(login->isVisible());
}

TEST_F(Form21Test, FailuresOfTheServersAreReportedAndTheWindowStaysForAnotherTry)
{
    struct Caso {
        const char* porque;
        const char* servidor;
        std::function<void()> prepara;
    };
    const Caso casos[] = {
        {"the central server cannot be reached", "casa", [] { qputenv("DUROZ_BD_CENTRAL", "no_existe"); }},
        {"VLDUSRB fails", "127.0.0.1", [this] { db_->exec(QStringLiteral("DROP FUNCTION proc.vldusrb")); }},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.porque);
        iniDePrueba();
        c.prepara();
        rec_->clear();
        Form21* login = abreLogin();
        llena(login, QStringLiteral("ADMIN"), QStringLiteral("admin2007"), QString::fromLatin1(c.servidor),
              db_->name());
        login->conectar();
        ASSERT_EQ(rec_->boxes().size(), 1);
        EXPECT_TRUE(
            rec_->prompts()[0].startsWith(QStringLiteral("No se pudo completar el ingreso al sistema.")))
            << rec_->prompts()[0].toStdString();
        EXPECT_EQ(rec_->programEnds(), 0);
        EXPECT_EQ(login->contaracceso(), 0);
        EXPECT_TRUE(login->isVisible());
        EXPECT_EQ(windowRegistry().find(QStringLiteral("Form1")), nullptr);
        qputenv("DUROZ_BD_CENTRAL", central_->name().toUtf8());
        login->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(Form21Test, AServerThatCannotBeReachedIsReportedTwiceAndTheWindowStays)
{
    iniDePrueba();
    Form21* login = abreLogin();
    llena(login, QStringLiteral("ADMIN"), QStringLiteral("admin2007"), Direccion,
          QStringLiteral("no_existe"));
    login->conectar();
    EXPECT_EQ(rec_->prompts(),
              QStringList(
                  {QStringLiteral("No se puede Conectar con el Servidor de Datos Remotos... Finalizando"),
                   QStringLiteral("Ocurrieron Errores al Intentar Conectarse!... Finalizando el Sistema")}));
    EXPECT_EQ(rec_->boxes().value(1).title, QStringLiteral("Quorvelin 2007 - BACK OFFICE"));
    EXPECT_EQ(rec_->programEnds(), 0);
    EXPECT_EQ(login->contaracceso(), 0);
    EXPECT_TRUE(login->isVisible());
}

TEST_F(Form21Test, FourWrongPasswordsAreRefusedAndTheFifthEndsTheProgram)
{
    iniDePrueba();
    Form21* login = abreLogin();
    for (int intento = 1; intento < Form21::MaxRechazos; ++intento) {
        llena(login, QStringLiteral("ADMIN"), QStringLiteral("mala"), Direccion, db_->name());
        login->conectar();
        EXPECT_EQ(login->contaracceso(), intento);
        EXPECT_FALSE(core::sesion().conexion.isOpen());
    }
    EXPECT_EQ(rec_->prompts(), QStringList(4, Denegado));
    EXPECT_EQ(rec_->boxes().value(0).title, QStringLiteral("Quorvelin 2007 - BACK OFFICE"));
    EXPECT_EQ(rec_->programEnds(), 0);

    EXPECT_THROW(login->conectar(), platform::ProgramEnded);
    EXPECT_EQ(rec_->prompts().last(), Terminando);
    EXPECT_EQ(rec_->programEnds(), 1);
    EXPECT_EQ(windowRegistry().find(QStringLiteral("Form1")), nullptr);
}

TEST_F(Form21Test, ARefusalThroughAnotherReturnValueNeverEndsTheProgram)
{
    db_->exec(QStringLiteral(
        "CREATE OR REPLACE FUNCTION proc.vldusrb(xmodo varchar, xusuario varchar, xclave varchar, "
        "OUT return_value integer, OUT resultado refcursor) LANGUAGE plpgsql AS $$ BEGIN "
        "return_value := 3; OPEN resultado FOR SELECT 1 AS x WHERE false; END $$"));
    iniDePrueba();
    Form21* login = abreLogin();
    for (int intento = 0; intento < Form21::MaxRechazos + 2; ++intento) {
        llena(login, QStringLiteral("ADMIN"), QStringLiteral("admin2007"), Direccion, db_->name());
        login->Text2->setFocus();
        login->conectar();
        EXPECT_TRUE(login->Text1->hasFocus());
    }
    EXPECT_EQ(rec_->prompts(), QStringList(Form21::MaxRechazos + 2, Incorrectos));
    EXPECT_EQ(rec_->boxes().value(0).style, platform::msg::Exclamation);
    EXPECT_EQ(login->contaracceso(), 0);
    EXPECT_EQ(rec_->programEnds(), 0);
    EXPECT_TRUE(core::sesion().conexion.isOpen()); // kept

    // Enter in the password box runs the login, then a Tab moves on from
    // where the refusal put the focus.
    rec_->clear();
    login->Text2->setFocus();
    QTest::keyClick(login->windowHandle(), Qt::Key_Return);
    EXPECT_EQ(rec_->prompts(), QStringList{Incorrectos});
    EXPECT_TRUE(login->Text2->hasFocus());
}

TEST_F(Form21Test, TheHiddenKeysSwitchTheServerBoxes)
{
    iniDePrueba();
    Form21* login = abreLogin();
    const auto todas = Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier;
    const QList<QWidget*> ocultables = {login->Shape2, login->Text3, login->Text4, login->Label3,
                                        login->Label4};

    QTest::keyClick(login->windowHandle(), Qt::Key_F2, todas);
    for (QWidget* w : ocultables)
        EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
    QTest::keyClick(login->windowHandle(), Qt::Key_F2, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(login->Text3->isHidden()); // all three modifiers are needed
    QTest::keyClick(login->windowHandle(), Qt::Key_F2, todas);
    for (QWidget* w : ocultables)
        EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();

    QTest::keyClick(login->windowHandle(), Qt::Key_F8, todas);
    EXPECT_FALSE(login->Text3->isEnabled());
    EXPECT_FALSE(login->Text4->isEnabled());
    QTest::keyClick(login->windowHandle(), Qt::Key_F8, todas);
    EXPECT_TRUE(login->Text3->isEnabled());
    EXPECT_TRUE(login->Text4->isEnabled());
}

TEST_F(Form21Test, ADownloadedServerListIsWrittenAsItCameAndTheProgramEnds)
{
    escribeArchivo(archivo("server.txt"), "VIEJO\r\n");
    const QByteArray cuerpo("10.0.0.1,\"NUEVO\"\r\nOTRO\r\n");
    SitioHttp sitio(respuestaHttp("200 OK", cuerpo));
    qputenv("DUROZ_SERVIDOR_ACTUALIZACION", sitio.url().toLatin1());
    Form21* login = abreLogin();

    login->busca_ip->click();
    EXPECT_FALSE(login->busca_ip->isEnabled());
    EXPECT_TRUE(login->Label5->isVisible());
    ASSERT_TRUE(ventanasprueba::espera([&] { return rec_->programEnds() > 0; }));

    EXPECT_EQ(sitio.pedido(), QStringLiteral("GET /update/server.txt HTTP/1.1"));
    EXPECT_EQ(leeArchivo(archivo("server.txt")), cuerpo);
    ASSERT_EQ(rec_->boxes().size(), 1);
    EXPECT_TRUE(rec_->prompts().value(0).startsWith(QStringLiteral("La busqueda ha sido exitosa!")));
    EXPECT_EQ(rec_->boxes().value(0).style, platform::msg::Information);
    qunsetenv("DUROZ_SERVIDOR_ACTUALIZACION");
}

TEST_F(Form21Test, AFailedDownloadKeepsTheOldListAndTheWindowUsable)
{
    escribeArchivo(archivo("server.txt"), "VIEJO\r\n");
    QTcpServer cerrado;
    cerrado.listen(QHostAddress::LocalHost);
    const QString sinSitio = QStringLiteral("127.0.0.1:%1").arg(cerrado.serverPort());
    cerrado.close();

    struct Caso {
        const char* porque;
        QByteArray respuesta; // empty: nobody listens
    };
    const Caso casos[] = {
        {"not found", respuestaHttp("404 Not Found", "no existe")},
        {"server error", respuestaHttp("500 Internal Server Error", "")},
        {"nobody listens", {}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.porque);
        SitioHttp sitio(c.respuesta);
        qputenv("DUROZ_SERVIDOR_ACTUALIZACION", (c.respuesta.isEmpty() ? sinSitio : sitio.url()).toLatin1());
        rec_->clear();
        Form21* login = abreLogin();

        login->busca_ip->click();
        ASSERT_TRUE(ventanasprueba::espera([&] { return !rec_->boxes().isEmpty(); }));

        EXPECT_EQ(leeArchivo(archivo("server.txt")), QByteArray("VIEJO\r\n"));
        EXPECT_EQ(QDir(home_.path()).entryList(QDir::Files), QStringList{QStringLiteral("server.txt")});
        EXPECT_TRUE(login->busca_ip->isEnabled());
        EXPECT_TRUE(login->Label5->isHidden());
        EXPECT_TRUE(rec_->prompts().value(0).startsWith(
            QStringLiteral("No se pudo descargar la lista de servidores")))
            << rec_->prompts().value(0).toStdString();
        EXPECT_EQ(rec_->boxes().value(0).style, platform::msg::Critical);
        EXPECT_EQ(rec_->programEnds(), 0);
    }
    qunsetenv("DUROZ_SERVIDOR_ACTUALIZACION");
}
