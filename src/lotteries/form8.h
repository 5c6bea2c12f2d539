#pragma once
// Form8, the special-play detail editor of Form6 ("Agregando Jugadas
// Especiales" / "Modificando Jugadas Especiales"): the special play chosen
// from (or typed into) a list of "code name" items, the detail's code (fixed
// when modifying) and name. With no special play on the server the editor
// keeps its initial caption, an empty list and its boxes untouched. The save
// sends ACTDETJUG in a transaction of its own, tells "Se Agrego perfectamente
// " or "Se Actualizo perfectamente " with the codes, empties the edit mode,
// shows the catalogue's list again and closes; a refused save keeps the
// editor open. "&Deshacer" empties the edit mode; Esc keeps it.

#include "core/masteredita.h"

class QComboBox;
class QLineEdit;

namespace lotteries {

class Form8 : public core::Editor {
    Q_OBJECT
public:
    Form8();

    QComboBox* Combo1; // special play
    QLineEdit* Text3;  // detail's code
    QLineEdit* Text4;  // detail's name

protected:
    bool cargaListas() override;
    void preparaModificar() override;
    QString llamaGrabar(const QString& modo) override;
    bool informaGrabado(const QString& respuesta) override;
    void trasGrabar(bool exito) override;
};

} // namespace lotteries
