#pragma once

#include "ui/uistyle.h"

class QWidget;

namespace quill {

// Centres a shown window on its screen: (screen - window) \ 2 on each axis,
// with outer sizes.
void centreOnScreen(QWidget* window);

// Centres a dialog on its owner window: owner edge + (owner - dialog) \ 2,
// with outer sizes. The dialog's frame is taken to be as thick as the
// owner's, since it is not known before the dialog is shown.
void centreOnOwner(QWidget* dialog, const QWidget* owner);

// Gives a widget its client size in twips, rounded to pixels.
void setClientSizeTwips(QWidget* widget, int widthTwips, int heightTwips);

}  // namespace quill
