// default.bmp: jewel-coloured pieces in a tooled leather frame.

#include "tools/skingen/paintkit.h"
#include "tools/skingen/skins.h"

#include "game/skin/skinlayout.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>

namespace quill::skingen {
namespace {

const QColor kLeather(0x1f, 0x2b, 0x47);
const QColor kLeatherDark(0x10, 0x17, 0x2b);
const QColor kGoldLight(0xf6, 0xde, 0x94);
const QColor kGold(0xd4, 0xab, 0x4c);
const QColor kGoldDark(0x8e, 0x6a, 0x22);
const QColor kGap(0x0b, 0x10, 0x1d);

QBrush goldBrush(const QRectF& box)
{
    QLinearGradient gradient(box.topLeft(), box.bottomRight());
    gradient.setColorAt(0.0, kGoldLight);
    gradient.setColorAt(0.55, kGold);
    gradient.setColorAt(1.0, kGoldDark);
    return gradient;
}

// Gold relief: a dark shadow below and to the right, then the gold.
void paintGold(QPainter& painter, const QPainterPath& path)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 110));
    painter.drawPath(path.translated(1.0, 1.2));
    painter.setBrush(goldBrush(path.boundingRect()));
    painter.drawPath(path);
    painter.restore();
}

// Leather: a soft gradient and a fine grain of darker and lighter specks.
void paintLeather(QPainter& painter, const QRect& area, quint32 seed)
{
    QLinearGradient gradient(area.topLeft(), area.bottomRight());
    gradient.setColorAt(0.0, kLeather.lighter(112));
    gradient.setColorAt(1.0, kLeather.darker(115));
    painter.fillRect(area, gradient);
    QRandomGenerator random(seed);
    painter.save();
    painter.setPen(Qt::NoPen);
    const int specks = area.width() * area.height() / 9;
    for (int i = 0; i < specks; ++i) {
        const QPointF at(area.left() + random.bounded(double(area.width())),
                         area.top() + random.bounded(double(area.height())));
        const bool light = random.bounded(2) == 0;
        painter.setBrush(light ? QColor(255, 255, 255, 10) : QColor(0, 0, 0, 26));
        painter.drawEllipse(at, 0.9, 0.9);
    }
    painter.restore();
}

void paintStud(QPainter& painter, const QPointF& centre, double radius)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 120));
    painter.drawEllipse(centre + QPointF(0.8, 1.0), radius, radius);
    QRadialGradient gradient(centre - QPointF(radius * 0.35, radius * 0.35), radius * 1.4);
    gradient.setColorAt(0.0, QColor(0xff, 0xf4, 0xc8));
    gradient.setColorAt(0.45, kGold);
    gradient.setColorAt(1.0, kGoldDark);
    painter.setBrush(gradient);
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

// Tooling: a gold line pressed into the leather around `area`.
void paintTooling(QPainter& painter, const QRectF& area)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0, 120), 1.0));
    painter.drawRect(area.adjusted(7.5, 7.5, -6.5, -6.5));
    painter.setPen(QPen(kGold, 1.0));
    painter.drawRect(area.adjusted(6.5, 6.5, -7.5, -7.5));
    painter.restore();
}

void paintFrame(QPainter& painter)
{
    const QRect frame(0, 0, kSkinBoardInside.right() + 21, kSkinBoardInside.bottom() + 21);
    const QRect inside = kSkinBoardInside;
    paintLeather(painter, frame, 7);
    paintBevel(painter, QRectF(frame), 2, QColor(255, 255, 255, 45), QColor(0, 0, 0, 110));

    // The exit: the bottom strip opens where the principal piece leaves.
    const QRect exitGap(inside.left() + kSkinCellSize, inside.bottom() + 1, 2 * kSkinCellSize, 20);
    QLinearGradient well(exitGap.topLeft(), exitGap.bottomLeft());
    well.setColorAt(0.0, QColor(0x05, 0x08, 0x10));
    well.setColorAt(1.0, kLeatherDark);
    painter.fillRect(exitGap, well);

    // The tooling runs round the frame, broken at the exit.
    painter.save();
    painter.setClipRegion(QRegion(frame).subtracted(QRegion(exitGap.adjusted(-4, 0, 4, 0))));
    paintTooling(painter, QRectF(frame));
    painter.restore();

    // The well around the inside: shadow on top and left, light below.
    paintBevel(painter, QRectF(inside).adjusted(-3, -3, 3, 3), 3, QColor(0, 0, 0, 140),
               QColor(255, 255, 255, 30));
    painter.fillRect(inside, kGap);

    for (int i = 0; i < 3; ++i) {
        const QRectF box(exitGap.center().x() - 27 + i * 22, exitGap.top() + 6, 10, 7);
        paintGold(painter, chevronPath(box, 0.45));
    }
    for (const QPointF& corner : {QPointF(10, 10), QPointF(frame.right() - 9, 10),
                                  QPointF(10, frame.bottom() - 9), QPointF(frame.right() - 9, frame.bottom() - 9)})
        paintStud(painter, corner, 5.0);
}

QColor baseColour(Part part)
{
    switch (part) {
    case Part::Principal:
        return QColor(0xa8, 0x1c, 0x2c);
    case Part::Wide:
        return QColor(0x1f, 0x4f, 0x9a);
    case Part::Tall:
        return QColor(0x1c, 0x6e, 0x47);
    case Part::Single:
        return QColor(0xc2, 0x84, 0x16);
    case Part::AltPrincipal:
        return QColor(0x55, 0x27, 0x7c);
    case Part::AltSingle:
        return QColor(0xb4, 0xbb, 0xc7);
    }
    return {};
}

void paintEmblem(QPainter& painter, Part part, const QRectF& body)
{
    const QPointF c = body.center();
    switch (part) {
    case Part::Principal: {
        const QRectF box(c.x() - 38, c.y() - 38, 76, 76);
        paintGold(painter, quillPath(box));
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x5a, 0x0c, 0x16, 200));
        painter.drawPath(quillShaftPath(box));
        painter.restore();
        break;
    }
    case Part::Wide: {
        QPainterPath ornament;
        ornament.addRect(QRectF(body.left() + 22, c.y() - 1.5, body.width() - 44, 3));
        ornament.addPath(diamondPath(QRectF(c.x() - 9, c.y() - 9, 18, 18)));
        ornament.addEllipse(QPointF(body.left() + 22, c.y()), 4, 4);
        ornament.addEllipse(QPointF(body.right() - 22, c.y()), 4, 4);
        ornament.setFillRule(Qt::WindingFill);
        paintGold(painter, ornament);
        break;
    }
    case Part::Tall: {
        QPainterPath ornament;
        ornament.addRect(QRectF(c.x() - 1.5, body.top() + 22, 3, body.height() - 44));
        ornament.addPath(diamondPath(QRectF(c.x() - 9, c.y() - 9, 18, 18)));
        ornament.addEllipse(QPointF(c.x(), body.top() + 22), 4, 4);
        ornament.addEllipse(QPointF(c.x(), body.bottom() - 22), 4, 4);
        ornament.setFillRule(Qt::WindingFill);
        paintGold(painter, ornament);
        break;
    }
    case Part::Single:
        paintStud(painter, c, 8.0);
        break;
    case Part::AltPrincipal:
        paintGold(painter, crownPath(QRectF(c.x() - 30, c.y() - 26, 60, 50)));
        break;
    case Part::AltSingle: {
        painter.save();
        painter.setPen(Qt::NoPen);
        const QPainterPath star = starPath(QRectF(c.x() - 13, c.y() - 13, 26, 26));
        painter.setBrush(QColor(255, 255, 255, 140));
        painter.drawPath(star.translated(0.8, 1.0));
        painter.setBrush(kLeather);
        painter.drawPath(star);
        painter.restore();
        break;
    }
    }
}

void paintPiece(QPainter& painter, const PartPlace& place)
{
    const QColor base = baseColour(place.part);
    const QRectF cell(place.rect);
    painter.fillRect(cell, kGap);
    const QRectF body = cell.adjusted(1, 1, -1, -1);
    QLinearGradient face(body.topLeft(), body.bottomLeft());
    face.setColorAt(0.0, base.lighter(122));
    face.setColorAt(1.0, base.darker(118));
    painter.fillRect(body, face);
    paintBevel(painter, body, 3, QColor(255, 255, 255, 75), QColor(0, 0, 0, 90));

    // A recessed panel inside the bevel.
    const QRectF panel = body.adjusted(7, 7, -7, -7);
    QPainterPath panelPath;
    panelPath.addRoundedRect(panel, 4, 4);
    QLinearGradient recess(panel.topLeft(), panel.bottomLeft());
    recess.setColorAt(0.0, base.darker(125));
    recess.setColorAt(1.0, base.lighter(105));
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 55));
    painter.drawPath(panelPath.translated(0.8, 0.8));
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawPath(panelPath.translated(-0.8, -0.8));
    painter.setBrush(recess);
    painter.drawPath(panelPath);
    // A soft sheen across the upper left.
    QLinearGradient sheen(body.topLeft(), body.center());
    sheen.setColorAt(0.0, QColor(255, 255, 255, 40));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setBrush(sheen);
    painter.drawRect(body);
    painter.restore();
    paintEmblem(painter, place.part, body);
}

void paintTitle(QPainter& painter)
{
    const QRect area = skinRect(SkinTarget::Title);
    paintLeather(painter, area, 11);
    paintBevel(painter, QRectF(area), 2, QColor(255, 255, 255, 45), QColor(0, 0, 0, 110));
    paintTooling(painter, QRectF(area));

    const double cx = area.center().x() + 0.5;
    paintGold(painter, quillPath(QRectF(cx - 17, area.top() + 16, 34, 34)));
    QFont font(QStringLiteral("P052"));
    font.setBold(true);
    font.setPixelSize(30);
    const QString name = QStringLiteral("QUILLMERE");
    const double top = area.top() + 60;
    const double step = 29.5;
    for (int i = 0; i < name.size(); ++i) {
        QPainterPath letter;
        letter.addText(0, 0, font, name.mid(i, 1));
        const QRectF ink = letter.boundingRect();
        const double y = top + i * step;
        paintGold(painter, letter.translated(cx - ink.center().x(), y + 11 - ink.center().y()));
    }
}

void paintBanner(QPainter& painter)
{
    const QRectF area(skinRect(SkinTarget::Congratulation));
    QLinearGradient ribbon(area.topLeft(), area.bottomLeft());
    ribbon.setColorAt(0.0, QColor(0xc0, 0x2a, 0x3a));
    ribbon.setColorAt(0.5, QColor(0xa0, 0x1a, 0x2a));
    ribbon.setColorAt(1.0, QColor(0x74, 0x0f, 0x1b));
    painter.fillRect(area, ribbon);
    painter.fillRect(QRectF(area.left(), area.top() + 3, area.width(), 1.2), kGold);
    painter.fillRect(QRectF(area.left(), area.bottom() - 4, area.width(), 1.2), kGold);
    QFont font(QStringLiteral("Z003"));
    font.setPixelSize(36);
    const QPainterPath text = textPath(QStringLiteral("Congratulations!"), font,
                                       QRectF(area.left() + 60, area.top() + 6, area.width() - 120, 28));
    paintGold(painter, text);
    for (double x : {area.left() + 28, area.right() - 28}) {
        paintGold(painter, starPath(QRectF(x - 10, area.center().y() - 10, 20, 20)));
        paintGold(painter, diamondPath(QRectF(x - 22, area.center().y() - 3, 6, 6)));
        paintGold(painter, diamondPath(QRectF(x + 16, area.center().y() - 3, 6, 6)));
    }
}

}  // namespace

QImage paintClassicSkin(int scale)
{
    QImage skin(kMinSkinSize * scale, QImage::Format_RGB32);
    skin.fill(kGap);
    QPainter painter(&skin);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    paintFrame(painter);
    for (const PartPlace& place : partPlaces())
        paintPiece(painter, place);
    paintTitle(painter);
    paintBanner(painter);
    painter.end();
    return skin;
}

}  // namespace quill::skingen
