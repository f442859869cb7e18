// The marks over the board as the player sees them: drawn over the real
// pictures of a skin, the hint and the keyboard's frame both show on one
// piece, and the hint stands out on a picture of its own colour.

#include "game/frmMain.h"
#include "game/skin/skinlayout.h"
#include "model/settings.h"
#include "tests/game/gamefixture.h"

#include <QPainter>
#include <QtTest>

#include <cmath>

using namespace quill;
using namespace quill::test;

namespace {

// Level 1: the principal piece one row above the goal, so that the hint and
// the keyboard's first frame both fall on it.
LevelTable markLevels()
{
    LevelTable levels = sampleLevels();
    levels[0].positions = {21, 1, 0, 3, 20, 23, 11, 12, 40, 43};
    return levels;
}

// A skin of flat colours whose principal piece is `principal`.
void writeSkin(const ProgramFolder& folder, const QColor& principal)
{
    QImage skin = colouredSkin(0);
    QPainter(&skin).fillRect(skinRect(SkinTarget::Piece, 0), principal);
    QVERIFY(skin.save(folder.file("skins/flat.bmp"), "BMP"));
    QVERIFY(writeSettingsFile(folder.file("qlm.ini"), QStringLiteral("flat.bmp")).ok());
}

double distance(QRgb a, QRgb b)
{
    return std::hypot(qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b));
}

// How many pixels of `area` of the board have exactly `colour`.
int pixelsOf(const QImage& board, const QRect& area, const QColor& colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += board.pixel(x, y) == colour.rgb();
    return count;
}

// A level on show with the hint asked for and the keyboard's frame on the
// hinted piece (picking a piece up ends the hint).
struct MarkedGame {
    explicit MarkedGame(const QColor& principal)
        : game(markLevels(), [&](const ProgramFolder& folder) { writeSkin(folder, principal); })
    {
        frmMain& w = *game.window;
        game.newGame(0);
        w.mnuHint->trigger();
        w.session.PressKey(GameSession::Key::Up);
        w.picMarks->setMarks(boardMarksOf(w.session));
    }

    QImage board() const { return game.window->picBoard->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    StartedGame game;
};

}  // namespace

class TestBoardMarks : public QObject {
    Q_OBJECT

private slots:
    void frameAndHintBothShowOnOnePiece();
    void hintStandsOutOnItsOwnColour_data();
    void hintStandsOutOnItsOwnColour();
};

void TestBoardMarks::frameAndHintBothShowOnOnePiece()
{
    MarkedGame marked(QColor(120, 60, 40));
    const BoardMarks& marks = marked.game.window->picMarks->marks();
    QVERIFY(marks.hintPiece && marks.selection);
    QCOMPARE(*marks.selection, *marks.hintPiece);
    const QImage board = marked.board();
    // Both marks keep a band of their own colours around the piece: the
    // hint's colour along its sides, the frame's white dashes inside it. The
    // hint's target covers the piece's lower half, so the upper half is seen.
    const QRect piece = *marks.hintPiece;
    const QColor hint = marked.game.window->picMarks->hintColour();
    for (const QRect& side : {QRect(piece.left(), piece.top() + 10, 10, 45), QRect(piece.right() - 9, piece.top() + 10, 10, 45),
                              QRect(piece.left() + 20, piece.top(), 80, 10)})
        QVERIFY2(pixelsOf(board, side, hint) >= 100, "the hint's band is hidden");
    const QRect inside(piece.left() + 8, piece.top() + 8, piece.width() - 16, 50);
    QVERIFY2(pixelsOf(board, inside, Qt::white) >= 100, "the keyboard's frame is hidden");
    QCOMPARE(pixelsOf(board, inside, hint), 0);
}

void TestBoardMarks::hintStandsOutOnItsOwnColour_data()
{
    QTest::addColumn<QColor>("principal");
    QTest::newRow("the hint's cyan") << QColor(0, 230, 255);
    QTest::newRow("the arcade skin's wide piece") << QColor(0x1f, 0xb8, 0xd8);
    QTest::newRow("its opposite") << QColor(255, 64, 208);
    QTest::newRow("dark red") << QColor(120, 20, 30);
}

void TestBoardMarks::hintStandsOutOnItsOwnColour()
{
    QFETCH(QColor, principal);
    MarkedGame marked(principal);
    const QImage board = marked.board();
    // The light band of the hint, between its dark edges, and the picture
    // inside it, beyond the keyboard's frame, on the left side's upper half.
    const QRect piece = *marked.game.window->picMarks->marks().hintPiece;
    const int y = piece.top() + 30;
    const QRgb band = board.pixel(piece.left() + 4, y);
    const QRgb picture = board.pixel(piece.left() + 30, y);
    QCOMPARE(picture, principal.rgb());
    QCOMPARE(band, marked.game.window->picMarks->hintColour().rgb());
    QVERIFY2(distance(band, picture) > 200, qPrintable(QColor(band).name()));
    QCOMPARE(board.pixel(piece.left() + 1, y), qRgb(0, 0, 0));
}

QTEST_MAIN(TestBoardMarks)
#include "test_boardmarks.moc"
