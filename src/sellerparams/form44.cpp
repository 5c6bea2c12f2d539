#include "sellerparams/form44.h"

#include "sellerparams/form12.h"

#include "core/grillacatalogo.h"
#include "core/sesion.h"

#include "platform/db/calltext.h"
#include "platform/vbtext.h"

#include <QListWidget>
#include <QPushButton>

namespace sellerparams {

namespace db = platform::db;

Form44::Form44()
    : GrillaParametros(QStringLiteral("Parametros de Loterias de"),
                       {QStringLiteral("Codigo"), QStringLiteral("Loteria"), QStringLiteral("Lim. Tri."),
                        QStringLiteral("Lim. Ter."), QStringLiteral("Lim. Dig."),
                        QStringLiteral("Comi. Tri."), QStringLiteral("Comi. Ter."),
                        QStringLiteral("Comi. Dig."), QStringLiteral("Prem. Tri."),
                        QStringLiteral("Prem. 1ero"), QStringLiteral("Prem. 2do"),
                        QStringLiteral("Prem. Dig."), QStringLiteral("Com. Jefe")},
                       12)
{
}

void Form44::onLoad()
{
    atrapa([this] {
        core::renuevaconexion();
        setVendedor(platform::vb::trim(cajacatalogo(QStringLiteral("Text1"))));
        const db::RecordSet lista = leeLista();
        const bool hayFilas = lista.recordCount() > 0;
        XPButton2->setEnabled(hayFilas);
        if (hayFilas)
            enlaza(lista);
    });
}

db::RecordSet Form44::leeLista()
{
    return core::sesion().conexion.execute(db::callText(QStringLiteral("dspvenlot"), {vendedor()}));
}

void Form44::abreEditor()
{
    // Loading the editor sets its caption and defaults first.
    auto* editor = core::cargaVentana<Form12>(QStringLiteral("Form12"));
    if (!editor)
        return;
    editor->List1->clear();
    editor->List1->addItem(platform::vb::trim(DataGrid1->textoColumna(0)) + QStringLiteral(" - ") +
                           platform::vb::rtrim(DataGrid1->textoColumna(1)));
    core::sesion().marcadordetalle = DataGrid1->marcador();
    editor->showModeless();
}

} // namespace sellerparams
