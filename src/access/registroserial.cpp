#include "access/registroserial.h"

#include "access/editaserial.h"
#include "access/llamadas.h"

#include "core/sesion.h"

#include "platform/messages.h"
#include "platform/vbtext.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace acceso {

namespace db = platform::db;
namespace msg = platform::msg;

registroserial::registroserial()
    : Catalogo(QStringLiteral("Registro de Serial de Taquilla"))
    , Option1(new QRadioButton(QStringLiteral("Por Serial")))
    , Option2(new QRadioButton(QStringLiteral("Por Código Vendedor")))
    , Text1(new QLineEdit)
    , Command1(new QPushButton(QStringLiteral("&Buscar")))
{
    setFrame({.fixedBorder = true, .maxButton = false, .centred = true});
    grilla()->setObjectName(QStringLiteral("DataGrid1"));
    grilla()->reserveColumnsWidth(5865);
    setLectura(core::Lectura::EnCadaActivacion);
    setRenuevaAlActivar(true);
    setEnterModifica(core::EnterModifica::EnLaVentana);
    botonNuevo()->hide();

    auto* marco = new QGroupBox(QStringLiteral("Criterios de Búsqueda"));
    auto* criterios = new QVBoxLayout(marco);
    criterios->addWidget(Option1);
    criterios->addWidget(Option2);
    auto* busqueda = new QHBoxLayout;
    busqueda->addWidget(Text1, 1);
    busqueda->addWidget(Command1);
    criterios->addLayout(busqueda);
    Option1->setChecked(true);
    Command1->setAutoDefault(false);
    auto* detalle = new QVBoxLayout(areaDetalle());
    detalle->addWidget(marco);
    detalle->addStretch(1);
    connect(Command1, &QPushButton::clicked, this, &registroserial::buscar);
}

db::RecordSet registroserial::leeLista()
{
    return comandoactseriales(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0")).execute();
}

QList<core::Columna> registroserial::columnas() const
{
    return {{0, QStringLiteral("Serial"), 1500},
            {1, QStringLiteral("Codigo"), 765},
            {2, QStringLiteral("Nombre"), 3600}};
}

void registroserial::onActivate()
{
    Catalogo::onActivate();
    atrapa([this] {
        if (lista().state() == db::RecordSet::StateOpen && lista().recordCount() > 0) {
            grilla()->irAMarcador(core::sesion().marcadormaestro);
            return;
        }
        platform::msgbox(QStringLiteral("No hay seriales registrados"), msg::Exclamation,
                         core::TituloAtencion);
        botonModificar()->setEnabled(false);
        botonEliminar()->setEnabled(false);
    });
}

void registroserial::buscar()
{
    atrapa([this] {
        const db::RecordSet encontrados = buscaserialven(Option1->isChecked() ? QStringLiteral("3")
                                                                              : QStringLiteral("4"),
                                                         platform::vb::rtrim(Text1->text()));
        enlaza(encontrados, {{0, QStringLiteral("Serial"), 1500},
                             {1, QStringLiteral("Codigo"), 765},
                             {2, QStringLiteral("Nombre"), 3000}});
    });
}

// Enter runs this while the buttons are disabled too: without a row there
// is nothing to hand over.
void registroserial::abreEditor(bool)
{
    if (!grilla()->tieneFila())
        return;
    if (auto* editor = core::cargaVentana<editaserial>(QStringLiteral("editaserial"))) {
        editor->Label1->setText(grilla()->textoColumna(0));
        editor->showModeless();
    }
}

bool registroserial::preguntaEliminar()
{
    return platform::msgbox(QStringLiteral("Desea eliminar el serial?"), msg::YesNo + msg::Critical,
                            core::TituloAtencion) == msg::AnswerYes;
}

QString registroserial::llamaEliminar()
{
    db::Command c = comandoactseriales(QStringLiteral("3"), grilla()->textoColumna(0).trimmed(),
                                       QStringLiteral("0"));
    c.execute();
    return core::respuesta(c);
}

void registroserial::informaEliminado(const QString& respuesta)
{
    if (respuesta == QLatin1String("0"))
        platform::msgbox(QStringLiteral("El serial se ha eliminado sin problemas"), msg::Exclamation,
                         core::TituloAtencion);
    else
        platform::msgbox(QStringLiteral("El serial NO se ha eliminado por problemas"), msg::Critical,
                         core::TituloAtencion);
}

} // namespace acceso
