#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

namespace quill {

struct ScaledPicture;

// The picture-clip control: holds one picture and hands out the pictures
// of rectangles given in the picture's own pixels (the skin's pixels, the
// window's logical pixels), made for the screen's device pixel ratio: each
// covers exactly the device pixels its rectangle stands for.
class PictureClip {
public:
    PictureClip() = default;
    // A picture at its own pixels, cut for a screen of ratio 1.
    explicit PictureClip(QImage picture);
    // `source` shows a picture of own `size` at `sourceScale` pixels for
    // each of its own; the cuts are made for `devicePixelRatio`.
    PictureClip(QImage source, QSize size, qreal sourceScale, qreal devicePixelRatio);

    // The pixels held: the picture itself at ratio 1 without a double-size
    // companion.
    const QImage& image() const { return source_; }
    bool isNull() const { return source_.isNull(); }
    // The picture's size in its own pixels.
    QSize size() const { return size_; }
    qreal devicePixelRatio() const { return ratio_; }

    // Whether the rectangle is non-empty and lies wholly inside the picture.
    bool contains(const QRect& rect) const;

    // The picture of `rect`, or nothing when it reaches outside the picture.
    // It measures `rect` times the device pixel ratio, rounded at each edge,
    // and carries that ratio, so that it shows at the rectangle's size.
    std::optional<QPixmap> clip(const QRect& rect) const;
    std::optional<QImage> clipImage(const QRect& rect) const;

private:
    QImage source_;
    QSize size_;
    qreal sourceScale_ = 1.0;
    qreal ratio_ = 1.0;
};

// The device pixels of a rectangle of logical pixels at `ratio`: each edge
// rounded on its own, so that neighbouring rectangles meet without a gap.
QRect devicePixels(const QRect& logical, qreal ratio);

// A picture resampled to `deviceSize`. A whole-number enlargement repeats
// every pixel as a block, with no new colours; anything else is smoothed
// (an enlargement by a fraction goes through the next whole-number one).
QImage resampled(const QImage& picture, QSize deviceSize);

// Loads a skin picture into a picture clip for a screen of
// `devicePixelRatio`. A picture that cannot hold every rectangle of the
// skin layout (smaller than kMinSkinSize) fails as a whole, like a file that
// cannot be read; nothing and a reason on failure. Metafiles are drawn at
// the ratio. A bitmap skin's double-size companion (doubleSizeSkinPath) is
// used instead of enlarging it at ratios above 1 but for odd whole ones
// (3, 5, ...), when it is exactly twice its size; otherwise, or at ratio 1,
// where it is not even looked for, the skin itself is used, without a word.
std::optional<PictureClip> loadSkin(const QString& path, qreal devicePixelRatio, QString* error);

}  // namespace quill
