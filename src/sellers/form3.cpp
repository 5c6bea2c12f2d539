#include "sellers/form3.h"

#include "sellers/actven.h"
#include "sellers/fichavendedor.h"

#include "core/conexion.h"
#include "core/sesion.h"

#include "platform/db/dberror.h"
#include "platform/messages.h"
#include "platform/ui/windowregistry.h"
#include "platform/vbtext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace sellers {

namespace db = platform::db;

Form3::Form3()
    : Catalogo(QStringLiteral("Actualizar Vendedores"))
    , ParamLotes(new QPushButton(QStringLiteral("F4 - Param. Normales")))
    , Command1(new QPushButton(QStringLiteral("F5 - Param. Especiales")))
    , Command44(new QPushButton(QStringLiteral("&Permisos")))
    , Command3(new QPushButton(QStringLiteral("Impuestos")))
    , ficha_(new FichaVendedor(FichaVendedor::Uso::Catalogo))
{
    setFrame({.centred = true});
    setLectura(core::Lectura::Guardada);
    setEnterModifica(core::EnterModifica::EnLaGrilla);
    grilla()->setObjectName(QStringLiteral("DataGrid1"));

    auto* detalle = new QVBoxLayout(areaDetalle());
    detalle->addWidget(ficha_);
    auto* permisos = new QHBoxLayout;
    permisos->addStretch();
    permisos->addWidget(Command44);
    detalle->addLayout(permisos);
    Command44->hide();
    Command3->hide();
    connect(ficha_->Text6, &QLineEdit::textChanged, this,
            [this](const QString& clave) { Command44->setVisible(!platform::vb::trim(clave).isEmpty()); });

    // The per-seller buttons on a row of their own, so the grid's side
    // stays narrow and the seller's record gets the width.
    auto* porVendedor = new QHBoxLayout;
    porVendedor->addWidget(ParamLotes);
    porVendedor->addWidget(Command1);
    porVendedor->addWidget(Command3);
    columnaLista()->addLayout(porVendedor);
    daAnchoAlDetalle();
    connect(ParamLotes, &QPushButton::clicked, this, &Form3::parametrosnormales);
    connect(Command1, &QPushButton::clicked, this, &Form3::parametrosespeciales);
    connect(Command44, &QPushButton::clicked, this, &Form3::permisos);
    connect(Command3, &QPushButton::clicked, this, &Form3::impuestos);

    // The delete has messages of its own and reads the list whatever the
    // answer.
    botonEliminar()->disconnect(this);
    connect(botonEliminar(), &QPushButton::clicked, this, &Form3::eliminaVendedor);
}

void Form3::onLoad()
{
    Catalogo::onLoad();
    muestraFila();
}

db::RecordSet Form3::leeLista()
{
    return listavendedores();
}

QList<core::Columna> Form3::columnas() const
{
    return {{0, QStringLiteral("Còdigo"), 765}, {1, QStringLiteral("Nombre "), 3000}};
}

RegistroVendedor Form3::registro() const
{
    const db::RecordSet rs = lista();
    if (rs.state() != db::RecordSet::StateOpen || rs.eof() || rs.bof())
        return RegistroVendedor{};
    return registrodefila(rs);
}

void Form3::muestraFila()
{
    const db::RecordSet rs = lista();
    if (rs.state() != db::RecordSet::StateOpen || rs.eof() || rs.bof())
        return;
    ficha_->muestra(registro());
}

QString Form3::codigonombre() const
{
    return platform::vb::trim(ficha_->Text1->text()) + QStringLiteral(" - ") +
           platform::vb::rtrim(ficha_->Text2->text());
}

void Form3::abreEditor(bool)
{
    platform::ui::windowRegistry().show(QStringLiteral("Form11"));
}

void Form3::abreVentanaVendedor(const QString& nombre, const QString& control)
{
    core::sesion().marcadormaestro = grilla()->marcador();
    platform::ui::WindowRegistry& ventanas = platform::ui::windowRegistry();
    if (!ventanas.isRegistered(nombre))
        return;
    platform::ui::Window* ventana = ventanas.get(nombre);
    if (!ventana)
        return;
    const QString texto = codigonombre();
    if (auto* lista = ventana->findChild<QComboBox*>(control))
        lista->setEditText(texto);
    else if (auto* etiqueta = ventana->findChild<QLabel*>(control))
        etiqueta->setText(texto);
    ventana->showModeless();
}

void Form3::parametrosnormales()
{
    abreVentanaVendedor(QStringLiteral("Form44"), QStringLiteral("Combo4"));
}

void Form3::parametrosespeciales()
{
    abreVentanaVendedor(QStringLiteral("paramvendespe"), QStringLiteral("Combo4"));
}

void Form3::permisos()
{
    if (ficha_->Text1->text().isEmpty())
        return;
    abreVentanaVendedor(QStringLiteral("permisoespejo"), QStringLiteral("Label2"));
}

void Form3::impuestos()
{
    const QString texto = grilla()->textoColumna(0) + QStringLiteral(" - ") + grilla()->textoColumna(1);
    platform::ui::WindowRegistry& ventanas = platform::ui::windowRegistry();
    if (!ventanas.isRegistered(QStringLiteral("masterven_imp")))
        return;
    if (platform::ui::Window* ventana = ventanas.get(QStringLiteral("masterven_imp"))) {
        if (auto* etiqueta = ventana->findChild<QLabel*>(QStringLiteral("Label2")))
            etiqueta->setText(texto);
        ventana->showModeless();
    }
}

void Form3::eliminaVendedor()
{
    atrapa([this] {
        if (core::confirmaeliminar()) {
            const QString codigo = ficha_->Text1->text();
            core::renuevaconexion();
            try {
                eliminavendedor(codigo);
                platform::msgbox(QStringLiteral("Se Borro esto perfectamente ") + codigo);
                core::sesion().modoedicion.clear();
            } catch (const db::DbError& e) {
                // The server's refusal, in its own words; any other failure
                // goes to the trap.
                if (e.number() != db::err::ServerError)
                    throw;
                platform::msgbox(e.description(), 16, core::TituloAtencion);
            }
        }
        const db::RecordSet nueva = leeLista();
        reemplazaLista(nueva);
        core::sesion().rsvendedores = nueva;
        onActivate();
    });
}

bool Form3::onKeyPreview(QKeyEvent* evento)
{
    switch (evento->key()) {
    case Qt::Key_F4: parametrosnormales(); return true;
    case Qt::Key_F5: parametrosespeciales(); return true;
    default: return Catalogo::onKeyPreview(evento);
    }
}

} // namespace sellers
