#include "platform/ui/placement.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>

namespace platform::ui {
namespace {

// One coordinate: centred over [openerStart, openerStart + openerLength),
// then moved into [areaStart, areaStart + areaLength); the start wins when
// the length does not fit.
int place(int length, int openerStart, int openerLength, int areaStart, int areaLength)
{
    const int centred = openerStart + (openerLength - length) / 2;
    const int last = areaStart + areaLength - length;
    return std::max(areaStart, std::min(centred, last));
}

} // namespace

QPoint openingPosition(const QSize& frameSize, const QRect& opener, const QRect& area)
{
    const QRect over = opener.isNull() ? area : opener;
    return {place(frameSize.width(), over.x(), over.width(), area.x(), area.width()),
            place(frameSize.height(), over.y(), over.height(), area.y(), area.height())};
}

QMargins frameMarginsOf(const QWidget* shown)
{
    if (!shown || !shown->isVisible())
        return {};
    const QRect frame = shown->frameGeometry();
    const QRect inside = shown->geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
            frame.bottom() - inside.bottom()};
}

QMargins desktopFrameMargins(const QWidget* shown)
{
    const QMargins own = frameMarginsOf(shown);
    if (!own.isNull())
        return own;
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other != shown && other->isWindow() && other->isVisible()) {
            if (const QMargins margins = frameMarginsOf(other); !margins.isNull())
                return margins;
        }
    }
    return own;
}

} // namespace platform::ui
