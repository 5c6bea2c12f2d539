#pragma once
// Form12: one seller's sale parameters for one lottery (a row of ven_lot),
// opened modeless from Form44 on its current row. Each activation (and a
// click on List1) reads the row with ACTVENDLOTE mode "3" for the seller of
// Form44's grid and the lottery of List1; "&Grabar" and Enter store it,
// "&Eliminar" deletes it after the question; closing reads Form44's grid
// again. The pair-play block is hidden: its values travel through
// unchanged.

#include "sellerparams/editorfila.h"

namespace sellerparams {

class Form12 : public EditorFila {
    Q_OBJECT
public:
    Form12();

    QLineEdit* COMISJEFE;
    QLineEdit* impuesto;

    // The read of a lottery's row ("" for List1's).
    void leeFila(const QString& loteria = {});
    // The read call's text.
    static QString textolectura(const QString& vendedor, const QString& loteria);

protected:
    void onLoad() override;
    void onActivate() override;

    QString vendedor() const override;
    void rellenaVacios() override;
    bool existe() override;
    platform::db::Command comando(const QString& modo) override;
    QString textoEliminar() const override;
    QString mensajeEliminado() const override;
    GrillaParametros* opener() const override;
};

} // namespace sellerparams
