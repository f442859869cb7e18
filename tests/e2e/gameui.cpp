#include "tests/e2e/gameui.h"

#include "game/skin/skinlayout.h"
#include "model/rounding.h"
#include "model/shapes.h"

#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace quill::e2e {
namespace {

constexpr int kCell = 60;
constexpr QPoint kBoardOrigin(30, 30);
// The left margin of the client area, outside the frame: the window's own
// background, which empty cells show as well.
constexpr QPoint kBackgroundProbe(3, 200);

// Points spread over a picture of `size`, a few pixels in from its edges.
QList<QPoint> samplePoints(QSize size, int perSide = 5)
{
    QList<QPoint> points;
    const int inset = 4;
    for (int i = 0; i < perSide; ++i) {
        for (int j = 0; j < perSide; ++j) {
            points << QPoint(inset + (size.width() - 2 * inset - 1) * i / (perSide - 1),
                             inset + (size.height() - 2 * inset - 1) * j / (perSide - 1));
        }
    }
    return points;
}

QString colour(QRgb rgb)
{
    return QStringLiteral("#%1").arg(rgb & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

bool inside(const QImage& image, QPoint p)
{
    return image.rect().contains(p);
}

// Whether the picture cut from `skinRect` stands with its top-left corner
// at `at` on the screenshot.
bool pictureAt(const QImage& shot, QPoint at, const QImage& skin, const QRect& skinRect, int perSide = 5)
{
    for (const QPoint& p : samplePoints(skinRect.size(), perSide)) {
        const QPoint screen = at + p;
        if (!inside(shot, screen) || shot.pixel(screen) != skin.pixel(skinRect.topLeft() + p))
            return false;
    }
    return true;
}

}  // namespace

std::optional<std::vector<Move>> optimalSolution(const ProgramFolder& folder, int number, Problem* problem)
{
    const ToolRun run = runTool(folder.file(QStringLiteral("qlmtool")),
                                {QStringLiteral("solve"), QStringLiteral("--level"), QString::number(number),
                                 QStringLiteral("--json")},
                                QProcessEnvironment::systemEnvironment(), 60000);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(run.out, &error);
    const QJsonArray moves = document.object().value(QStringLiteral("moves")).toArray();
    if (!run.finished || run.exitCode != 0 || error.error != QJsonParseError::NoError
        || document.object().value(QStringLiteral("steps")).toInt(-1) != moves.size()) {
        if (problem)
            *problem = QStringLiteral("qlmtool solve --level %1 --json gave no solution: %2 %3")
                           .arg(number)
                           .arg(QString::fromLocal8Bit(run.out), QString::fromLocal8Bit(run.err));
        return std::nullopt;
    }
    std::vector<Move> solution;
    for (const QJsonValue& value : moves) {
        const QJsonObject move = value.toObject();
        solution.push_back({move.value(QStringLiteral("piece")).toInt(),
                            static_cast<int16_t>(move.value(QStringLiteral("from")).toInt()),
                            static_cast<int16_t>(move.value(QStringLiteral("to")).toInt())});
    }
    return solution;
}

QString levelLine(const LevelTable& levels, int k)
{
    return QStringLiteral("Level %1 - %2").arg(k + 1).arg(levels[k].name);
}

QByteArray savedGameBytes(int32_t steps, int16_t level, const QByteArray& nameBytes, const Positions& positions)
{
    QByteArray bytes;
    const auto littleEndian = [&bytes](uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    littleEndian(static_cast<uint32_t>(steps), 4);
    littleEndian(static_cast<uint16_t>(level), 2);
    bytes.append(nameBytes.left(kNameLength));
    for (int16_t value : positions)
        littleEndian(static_cast<uint16_t>(value), 2);
    return bytes;
}

QPoint chooserConfirmButton()
{
    return QRect(twipsToPixels(604), twipsToPixels(3000), twipsToPixels(1695), twipsToPixels(495)).center();
}

QPoint chooserCancelButton()
{
    return QRect(twipsToPixels(2891), twipsToPixels(3000), twipsToPixels(1695), twipsToPixels(495)).center();
}

QImage skinPicture(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

Problem boardProblem(const QImage& shot, QPoint client, const Positions& positions, const QImage& skin)
{
    if (shot.isNull())
        return QStringLiteral("no screenshot");
    std::array<std::array<bool, kColumns>, kRows> covered{};
    for (int piece = 0; piece < kPieceCount; ++piece) {
        const int col = columnOf(positions[piece]);
        const int row = rowOf(positions[piece]);
        const QRect rect = skinRect(SkinTarget::Piece, piece);
        const QPoint at = client + kBoardOrigin + QPoint(kCell * col, kCell * row);
        for (const QPoint& p : samplePoints(rect.size())) {
            const QPoint screen = at + p;
            const QRgb seen = inside(shot, screen) ? shot.pixel(screen) : 0;
            const QRgb wanted = skin.pixel(rect.topLeft() + p);
            if (seen != wanted) {
                return QStringLiteral("piece %1 is not drawn at position value %2: pixel %3,%4 of its "
                                      "picture shows %5 instead of %6")
                    .arg(piece)
                    .arg(positions[piece])
                    .arg(p.x())
                    .arg(p.y())
                    .arg(colour(seen), colour(wanted));
            }
        }
        forEachCell(piece, col, row, [&](int c, int r) { covered[r][c] = true; });
    }
    const QRgb background = shot.pixel(client + kBackgroundProbe);
    for (int row = 0; row < kRows; ++row) {
        for (int col = 0; col < kColumns; ++col) {
            const QPoint centre = client + kBoardOrigin + QPoint(kCell * col + kCell / 2, kCell * row + kCell / 2);
            if (!covered[row][col] && shot.pixel(centre) != background)
                return QStringLiteral("the empty cell at column %1, row %2 is not empty").arg(col).arg(row);
        }
    }
    return {};
}

std::optional<QPoint> locateBoard(const QImage& shot, const QRect& window, const QImage& skin)
{
    const QRect upFrame = skinRect(SkinTarget::UpFrame);
    const QRect title = skinRect(SkinTarget::Title);
    for (int dy = 0; dy + kGameClientSize.height() <= window.height(); ++dy) {
        for (int dx = 0; dx + kGameClientSize.width() <= window.width(); ++dx) {
            const QPoint client = window.topLeft() + QPoint(dx, dy);
            if (pictureAt(shot, client + QPoint(10, 10), skin, upFrame, 8)
                && pictureAt(shot, client + QPoint(310, 10), skin, title, 8))
                return client;
        }
    }
    return std::nullopt;
}

int differingPixels(const QImage& a, QPoint clientA, const QImage& b, QPoint clientB, const QRect& area)
{
    int differing = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QPoint pa = clientA + QPoint(x, y);
            const QPoint pb = clientB + QPoint(x, y);
            if (!inside(a, pa) || !inside(b, pb) || a.pixel(pa) != b.pixel(pb))
                ++differing;
        }
    }
    return differing;
}

Problem GameUi::attach(int timeoutMs)
{
    const std::optional<Window> found =
        desktop_.waitForWindow(QStringLiteral("Quillmere"), program_.pid(), timeoutMs);
    if (!found)
        return QStringLiteral("no window \"Quillmere\" appeared; the game said: ")
               + QString::fromLocal8Bit(program_.output());
    window_ = *found;
    // The window is the menu bar over the fixed client area.
    client_ = window_.geometry.bottomLeft() - QPoint(0, kGameClientSize.height() - 1);
    return desktop_.focus(window_.id);
}

QPoint GameUi::cellCentre(int col, int row) const
{
    return screenPoint(kBoardOrigin + QPoint(kCell * col + kCell / 2, kCell * row + kCell / 2));
}

Problem GameUi::fileCommand(const QString& accessKey)
{
    if (Problem p = desktop_.focus(window_.id); !p.isEmpty())
        return p;
    return desktop_.keys({QStringLiteral("alt+f"), accessKey});
}

Problem GameUi::chooseLine(const Window& dialog, int row, const QString& expectedLine)
{
    if (Problem p = desktop_.focus(dialog.id); !p.isEmpty())
        return p;
    if (Problem p = desktop_.clearClipboard(); !p.isEmpty())
        return p;
    // Home reaches the first line; Space selects it where Home found it
    // current already, Down selects each next one.
    QStringList keys = {QStringLiteral("Home")};
    if (row == 0)
        keys << QStringLiteral("space");
    for (int i = 0; i < row; ++i)
        keys << QStringLiteral("Down");
    keys << QStringLiteral("ctrl+c");
    if (Problem p = desktop_.keys(keys); !p.isEmpty())
        return p;
    std::optional<QString> copied;
    waitUntil(
        [&] {
            copied = desktop_.clipboard();
            return copied && *copied == expectedLine;
        },
        3000);
    if (!copied || *copied != expectedLine) {
        return QStringLiteral("line %1 of the list reads \"%2\", not \"%3\"")
            .arg(row)
            .arg(copied.value_or(QStringLiteral("(unreadable)")), expectedLine);
    }
    return {};
}

Problem GameUi::newGame(int levelIndex, const QString& expectedLine)
{
    if (Problem p = fileCommand(QStringLiteral("n")); !p.isEmpty())
        return p;
    const std::optional<Window> chooser = desktop_.waitForWindow(QStringLiteral("Choose Level"), program_.pid());
    if (!chooser)
        return QStringLiteral("Alt+F, N opened no \"Choose Level\" window");
    if (Problem p = chooseLine(*chooser, levelIndex, expectedLine); !p.isEmpty())
        return p;
    // The list comes first in the tab order, Set Level next.
    if (Problem p = desktop_.keys({QStringLiteral("Tab"), QStringLiteral("space")}); !p.isEmpty())
        return p;
    if (!desktop_.waitForNoWindow(QStringLiteral("Choose Level"), program_.pid()))
        return QStringLiteral("Set Level did not close the level chooser");
    return {};
}

Problem GameUi::waitForBoard(const Positions& positions, const QImage& skin, int timeoutMs)
{
    if (Problem p = desktop_.parkPointer(); !p.isEmpty())
        return p;
    Problem last = QStringLiteral("no screenshot was taken");
    const bool shown = waitUntil(
        [&] {
            const QImage shot = desktop_.screenshot();
            const std::optional<QPoint> client = locateBoard(shot, window_.geometry, skin);
            if (!client) {
                last = QStringLiteral("the frame and title pictures are nowhere in the window");
                return false;
            }
            last = boardProblem(shot, *client, positions, skin);
            if (last.isEmpty())
                client_ = *client;
            return last.isEmpty();
        },
        timeoutMs, 100);
    return shown ? Problem() : last;
}

Problem GameUi::slide(int16_t from, int16_t to)
{
    return desktop_.drag(cellCentre(columnOf(from), rowOf(from)), cellCentre(columnOf(to), rowOf(to)));
}

Problem GameUi::saveGame(const QString& name)
{
    if (Problem p = fileCommand(QStringLiteral("s")); !p.isEmpty())
        return p;
    return nameGame(name);
}

Problem GameUi::nameGame(const QString& name)
{
    const QString title = QStringLiteral("Quillmere - Saving Game");
    const std::optional<Window> box = desktop_.waitForWindow(title, program_.pid());
    if (!box)
        return QStringLiteral("no input box \"%1\" appeared").arg(title);
    if (Problem p = desktop_.focus(box->id); !p.isEmpty())
        return p;
    if (Problem p = desktop_.type(name); !p.isEmpty())
        return p;
    if (Problem p = desktop_.keys({QStringLiteral("Return")}); !p.isEmpty())
        return p;
    if (!desktop_.waitForNoWindow(title, program_.pid()))
        return QStringLiteral("Enter did not close the input box");
    return {};
}

std::optional<Window> GameUi::openLoadGame(const QString& answer)
{
    if (!fileCommand(QStringLiteral("l")).isEmpty())
        return std::nullopt;
    if (!desktop_.answer(QStringLiteral("Quillmere - Load game"), program_.pid(), {answer}).isEmpty())
        return std::nullopt;
    return desktop_.waitForWindow(QStringLiteral("Load Game"), program_.pid());
}

Problem GameUi::chooseFile(const QString& accessKey, const QString& title, int row, const QString& fileName)
{
    if (Problem p = fileCommand(accessKey); !p.isEmpty())
        return p;
    const std::optional<Window> chooser = desktop_.waitForWindow(title, program_.pid());
    if (!chooser)
        return QStringLiteral("Alt+F, %1 opened no \"%2\" window").arg(accessKey.toUpper(), title);
    if (Problem p = chooseLine(*chooser, row, fileName); !p.isEmpty())
        return p;
    if (Problem p = desktop_.click(chooser->geometry.topLeft() + chooserConfirmButton()); !p.isEmpty())
        return p;
    if (!desktop_.waitForNoWindow(title, program_.pid()))
        return QStringLiteral("the chooser's confirm button did not close it");
    return {};
}

Problem GameUi::loadGame(int row, const QString& fileName)
{
    return chooseFile(QStringLiteral("l"), QStringLiteral("Load Game"), row, fileName);
}

Problem GameUi::setSkin(int row, const QString& fileName)
{
    return chooseFile(QStringLiteral("k"), QStringLiteral("Load Skin"), row, fileName);
}

Problem GameUi::exitQuietly()
{
    if (Problem p = fileCommand(QStringLiteral("x")); !p.isEmpty())
        return p;
    if (!program_.waitForEnd(10000))
        return QStringLiteral("Exit did not end the game");
    if (program_.exitCode() != 0)
        return QStringLiteral("the game ended with exit code %1").arg(program_.exitCode());
    return {};
}

}  // namespace quill::e2e
