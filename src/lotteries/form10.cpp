#include "lotteries/form10.h"

#include "lotteries/form46.h"
#include "lotteries/seleccion.h"

#include "core/conexion.h"
#include "core/filtros.h"
#include "core/masteredita.h"
#include "core/rutinas.h"
#include "core/sesion.h"

#include "platform/db/calltext.h"
#include "platform/messages.h"
#include "platform/vbtext.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace lotteries {

namespace db = platform::db;
namespace campos = core::campos;
using platform::msgbox;

namespace {

const QStringList Comisiones = {QStringLiteral("Comi_Tri"), QStringLiteral("Comi_Ter")};

QStringList enteros()
{
    QStringList lista = campos::Venta;
    for (const QString& comision : Comisiones)
        lista.removeAll(comision);
    return lista;
}

// The WHERE of the row of a lottery and special play, values quoted.
} // namespace

Form10::Form10()
    : List1(new QListWidget)
    , Grabar(new QPushButton(QStringLiteral("&Grabar")))
    , Eliminar(new QPushButton(QStringLiteral("&Eliminar")))
    , Salir(new QPushButton(QStringLiteral("&Regresar")))
{
    setFrame({.fixedBorder = true, .minButton = false, .maxButton = false});
    core::BloqueVenta::Opciones opciones;
    opciones.partes = core::BloqueVenta::Normal;
    opciones.tituloNormal = QStringLiteral("< Valores Para La Jugada Especial >");
    bloque_ = std::make_unique<core::BloqueVenta>(opciones);
    bloque_->ponFiltro(enteros(), core::FiltroCaja::Entero);
    bloque_->ponFiltro(Comisiones, core::FiltroCaja::Decimal);
    bloque_->ponSeleccionaTodo(campos::Venta);
    // LOTESPEC holds each value as numeric 9,3.
    bloque_->ponLimites(campos::Venta, 9, 3);

    List1->setMaximumHeight(List1->fontMetrics().height() * 2);
    auto* raiz = new QVBoxLayout(this);
    raiz->addWidget(new QLabel(QStringLiteral("Seleccione la Jugada Especial a Actualizar")));
    raiz->addWidget(List1);
    raiz->addWidget(bloque_->marcoNormal(), 1);
    auto* botones = new QHBoxLayout;
    botones->addStretch(1);
    for (QPushButton* boton : {Grabar, Eliminar, Salir}) {
        boton->setAutoDefault(false);
        botones->addWidget(boton);
    }
    raiz->addLayout(botones);

    // Row by row through the boxes, the buttons, the list last.
    QList<QWidget*> orden;
    for (int n : {1, 2, 3, 4, 5, 6, 7, 10, 8, 11, 9, 12})
        orden << Text(n);
    orden << Grabar << Eliminar << Salir << List1;
    core::encadenaTabulacion(orden);

    connect(List1, &QListWidget::itemClicked, this, &Form10::List1_Click);
    connect(Grabar, &QPushButton::clicked, this, &Form10::Grabar_Click);
    connect(Eliminar, &QPushButton::clicked, this, &Form10::Eliminar_Click);
    connect(Salir, &QPushButton::clicked, this, &QWidget::close);
}

Form10::~Form10() = default;

QLineEdit* Form10::Text(int n) const
{
    return bloque_->caja(campos::Venta.value(n - 1));
}

void Form10::onLoad()
{
    atrapa([this] {
        List1->clear();
        setWindowTitle(QStringLiteral("Jugadas Especiales para (") + loteriaactual() + QStringLiteral(" - ") +
                       nombreloteriaactual() + QStringLiteral(")"));
        leeFila(loteriaactual(), especialactual());
        Text(1)->setFocus();
    });
}

void Form10::List1_Click()
{
    atrapa([this] {
        if (List1->count() > 0)
            leeFila(loteriaactual(), platform::vb::trim(platform::vb::left(List1->item(0)->text(), 3)));
    });
}

void Form10::leeFila(const QString& loteria, const QString& especial)
{
    core::Sesion& s = core::sesion();
    s.rsgeneral3 = s.conexion.execute(db::callText(QStringLiteral("lee_lotespec"), {loteria, especial}));
    if (s.rsgeneral3.recordCount() > 0) {
        s.modoedicion = QStringLiteral("M");
        bloque_->muestra(s.rsgeneral3);
        // Commissions always show "." as their decimal point.
        for (const QString& comision : Comisiones)
            bloque_->ponTexto(comision, core::comaapunto(bloque_->texto(comision)));
    } else {
        s.modoedicion = QStringLiteral("A");
        for (const QString& campo : campos::Venta)
            bloque_->ponTexto(campo, QStringLiteral("0"));
    }
}

void Form10::Grabar_Click()
{
    atrapa([this] {
        bloque_->rellenaVacios();
        const QString loteria = loteriaactual();
        const QString especial = especialactual();
        core::renuevaconexion();
        const bool agrega = core::sesion().modoedicion == QLatin1String("A");
        escribeentransaccion(
            QStringLiteral("exec ") +
            db::callText(QStringLiteral("parametroslotespec"),
                         QStringList{agrega ? QStringLiteral("A") : QStringLiteral("M"), loteria, especial} +
                             core::textosventa(bloque_->textos(), campos::Venta)));
        msgbox((agrega ? QStringLiteral("Se Agrego perfectamente ")
                       : QStringLiteral("Se Actualizo perfectamente ")) +
               loteria + especial);
        core::sesion().modoedicion.clear();
        core::renuevaconexion();
        rellenaLista();
        close();
    });
}

void Form10::Eliminar_Click()
{
    atrapa([this] {
        const QString loteria = loteriaactual();
        const QString especial = especialactual();
        const bool elimina = core::confirmaeliminar();
        core::renuevaconexion();
        if (!elimina) {
            close();
            return;
        }
        escribeentransaccion(db::callText(QStringLiteral("borra_lotespec"), {loteria, especial}));
        msgbox(QStringLiteral("Se Borro esto perfectamente ") + loteria + especial);
        rellenaLista();
        core::sesion().modoedicion.clear();
        close();
    });
}

void Form10::rellenaLista()
{
    if (auto* lista = core::ventanaAbierta<Form46>(QStringLiteral("Form46")))
        lista->rellena(Form46::leeLista(loteriaactual()));
}

bool Form10::onKeyPreview(QKeyEvent* evento)
{
    return core::teclasventana(
        *evento, [this] { close(); }, [this] { Grabar_Click(); });
}

} // namespace lotteries
