// The updater's window without a database: which programs it finds, what it
// downloads and installs, what the folder holds afterwards, and what a
// failed or refused download (incomplete, too long, too large, an https
// site not trusted), a failed unpacking, a program in use, links planted in
// the folder and an updater killed in the middle leave behind.

#include "capturas.h"
#include "messagerecorder.h"
#include "sitiopaquetes.h"
#include "updater/instalacion.h"

#include <QLabel>
#include <QLockFile>
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
        qunsetenv("DUROZ_CA_ACTUALIZACION");
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

// Hidden files of a folder: what a download or an update in course would
// leave there.
QStringList ocultos(const QString& carpeta)
{
    return QDir(carpeta).entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden | QDir::System);
}

TEST_F(ActualizacionTest, AFailedOrRefusedDownloadChangesNothingAndTheWindowCanTryAgain)
{
    constexpr qint64 Limite = 4096;
    const QByteArray bueno = paqueteQueSeCopia(programa(0));
    const QByteArray encabezado = "HTTP/1.1 200 OK\r\nConnection: close\r\n";
    struct Caso {
        const char* porque;
        QByteArray respuestaConsulta; // what the second program's package gets
        bool nadieEscucha;
        const char* dice; // the reason given
    };
    const Caso casos[] = {
        {"not found", Sitio::respuesta("404 Not Found", "no existe"), false,
         "el sitio respondió 404 Not Found"},
        {"server error", Sitio::respuesta("500 Internal Server Error", "error"), false,
         "el sitio respondió 500 Internal Server Error"},
        {"body shorter than announced", encabezado + "Content-Length: 2000\r\n\r\n" + QByteArray(1000, 'a'),
         false, "llegaron 1000 de los 2000 bytes anunciados: el archivo está incompleto"},
        {"nobody listens", {}, true, "nadie atiende en 127.0.0.1:"},
        {"empty body", Sitio::respuesta("200 OK", ""), false, "el sitio envió un archivo vacío"},
        {"body longer than announced", encabezado + "Content-Length: 1000\r\n\r\n" + QByteArray(2000, 'a'),
         false, "el sitio envió más bytes que los 1000 que anunció"},
        {"body past the size limit", Sitio::respuesta("200 OK", QByteArray(Limite + 1, 'a')), false,
         "el archivo anunciado tiene 4097 bytes, más que el límite de 4096"},
        {"no length announced", encabezado + "\r\n" + bueno, false,
         "el sitio no anunció el tamaño del archivo (Content-Length)"},
        {"sent in chunks", encabezado + "Transfer-Encoding: chunked\r\n\r\n5\r\nhola!\r\n0\r\n\r\n", false,
         "el sitio envió el archivo por partes (Transfer-Encoding: chunked)"},
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
        v.setLimitePaquete(Limite);
        actualiza(v);

        // Neither program changed, not even the one whose package arrived.
        EXPECT_EQ(lee(dir.filePath(programa(0).archivo)), QByteArray("viejo T"));
        EXPECT_EQ(lee(dir.filePath(programa(1).archivo)), QByteArray("viejo C"));
        EXPECT_EQ(lee(dir.filePath(programa(1).paquete)), QByteArray("paquete viejo"));
        EXPECT_EQ(ocultos(dir.path()), QStringList());
        ASSERT_EQ(rec_.boxes().size(), 1);
        EXPECT_TRUE(rec_.prompts()[0].startsWith(QStringLiteral("No se pudo descargar la actualización: ")))
            << rec_.prompts()[0].toStdString();
        EXPECT_TRUE(rec_.prompts()[0].contains(QString::fromUtf8(c.dice))) << rec_.prompts()[0].toStdString();
        EXPECT_TRUE(rec_.prompts()[0].endsWith(QStringLiteral("Ningún programa ha cambiado.")));
        EXPECT_EQ(rec_.boxes()[0].style, platform::msg::Critical);
        esperaReposo(v);
    }
}

TEST_F(ActualizacionTest, APackageAsLargeAsTheLimitIsInstalled)
{
    const Programa& p = programa(2);
    const QByteArray cuerpo = paqueteQueSeCopia(p, 4096);
    instalado(2, cuerpo);

    Form1 v;
    v.setLimitePaquete(cuerpo.size());
    actualiza(v);

    EXPECT_EQ(lee(ruta(p.archivo)), cuerpo);
    EXPECT_EQ(rec_.prompts(), QStringList{Exito});
}

TEST_F(ActualizacionTest, AnHttpsSiteIsUsedOnlyWithACertificateTrustedForItsName)
{
    QTemporaryDir certificados;
    const Certificado local = certificadoPropio(certificados.path(), QStringLiteral("127.0.0.1"));
    const Certificado otro = certificadoPropio(certificados.path(), QStringLiteral("otro.ejemplo"));
    const QString sinCertificados = certificados.filePath(QStringLiteral("vacio.pem"));
    escribe(sinCertificados, "no es un certificado\n");
    ASSERT_FALSE(HasFailure());
    const Programa& p = programa(1);
    struct Caso {
        const char* porque;
        const Certificado* delSitio;
        QString confiables; // DUROZ_CA_ACTUALIZACION; empty: unset, the system's store
        const char* dice;   // nullptr: installed
    };
    const Caso casos[] = {
        {"self-signed, in no trusted store", &local, {}, "no es de confianza"},
        {"trusted through DUROZ_CA_ACTUALIZACION", &local, local.archivo, nullptr},
        {"trusted, but made for another name", &otro, otro.archivo, "no es de confianza"},
        {"the trusted file holds no certificate", &local, sinCertificados, "no tiene certificados"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.porque);
        QTemporaryDir dir;
        qputenv("DUROZ_HOME", dir.path().toUtf8());
        Sitio sitio;
        sitio.cifra(c.delSitio->certificado, c.delSitio->clave);
        qputenv("DUROZ_SERVIDOR_ACTUALIZACION", (QStringLiteral("https://") + sitio.direccion()).toLatin1());
        if (c.confiables.isEmpty())
            qunsetenv("DUROZ_CA_ACTUALIZACION");
        else
            qputenv("DUROZ_CA_ACTUALIZACION", c.confiables.toUtf8());
        rec_.clear();
        const QByteArray cuerpo = paqueteQueSeCopia(p);
        escribe(dir.filePath(p.archivo), "viejo C");
        sitio.sirveCuerpo(p.rutapaquete, cuerpo);

        Form1 v;
        actualiza(v);

        if (!c.dice) {
            EXPECT_EQ(sitio.pedidos(), QStringList{p.rutapaquete});
            EXPECT_EQ(lee(dir.filePath(p.archivo)), cuerpo);
            EXPECT_EQ(rec_.prompts(), QStringList{Exito});
            continue;
        }
        // Nothing was asked for over a connection the updater did not trust.
        EXPECT_EQ(sitio.pedidos(), QStringList());
        EXPECT_EQ(lee(dir.filePath(p.archivo)), QByteArray("viejo C"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{p.archivo});
        ASSERT_EQ(rec_.boxes().size(), 1);
        EXPECT_TRUE(
            rec_.prompts()[0].startsWith(QStringLiteral("No se pudo descargar la actualización: https://")))
            << rec_.prompts()[0].toStdString();
        EXPECT_TRUE(rec_.prompts()[0].contains(QString::fromUtf8(c.dice))) << rec_.prompts()[0].toStdString();
        esperaReposo(v);
    }
}

TEST_F(ActualizacionTest, ALinkPlantedInTheFolderIsReplacedNeverFollowed)
{
    QTemporaryDir fuera;
    const QString ajeno = fuera.filePath(QStringLiteral("ajeno"));
    const QString noExiste = fuera.filePath(QStringLiteral("creado"));
    const Programa& p = programa(0);
    struct Caso {
        QString nombre;  // of the link, in the program folder
        QString destino; // outside it
    };
    const Caso casos[] = {
        {p.paquete, ajeno},
        {p.paquete, noExiste},
        {p.desempacado, ajeno},
        {p.desempacado, noExiste},
        {updater::Instalacion::nombreRespaldo(p.archivo), ajeno},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre.toStdString() + " -> " + c.destino.toStdString());
        rec_.clear();
        escribe(ajeno, "de otro");
        ASSERT_TRUE(QFile::link(c.destino, ruta(c.nombre)));
        const QByteArray cuerpo = paqueteQueSeCopia(p, 2000);
        instalado(0, cuerpo);

        Form1 v;
        actualiza(v);

        EXPECT_EQ(lee(ajeno), QByteArray("de otro"));
        EXPECT_FALSE(QFileInfo::exists(noExiste));
        EXPECT_EQ(lee(ruta(p.archivo)), cuerpo);
        EXPECT_EQ(QDir(carpeta_.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                  QStringList{p.archivo});
        EXPECT_EQ(rec_.prompts(), QStringList{Exito});
    }
}

TEST_F(ActualizacionTest, OfTwoSpellingsOfAProgramOneIsUpdatedAndTheUserIsToldWhich)
{
    const Programa& p = programa(0);
    struct Caso {
        QStringList presentes;
        QString actualizado; // replaced by the new program, under the table's name
        QString sinCambio;   // left as it was
        const char* dice;
    };
    const Caso casos[] = {
        {{QStringLiteral("QUORVELIN TAQUILLA.EXE"), p.archivo},
         p.archivo,
         QStringLiteral("QUORVELIN TAQUILLA.EXE"),
         "Se actualizó Quorvelin Taquilla.exe; sin cambios: QUORVELIN TAQUILLA.EXE."},
        {{QStringLiteral("QUORVELIN TAQUILLA.EXE"), QStringLiteral("quorvelin taquilla.exe")},
         QStringLiteral("QUORVELIN TAQUILLA.EXE"),
         QStringLiteral("quorvelin taquilla.exe"),
         "Se actualizó QUORVELIN TAQUILLA.EXE (ahora Quorvelin Taquilla.exe); sin cambios: quorvelin "
         "taquilla.exe."},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.actualizado.toStdString());
        QTemporaryDir dir;
        qputenv("DUROZ_HOME", dir.path().toUtf8());
        rec_.clear();
        for (const QString& nombre : c.presentes)
            escribe(dir.filePath(nombre), nombre.toUtf8());
        const QByteArray cuerpo = paqueteQueSeCopia(p);
        sitio_.sirveCuerpo(p.rutapaquete, cuerpo);

        Form1 v;
        actualiza(v);

        EXPECT_EQ(lee(dir.filePath(p.archivo)), cuerpo);
        EXPECT_EQ(lee(dir.filePath(c.sinCambio)), c.sinCambio.toUtf8());
        QStringList esperados{p.archivo, c.sinCambio};
        esperados.sort();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), esperados);
        ASSERT_EQ(rec_.boxes().size(), 2);
        EXPECT_EQ(
            rec_.prompts()[0],
            QStringLiteral("Hay más de un archivo de Quorvelin Taquilla.exe en la carpeta, con nombres que "
                           "solo difieren en mayúsculas y minúsculas. ") +
                QString::fromUtf8(c.dice));
        EXPECT_EQ(rec_.boxes()[0].style, platform::msg::Information);
        EXPECT_EQ(rec_.prompts()[1], Exito);
    }
}

TEST_F(ActualizacionTest, AnUpdateInCourseInTheFolderIsLeftAlone)
{
    const Programa& p = programa(1);
    QLockFile enCurso(ruta(Form1::ArchivoCerrojo));
    ASSERT_TRUE(enCurso.tryLock(0));
    instalado(1, paqueteQueSeCopia(p), "viejo C");
    // The other run's backup is its own business.
    escribe(ruta(updater::Instalacion::nombreRespaldo(programa(2).archivo)), "apartado");

    Form1 v;
    v.actualizar();

    EXPECT_EQ(rec_.prompts(), QStringList{QStringLiteral("No se pudo comenzar la actualización: otra "
                                                         "actualización está en curso en esta carpeta.\r\n"
                                                         "Ningún programa ha cambiado.")});
    EXPECT_EQ(sitio_.pedidos(), QStringList());
    EXPECT_EQ(archivos(),
              (QStringList{p.archivo, updater::Instalacion::nombreRespaldo(programa(2).archivo)}));
    esperaReposo(v);

    // Once it is over, the next run puts the backup back and updates it too.
    enCurso.unlock();
    rec_.clear();
    const QByteArray duroz = paqueteQueSeCopia(programa(2));
    sitio_.sirveCuerpo(programa(2).rutapaquete, duroz);
    actualiza(v);
    EXPECT_EQ(rec_.prompts(), QStringList{Exito});
    EXPECT_EQ(lee(ruta(programa(2).archivo)), duroz);
    EXPECT_EQ(archivos(), (QStringList{p.archivo, programa(2).archivo}));
}

// A process that has not ended (a zombie has).
bool vivo(const QByteArray& pid)
{
    QFile estado(QStringLiteral("/proc/%1/stat").arg(QString::fromLatin1(pid.trimmed())));
    if (pid.trimmed().isEmpty() || !estado.open(QIODevice::ReadOnly))
        return false;
    const QByteArray linea = estado.readAll();
    return linea.mid(linea.lastIndexOf(')') + 2, 1) != "Z";
}

TEST_F(ActualizacionTest, AnUpdaterKilledWhileAPackageUnpacksIsRecoveredAtTheNextRun)
{
    const Programa& p = programa(0);
    const QString respaldo = updater::Instalacion::nombreRespaldo(p.archivo);
    QTemporaryDir marcas;
    const QString listo = marcas.filePath(QStringLiteral("listo"));
    const QByteArray m = QFile::encodeName(marcas.path());
    // It notes its processes, leaves half a program and waits for ever.
    const QByteArray colgado = paquete("echo $$ > '" + m + "/interprete'; sleep 300 & echo $! > '" + m +
                                       "/fondo'; echo a medias > '" + p.desempacado.toLatin1() + "'; : > '" +
                                       m + "/listo'; wait");
    for (const bool sitioAtiende : {false, true}) {
        SCOPED_TRACE(sitioAtiende ? "the next run installs" : "the next run cannot download");
        QTemporaryDir dir;
        qputenv("DUROZ_HOME", dir.path().toUtf8());
        Sitio sitio;
        qputenv("DUROZ_SERVIDOR_ACTUALIZACION", sitio.direccion().toLatin1());
        QFile::remove(listo);
        escribe(dir.filePath(p.archivo), "viejo T");
        sitio.sirveCuerpo(p.rutapaquete, colgado);

        QProcess updater;
        updater.start(QStringLiteral(ACTUALIZA_UNA_VEZ));
        ASSERT_TRUE(updater.waitForStarted()) << updater.errorString().toStdString();
        ASSERT_TRUE(ventanasprueba::espera([&] { return QFile::exists(listo); }, 60000))
            << "the package never ran";
        const QByteArray interprete = lee(marcas.filePath(QStringLiteral("interprete")));
        const QByteArray fondo = lee(marcas.filePath(QStringLiteral("fondo")));
        updater.kill(); // SIGKILL
        ASSERT_TRUE(updater.waitForFinished());

        // The program is only in its backup, as the kill left it.
        EXPECT_FALSE(QFile::exists(dir.filePath(p.archivo)));
        EXPECT_EQ(lee(dir.filePath(respaldo)), QByteArray("viejo T"));
        // The package's processes ended with the updater.
        EXPECT_TRUE(ventanasprueba::espera([&] { return !vivo(interprete) && !vivo(fondo); }, 20000))
            << "package processes " << interprete.trimmed().toStdString() << " and "
            << fondo.trimmed().toStdString() << " outlived the updater";

        rec_.clear();
        const QByteArray nuevo = paqueteQueSeCopia(p);
        if (sitioAtiende)
            sitio.sirveCuerpo(p.rutapaquete, nuevo);
        else
            qputenv("DUROZ_SERVIDOR_ACTUALIZACION", direccionSinSitio().toLatin1());
        Form1 v;
        actualiza(v);

        EXPECT_EQ(lee(dir.filePath(p.archivo)), sitioAtiende ? nuevo : QByteArray("viejo T"));
        EXPECT_FALSE(QFile::exists(dir.filePath(respaldo)));
        ASSERT_EQ(rec_.boxes().size(), 1);
        if (sitioAtiende) {
            EXPECT_EQ(rec_.prompts()[0], Exito);
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{p.archivo});
        } else {
            EXPECT_TRUE(
                rec_.prompts()[0].startsWith(QStringLiteral("No se pudo descargar la actualización: ")))
                << rec_.prompts()[0].toStdString();
        }
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
