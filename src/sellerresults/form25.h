#pragma once
// Form25, "Resultados de Vendedores": the parameter window of the seller
// results report, a report parameter window that chooses among six reports.
// The operator picks a date range, a seller group and a range of two
// sellers (the seller boxes list the sellers of no group until a group is
// chosen), a lottery, a report type and a play type; "Generar" renews the
// connection once and runs the one report operation its dispatch table
// (eligeOperacion) names. Each operation reads the controls itself, calls
// its server procedure, sets the header lines and hands the rows to its
// writer, or shows the empty-result message.
//
// Its differences from the report parameter window: the load shows the
// workstation's dates first and refuses to go on without lotteries; the
// group validation refills the seller boxes whenever the focus leaves
// ELGRUPO (before a click on "Generar" is handled).

#include "reports/ventanareporte.h"
#include "reports/ventanaresultados.h"

class QComboBox;

namespace sellerresults {

class Form25 : public reports::VentanaReporte, public reports::VentanaResultados {
    Q_OBJECT
public:
    Form25();

    QComboBox* ELGRUPO;    // group: code " - " name
    QComboBox* VEND_DESDE; // first seller: code " - " name
    QComboBox* VEND_HASTA; // last seller
    QComboBox* LALOTERIA;  // lottery: three-character code " - " name
    QComboBox* TIPORPT;    // report type
    QComboBox* Combo1;     // play type

    QString textoGrupo() const override;

    // The report operations "Generar" dispatches to.
    void RPTPORGRUPOS();
    void rpttotales();
    void rpttotalgral();
    void rptresumidovendeLOTERIA();
    void rptresumidovendeFecha();
    void rptresumidovende_Loteria();

    // The group validation: the seller boxes list the sellers of the group
    // in ELGRUPO (of no group when it is empty), the first one chosen in
    // VEND_DESDE and the last in VEND_HASTA.
    void ELGRUPO_Validate();

    using Operacion = void (Form25::*)();
    // The dispatch table of "Generar" over the texts of the group, the two
    // seller boxes and the report type; nullptr when no rule holds.
    static Operacion eligeOperacion(const QString& grupo, const QString& vendDesde, const QString& vendHasta,
                                    const QString& tipo);

    // Values cut from the boxes' texts.
    // The first five characters, trimmed; " " when nothing is left.
    static QString codigoRecortado(const QString& texto);
    // The lottery's three-character code, trimmed; " " when the text
    // starts with a blank or is empty.
    static QString loteriaTres(const QString& texto);
    // The play mode of a play-type text: "" gives "000", "1" … "5" give
    // "Tp ", "Te ", "D  ", "Tp2 ", "Te2 "; any other first character "".
    static QString modoJugada(const QString& texto);

    struct Informe;

protected:
    void onLoad() override;
    void despacha() override;
    bool validaParametros() override;
    platform::db::RecordSet consulta() override;
    void fijaEncabezados() override;
    void escribe(platform::db::RecordSet& rs, const QString& borde) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void ejecuta(const Informe& informe);
    void cargaGrupos();
    void cargaLoterias();
    void cargaTipos();
    void llenaRango(const QString& grupo);

    const Informe* informe_ = nullptr;
    // The group text the seller boxes were last filled for.
    QString grupoValidado_;
};

} // namespace sellerresults
