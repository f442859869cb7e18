#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>

#include <vector>

class QPainter;

namespace quill::skingen {

// The pictures a skin holds for its pieces, beside the frame, the title
// panel and the banner.
enum class Part { Principal, Wide, Tall, Single, AltPrincipal, AltSingle };

struct PartPlace {
    Part part;
    QRect rect;
    int piece;  // the piece index, or -1 for the alternative pictures
};

// Every piece picture of the skin layout (the shared single picture once)
// and the two alternative pictures.
std::vector<PartPlace> partPlaces();

// A quill feather, nib at the bottom left and plume at the top right,
// filling `box`.
QPainterPath quillPath(const QRectF& box);
// Its shaft, a thin line from the nib into the plume.
QPainterPath quillShaftPath(const QRectF& box);

// A five-pointed star inside `box`.
QPainterPath starPath(const QRectF& box, double innerRatio = 0.42);

// A crown inside `box`: three points with balls on a band.
QPainterPath crownPath(const QRectF& box);

// A diamond (rhombus) inside `box`.
QPainterPath diamondPath(const QRectF& box);

// A downward chevron inside `box`, `thickness` as a share of its height.
QPainterPath chevronPath(const QRectF& box, double thickness);

// Glyph outlines of `text`, scaled so that its ink fits `box` (centred),
// keeping proportions.
QPainterPath textPath(const QString& text, const QFont& font, const QRectF& box);

// A rectangle with a bevel: light on the top and left, dark on the bottom
// and right, `width` pixels deep.
void paintBevel(QPainter& painter, const QRectF& rect, double width, const QColor& light, const QColor& dark);

}  // namespace quill::skingen
