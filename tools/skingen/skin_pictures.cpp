// The About box picture and the program icon.

#include "tools/skingen/paintkit.h"
#include "tools/skingen/skins.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace quill::skingen {
namespace {

// Drawn large and scaled down, so that small pictures stay smooth.
constexpr int kOversample = 8;

// The quill dipped in an inkwell, the nib in the ink at the lower right.
void paintQuillAndInk(QPainter& painter, const QRectF& box, bool withInkwell)
{
    const double w = box.width();
    const double h = box.height();
    QTransform mirror;
    mirror.translate(box.left() + w, box.top());
    mirror.scale(-1, 1);
    const QRectF featherBox(w * 0.02, h * 0.02, w * (withInkwell ? 0.78 : 0.96), h * (withInkwell ? 0.78 : 0.96));
    const QPainterPath feather = mirror.map(quillPath(featherBox));
    const QPainterPath shaft = mirror.map(quillShaftPath(featherBox));

    if (withInkwell) {
        const QRectF pot(box.left() + w * 0.50, box.top() + h * 0.66, w * 0.44, h * 0.32);
        QPainterPath body;
        body.addRoundedRect(pot, w * 0.06, w * 0.06);
        QLinearGradient glass(pot.topLeft(), pot.topRight());
        glass.setColorAt(0.0, QColor(0x3a, 0x4c, 0x7a));
        glass.setColorAt(0.45, QColor(0x16, 0x20, 0x3c));
        glass.setColorAt(1.0, QColor(0x0a, 0x10, 0x22));
        painter.setPen(Qt::NoPen);
        painter.setBrush(glass);
        painter.drawPath(body);
        const QRectF neck(pot.center().x() - w * 0.10, pot.top() - h * 0.07, w * 0.20, h * 0.09);
        painter.setBrush(QColor(0x10, 0x18, 0x30));
        painter.drawRoundedRect(neck, w * 0.02, w * 0.02);
        painter.setBrush(QColor(255, 255, 255, 90));
        painter.drawRoundedRect(QRectF(pot.left() + w * 0.05, pot.top() + h * 0.05, w * 0.05, pot.height() * 0.6),
                                w * 0.02, w * 0.02);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawPath(feather.translated(w * 0.015, h * 0.02));
    QLinearGradient vane(box.topLeft(), box.bottomRight());
    vane.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
    vane.setColorAt(0.6, QColor(0xec, 0xe9, 0xe2));
    vane.setColorAt(1.0, QColor(0xb9, 0xb4, 0xa8));
    painter.setBrush(vane);
    painter.setPen(QPen(QColor(0x4a, 0x42, 0x38), std::max(w, h) * 0.022));
    painter.drawPath(feather);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x7a, 0x70, 0x60));
    painter.drawPath(shaft);
}

}  // namespace

QImage paintQuillPicture(int scale)
{
    const QSize size = QSize(50, 52) * scale;
    QImage large(size * kOversample, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&large);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient parchment(0, 0, large.width(), large.height());
    parchment.setColorAt(0.0, QColor(0xf7, 0xee, 0xd6));
    parchment.setColorAt(1.0, QColor(0xe0, 0xcc, 0x9c));
    painter.fillRect(large.rect(), parchment);
    const double margin = 16 * scale;
    paintQuillAndInk(painter, QRectF(large.rect()).adjusted(margin, margin, -margin, -margin), true);
    painter.end();
    return large.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

QImage paintProgramIcon(int size)
{
    const int big = size * kOversample;
    QImage large(big, big, QImage::Format_ARGB32_Premultiplied);
    large.fill(Qt::transparent);
    QPainter painter(&large);
    painter.setRenderHint(QPainter::Antialiasing);
    // A crimson tile, like the principal piece, with the quill on it.
    const QRectF tile = QRectF(large.rect()).adjusted(big * 0.03, big * 0.03, -big * 0.03, -big * 0.03);
    QPainterPath shape;
    shape.addRoundedRect(tile, big * 0.16, big * 0.16);
    QLinearGradient face(tile.topLeft(), tile.bottomLeft());
    face.setColorAt(0.0, QColor(0xc2, 0x2a, 0x3a));
    face.setColorAt(1.0, QColor(0xa0, 0x1c, 0x2c));
    painter.setPen(QPen(QColor(0x4a, 0x08, 0x10), big * 0.03));
    painter.setBrush(face);
    painter.drawPath(shape);
    paintQuillAndInk(painter, tile.adjusted(big * 0.12, big * 0.10, -big * 0.12, -big * 0.14), false);
    painter.end();
    return large.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace quill::skingen
