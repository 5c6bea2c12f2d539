#pragma once
// "ESTADO DE CUENTAS BANCARIAS": with the detail flag "0" one row per
// account with its balance (columns of RPTcuentamov: 0 account,
// nombre_banco, 2 account number, 3 balance); with any other flag one row
// per movement (0 account, nombre_banco, nro_cuenta, vendedor, nombre_vend,
// fecha_mov, descri_mov, montocuenta). No totals.

#include "reports/plantillahtml.h"

namespace reports {

void paginaCuentas(PaginaHtml& pagina, platform::db::RecordSet& rs, const QString& linea1,
                   const QString& linea2, const QString& borde, const QString& detalle,
                   const QString& nombrebanca);

// Called by the bank-account report window with the rows left on the first
// row, reportelinea1 (the date range), reportelinea2 (the account range or
// empty), the border text and the detail flag ("1" detailed, "0" not).
void htmlcuentas(platform::db::RecordSet& rs, const QString& linea1, const QString& linea2,
                 const QString& borde, const QString& detalle);

} // namespace reports
