#pragma once
// The report parameter window: the one shape of every window that asks for
// a report's parameters and hands the result to a writer. It holds the date
// pickers (set to the server's date when the window loads), the check box of
// the table borders, "Generar" and "Regresar"; Esc closes it like
// "Regresar". "Generar" renews the connection, runs the member's checks and
// server procedure, sets the header lines and calls the writer with the
// rows left on their first row and the border text; a procedure that
// returns no rows shows the empty-result message instead and writes
// nothing.
//
// A member states only its differences:
//
//   class Form49 : public reports::VentanaReporte {
//   public:
//       Form49() : VentanaReporte({.titulo = u"Reporte de Conexiones"_s,
//                                  .fechas = Fechas::Ninguna}) {}
//   protected:
//       RecordSet consulta() override { return llamaRptconex(); }
//       void fijaEncabezados() override { sesion().reportelinea1 = …; }
//       void escribe(RecordSet& rs, const QString& borde) override
//       {
//           htmlconexiones(rs, sesion().reportelinea1, borde);
//       }
//   };
//
// Both handlers carry the error trap of the shared connection: after a
// closed connection is reopened the handler ends, so the operator presses
// "Generar" again; a member may ask for "Generar" to run again instead (the
// point-of-sale report).

#include "platform/db/recordset.h"
#include "platform/ui/window.h"

#include <functional>
#include <QDate>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QFormLayout;
class QPushButton;

namespace reports {

class VentanaReporte : public platform::ui::Window {
    Q_OBJECT
public:
    enum class Fechas { DesdeHasta, SoloDesde, Ninguna };

    struct Forma {
        QString titulo;
        Fechas fechas = Fechas::DesdeHasta;
        // Whether the border box starts ticked.
        bool bordes = false;
        // After a reconnection "Generar" runs again instead of ending.
        bool reejecutaTrasReconectar = false;
        // The load renews the connection first.
        bool renuevaAlCargar = true;
        // "Generar" renews the connection twice: at its start and just
        // before the call.
        bool renuevaDosVeces = true;
    };

    explicit VentanaReporte(const Forma& forma);

    QDateEdit* Desdes = nullptr; // first date (none in windows without dates)
    QDateEdit* Hastas = nullptr; // last date (only in windows with a range)
    QCheckBox* Bordes;           // "Ver Borde de Separacion del Reporte"
    QPushButton* Command1;       // "Generar"
    QPushButton* Command2;       // "Regresar"

    // "Generar".
    void generar();

    // The date text of a picker's date: "dd/mm/yyyy".
    static QString fechatexto(const QDate& fecha);
    // The border text: "1" ticked, "0" not.
    QString textoBorde() const;
    // The seller code of a seller box: the text before its first blank;
    // empty for an empty box (what the server reads as every seller).
    static QString codigoVendedor(const QComboBox* caja);

protected:
    // Where a member adds its own parameter rows, under the dates.
    QFormLayout* parametros() const { return parametros_; }

    // Fills a seller box from the shared seller list: code, " - ", name,
    // for every seller that `admite` lets through (every one without it).
    static void llenaVendedores(QComboBox* caja,
                                const std::function<bool(const platform::db::RecordSet&)>& admite = {});

    // The member's lists, filled when the window loads (after the dates).
    virtual void cargaListas() {}
    // The member's checks before the call: false ends "Generar" (the check
    // has shown its message).
    virtual bool validaParametros() { return true; }
    // The report's server procedure.
    virtual platform::db::RecordSet consulta() { return {}; }
    // Sets reportelinea1 and reportelinea2 (and further header values).
    virtual void fijaEncabezados() {}
    // How many times "Generar" renews the connection before its checks:
    // twice unless the form says once (renuevaDosVeces); a member may
    // choose per run (the point-of-sale totals renew none).
    virtual int renovaciones() const { return forma_.renuevaDosVeces ? 2 : 1; }
    // Calls the writer with the rows on their first row and the border text.
    virtual void escribe(platform::db::RecordSet& rs, const QString& borde)
    {
        Q_UNUSED(rs);
        Q_UNUSED(borde);
    }

    // What "Generar" runs after renewing the connection: the report
    // (informa()). A member that chooses among several reports overrides it.
    virtual void despacha() { informa(); }
    // The report: the checks, the server procedure, the header lines, then
    // the writer or the empty-result message.
    void informa();

    void onLoad() override;
    bool onKeyPreview(QKeyEvent* evento) override;

private:
    void corre();

    Forma forma_;
    QFormLayout* parametros_;
};

} // namespace reports
