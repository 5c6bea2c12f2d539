// The movements writer as a process of its own, for timing it the way
// psql --html is timed: start, connect, read the rows through the data
// layer, write the page to a file, end.
//   escritor_bench ROWS CONNECTION-STRING PAGE.html
// Exits non-zero, saying why, when it could not write the page.

#include "platform/db/connection.h"
#include "platform/db/dberror.h"
#include "platform/db/recordset.h"
#include "reports/htmlmovimientos.h"

#include <QFile>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <exception>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: escritor_bench ROWS CONNECTION PAGE\n");
        return 2;
    }
    try {
        platform::db::Connection c;
        c.open(QString::fromLocal8Bit(argv[2]), 30);
        platform::db::RecordSet rs = c.execute(
            QStringLiteral("SELECT vendedor, nombre_vend, fecha, movimiento, monto FROM movbench "
                           "ORDER BY id LIMIT %1")
                .arg(std::atoi(argv[1])));
        QFile archivo(QString::fromLocal8Bit(argv[3]));
        if (!archivo.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "escritor_bench: %s\n", qPrintable(archivo.errorString()));
            return 1;
        }
        reports::PaginaHtml pagina(archivo);
        reports::paginaMovimientos(pagina, rs, QStringLiteral("Fecha Desde : 01/01/2024 Hasta: 31/12/2024"),
                                   QString(), QStringLiteral("1"), QStringLiteral("BANCA DE PRUEBA"));
        pagina.termina();
    } catch (const platform::db::DbError& e) {
        std::fprintf(stderr, "escritor_bench: %s\n", qPrintable(e.description()));
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "escritor_bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
