// The writers' benchmark: how fast the fiscal and the lottery-totals pages
// are written from rows fetched through the data layer.
//
//   escritores_bench fiscal ROWS CONNECTION-STRING
//   escritores_bench loterias ROWS CONNECTION-STRING
//
// Each run prints one line of figures and exits non-zero when it could not
// read the rows or write the page.

#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "reports/htmlfiscalvendedor.h"
#include "reports/htmlloterias.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <exception>

namespace {

int escribe(const QString& reporte, int filas, const QString& conexion)
{
    const bool fiscal = reporte == QLatin1String("fiscal");
    if (!fiscal && reporte != QLatin1String("loterias"))
        return 2;
    platform::db::Connection c;
    c.open(conexion, 30);
    QElapsedTimer reloj;
    reloj.start();
    platform::db::RecordSet rs = c.execute(
        (fiscal ? QStringLiteral("SELECT * FROM fiscalbench ORDER BY id LIMIT %1")
                : QStringLiteral("SELECT * FROM loteriabench ORDER BY id LIMIT %1"))
            .arg(filas));
    const qint64 lectura = reloj.restart();
    if (rs.recordCount() != filas) {
        std::fprintf(stderr, "only %d rows\n", rs.recordCount());
        return 1;
    }
    QTemporaryDir carpeta;
    QFile archivo(carpeta.filePath(QStringLiteral("0001.html")));
    if (!archivo.open(QIODevice::WriteOnly))
        return 1;
    reports::PaginaHtml pagina(archivo);
    const QString linea1 = QStringLiteral("Vendedor Desde: 00001   HASTA : 99999");
    const QString linea2 = QStringLiteral("Fecha Desde : 01/01/2024   HASTA : 31/12/2024");
    if (fiscal)
        reports::paginaFiscalVendedor(pagina, rs, linea1, linea2, QStringLiteral("1"),
                                      QStringLiteral("BANCA DE PRUEBA"));
    else
        reports::paginaLoterias(pagina, rs, linea1, linea2, QStringLiteral("1"),
                                QStringLiteral("BANCA DE PRUEBA"));
    pagina.termina();
    archivo.close();
    const qint64 escritura = reloj.elapsed();
    std::printf("filas %d  lectura %lld ms  escritura %lld ms  (%.0f filas/s, %.1f MB)  "
                "lectura+escritura %lld ms\n",
                filas, lectura, escritura, escritura > 0 ? 1000.0 * filas / escritura : 0.0,
                archivo.size() / 1048576.0, lectura + escritura);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: escritores_bench fiscal|loterias ROWS CONNECTION\n");
        return 2;
    }
    try {
        return escribe(args[1], args[2].toInt(), args[3]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
