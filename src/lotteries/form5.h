#pragma once
// The lottery catalogue: every lottery by code and name, and beside the grid
// the whole record of the selected one, read-only: the sale-parameter block,
// the sale days with their closing hours, the kinds of play, the tax
// percentage, the board and the operator. The list is read once per
// opening and replaced only by the editor's save and by the delete; every
// activation returns the grid to the saved position.
//
// From here the operator adds and modifies lotteries in the editor "Form9"
// (modal), deletes the selected one, and opens the special-play parameters
// of the selected lottery ("Form46", F5 or the wide button).

#include "lotteries/actlot.h"

#include "core/masteredita.h"
#include "core/parametrosventa.h"

#include <QList>
#include <memory>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace lotteries {

class Form5 : public core::Catalogo {
    Q_OBJECT
public:
    Form5();
    ~Form5() override;

    // The detail area, as the editor copies it.
    QLineEdit* Text1;        // code
    QLineEdit* Text2;        // name
    QLineEdit* Text33;       // tax percentage
    QLineEdit* Text34;       // board, "code - name"
    QLineEdit* Text35;       // operator
    QList<QCheckBox*> dias;  // Check1 … Check7, Monday … Sunday
    QList<QLineEdit*> horas; // Text25 … Text31
    QCheckBox* Check8;       // "Jugar por Digito"
    QCheckBox* Check9;       // "Jugar por Pares" (hidden)
    QCheckBox* Check10;      // "Jugar en Forma Normal"
    QCheckBox* Check11;      // "Usar Jugadas Especiales"
    QPushButton* Command1;
    const core::BloqueVenta& bloque() const { return *bloque_; }
    QCheckBox* Check12() const { return bloque_->pagaComodin(); }

    // F5 and the wide button: the special-play parameters of the selected
    // lottery, in "Form46".
    void parametrosespeciales();

    // The lottery of the grid's current row, read from the list (what the
    // detail area shows and the editor starts from); empty texts and "N"
    // switches when the list stands on no row.
    RegistroLoteria registro() const;

protected:
    platform::db::RecordSet leeLista() override;
    QList<core::Columna> columnas() const override;
    QList<core::Columna> columnasTrasEliminar() const override;
    void muestraFila() override;
    QString llamaEliminar() override;
    bool onKeyPreview(QKeyEvent* evento) override;

private:
    QWidget* construyeDias();

    std::unique_ptr<core::BloqueVenta> bloque_;
};

} // namespace lotteries
