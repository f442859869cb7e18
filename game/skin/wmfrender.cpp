// Windows metafiles: checked record by record, then drawn by libwmf into
// its in-memory gd image.

#include "game/skin/metafile.h"
#include "game/skin/metafile_p.h"

#include <QCoreApplication>
#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <memory>

#include <dlfcn.h>
#include <libwmf/api.h>
#include <libwmf/gd.h>

namespace quill {
namespace {

using metafile::fail;

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr int kPlaceableSize = 22;
constexpr int kHeaderSize = 18;
// gd fills every pixel that a shape spans, on the picture or off it, at a
// few hundred million pixels a second; drawings that would take longer than
// a few seconds are refused.
constexpr double kMaxDrawnPixels = 1 << 30;

constexpr quint16 kEof = 0x0000;
constexpr quint16 kPolygon = 0x0324;
constexpr quint16 kPolyline = 0x0325;
constexpr quint16 kPolyPolygon = 0x0538;
constexpr quint16 kTextOut = 0x0521;
constexpr quint16 kExtTextOut = 0x0a32;
constexpr quint16 kEscape = 0x0626;
constexpr quint16 kCreatePalette = 0x00f7;
constexpr quint16 kSetPalEntries = 0x0037;
constexpr quint16 kAnimatePalette = 0x0436;
constexpr quint16 kCreateFontIndirect = 0x02fb;
constexpr quint16 kSelectObject = 0x012d;
constexpr quint16 kDeleteObject = 0x01f0;
constexpr quint16 kSelectPalette = 0x0234;
constexpr quint16 kSelectClipRegion = 0x012c;
constexpr quint16 kInvertRegion = 0x012a;
constexpr quint16 kPaintRegion = 0x012b;
constexpr quint16 kFillRegion = 0x0228;
constexpr quint16 kFrameRegion = 0x0429;
constexpr quint16 kStretchDib = 0x0f43;
constexpr quint16 kDibStretchBlt = 0x0b41;
constexpr quint16 kDibBitBlt = 0x0940;
constexpr quint16 kSetDibToDev = 0x0d33;
constexpr quint16 kDibCreatePatternBrush = 0x0142;
constexpr quint16 kSetWindowOrg = 0x020b;
constexpr quint16 kSetWindowExt = 0x020c;
constexpr quint16 kSetViewportOrg = 0x020d;
constexpr quint16 kSetViewportExt = 0x020e;
constexpr quint16 kSetMapMode = 0x0103;
constexpr qint16 kAnisotropic = 8;
constexpr quint16 kTextClipped = 0x0004;
constexpr quint16 kTextOpaque = 0x0002;

// The counts inside a record agree with its size, object indexes stay in
// the object table and embedded bitmaps have sane dimensions.
bool recordSane(const ByteReader& r, quint16 function, quint32 objects)
{
    const qint64 size = r.size();
    auto objectAt = [&](qint64 offset) { return r.has(offset, 2) && r.u16(offset) < objects; };
    auto bitmapAt = [&](qint64 offset) { return metafile::embeddedBitmapSane(r, offset, size - offset); };
    // The two blits also come without a bitmap: then the record is exactly
    // as long as the parameter count in the function's high byte says.
    const bool blitHasBitmap = size / 2 != 3 + (function >> 8);
    switch (function) {
    case kPolygon:
    case kPolyline:
        return r.i16(6) >= 0 && r.has(8, qint64(r.i16(6)) * 4);
    case kPolyPolygon: {
        const qint64 polygons = r.i16(6);
        if (polygons < 0 || !r.has(8, polygons * 2))
            return false;
        qint64 points = 0;
        for (qint64 i = 0; i < polygons; ++i) {
            if (r.i16(8 + 2 * i) < 0)
                return false;
            points += r.i16(8 + 2 * i);
        }
        return r.has(8 + 2 * polygons, points * 4);
    }
    case kTextOut:
        return r.i16(6) >= 0 && r.has(8, ((qint64(r.i16(6)) + 1) & ~qint64(1)) + 4);
    case kExtTextOut: {
        const qint64 rect = (r.u16(12) & (kTextOpaque | kTextClipped)) ? 8 : 0;
        return r.has(6, 8) && r.i16(10) >= 0 && r.has(14 + rect, r.i16(10));
    }
    case kEscape:
        return r.has(6, 4) && r.has(10, r.u16(8));
    case kCreatePalette:
    case kSetPalEntries:
    case kAnimatePalette:
        return r.has(6, 4) && r.has(10, qint64(r.u16(8)) * 4);
    case kCreateFontIndirect:
        return r.has(6, 18);
    case kSelectObject:
    case kDeleteObject:
    case kSelectPalette:
    case kSelectClipRegion:
    case kInvertRegion:
    case kPaintRegion:
        return objectAt(6);
    case kFillRegion:
    case kFrameRegion:
        return objectAt(6) && objectAt(8);
    case kStretchDib:
        return bitmapAt(28);
    case kDibStretchBlt:
        return !blitHasBitmap || bitmapAt(26);
    case kDibBitBlt:
        return !blitHasBitmap || bitmapAt(22);
    case kSetDibToDev:
        return bitmapAt(24);
    case kDibCreatePatternBrush:
        return bitmapAt(10);
    default:
        return true;
    }
}

struct Layout {
    qint64 length = 0;  // bytes up to and including the EOF record
    QSize pixels;
    QRect box;          // the placeable header's box, in the metafile's units
    qint64 records = 0;
};

bool check(const QByteArray& bytes, Layout& layout, QString* error)
{
    const ByteReader in(bytes);
    if (in.u32(0) != kPlaceableKey) {
        fail(error, QCoreApplication::translate("quill::Metafile", "The Windows metafile has no placeable header, so its size is unknown."));
        return false;
    }
    if (!in.has(0, kPlaceableSize + kHeaderSize)) {
        fail(error, QCoreApplication::translate("quill::Metafile", "The metafile header is damaged."));
        return false;
    }
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= in.u16(2 * i);
    if (checksum != in.u16(20)) {
        fail(error, QCoreApplication::translate("quill::Metafile", "The metafile header is damaged."));
        return false;
    }
    const double unitsPerInch = in.u16(14);
    const qint64 boxWidth = qint64(in.i16(10)) - in.i16(6);
    const qint64 boxHeight = qint64(in.i16(12)) - in.i16(8);
    const int width = metafile::pixelsAt96Dpi(boxWidth, unitsPerInch);
    const int height = metafile::pixelsAt96Dpi(boxHeight, unitsPerInch);
    // The box becomes a window of 16-bit extents when the metafile is played.
    if (width < 0 || height < 0 || boxWidth > INT16_MAX || boxHeight > INT16_MAX) {
        fail(error, QCoreApplication::translate("quill::Metafile", "The metafile's picture size is empty or too large."));
        return false;
    }
    const qint64 h = kPlaceableSize;
    const quint16 fileType = in.u16(h);
    const quint16 version = in.u16(h + 4);
    const qint64 totalBytes = qint64(in.u16(h + 6) | (quint32(in.u16(h + 8)) << 16)) * 2;
    const quint32 objects = in.u16(h + 10);
    const qint64 largestRecord = qint64(in.u32(h + 12)) * 2;
    // libwmf allocates a buffer of the largest record's size before it reads
    // any record, so that size must fit in the file.
    if ((fileType != 1 && fileType != 2) || in.u16(h + 2) != kHeaderSize / 2
        || (version != 0x0100 && version != 0x0300) || totalBytes < kHeaderSize || !in.has(h, totalBytes)
        || largestRecord > totalBytes) {
        fail(error, QCoreApplication::translate("quill::Metafile", "The metafile header is damaged."));
        return false;
    }
    const qint64 end = h + totalBytes;
    qint64 offset = h + kHeaderSize;
    while (true) {
        if (offset + 6 > end) {
            fail(error, QCoreApplication::translate("quill::Metafile", "The metafile ends before its last record."));
            return false;
        }
        const qint64 size = qint64(in.u16(offset) | (quint32(in.u16(offset + 2)) << 16)) * 2;
        const quint16 function = in.u16(offset + 4);
        if (size < 6 || size > end - offset || size > largestRecord
            || !recordSane(ByteReader(bytes.constData() + offset, size), function, objects)) {
            fail(error, QCoreApplication::translate("quill::Metafile", "The metafile has a damaged record."));
            return false;
        }
        offset += size;
        ++layout.records;
        if (function == kEof)
            break;
    }
    layout.length = offset;
    layout.pixels = QSize(width, height);
    layout.box = QRect(QPoint(in.i16(6), in.i16(8)), QSize(int(boxWidth), int(boxHeight)));
    return true;
}

// libUEMF, which libemf2svg brings into the process, exports a wmf_free of
// its own. libwmf must reach the one in its companion libwmflite, or it
// would free its memory through the wrong function; refuse rather than
// crash when the link order got that wrong.
bool libwmfLinkedSafely()
{
    Dl_info freeing{};
    Dl_info lite{};
    return dladdr(reinterpret_cast<void*>(&wmf_free), &freeing) != 0
        && dladdr(reinterpret_cast<void*>(&wmf_lite_create), &lite) != 0
        && freeing.dli_fbase == lite.dli_fbase;
}

void appendRecord(QByteArray& records, quint16 function, std::initializer_list<qint16> parameters)
{
    char word[4];
    qToLittleEndian(quint32(3 + parameters.size()), word);
    records.append(word, 4);
    qToLittleEndian(function, word);
    records.append(word, 2);
    for (qint16 parameter : parameters) {
        qToLittleEndian(parameter, word);
        records.append(word, 2);
    }
}

// libwmf maps the metafile's drawing onto its image by the drawing's own
// extent, which stretches a drawing that leaves parts of the picture empty.
// So the metafile is played with a viewport of the picture's pixels: the
// placeable box becomes the window (the metafile's own window records still
// have the last word, as when Windows plays it), and libwmf's device units
// are the picture's pixels.
QByteArray withPixelViewport(const QByteArray& wmf, const QRect& box, QSize pixels)
{
    QByteArray records;
    appendRecord(records, kSetWindowOrg, {qint16(box.top()), qint16(box.left())});
    appendRecord(records, kSetWindowExt, {qint16(box.height()), qint16(box.width())});
    appendRecord(records, kSetViewportOrg, {0, 0});
    appendRecord(records, kSetViewportExt, {qint16(pixels.height()), qint16(pixels.width())});
    appendRecord(records, kSetMapMode, {kAnisotropic});
    QByteArray played = wmf.left(kPlaceableSize + kHeaderSize) + records + wmf.mid(kPlaceableSize + kHeaderSize);
    const ByteReader header(played);
    const quint32 words = (header.u16(kPlaceableSize + 6) | (quint32(header.u16(kPlaceableSize + 8)) << 16))
        + quint32(records.size() / 2);
    qToLittleEndian(quint16(words & 0xffff), played.data() + kPlaceableSize + 6);
    qToLittleEndian(quint16(words >> 16), played.data() + kPlaceableSize + 8);
    return played;
}

int appendToBuffer(void* buffer, char* bytes, int length)
{
    static_cast<QByteArray*>(buffer)->append(bytes, length);
    return length;
}

struct ApiDeleter {
    void operator()(wmfAPI* api) const { wmf_api_destroy(api); }
};

// Plays the checked metafile onto `pixels`. A drawing that would fill more
// than kMaxDrawnPixels is not played: then `cost` says how many it would.
QImage play(const QByteArray& bytes, const Layout& layout, QSize pixels, double& cost, QString* error)
{
    QByteArray wmf = withPixelViewport(bytes.left(layout.length), layout.box, pixels);

    wmfAPI_Options options{};
    options.function = wmf_gd_function;
    // libwmf reports trouble on stderr unless told not to; the caller gets the reason.
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    wmfAPI* created = nullptr;
    const wmf_error_t started = wmf_api_create(&created, flags, &options);
    const std::unique_ptr<wmfAPI, ApiDeleter> api(created);
    if (started != wmf_E_None || !api)
        return fail(error, QCoreApplication::translate("quill::Metafile", "The metafile reader could not start."));
    wmf_gd_t* device = WMF_GD_GetData(api.get());
    // libwmf hands a gd_image result to the caller without any function to
    // free it, so every load would leak the whole picture. As a PNG written
    // into our buffer it destroys the picture itself.
    if (!(device->flags & WMF_GD_SUPPORTS_PNG))
        return fail(error, QCoreApplication::translate("quill::Metafile", "The metafile reader is not available."));
    QByteArray png;
    device->type = wmf_gd_png;
    device->flags |= WMF_GD_OUTPUT_MEMORY | WMF_GD_OWN_BUFFER;
    device->sink.context = &png;
    device->sink.function = appendToBuffer;

    wmfD_Rect box{};
    if (wmf_mem_open(api.get(), reinterpret_cast<unsigned char*>(wmf.data()), static_cast<long>(wmf.size()))
            != wmf_E_None
        || wmf_scan(api.get(), 0, &box) != wmf_E_None)
        return fail(error, QCoreApplication::translate("quill::Metafile", "The metafile could not be read."));
    // The scan measures the drawing in pixels of the picture. A drawing that
    // reaches more than a picture's size off it, or whose records would fill
    // too many pixels, would keep the game busy for minutes.
    const double width = pixels.width();
    const double height = pixels.height();
    const double spanned = std::max(1.0, double(box.BR.x) - box.TL.x) * std::max(1.0, double(box.BR.y) - box.TL.y);
    cost = spanned * double(layout.records);
    if (box.TL.x < -width || box.TL.y < -height || box.BR.x > 2 * width || box.BR.y > 2 * height
        || cost > kMaxDrawnPixels)
        return fail(error, QCoreApplication::translate("quill::Metafile", "The metafile draws far outside its picture or is too costly to draw."));
    device->bbox.TL = {0, 0};
    device->bbox.BR = {float(pixels.width()), float(pixels.height())};
    device->width = static_cast<unsigned int>(pixels.width());
    device->height = static_cast<unsigned int>(pixels.height());
    const bool played = wmf_play(api.get(), 0, &box) == wmf_E_None;
    wmf_mem_close(api.get());
    QImage image;
    if (!played || !image.loadFromData(png, "PNG") || image.size() != pixels)
        return fail(error, QCoreApplication::translate("quill::Metafile", "The metafile could not be drawn."));
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

class PreparedWindows final : public PreparedMetafile {
public:
    PreparedWindows(QByteArray bytes, const Layout& layout) : bytes_(std::move(bytes)), layout_(layout)
    {
        size_ = layout.pixels;
    }

    ScaledPicture draw(qreal scale, QString* error) const override
    {
        qreal drawn = metafileScale(size_, scale);
        double cost = 0;
        QImage image = play(bytes_, layout_, scaledPixels(size_, drawn), cost, error);
        // The cost grows with the square of the scale. A drawing within the
        // bound at its own size is drawn at the largest scale within it, so
        // that a metafile that loads at one pixel ratio loads at all.
        if (image.isNull() && drawn > 1.0 && cost > kMaxDrawnPixels && cost / (drawn * drawn) <= kMaxDrawnPixels) {
            drawn = std::max(1.0, 0.95 * drawn * std::sqrt(kMaxDrawnPixels / cost));
            image = play(bytes_, layout_, scaledPixels(size_, drawn), cost, error);
        }
        if (image.isNull())
            return {};
        return {image, size_, drawn, true};
    }

private:
    QByteArray bytes_;
    Layout layout_;
};

}  // namespace

std::shared_ptr<const PreparedMetafile> prepareWindowsMetafile(const QByteArray& bytes, QString* error)
{
    Layout layout;
    if (!check(bytes, layout, error))
        return nullptr;
    if (!libwmfLinkedSafely()) {
        fail(error, QCoreApplication::translate("quill::Metafile", "The metafile reader is not available."));
        return nullptr;
    }
    return std::make_shared<PreparedWindows>(bytes.left(layout.length), layout);
}

ScaledPicture renderWindowsMetafile(const QByteArray& bytes, qreal scale, QString* error)
{
    const std::shared_ptr<const PreparedMetafile> prepared = prepareWindowsMetafile(bytes, error);
    return prepared ? prepared->draw(scale, error) : ScaledPicture{};
}

}  // namespace quill
