#include "updater/form1.h"

#include "platform/db/dberror.h"
#include "platform/messages.h"
#include "platform/programfolder.h"
#include "platform/net/filedownload.h"
#include "updater/descargas.h"
#include "updater/imagen.h"
#include "updater/instalacion.h"
#include "updater/taquilla.h"

#include <QDir>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QLockFile>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace updater {

using platform::msgbox;
namespace msg = platform::msg;

namespace {

const QString Atencion = QStringLiteral("Atención!");

// Sizes of the stored window at the desktop's usual 96 dots per inch.
constexpr int Margen = 40;
constexpr QSize TamanoImagen(392, 161);
constexpr QSize TamanoBoton(105, 25);

QFont fuente(const char* familia, qreal puntos, bool negrita)
{
    QFont f(QString::fromLatin1(familia));
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    return f;
}

QLabel* etiqueta(const QString& texto, const QFont& f)
{
    auto* l = new QLabel(texto);
    l->setFont(f);
    return l;
}

QPushButton* boton(const QString& texto)
{
    auto* b = new QPushButton(texto);
    b->setFont(fuente("Arial", 9.75, true));
    b->setFixedSize(TamanoBoton);
    return b;
}

int acotado(qint64 valor)
{
    return int(std::clamp<qint64>(valor, 0, std::numeric_limits<int>::max()));
}

} // namespace

const QString Form1::ArchivoCerrojo = QStringLiteral(".pelvanto.cerrojo");

Form1::Form1(QString argumentos)
    : argumentos_(std::move(argumentos))
    , esperaDesempaqueMs_(Instalacion::EsperaDesempaqueMs)
    , limitePaquete_(platform::net::FileDownload::LimitePorOmision)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Actualización de Quorvelin"));

    Image1 = new QLabel;
    Image1->setFixedSize(TamanoImagen);
    Image1->setScaledContents(true);
    Image1->setPixmap(QPixmap::fromImage(imagenactualizacion()));
    Label6 = etiqueta(QStringLiteral("SOPORTE DE ACTUALIZACION EN LINEA DE QUORVELIN ON LINE"),
                      fuente("Tahoma", 8.25, true));
    ProgressBar1 = new QProgressBar;
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    QSizePolicy politica = ProgressBar1->sizePolicy();
    politica.setRetainSizeWhenHidden(true); // the window keeps its size
    ProgressBar1->setSizePolicy(politica);
    ProgressBar1->setVisible(false);
    Label1 = etiqueta(QString(), fuente("Arial", 9, false));
    Command1 = boton(QStringLiteral("Actualizar"));
    XPButton1 = boton(QStringLiteral("Salir"));

    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(Command1);
    botones->addSpacing(TamanoBoton.width() / 3);
    botones->addWidget(XPButton1);
    botones->addStretch();

    auto* columna = new QVBoxLayout(this);
    columna->setSizeConstraint(QLayout::SetFixedSize);
    columna->setContentsMargins(Margen, 32, Margen, 16);
    columna->addWidget(Image1);
    columna->addWidget(Label6);
    columna->addWidget(ProgressBar1);
    columna->addWidget(Label1);
    columna->addSpacing(8);
    columna->addLayout(botones);

    connect(Command1, &QPushButton::clicked, this, [this] { actualizar(); });
    connect(XPButton1, &QPushButton::clicked, this, [this] { salir(); });
}

Form1::~Form1() = default;

void Form1::actualizar()
{
    Command1->setEnabled(false);
    Label1->setText(QStringLiteral("Conectando...."));
    ProgressBar1->setValue(0);
    ProgressBar1->setVisible(true);
    const QString carpeta = platform::programFolder();
    if (!tomaCarpeta(carpeta))
        return;
    presentes_ = programaspresentes(carpeta);
    if (presentes_.isEmpty()) {
        cerrojo_.reset();
        msgbox(QStringLiteral("No hay sistemas que actualizar"), msg::Critical, Atencion);
        platform::endProgram();
    }
    QList<DescargaPaquetes::Pedido> pedidos;
    for (const Programa& p : std::as_const(presentes_))
        pedidos.append({urlpaquete(p), QDir(carpeta).filePath(p.paquete)});
    descarga_ = new DescargaPaquetes(this);
    descarga_->setLimite(limitePaquete_);
    connect(descarga_, &DescargaPaquetes::avance, this, &Form1::avance);
    connect(descarga_, &DescargaPaquetes::paqueterecibido, this, [this] { ProgressBar1->setValue(0); });
    connect(descarga_, &DescargaPaquetes::terminada, this, [this](bool exito, const QString& error) {
        // Runs from the event loop, which must not see the test's stand-in
        // for the end of the program; the real end never returns.
        try {
            descargaTerminada(exito, error);
        } catch (const platform::ProgramEnded&) {
        }
    });
    descarga_->inicia(pedidos);
}

bool Form1::tomaCarpeta(const QString& carpeta)
{
    // The lock names this process; one left by an updater that died is
    // taken over. An update may last long: the lock never ages out.
    auto cerrojo = std::make_unique<QLockFile>(QDir(carpeta).filePath(ArchivoCerrojo));
    cerrojo->setStaleLockTime(0);
    if (!cerrojo->tryLock(0)) {
        const QString porque = cerrojo->error() == QLockFile::LockFailedError
                                   ? QStringLiteral("otra actualización está en curso en esta carpeta")
                                   : QStringLiteral("no se puede escribir en la carpeta %1").arg(carpeta);
        restableceVentana();
        msgbox(QStringLiteral("No se pudo comenzar la actualización: %1.\r\nNingún programa ha cambiado.")
                   .arg(porque),
               msg::Critical, Atencion);
        return false;
    }
    cerrojo_ = std::move(cerrojo);
    // Before anything else: a program an interrupted run set aside goes
    // back under its name, so that it is found, run and updated again.
    const Instalacion::Recuperacion recuperacion = Instalacion::recupera(carpeta);
    if (!recuperacion.error.isEmpty()) {
        cerrojo_.reset();
        restableceVentana();
        msgbox(QStringLiteral("No se pudo comenzar la actualización: %1.").arg(recuperacion.error),
               msg::Critical, Atencion);
        return false;
    }
    return true;
}

void Form1::salir()
{
    platform::endProgram();
}

void Form1::avance(qint64 recibidos, qint64 total)
{
    Label1->setText(QStringLiteral("Descargando...."));
    if (total > 0)
        ProgressBar1->setMaximum(acotado(total));
    ProgressBar1->setValue(qMin(acotado(recibidos), ProgressBar1->maximum()));
}

void Form1::descargaTerminada(bool exito, const QString& error)
{
    descarga_->deleteLater();
    descarga_ = nullptr;
    ProgressBar1->setValue(0);
    if (!exito) {
        cerrojo_.reset();
        restableceVentana();
        msgbox(QStringLiteral("No se pudo descargar la actualización: %1.\r\n"
                              "Ningún programa ha cambiado.")
                   .arg(error),
               msg::Critical, Atencion);
        return;
    }
    Label1->setText(QStringLiteral("Actualizando...."));
    const bool instalados = instalaTodos();
    cerrojo_.reset();
    if (!instalados) {
        restableceVentana();
        return;
    }
    terminaActualizacion();
}

bool Form1::instalaTodos()
{
    const auto enUso = [] {
        msgbox(QStringLiteral("Por favor cierre la aplicación para poder actualizarla"), msg::Critical,
               Atencion);
    };
    for (const Programa& p : std::as_const(presentes_)) {
        Instalacion instalacion(platform::programFolder(), p, enUso, esperaDesempaqueMs_);
        const Instalacion::Resultado r = instalacion.instala();
        if (r.instalado && !r.sinCambio.isEmpty()) {
            const QString actualizado = r.actualizado == p.archivo
                                            ? r.actualizado
                                            : QStringLiteral("%1 (ahora %2)").arg(r.actualizado, p.archivo);
            msgbox(QStringLiteral("Hay más de un archivo de %1 en la carpeta, con nombres que solo difieren "
                                  "en mayúsculas y minúsculas. Se actualizó %2; sin cambios: %3.")
                       .arg(p.archivo, actualizado, r.sinCambio.join(QStringLiteral(", "))),
                   msg::Information, Atencion);
        }
        if (r.instalado)
            continue;
        const QString situacion =
            r.restaurado ? QStringLiteral("El programa anterior sigue en su lugar.")
                         : QStringLiteral("El programa anterior quedó guardado como %1.").arg(r.respaldo);
        msgbox(QStringLiteral("No se pudo instalar la actualización de %1: %2.\r\n%3")
                   .arg(p.archivo, r.error, situacion),
               msg::Critical, Atencion);
        return false;
    }
    return true;
}

void Form1::terminaActualizacion()
{
    Label1->clear();
    msgbox(QStringLiteral("La actualizacion se ha descargado sin problemas"), msg::Information, Atencion);
    try {
        verificaedotaquilla();
    } catch (const platform::db::DbError&) {
        // The handler ends here without a word, as it always did: the
        // status line stays and "Actualizar" stays disabled.
        return;
    }
    Command1->setEnabled(true);
}

void Form1::restableceVentana()
{
    Label1->clear();
    ProgressBar1->setValue(0);
    Command1->setEnabled(true);
}

void Form1::verificaedotaquilla()
{
    updater::verificaedotaquilla(argumentos_);
}

} // namespace updater
