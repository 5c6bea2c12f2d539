#pragma once
// The lottery editor: one lottery with everything its record holds, started
// from the record of the catalogue "Form5"'s selected lottery (in add mode
// as a copy with an empty code and name). "&Grabar" and Enter send it with
// ACTLOT; a refused save keeps the editor open with what was typed;
// "&Deshacer" and Esc close without sending. Every way of closing puts the
// catalogue's grid back on its saved row. No amount box takes more digits
// than its ACTLOT parameter holds.

#include "core/masteredita.h"
#include "core/parametrosventa.h"

#include <QLineEdit>
#include <QList>
#include <memory>

class QCheckBox;
class QComboBox;
class QTimeEdit;

namespace lotteries {

class Form5;
struct RegistroLoteria;

class Form9 : public core::Editor {
    Q_OBJECT
public:
    Form9();
    ~Form9() override;

    QLineEdit* Text1 = new QLineEdit;  // code, at most 3 characters
    QLineEdit* Text2 = new QLineEdit;  // name
    QLineEdit* Text33 = new QLineEdit; // tax percentage
    QList<QCheckBox*> dias;            // Check1 … Check7
    QList<QTimeEdit*> horas;           // DTPicker1 … DTPicker7
    QCheckBox* Check8;
    QCheckBox* Check9; // hidden
    QCheckBox* Check10;
    QCheckBox* Check11;
    QComboBox* Combo5; // board
    QComboBox* Combo1; // operator
    core::BloqueVenta& bloque() { return *bloque_; }
    QCheckBox* Check12() const { return bloque_->pagaComodin(); }

    // What the save sends, as the boxes hold it now.
    RegistroLoteria registro() const;

protected:
    bool cargaListas() override;
    void preparaAgregar() override;
    void preparaModificar() override;
    bool validaGrabar() override;
    QString llamaGrabar(const QString& modo) override;
    void trasGrabar(bool exito) override;
    void alCerrar() override;

private:
    // Shows a lottery; in add mode without its code, name and special
    // switch.
    void muestra(const RegistroLoteria& loteria, bool conCodigo);
    QWidget* construyeDias();
    void ordenDeTabulacion();

    std::unique_ptr<core::BloqueVenta> bloque_;
};

} // namespace lotteries
