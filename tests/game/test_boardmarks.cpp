// The marks over the board as the player sees them, over the pictures of a
// skin: the hint and the keyboard's frame both show on one piece, and the
// hint stands out on a picture of any colour, its own included.

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

int pixels(const QImage& image, const QRect& area, QRgb colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

}  // namespace

class TestBoardMarks : public QObject {
    Q_OBJECT

private slots:
    void hintAndFrameShowOnAPictureOfAnyColour_data();
    void hintAndFrameShowOnAPictureOfAnyColour();
};

void TestBoardMarks::hintAndFrameShowOnAPictureOfAnyColour_data()
{
    QTest::addColumn<QColor>("principal");
    QTest::newRow("brown") << QColor(120, 60, 40);
    QTest::newRow("the hint's cyan") << QColor(0, 230, 255);
    QTest::newRow("the arcade skin's wide piece") << QColor(0x1f, 0xb8, 0xd8);
    QTest::newRow("the other hint colour") << QColor(255, 64, 208);
}

void TestBoardMarks::hintAndFrameShowOnAPictureOfAnyColour()
{
    QFETCH(QColor, principal);
    // The hint names the principal piece and the keyboard's first frame
    // falls on it; the hint's target covers its lower half, so its upper
    // half is looked at.
    LevelTable levels = sampleLevels();
    levels[0].positions = oneSlideFromTheGoal();
    StartedGame game(levels, [&](const ProgramFolder& folder) {
        QImage skin = colouredSkin(0);
        QPainter(&skin).fillRect(skinRect(SkinTarget::Piece, 0), principal);
        skin.save(folder.file("skins/flat.bmp"), "BMP");
        writeSettingsFile(folder.file("qlm.ini"), QStringLiteral("flat.bmp"));
    });
    frmMain& w = *game.window;
    game.newGame(0);
    w.mnuHint->trigger();
    w.picBoard_KeyDown(Qt::Key_Up, Qt::NoModifier);
    const QImage board = w.picBoard->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect piece = w.picBoard->imgPieces[0]->geometry();
    const QRgb hint = w.picBoard->picMarks->hintColour().rgb();

    // The hint's band along the sides, the frame's white dashes inside it.
    for (const QRect& side : {QRect(piece.left(), piece.top() + 10, 10, 45),
                              QRect(piece.right() - 9, piece.top() + 10, 10, 45), QRect(piece.left() + 20, piece.top(), 80, 10)})
        QVERIFY2(pixels(board, side, hint) >= 100, "the hint's band is hidden");
    const QRect inside(piece.left() + 8, piece.top() + 8, piece.width() - 16, 50);
    QVERIFY2(pixels(board, inside, qRgb(255, 255, 255)) >= 100, "the keyboard's frame is hidden");
    QCOMPARE(pixels(board, inside, hint), 0);

    // The light band between its dark edges, far from the picture inside it.
    const int y = piece.top() + 30;
    const QRgb band = board.pixel(piece.left() + 4, y);
    QCOMPARE(board.pixel(piece.left() + 30, y), principal.rgb());
    QCOMPARE(board.pixel(piece.left() + 1, y), qRgb(0, 0, 0));
    QCOMPARE(band, hint);
    const double apart = std::hypot(qRed(band) - principal.red(), qGreen(band) - principal.green(),
                                    qBlue(band) - principal.blue());
    QVERIFY2(apart > 200, qPrintable(QColor(band).name()));
}

QTEST_MAIN(TestBoardMarks)
#include "test_boardmarks.moc"
