#pragma once
// Where a window opens on the screen. Every window opens centred over the
// window it was opened from (or over the screen when it opens from none),
// then is moved, never cut, so that its whole frame lies inside the screen's
// available area: a window opened from one near an edge slides in, and only a
// frame larger than the area itself keeps its top-left corner there and runs
// past the far edges.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace platform::ui {

// The top-left corner of a frame of `frameSize` centred over `opener` (a null
// rectangle: over `area`), moved into `area`.
QPoint openingPosition(const QSize& frameSize, const QRect& opener, const QRect& area);

// The desktop's frame around a window (title bar and borders), as it stands
// around `shown`, a window the desktop already shows; zero when it shows
// none. A window that has not been shown yet has no frame to measure, and the
// desktop gives every window of ours the same one.
QMargins frameMarginsOf(const QWidget* shown);
// The same, or when `shown` has no frame yet (the desktop frames a window a
// moment after it shows), the frame of another window of ours it shows.
QMargins desktopFrameMargins(const QWidget* shown);

} // namespace platform::ui
