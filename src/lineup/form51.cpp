#include "lineup/form51.h"

#include "core/conexion.h"
#include "core/form1.h"
#include "core/rslineup.h"
#include "core/sesion.h"
#include "platform/ui/windowregistry.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>

namespace lineup {

using core::rslineup;
using core::sesion;

Form51::Form51() : VentanaLineup(QStringLiteral("Line Up - Vendedores"))
{
    DataGrid1->setToolTip(QStringLiteral("Saldos de Vendedores"));
}

Form51::~Form51()
{
    if (rslineup().cambiado)
        rslineup().cambiado = {};
}

void Form51::onLoad()
{
    core::fechaservidor();
    sesion().marcadormaestro = {};
    sesion().marcador = {};
    sesion().modoedicion.clear();
    ponFecha(fechaServidor());
    repaint();
    core::manejoerrores(trampa(), [this] { construye(); });
    rslineup().cambiado = [this] { DataGrid1->viewport()->update(); };
}

void Form51::construye()
{
    platform::db::RecordSet rs = consultaLineup();
    core::fijaLineup(core::copiaLineup(rs), Desdes->date());
}

bool Form51::enlaza()
{
    core::LineupMemoria& lineup = rslineup();
    if (!lineup.vigente() || lineup.rs.recordCount() == 0)
        return false;
    DataGrid1->muestra(lineup.rs);
    ajustaAlContenido();
    DataGrid1->irAMarcador(sesion().marcador);
    return true;
}

void Form51::onActivate()
{
    core::manejoerrores(trampa(), [this] { habilita(enlaza()); });
    ocultaEspera();
    repaint();
}

void Form51::trasCambioFecha()
{
    ocultaEspera();
    repaint();
}

bool Form51::muestraFilas(platform::db::RecordSet& rs)
{
    core::fijaLineup(core::copiaLineup(rs), Desdes->date());
    return enlaza();
}

bool Form51::onQueryUnload()
{
    rslineup().cambiado = {};
    core::liberaLineup();
    return true;
}

void Form51::ocultaEspera()
{
    if (auto* menu = qobject_cast<core::Form1*>(platform::ui::windowRegistry().find(QStringLiteral("Form1"))))
        menu->Label1->setVisible(false);
}

} // namespace lineup
