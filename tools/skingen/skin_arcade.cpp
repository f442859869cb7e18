// arcade.gif: flat pixel art in a handful of colours, drawn without
// antialiasing so that the picture keeps to a small palette.

#include "tools/skingen/paintkit.h"
#include "tools/skingen/skins.h"

#include "game/skin/skinlayout.h"

#include <QHash>
#include <QPainter>

namespace quill::skingen {
namespace {

const QColor kBlack(0x00, 0x00, 0x00);
const QColor kWall(0x22, 0x44, 0xdd);
const QColor kWallLight(0x66, 0x99, 0xff);
const QColor kYellow(0xf8, 0xc8, 0x20);
const QColor kShadow(0xb0, 0x30, 0x10);
const QColor kWhite(0xf8, 0xf8, 0xf8);

struct Tones {
    QColor base;
    QColor light;
    QColor dark;
};

Tones tonesOf(Part part)
{
    switch (part) {
    case Part::Principal:
        return {QColor(0xe8, 0x3e, 0x8c), QColor(0xff, 0x9c, 0xc8), QColor(0x8c, 0x18, 0x50)};
    case Part::Wide:
        return {QColor(0x1f, 0xb8, 0xd8), QColor(0x94, 0xec, 0xff), QColor(0x0c, 0x64, 0x78)};
    case Part::Tall:
        return {QColor(0x5c, 0xc8, 0x3c), QColor(0xb4, 0xf0, 0x8c), QColor(0x2c, 0x6c, 0x18)};
    case Part::Single:
        return {QColor(0xf8, 0xc8, 0x20), QColor(0xff, 0xf0, 0x8c), QColor(0xa0, 0x70, 0x00)};
    case Part::AltPrincipal:
        return {QColor(0xf8, 0x78, 0x18), QColor(0xff, 0xc0, 0x80), QColor(0x94, 0x3c, 0x00)};
    case Part::AltSingle:
        return {QColor(0xa0, 0x70, 0xf0), QColor(0xd8, 0xc0, 0xff), QColor(0x50, 0x30, 0xa0)};
    }
    return {};
}

// A sprite: one character per pixel, '.' for none; `scale` screen pixels each.
void paintSprite(QPainter& painter, const QPoint& at, int scale, std::initializer_list<const char*> rows,
                 const QHash<char, QColor>& colours)
{
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; row[x]; ++x) {
            const auto colour = colours.find(row[x]);
            if (colour != colours.end())
                painter.fillRect(at.x() + x * scale, at.y() + y * scale, scale, scale, *colour);
        }
        ++y;
    }
}

QSize spriteSize(int scale, std::initializer_list<const char*> rows)
{
    return QSize(int(std::strlen(*rows.begin())) * scale, int(rows.size()) * scale);
}

// A 5 x 8 pixel font: capitals and lower case sit on row 6, descenders use row 7.
const char* const* glyph(QChar letter)
{
    static const QHash<QChar, std::array<const char*, 8>> font = {
        {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#", "....."}},
        {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###.", "....."}},
        {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###.", "....."}},
        {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####", "....."}},
        {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#", "....."}},
        {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####", "....."}},
        {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#", "....."}},
        {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###.", "....."}},
        {'o', {".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###.", "....."}},
        {'n', {".....", ".....", "####.", "#...#", "#...#", "#...#", "#...#", "....."}},
        {'g', {".....", ".....", ".####", "#...#", "#...#", ".####", "....#", ".###."}},
        {'r', {".....", ".....", "#.##.", "##..#", "#....", "#....", "#....", "....."}},
        {'a', {".....", ".....", ".###.", "....#", ".####", "#...#", ".####", "....."}},
        {'t', {".#...", ".#...", "####.", ".#...", ".#...", ".#..#", "..##.", "....."}},
        {'u', {".....", ".....", "#...#", "#...#", "#...#", "#..##", ".##.#", "....."}},
        {'l', {".##..", "..#..", "..#..", "..#..", "..#..", "..#..", ".###.", "....."}},
        {'i', {"..#..", ".....", ".##..", "..#..", "..#..", "..#..", ".###.", "....."}},
        {'s', {".....", ".....", ".####", "#....", ".###.", "....#", "####.", "....."}},
        {'!', {"..#..", "..#..", "..#..", "..#..", "..#..", ".....", "..#..", "....."}},
    };
    const auto found = font.find(letter);
    return found == font.end() ? nullptr : found->data();
}

void paintLetter(QPainter& painter, QChar letter, const QPoint& at, int scale, const QColor& colour)
{
    const char* const* rows = glyph(letter);
    if (!rows)
        return;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 5; ++x)
            if (rows[y][x] == '#')
                painter.fillRect(at.x() + x * scale, at.y() + y * scale, scale, scale, colour);
}

void paintWords(QPainter& painter, const QString& text, const QPoint& at, int scale)
{
    for (int i = 0; i < text.size(); ++i) {
        const QPoint letterAt = at + QPoint(i * 6 * scale, 0);
        paintLetter(painter, text[i], letterAt + QPoint(scale, scale), scale, kShadow);
        paintLetter(painter, text[i], letterAt, scale, kYellow);
    }
}

// Two parallel wall lines around `area`, with cut corners.
void paintWalls(QPainter& painter, const QRect& area, const QRect& gap = QRect())
{
    for (int inset : {3, 8}) {
        const QRect wall = area.adjusted(inset, inset, -inset, -inset);
        const QColor colour = inset == 3 ? kWall : kWallLight;
        painter.fillRect(wall.left() + 2, wall.top(), wall.width() - 4, 2, colour);
        painter.fillRect(wall.left() + 2, wall.bottom() - 1, wall.width() - 4, 2, colour);
        painter.fillRect(wall.left(), wall.top() + 2, 2, wall.height() - 4, colour);
        painter.fillRect(wall.right() - 1, wall.top() + 2, 2, wall.height() - 4, colour);
    }
    if (!gap.isNull())
        painter.fillRect(gap, kBlack);
}

void paintFrame(QPainter& painter)
{
    const QRect frame(0, 0, kSkinBoardInside.right() + 21, kSkinBoardInside.bottom() + 21);
    const QRect inside = kSkinBoardInside;
    painter.fillRect(frame, kBlack);
    const QRect exitGap(inside.left() + kSkinCellSize, inside.bottom() + 1, 2 * kSkinCellSize, 20);
    paintWalls(painter, frame, exitGap);
    // The walls turn outwards into the opening.
    for (int x : {exitGap.left() - 2, exitGap.right() + 1})
        painter.fillRect(x, exitGap.top() + 8, 2, 12, kWall);
    const int scale = 2;
    for (int i = 0; i < 3; ++i) {
        const QPoint at(exitGap.center().x() - 30 + i * 24, exitGap.top() + 6);
        paintSprite(painter, at, scale, {"#######", ".#####.", "..###..", "...#..."}, {{'#', kYellow}});
    }
    // The walls around the board's inside.
    painter.fillRect(inside.adjusted(-2, -2, 2, 2), kWall);
    painter.fillRect(inside, kBlack);
}

void paintEmblem(QPainter& painter, Part part, const QRect& cell, const Tones& tones)
{
    const QPoint c = cell.center() + QPoint(1, 1);
    switch (part) {
    case Part::Principal: {
        const std::initializer_list<const char*> quill = {
            "..........WWWW.", "........WWWWWW.", ".......WWWWWSW.", "......WWWWWSWW.",
            ".....WWWWWSWW..", "....WWWWWSWW...", "....WWWWSWW....", "...WWWWSWW.....",
            "...WWWSWW......", "...WWSWW.......", "...WSW.........", "..SS...........",
            ".SS............", "NN.............", "N..............",
        };
        const int scale = 4;
        const QSize size = spriteSize(scale, quill);
        const QPoint at = c - QPoint(size.width() / 2, size.height() / 2);
        paintSprite(painter, at + QPoint(scale, scale), scale, quill,
                    {{'W', tones.dark}, {'S', tones.dark}, {'N', tones.dark}});
        paintSprite(painter, at, scale, quill, {{'W', kWhite}, {'S', tones.light}, {'N', kBlack}});
        break;
    }
    case Part::Wide:
    case Part::Tall: {
        const bool wide = part == Part::Wide;
        for (int i = -1; i <= 1; ++i) {
            const QPoint centre = c + (wide ? QPoint(i * 24, 0) : QPoint(0, i * 24));
            painter.fillRect(centre.x() - 4, centre.y() - 4, 10, 10, tones.dark);
            painter.fillRect(centre.x() - 6, centre.y() - 6, 10, 10, tones.light);
        }
        break;
    }
    case Part::Single: {
        const std::initializer_list<const char*> coin = {"..####..", ".#llll#.", "#ll##ll#", "#l#ll#l#",
                                                         "#l#ll#l#", "#ll##ll#", ".#llll#.", "..####.."};
        paintSprite(painter, c - QPoint(12, 12), 3, coin, {{'#', tones.dark}, {'l', tones.light}});
        break;
    }
    case Part::AltPrincipal: {
        const std::initializer_list<const char*> heart = {".XX.XX.", "XXXXXXX", "XXXXXXX", "XXXXXXX",
                                                          ".XXXXX.", "..XXX..", "...X..."};
        paintSprite(painter, c - QPoint(24, 24) + QPoint(6, 6), 7, heart, {{'X', tones.dark}});
        paintSprite(painter, c - QPoint(24, 24), 7, heart, {{'X', kWhite}});
        break;
    }
    case Part::AltSingle: {
        const std::initializer_list<const char*> star = {"...X...", "...X...", "XXXXXXX", ".XXXXX.",
                                                         "..XXX..", ".XX.XX.", "X.....X"};
        paintSprite(painter, c - QPoint(14, 14), 4, star, {{'X', kWhite}});
        break;
    }
    }
}

void paintBlock(QPainter& painter, const PartPlace& place)
{
    const Tones tones = tonesOf(place.part);
    const QRect cell = place.rect;
    painter.fillRect(cell, kBlack);
    const QRect body = cell.adjusted(1, 1, -1, -1);
    painter.fillRect(body, tones.base);
    painter.fillRect(body.left(), body.top(), body.width(), 3, tones.light);
    painter.fillRect(body.left(), body.top(), 3, body.height(), tones.light);
    painter.fillRect(body.left(), body.bottom() - 2, body.width(), 3, tones.dark);
    painter.fillRect(body.right() - 2, body.top() + 3, 3, body.height() - 3, tones.dark);
    // Cut corners, one pixel of black each.
    for (const QPoint& corner : {body.topLeft(), body.topRight(), body.bottomLeft(), body.bottomRight()})
        painter.fillRect(corner.x(), corner.y(), 1, 1, kBlack);
    paintEmblem(painter, place.part, body, tones);
}

void paintTitle(QPainter& painter)
{
    const QRect area = skinRect(SkinTarget::Title);
    painter.fillRect(area, kBlack);
    paintWalls(painter, area);
    const QString name = QStringLiteral("QUILLMERE");
    const int scale = 4;
    const int step = 8 * scale + 2;
    const int top = area.top() + (area.height() - (name.size() - 1) * step - 7 * scale) / 2;
    for (int i = 0; i < name.size(); ++i)
        paintWords(painter, name.mid(i, 1), QPoint(area.center().x() - 5 * scale / 2, top + i * step), scale);
}

void paintBanner(QPainter& painter)
{
    const QRect area = skinRect(SkinTarget::Congratulation);
    painter.fillRect(area, kBlack);
    painter.fillRect(area.left(), area.top() + 2, area.width(), 2, kWall);
    painter.fillRect(area.left(), area.bottom() - 3, area.width(), 2, kWall);
    const QString text = QStringLiteral("Congratulations!");
    const int scale = 3;
    const int width = text.size() * 6 * scale - scale;
    paintWords(painter, text, QPoint(area.center().x() - width / 2 + 1, area.top() + 9), scale);
    const std::initializer_list<const char*> star = {"...X...", "...X...", "XXXXXXX", ".XXXXX.",
                                                     "..XXX..", ".XX.XX.", "X.....X"};
    for (int x : {area.left() + 10, area.right() - 23})
        paintSprite(painter, QPoint(x, area.top() + 13), 2, star, {{'X', kWhite}});
}

}  // namespace

QImage paintArcadeSkin(int scale)
{
    QImage skin(kMinSkinSize * scale, QImage::Format_RGB32);
    skin.fill(kBlack);
    QPainter painter(&skin);
    painter.scale(scale, scale);
    paintFrame(painter);
    for (const PartPlace& place : partPlaces())
        paintBlock(painter, place);
    paintTitle(painter);
    paintBanner(painter);
    painter.end();
    return skin;
}

}  // namespace quill::skingen
