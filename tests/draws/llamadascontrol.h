#pragma once
// The calls of the expired-tickets, blocking and monitor windows as the
// windows send them, for the server suites: each gives back the rows it
// answered, one text per row with the columns joined by "|".

#include "draws/caducados.h"
#include "draws/form14.h"
#include "platform/db/calltext.h"
#include "platform/db/command.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/regional.h"

#include <QStringList>

namespace llamadascontrol {

inline QStringList filas(platform::db::RecordSet& rs, const QStringList& columnas = {})
{
    QStringList salida;
    if (rs.state() != platform::db::RecordSet::StateOpen || rs.recordCount() == 0)
        return salida;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        QStringList valores;
        if (columnas.isEmpty()) {
            for (int i = 0; i < rs.fieldCount(); ++i)
                valores << platform::regional::toText(rs.value(i));
        } else {
            for (const QString& c : columnas)
                valores << platform::regional::toText(rs.value(c));
        }
        salida << valores.join(QLatin1Char('|'));
    }
    return salida;
}

// hcaduca as the expired-tickets window calls it (typed, mode "1").
inline platform::db::RecordSet hcaduca(platform::db::Connection& c, const QString& desde,
                                       const QString& hasta, const QString& vendedor)
{
    return draws::caducados::hcaduca(c, desde, hasta, vendedor);
}

// The add of the blocking window: typed actbloqueados mode "1".
struct Bloqueo {
    QString numero;
    QString monto = QStringLiteral("0");
    QString jugada;
    QString especial;
    QString loterias = QStringLiteral("*");
};

inline void bloquea(platform::db::Connection& c, const Bloqueo& b)
{
    draws::Form14::actbloqueados(c, b.numero, b.monto, b.jugada, b.especial, b.loterias);
}

// The delete of the blocking window: the text call "ACTBLOQUEADOS '2', …".
inline void desbloquea(platform::db::Connection& c, const QString& numero, const QString& monto,
                       const QString& jugada, const QString& especial, const QString& loteria)
{
    c.execute(
        platform::db::callText(QStringLiteral("ACTBLOQUEADOS"), {QStringLiteral("2"), numero, monto, jugada,
                                                                 especial, QStringLiteral("0"), loteria}));
}

inline platform::db::RecordSet dspbloqueados(platform::db::Connection& c)
{
    return c.execute(platform::db::callText(QStringLiteral("DSPbloqueados")));
}

// The monitor's text call.
inline platform::db::RecordSet monitoronline(platform::db::Connection& c, const QString& fecha,
                                             const QString& tipo, const QString& loteria,
                                             const QString& numero = QString(),
                                             const QString& monto = QString(),
                                             const QString& vendedor = QString())
{
    return c.execute(platform::db::callText(QStringLiteral("monitoronline"),
                                            {fecha, tipo, loteria, numero, monto, vendedor}));
}

} // namespace llamadascontrol
