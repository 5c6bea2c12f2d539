#include "access/editaserial.h"

#include "access/llamadas.h"

#include "core/filtros.h"

#include "platform/messages.h"
#include "platform/vbtext.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace acceso {

namespace db = platform::db;
namespace msg = platform::msg;

editaserial::editaserial()
    : Option1(new QRadioButton(QStringLiteral("Por Código")))
    , Option2(new QRadioButton(QStringLiteral("Por Nombre")))
    , Text1(new QLineEdit)
    , Command1(new QPushButton(QStringLiteral("&Buscar")))
    , DataGrid1(new core::GrillaCatalogo)
    , Label2(new QLabel(QStringLiteral("Serial:")))
    , Label1(new QLabel)
    , Grabar(new QPushButton(QStringLiteral("&Grabar")))
    , Cancelarcam(new QPushButton(QStringLiteral("&Deshacer")))
{
    setWindowTitle(QStringLiteral("Asignación de Serial de Taquilla"));
    setFrame({.fixedBorder = true, .maxButton = false, .centred = true});
    DataGrid1->setObjectName(QStringLiteral("DataGrid1"));
    DataGrid1->reserveColumnsWidth(3765);
    Label1->setObjectName(QStringLiteral("Label1"));

    auto* marco = new QGroupBox(QStringLiteral("Criterios de Búsqueda"));
    auto* criterios = new QHBoxLayout(marco);
    criterios->addWidget(Option1);
    criterios->addWidget(Option2);
    criterios->addWidget(Text1, 1);
    criterios->addWidget(Command1);
    Option1->setChecked(true);

    auto* serial = new QHBoxLayout;
    serial->addWidget(Label2);
    serial->addWidget(Label1, 1);
    auto* botones = new QHBoxLayout;
    botones->addStretch(1);
    for (QPushButton* b : {Command1, Grabar, Cancelarcam})
        b->setAutoDefault(false);
    botones->addWidget(Grabar);
    botones->addWidget(Cancelarcam);

    auto* raiz = new QVBoxLayout(this);
    raiz->addWidget(marco);
    raiz->addWidget(DataGrid1, 1);
    raiz->addLayout(serial);
    raiz->addLayout(botones);

    connect(Command1, &QPushButton::clicked, this, &editaserial::buscar);
    connect(Grabar, &QPushButton::clicked, this, &editaserial::grabar);
    connect(Cancelarcam, &QPushButton::clicked, this, &QWidget::close);
}

void editaserial::onLoad()
{
    atrapa([this] {
        muestra(comandoactseriales(QStringLiteral("4"), QStringLiteral("0"), QStringLiteral("0")).execute());
    });
}

void editaserial::muestra(const db::RecordSet& vendedores)
{
    DataGrid1->setDataSource(vendedores);
    DataGrid1->disponeColumnas({{0, QStringLiteral("Código"), 765}, {1, QStringLiteral("Nombre"), 3000}});
}

void editaserial::buscar()
{
    atrapa([this] {
        muestra(buscaserialven(Option1->isChecked() ? QStringLiteral("1") : QStringLiteral("2"),
                               platform::vb::rtrim(Text1->text())));
    });
}

void editaserial::grabar()
{
    atrapa([this] {
        if (!DataGrid1->tieneFila()) {
            platform::msgbox(QStringLiteral("Debe seleccionar un vendedor"), msg::Critical,
                             core::TituloAtencion);
            return;
        }
        db::Command c = comandoactseriales(QStringLiteral("2"), Label1->text().trimmed(),
                                           DataGrid1->textoColumna(0).trimmed());
        c.execute();
        if (core::respuesta(c) == QLatin1String("0"))
            platform::msgbox(QStringLiteral("Serial asignado con exito"), msg::Exclamation,
                             core::TituloAtencion);
        else
            platform::msgbox(QStringLiteral("El serial NO se ha asignado por problemas"), msg::Critical,
                             core::TituloAtencion);
        close();
    });
}

bool editaserial::onKeyPreview(QKeyEvent* evento)
{
    const bool enBusqueda = focusWidget() == Text1;
    return core::teclasventana(
        *evento, [this] { close(); }, [this, enBusqueda] { enBusqueda ? buscar() : grabar(); });
}

} // namespace acceso
