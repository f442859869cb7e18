#pragma once

#include <QByteArray>
#include <QImage>

namespace quill::skingen {

// Encodes a picture of at most 256 distinct opaque colours as a GIF89a
// file, losslessly (Qt reads GIF but does not write it). Returns nothing
// for a picture with more colours.
QByteArray encodeGif(const QImage& picture);

}  // namespace quill::skingen
