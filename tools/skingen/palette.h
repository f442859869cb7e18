#pragma once

#include <QImage>

namespace quill::skingen {

// Reduces a picture to an indexed one of at most `colours` opaque colours
// plus, where the picture is more than half transparent, one transparent
// entry: the colour depth of a classic icon (16 or 256 colours with a mask).
QImage reduceColours(const QImage& picture, int colours);

}  // namespace quill::skingen
