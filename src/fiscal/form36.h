#pragma once
// Form36, "Monitor Fiscal - SENIAT": the sales and prizes of every seller
// and day that the daily results hold, and under each the seller's own
// taxes (his rows of vend_imp), with each day's total and a grand total.
// The load lists every day; "Ver Monitor" the days between the two
// pickers, sent as "dd/mm/yyyy". The region, municipality and seller boxes
// are filled for the operator to see; like the monitor type, "Imprimir
// Monitor" and "Exportar Monitor", they do nothing. It writes nothing.

#include "core/masteredita.h"

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QPushButton;

namespace reports {
class ListaTabulada;
}

namespace fiscal {

class Form36 : public core::VentanaAtrapada {
    Q_OBJECT
public:
    Form36();

    reports::ListaTabulada* List1;
    QGroupBox* Frame1;     // "Opciones de Monitor Fiscal"
    QComboBox* Combo1;     // "Desde Gobernación"
    QComboBox* Combo2;     // "Hasta Gobernación"
    QComboBox* Combo3;     // "Desde Alcaldia"
    QComboBox* Combo4;     // "Hasta Alcaldia"
    QComboBox* Combo7;     // "Desde Vendedor"
    QComboBox* Combo6;     // "Hasta Vendedor"
    QDateEdit* DTPicker1;  // "Desde "
    QDateEdit* Desdes;     // "Hasta "
    QComboBox* Combo5;     // "Tipo de Monitor", no items
    QPushButton* Command1; // "Ver Monitor"
    QPushButton* Command3; // "Imprimir Monitor", no action
    QPushButton* Command4; // "Exportar Monitor", no action
    QPushButton* Command2; // "Salir"

    // "Ver Monitor": the days between the pickers.
    void Command1_Click();

protected:
    void onLoad() override;

private:
    void llenaUbicaciones();
    // Lists each seller-day's sums of the period from `desde` to `hasta`
    // ("dd/mm/yyyy"; both empty: every day) with the sellers' taxes.
    void lista(const QString& desde, const QString& hasta);
};

} // namespace fiscal
