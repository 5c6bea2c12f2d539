#pragma once
// The frame of a lottery's sale days with their closing hours, as the
// catalogue and the editor show it: one row per day, Monday to Sunday, the
// day's check box and beside it the hour control the window makes.

#include <QList>
#include <functional>

class QCheckBox;
class QGroupBox;
class QWidget;

namespace lotteries {

// Fills `dias` with the seven check boxes; `nuevaHora` makes each day's
// hour control (the window keeps it).
QGroupBox* marcodias(QList<QCheckBox*>& dias, const std::function<QWidget*()>& nuevaHora);

} // namespace lotteries
