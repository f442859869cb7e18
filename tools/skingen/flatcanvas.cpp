#include "tools/skingen/flatcanvas.h"

#include <QPainter>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include <uemf.h>
#include <uwmf.h>

namespace quill::skingen {
namespace {

constexpr double kHundredthsOfMmPerPixel = 2540.0 / 96.0;

// A path in metafile units: closed polygons of 16-bit points.
struct MetaPolygons {
    std::vector<U_POINT16> points;
    std::vector<uint32_t> counts;
    QRect bounds;
};

double signedArea(const QPolygonF& ring)
{
    double area = 0;
    for (qsizetype i = 0; i < ring.size(); ++i) {
        const QPointF& a = ring[i];
        const QPointF& b = ring[(i + 1) % ring.size()];
        area += a.x() * b.y() - b.x() * a.y();
    }
    return area / 2;
}

// Metafile players differ in how they honour the polygon fill mode (some
// always fill by winding), so every path is written so that the winding
// rule gives the picture: the path is split into rings that do not cross,
// and a ring turns one way when an even number of rings surround it and the
// other way when an odd number do.
MetaPolygons toMetaPolygons(const QPainterPath& path)
{
    MetaPolygons out;
    const QTransform scale = QTransform::fromScale(kMetafileUnitsPerPixel, kMetafileUnitsPerPixel);
    const QList<QPolygonF> rings = scale.map(path).simplified().toSubpathPolygons();
    for (qsizetype i = 0; i < rings.size(); ++i) {
        QPolygonF ring = rings[i];
        if (ring.size() > 1 && ring.front() == ring.back())
            ring.removeLast();
        if (ring.size() < 3)
            continue;
        int depth = 0;
        for (qsizetype j = 0; j < rings.size(); ++j) {
            if (j != i && rings[j].containsPoint(ring.front(), Qt::OddEvenFill))
                ++depth;
        }
        const bool forward = signedArea(ring) > 0;
        if (forward != (depth % 2 == 0))
            std::reverse(ring.begin(), ring.end());
        std::vector<U_POINT16> points;
        for (const QPointF& p : ring) {
            const U_POINT16 q{static_cast<int16_t>(qRound(p.x())), static_cast<int16_t>(qRound(p.y()))};
            if (!points.empty() && points.back().x == q.x && points.back().y == q.y)
                continue;
            points.push_back(q);
        }
        if (points.size() > 1 && points.front().x == points.back().x && points.front().y == points.back().y)
            points.pop_back();
        if (points.size() < 3)
            continue;
        for (const U_POINT16& q : points)
            out.bounds |= QRect(q.x, q.y, 1, 1);
        out.counts.push_back(static_cast<uint32_t>(points.size()));
        out.points.insert(out.points.end(), points.begin(), points.end());
    }
    return out;
}

U_COLORREF colourRef(const QColor& colour)
{
    return colorref3_set(static_cast<uint8_t>(colour.red()), static_cast<uint8_t>(colour.green()),
                         static_cast<uint8_t>(colour.blue()));
}

void putU16(QByteArray& bytes, int offset, quint16 value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

void putU32(QByteArray& bytes, int offset, quint32 value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

}  // namespace

void FlatCanvas::fillRect(const QRectF& rect, const QColor& colour)
{
    QPainterPath path;
    path.addRect(rect);
    fill(path, colour);
}

void FlatCanvas::fillEllipse(const QRectF& rect, const QColor& colour)
{
    QPainterPath path;
    path.addEllipse(rect);
    fill(path, colour);
}

void FlatCanvas::fillPolygon(const QPolygonF& polygon, const QColor& colour)
{
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    fill(path, colour);
}

void PainterCanvas::fill(const QPainterPath& path, const QColor& colour)
{
    painter_.fillPath(path, colour);
}

// ---------------------------------------------------------------- EMF

namespace {
constexpr uint32_t kEmfBrush = 1;
constexpr int kEmfHandles = 2;  // slot 0 is reserved, the brush uses slot 1
}  // namespace

EmfWriter::EmfWriter(QSize pixels)
{
    const int units = kMetafileUnitsPerPixel;
    const U_RECTL bounds = rectl_set(pointl_set(0, 0),
                                     pointl_set(pixels.width() * units - 1, pixels.height() * units - 1));
    const U_RECTL frame = rectl_set(
        pointl_set(0, 0), pointl_set(qRound(pixels.width() * kHundredthsOfMmPerPixel),
                                     qRound(pixels.height() * kHundredthsOfMmPerPixel)));
    // A reference device of 96 x 16 dots per inch: one device unit is one
    // metafile unit, and 1920 x 960 pixels are 508 x 254 millimetres.
    const U_SIZEL device = sizel_set(1920 * units, 960 * units);
    const U_SIZEL millimetres = sizel_set(508, 254);
    append(U_EMRHEADER_set(bounds, frame, nullptr, 0, nullptr, device, millimetres, 0));
    append(U_EMRSETMAPMODE_set(U_MM_TEXT));
    append(U_EMRSETBKMODE_set(U_TRANSPARENT));
    append(U_EMRSELECTOBJECT_set(U_NULL_PEN));
}

void EmfWriter::append(char* record)
{
    Q_ASSERT(record);
    const quint32 size = qFromLittleEndian<quint32>(record + 4);
    bytes_.append(record, size);
    ++records_;
    std::free(record);
}

void EmfWriter::fill(const QPainterPath& path, const QColor& colour)
{
    const MetaPolygons polygons = toMetaPolygons(path);
    if (polygons.counts.empty())
        return;
    append(U_EMRSETPOLYFILLMODE_set(U_WINDING));
    append(U_EMRCREATEBRUSHINDIRECT_set(kEmfBrush, logbrush_set(U_BS_SOLID, colourRef(colour), 0)));
    append(U_EMRSELECTOBJECT_set(kEmfBrush));
    const QRect b = polygons.bounds;
    const U_RECTL bounds = rectl_set(pointl_set(b.left(), b.top()), pointl_set(b.right(), b.bottom()));
    append(U_EMRPOLYPOLYGON16_set(bounds, static_cast<uint32_t>(polygons.counts.size()),
                                  polygons.counts.data(),
                                  static_cast<uint32_t>(polygons.points.size()),
                                  polygons.points.data()));
    append(U_EMRSELECTOBJECT_set(U_NULL_BRUSH));
    append(U_EMRDELETEOBJECT_set(kEmfBrush));
}

QByteArray EmfWriter::finish()
{
    // EMR_EOF: no palette entries, the palette offset and the record size.
    QByteArray eof(20, '\0');
    putU32(eof, 0, U_EMR_EOF);
    putU32(eof, 4, 20);
    putU32(eof, 12, 16);
    putU32(eof, 16, 20);
    bytes_.append(eof);
    ++records_;
    putU32(bytes_, 48, static_cast<quint32>(bytes_.size()));
    putU32(bytes_, 52, records_);
    putU16(bytes_, 56, kEmfHandles);
    return std::exchange(bytes_, {});
}

// ---------------------------------------------------------------- WMF

namespace {
constexpr int kWmfPlaceableSize = 22;
constexpr int kWmfHeaderSize = 18;
constexpr uint16_t kWmfPen = 0;    // created first, so it takes slot 0
constexpr uint16_t kWmfBrush = 1;  // created and deleted for each fill
}  // namespace

WmfWriter::WmfWriter(QSize pixels) : pixels_(pixels)
{
    const int16_t w = static_cast<int16_t>(pixels.width() * kMetafileUnitsPerPixel);
    const int16_t h = static_cast<int16_t>(pixels.height() * kMetafileUnitsPerPixel);
    append(U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC));
    append(U_WMRSETWINDOWORG_set(point16_set(0, 0)));
    append(U_WMRSETWINDOWEXT_set(point16_set(w, h)));
    append(U_WMRSETBKMODE_set(U_TRANSPARENT));
    append(U_WMRCREATEPENINDIRECT_set(U_PEN_set(U_PS_NULL, 0, colorref3_set(0, 0, 0))));
    append(U_WMRSELECTOBJECT_set(kWmfPen));
}

void WmfWriter::append(char* record)
{
    Q_ASSERT(record);
    const quint32 words = qFromLittleEndian<quint16>(record) | (quint32(qFromLittleEndian<quint16>(record + 2)) << 16);
    records_.append(record, static_cast<qsizetype>(words) * 2);
    largestRecordWords_ = std::max(largestRecordWords_, words);
    std::free(record);
}

void WmfWriter::fill(const QPainterPath& path, const QColor& colour)
{
    const MetaPolygons polygons = toMetaPolygons(path);
    if (polygons.counts.empty())
        return;
    std::vector<uint16_t> counts(polygons.counts.begin(), polygons.counts.end());
    append(U_WMRSETPOLYFILLMODE_set(U_WINDING));
    append(U_WMRCREATEBRUSHINDIRECT_set(U_WLOGBRUSH_set(U_BS_SOLID, colourRef(colour), 0)));
    append(U_WMRSELECTOBJECT_set(kWmfBrush));
    append(U_WMRPOLYPOLYGON_set(static_cast<uint16_t>(counts.size()), counts.data(), polygons.points.data()));
    append(U_WMRDELETEOBJECT_set(kWmfBrush));
}

QByteArray WmfWriter::finish()
{
    append(U_WMREOF_set());
    QByteArray file(kWmfPlaceableSize + kWmfHeaderSize, '\0');
    // The placeable header: key, bounding box in metafile units, units per inch, checksum.
    putU32(file, 0, 0x9AC6CDD7u);
    putU16(file, 10, static_cast<quint16>(pixels_.width() * kMetafileUnitsPerPixel));
    putU16(file, 12, static_cast<quint16>(pixels_.height() * kMetafileUnitsPerPixel));
    putU16(file, 14, static_cast<quint16>(96 * kMetafileUnitsPerPixel));
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= qFromLittleEndian<quint16>(file.constData() + 2 * i);
    putU16(file, 20, checksum);
    // The metafile header: in memory, 9 words, version 3, sizes in words.
    const int h = kWmfPlaceableSize;
    putU16(file, h + 0, 1);
    putU16(file, h + 2, 9);
    putU16(file, h + 4, 0x0300);
    putU32(file, h + 6, static_cast<quint32>((kWmfHeaderSize + records_.size()) / 2));
    putU16(file, h + 10, 2);
    putU32(file, h + 12, largestRecordWords_);
    putU16(file, h + 16, 0);
    file.append(records_);
    records_.clear();
    return file;
}

}  // namespace quill::skingen
