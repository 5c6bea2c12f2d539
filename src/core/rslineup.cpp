#include "core/rslineup.h"

#include "platform/db/dberror.h"

using platform::db::DataType;
using platform::db::RecordSet;

namespace core {

namespace {

constexpr int Textos = 3;
constexpr int PrecisionImporte = 18;
constexpr int EscalaImporte = 3;

} // namespace

const QStringList& camposLineup()
{
    static const QStringList campos = {
        QStringLiteral("codven"),       QStringLiteral("nomven"), QStringLiteral("fecha"),
        QStringLiteral("deuda"),        QStringLiteral("cuenta"), QStringLiteral("movimiento"),
        QStringLiteral("deposito"),     QStringLiteral("total"),  QStringLiteral("saldoprestamo"),
        QStringLiteral("saldogragral"),
    };
    return campos;
}

RecordSet LineupMemoria::cerrado()
{
    RecordSet rs;
    rs.close();
    return rs;
}

bool LineupMemoria::vigente() const
{
    return fecha.isValid() && rs.state() == RecordSet::StateOpen;
}

LineupMemoria& rslineup()
{
    static LineupMemoria compartida;
    return compartida;
}

RecordSet copiaLineup(RecordSet& origen)
{
    static const int largos[Textos] = {5, 50, 10};
    const QStringList& campos = camposLineup();
    QList<int> columnas;
    for (const QString& campo : campos) {
        const int columna = origen.fieldIndex(campo);
        if (columna < 0)
            throw platform::db::DbError::itemNotFound(campo);
        columnas.append(columna);
    }

    RecordSet copia;
    for (int i = 0; i < campos.size(); ++i) {
        if (i < Textos)
            copia.appendField(campos[i], DataType::VarChar, largos[i]);
        else
            copia.appendField(campos[i], DataType::Decimal, 0, PrecisionImporte, EscalaImporte);
    }
    if (origen.recordCount() == 0)
        return copia;
    for (origen.moveFirst(); !origen.eof(); origen.moveNext()) {
        copia.addNew();
        for (int i = 0; i < campos.size(); ++i)
            copia.setValue(i, origen.value(columnas[i]));
        copia.update();
    }
    copia.moveFirst();
    return copia;
}

void fijaLineup(const RecordSet& rs, const QDate& fecha)
{
    LineupMemoria& lineup = rslineup();
    lineup.rs = rs;
    lineup.fecha = fecha;
}

void liberaLineup()
{
    LineupMemoria& lineup = rslineup();
    if (lineup.rs.state() == RecordSet::StateOpen)
        lineup.rs.close();
    lineup.rs = LineupMemoria::cerrado();
    lineup.fecha = QDate();
}

} // namespace core
