#include "game/skin/picture.h"

#include "game/skin/bytereader.h"
#include "game/skin/metafile.h"
#include "model/fileio.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>

namespace quill {
namespace {

QImage fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return {};
}

enum class Raster { None, Bmp, Dib, Gif, Jpeg };

constexpr quint32 kBiRgb = 0;
constexpr quint32 kBiRle8 = 1;
constexpr quint32 kBiRle4 = 2;
constexpr quint32 kBiBitfields = 3;
constexpr quint32 kBiAlphaBitfields = 6;

bool isDibHeaderSize(quint32 size)
{
    return size == 12 || size == 40 || size == 52 || size == 56 || size == 64 || size == 108
        || size == 124;
}

// A bitmap without the file header starts with its info header.
bool looksLikeDib(const ByteReader& in)
{
    const quint32 headerSize = in.u32(0);
    if (!isDibHeaderSize(headerSize) || !in.has(0, headerSize))
        return false;
    const quint16 planes = in.u16(headerSize == 12 ? 8 : 12);
    return planes == 1;
}

Raster sniffRaster(const ByteReader& in)
{
    if (in.startsWith("BM"))
        return Raster::Bmp;
    if (in.startsWith("GIF87a") || in.startsWith("GIF89a"))
        return Raster::Gif;
    if (in.u8(0) == 0xFF && in.u8(1) == 0xD8 && in.u8(2) == 0xFF)
        return Raster::Jpeg;
    if (looksLikeDib(in))
        return Raster::Dib;
    return Raster::None;
}

// Run-length pixel data is complete when it writes every pixel, line by
// line, up to its end-of-bitmap code. Qt's reader leaves the pixels that a
// delta, an early end of line or an early end of bitmap skips uninitialised,
// so data that skips any pixel is refused. Runs past the end of a line (some
// writers fill lines to their 4-byte stride) are cut off by the reader.
bool rleComplete(const ByteReader& in, qint64 pos, bool fourBit, qint64 width, qint64 height)
{
    qint64 x = 0;
    qint64 y = 0;
    while (in.has(pos, 2)) {
        const quint8 count = in.u8(pos);
        const quint8 code = in.u8(pos + 1);
        pos += 2;
        if (count > 0) {
            if (y >= height)
                return false;
            x += count;
            continue;
        }
        if (code == 0) {
            if (x < width)
                return false;
            x = 0;
            ++y;
            continue;
        }
        if (code == 1)
            return y == height ? x == 0 : (y == height - 1 && x >= width);
        if (code == 2 || y >= height)
            return false;
        x += code;
        const qint64 literal = fourBit ? (code + 1) / 2 : code;
        pos += (literal + 1) & ~qint64(1);
    }
    return false;
}

// The bitmap's headers make sense and its pixel data is all there. With
// `pixelOffset` < 0 the pixels follow the colour table directly.
bool dibComplete(const ByteReader& in, qint64 headerOffset, qint64 pixelOffset)
{
    const quint32 headerSize = in.u32(headerOffset);
    if (!isDibHeaderSize(headerSize) || !in.has(headerOffset, headerSize))
        return false;
    const bool core = headerSize == 12;
    const qint64 width = core ? in.u16(headerOffset + 4) : in.i32(headerOffset + 4);
    const qint64 height = core ? qint16(in.u16(headerOffset + 6)) : in.i32(headerOffset + 8);
    const quint16 planes = in.u16(headerOffset + (core ? 8 : 12));
    const quint16 bits = in.u16(headerOffset + (core ? 10 : 14));
    const quint32 compression = core ? kBiRgb : in.u32(headerOffset + 16);
    const quint32 coloursUsed = core ? 0 : in.u32(headerOffset + 32);
    if (width <= 0 || height == 0 || planes != 1)
        return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;
    if (pixelOffset < 0) {
        qint64 masks = 0;
        if (headerSize == 40 && compression == kBiBitfields)
            masks = 12;
        else if (headerSize == 40 && compression == kBiAlphaBitfields)
            masks = 16;
        const qint64 colours = coloursUsed ? qint64(coloursUsed) : (bits <= 8 ? (qint64(1) << bits) : 0);
        if (colours > 256 && bits <= 8)
            return false;
        pixelOffset = headerOffset + headerSize + masks + colours * (core ? 3 : 4);
    }
    if (!in.has(pixelOffset, 0))
        return false;
    switch (compression) {
    case kBiRgb:
    case kBiBitfields:
    case kBiAlphaBitfields: {
        const qint64 stride = ((width * bits + 31) / 32) * 4;
        return in.has(pixelOffset, stride * std::abs(height));
    }
    case kBiRle8:
        return bits == 8 && rleComplete(in, pixelOffset, false, width, std::abs(height));
    case kBiRle4:
        return bits == 4 && rleComplete(in, pixelOffset, true, width, std::abs(height));
    default:
        return false;
    }
}

// Walks the blocks of a GIF up to its trailer.
bool gifComplete(const ByteReader& in)
{
    auto colourTable = [](quint8 flags) { return (flags & 0x80) ? 3 * (qint64(2) << (flags & 7)) : 0; };
    auto skipSubBlocks = [&in](qint64& pos) {
        while (in.has(pos, 1)) {
            const quint8 length = in.u8(pos);
            pos += 1 + length;
            if (length == 0)
                return true;
        }
        return false;
    };
    qint64 pos = 13 + colourTable(in.u8(10));
    int images = 0;
    while (in.has(pos, 1)) {
        switch (in.u8(pos)) {
        case 0x21:
            pos += 2;
            if (!skipSubBlocks(pos))
                return false;
            break;
        case 0x2C:
            if (!in.has(pos, 11))
                return false;
            pos += 10 + colourTable(in.u8(pos + 9)) + 1;
            if (!skipSubBlocks(pos))
                return false;
            ++images;
            break;
        case 0x3B:
            return images > 0;
        default:
            return false;
        }
    }
    return false;
}

// A JPEG is complete when its end-of-image marker follows the first scan.
// Inside scan data a 0xFF byte is always followed by 0x00 or a restart
// marker, so the first 0xFF 0xD9 after the scan header is the real end.
bool jpegComplete(const ByteReader& in)
{
    qint64 pos = 2;
    while (true) {
        if (!in.has(pos, 2) || in.u8(pos) != 0xFF)
            return false;
        const quint8 marker = in.u8(pos + 1);
        if (marker == 0xFF) {
            ++pos;
            continue;
        }
        if (marker == 0xD9)
            return false;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            pos += 2;
            continue;
        }
        const quint16 length = in.u16be(pos + 2);
        if (length < 2)
            return false;
        pos += 2 + length;
        if (marker == 0xDA)
            break;
    }
    for (; in.has(pos, 2); ++pos) {
        if (in.u8(pos) == 0xFF && in.u8(pos + 1) == 0xD9)
            return true;
    }
    return false;
}

QImage normalised(QImage image)
{
    if (image.isNull())
        return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

QImage decodeRaster(const QByteArray& bytes, Raster kind, QString* error)
{
    const ByteReader in(bytes);
    bool complete = false;
    QByteArray format;
    switch (kind) {
    case Raster::Bmp:
        complete = dibComplete(in, 14, in.u32(10));
        format = "bmp";
        break;
    case Raster::Dib:
        complete = dibComplete(in, 0, -1);
        format = "dib";
        break;
    case Raster::Gif:
        complete = gifComplete(in);
        format = "gif";
        break;
    case Raster::Jpeg:
        complete = jpegComplete(in);
        format = "jpeg";
        break;
    case Raster::None:
        return fail(error, QCoreApplication::translate("quill::Picture", "The file is not a BMP, DIB, GIF, JPEG, WMF or EMF picture."));
    }
    if (!complete)
        return fail(error, QCoreApplication::translate("quill::Picture", "The picture is cut short or damaged."));

    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    // A bitmap without its file header has no signature to be recognised by.
    QImageReader reader(&buffer, kind == Raster::Dib ? format : QByteArray());
    reader.setDecideFormatFromContent(kind != Raster::Dib);
    if (reader.format() != format)
        return fail(error, QCoreApplication::translate("quill::Picture", "The picture is cut short or damaged."));
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return fail(error, reader.errorString());
    return image;
}

}  // namespace

QSize PictureSource::size() const
{
    return metafile_ ? metafile_->size() : pixels_.size();
}

ScaledPicture PictureSource::at(qreal scale, QString* error) const
{
    if (!metafile_)
        return {pixels_, pixels_.size()};
    ScaledPicture picture = metafile_->draw(scale, error);
    picture.pixels = normalised(picture.pixels);
    return picture;
}

PictureSource decodePictureSource(const QByteArray& bytes, QString* error)
{
    PictureSource source;
    if (bytes.isEmpty()) {
        fail(error, QCoreApplication::translate("quill::Picture", "The file is empty."));
        return source;
    }
    switch (sniffMetafile(bytes)) {
    case MetafileType::Enhanced:
        source.metafile_ = prepareEnhancedMetafile(bytes, error);
        break;
    case MetafileType::Windows:
        source.metafile_ = prepareWindowsMetafile(bytes, error);
        break;
    case MetafileType::None:
        source.pixels_ = normalised(decodeRaster(bytes, sniffRaster(ByteReader(bytes)), error));
        break;
    }
    return source;
}

PictureSource loadPictureSource(const QString& path, QString* error)
{
    QByteArray bytes;
    const FileStatus status = readFileStart(path, kMaxPictureFileBytes + 1, bytes);
    if (!status.ok()) {
        fail(error, status.errorText);
        return {};
    }
    if (bytes.size() > kMaxPictureFileBytes) {
        fail(error, QCoreApplication::translate("quill::Picture", "The file is too large for a picture."));
        return {};
    }
    return decodePictureSource(bytes, error);
}

ScaledPicture decodeScaledPicture(const QByteArray& bytes, qreal scale, QString* error)
{
    const PictureSource source = decodePictureSource(bytes, error);
    return source.isNull() ? ScaledPicture{} : source.at(scale, error);
}

ScaledPicture loadScaledPicture(const QString& path, qreal scale, QString* error)
{
    const PictureSource source = loadPictureSource(path, error);
    return source.isNull() ? ScaledPicture{} : source.at(scale, error);
}

QImage decodePicture(const QByteArray& bytes, QString* error)
{
    return decodeScaledPicture(bytes, 1.0, error).pixels;
}

QImage loadPicture(const QString& path, QString* error)
{
    return loadScaledPicture(path, 1.0, error).pixels;
}

}  // namespace quill
