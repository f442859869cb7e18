// wood.jpg: carved blocks of several woods in a mitred walnut frame.

#include "tools/skingen/paintkit.h"
#include "tools/skingen/skins.h"

#include "game/skin/skinlayout.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cmath>

namespace quill::skingen {
namespace {

const QColor kWalnut(0x4a, 0x2c, 0x18);
const QColor kCherry(0x9a, 0x48, 0x2a);
const QColor kOak(0xb5, 0x83, 0x4a);
const QColor kMaple(0xd6, 0xae, 0x76);
const QColor kPurpleheart(0x6e, 0x3b, 0x5c);
const QColor kEbony(0x2e, 0x24, 0x1f);
const QColor kHolly(0xe9, 0xe1, 0xcc);
const QColor kStainedAsh(0x56, 0x70, 0x8a);
const QColor kBurn(0x2a, 0x14, 0x08);

// Wood: a base colour with fine wavy grain lines running along the board.
void paintGrain(QPainter& painter, const QRectF& area, const QColor& base, bool vertical, quint32 seed)
{
    painter.save();
    painter.setClipRect(area);
    QLinearGradient tone(area.topLeft(), vertical ? area.topRight() : area.bottomLeft());
    tone.setColorAt(0.0, base.lighter(108));
    tone.setColorAt(0.5, base);
    tone.setColorAt(1.0, base.darker(108));
    painter.fillRect(area, tone);

    // Draw as if the grain ran left to right; turn the painter for vertical grain.
    QRectF flat = area;
    if (vertical) {
        painter.translate(area.center());
        painter.rotate(90);
        painter.translate(-area.center());
        flat = QRectF(area.center().x() - area.height() / 2, area.center().y() - area.width() / 2,
                      area.height(), area.width());
    }
    QRandomGenerator random(seed);
    painter.setBrush(Qt::NoBrush);
    const double wave = 0.02 + random.bounded(0.02);
    const double phase = random.bounded(6.28);
    for (double y = flat.top() - 6; y < flat.bottom() + 6; y += 1.3 + random.bounded(1.6)) {
        QPainterPath line;
        const double amplitude = 1.0 + random.bounded(2.5);
        const double offset = random.bounded(6.28);
        for (double x = flat.left() - 2; x <= flat.right() + 2; x += 3) {
            const double dy = amplitude * std::sin(x * wave + phase + y * 0.05)
                + 0.6 * std::sin(x * 0.11 + offset);
            if (x == flat.left() - 2)
                line.moveTo(x, y + dy);
            else
                line.lineTo(x, y + dy);
        }
        const bool dark = random.bounded(3) != 0;
        QColor colour = dark ? base.darker(125 + random.bounded(30)) : base.lighter(110 + random.bounded(10));
        colour.setAlpha(40 + random.bounded(70));
        painter.setPen(QPen(colour, 0.5 + random.bounded(1.2)));
        painter.drawPath(line);
    }
    painter.restore();
}

// A cut into the wood: dark inside, a light edge where the cut catches the light.
void paintCarved(QPainter& painter, const QPainterPath& path, const QColor& wood)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 240, 210, 70));
    painter.drawPath(path.translated(0.9, 0.9));
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawPath(path.translated(-0.6, -0.6));
    QColor inside = wood.darker(175);
    inside.setAlpha(235);
    painter.setBrush(inside);
    painter.drawPath(path);
    painter.restore();
}

// An inlay of another material, set flush with a thin dark joint.
void paintInlay(QPainter& painter, const QPainterPath& path, const QBrush& material)
{
    painter.save();
    painter.setPen(QPen(QColor(0x1a, 0x10, 0x08, 200), 1.0));
    painter.setBrush(material);
    painter.drawPath(path);
    painter.restore();
}

// A light-coloured material, lit from the upper left.
QRadialGradient litFrom(const QPointF& centre, const QColor& light, const QColor& shade)
{
    QRadialGradient gradient(centre - QPointF(3, 3), 14);
    gradient.setColorAt(0.0, light);
    gradient.setColorAt(1.0, shade);
    return gradient;
}

void paintNail(QPainter& painter, const QPointF& at)
{
    QRadialGradient nail(at - QPointF(1, 1), 5);
    nail.setColorAt(0.0, QColor(0xd0, 0xd0, 0xc8));
    nail.setColorAt(1.0, QColor(0x50, 0x4c, 0x48));
    painter.setPen(Qt::NoPen);
    painter.setBrush(nail);
    painter.drawEllipse(at, 3.5, 3.5);
}

void paintFrame(QPainter& painter)
{
    const QRectF outer(0, 0, kSkinBoardInside.right() + 21, kSkinBoardInside.bottom() + 21);
    const QRectF inner(kSkinBoardInside);
    // Four mitred boards, the grain running along each.
    const QPolygonF top({outer.topLeft(), outer.topRight(), inner.topRight(), inner.topLeft()});
    const QPolygonF bottom({outer.bottomLeft(), outer.bottomRight(), inner.bottomRight(), inner.bottomLeft()});
    const QPolygonF left({outer.topLeft(), inner.topLeft(), inner.bottomLeft(), outer.bottomLeft()});
    const QPolygonF right({outer.topRight(), inner.topRight(), inner.bottomRight(), outer.bottomRight()});
    const struct {
        QPolygonF shape;
        bool vertical;
        quint32 seed;
    } boards[] = {{top, false, 21}, {bottom, false, 22}, {left, true, 23}, {right, true, 24}};
    for (const auto& board : boards) {
        painter.save();
        QPainterPath clip;
        clip.addPolygon(board.shape);
        painter.setClipPath(clip);
        paintGrain(painter, outer, kWalnut, board.vertical, board.seed);
        painter.restore();
    }
    // The mitre joints.
    painter.save();
    painter.setPen(QPen(QColor(0x1c, 0x0e, 0x05, 160), 1.0));
    painter.drawLine(outer.topLeft(), inner.topLeft());
    painter.drawLine(outer.topRight(), inner.topRight());
    painter.drawLine(outer.bottomLeft(), inner.bottomLeft());
    painter.drawLine(outer.bottomRight(), inner.bottomRight());
    painter.restore();
    paintBevel(painter, outer, 3, QColor(255, 230, 190, 60), QColor(0, 0, 0, 110));
    paintBevel(painter, inner.adjusted(-4, -4, 4, 4), 4, QColor(0, 0, 0, 120), QColor(255, 230, 190, 45));
    painter.fillRect(inner, kBurn);

    // The exit: a notch sawn out of the bottom board, arrows carved beside it.
    const QRectF exitGap(inner.left() + kSkinCellSize, inner.bottom(), 2 * kSkinCellSize, 20);
    QLinearGradient notch(exitGap.topLeft(), exitGap.bottomLeft());
    notch.setColorAt(0.0, QColor(0x12, 0x08, 0x03));
    notch.setColorAt(1.0, QColor(0x2e, 0x1a, 0x0c));
    painter.fillRect(exitGap.adjusted(0, 0, 0, -5), notch);
    painter.fillRect(QRectF(exitGap.left(), exitGap.bottom() - 5, exitGap.width(), 5), QColor(0x24, 0x13, 0x08));
    for (double x : {exitGap.left() - 18, exitGap.right() + 8})
        paintCarved(painter, chevronPath(QRectF(x, exitGap.top() + 6, 10, 8), 0.4), kWalnut);
}

QColor woodOf(Part part)
{
    switch (part) {
    case Part::Principal:
        return kCherry;
    case Part::Wide:
        return kOak;
    case Part::Tall:
        return kMaple;
    case Part::Single:
        return kPurpleheart;
    case Part::AltPrincipal:
        return kHolly;
    case Part::AltSingle:
        return kStainedAsh;
    }
    return {};
}

void paintMark(QPainter& painter, Part part, const QRectF& body, const QColor& wood)
{
    const QPointF c = body.center();
    switch (part) {
    case Part::Principal:
        paintCarved(painter, quillPath(QRectF(c.x() - 36, c.y() - 36, 72, 72)), wood);
        break;
    case Part::Wide: {
        QPainterPath grooves;
        for (int i = -1; i <= 1; ++i)
            grooves.addPath(diamondPath(QRectF(c.x() + i * 26 - 7, c.y() - 7, 14, 14)));
        paintCarved(painter, grooves, wood);
        break;
    }
    case Part::Tall: {
        QPainterPath groove;
        groove.addRoundedRect(QRectF(c.x() - 2.5, body.top() + 16, 5, body.height() - 32), 2.5, 2.5);
        paintCarved(painter, groove, wood);
        break;
    }
    case Part::Single: {
        QPainterPath dot;
        dot.addEllipse(c, 9, 9);
        paintInlay(painter, dot, litFrom(c, QColor(0xf6, 0xe7, 0xbf), QColor(0xd8, 0xbd, 0x86)));
        break;
    }
    case Part::AltPrincipal: {
        QLinearGradient ebony(c - QPointF(24, 24), c + QPointF(24, 24));
        ebony.setColorAt(0.0, kEbony.lighter(150));
        ebony.setColorAt(1.0, kEbony);
        paintInlay(painter, starPath(QRectF(c.x() - 34, c.y() - 34, 68, 68)), ebony);
        break;
    }
    case Part::AltSingle:
        paintInlay(painter, starPath(QRectF(c.x() - 12, c.y() - 12, 24, 24)),
                   litFrom(c, QColor(0xfb, 0xf6, 0xe8), QColor(0xdc, 0xd2, 0xbc)));
        break;
    }
}

void paintBlock(QPainter& painter, const PartPlace& place, quint32 seed)
{
    const QColor wood = woodOf(place.part);
    const QRectF cell(place.rect);
    painter.fillRect(cell, kBurn);
    const QRectF body = cell.adjusted(1, 1, -1, -1);
    const bool vertical = body.height() > body.width();
    paintGrain(painter, body, wood, vertical, seed);
    paintBevel(painter, body, 4, QColor(255, 240, 210, 80), QColor(0, 0, 0, 95));
    paintBevel(painter, body.adjusted(4, 4, -4, -4), 1, QColor(0, 0, 0, 35), QColor(255, 240, 210, 35));
    paintMark(painter, place.part, body, wood);
}

void paintBurnt(QPainter& painter, const QPainterPath& text)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    // A scorched halo first, then the charred letters.
    for (const auto& [offset, alpha] : {std::pair{1.6, 30}, std::pair{0.8, 45}}) {
        painter.setBrush(QColor(0x3a, 0x1a, 0x06, alpha));
        for (const QPointF& d : {QPointF(offset, 0), QPointF(-offset, 0), QPointF(0, offset), QPointF(0, -offset)})
            painter.drawPath(text.translated(d));
    }
    painter.setBrush(QColor(0x26, 0x12, 0x06, 235));
    painter.drawPath(text);
    painter.restore();
}

void paintTitle(QPainter& painter)
{
    const QRectF area(skinRect(SkinTarget::Title));
    paintGrain(painter, area, kMaple.darker(104), true, 31);
    paintBevel(painter, area, 3, QColor(255, 240, 210, 80), QColor(0, 0, 0, 110));
    for (double y : {area.top() + 12, area.bottom() - 12})
        paintNail(painter, QPointF(area.center().x(), y));
    paintCarved(painter, quillPath(QRectF(area.center().x() - 22, area.top() + 26, 44, 44)), kMaple);
    QFont font(QStringLiteral("URW Bookman"));
    font.setWeight(QFont::DemiBold);
    font.setPixelSize(40);
    // The name reads from top to bottom, like the spine of a book.
    QPainterPath name = textPath(QStringLiteral("Quillmere"), font, QRectF(0, 0, 236, 44));
    QTransform turn;
    turn.translate(area.center().x(), area.top() + 200);
    turn.rotate(90);
    turn.translate(-118, -22);
    paintBurnt(painter, turn.map(name));
}

void paintBanner(QPainter& painter)
{
    const QRectF area(skinRect(SkinTarget::Congratulation));
    paintGrain(painter, area, kMaple.darker(104), false, 41);
    paintBevel(painter, area, 3, QColor(255, 240, 210, 80), QColor(0, 0, 0, 110));
    QFont font(QStringLiteral("URW Bookman"));
    font.setWeight(QFont::DemiBold);
    font.setItalic(true);
    font.setPixelSize(30);
    paintBurnt(painter, textPath(QStringLiteral("Congratulations!"), font,
                                 QRectF(area.left() + 40, area.top() + 7, area.width() - 80, 26)));
    for (double x : {area.left() + 14, area.right() - 14})
        paintNail(painter, QPointF(x, area.center().y()));
}

}  // namespace

QImage paintWoodSkin(int scale)
{
    QImage skin(kMinSkinSize * scale, QImage::Format_RGB32);
    skin.fill(kBurn);
    QPainter painter(&skin);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    paintFrame(painter);
    quint32 seed = 100;
    for (const PartPlace& place : partPlaces())
        paintBlock(painter, place, ++seed);
    paintTitle(painter);
    paintBanner(painter);
    painter.end();
    return skin;
}

}  // namespace quill::skingen
