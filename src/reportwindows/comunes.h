#pragma once
// What the report windows share beyond the report parameter window: their
// choice boxes, the lists that fill them and the typed call of a report
// procedure.

#include "platform/db/recordset.h"

#include <QList>
#include <QString>
#include <QStringList>

class QComboBox;
class QWidget;

namespace reportwindows {

// An editable choice box: the operator may pick an item or type.
QComboBox* cajaEditable(QWidget* padre, const QStringList& elementos = {});

// A seller without a group chief (perteneceal NULL or blank): a chief or a
// seller of no group.
bool sinJefe(const platform::db::RecordSet& vendedor);

// Fills a lottery box from the shared lottery list, from its first row
// whatever other windows left it on: code " - " name; the box then shows
// the first lottery (stays empty without lotteries).
void llenaLoterias(QComboBox* caja);

// The first character of a box's text ("" for an empty box).
QString primerCaracter(const QComboBox* caja);

// One input of a typed report call: name, declared size and value.
struct Entrada {
    QString nombre;
    int tamano;
    QString valor;
};

// A typed call of a report procedure on the shared connection: the return
// value first (not read), then the inputs in order; `espera` is the command
// time-out in seconds (0: the data-access default).
platform::db::RecordSet llamadaReporte(const QString& procedimiento, const QList<Entrada>& entradas,
                                       int espera = 900);

} // namespace reportwindows
