#pragma once
// "FISCAL POR VENDEDOR": per seller a block of tax lines (the beneficence
// board and the draw operator of each of its rows, its municipality, the
// national taxes on gross sales and on windfall gains, and its total of
// taxes), then the report's grand totals with the net profit, and a summary
// of the tax owed to each taxing body over the whole report.
//
// Rows of rpt_res_ven_totales_fiscal: one or more per seller, a seller's
// rows together. By name: vendedor, the board's codigo_junta,
// descripcion_junta, tasa_junta, impuesto_junta, the operator's
// codigo_operadora, descripcion_operadora, tasa_operadora,
// impuesto_operadora, the municipality's codigo_alcaldia,
// Descripcion_Alcaldia, tasa_alcaldia, impuesto_alcaldia, tasa_venta,
// impuesto_venta, tasa_premio, impuesto_premio, total_venta, premios. By
// position: 1 the seller's text; 4 to 7 its sales, commission, prizes and
// total, read from its first row only.
//
// A seller's block reads only that seller's run of rows, so the page is
// written in one pass. A row without a seller code is a block of its own.

#include "reports/plantillahtml.h"

namespace reports {

void paginaFiscalVendedor(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                          const QString& linea2, const QString& borde, const QString& nombrebanca);

// Called by the fiscal report window with the rows left on the first row,
// reportelinea1 (the seller range), reportelinea2 (the date range) and the
// border text.
void htmlfiscalvendedor(platform::db::RecordSet& rs, const QString& linea1, const QString& linea2,
                        const QString& borde);

} // namespace reports
