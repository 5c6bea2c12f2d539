#include "accounts/mastergastos.h"

#include "accounts/menugastos.h"

#include "core/filtros.h"
#include "core/rutinas.h"
#include "core/sesion.h"
#include "platform/messages.h"
#include "platform/ui/windowregistry.h"
#include "platform/vbtext.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace accounts {

namespace db = platform::db;

namespace {

void muestraAlcaldias(const QString& modo, bool modal, QWidget* dueno)
{
    core::sesion().modoedicion = modo;
    platform::ui::Window* editor = platform::ui::windowRegistry().get(QStringLiteral("editaalcaldia"));
    if (!editor)
        return;
    if (modal)
        editor->showModal(dueno);
    else
        editor->showModeless();
}

} // namespace

mastergastos::mastergastos()
    : DataGrid1(new core::GrillaCatalogo)
    , Command1(new QPushButton(QStringLiteral("Gastos")))
    , XPButton3(new QPushButton(QStringLiteral("Regresar")))
    , Text1(new QLineEdit)
    , Text2(new QLineEdit)
    , Text3(new QLineEdit)
    , Text4(new QLineEdit)
    , rutinas_(Text1, Text2, Text3)
{
    setWindowTitle(QStringLiteral("Actualizaciòn de Informaciòn de Gastos"));
    setFrame({.fixedBorder = true, .maxButton = false, .centred = true});
    auto* raiz = new QVBoxLayout(this);
    DataGrid1->setToolTip(QStringLiteral("Seleccione un Vendedor y pulse el boton GASTOS"));
    raiz->addWidget(DataGrid1, 1);
    auto* botones = new QHBoxLayout;
    botones->addWidget(Command1);
    botones->addWidget(XPButton3);
    raiz->addLayout(botones);
    for (QLineEdit* caja : {Text1, Text2, Text3, Text4}) {
        caja->setParent(this);
        caja->hide();
    }
    connect(Command1, &QPushButton::clicked, this, &mastergastos::gastos);
    connect(XPButton3, &QPushButton::clicked, this, [this] { close(); });
    connect(DataGrid1, &QAbstractItemView::clicked, this, [this] { rutinas_.limpiatextos(); });
}

void mastergastos::onLoad()
{
    core::sesion().modoedicion.clear();
}

void mastergastos::onActivate()
{
    db::RecordSet& vendedores = core::sesion().rsvendedores;
    DataGrid1->setDataSource(vendedores);
    if (vendedores.state() != db::RecordSet::StateOpen)
        return;
    DataGrid1->disponeColumnas(
        {{0, QStringLiteral("Código"), 900}, {1, QStringLiteral("Descripción"), 3000}});
}

void mastergastos::gastos()
{
    if (!DataGrid1->tieneFila())
        return;
    const QString linea = DataGrid1->textoColumna(0).trimmed() + QStringLiteral(" - ") +
                          platform::vb::rtrim(DataGrid1->textoColumna(1));
    auto* lista = core::cargaVentana<menugastos>(QStringLiteral("menugastos"));
    if (!lista)
        return;
    lista->Label7->setText(linea);
    lista->showModeless();
}

bool mastergastos::onKeyPreview(QKeyEvent* evento)
{
    if (DataGrid1->hasFocus() && core::codigotecla(*evento) == core::TeclaEnter) {
        gastos();
        return true;
    }
    return core::teclasventana(*evento, [this] { close(); });
}

void mastergastos::eliminaalcaldia()
{
    atrapa([this] {
        if (!core::confirmaeliminar(QStringLiteral("DOVEV UZ ARAR")))
            return;
        db::Command c = core::comandoact(QStringLiteral("ACTALD"));
        c.append(QStringLiteral("@xmodo"), db::DataType::VarChar, db::Direction::Input, 10,
                 QStringLiteral("3"));
        c.append(QStringLiteral("@xcodigo_alcaldia"), db::DataType::VarChar, db::Direction::Input, 5,
                 Text1->text().trimmed());
        c.append(QStringLiteral("@xcodigo_gobernacion"), db::DataType::VarChar, db::Direction::Input, 5,
                 core::primerapalabra(Text4->text()));
        c.append(QStringLiteral("@xdescri_alcaldia"), db::DataType::VarChar, db::Direction::Input, 50,
                 QString());
        c.append(QStringLiteral("@xobserva_alcaldia"), db::DataType::VarChar, db::Direction::Input, 50,
                 QString());
        c.execute();
        core::informaresultado(core::respuesta(c));
        DataGrid1->setDataSource(core::sesion().conexion.execute(QStringLiteral("DSPALD '0',''")));
        DataGrid1->disponeColumnas({{0, QStringLiteral("Código"), 900},
                                    {1, QStringLiteral("Descripción"), 3000},
                                    {2, QStringLiteral("Observaciones"), 3000},
                                    {3, QStringLiteral("Código Gob."), 900},
                                    {4, QStringLiteral("Gobernación"), 3000}});
    });
}

void mastergastos::modificaalcaldia()
{
    muestraAlcaldias(QStringLiteral("M"), true, this);
}

void mastergastos::nuevaalcaldia()
{
    muestraAlcaldias(QStringLiteral("A"), false, this);
}

} // namespace accounts
