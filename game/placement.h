#pragma once

#include "ui/uistyle.h"

#include <QPoint>
#include <QSize>

class QWidget;

namespace quill {

// What a window's frame and title bar add to its client size.
QSize frameExtra(const QWidget* window);

// Centres a shown window on its screen: (screen - window) \ 2 on each axis,
// with outer sizes.
void centreOnScreen(QWidget* window);

// Centres a dialog on its owner window: owner edge + (owner - dialog) \ 2,
// with outer sizes. The dialog's frame is taken to be as thick as the
// owner's, since it is not known before the dialog is shown.
void centreOnOwner(QWidget* dialog, const QWidget* owner);

// Moves a window that is not shown yet as little as can be for it to lie
// wholly inside the available area of its owner's screen, with outer sizes
// as for centreOnOwner.
void keepOnScreen(QWidget* window, const QWidget* owner);

// Moves a shown window that reaches outside its screen's available area as
// little as can be for it to lie on that area, its title bar and menus
// first where it is larger; a window that lies on it stays where it is.
void keepShownOnScreen(QWidget* window);

// Gives a widget its client size in twips, rounded to pixels.
void setClientSizeTwips(QWidget* widget, int widthTwips, int heightTwips);

// Qt draws a framed control's frame, then its contents over it, each
// rounded to device pixels its own way. At a fractional device pixel ratio,
// where the frame's last column or row of logical pixels starts between two
// device pixels, the contents cover it and that side of the frame is lost.
// The control then gives up the fewest logical pixels that put those lines
// on device pixels; at whole-number ratios nothing changes.
void keepFrameOnDevicePixels(QWidget* control);
// The size that keepFrameOnDevicePixels gives a control of `size` whose
// top-left corner lies at `inWindow` in its window, at `ratio`.
QSize frameKeepingSize(QPoint inWindow, QSize size, double ratio);

}  // namespace quill
