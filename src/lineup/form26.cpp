#include "lineup/form26.h"

#include "core/conexion.h"
#include "core/sesion.h"

#include <QPushButton>

namespace lineup {

using core::sesion;

Form26::Form26() : VentanaLineup(QStringLiteral("LINE UP - ACTUALIZACIONES")) {}

void Form26::onLoad()
{
    core::fechaservidor();
    sesion().marcadormaestro = {};
    sesion().marcador = {};
    sesion().modoedicion.clear();
    ponFecha(fechaServidor());
    repaint();
}

void Form26::onActivate()
{
    if (sesion().modoedicion == QStringLiteral("H")) {
        sesion().modoedicion.clear();
        return;
    }
    core::manejoerrores(trampa(), [this] {
        platform::db::RecordSet rs = consultaLineup();
        const bool hayFilas = muestraFilas(rs);
        habilita(hayFilas);
        if (hayFilas)
            DataGrid1->irAMarcador(sesion().marcador);
        repaint();
    });
}

bool Form26::muestraFilas(platform::db::RecordSet& rs)
{
    if (rs.recordCount() == 0)
        return false;
    DataGrid1->muestra(rs);
    return true;
}

} // namespace lineup
