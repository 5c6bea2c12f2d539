#pragma once
// Form26, "LINE UP - ACTUALIZACIONES": the older line-up window. Its grid
// shows DspLup22's rows of its date directly (no copy in memory: the
// movement editor never changes it). Nothing shows it but the text-report
// viewer's menu; other windows read its date and grid, which loads it
// hidden: its load only puts the server date in the picker and resets the
// saved positions and the edit mode, so the grid stays empty until the
// window is shown. Shown, each activation not following "Ver Historico"
// asks the server again.

#include "lineup/ventanalineup.h"

namespace lineup {

class Form26 : public VentanaLineup {
    Q_OBJECT
public:
    Form26();

protected:
    void onLoad() override;
    void onActivate() override;
    bool muestraFilas(platform::db::RecordSet& rs) override;
};

} // namespace lineup
