#pragma once
// paramvendespe, "Parametros Especiales de Loterias de": a seller's sale
// parameters for one special play, one row per lottery (dspvendespec). The
// special play is chosen in Combo1 (filled from the special-play table);
// "Seleccionar" and Enter open the editor Form16 on the current row, a
// header click on a parameter column the whole-column update Form45 for
// the grid's seller and special play.

#include "sellerparams/comun.h"

namespace sellerparams {

class paramvendespe : public GrillaParametros {
    Q_OBJECT
public:
    paramvendespe();

    QComboBox* Combo1;

    QString tabla() const override { return QStringLiteral("vendespec"); }
    // The special play the grid shows.
    QString especial() const override { return especial_; }

    // An item chosen from Combo1's list.
    void Combo1_Click();

protected:
    void onLoad() override;
    platform::db::RecordSet leeLista() override;
    void enlaza(const platform::db::RecordSet& lista) override;
    void abreEditor() override;

private:
    QString especial_;
    QString itemEspecial_; // Combo1's text when the grid was read
};

} // namespace sellerparams
