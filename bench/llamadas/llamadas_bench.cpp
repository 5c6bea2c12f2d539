// What a procedure call costs on top of the same work done with bare libpq.
// Three calls, each as a typed call (Command) and as a call text
// (Connection::execute), next to the best libpq equivalent on a connection
// of its own:
// - list: DSPLOT '0', '' (every lottery, some fifty columns, most numeric)
//   against one parameterised SELECT of the same function;
// - small list: xDSPLOT '4', 'A' against one parameterised SELECT;
// - cursor: dspven2 '5' (a return value and a cursor of every seller)
//   against libpq's pipeline mode: BEGIN and the call in one round trip,
//   then FETCH ALL and COMMIT in the next.
// Every way reads the first field of every row, as a list fills its grid.
// The ways alternate in one run (their order turns each round) so that a
// busy machine weighs on all of them alike; the figure of each is its
// median. The ratio of a call is that of its slower way (typed or text).
//   llamadas_bench SERVER PORT DATABASE USER PASSWORD [ROUNDS]
// Exits non-zero, saying why, when a call fails or returns no rows.

#include "platform/db/command.h"
#include "platform/db/connection.h"
#include "platform/db/dberror.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <libpq-fe.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using platform::db::Command;
using platform::db::Connection;
using platform::db::DataType;
using platform::db::Direction;
using platform::db::RecordSet;

constexpr Oid VarcharOid = 1043;

struct Fallo : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string texto(const QString& s)
{
    return s.toStdString();
}

// The rows of a record set read as a grid reads them: the first field of
// each. Returns how many there were.
int leeFilas(RecordSet rows)
{
    int n = 0;
    QString ultimo;
    for (; !rows.eof(); rows.moveNext(), ++n)
        ultimo = rows.value(0).toString();
    return n;
}

int leeFilas(const PGresult* r)
{
    QString ultimo;
    for (int row = 0; row < PQntuples(r); ++row)
        ultimo = QString::fromUtf8(PQgetvalue(r, row, 0), PQgetlength(r, row, 0));
    return PQntuples(r);
}

class Libpq {
public:
    Libpq(const QByteArray& conninfo) : c_(PQconnectdb(conninfo.constData()))
    {
        if (PQstatus(c_) != CONNECTION_OK)
            throw Fallo(std::string("libpq no conecta: ") + PQerrorMessage(c_));
    }
    ~Libpq() { PQfinish(c_); }
    Libpq(const Libpq&) = delete;
    Libpq& operator=(const Libpq&) = delete;

    // One parameterised statement, its parameters typed varchar as the
    // function declares them (the server need not infer them); its rows.
    int select(const char* sql, std::vector<const char*> values)
    {
        const std::vector<Oid> types(values.size(), VarcharOid);
        PGresult* r = PQexecParams(c_, sql, int(values.size()), types.data(), values.data(), nullptr, nullptr,
                                   0);
        comprueba(r, sql);
        const int n = leeFilas(r);
        PQclear(r);
        return n;
    }

    // A function returning a cursor: BEGIN and the call in one round trip,
    // FETCH ALL and COMMIT in the next.
    int cursor(const char* sql, const char* value)
    {
        if (PQenterPipelineMode(c_) != 1)
            throw Fallo("libpq no entra en modo pipeline");
        envia("BEGIN", {});
        envia(sql, {value}, {VarcharOid});
        sincroniza();
        PQclear(resultado("BEGIN"));
        PGresult* r = resultado(sql);
        const int columna = PQfnumber(r, "resultado");
        if (columna < 0 || PQntuples(r) != 1)
            throw Fallo("dspven2 no devolvió su cursor");
        const std::string fetch = std::string("FETCH ALL FROM \"") + PQgetvalue(r, 0, columna) + '"';
        PQclear(r);
        esperaSync();
        envia(fetch.c_str(), {});
        envia("COMMIT", {});
        sincroniza();
        r = resultado(fetch.c_str());
        const int n = leeFilas(r);
        PQclear(r);
        PQclear(resultado("COMMIT"));
        esperaSync();
        PQexitPipelineMode(c_);
        return n;
    }

private:
    void comprueba(PGresult* r, const char* sql)
    {
        const auto s = PQresultStatus(r);
        if (s != PGRES_TUPLES_OK && s != PGRES_COMMAND_OK) {
            const std::string error = std::string(sql) + ": " + PQresultErrorMessage(r);
            PQclear(r);
            throw Fallo(error);
        }
    }
    void envia(const char* sql, std::vector<const char*> values, std::vector<Oid> types = {})
    {
        if (!PQsendQueryParams(c_, sql, int(values.size()), types.empty() ? nullptr : types.data(),
                               values.data(), nullptr, nullptr, 0))
            throw Fallo(std::string("libpq no envía: ") + PQerrorMessage(c_));
    }
    void sincroniza()
    {
        if (PQpipelineSync(c_) != 1)
            throw Fallo(std::string("libpq no sincroniza: ") + PQerrorMessage(c_));
    }
    // The result of the next statement of the pipeline (the caller clears it).
    PGresult* resultado(const char* sql)
    {
        PGresult* r = PQgetResult(c_);
        if (!r)
            throw Fallo(std::string("sin resultado: ") + sql);
        comprueba(r, sql);
        PGresult* fin = PQgetResult(c_);
        if (fin)
            throw Fallo(std::string("resultado de más: ") + sql);
        return r;
    }
    void esperaSync()
    {
        PGresult* r = PQgetResult(c_);
        const bool ok = r && PQresultStatus(r) == PGRES_PIPELINE_SYNC;
        PQclear(r);
        if (!ok)
            throw Fallo("falta el fin del pipeline");
    }

    PGconn* c_;
};

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Forma {
    const char* nombre;
    std::function<int()> llama;
    std::vector<double> tiempos;
};

// Runs the ways in turn, ROUNDS times after a warm-up, and prints them;
// returns the ratio of the slower call way to libpq.
double compara(const char* titulo, std::vector<Forma> formas, int rondas)
{
    int filas = -1;
    for (Forma& f : formas) {
        for (int i = 0; i < 20; ++i) {
            const int n = f.llama();
            if (n <= 0)
                throw Fallo(std::string(titulo) + ": " + f.nombre + " no devolvió filas");
            if (filas >= 0 && n != filas)
                throw Fallo(std::string(titulo) + ": " + f.nombre + " devolvió " + std::to_string(n) +
                            " filas, no " + std::to_string(filas));
            filas = n;
        }
    }
    QElapsedTimer reloj;
    for (int ronda = 0; ronda < rondas; ++ronda) {
        for (std::size_t k = 0; k < formas.size(); ++k) {
            Forma& f = formas[(k + std::size_t(ronda)) % formas.size()];
            reloj.start();
            const int n = f.llama();
            f.tiempos.push_back(double(reloj.nsecsElapsed()) / 1000.0);
            if (n != filas)
                throw Fallo(std::string(titulo) + ": " + f.nombre + " cambió de filas");
        }
    }
    const double libpq = mediana(formas.back().tiempos);
    double peor = 0;
    std::printf("%s (%d rows, median of %d):", titulo, filas, rondas);
    for (const Forma& f : formas) {
        const double m = mediana(f.tiempos);
        std::printf(" %s %.0f us", f.nombre, m);
        if (&f != &formas.back()) {
            std::printf(" (%.2fx)", m / libpq);
            peor = std::max(peor, m / libpq);
        }
        std::printf(";");
    }
    std::printf("\n");
    return peor;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 6) {
        std::fprintf(stderr, "usage: llamadas_bench SERVER PORT DATABASE USER PASSWORD [ROUNDS]\n");
        return 2;
    }
    const int rondas = argc > 6 ? std::atoi(argv[6]) : 500;
    if (rondas < 1) {
        std::fprintf(stderr, "ROUNDS must be a positive number\n");
        return 2;
    }
    const QString servidor = QString::fromLocal8Bit(argv[1]);
    const QString puerto = QString::fromLocal8Bit(argv[2]);
    const QString base = QString::fromLocal8Bit(argv[3]);
    const QString usuario = QString::fromLocal8Bit(argv[4]);
    const QString clave = QString::fromLocal8Bit(argv[5]);
    try {
        Connection conexion;
        conexion.open(QStringLiteral("Data Source=%1,%2;Initial Catalog=%3;User id=%4;"
                                     "Password=%5")
                          .arg(servidor, puerto, base, usuario, clave));
        Libpq libpq(QStringLiteral("host=%1 port=%2 dbname=%3 user=%4 password=%5 "
                                   "options='-c search_path=proc,public -c DateStyle=ISO,DMY'")
                        .arg(servidor, puerto, base, usuario, clave)
                        .toUtf8());

        Command lista(conexion, QStringLiteral("DSPLOT"));
        lista.append(QStringLiteral("@xmodo"), DataType::VarChar, Direction::Input, 1, QStringLiteral("0"));
        lista.append(QStringLiteral("@xcodigo"), DataType::VarChar, Direction::Input, 3, QString());
        Command pequena(conexion, QStringLiteral("xDSPLOT"));
        pequena.append(QStringLiteral("@xmodo"), DataType::VarChar, Direction::Input, 1, QStringLiteral("4"));
        pequena.append(QStringLiteral("@xestado"), DataType::VarChar, Direction::Input, 1,
                       QStringLiteral("A"));
        Command cursor(conexion, QStringLiteral("dspven2"));
        cursor.append(QStringLiteral("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
        cursor.append(QStringLiteral("@xmodo"), DataType::VarChar, Direction::Input, 1, QStringLiteral("5"));

        const double r1 = compara(
            "list DSPLOT '0', ''",
            {{"typed", [&] { return leeFilas(lista.execute()); }, {}},
             {"text", [&] { return leeFilas(conexion.execute(QStringLiteral("DSPLOT '0', ''"))); }, {}},
             {"libpq",
              [&] {
                  return libpq.select("SELECT * FROM proc.dsplot($1, $2)", {"0", ""});
              },
              {}}},
            rondas);
        const double r2 = compara(
            "small xDSPLOT '4', 'A'",
            {{"typed", [&] { return leeFilas(pequena.execute()); }, {}},
             {"text", [&] { return leeFilas(conexion.execute(QStringLiteral("xDSPLOT '4', 'A'"))); }, {}},
             {"libpq",
              [&] {
                  return libpq.select("SELECT * FROM proc.xdsplot($1, $2)", {"4", "A"});
              },
              {}}},
            rondas);
        const double r3 = compara(
            "cursor dspven2 '5'",
            {{"typed",
              [&] {
                  const int n = leeFilas(cursor.execute());
                  if (cursor.value(QStringLiteral("@RETURN_VALUE")).toInt() != 0)
                      throw Fallo("dspven2 no devolvió 0");
                  return n;
              },
              {}},
             {"text", [&] { return leeFilas(conexion.execute(QStringLiteral("dspven2 '5'"))); }, {}},
             {"libpq", [&] { return libpq.cursor("SELECT * FROM proc.dspven2($1)", "5"); }, {}}},
            rondas);
        std::printf("list/libpq=%.2f small/libpq=%.2f cursor/libpq=%.2f\n", r1, r2, r3);
    } catch (const platform::db::DbError& e) {
        std::fprintf(stderr, "llamadas_bench: %s\n", texto(e.description()).c_str());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "llamadas_bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
