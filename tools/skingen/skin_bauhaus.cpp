// bauhaus.emf: flat shapes in primary colours, drawn through a FlatCanvas so
// that the same drawing becomes the metafile and its reference picture.

#include "tools/skingen/flatcanvas.h"
#include "tools/skingen/paintkit.h"
#include "tools/skingen/skins.h"

#include "game/skin/skinlayout.h"

#include <QFont>
#include <QPainter>

namespace quill::skingen {
namespace {

const QColor kCream(0xef, 0xe6, 0xd2);
const QColor kBlack(0x1b, 0x1b, 0x1b);
const QColor kRed(0xd1, 0x34, 0x2b);
const QColor kYellow(0xf2, 0xb7, 0x05);
const QColor kBlue(0x1d, 0x4e, 0x9e);
const QColor kGrey(0x8c, 0x8c, 0x8c);

// The part of `shape` that lies inside `box`.
QPainterPath within(const QRectF& box, const QPainterPath& shape)
{
    QPainterPath clip;
    clip.addRect(box);
    return shape.intersected(clip);
}

QPainterPath disc(const QPointF& centre, double radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath triangle(const QPointF& a, const QPointF& b, const QPointF& c)
{
    QPainterPath path;
    path.addPolygon(QPolygonF({a, b, c}));
    path.closeSubpath();
    return path;
}

QFont geometricFont(int pixels)
{
    QFont font(QStringLiteral("URW Gothic"));
    font.setWeight(QFont::DemiBold);
    font.setPixelSize(pixels);
    return font;
}

void drawFrame(FlatCanvas& canvas)
{
    const QRectF frame(0, 0, kSkinBoardInside.right() + 21, kSkinBoardInside.bottom() + 21);
    const QRectF inside(kSkinBoardInside);
    canvas.fillRect(frame, kBlack);
    // A thin cream line runs round the frame, and coloured squares sit in its corners.
    QPainterPath line;
    line.addRect(frame.adjusted(8, 8, -8, -8));
    line.addRect(frame.adjusted(10, 10, -10, -10));
    canvas.fill(line, kCream);
    const double s = 20;
    canvas.fillRect(QRectF(0, 0, s, s), kRed);
    canvas.fillRect(QRectF(frame.right() - s, 0, s, s), kYellow);
    canvas.fillRect(QRectF(0, frame.bottom() - s, s, s), kYellow);
    canvas.fillRect(QRectF(frame.right() - s, frame.bottom() - s, s, s), kBlue);
    canvas.fillEllipse(QRectF(5, 5, 10, 10), kCream);
    canvas.fillEllipse(QRectF(frame.right() - 15, frame.bottom() - 15, 10, 10), kCream);

    // The exit: a yellow opening with a black arrow.
    const QRectF exitGap(inside.left() + kSkinCellSize, inside.bottom(), 2 * kSkinCellSize, 20);
    canvas.fillRect(exitGap, kYellow);
    const QPointF c = exitGap.center();
    canvas.fill(triangle(c + QPointF(-12, -6), c + QPointF(12, -6), c + QPointF(0, 7)), kBlack);
    canvas.fillRect(inside, kBlack);
}

void drawPiece(FlatCanvas& canvas, const PartPlace& place)
{
    const QRectF cell(place.rect);
    const QRectF body = cell.adjusted(2, 2, -2, -2);
    const QPointF c = body.center();
    switch (place.part) {
    case Part::Principal:
        canvas.fillRect(body, kRed);
        canvas.fill(disc(c, 40), kCream);
        canvas.fill(disc(c, 14), kBlack);
        canvas.fill(within(body, disc(body.bottomRight(), 26)), kBlack);
        break;
    case Part::Wide:
        canvas.fillRect(body, kBlue);
        canvas.fill(within(body, disc(QPointF(c.x(), body.bottom()), 24)), kYellow);
        canvas.fillRect(QRectF(body.left() + 12, body.top() + 12, 14, 14), kCream);
        break;
    case Part::Tall:
        canvas.fillRect(body, kYellow);
        canvas.fill(within(body, disc(body.topLeft(), 38)), kBlack);
        canvas.fill(disc(QPointF(c.x(), body.bottom() - 24), 9), kRed);
        break;
    case Part::Single:
        canvas.fillRect(body, kCream);
        canvas.fill(triangle(c + QPointF(-15, 12), c + QPointF(15, 12), c + QPointF(0, -14)), kBlack);
        break;
    case Part::AltPrincipal:
        canvas.fillRect(body, kCream);
        canvas.fill(disc(c, 50), kYellow);
        canvas.fill(disc(c, 34), kBlue);
        canvas.fill(disc(c, 20), kRed);
        break;
    case Part::AltSingle:
        canvas.fillRect(body, kGrey);
        canvas.fill(disc(c, 17), kRed);
        break;
    }
}

void drawTitle(FlatCanvas& canvas)
{
    const QRectF area(skinRect(SkinTarget::Title));
    canvas.fillRect(area, kBlack);
    const QRectF panel = area.adjusted(4, 4, -4, -4);
    canvas.fillRect(panel, kCream);
    canvas.fill(disc(QPointF(panel.left() + 26, panel.top() + 28), 18), kRed);
    canvas.fillRect(QRectF(panel.right() - 34, panel.top() + 14, 24, 24), kBlue);
    canvas.fill(triangle(QPointF(panel.left() + 12, panel.top() + 82), QPointF(panel.right() - 12, panel.top() + 82),
                         QPointF(panel.center().x(), panel.top() + 52)),
                kYellow);
    // The name runs up the panel, in lower case as the Bauhaus wrote it.
    const QPainterPath name = textPath(QStringLiteral("quillmere"), geometricFont(60), QRectF(0, 0, 224, 56));
    QTransform turn;
    turn.translate(panel.center().x(), panel.bottom() - 124);
    turn.rotate(-90);
    turn.translate(-112, -28);
    canvas.fill(turn.map(name), kBlack);
}

void drawBanner(FlatCanvas& canvas)
{
    const QRectF area(skinRect(SkinTarget::Congratulation));
    canvas.fillRect(area, kBlue);
    canvas.fillRect(QRectF(area.left(), area.top(), area.width(), 4), kBlack);
    canvas.fillRect(QRectF(area.left(), area.bottom() - 3, area.width(), 4), kBlack);
    canvas.fill(textPath(QStringLiteral("Congratulations!"), geometricFont(30),
                         QRectF(area.left() + 48, area.top() + 9, area.width() - 96, 23)),
                kCream);
    const QPointF middle(area.left(), area.center().y());
    canvas.fill(disc(middle + QPointF(22, 0), 10), kRed);
    const QPointF end(area.right() - 22, area.center().y());
    canvas.fill(triangle(end + QPointF(-11, 9), end + QPointF(11, 9), end + QPointF(0, -10)), kYellow);
}

}  // namespace

void drawBauhausSkin(FlatCanvas& canvas)
{
    canvas.fillRect(QRectF(QPointF(0, 0), kMinSkinSize), kBlack);
    drawFrame(canvas);
    for (const PartPlace& place : partPlaces())
        drawPiece(canvas, place);
    drawTitle(canvas);
    drawBanner(canvas);
}

QImage paintBauhausSkin()
{
    QImage skin(kMinSkinSize, QImage::Format_RGB32);
    skin.fill(kBlack);
    QPainter painter(&skin);
    painter.setRenderHint(QPainter::Antialiasing);
    PainterCanvas canvas(painter);
    drawBauhausSkin(canvas);
    painter.end();
    return skin;
}

}  // namespace quill::skingen
