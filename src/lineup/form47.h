#pragma once
// Form47, "Historico Line Up": the line-up history of the seller selected in
// the grid of the line-up window that opened it, read afresh at every query,
// so it follows the opener's selected row. When the opener has closed, or
// its grid has no row, there is no seller and no query changes the grid.

#include "lineup/ventanahistorico.h"

#include <QPointer>

namespace lineup {

class Form47 : public VentanaHistorico {
    Q_OBJECT
public:
    Form47();
    // The grid of the line-up window that opened it.
    void setOrigen(core::GrillaCatalogo* grilla) { origen_ = grilla; }

protected:
    QString vendedor() const override;

private:
    QPointer<core::GrillaCatalogo> origen_;
};

} // namespace lineup
