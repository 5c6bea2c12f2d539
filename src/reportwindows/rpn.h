#pragma once
// rpn, "Reporte de Premios por Número": the prizes on one number of one
// lottery on one date, per seller, narrowed if asked to one special play,
// one of its plays and one seller. Its button "14 . - Premiación" opens the
// results catalogue Form38 when the operator holds that permission.

#include "reports/ventanareporte.h"

class QLineEdit;

namespace reportwindows {

class rpn : public reports::VentanaReporte {
    Q_OBJECT
public:
    rpn();

    QComboBox* VEND;        // seller; empty: every seller
    QComboBox* LALOTERIA;   // lottery; required
    QComboBox* Combo1;      // special play; empty: none
    QComboBox* Combo2;      // play of that special play, refilled on focus
    QLineEdit* Text1;       // the number; required, at most three figures
    QPushButton* XPButton1; // "14 . - Premiación"

    // Fills the play box with the plays of the special play shown in Combo1.
    void cargajugadas();

protected:
    void cargaListas() override;
    bool validaParametros() override;
    platform::db::RecordSet consulta() override;
    void escribe(platform::db::RecordSet& rs, const QString& borde) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void abrePremiacion();
};

} // namespace reportwindows
