#pragma once
// Form25, "Resultados de Vendedores": the seller results report window. For
// now it holds what the group results page reads of it, the group box
// ELGRUPO (items: a group code, " - " and a name); its parameters and
// report commands come with the rest of the window.

#include "platform/ui/window.h"
#include "reports/ventanaresultados.h"

class QComboBox;

namespace sellerresults {

class Form25 : public platform::ui::Window, public reports::VentanaResultados {
    Q_OBJECT
public:
    Form25();

    QComboBox* ELGRUPO; // the group of the group results

    QString textoGrupo() const override;
};

} // namespace sellerresults
