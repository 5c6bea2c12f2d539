#pragma once
// Form7, the special-play editor of form2 ("Agregando Jugadas Especiales" /
// "Modificando Jugadas Especiales"): code and name, sent with ACTJUG mode
// "1" or "2". The code stays editable in both modes; the boxes take at most
// 2 and 20 typed characters (the columns hold 3 and 25, and a longer text
// the load puts there is kept). "&Deshacer" empties the edit mode; a save
// and Esc keep it. Closing shows the plain list in the catalogue's grid.

#include "core/masteredita.h"

class QLineEdit;

namespace lotteries {

class Form7 : public core::Editor {
    Q_OBJECT
public:
    Form7();

    QLineEdit* Text1; // code
    QLineEdit* Text2; // name

protected:
    void preparaModificar() override;
    QString llamaGrabar(const QString& modo) override;
    void alCerrar() override;
};

} // namespace lotteries
