#include "game/placement.h"

#include "model/rounding.h"
#include "ui/clearplacement.h"

#include <QScreen>
#include <QWidget>

#include <cmath>

namespace quill {

QSize frameExtra(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {frame.width() - client.width(), frame.height() - client.height()};
}

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QRect frame = window->frameGeometry();
    const int left = area.left() + static_cast<int>(halveRounded(area.width() - frame.width()));
    const int top = area.top() + static_cast<int>(halveRounded(area.height() - frame.height()));
    window->move(left, top);
}

void centreOnOwner(QWidget* dialog, const QWidget* owner)
{
    if (!owner)
        return;
    const QRect ownerFrame = owner->frameGeometry();
    const QSize dialogOuter = dialog->size() + frameExtra(owner);
    const int left =
        ownerFrame.left() + static_cast<int>(halveRounded(ownerFrame.width() - dialogOuter.width()));
    const int top =
        ownerFrame.top() + static_cast<int>(halveRounded(ownerFrame.height() - dialogOuter.height()));
    dialog->move(left, top);
}

void keepOnScreen(QWidget* window, const QWidget* owner)
{
    const QWidget* measure = owner ? owner : window;
    if (!measure->screen())
        return;
    const QRect outer(window->pos(), window->size() + frameExtra(measure));
    window->move(keptInside(outer, measure->screen()->availableGeometry()));
}

void keepShownOnScreen(QWidget* window)
{
    if (!window->screen())
        return;
    const QRect area = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    if (!area.contains(frame))
        window->move(keptInside(frame, area));
}

void setClientSizeTwips(QWidget* widget, int widthTwips, int heightTwips)
{
    widget->setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
}

QSize frameKeepingSize(QPoint inWindow, QSize size, double ratio)
{
    const auto fit = [ratio](int start, int length) {
        // A few pixels at most: every ratio of quarters needs three or fewer.
        for (int shorter = 0; shorter < 4 && length - shorter > 2; ++shorter) {
            const double lastLine = (start + length - shorter - 1) * ratio;
            if (std::abs(lastLine - std::round(lastLine)) < 1e-6)
                return length - shorter;
        }
        return length;
    };
    return {fit(inWindow.x(), size.width()), fit(inWindow.y(), size.height())};
}

void keepFrameOnDevicePixels(QWidget* control)
{
    control->resize(frameKeepingSize(control->mapTo(control->window(), QPoint(0, 0)), control->size(),
                                     control->devicePixelRatioF()));
}

}  // namespace quill
