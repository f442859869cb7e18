#include "game/skin/metafile.h"

#include "game/skin/metafile_p.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace quill {
namespace metafile {

// An embedded bitmap is decoded whole by the libraries, so it gets the same
// bound as the rendered picture.
constexpr qint64 kMaxEmbeddedBitmapSide = kMaxMetafileSide;

QImage fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return {};
}


int pixelsAt96Dpi(qint64 length, double unitsPerInch)
{
    if (length <= 0 || unitsPerInch <= 0)
        return -1;
    const double pixels = std::round(static_cast<double>(length) * 96.0 / unitsPerInch);
    if (pixels < 1 || pixels > kMaxMetafileSide)
        return -1;
    return static_cast<int>(pixels);
}

bool embeddedBitmapSane(const ByteReader& record, qint64 offset, qint64 length)
{
    if (length == 0)
        return true;
    if (!record.has(offset, length) || length < 12)
        return false;
    const quint32 headerSize = record.u32(offset);
    qint64 width = 0;
    qint64 height = 0;
    if (headerSize == 12) {
        width = record.u16(offset + 4);
        height = record.u16(offset + 6);
    } else if (headerSize >= 40 && headerSize <= length) {
        width = record.i32(offset + 4);
        height = std::abs(qint64(record.i32(offset + 8)));
    } else {
        return false;
    }
    return width > 0 && height > 0 && width <= kMaxEmbeddedBitmapSide && height <= kMaxEmbeddedBitmapSide;
}

}  // namespace metafile

qreal metafileScale(QSize size, qreal devicePixelRatio)
{
    if (size.isEmpty() || !(devicePixelRatio > 1.0))
        return 1.0;
    const double pixels = double(size.width()) * double(size.height());
    const double byPixels = std::sqrt(double(kMaxMetafilePixels) / pixels);
    const double bySide = double(kMaxScaledMetafileSide) / std::max(size.width(), size.height());
    return std::max(1.0, std::min({double(devicePixelRatio), byPixels, bySide, double(kMaxMetafileScale)}));
}

QSize scaledPixels(QSize size, qreal scale)
{
    // A hair below the next whole pixel still counts as that pixel.
    return {int(std::ceil(size.width() * scale - 1e-6)), int(std::ceil(size.height() * scale - 1e-6))};
}

MetafileType sniffMetafile(const QByteArray& bytes)
{
    const ByteReader in(bytes);
    if (in.has(0, 44) && in.u32(0) == 1 && in.u32(40) == 0x464D4520)  // EMR_HEADER, " EMF"
        return MetafileType::Enhanced;
    if (in.u32(0) == 0x9AC6CDD7)  // the placeable header's key
        return MetafileType::Windows;
    // A WMF without the placeable header starts with its own header.
    if (in.has(0, 6) && (in.u16(0) == 1 || in.u16(0) == 2) && in.u16(2) == 9
        && (in.u16(4) == 0x0100 || in.u16(4) == 0x0300))
        return MetafileType::Windows;
    return MetafileType::None;
}

}  // namespace quill
