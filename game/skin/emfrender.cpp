// Enhanced metafiles: checked record by record, then converted to SVG by
// libemf2svg and drawn by QSvgRenderer.

#include "game/skin/metafile.h"
#include "game/skin/metafile_p.h"

#include <QCoreApplication>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

#include <emf2svg.h>
#include <uemf.h>
#include <uemf_safe.h>

namespace quill {
namespace {

using metafile::fail;

constexpr quint32 kSignature = 0x464D4520;  // " EMF"
constexpr int kHeaderMinSize = 88;
constexpr double kHundredthsOfMmPerInch = 2540.0;

// Header fields (byte offsets).
constexpr int kBounds = 8;
constexpr int kFrame = 24;
constexpr int kBytes = 48;
constexpr int kHandles = 56;
constexpr int kDevice = 72;
constexpr int kMillimetres = 80;

struct BitmapField {
    quint32 type;
    int offBmi;  // where the record keeps its bitmap header's offset; the size follows
};

constexpr BitmapField kBitmapFields[] = {
    {U_EMR_BITBLT, 84},
    {U_EMR_STRETCHBLT, 84},
    {U_EMR_MASKBLT, 84},
    {U_EMR_MASKBLT, 112},
    {U_EMR_PLGBLT, 96},
    {U_EMR_PLGBLT, 124},
    {U_EMR_SETDIBITSTODEVICE, 48},
    {U_EMR_STRETCHDIBITS, 48},
    {U_EMR_CREATEMONOBRUSH, 16},
    {U_EMR_CREATEDIBPATTERNBRUSHPT, 16},
    {U_EMR_EXTCREATEPEN, 12},
    {U_EMR_ALPHABLEND, 84},
    {U_EMR_TRANSPARENTBLT, 84},
};

// Where a record keeps an object-table index, and whether a stock object
// may stand there instead.
struct HandleField {
    quint32 type;
    int offset;
    bool stockAllowed;
};

constexpr HandleField kHandleFields[] = {
    {U_EMR_SELECTOBJECT, 8, true},
    {U_EMR_DELETEOBJECT, 8, true},
    {U_EMR_SELECTPALETTE, 8, true},
    {U_EMR_SETCOLORSPACE, 8, true},
    {U_EMR_CREATEPEN, 8, false},
    {U_EMR_CREATEBRUSHINDIRECT, 8, false},
    {U_EMR_CREATEPALETTE, 8, false},
    {U_EMR_SETPALETTEENTRIES, 8, false},
    {U_EMR_RESIZEPALETTE, 8, false},
    {U_EMR_EXTCREATEFONTINDIRECTW, 8, false},
    {U_EMR_CREATEMONOBRUSH, 8, false},
    {U_EMR_CREATEDIBPATTERNBRUSHPT, 8, false},
    {U_EMR_EXTCREATEPEN, 8, false},
    {U_EMR_CREATECOLORSPACE, 8, false},
    {U_EMR_DELETECOLORSPACE, 8, false},
    {U_EMR_CREATECOLORSPACEW, 8, false},
    {U_EMR_FILLRGN, 28, false},
    {U_EMR_FRAMERGN, 28, false},
};

bool recordSane(const char* data, quint32 size, quint32 type, quint32 handles)
{
    const ByteReader record(data, size);
    for (const HandleField& field : kHandleFields) {
        if (field.type != type)
            continue;
        if (!record.has(field.offset, 4))
            return false;
        const quint32 index = record.u32(field.offset);
        const bool stock = (index & U_STOCK_OBJECT) != 0;
        if (stock ? !field.stockAllowed : (index == 0 || index >= handles))
            return false;
    }
    for (const BitmapField& field : kBitmapFields) {
        if (field.type != type)
            continue;
        if (!record.has(field.offBmi, 8)
            || !metafile::embeddedBitmapSane(record, record.u32(field.offBmi), record.u32(field.offBmi + 4)))
            return false;
    }
    // libUEMF's own check of the record's inner counts and offsets.
    return U_emf_record_safe(data) != 0;
}

struct Layout {
    qint64 length = 0;  // bytes up to and including the EOF record
    QSize pixels;
};

bool check(const QByteArray& bytes, Layout& layout, QString* error)
{
    const ByteReader in(bytes);
    if (bytes.size() < kHeaderMinSize || in.u32(0) != U_EMR_HEADER || in.u32(40) != kSignature) {
        fail(error, QCoreApplication::translate("quill::Metafile", "The file is not an enhanced metafile."));
        return false;
    }
    const quint32 headerSize = in.u32(4);
    const qint64 declaredBytes = in.u32(kBytes);
    const quint32 handles = in.u16(kHandles);
    if (headerSize < kHeaderMinSize || headerSize % 4 != 0 || headerSize > bytes.size()
        || declaredBytes < headerSize || declaredBytes > bytes.size() || handles == 0) {
        fail(error, QCoreApplication::translate("quill::Metafile", "The metafile header is damaged."));
        return false;
    }
    const int width = metafile::pixelsAt96Dpi(qint64(in.i32(kFrame + 8)) - in.i32(kFrame),
                                              kHundredthsOfMmPerInch);
    const int height = metafile::pixelsAt96Dpi(qint64(in.i32(kFrame + 12)) - in.i32(kFrame + 4),
                                               kHundredthsOfMmPerInch);
    if (width < 0 || height < 0) {
        fail(error, QCoreApplication::translate("quill::Metafile", "The metafile's picture size is empty or too large."));
        return false;
    }
    if (in.i32(kDevice) <= 0 || in.i32(kDevice + 4) <= 0 || in.i32(kMillimetres) <= 0
        || in.i32(kMillimetres + 4) <= 0) {
        fail(error, QCoreApplication::translate("quill::Metafile", "The metafile's reference device is damaged."));
        return false;
    }
    qint64 offset = 0;
    while (true) {
        if (!in.has(offset, 8) || offset + 8 > declaredBytes) {
            fail(error, QCoreApplication::translate("quill::Metafile", "The metafile ends before its last record."));
            return false;
        }
        const quint32 type = in.u32(offset);
        const quint32 size = in.u32(offset + 4);
        if (size < 8 || size % 4 != 0 || size > declaredBytes - offset || type < U_EMR_MIN
            || type > U_EMR_MAX || (type == U_EMR_HEADER) != (offset == 0)
            || !recordSane(bytes.constData() + offset, size, type, handles)) {
            fail(error, QCoreApplication::translate("quill::Metafile", "The metafile has a damaged record."));
            return false;
        }
        offset += size;
        if (type == U_EMR_EOF)
            break;
    }
    layout.length = offset;
    layout.pixels = QSize(width, height);
    return true;
}

void putI32(QByteArray& bytes, int offset, double value)
{
    const qint64 rounded = std::llround(std::clamp(value, double(INT32_MIN), double(INT32_MAX)));
    qToLittleEndian(static_cast<qint32>(rounded), bytes.data() + offset);
}

// libemf2svg maps the header's bounds onto the picture, but the picture of
// an EMF is its frame: the bounds become the frame in device units.
bool boundsFromFrame(QByteArray& emf)
{
    const ByteReader in(emf);
    const double perHundredthX = double(in.i32(kDevice)) / (double(in.i32(kMillimetres)) * 100.0);
    const double perHundredthY = double(in.i32(kDevice + 4)) / (double(in.i32(kMillimetres + 4)) * 100.0);
    const double left = in.i32(kFrame) * perHundredthX;
    const double top = in.i32(kFrame + 4) * perHundredthY;
    const double right = in.i32(kFrame + 8) * perHundredthX;
    const double bottom = in.i32(kFrame + 12) * perHundredthY;
    putI32(emf, kBounds, left);
    putI32(emf, kBounds + 4, top);
    putI32(emf, kBounds + 8, right);
    putI32(emf, kBounds + 12, bottom);
    const ByteReader out(emf);
    return out.i32(kBounds + 8) > out.i32(kBounds) && out.i32(kBounds + 12) > out.i32(kBounds + 4);
}

class PreparedEnhanced final : public PreparedMetafile {
public:
    PreparedEnhanced(QSize size, const QByteArray& svg) : renderer_(std::make_unique<QSvgRenderer>(svg))
    {
        size_ = size;
    }
    bool valid() const { return renderer_->isValid(); }

    ScaledPicture draw(qreal scale, QString* error) const override
    {
        // The drawing is vector art: drawn at the screen's scale, its edges
        // fall on the screen's own pixels.
        const qreal drawn = metafileScale(size_, scale);
        QImage image(scaledPixels(size_, drawn), QImage::Format_ARGB32_Premultiplied);
        if (image.isNull())
            return {fail(error, QCoreApplication::translate("quill::Metafile", "Not enough memory for the picture.")), {}};
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer_->render(&painter, QRectF(QPointF(0, 0), QSizeF(size_) * drawn));
        painter.end();
        return {image, size_, drawn, true};
    }

private:
    std::unique_ptr<QSvgRenderer> renderer_;
};

}  // namespace

std::shared_ptr<const PreparedMetafile> prepareEnhancedMetafile(const QByteArray& bytes, QString* error)
{
    Layout layout;
    if (!check(bytes, layout, error))
        return nullptr;
    QByteArray emf = bytes.left(layout.length);
    if (!boundsFromFrame(emf)) {
        fail(error, QCoreApplication::translate("quill::Metafile", "The metafile's reference device is damaged."));
        return nullptr;
    }

    generatorOptions options{};
    options.nameSpace = nullptr;
    options.verbose = false;
    options.emfplus = false;
    options.svgDelimiter = true;
    options.imgWidth = layout.pixels.width();
    options.imgHeight = layout.pixels.height();
    char* svg = nullptr;
    size_t svgLength = 0;
    const int converted = emf2svg(emf.data(), static_cast<size_t>(emf.size()), &svg, &svgLength, &options);
    const std::unique_ptr<char, decltype(&std::free)> svgOwner(svg, &std::free);
    if (!converted || !svg || svgLength == 0) {
        fail(error, QCoreApplication::translate("quill::Metafile", "The metafile could not be converted."));
        return nullptr;
    }
    auto prepared = std::make_shared<PreparedEnhanced>(layout.pixels,
                                                       QByteArray(svg, static_cast<qsizetype>(svgLength)));
    if (!prepared->valid()) {
        fail(error, QCoreApplication::translate("quill::Metafile", "The metafile could not be converted."));
        return nullptr;
    }
    return prepared;
}

ScaledPicture renderEnhancedMetafile(const QByteArray& bytes, qreal scale, QString* error)
{
    const std::shared_ptr<const PreparedMetafile> prepared = prepareEnhancedMetafile(bytes, error);
    return prepared ? prepared->draw(scale, error) : ScaledPicture{};
}

}  // namespace quill
