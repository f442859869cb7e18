#include "ui/clearplacement.h"

#include <algorithm>
#include <limits>

namespace quill {
namespace {

// The start of a stretch of `length` kept inside `low` .. `low + room`, as
// near `start` as can be; at `low` when it is longer than the room.
int keptWithin(int start, int length, int low, int room)
{
    return std::max(low, std::min(start, low + room - length));
}

qint64 coveredArea(const QRect& a, const QRect& b)
{
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : qint64(both.width()) * both.height();
}

}  // namespace

QPoint placeClearOf(const QRect& window, const QSize& box, const QRect& screen)
{
    const int alongX = keptWithin(window.left() + (window.width() - box.width()) / 2, box.width(),
                                  screen.left(), screen.width());
    const int alongY = keptWithin(window.top() + (window.height() - box.height()) / 2, box.height(),
                                  screen.top(), screen.height());
    const QPoint clear[] = {
        {window.right() + 1, alongY},
        {window.left() - box.width(), alongY},
        {alongX, window.bottom() + 1},
        {alongX, window.top() - box.height()},
    };
    for (const QPoint& at : clear) {
        if (screen.contains(QRect(at, box)))
            return at;
    }
    // How much of the window the box covers grows and shrinks along each
    // axis, so it is least in one of the corners of the screen. Ties go to
    // the bottom of the screen, then to its right.
    const int left = screen.left();
    const int right = keptWithin(screen.right() + 1 - box.width(), box.width(), left, screen.width());
    const int top = screen.top();
    const int bottom = keptWithin(screen.bottom() + 1 - box.height(), box.height(), top, screen.height());
    QPoint best;
    qint64 least = std::numeric_limits<qint64>::max();
    for (const QPoint& at : {QPoint(right, bottom), QPoint(left, bottom), QPoint(right, top), QPoint(left, top)}) {
        const qint64 covered = coveredArea(QRect(at, box), window);
        if (covered < least) {
            least = covered;
            best = at;
        }
    }
    return best;
}

}  // namespace quill
