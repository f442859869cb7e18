// The marks over the board as the player sees them, over the pictures of a
// skin: the hint and the keyboard's frame both show on one piece, and the
// hint stands out on a picture of its own colour.

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

// Level 1 with the principal piece one row above the goal: the hint names
// it, and the keyboard's first frame falls on it. The hint's target covers
// the piece's lower half, so its upper half is looked at.
struct MarkedGame {
    explicit MarkedGame(const QColor& principal)
    {
        LevelTable levels = sampleLevels();
        levels[0].positions = oneSlideFromTheGoal();
        game = std::make_unique<StartedGame>(levels, [&](const ProgramFolder& folder) {
            QImage skin = colouredSkin(0);
            QPainter(&skin).fillRect(skinRect(SkinTarget::Piece, 0), principal);
            skin.save(folder.file("skins/flat.bmp"), "BMP");
            writeSettingsFile(folder.file("qlm.ini"), QStringLiteral("flat.bmp"));
        });
        frmMain& w = *game->window;
        game->newGame(0);
        w.mnuHint->trigger();
        w.picBoard_KeyDown(Qt::Key_Up, Qt::NoModifier);
        board = w.picBoard->grab().toImage().convertToFormat(QImage::Format_RGB32);
        piece = w.picBoard->imgPieces[0]->geometry();
        hint = w.picBoard->picMarks->hintColour().rgb();
    }

    int pixels(const QRect& area, QRgb colour) const
    {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += board.pixel(x, y) == colour;
        return count;
    }

    std::unique_ptr<StartedGame> game;
    QImage board;
    QRect piece;
    QRgb hint;
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
    const MarkedGame marked(QColor(120, 60, 40));
    const QRect piece = marked.piece;
    QCOMPARE(marked.game->window->picBoard->picMarks->marks().selection, std::optional<QRect>(piece));
    QCOMPARE(marked.game->window->picBoard->picMarks->marks().hintPiece, std::optional<QRect>(piece));
    // The hint's band along the sides, the frame's white dashes inside it.
    for (const QRect& side : {QRect(piece.left(), piece.top() + 10, 10, 45),
                              QRect(piece.right() - 9, piece.top() + 10, 10, 45), QRect(piece.left() + 20, piece.top(), 80, 10)})
        QVERIFY2(marked.pixels(side, marked.hint) >= 100, "the hint's band is hidden");
    const QRect inside(piece.left() + 8, piece.top() + 8, piece.width() - 16, 50);
    QVERIFY2(marked.pixels(inside, qRgb(255, 255, 255)) >= 100, "the keyboard's frame is hidden");
    QCOMPARE(marked.pixels(inside, marked.hint), 0);
}

void TestBoardMarks::hintStandsOutOnItsOwnColour_data()
{
    QTest::addColumn<QColor>("principal");
    QTest::newRow("the hint's cyan") << QColor(0, 230, 255);
    QTest::newRow("the arcade skin's wide piece") << QColor(0x1f, 0xb8, 0xd8);
    QTest::newRow("the other hint colour") << QColor(255, 64, 208);
}

void TestBoardMarks::hintStandsOutOnItsOwnColour()
{
    QFETCH(QColor, principal);
    const MarkedGame marked(principal);
    // The light band between its dark edges, and the picture inside it.
    const int y = marked.piece.top() + 30;
    const QRgb band = marked.board.pixel(marked.piece.left() + 4, y);
    QCOMPARE(marked.board.pixel(marked.piece.left() + 30, y), principal.rgb());
    QCOMPARE(marked.board.pixel(marked.piece.left() + 1, y), qRgb(0, 0, 0));
    QCOMPARE(band, marked.hint);
    const double apart = std::hypot(qRed(band) - principal.red(), qGreen(band) - principal.green(),
                                    qBlue(band) - principal.blue());
    QVERIFY2(apart > 200, qPrintable(QColor(band).name()));
}

QTEST_MAIN(TestBoardMarks)
#include "test_boardmarks.moc"
