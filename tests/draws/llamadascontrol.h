#pragma once
// The calls of the expired-tickets, blocking and monitor windows as the
// windows send them, for the server suites: each gives back the rows it
// answered, one text per row with the columns joined by "|".

#include "platform/db/calltext.h"
#include "platform/db/command.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/regional.h"

#include <QStringList>
#include <tuple>

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
    using platform::db::DataType;
    using platform::db::Direction;
    platform::db::Command cmd(c, QStringLiteral("hcaduca"));
    cmd.setCommandTimeout(900);
    cmd.append(QStringLiteral("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    cmd.append(QStringLiteral("@xmodo"), DataType::VarChar, Direction::Input, 1);
    cmd.append(QStringLiteral("@fechad"), DataType::VarChar, Direction::Input, 10);
    cmd.append(QStringLiteral("@fechah"), DataType::VarChar, Direction::Input, 10);
    cmd.append(QStringLiteral("@vendedor"), DataType::VarChar, Direction::Input, 5);
    cmd.setValue(QStringLiteral("@xmodo"), QStringLiteral("1"));
    cmd.setValue(QStringLiteral("@fechad"), desde);
    cmd.setValue(QStringLiteral("@fechah"), hasta);
    cmd.setValue(QStringLiteral("@vendedor"), vendedor);
    return cmd.execute();
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
    using platform::db::DataType;
    using platform::db::Direction;
    platform::db::Command cmd(c, QStringLiteral("actbloqueados"));
    cmd.setCommandTimeout(900);
    cmd.append(QStringLiteral("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    const QList<std::tuple<const char*, int, QString>> valores = {
        {"@xmodo", 1, QStringLiteral("1")}, {"@xnumero", 4, b.numero},
        {"@xmonto", 10, b.monto},           {"@xjugada", 2, b.jugada},
        {"@xespecial", 3, b.especial},      {"@xmodonumero", 1, QStringLiteral("0")},
        {"@xloterias", 500, b.loterias},
    };
    for (const auto& [nombre, tamano, valor] : valores) {
        cmd.append(QLatin1String(nombre), DataType::VarChar, Direction::Input, tamano);
        cmd.setValue(QLatin1String(nombre), valor);
    }
    cmd.execute();
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
