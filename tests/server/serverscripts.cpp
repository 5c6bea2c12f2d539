#include "serverscripts.h"

#include "testdb.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <stdexcept>

namespace serverscripts {

int run(const QString& script, const QStringList& arguments, bool asProduct, QString* output)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (asProduct) {
        env.insert(QStringLiteral("PGUSER"), QLatin1String(testsupport::ProductRole));
        env.insert(QStringLiteral("PGPASSWORD"), QLatin1String(testsupport::ProductPassword));
    }
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(DUROZ_SOURCE_DIR "/") + script, arguments);
    process.waitForFinished(300000);
    if (output)
        *output = QString::fromUtf8(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QString query(const QString& database, const QString& sql)
{
    QProcess process;
    process.start(QStringLiteral("psql"), {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-At"),
                                           QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"),
                                           QStringLiteral("-d"), database, QStringLiteral("-c"), sql});
    process.waitForFinished(120000);
    return QString::fromUtf8(process.readAllStandardOutput()).section(QLatin1Char('\n'), 0, 0);
}

QString fingerprint(const QString& database)
{
    return query(
        database,
        QStringLiteral("SELECT string_agg(tablename || ':' || (xpath('/row/m/text()', query_to_xml(format("
                       "'SELECT md5(coalesce(string_agg(t::text, E''\\n'' ORDER BY t::text), '''')) AS m "
                       "FROM public.%I t', tablename), false, true, '')))[1]::text, ' ' ORDER BY tablename) "
                       "FROM pg_tables WHERE schemaname = 'public' AND tablename <> 'migraciones'"));
}

std::string outcome(testsupport::TestDatabase& db, const std::string& sql)
{
    db.exec(QStringLiteral("BEGIN"));
    std::string result;
    try {
        result = db.scalar(QString::fromStdString(sql)).toStdString();
    } catch (const std::runtime_error& e) {
        result = e.what();
    }
    db.exec(QStringLiteral("ROLLBACK"));
    return result;
}

} // namespace serverscripts
