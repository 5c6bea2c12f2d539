#pragma once
// Form24: a hidden window holding one list of text lines that report
// windows of other subsystems clear, fill and give tab stops. It is never
// shown; nothing reads its lines. The first use loads it (its load sets a
// single tab stop of -40), later uses find the same window. Its menu entry
// "15.- Line Up" opens the older line-up window Form26 for an operator
// allowed to ("15" in his permissions).

#include "platform/ui/window.h"

#include <QList>
#include <QListWidget>

class QAction;

namespace reports {

// A text list whose tab stops (in the list's dialog units) say where the
// tab-separated fields of its lines line up. A dialog unit across is a
// quarter of the font's average character width. One stop repeats at that
// distance; several are positions from the left. A negative stop counts as
// its size. Without stops, tabs fall every 32 units.
class ListaTabulada : public QListWidget {
    Q_OBJECT
public:
    explicit ListaTabulada(QWidget* parent = nullptr);
    // Replaces the tab stops of the whole list: `cuantas` values of `valores`.
    void setTabStops(int cuantas, const int* valores);
    void setTabStops(const QList<int>& paradas);
    const QList<int>& tabStops() const { return paradas_; }
    // The stops in pixels of the list's font, as its lines are drawn.
    QList<qreal> tabStopsPixels() const;

private:
    QList<int> paradas_;
};

class Form24 : public platform::ui::Window {
    Q_OBJECT
public:
    Form24();
    ListaTabulada* List1;
    QAction* lineUp; // "15.- Line Up"

protected:
    void onLoad() override;
};

// The one Form24, loaded hidden on first use.
Form24* form24();

} // namespace reports
