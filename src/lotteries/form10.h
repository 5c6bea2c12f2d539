#pragma once
// Form10: one lottery's sale parameters for one special play (a row of
// LOTESPEC), the lottery being the lottery catalogue's current one and the
// special play Form46's current line, both read at each operation. The load
// reads the row ("M" when it exists, "A" and every box "0" when not);
// "&Grabar" (and Enter) stores the twelve values with parametroslotespec,
// "&Eliminar" deletes the row after the question; both then refill Form46's
// list and close the window. The list List1 holds the special play Form46
// opened the window for; a click on it reads that play's row.

#include "core/masteredita.h"
#include "core/parametrosventa.h"

#include <memory>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace lotteries {

class Form10 : public core::VentanaAtrapada {
    Q_OBJECT
public:
    Form10();
    ~Form10() override;

    // Box n (1 to 12) of the twelve values, in the block's order: minimums,
    // limits and commissions (triples, terminales), three triples prizes,
    // three terminales prizes.
    QLineEdit* Text(int n) const;

    QListWidget* List1;
    QPushButton* Grabar;
    QPushButton* Eliminar;
    QPushButton* Salir;

    void List1_Click();
    void Grabar_Click();
    void Eliminar_Click();

protected:
    void onLoad() override;
    bool onKeyPreview(QKeyEvent* evento) override;

private:
    // Reads the row of a lottery and special play into rsgeneral3 and the
    // boxes, and sets the edit mode by what it found.
    void leeFila(const QString& loteria, const QString& especial);
    // Refills Form46's list for the catalogue's current lottery.
    void rellenaLista();

    std::unique_ptr<core::BloqueVenta> bloque_;
};

} // namespace lotteries
