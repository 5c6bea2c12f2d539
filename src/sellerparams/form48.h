#pragma once
// Form48, "Parámetros de Vendedores": the bulk adjustment. The operator
// selects sellers and lotteries, types values only into the parameters to
// change, on the tab of normal play or of special play, and "Aplicar
// ajustes de Parámetros" sends them in one call (ajustaparametrosn, or
// ajustaparametrose for the special play of Combo3). The lists of sellers
// and lotteries invert their selection when their heading is clicked; the
// lottery list shows the lotteries of the tab in front.

#include "sellerparams/comun.h"

#include <memory>

class QListWidget;
class QTabBar;

namespace sellerparams {

// The three texts of a request: assignments, field names, quoted values,
// each item in the same order, the last without its ", ".
struct TextosAjuste {
    QString cadenaajuste;
    QString campos;
    QString valores;
};

// One box of a tab: its assignment piece, its field piece and its value.
struct PiezaAjuste {
    QString asignacion;
    QString campo;
    QString valor;
};

// The texts of the boxes that hold a value (their text not blank).
TextosAjuste construyeajuste(const QList<PiezaAjuste>& piezas);

class Form48 : public core::VentanaAtrapada {
    Q_OBJECT
public:
    Form48();
    ~Form48() override;

    Encabezado* Label26; // "Vendedores"
    Encabezado* Label27; // "Loterias"
    QListWidget* List1;
    QListWidget* List2;
    QTabBar* TabStrip1;
    QWidget* Frame1;
    QWidget* Frame4;
    QLineEdit* COMISJEFE;
    QLineEdit* impuesto;
    QComboBox* Combo1;
    QComboBox* Combo2;
    QComboBox* Combo3;
    QLineEdit* Text29;
    QPushButton* XPButton1; // "Aplicar ajustes de Parámetros"
    QPushButton* XPButton3; // "Regresar"

    core::BloqueVenta* normal() const { return normal_.get(); }
    core::BloqueVenta* especial() const { return especial_.get(); }
    int tipoajuste() const { return tipoajuste_; }

    // The texts the request would send from the tab in front.
    TextosAjuste textosAjuste() const;
    // The selected codes, run together.
    QString vendedores() const;
    QString loterias() const;

    void XPButton1_Click();
    void TabStrip1_Click();

protected:
    void onLoad() override;
    bool onKeyPreview(QKeyEvent* evento) override;

private:
    QList<PiezaAjuste> piezas() const;
    void llenaLoterias();
    void ajustaAncho(QListWidget* lista);
    void aplica();

    std::unique_ptr<core::BloqueVenta> normal_;
    std::unique_ptr<core::BloqueVenta> especial_;
    int tipoajuste_ = 1;
};

} // namespace sellerparams
