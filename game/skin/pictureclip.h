#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QString>

#include <optional>

namespace quill {

// The picture-clip control: holds one picture and hands out the pictures
// of rectangles given in its pixels.
class PictureClip {
public:
    PictureClip() = default;
    explicit PictureClip(QImage picture);

    const QImage& image() const { return picture_; }
    bool isNull() const { return picture_.isNull(); }

    // Whether the rectangle is non-empty and lies wholly inside the picture.
    bool contains(const QRect& rect) const;

    // The picture of `rect`, or nothing when it reaches outside the picture.
    std::optional<QPixmap> clip(const QRect& rect) const;
    std::optional<QImage> clipImage(const QRect& rect) const;

private:
    QImage picture_;
};

// Loads a skin picture into a picture clip. A picture that cannot hold every
// rectangle of the skin layout (smaller than kMinSkinSize) fails as a whole,
// like a file that cannot be read. Nothing and a reason on failure.
std::optional<PictureClip> loadSkin(const QString& path, QString* error);

}  // namespace quill
