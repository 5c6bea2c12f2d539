// The updater's window without a database: which programs it finds, what it
// downloads and installs, what the folder holds afterwards, and what a
// failed download, a failed unpacking or a program in use leave behind.

#include "capturas.h"
#include "messagerecorder.h"
#include "sitiopaquetes.h"
#include "updater/instalacion.h"

#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>

using namespace sitiopaquetes;
using testsupport::MessageRecorder;
using updater::Form1;
using updater::Programa;

namespace {

const QString Exito = QStringLiteral("La actualizacion se ha descargado sin problemas");
const QString Atencion = QStringLiteral("Atención!");

class ActualizacionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(carpeta_.isValid());
        qputenv("DUROZ_HOME", carpeta_.path().toUtf8());
        qputenv("DUROZ_SERVIDOR_ACTUALIZACION", sitio_.direccion().toLatin1());
    }

    void TearDown() override
    {
        qunsetenv("DUROZ_HOME");
        qunsetenv("DUROZ_SERVIDOR_ACTUALIZACION");
    }

    QString ruta(const QString& nombre) const { return carpeta_.filePath(nombre); }
    QStringList archivos() const { return QDir(carpeta_.path()).entryList(QDir::Files, QDir::Name); }

    // The program's old file, and its package on the site.
    void instalado(int fila, const QByteArray& paquete, const QByteArray& viejo = "viejo")
    {
        escribe(ruta(programa(fila).archivo), viejo);
        sitio_.sirveCuerpo(programa(fila).rutapaquete, paquete);
    }

    // What the window shows when it is ready for another run.
    static void esperaReposo(const Form1& v)
    {
        EXPECT_TRUE(v.Command1->isEnabled());
        EXPECT_EQ(v.Label1->text(), QString());
        EXPECT_EQ(v.ProgressBar1->value(), 0);
    }

    QTemporaryDir carpeta_;
    Sitio sitio_;
    MessageRecorder rec_;
};

TEST_F(ActualizacionTest, ProgramFilesAreFoundWithoutRegardToCaseAndOnlyAsOrdinaryFiles)
{
    escribe(ruta(QStringLiteral("quorvelin CONSULTA.exe")), "x");
    QDir(carpeta_.path()).mkdir(QStringLiteral("Quorvelin Duroz.exe"));
    escribe(ruta(QStringLiteral("Quorvelin Taquilla.exe.bak")), "x");

    EXPECT_EQ(updater::buscaarchivo(carpeta_.path(), QStringLiteral("Quorvelin Consulta.exe")),
              QStringLiteral("quorvelin CONSULTA.exe"));
    EXPECT_EQ(updater::buscaarchivo(carpeta_.path(), QStringLiteral("Quorvelin Duroz.exe")), QString());
    EXPECT_EQ(updater::buscaarchivo(carpeta_.path(), QStringLiteral("Quorvelin Taquilla.exe")), QString());
    const QList<Programa> presentes = updater::programaspresentes(carpeta_.path());
    ASSERT_EQ(presentes.size(), 1);
    EXPECT_EQ(presentes[0].archivo, QStringLiteral("Quorvelin Consulta.exe"));
}

TEST_F(ActualizacionTest, PackageAddressesAreTheConfiguredSitesPaths)
{
    struct Caso {
        const char* sitio;
        int fila;
        const char* url;
    };
    const Caso casos[] = {
        {"", 0, "http://127.0.0.1/update/QUORVET.EXE"},
        {"actualiza.ejemplo.com", 1, "http://actualiza.ejemplo.com/update/QUORVEC.EXE"},
        {"127.0.0.1:8080", 2, "http://127.0.0.1:8080/update/QUORVEB.EXE"},
        {"http://sitio.ejemplo/", 2, "http://sitio.ejemplo/update/QUORVEB.EXE"},
    };
    for (const Caso& c : casos) {
        qputenv("DUROZ_SERVIDOR_ACTUALIZACION", c.sitio);
        EXPECT_EQ(updater::urlpaquete(programa(c.fila)).toString(), QString::fromLatin1(c.url)) << c.sitio;
    }
}

TEST_F(ActualizacionTest, WithNoProgramInTheFolderTheUserIsToldAndTheProgramEnds)
{
    escribe(ruta(QStringLiteral("QT.exe")), "no es un programa de la tabla");
    Form1 v;
    EXPECT_THROW(v.actualizar(), platform::ProgramEnded);

    EXPECT_EQ(v.Label1->text(), QStringLiteral("Conectando...."));
    EXPECT_FALSE(v.Command1->isEnabled());
    ASSERT_EQ(rec_.boxes().size(), 1);
    EXPECT_EQ(rec_.boxes()[0].prompt, QStringLiteral("No hay sistemas que actualizar"));
    EXPECT_EQ(rec_.boxes()[0].title, Atencion);
    EXPECT_EQ(rec_.boxes()[0].style, platform::msg::Critical);
    EXPECT_EQ(rec_.programEnds(), 1);
    EXPECT_TRUE(sitio_.pedidos().isEmpty());
}

TEST_F(ActualizacionTest, EveryPresentProgramIsDownloadedIntoItsOwnPackageAndInstalled)
{
    struct Caso {
        QList<int> filas;
        QList<qsizetype> largos; // of each row's package
    };
    const Caso casos[] = {
        {{1}, {1025}},
        {{0, 2}, {1024, 3 * 1024}},
        {{0, 1, 2}, {2048, 1025, 700}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.filas.size());
        QTemporaryDir dir;
        qputenv("DUROZ_HOME", dir.path().toUtf8());
        Sitio sitio;
        qputenv("DUROZ_SERVIDOR_ACTUALIZACION", sitio.direccion().toLatin1());
        rec_.clear();
        QHash<int, QByteArray> paquetes;
        QStringList rutas;
        QStringList esperados;
        for (int i = 0; i < c.filas.size(); ++i) {
            const Programa& p = programa(c.filas[i]);
            paquetes[c.filas[i]] = paqueteQueSeCopia(p, c.largos[i]);
            ASSERT_EQ(paquetes[c.filas[i]].size(), c.largos[i]);
            escribe(dir.filePath(p.archivo), "viejo");
            sitio.sirveCuerpo(p.rutapaquete, paquetes[c.filas[i]]);
            rutas << p.rutapaquete;
            esperados << p.archivo;
        }

        Form1 v;
        actualiza(v);

        EXPECT_EQ(sitio.pedidos(), rutas);
        esperados.sort();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name), esperados);
        for (int fila : c.filas)
            EXPECT_EQ(lee(dir.filePath(programa(fila).archivo)), paquetes[fila]) << fila;
        EXPECT_EQ(rec_.prompts(), QStringList{Exito});
        EXPECT_EQ(rec_.boxes().value(0).style, platform::msg::Information);
        EXPECT_EQ(rec_.boxes().value(0).title, Atencion);
        esperaReposo(v);
        EXPECT_FALSE(v.ProgressBar1->isHidden());
        // The bar measured the last package by its announced length.
        EXPECT_EQ(v.ProgressBar1->maximum(), c.largos.last());
    }
}

TEST_F(ActualizacionTest, APackageFileIsTheServedBodyAlsoOverALongerStaleOne)
{
    const Programa& p = programa(0);
    for (qsizetype largo : {qsizetype(1024), qsizetype(4 * 1024), qsizetype(1025)}) {
        SCOPED_TRACE(largo);
        rec_.clear();
        // A package that shows what it was, byte by byte, before it runs
        // its copy: the copy of the package file as the interpreter found it.
        const QByteArray cuerpo = paqueteQueSeCopia(p, largo);
        escribe(ruta(p.paquete), QByteArray(3 * largo, 'x'));
        instalado(0, cuerpo);

        Form1 v;
        actualiza(v);

        EXPECT_EQ(lee(ruta(p.archivo)), cuerpo);
        EXPECT_FALSE(QFile::exists(ruta(p.paquete)));
        EXPECT_EQ(rec_.prompts(), QStringList{Exito});
    }
}

TEST_F(ActualizacionTest, AProgramFoundInAnotherCaseIsReplacedUnderItsOwnName)
{
    const Programa& p = programa(1);
    escribe(ruta(QStringLiteral("QUORVELIN consulta.EXE")), "viejo");
    const QByteArray cuerpo = paqueteQueSeCopia(p);
    sitio_.sirveCuerpo(p.rutapaquete, cuerpo);

    Form1 v;
    actualiza(v);

    EXPECT_EQ(archivos(), QStringList{p.archivo});
    EXPECT_EQ(lee(ruta(p.archivo)), cuerpo);
}

TEST_F(ActualizacionTest, ASecondPressRepeatsTheDownloadAndTheInstallation)
{
    const Programa& p = programa(2);
    instalado(2, paqueteQueSeCopia(p));
    Form1 v;
    actualiza(v);
    const QByteArray segundo = paqueteQueSeCopia(p, 3000);
    sitio_.sirveCuerpo(p.rutapaquete, segundo);
    actualiza(v);

    EXPECT_EQ(sitio_.pedidos(), QStringList(2, p.rutapaquete));
    EXPECT_EQ(lee(ruta(p.archivo)), segundo);
    EXPECT_EQ(rec_.prompts(), QStringList(2, Exito));
    esperaReposo(v);
}

TEST_F(ActualizacionTest, AFailedDownloadChangesNothingAndTheWindowCanTryAgain)
{
    const QByteArray bueno = paqueteQueSeCopia(programa(0));
    struct Caso {
        const char* porque;
        QByteArray respuestaConsulta; // what the second program's package gets
        bool nadieEscucha;
    };
    const Caso casos[] = {
        {"not found", Sitio::respuesta("404 Not Found", "no existe"), false},
        {"server error", Sitio::respuesta("500 Internal Server Error", "error"), false},
        {"body shorter than announced",
         "HTTP/1.1 200 OK\r\nContent-Length: 2000\r\nConnection: close\r\n\r\n" + QByteArray(1000, 'a'),
         false},
        {"nobody listens", {}, true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.porque);
        QTemporaryDir dir;
        qputenv("DUROZ_HOME", dir.path().toUtf8());
        Sitio sitio;
        qputenv("DUROZ_SERVIDOR_ACTUALIZACION",
                (c.nadieEscucha ? direccionSinSitio() : sitio.direccion()).toLatin1());
        rec_.clear();
        escribe(dir.filePath(programa(0).archivo), "viejo T");
        escribe(dir.filePath(programa(1).archivo), "viejo C");
        escribe(dir.filePath(programa(1).paquete), "paquete viejo");
        sitio.sirveCuerpo(programa(0).rutapaquete, bueno);
        sitio.sirve(programa(1).rutapaquete, c.respuestaConsulta);

        Form1 v;
        actualiza(v);

        // Neither program changed, not even the one whose package arrived.
        EXPECT_EQ(lee(dir.filePath(programa(0).archivo)), QByteArray("viejo T"));
        EXPECT_EQ(lee(dir.filePath(programa(1).archivo)), QByteArray("viejo C"));
        EXPECT_EQ(lee(dir.filePath(programa(1).paquete)), QByteArray("paquete viejo"));
        ASSERT_EQ(rec_.boxes().size(), 1);
        EXPECT_TRUE(rec_.prompts()[0].startsWith(QStringLiteral("No se pudo descargar la actualización: ")))
            << rec_.prompts()[0].toStdString();
        EXPECT_TRUE(rec_.prompts()[0].endsWith(QStringLiteral("Ningún programa ha cambiado.")));
        EXPECT_EQ(rec_.boxes()[0].style, platform::msg::Critical);
        esperaReposo(v);
    }
}

TEST_F(ActualizacionTest, AFailedUnpackingPutsTheOldProgramBackAndSaysSo)
{
    const Programa& p = programa(1);
    struct Caso {
        const char* porque;
        QByteArray orden;
        const char* dice;
    };
    const Caso casos[] = {
        {"leaves nothing", "true", "no dejó el archivo QC.exe"},
        {"fails after leaving the file", "echo a medias > QC.exe; exit 3", "terminó con el código 3"},
        {"never ends", "sleep 30 & sleep 30", "no terminó"},
        {"puts its file in the program's place", "echo intruso > 'Quorvelin Consulta.exe'; cp \"$0\" QC.exe",
         "no se pudo dar al archivo QC.exe el nombre del programa"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.porque);
        rec_.clear();
        instalado(1, paquete(c.orden), "viejo C");
        // An unpacked file left by an interrupted run is never installed.
        escribe(ruta(p.desempacado), "de una vez anterior");

        Form1 v;
        v.setEsperaDesempaque(1500);
        actualiza(v);

        EXPECT_EQ(archivos(), (QStringList{p.archivo, p.paquete}));
        EXPECT_EQ(lee(ruta(p.archivo)), QByteArray("viejo C"));
        ASSERT_EQ(rec_.boxes().size(), 1);
        EXPECT_TRUE(rec_.prompts()[0].startsWith(
            QStringLiteral("No se pudo instalar la actualización de Quorvelin Consulta.exe: ")))
            << rec_.prompts()[0].toStdString();
        EXPECT_TRUE(rec_.prompts()[0].contains(QString::fromUtf8(c.dice))) << rec_.prompts()[0].toStdString();
        EXPECT_TRUE(rec_.prompts()[0].endsWith(QStringLiteral("El programa anterior sigue en su lugar.")));
        esperaReposo(v);
    }
}

TEST_F(ActualizacionTest, AProgramInUseIsReplacedOnceTheUserHasClosedIt)
{
    const Programa& p = programa(0);
    const QString enUso = ruta(p.archivo);
    ASSERT_TRUE(QFile::copy(QStringLiteral("/bin/sleep"), enUso));
    QFile(enUso).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcess corriendo;
    corriendo.start(enUso, {QStringLiteral("300")});
    ASSERT_TRUE(corriendo.waitForStarted());
    const QByteArray cuerpo = paqueteQueSeCopia(p);
    sitio_.sirveCuerpo(p.rutapaquete, cuerpo);
    const QString Cierre = QStringLiteral("Por favor cierre la aplicación para poder actualizarla");
    int avisos = 0;
    rec_.onShow([&](const testsupport::RecordedBox& caja) {
        if (caja.prompt != Cierre || ++avisos < 2)
            return;
        // The user closes the program at the second request, then answers.
        corriendo.kill();
        corriendo.waitForFinished();
    });

    Form1 v;
    actualiza(v);

    EXPECT_EQ(rec_.prompts(), (QStringList{Cierre, Cierre, Exito}));
    EXPECT_EQ(rec_.boxes()[0].style, platform::msg::Critical);
    EXPECT_EQ(rec_.boxes()[0].title, Atencion);
    EXPECT_EQ(lee(enUso), cuerpo);
    EXPECT_EQ(archivos(), QStringList{p.archivo});
}

TEST_F(ActualizacionTest, TheWindowOpensIdleWithEveryTextWhole)
{
    Form1 v;
    v.showModeless();

    EXPECT_EQ(v.windowTitle(), QStringLiteral("Actualización de Quorvelin"));
    EXPECT_EQ(v.Command1->text(), QStringLiteral("Actualizar"));
    EXPECT_EQ(v.XPButton1->text(), QStringLiteral("Salir"));
    EXPECT_TRUE(v.Command1->isEnabled());
    EXPECT_TRUE(v.ProgressBar1->isHidden());
    EXPECT_EQ(v.Label1->text(), QString());
    EXPECT_FALSE(v.Image1->pixmap().isNull());
    const QString captura = testsupport::saveScreenshot(&v, QStringLiteral("pelvanto-Form1"));
    EXPECT_FALSE(captura.isEmpty());

    // The longest status and the heading fit their labels.
    v.Label1->setText(QStringLiteral("Actualizando...."));
    v.ProgressBar1->setVisible(true);
    v.ProgressBar1->setValue(40);
    for (const QLabel* l : {v.Label6, v.Label1})
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->contentsRect().width())
            << l->text().toStdString();
    // Showing the bar does not move the buttons.
    const QPoint boton = v.Command1->pos();
    QCoreApplication::processEvents();
    EXPECT_EQ(v.Command1->pos(), boton);
    testsupport::saveScreenshot(&v, QStringLiteral("pelvanto-Form1-actualizando"));
}

TEST_F(ActualizacionTest, SalirEndsTheProgram)
{
    Form1 v;
    EXPECT_THROW(v.salir(), platform::ProgramEnded);
    EXPECT_EQ(rec_.programEnds(), 1);
}

} // namespace
