#include "game/skin/pictureclip.h"

#include "game/skin/picture.h"
#include "game/skin/skinlayout.h"
#include "model/datafolders.h"

#include <QCoreApplication>

#include <cmath>

namespace quill {
namespace {

// Every pixel repeated as a block of `factor` x `factor`.
QImage blocks(const QImage& picture, int factor)
{
    const QImage from = picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32_Premultiplied
                            ? picture
                            : picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage to(from.size() * factor, from.format());
    if (to.isNull())
        return to;
    for (int y = 0; y < to.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(from.constScanLine(y / factor));
        auto* out = reinterpret_cast<QRgb*>(to.scanLine(y));
        for (int x = 0; x < to.width(); ++x)
            out[x] = in[x / factor];
    }
    return to;
}

}  // namespace

QRect devicePixels(const QRect& logical, qreal ratio)
{
    if (ratio == 1.0)
        return logical;
    const int left = qRound(logical.x() * ratio);
    const int top = qRound(logical.y() * ratio);
    const int right = qRound((logical.x() + logical.width()) * ratio);
    const int bottom = qRound((logical.y() + logical.height()) * ratio);
    return {left, top, right - left, bottom - top};
}

QImage resampled(const QImage& picture, QSize deviceSize)
{
    if (picture.isNull() || deviceSize.isEmpty() || picture.size() == deviceSize)
        return picture;
    const int across = deviceSize.width() / picture.width();
    if (across >= 2 && picture.size() * across == deviceSize)
        return blocks(picture, across);
    if (deviceSize.width() > picture.width() || deviceSize.height() > picture.height()) {
        const double wider = double(deviceSize.width()) / picture.width();
        const double higher = double(deviceSize.height()) / picture.height();
        const int factor = int(std::ceil(std::max(wider, higher)));
        return blocks(picture, factor).scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return picture.scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

PictureClip::PictureClip(QImage picture) : source_(std::move(picture)), size_(source_.size()) {}

PictureClip::PictureClip(QImage source, QSize size, qreal sourceScale, qreal devicePixelRatio)
    : source_(std::move(source)), size_(size), sourceScale_(sourceScale), ratio_(devicePixelRatio)
{
}

bool PictureClip::contains(const QRect& rect) const
{
    return !rect.isEmpty() && !isNull() && QRect(QPoint(0, 0), size_).contains(rect);
}

std::optional<QImage> PictureClip::clipImage(const QRect& rect) const
{
    if (!contains(rect))
        return std::nullopt;
    QImage part = source_.copy(devicePixels(rect, sourceScale_).intersected(source_.rect()));
    const QSize shown = devicePixels(rect, ratio_).size();
    if (part.size() != shown)
        part = resampled(part, shown);
    if (part.isNull())
        return std::nullopt;
    part.setDevicePixelRatio(ratio_);
    return part;
}

std::optional<QPixmap> PictureClip::clip(const QRect& rect) const
{
    const std::optional<QImage> part = clipImage(rect);
    if (!part)
        return std::nullopt;
    QPixmap pixmap = QPixmap::fromImage(*part);
    if (pixmap.isNull())
        return std::nullopt;
    return pixmap;
}

std::optional<PictureClip> loadSkin(const QString& path, qreal devicePixelRatio, QString* error)
{
    const qreal ratio = devicePixelRatio > 1.0 ? devicePixelRatio : 1.0;
    ScaledPicture picture = loadScaledPicture(path, ratio, error);
    if (picture.isNull())
        return std::nullopt;
    if (picture.size.width() < kMinSkinSize.width() || picture.size.height() < kMinSkinSize.height()) {
        if (error) {
            *error = QCoreApplication::translate("quill::PictureClip",
                                                 "The skin is %1 x %2 pixels; it must be at least %3 x %4.")
                         .arg(picture.size.width())
                         .arg(picture.size.height())
                         .arg(kMinSkinSize.width())
                         .arg(kMinSkinSize.height());
        }
        return std::nullopt;
    }
    // At an odd whole multiple the skin's own pixels make exact blocks,
    // where the companion's would be smoothed.
    const bool oddMultiple = ratio >= 3 && qFuzzyCompare(ratio, std::round(ratio)) && std::lround(ratio) % 2 == 1;
    if (ratio > 1.0 && !picture.vector && !oddMultiple) {
        QString ignored;
        ScaledPicture doubled = loadScaledPicture(doubleSizeSkinPath(path), 1.0, &ignored);
        if (!doubled.isNull() && doubled.size == picture.size * 2)
            return PictureClip(std::move(doubled.pixels), picture.size, 2.0, ratio);
    }
    return PictureClip(std::move(picture.pixels), picture.size, picture.scale, ratio);
}

}  // namespace quill
