#include "game/skin/pictureclip.h"

#include "game/skin/picture.h"
#include "game/skin/skinlayout.h"
#include "model/datafolders.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <vector>

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
    const int width = to.width();
    for (int y = 0; y < to.height(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(to.scanLine(y));
        if (y % factor != 0) {
            // A line like the one above it.
            std::copy_n(reinterpret_cast<const QRgb*>(to.constScanLine(y - 1)), width, out);
            continue;
        }
        const auto* in = reinterpret_cast<const QRgb*>(from.constScanLine(y / factor));
        for (int x = 0; x < width; ++x)
            out[x] = in[x / factor];
    }
    return to;
}

// Where a device pixel of an enlargement takes its colour from: the skin
// pixel `first`, for `weight` 256ths of it, and the next one for the rest.
struct Tap {
    int first;
    int weight;
};

std::vector<Tap> taps(int from, int to)
{
    std::vector<Tap> result(to);
    const double step = double(from) / to;
    for (int i = 0; i < to; ++i) {
        const double start = i * step;
        const int first = std::min(int(start + 1e-9), from - 1);
        const double inFirst = (first + 1 - start) / step;
        result[i] = {first, first + 1 < from && inFirst < 1 - 1e-9 ? int(std::lround(inFirst * 256)) : 256};
    }
    return result;
}

// Two premultiplied pixels mixed, `weight` 256ths of the first.
inline QRgb mix(QRgb a, QRgb b, int weight)
{
    if (weight == 256 || a == b)
        return a;
    const quint32 rest = 256 - weight;
    const quint32 redBlue = (((a & 0xff00ff) * weight + (b & 0xff00ff) * rest) >> 8) & 0xff00ff;
    const quint32 alphaGreen = (((a >> 8) & 0xff00ff) * weight + ((b >> 8) & 0xff00ff) * rest) & 0xff00ff00;
    return redBlue | alphaGreen;
}

// An enlargement by a fraction: each device pixel has the colours of the
// pixels it covers, by how much of it each covers. One inside a single
// pixel keeps its colour exactly; only those across an edge are mixed,
// as if the picture were enlarged in blocks and then reduced smoothly.
QImage areaEnlarged(const QImage& picture, QSize deviceSize)
{
    const QImage from = picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32_Premultiplied
                            ? picture
                            : picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage to(deviceSize, from.format());
    if (to.isNull())
        return to;
    const int width = to.width();
    const std::vector<Tap> across = taps(from.width(), width);
    const std::vector<Tap> down = taps(from.height(), to.height());
    // The rows of the picture enlarged across, two at a time as they are needed.
    std::vector<QRgb> rows[2] = {std::vector<QRgb>(width), std::vector<QRgb>(width)};
    int rowOf[2] = {-1, -1};
    auto row = [&](int y) -> const QRgb* {
        const int slot = y & 1;
        if (rowOf[slot] != y) {
            const auto* in = reinterpret_cast<const QRgb*>(from.constScanLine(y));
            QRgb* out = rows[slot].data();
            for (int x = 0; x < width; ++x) {
                const Tap& tap = across[x];
                out[x] = tap.weight == 256 ? in[tap.first] : mix(in[tap.first], in[tap.first + 1], tap.weight);
            }
            rowOf[slot] = y;
        }
        return rows[slot].data();
    };
    for (int y = 0; y < to.height(); ++y) {
        const Tap& tap = down[y];
        auto* out = reinterpret_cast<QRgb*>(to.scanLine(y));
        const QRgb* upper = row(tap.first);
        if (tap.weight == 256) {
            std::copy(upper, upper + width, out);
            continue;
        }
        const QRgb* lower = row(tap.first + 1);
        for (int x = 0; x < width; ++x)
            out[x] = mix(upper[x], lower[x], tap.weight);
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
    if (deviceSize.width() >= picture.width() && deviceSize.height() >= picture.height())
        return areaEnlarged(picture, deviceSize);
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
    std::optional<QImage> part = clipImage(rect);
    if (!part)
        return std::nullopt;
    QPixmap pixmap = QPixmap::fromImage(std::move(*part));
    if (pixmap.isNull())
        return std::nullopt;
    return pixmap;
}

std::optional<SkinPicture> SkinPicture::load(const QString& path, QString* error)
{
    SkinPicture skin;
    skin.path_ = path;
    skin.source_ = loadPictureSource(path, error);
    if (skin.source_.isNull())
        return std::nullopt;
    const QSize size = skin.source_.size();
    if (size.width() < kMinSkinSize.width() || size.height() < kMinSkinSize.height()) {
        if (error) {
            *error = QCoreApplication::translate("quill::PictureClip",
                                                 "The skin is %1 x %2 pixels; it must be at least %3 x %4.")
                         .arg(size.width())
                         .arg(size.height())
                         .arg(kMinSkinSize.width())
                         .arg(kMinSkinSize.height());
        }
        return std::nullopt;
    }
    return skin;
}

std::optional<PictureClip> SkinPicture::clipFor(qreal devicePixelRatio, QString* error)
{
    const qreal ratio = devicePixelRatio > 1.0 ? devicePixelRatio : 1.0;
    // At an odd whole multiple the skin's own pixels make exact blocks,
    // where the companion's would be smoothed.
    const bool oddMultiple = ratio >= 3 && qFuzzyCompare(ratio, std::round(ratio)) && std::lround(ratio) % 2 == 1;
    if (ratio > 1.0 && !source_.isVector() && !oddMultiple) {
        if (!companionLooked_) {
            companionLooked_ = true;
            QString ignored;
            const PictureSource doubled = loadPictureSource(doubleSizeSkinPath(path_), &ignored);
            if (!doubled.isNull() && doubled.size() == source_.size() * 2)
                companion_ = doubled.at(1.0, &ignored).pixels;
        }
        if (!companion_.isNull())
            return PictureClip(companion_, source_.size(), 2.0, ratio);
    }
    ScaledPicture picture = source_.at(ratio, error);
    if (picture.isNull())
        return std::nullopt;
    return PictureClip(std::move(picture.pixels), picture.size, picture.scale, ratio);
}

std::optional<PictureClip> loadSkin(const QString& path, qreal devicePixelRatio, QString* error)
{
    std::optional<SkinPicture> skin = SkinPicture::load(path, error);
    return skin ? skin->clipFor(devicePixelRatio, error) : std::nullopt;
}

}  // namespace quill
