#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace quill {

// Where a box of outer size `box` opens so that it covers nothing of the
// window whose frame is `window`, wholly inside `screen` (the screen's
// available area): to the right of the window, else to its left, else
// below it, else above it, centred on the window along that side. Where
// none of these has room, the place on the screen that covers the least of
// the window; a box larger than the screen keeps to its top left.
QPoint placeClearOf(const QRect& window, const QSize& box, const QRect& screen);

// The top left of `box` moved as little as can be for the box to lie inside
// `screen`; a box larger than the screen keeps to its top left.
QPoint keptInside(const QRect& box, const QRect& screen);

}  // namespace quill
