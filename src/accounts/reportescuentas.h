#pragma once
// The two consolidation reports of seller money, on the report parameter
// window: rptgastojugada ("Reporte de Consolidacion de Jugada/Gastos",
// RPTGASTOSALDO to htmlgastojugada) and rptcuenta ("Reporte de
// Consolidacion de saldos por Cuentas Bancarias", RPTcuentamov to
// htmlcuentas). Both take a range of two choices (sellers or accounts) and
// a detail box; their call texts quote what the operator typed.

#include "reports/ventanareporte.h"

class QCheckBox;
class QComboBox;

namespace accounts {

// What the two windows share: the two range boxes, the detail box and the
// header lines.
class ReporteRango : public reports::VentanaReporte {
    Q_OBJECT
public:
    QComboBox* VEND;   // first of the range
    QComboBox* vendh;  // last of the range
    QCheckBox* Check1; // detail

    // "1" when Check1 is ticked, "0" otherwise.
    QString detalle() const;

protected:
    struct Rango {
        QString titulo;
        QString etiquetaDesde; // "Desde Vendedor:"
        QString etiquetaHasta;
        QString detalle;         // caption of Check1
        QString procedimiento;   // the report's server procedure
        QString encabezadoDesde; // "Desde Vendedor: "
        QString encabezadoHasta; // " Hasta Vendedor: "
    };
    explicit ReporteRango(const Rango& rango);

    platform::db::RecordSet consulta() override;
    void fijaEncabezados() override;

private:
    Rango rango_;
};

class rptgastojugada : public ReporteRango {
    Q_OBJECT
public:
    rptgastojugada();

protected:
    void cargaListas() override;
    void escribe(platform::db::RecordSet& rs, const QString& borde) override;
};

class rptcuenta : public ReporteRango {
    Q_OBJECT
public:
    rptcuenta();

protected:
    void cargaListas() override;
    void escribe(platform::db::RecordSet& rs, const QString& borde) override;
};

} // namespace accounts
