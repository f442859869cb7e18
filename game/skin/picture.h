#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

namespace quill {

class PreparedMetafile;

// The largest picture file that is read at all.
inline constexpr qint64 kMaxPictureFileBytes = 64 * 1024 * 1024;

// A picture as it was made for a screen: `pixels` show the picture's own
// `size` (a metafile's at 96 dpi) at `scale` pixels for each of its own, so
// they measure `size` x `scale`, rounded up. Bitmaps always come at scale 1.
struct ScaledPicture {
    QImage pixels;
    QSize size;
    qreal scale = 1.0;
    bool vector = false;  // a metafile, drawn for the scale asked for

    bool isNull() const { return pixels.isNull(); }
};

// A picture file read and decoded once, to be had at any scale: a bitmap's
// pixels, or a metafile checked and converted, drawn anew for each scale.
class PictureSource {
public:
    bool isNull() const { return pixels_.isNull() && !metafile_; }
    // The picture's own size (a metafile's at 96 dpi).
    QSize size() const;
    bool isVector() const { return metafile_ != nullptr; }
    // The picture as loadScaledPicture gives it at `scale`.
    ScaledPicture at(qreal scale, QString* error) const;

private:
    friend PictureSource decodePictureSource(const QByteArray& bytes, QString* error);
    QImage pixels_;
    std::shared_ptr<const PreparedMetafile> metafile_;
};

// Reads and checks a picture as loadScaledPicture does, without drawing it;
// a null source and a reason on any failure.
PictureSource decodePictureSource(const QByteArray& bytes, QString* error);
PictureSource loadPictureSource(const QString& path, QString* error);

// Loads a BMP or DIB, GIF, JPEG, WMF or EMF picture. The content decides the
// format, never the file's name. Files that are cut short or damaged fail;
// nothing is ever half-drawn. A null image and a reason on any failure.
QImage loadPicture(const QString& path, QString* error);

// The same for bytes already in memory.
QImage decodePicture(const QByteArray& bytes, QString* error);

// The same, with metafiles drawn at `scale` times their own size (or less,
// see metafileScale) so that they stay sharp on a scaled screen; a file
// fails at every scale or at none.
ScaledPicture loadScaledPicture(const QString& path, qreal scale, QString* error);
ScaledPicture decodeScaledPicture(const QByteArray& bytes, qreal scale, QString* error);

}  // namespace quill
