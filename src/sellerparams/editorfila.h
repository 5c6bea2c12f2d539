#pragma once
// The base of the two editors of one parameter row (Form12 for a lottery,
// Form16 for a special play of a lottery): the list of the row's lottery,
// the sale-parameter block, the payment mode, "&Grabar", "&Eliminar" and
// "&Regresar"; Esc closes, Enter saves. A save asks the server whether the
// row exists, sends it in mode "1" (add) or "2" (modify) and closes; a save
// the server refuses keeps the window open with what was typed. Every
// close reads the opener's grid again and puts it back on its saved row.

#include "sellerparams/comun.h"

#include <memory>

class QListWidget;

namespace sellerparams {

class EditorFila : public core::VentanaAtrapada {
    Q_OBJECT
public:
    ~EditorFila() override;

    QListWidget* List1;
    QComboBox* Combo1; // "Tipo de Pago"
    QPushButton* Grabar;
    QPushButton* Eliminar;
    QPushButton* Salir;

    core::BloqueVenta* bloque() const { return bloque_.get(); }
    // The box of a field of the block.
    QLineEdit* caja(const QString& campo) const;

    void Grabar_Click();
    void Eliminar_Click();

protected:
    EditorFila(const core::BloqueVenta::Opciones& opciones);

    // The row's key as the window shows it.
    virtual QString vendedor() const = 0;
    QString loteria() const;
    virtual QString especial() const { return {}; }

    // Fills the empty boxes with "0" and an empty mode with its default.
    virtual void rellenaVacios() = 0;
    // busVENDLOTE / busVENDLOTEspe: true when the row exists.
    virtual bool existe() = 0;
    // The typed store call for mode "1" or "2".
    virtual platform::db::Command comando(const QString& modo) = 0;
    // The delete statement and its message.
    virtual QString textoEliminar() const = 0;
    virtual QString mensajeEliminado() const = 0;
    // The opener's grid read again, on its saved row.
    virtual GrillaParametros* opener() const = 0;

    QBoxLayout* botones() const { return botones_; }

    bool onKeyPreview(QKeyEvent* evento) override;
    bool onQueryUnload() override;

private:
    std::unique_ptr<core::BloqueVenta> bloque_;
    QBoxLayout* botones_;
};

} // namespace sellerparams
