#include "sellerparams/paramvendespe.h"

#include "sellerparams/form16.h"

#include "core/grillacatalogo.h"
#include "core/rutinas.h"
#include "core/sesion.h"

#include "platform/db/calltext.h"
#include "platform/vbtext.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace sellerparams {

namespace db = platform::db;

paramvendespe::paramvendespe()
    : GrillaParametros(QStringLiteral("Parametros Especiales de Loterias de"),
                       {QStringLiteral("Codigo"), QStringLiteral("Loteria"), QStringLiteral("Lim. Tri."),
                        QStringLiteral("Lim. Ter."), QStringLiteral("Comi. Tri."),
                        QStringLiteral("Comi. Ter."), QStringLiteral("Prem. Tri."),
                        QStringLiteral("Prem. 1ero"), QStringLiteral("Prem. 2do"),
                        QStringLiteral("Com. Jefe")},
                       9)
    , Combo1(new QComboBox)
{
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    auto* jugada = new QHBoxLayout;
    jugada->addWidget(new QLabel(QStringLiteral("Jugada Especial")));
    jugada->addWidget(Combo1, 1);
    raiz()->insertLayout(1, jugada);
    connect(Combo1, &QComboBox::activated, this, &paramvendespe::Combo1_Click);
}

void paramvendespe::onLoad()
{
    atrapa([this] {
        core::renuevaconexion();
        setVendedor(platform::vb::trim(cajacatalogo(QStringLiteral("Text1"))));
        db::RecordSet jugadas = core::sesion().conexion.execute(
            db::callText(QStringLiteral("lista_jugadas")));
        if (jugadas.recordCount() > 0) {
            QStringList items;
            for (jugadas.moveFirst(); !jugadas.eof(); jugadas.moveNext())
                items << platform::vb::trim(jugadas.field(QStringLiteral("especial")).value().toString()) +
                             QStringLiteral(" - ") +
                             platform::vb::rtrim(
                                 jugadas.field(QStringLiteral("desc_espec")).value().toString());
            Combo1->clear();
            Combo1->addItems(items);
            Combo1->setCurrentIndex(0);
        }
        itemEspecial_ = Combo1->currentText();
        especial_ = core::primerapalabra(itemEspecial_);
        rellena(true);
    });
}

void paramvendespe::Combo1_Click()
{
    atrapa([this] {
        itemEspecial_ = Combo1->currentText();
        especial_ = core::primerapalabra(itemEspecial_);
        rellena(true);
    });
}

db::RecordSet paramvendespe::leeLista()
{
    return core::sesion().conexion.execute(
        db::callText(QStringLiteral("dspvendespec"), {vendedor(), especial_}));
}

void paramvendespe::enlaza(const db::RecordSet& lista)
{
    GrillaParametros::enlaza(lista);
    DataGrid1->ponAnchoTwips(1, 2500);
}

void paramvendespe::abreEditor()
{
    auto* editor = core::cargaVentana<Form16>(QStringLiteral("Form16"));
    if (!editor)
        return;
    const QString loteria = platform::vb::trim(DataGrid1->textoColumna(0)) + QStringLiteral(" - ") +
                            platform::vb::rtrim(DataGrid1->textoColumna(1));
    core::sesion().marcadordetalle = DataGrid1->marcador();
    // The special play of the grid's rows, even when another text has been
    // typed into the box since.
    editor->abre(vendedor(), loteria, itemEspecial_);
    editor->showModeless();
}

} // namespace sellerparams
