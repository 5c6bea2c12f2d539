#include "reportwindows/comunes.h"

#include "core/sesion.h"
#include "platform/db/command.h"
#include "platform/regional.h"

#include <QComboBox>

namespace reportwindows {

namespace regional = platform::regional;
using platform::db::RecordSet;

QComboBox* cajaEditable(QWidget* padre, const QStringList& elementos)
{
    auto* caja = new QComboBox(padre);
    caja->setEditable(true);
    caja->setInsertPolicy(QComboBox::NoInsert);
    caja->addItems(elementos);
    caja->setCurrentIndex(-1);
    return caja;
}

bool sinJefe(const RecordSet& vendedor)
{
    const QVariant jefe = vendedor.value(QStringLiteral("perteneceal"));
    return jefe.isNull() || regional::toText(jefe).trimmed().isEmpty();
}

void llenaLoterias(QComboBox* caja)
{
    caja->clear();
    RecordSet loterias = core::sesion().rsloterias.clone();
    if (loterias.state() != RecordSet::StateOpen || loterias.recordCount() <= 0)
        return;
    for (loterias.moveFirst(); !loterias.eof(); loterias.moveNext())
        caja->addItem(regional::toText(loterias.value(QStringLiteral("COD_LOT"))) + QStringLiteral(" - ") +
                      regional::toText(loterias.value(QStringLiteral("desc_lot"))).trimmed());
    caja->setCurrentIndex(0);
}

QString primerCaracter(const QComboBox* caja)
{
    return caja->currentText().left(1);
}

RecordSet llamadaReporte(const QString& procedimiento, const QList<Entrada>& entradas, int espera)
{
    using platform::db::DataType;
    using platform::db::Direction;
    platform::db::Command cmd(core::sesion().conexion, procedimiento);
    if (espera > 0)
        cmd.setCommandTimeout(espera);
    cmd.append(QStringLiteral("@RETURN_VALUE"), DataType::Integer, Direction::ReturnValue);
    for (const Entrada& e : entradas) {
        cmd.append(e.nombre, DataType::VarChar, Direction::Input, e.tamano);
        cmd.setValue(e.nombre, e.valor);
    }
    return cmd.execute();
}

} // namespace reportwindows
