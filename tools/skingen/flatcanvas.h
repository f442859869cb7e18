#pragma once

#include <QByteArray>
#include <QColor>
#include <QPainterPath>
#include <QSize>

class QPainter;

namespace quill::skingen {

// The vocabulary a metafile skin is drawn in: shapes filled with flat
// colours, nothing else. The same drawing goes to a QPainter (the reference
// picture) or into an EMF or WMF file.
class FlatCanvas {
public:
    virtual ~FlatCanvas() = default;
    virtual void fill(const QPainterPath& path, const QColor& colour) = 0;

    void fillRect(const QRectF& rect, const QColor& colour);
    void fillEllipse(const QRectF& rect, const QColor& colour);
    void fillPolygon(const QPolygonF& polygon, const QColor& colour);
};

class PainterCanvas final : public FlatCanvas {
public:
    explicit PainterCanvas(QPainter& painter) : painter_(painter) {}
    void fill(const QPainterPath& path, const QColor& colour) override;

private:
    QPainter& painter_;
};

// Metafile coordinates are 1/16 pixel, so that curves and glyph outlines
// stay smooth in 16-bit points; the files declare a 96 dpi picture size.
inline constexpr int kMetafileUnitsPerPixel = 16;

// An enhanced metafile (EMF) of `pixels` at 96 dpi, built record by record.
class EmfWriter final : public FlatCanvas {
public:
    explicit EmfWriter(QSize pixels);
    void fill(const QPainterPath& path, const QColor& colour) override;
    // The whole file; the writer is spent afterwards.
    QByteArray finish();

private:
    void append(char* record);

    QByteArray bytes_;
    quint32 records_ = 0;
};

// A placeable Windows metafile (WMF) of `pixels` at 96 dpi.
class WmfWriter final : public FlatCanvas {
public:
    explicit WmfWriter(QSize pixels);
    void fill(const QPainterPath& path, const QColor& colour) override;
    QByteArray finish();

private:
    void append(char* record);

    QSize pixels_;
    QByteArray records_;
    quint32 largestRecordWords_ = 0;
};

}  // namespace quill::skingen
