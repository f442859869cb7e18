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

QPoint keptInside(const QRect& box, const QRect& screen)
{
    return {keptWithin(box.left(), box.width(), screen.left(), screen.width()),
            keptWithin(box.top(), box.height(), screen.top(), screen.height())};
}

QPoint placeClearOf(const QRect& window, const QSize& box, const QRect& screen)
{
    const QPoint centred = keptInside(QRect(window.left() + (window.width() - box.width()) / 2,
                                            window.top() + (window.height() - box.height()) / 2,
                                            box.width(), box.height()),
                                      screen);
    const QPoint clear[] = {
        {window.right() + 1, centred.y()},
        {window.left() - box.width(), centred.y()},
        {centred.x(), window.bottom() + 1},
        {centred.x(), window.top() - box.height()},
    };
    for (const QPoint& at : clear) {
        if (screen.contains(QRect(at, box)))
            return at;
    }
    // How much of the window the box covers grows and shrinks along each
    // axis, so it is least in one of the corners of the screen. Ties go to
    // the bottom of the screen, then to its right.
    const QPoint far = keptInside(QRect(screen.bottomRight(), box), screen);
    QPoint best;
    qint64 least = std::numeric_limits<qint64>::max();
    for (const QPoint& at : {far, QPoint(screen.left(), far.y()), QPoint(far.x(), screen.top()), screen.topLeft()}) {
        const qint64 covered = coveredArea(QRect(at, box), window);
        if (covered < least) {
            least = covered;
            best = at;
        }
    }
    return best;
}

}  // namespace quill
