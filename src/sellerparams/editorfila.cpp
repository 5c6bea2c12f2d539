#include "sellerparams/editorfila.h"

#include "core/filtros.h"
#include "core/rutinas.h"
#include "core/sesion.h"

#include "platform/messages.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace sellerparams {

EditorFila::EditorFila(const core::BloqueVenta::Opciones& opciones)
    : List1(new QListWidget)
    , Combo1(new QComboBox)
    , Grabar(new QPushButton(QStringLiteral("&Grabar")))
    , Eliminar(new QPushButton(QStringLiteral("&Eliminar")))
    , Salir(new QPushButton(QStringLiteral("&Regresar")))
    , bloque_(std::make_unique<core::BloqueVenta>(opciones))
    , botones_(new QHBoxLayout)
{
    setFrame({.fixedBorder = true, .minButton = false, .maxButton = false, .centred = true});
    List1->setObjectName(QStringLiteral("List1"));
    List1->setMaximumHeight(List1->fontMetrics().height() * 2);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    const QStringList cajas = bloque_->campos();
    bloque_->ponFiltro(cajas, core::FiltroCaja::Decimal);
    bloque_->ponSeleccionaTodo(cajas);
    // The columns hold numeric(9,3); the values travel as texts of ten
    // characters.
    bloque_->ponLimites(cajas, 9, 3);
    bloque_->ponLargos(cajas, AnchoImporte);
    botones_->addStretch(1);
    for (QPushButton* boton : {Grabar, Eliminar, Salir}) {
        boton->setAutoDefault(false);
        botones_->addWidget(boton);
    }
    connect(Grabar, &QPushButton::clicked, this, &EditorFila::Grabar_Click);
    connect(Eliminar, &QPushButton::clicked, this, &EditorFila::Eliminar_Click);
    connect(Salir, &QPushButton::clicked, this, &QWidget::close);
}

EditorFila::~EditorFila() = default;

QLineEdit* EditorFila::caja(const QString& campo) const
{
    return bloque_->caja(campo);
}

QString EditorFila::loteria() const
{
    return List1->count() > 0 ? core::primerapalabra(List1->item(0)->text()) : QString();
}

void EditorFila::Grabar_Click()
{
    atrapa([this] {
        if (!core::cabenLimites(this))
            return;
        rellenaVacios();
        core::Sesion& s = core::sesion();
        s.modoedicion = existe() ? QStringLiteral("M") : QStringLiteral("A");
        core::renuevaconexion();
        platform::db::Command llamada = comando(s.modoedicion == QLatin1String("A") ? QStringLiteral("1")
                                                                                    : QStringLiteral("2"));
        llamada.execute();
        // A refusal keeps the window open with what was typed.
        if (core::respuesta(llamada) != QLatin1String("0")) {
            platform::msgbox(QStringLiteral("Ha ocurrido un problema tratando de realizar la transacción"),
                             platform::msg::Information, core::TituloAtencion);
            return;
        }
        s.modoedicion.clear();
        close();
    });
}

void EditorFila::Eliminar_Click()
{
    atrapa([this] {
        if (core::confirmaeliminar()) {
            ejecutaentransaccion(textoEliminar());
            platform::msgbox(mensajeEliminado());
            core::sesion().modoedicion.clear();
        }
        close();
    });
}

bool EditorFila::onKeyPreview(QKeyEvent* evento)
{
    return core::teclasventana(
        *evento, [this] { close(); }, [this] { Grabar_Click(); });
}

bool EditorFila::onQueryUnload()
{
    if (GrillaParametros* grilla = opener())
        atrapa([grilla] { grilla->rellena(false); });
    return true;
}

} // namespace sellerparams
