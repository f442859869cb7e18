#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

#include "game/skin/picture.h"

#include <optional>

namespace quill {

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

    // The same pixels, cut for another device pixel ratio.
    PictureClip forRatio(qreal devicePixelRatio) const
    {
        return PictureClip(source_, size_, sourceScale_, devicePixelRatio);
    }

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
// (an enlargement by a fraction gives each device pixel the colours of the
// pixels it covers, so that only the edges between pixels are mixed).
QImage resampled(const QImage& picture, QSize deviceSize);

// A skin picture read once, from which picture clips are made for any
// device pixel ratio without reading or converting the file again: the
// bitmap's pixels (and its double-size companion, looked for the first
// time a ratio wants it) or the metafile's converted drawing.
class SkinPicture {
public:
    // Reads the skin picture at `path`. A picture that cannot hold every
    // rectangle of the skin layout (smaller than kMinSkinSize) fails as a
    // whole, like a file that cannot be read; nothing and a reason on failure.
    static std::optional<SkinPicture> load(const QString& path, QString* error);

    const QString& path() const { return path_; }
    // A metafile, drawn anew for each ratio.
    bool isVector() const { return source_.isVector(); }

    // A picture clip for a screen of `devicePixelRatio`. Metafiles are drawn
    // at the ratio. A bitmap skin's double-size companion (doubleSizeSkinPath)
    // is used instead of enlarging it at ratios above 1 but for odd whole
    // ones (3, 5, ...), when it is exactly twice its size; otherwise the skin
    // itself is used, without a word. Nothing when a metafile cannot be drawn
    // at that ratio.
    std::optional<PictureClip> clipFor(qreal devicePixelRatio, QString* error = nullptr);

private:
    QString path_;
    PictureSource source_;
    bool companionLooked_ = false;
    QImage companion_;
};

// SkinPicture::load and clipFor at once.
std::optional<PictureClip> loadSkin(const QString& path, qreal devicePixelRatio, QString* error);

}  // namespace quill
