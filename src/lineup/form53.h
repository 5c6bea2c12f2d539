#pragma once
// Form53, caption "53": the copy of the line-up history that nothing opens.
// Its seller is the selected row of the older line-up window's grid
// (Form26, loaded hidden when it is not); closing it puts that grid back on
// the saved line-up position and gives it the focus.

#include "lineup/ventanahistorico.h"

class QLabel;

namespace lineup {

class Form53 : public VentanaHistorico {
    Q_OBJECT
public:
    Form53();
    QLabel* Label3; // "Form 53"

protected:
    QString vendedor() const override;
    bool onQueryUnload() override;
};

} // namespace lineup
