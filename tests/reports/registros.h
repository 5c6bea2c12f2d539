#pragma once
// In-memory result sets for report tests: fields, then rows of values
// (a null QVariant is NULL); the set is left on its first row, as the report
// windows hand it to the writers.

#include "platform/db/recordset.h"

#include <QList>
#include <QString>
#include <QVariant>

namespace testsupport {

struct CampoPrueba {
    QString nombre;
    platform::db::DataType tipo = platform::db::DataType::VarChar;
};

inline platform::db::RecordSet registros(const QList<CampoPrueba>& campos, const QList<QVariantList>& filas)
{
    platform::db::RecordSet rs;
    for (const CampoPrueba& campo : campos) {
        if (campo.tipo == platform::db::DataType::Numeric)
            rs.appendField(campo.nombre, campo.tipo, 0, 18, 3);
        else
            rs.appendField(campo.nombre, campo.tipo, campo.tipo == platform::db::DataType::VarChar ? 50 : 0);
    }
    for (const QVariantList& fila : filas) {
        rs.addNew();
        for (qsizetype i = 0; i < fila.size(); ++i)
            rs.setValue(int(i), fila[i]);
        rs.update();
    }
    if (rs.recordCount() > 0)
        rs.moveFirst();
    return rs;
}

inline QVariant nulo()
{
    return QVariant();
}

inline QVariant dinero(const char* texto)
{
    return QVariant::fromValue(*platform::Decimal::parse(QString::fromLatin1(texto)));
}

} // namespace testsupport
