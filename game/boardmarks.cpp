#include "game/boardmarks.h"

#include "model/drag.h"

#include <QLabel>
#include <QPainter>

#include <cmath>

namespace quill {
namespace {

const QColor kDark(0, 0, 0);
const QColor kLight(255, 255, 255);
// The hint's colours: cyan, and magenta for pictures that look like cyan.
const std::array<QColor, 2> kHintColours = {QColor(0, 230, 255), QColor(255, 64, 208)};

// A colour closer than this to a hint colour (see colourDistanceSquared) could be
// taken for the mark.
constexpr double kLikeDistance = 150;
// How far in from a piece's edge its picture lies under the hint's band.
constexpr int kBandReachPx = 12;

// The square of the distance of two colours as the eye roughly sees it:
// red, green and blue weighted by the mean red (0 to about 765 squared).
double colourDistanceSquared(QRgb a, QRgb b)
{
    const double meanRed = (qRed(a) + qRed(b)) / 2.0;
    const double dr = qRed(a) - qRed(b);
    const double dg = qGreen(a) - qGreen(b);
    const double db = qBlue(a) - qBlue(b);
    return (2 + meanRed / 256) * dr * dr + 4 * dg * dg + (2 + (255 - meanRed) / 256) * db * db;
}

bool looksLike(QRgb a, const QColor& b)
{
    return colourDistanceSquared(a, b.rgb()) < kLikeDistance * kLikeDistance;
}

// The share of the pixels along the edge of `picture` that look like
// `colour`; every other pixel of every other line is enough, counted in the
// picture's own pixels (`scale` device pixels each), so that a picture costs
// the same at every size.
double edgeLikeness(const QImage& picture, qreal scale, const QColor& colour)
{
    const int reach = std::max(1, qRound(kBandReachPx * scale));
    const int step = 2 * std::max(1, int(scale));
    const bool premultiplied = picture.format() == QImage::Format_ARGB32_Premultiplied;
    int like = 0;
    int seen = 0;
    auto look = [&](const QRgb* line, int from, int to) {
        for (int x = from; x < to; x += step) {
            ++seen;
            like += looksLike(premultiplied ? qUnpremultiply(line[x]) | 0xff000000 : line[x], colour);
        }
    };
    for (int y = 0; y < picture.height(); y += step) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        if (y < reach || y >= picture.height() - reach) {
            look(line, 0, picture.width());
        } else {
            look(line, 0, std::min(reach, picture.width()));
            look(line, std::max(reach, picture.width() - reach), picture.width());
        }
    }
    return seen ? double(like) / seen : 0.0;
}

// Lengths of the marks, in pixels of the window (logical pixels).
struct Band {
    double inset;  // from the marked rectangle's edge
    double edge;   // each dark edge
    double width;  // the light band between them
};
constexpr Band kHintBand{0, 2, 4};
constexpr Band kFrameBand{0, 2, 4};
constexpr Band kHeldFrameBand{0, 2, 7};
constexpr Band kTargetBand{0, 2, 3};
constexpr double kTargetWashInset = 2;
// Hatching of the target cells: a light line between dark ones, repeated
// along the diagonal, widths measured across the cells.
constexpr double kHatchPeriod = 14;
constexpr double kHatchEdge = 1.5;
constexpr double kHatchLight = 3;

// Everything is drawn in whole device pixels, so that edges stay crisp and
// every line of a pattern is as wide as the next at any pixel ratio.
class DevicePainter {
public:
    // Rectangles are in logical pixels; lengths in board pixels, which are
    // `zoom` logical pixels each.
    DevicePainter(QPainter& painter, qreal ratio, double zoom) : painter_(painter), ratio_(ratio), zoom_(zoom)
    {
        painter_.scale(1 / ratio, 1 / ratio);
        painter_.setRenderHint(QPainter::Antialiasing, false);
    }

    int px(double logical) const { return int(std::lround(logical * ratio_)); }
    int length(double board) const { return px(board * zoom_); }
    int atLeastOne(double board) const { return std::max(1, length(board)); }
    QRect rect(const QRect& logical) const
    {
        const int left = px(logical.x());
        const int top = px(logical.y());
        return {left, top, px(logical.x() + logical.width()) - left, px(logical.y() + logical.height()) - top};
    }
    QRect inset(const QRect& logical, double by) const
    {
        const int d = length(by);
        return rect(logical).adjusted(d, d, -d, -d);
    }

    // The ring of `thickness` just inside `outer`, whole or in dashes of
    // `dash` pixels with gaps of `gap`, each side dashed from its start.
    void ring(const QRect& outer, int thickness, const QColor& colour, int dash = 0, int gap = 0)
    {
        const int t = std::min({thickness, outer.width() / 2, outer.height() / 2});
        if (t <= 0)
            return;
        const QRect sides[] = {
            {outer.left(), outer.top(), outer.width(), t},
            {outer.left(), outer.bottom() - t + 1, outer.width(), t},
            {outer.left(), outer.top() + t, t, outer.height() - 2 * t},
            {outer.right() - t + 1, outer.top() + t, t, outer.height() - 2 * t},
        };
        for (const QRect& side : sides) {
            if (dash <= 0) {
                painter_.fillRect(side, colour);
                continue;
            }
            const bool across = side.width() >= side.height() && side.height() == t;
            const int length = across ? side.width() : side.height();
            for (int at = 0; at < length; at += dash + gap) {
                const int run = std::min(dash, length - at);
                painter_.fillRect(across ? QRect(side.left() + at, side.top(), run, t)
                                         : QRect(side.left(), side.top() + at, t, run),
                                  colour);
            }
        }
    }

    // A band of `light` between dark edges inside the logical `rect`.
    void band(const QRect& rect, const Band& band, const QColor& light, bool dashed = false, double extraInset = 0)
    {
        const double inset = band.inset + extraInset;
        const QRect outer = this->inset(rect, inset);
        const int edge = atLeastOne(band.edge);
        const int width = atLeastOne(band.width);
        ring(outer, edge + width + edge, kDark);
        const QRect lightOuter = outer.adjusted(edge, edge, -edge, -edge);
        // Dashes as long as twice the band, gaps the same.
        ring(lightOuter, width, light, dashed ? 2 * width : 0, dashed ? 2 * width : 0);
    }

    // A see-through wash and diagonal hatching over the cells of `rect`.
    void hatch(const QRect& rect, const QColor& light)
    {
        const QRect area = inset(rect, kTargetWashInset);
        QColor wash = light;
        wash.setAlpha(90);
        painter_.fillRect(area, wash);
        const int period = std::max(4, length(kHatchPeriod));
        const int edge = atLeastOne(kHatchEdge);
        const int width = atLeastOne(kHatchLight);
        QImage tile(period, period, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < period; ++y) {
            for (int x = 0; x < period; ++x) {
                const int along = (x + y) % period;
                const QColor colour = along < edge                 ? kDark
                                      : along < edge + width       ? light
                                      : along < 2 * edge + width   ? kDark
                                                                   : QColor(Qt::transparent);
                tile.setPixelColor(x, y, colour);
            }
        }
        painter_.setBrushOrigin(area.topLeft());
        painter_.fillRect(area, QBrush(tile));
    }

    void tint(const QRect& rect, double inset, const QColor& colour) { painter_.fillRect(this->inset(rect, inset), colour); }

private:
    QPainter& painter_;
    qreal ratio_;
    double zoom_;
};

// The pixels of the cells that `piece` covers from its top-left `cell`.
QRect cellsOf(int piece, PieceDrag::Cell cell)
{
    const Shape& shape = shapeOf(piece);
    return {pieceLeftPx(cell.col), pieceTopPx(cell.row), kCellPx * shape.width, kCellPx * shape.height};
}

}  // namespace

BoardMarks boardMarksOf(const GameSession& session)
{
    BoardMarks marks;
    if (const std::optional<GameSession::Hint>& hint = session.hint()) {
        marks.hintPiece = cellsOf(hint->piece, session.pictureCell(hint->piece));
        marks.hintTarget = cellsOf(hint->piece, hint->target);
        marks.hintIndex = hint->piece;
    }
    if (session.playing() && session.selectionShown()) {
        const int16_t piece = session.selectedPiece();
        marks.selection = cellsOf(piece, session.pictureCell(piece));
        marks.held = session.holding();
    }
    return marks;
}

BoardMarksView::BoardMarksView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("boardMarks"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void BoardMarksView::setMarks(const BoardMarks& marks, double zoom)
{
    if (marks == marks_ && zoom == zoom_)
        return;
    marks_ = marks;
    zoom_ = zoom;
    update();
}

void BoardMarksView::setPiecePictures(const std::array<QLabel*, kPieceCount>& pieces, double zoom)
{
    for (int i = 0; i < kPieceCount; ++i) {
        const QPixmap picture = pieces[i]->pixmap();
        QImage pixels = picture.toImage();
        if (pixels.format() != QImage::Format_RGB32 && pixels.format() != QImage::Format_ARGB32_Premultiplied)
            pixels.convertTo(QImage::Format_RGB32);
        for (std::size_t c = 0; c < kHintColours.size(); ++c)
            likeness_[i][c] = edgeLikeness(pixels, picture.devicePixelRatio() * zoom, kHintColours[c]);
    }
    update();
}

QColor BoardMarksView::hintColour() const
{
    // The piece's edge under the band and the background under the target
    // count alike; the first colour wins a tie.
    const QColor background = palette().color(QPalette::Window);
    std::size_t best = 0;
    double bestLikeness = 0;
    for (std::size_t c = 0; c < kHintColours.size(); ++c) {
        double likeness = looksLike(background.rgb(), kHintColours[c]) ? 1.0 : 0.0;
        if (marks_.hintIndex >= 0 && marks_.hintIndex < kPieceCount)
            likeness += likeness_[marks_.hintIndex][c];
        if (c == 0 || likeness < bestLikeness) {
            best = c;
            bestLikeness = likeness;
        }
    }
    return kHintColours[best];
}

void BoardMarksView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    DevicePainter device(painter, devicePixelRatioF(), zoom_);
    const QColor hint = hintColour();
    if (marks_.hintTarget) {
        device.hatch(*marks_.hintTarget, hint);
        device.band(*marks_.hintTarget, kTargetBand, hint, true);
    }
    if (marks_.hintPiece)
        device.band(*marks_.hintPiece, kHintBand, hint);
    // The keyboard's frame: black and white dashes, which no skin colour
    // hides; a held piece is darkened under a broader frame. On the hinted
    // piece the frame goes inside the hint's band, so that both show.
    if (marks_.selection) {
        const double inside = marks_.selection == marks_.hintPiece
                                  ? kHintBand.inset + 2 * kHintBand.edge + kHintBand.width
                                  : 0;
        if (marks_.held)
            device.tint(*marks_.selection, inside + 3, QColor(0, 0, 0, 90));
        device.band(*marks_.selection, marks_.held ? kHeldFrameBand : kFrameBand, kLight, true, inside);
    }
}

}  // namespace quill
