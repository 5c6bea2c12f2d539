#pragma once
// Form45, "Actualizar Columna de datos": sets one parameter column to one
// typed value on every row of the seller its opener's grid shows (for the
// special-play grid, only the rows of its special play), with actvenlotcol.
// The opener writes Label1 (the grid column, "2" to "12"), Label30 (its
// caption) and Label4 (the store word) and shows it modal; every close
// reads the opener's grid again and puts it on its first row.

#include "core/masteredita.h"

#include <QPointer>

class QLabel;
class QLineEdit;
class QPushButton;

namespace sellerparams {

class GrillaParametros;

class Form45 : public core::VentanaAtrapada {
    Q_OBJECT
public:
    Form45();

    QLabel* Label30;
    QLabel* Label1;
    QLabel* Label4;
    QLineEdit* Text4;
    QPushButton* XPButton1; // "Aceptar"
    QPushButton* XPButton2; // "Cancelar"

    // What the opener writes before showing the dialog.
    void prepara(GrillaParametros* origen, int columna, const QString& titulo);

    // The column name sent for a grid column of a store ("" for none).
    static QString columnade(const QString& tabla, int indice);

    void XPButton1_Click();

protected:
    bool onKeyPreview(QKeyEvent* evento) override;
    bool onQueryUnload() override;

private:
    QPointer<GrillaParametros> origen_;
};

} // namespace sellerparams
