#pragma once

#include <QFont>

class QWidget;

namespace quill {

// "MS Sans Serif" asked for by name, falling back to the system's sans
// serif at the same point size.
QFont msSansSerif(double pointSize, bool underline = false);

// Places a control by its left, top, width and height in twips.
void placeTwips(QWidget* control, int left, int top, int width, int height);

}  // namespace quill
