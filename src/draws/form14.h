#pragma once
// Form14, "Bloqueo o Limitación de Números": the blocked or amount-limited
// numbers of the network. "&Grabar" blocks the number with its amount,
// special play and play for the marked lotteries, or for every lottery
// after asking (actbloqueados "1"); "&Eliminar" deletes the block of the
// grid's current row (actbloqueados "2"); the grid lists DSPbloqueados and
// is read again after each.
//
// The number box takes figures and one letter "S" (a typed "s" becomes
// "S"), three characters at most. "&Eliminar" on an empty grid does nothing.
// The delete sends the codes of the play and special-play cells, the text
// before their first blank.

#include "platform/ui/window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace core {
class GrillaCatalogo;
}
namespace platform::db {
class Connection;
}

namespace draws {

class Form14 : public platform::ui::Window {
    Q_OBJECT
public:
    Form14();

    core::GrillaCatalogo* DataGrid1;
    QLabel* Label6; // "Loterias Seleccionadas": a click inverts the marks
    QListWidget* List1;
    QLineEdit* Text1;  // the number
    QLineEdit* Text2;  // "Monto a Limitar"
    QComboBox* Combo1; // special play
    QComboBox* Combo2; // play
    QPushButton* Grabar;
    QPushButton* Eliminar;
    QPushButton* Salir;

    // The number box's rule for a typed character: figures, and "S" (or
    // "s") while the box holds no "S"; 0 drops the key. Backspace passes.
    static int filtroNumero(const QString& texto, int tecla);
    // The codes of the marked lotteries run together, in list order.
    QString loteriasMarcadas() const;

    // The add as "&Grabar" sends it (typed actbloqueados "1", number mode
    // "0", time-out 900); `loterias` the codes run together or "*".
    static void actbloqueados(platform::db::Connection& conexion, const QString& numero, const QString& monto,
                              const QString& jugada, const QString& especial, const QString& loterias);

    void Grabar_Click();
    void Eliminar_Click();
    // Inverts every mark of the lottery list.
    void Label6_Click();

protected:
    void onLoad() override;
    bool onKeyPreview(QKeyEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void cargaLoterias();
    void cargaEspeciales();
    void cargaJugadas();
    void refrescaGrilla();
    void graba();
    void elimina();
};

} // namespace draws
