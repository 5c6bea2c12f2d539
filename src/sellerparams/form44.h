#pragma once
// Form44, "Parametros de Loterias de": a seller's sale parameters, one row
// per lottery (dspvenlot). "Seleccionar" and Enter open the editor Form12
// on the current row; a click on the header of a parameter column opens
// the whole-column update Form45. The seller is the catalogue's current one
// when the window loads, or the one the catalogue writes into Combo4 later.

#include "sellerparams/comun.h"

namespace sellerparams {

class Form44 : public GrillaParametros {
    Q_OBJECT
public:
    Form44();

    QString tabla() const override { return QStringLiteral("ven_lot"); }

protected:
    void onLoad() override;
    platform::db::RecordSet leeLista() override;
    void abreEditor() override;
};

} // namespace sellerparams
