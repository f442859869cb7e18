#pragma once

#include "game/skin/picture.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <memory>

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

// A metafile checked (and, for an EMF, converted) once, to be drawn at any
// scale without reading its records again.
class PreparedMetafile {
public:
    virtual ~PreparedMetafile() = default;
    // Its own size, at 96 dpi.
    QSize size() const { return size_; }
    // The drawing at metafileScale(size(), `scale`) (a WMF at less where
    // drawing that many pixels would take too long).
    virtual ScaledPicture draw(qreal scale, QString* error) const = 0;

protected:
    QSize size_;
};

// Checks the header and every record of an EMF and converts it through
// libemf2svg for QSvgRenderer. Nothing and a reason on failure.
std::shared_ptr<const PreparedMetafile> prepareEnhancedMetafile(const QByteArray& bytes, QString* error);

// Checks the placeable header, the metafile header and every record of a
// WMF, to be played by libwmf into its in-memory image. Without the
// placeable header a WMF has no size of its own and is refused.
std::shared_ptr<const PreparedMetafile> prepareWindowsMetafile(const QByteArray& bytes, QString* error);

// Prepared and drawn at once; a null picture and a reason on failure.
ScaledPicture renderEnhancedMetafile(const QByteArray& bytes, qreal scale, QString* error);
ScaledPicture renderWindowsMetafile(const QByteArray& bytes, qreal scale, QString* error);

}  // namespace quill
