#pragma once
// Form11, the seller editor ("Agregando Vendedores", "Modificando
// Vendedores"), opened modeless by the seller catalogue Form3. To add it
// starts from a new seller's defaults; to modify it copies the catalogue's
// current record. Its lists: status and payment mode (fixed), the group
// chiefs (sellers of no group in the program's shared seller list), the
// regions and the municipalities of the region, read again each time the
// focus leaves the region box.
//
// The save checks the code's five characters, the region and the
// municipality, turns empty boxes into "0" (empty expiry days into "5"),
// sends the whole record with ACTVEN and tells the outcome in its own
// words. An accepted save reads the catalogue's list again (the program's
// shared seller list becomes a second cursor over it after an add, the
// list itself after a modify), empties the edit mode and closes; a refused
// one keeps the editor open with what was typed. Enter saves, Esc closes;
// closing a modify puts the catalogue's grid back on the seller.

#include "core/masteredita.h"

class QComboBox;

namespace sellers {

class FichaVendedor;

class Form11 : public core::Editor {
    Q_OBJECT
public:
    Form11();

    FichaVendedor* ficha() const { return ficha_; }

    // Combo5 lost the focus: the municipalities of the region typed or
    // picked, the municipality box emptied.
    void refrescaAlcaldias();

protected:
    bool cargaListas() override;
    void preparaAgregar() override;
    void preparaModificar() override;
    bool validaGrabar() override;
    QString llamaGrabar(const QString& modo) override;
    bool informaGrabado(const QString& respuesta) override;
    void trasGrabar(bool exito) override;
    void alCerrar() override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void llenaAlcaldias(const QString& region);
    void llenaJefes();
    void conectaEntradas();
    QList<QWidget*> ordenTabulacion() const;

    FichaVendedor* ficha_;
    bool agregado_ = false;
};

} // namespace sellers
