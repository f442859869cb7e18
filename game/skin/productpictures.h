#pragma once

#include <QIcon>
#include <QPixmap>

namespace quill {

// The About box's picture: a quill in an inkwell, 50 x 52 pixels.
QPixmap quillPicture();

// The program icon: a 32 x 32 image in 16 colours and a 48 x 48 image in
// 256 colours.
QIcon programIcon();

}  // namespace quill
