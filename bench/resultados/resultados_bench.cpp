// The seller results report procedures over a date range for every seller,
// called as the seller results window calls them (typed calls through the
// data layer, the rows read into a record set): each one's time (the
// median of ROUNDS calls) and its row count, next to a plain count of the
// daily results of the range as the floor of any report that reads them
// all.
//   resultados_bench SERVER PORT DATABASE USER PASSWORD FROM TO GROUP [ROUNDS]
// FROM and TO are "dd/mm/yyyy"; GROUP is the group code of the group
// results. Exits non-zero, saying why, when a call fails or returns no rows.
#include "platform/db/command.h"
#include "platform/db/connection.h"
#include "platform/db/dberror.h"

#include <QElapsedTimer>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using platform::db::Command;
using platform::db::Connection;
using platform::db::DataType;
using platform::db::Direction;

struct Entrada {
    const char* nombre;
    int tamano;
    QString valor;
};

struct Informe {
    const char* caption;
    const char* procedimiento;
    std::vector<Entrada> entradas;
};

// Median milliseconds of `rondas` calls; the row count of the last.
std::pair<double, long long> mide(Connection& conexion, const Informe& informe, int rondas)
{
    std::vector<double> tiempos;
    long long filas = 0;
    for (int i = 0; i < rondas; ++i) {
        Command cmd(conexion, QString::fromLatin1(informe.procedimiento));
        cmd.setCommandTimeout(900);
        cmd.append(QStringLiteral("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
        for (const Entrada& e : informe.entradas)
            cmd.append(QString::fromLatin1(e.nombre), DataType::VarChar, Direction::Input, e.tamano, e.valor);
        QElapsedTimer reloj;
        reloj.start();
        filas = cmd.execute().recordCount();
        tiempos.push_back(double(reloj.nsecsElapsed()) / 1e6);
    }
    std::sort(tiempos.begin(), tiempos.end());
    return {tiempos[tiempos.size() / 2], filas};
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 9) {
        std::fprintf(stderr,
                     "usage: resultados_bench SERVER PORT DATABASE USER PASSWORD FROM TO GROUP [ROUNDS]\n");
        return 2;
    }
    const auto arg = [argv](int i) { return QString::fromLocal8Bit(argv[i]); };
    const int rondas = argc > 9 ? std::atoi(argv[9]) : 3;
    if (rondas < 1) {
        std::fprintf(stderr, "ROUNDS must be a positive number\n");
        return 2;
    }
    const QString desde = arg(6);
    const QString hasta = arg(7);
    const QString blanco = QStringLiteral(" ");
    const std::vector<Informe> informes = {
        {"5.- Resumido",
         "rpt_res_ven_totales",
         {{"@FECHAREPORT1", 10, desde},
          {"@FECHAREPORT2", 10, hasta},
          {"@VENDEDOR1", 5, blanco},
          {"@VENDEDOR2", 5, blanco}}},
        {"(no type) totals per date",
         "rpt_res_ven_total_gral",
         {{"@FECHAREPORT1", 10, desde}, {"@FECHAREPORT2", 10, hasta}}},
        {"0.- Por Loteria",
         "rpt_res_ven_loteria",
         {{"@FECHAREPORT1", 10, desde},
          {"@FECHAREPORT2", 10, hasta},
          {"@VENDEDOR1", 5, blanco},
          {"@VENDEDOR2", 5, blanco},
          {"@LALOTERIA", 3, blanco},
          {"@Xmodo", 3, QStringLiteral("000")}}},
        {"2.- Detallado",
         "rpt_res_ven_totales_fecha",
         {{"@FECHAREPORT1", 10, desde},
          {"@FECHAREPORT2", 10, hasta},
          {"@VENDEDOR1", 5, blanco},
          {"@VENDEDOR2", 5, blanco}}},
        {"6.- Tipo de Jugada",
         "rpt_res_ven_resumido_loteria",
         {{"@FECHAREPORT1", 10, desde},
          {"@FECHAREPORT2", 10, hasta},
          {"@VENDEDOR1", 5, QString()},
          {"@VENDEDOR2", 5, QString()},
          {"@LALOTERIA", 5, QString()}}},
        {"1.- Por Grupos",
         "rpt_res_ven_GRUPOS",
         {{"@FECHAREPORT1", 10, desde},
          {"@FECHAREPORT2", 10, hasta},
          {"@VENDEDOR1", 5, blanco},
          {"@VENDEDOR2", 5, blanco},
          {"@GRUPOS1", 5, arg(8)},
          {"@codlot", 3, blanco}}},
    };
    try {
        Connection conexion;
        conexion.open(QStringLiteral("Data Source=%1,%2;Initial Catalog=%3;User id=%4;Password=%5")
                          .arg(arg(1), arg(2), arg(3), arg(4), arg(5)));
        int fallos = 0;
        double peor = 0;
        for (const Informe& informe : informes) {
            const auto [ms, filas] = mide(conexion, informe, rondas);
            std::printf("%-28s %-30s %8lld rows %9.1f ms\n", informe.caption, informe.procedimiento, filas,
                        ms);
            if (filas < 1) {
                std::fprintf(stderr, "%s returned no rows\n", informe.procedimiento);
                ++fallos;
            }
            peor = std::max(peor, ms);
        }
        std::printf("slowest: %.1f ms (aim: under 1000 ms each)\n", peor);
        return fallos == 0 ? 0 : 1;
    } catch (const platform::db::DbError& e) {
        std::fprintf(stderr, "failed: %d %s\n", e.number(), e.description().toStdString().c_str());
        return 1;
    }
}
