#pragma once
// The lottery editor: one lottery with everything its record holds, started
// from what the catalogue "Form5" shows (in add mode as a copy of the
// selected lottery with an empty code and name). "&Grabar" and Enter send
// it with ACTLOT; "&Deshacer" and Esc close without sending. Every way of
// closing puts the catalogue's grid back on its saved row.

#include "core/masteredita.h"
#include "core/parametrosventa.h"

#include <QList>
#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTimeEdit;

namespace lotteries {

class Form5;
struct RegistroLoteria;

class Form9 : public core::Editor {
    Q_OBJECT
public:
    Form9();
    ~Form9() override;

    QLineEdit* Text1;  // code, at most 3 characters
    QLineEdit* Text2;  // name
    QLineEdit* Text33; // tax percentage
    QList<QCheckBox*> dias;      // Check1 … Check7
    QList<QTimeEdit*> horas;     // DTPicker1 … DTPicker7
    QCheckBox* Check8;
    QCheckBox* Check9;  // hidden
    QCheckBox* Check10;
    QCheckBox* Check11;
    QComboBox* Combo5;  // board
    QComboBox* Combo1;  // operator
    core::BloqueVenta& bloque() { return *bloque_; }
    QCheckBox* Check12() const { return bloque_->pagaComodin(); }

    // What the save sends, as the boxes hold it now.
    RegistroLoteria registro() const;

protected:
    void cargaListas() override;
    void preparaAgregar() override;
    void preparaModificar() override;
    bool validaGrabar() override;
    QString llamaGrabar(const QString& modo) override;
    void trasGrabar(bool exito) override;
    void alCerrar() override;

private:
    void copiaDelCatalogo(const Form5& catalogo, bool conCodigo);
    QWidget* construyeDias();
    void ordenDeTabulacion();

    std::unique_ptr<core::BloqueVenta> bloque_;
};

} // namespace lotteries
