#pragma once

#include "game/skin/picture.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace quill {

// A metafile's own size is its size at 96 dpi; one that claims more than
// this many pixels either way is refused before anything is drawn.
inline constexpr int kMaxMetafileSide = 4096;

// On a scaled screen a metafile is drawn at its own size times the screen's
// pixel ratio, but never with more pixels than the largest picture allowed
// at its own size (64 MB), nor wider or higher than a WMF's 16-bit
// coordinates reach, nor at more than 8 times its own size.
inline constexpr qint64 kMaxMetafilePixels = qint64(kMaxMetafileSide) * kMaxMetafileSide;
inline constexpr int kMaxScaledMetafileSide = 4 * kMaxMetafileSide;
inline constexpr qreal kMaxMetafileScale = 8.0;

// The scale a metafile of own `size` is drawn at for a screen of
// `devicePixelRatio`: that ratio within the bounds above, and never below 1,
// so that what can be drawn at all can be drawn at every ratio.
qreal metafileScale(QSize size, qreal devicePixelRatio);

// The pixels a picture of own `size` takes at `scale`: rounded up, so that
// every pixel of the picture is covered.
QSize scaledPixels(QSize size, qreal scale);

enum class MetafileType { None, Enhanced, Windows };

// What the first bytes say the data is.
MetafileType sniffMetafile(const QByteArray& bytes);

// Checks the header and every record of an EMF, then renders it through
// libemf2svg and QSvgRenderer at metafileScale(its size, `scale`). A null
// picture and a reason on failure.
ScaledPicture renderEnhancedMetafile(const QByteArray& bytes, qreal scale, QString* error);

// Checks the placeable header, the metafile header and every record of a
// WMF, then renders it through libwmf's in-memory image at
// metafileScale(its size, `scale`), or less where drawing that many pixels
// would take too long. Without the placeable header a WMF has no size of
// its own and is refused.
ScaledPicture renderWindowsMetafile(const QByteArray& bytes, qreal scale, QString* error);

}  // namespace quill
