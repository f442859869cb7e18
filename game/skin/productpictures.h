#pragma once

#include <QIcon>
#include <QPixmap>

namespace quill {

// The About box's picture: a quill in an inkwell, 50 x 52 pixels, made for
// a screen of `devicePixelRatio`: above ratio 1 from its image at twice the
// size (100 x 104), which carries the ratio.
QPixmap quillPicture(qreal devicePixelRatio = 1.0);

// The program icon: a 32 x 32 image in 16 colours and a 48 x 48 image in
// 256 colours, and for scaled screens each at twice its size in as many
// colours (64 x 64 and 96 x 96).
QIcon programIcon();

}  // namespace quill
