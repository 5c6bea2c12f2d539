#pragma once
// Form16, "Modificando parametros especiales": one seller's sale parameters
// for one special play of one lottery (a row of vendespec), opened
// modeless from paramvendespe on its current row. The row is read when the
// window loads, and again when the grid opens it for another row while it
// is open (so a save always writes what was read for the key it shows);
// "&Grabar" and Enter store it with ACTVENDJUGES, "&Eliminar" deletes it
// after the question; closing reads the grid again.

#include "sellerparams/editorfila.h"

namespace sellerparams {

class Form16 : public EditorFila {
    Q_OBJECT
public:
    Form16();

    QListWidget* List2; // the special play
    QLineEdit* Text13;  // "Comi. Jefe"

    // Box n (1 to 12) of the twelve values.
    QLineEdit* Text(int n) const;

    // What the grid does to open the window: the seller, the lottery and
    // special-play items. Reads the row when the key is not the one read.
    void abre(const QString& vendedor, const QString& loteria, const QString& especial);

    static QString textolectura(const QString& vendedor, const QString& loteria, const QString& especial);

protected:
    void onLoad() override;

    QString vendedor() const override { return vendedor_; }
    QString especial() const override;
    void rellenaVacios() override;
    bool existe() override;
    platform::db::Command comando(const QString& modo) override;
    QString textoEliminar() const override;
    QString mensajeEliminado() const override;
    GrillaParametros* opener() const override;

private:
    void leeFila();

    QString vendedor_;
    QString leida_; // the key of the row the boxes hold
    // The stored chief commission was NULL (the seller's own) and the box
    // shows it as "0".
    bool jefeNulo_ = false;
};

} // namespace sellerparams
