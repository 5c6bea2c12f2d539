#pragma once
// reporfiscal, "Reporte Fiscal Comercializdora": the fiscal report's
// parameter window. The operator picks the dates and a range of sellers,
// optionally narrowed to one seller group; "Generar" runs rpttotales, which
// has the server compute every tax (rpt_res_ven_totales_fiscal) and hands
// the rows to the fiscal writer. The lottery, play-type and board boxes
// reach no report, and of the report types only "0.- Resumido" (or none)
// produces one.
//
// Its differences from the report parameter window: "Generar" does not
// renew the connection, and it runs only for the report types above.

#include "reports/ventanareporte.h"

class QComboBox;

namespace fiscal {

class reporfiscal : public reports::VentanaReporte {
    Q_OBJECT
public:
    reporfiscal();

    QComboBox* ELGRUPO;    // seller group: code " - " name
    QComboBox* VEND_DESDE; // first seller: code " - " name
    QComboBox* VEND_HASTA; // last seller
    QComboBox* TIPORPT;    // report type
    QComboBox* LALOTERIA;  // lottery (reaches no report)
    QComboBox* Combo1;     // play type (reaches no report)
    QComboBox* Combo2;     // beneficence board (never has items)

    // The fiscal report: the server call, the header lines, the page.
    void rpttotales();
    // On leaving the group box: the seller boxes get the sellers of the
    // group typed or chosen (an empty group: the sellers of no group), the
    // first in VEND_DESDE and the last in VEND_HASTA.
    void ELGRUPO_Validate();

    // A seller box's code as the report sends it: the first five
    // characters of its text without surrounding blanks, " " when nothing
    // is left.
    static QString codigoReporte(const QComboBox* caja);

protected:
    void cargaListas() override;
    bool validaParametros() override;
    // "Generar" does not renew the connection.
    int renovaciones() const override { return 0; }
    platform::db::RecordSet consulta() override;
    void fijaEncabezados() override;
    void escribe(platform::db::RecordSet& rs, const QString& borde) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void llenaGrupos();
    void llenaVendedoresDelGrupo(const QString& grupo);
};

} // namespace fiscal
