#include "tools/skingen/paintkit.h"

#include "game/skin/skinlayout.h"

#include <QFont>
#include <QPainter>
#include <QTransform>

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace quill::skingen {
namespace {

// Maps the unit square onto `box`.
QTransform unitTo(const QRectF& box)
{
    return QTransform(box.width(), 0, 0, box.height(), box.left(), box.top());
}

}  // namespace

std::vector<PartPlace> partPlaces()
{
    std::vector<PartPlace> places;
    for (const SkinCut& cut : kSkinLayout) {
        if (cut.target != SkinTarget::Piece)
            continue;
        Part part = Part::Single;
        if (cut.piece == 0)
            part = Part::Principal;
        else if (cut.piece == 1)
            part = Part::Wide;
        else if (cut.piece <= 5)
            part = Part::Tall;
        const bool seen = std::any_of(places.begin(), places.end(),
                                      [&](const PartPlace& p) { return p.rect == cut.rect; });
        if (!seen)
            places.push_back({part, cut.rect, cut.piece});
    }
    places.push_back({Part::AltPrincipal, kAltSquareRect, -1});
    places.push_back({Part::AltSingle, kAltSingleRect, -1});
    return places;
}

namespace {

// The quill is drawn along its own axis, x from the nib (0) to the tip (1),
// y across it, and then laid diagonally into the box.
constexpr double kVaneStart = 0.27;

double spine(double x)
{
    return -0.16 * x * (1.0 - x);
}

// How far the vane reaches from the shaft on one side, with V-shaped splits
// where the barbs have parted.
double vaneWidth(double x, double widest, std::initializer_list<double> splits)
{
    if (x <= kVaneStart || x >= 1.0)
        return 0.0;
    const double t = std::pow((x - kVaneStart) / (1.0 - kVaneStart), 0.8);
    double width = widest * std::pow(std::sin(M_PI * t), 0.65);
    // A split runs slantwise: steep on the tip's side, gradual towards the nib.
    for (double split : splits) {
        const double reach = x < split ? 0.045 : 0.010;
        const double d = std::abs(x - split);
        if (d < reach)
            width *= 0.45 + 0.55 * d / reach;
    }
    return width;
}

QTransform quillPlacement(const QRectF& box)
{
    const QPointF nib(box.left() + 0.03 * box.width(), box.bottom() - 0.03 * box.height());
    const QPointF tip(box.right() - 0.03 * box.width(), box.top() + 0.03 * box.height());
    const QLineF axis(nib, tip);
    QTransform transform;
    transform.translate(nib.x(), nib.y());
    transform.rotate(-axis.angle());
    transform.scale(axis.length(), axis.length());
    return transform;
}

}  // namespace

QPainterPath quillPath(const QRectF& box)
{
    constexpr int kSteps = 90;
    QPolygonF outline;
    // Up the upper edge from the nib to the tip...
    for (int i = 0; i <= kSteps; ++i) {
        const double x = double(i) / kSteps;
        const double calamus = x < kVaneStart ? 0.018 * x / kVaneStart : 0.0;
        outline << QPointF(x, spine(x) - std::max(calamus, vaneWidth(x, 0.125, {0.56, 0.76})));
    }
    // ...and back down the lower edge.
    for (int i = kSteps; i >= 0; --i) {
        const double x = double(i) / kSteps;
        const double calamus = x < kVaneStart ? 0.018 * x / kVaneStart : 0.0;
        outline << QPointF(x, spine(x) + std::max(calamus, vaneWidth(x, 0.075, {0.68})));
    }
    QPainterPath path;
    path.addPolygon(quillPlacement(box).map(outline));
    path.closeSubpath();
    return path;
}

QPainterPath quillShaftPath(const QRectF& box)
{
    constexpr int kSteps = 40;
    QPolygonF shaft;
    for (int i = 0; i <= kSteps; ++i) {
        const double x = kVaneStart * 0.6 + (0.97 - kVaneStart * 0.6) * i / kSteps;
        const double half = 0.012 * (1.0 - 0.8 * double(i) / kSteps);
        shaft << QPointF(x, spine(x) - half);
    }
    for (int i = kSteps; i >= 0; --i) {
        const double x = kVaneStart * 0.6 + (0.97 - kVaneStart * 0.6) * i / kSteps;
        const double half = 0.012 * (1.0 - 0.8 * double(i) / kSteps);
        shaft << QPointF(x, spine(x) + half);
    }
    QPainterPath path;
    path.addPolygon(quillPlacement(box).map(shaft));
    path.closeSubpath();
    return path;
}

QPainterPath starPath(const QRectF& box, double innerRatio)
{
    QPainterPath star;
    const QPointF centre = box.center();
    const double outer = std::min(box.width(), box.height()) / 2.0;
    for (int i = 0; i < 10; ++i) {
        const double radius = (i % 2 == 0) ? outer : outer * innerRatio;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF p = centre + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
        if (i == 0)
            star.moveTo(p);
        else
            star.lineTo(p);
    }
    star.closeSubpath();
    return star;
}

QPainterPath crownPath(const QRectF& box)
{
    QPainterPath crown;
    crown.moveTo(0.08, 0.85);
    crown.lineTo(0.02, 0.30);
    crown.lineTo(0.28, 0.55);
    crown.lineTo(0.50, 0.18);
    crown.lineTo(0.72, 0.55);
    crown.lineTo(0.98, 0.30);
    crown.lineTo(0.92, 0.85);
    crown.closeSubpath();
    crown.addRect(QRectF(0.08, 0.88, 0.84, 0.10));
    for (const QPointF& ball : {QPointF(0.02, 0.24), QPointF(0.50, 0.10), QPointF(0.98, 0.24)})
        crown.addEllipse(ball, 0.065, 0.065);
    crown.setFillRule(Qt::WindingFill);
    return unitTo(box).map(crown);
}

QPainterPath diamondPath(const QRectF& box)
{
    QPainterPath diamond;
    diamond.moveTo(box.center().x(), box.top());
    diamond.lineTo(box.right(), box.center().y());
    diamond.lineTo(box.center().x(), box.bottom());
    diamond.lineTo(box.left(), box.center().y());
    diamond.closeSubpath();
    return diamond;
}

QPainterPath chevronPath(const QRectF& box, double thickness)
{
    QPainterPath chevron;
    const double t = thickness;
    chevron.moveTo(0.0, 0.0);
    chevron.lineTo(0.5, 1.0 - t);
    chevron.lineTo(1.0, 0.0);
    chevron.lineTo(1.0, t);
    chevron.lineTo(0.5, 1.0);
    chevron.lineTo(0.0, t);
    chevron.closeSubpath();
    return unitTo(box).map(chevron);
}

QPainterPath textPath(const QString& text, const QFont& font, const QRectF& box)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    if (ink.isEmpty())
        return path;
    const double scale = std::min(box.width() / ink.width(), box.height() / ink.height());
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(scale, scale);
    transform.translate(-ink.center().x(), -ink.center().y());
    return transform.map(path);
}

void paintBevel(QPainter& painter, const QRectF& rect, double width, const QColor& light, const QColor& dark)
{
    const QRectF inner = rect.adjusted(width, width, -width, -width);
    QPolygonF topLeft;
    topLeft << rect.topLeft() << rect.topRight() << inner.topRight() << inner.topLeft() << inner.bottomLeft()
            << rect.bottomLeft();
    QPolygonF bottomRight;
    bottomRight << rect.bottomRight() << rect.bottomLeft() << inner.bottomLeft() << inner.bottomRight()
                << inner.topRight() << rect.topRight();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    painter.drawPolygon(topLeft);
    painter.setBrush(dark);
    painter.drawPolygon(bottomRight);
    painter.restore();
}

}  // namespace quill::skingen
