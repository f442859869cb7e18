// The board at the player's size, on a screen scaled to 200 %: a story at an
// enlarged size (drag, hint, keyboard, win and banner, the size kept for
// the next start), and windows that open on a screen too small for them.

#include "editor/editorsize.h"
#include "editor/frmLevelEd.h"
#include "game/boardzoom.h"
#include "game/skin/skinlayout.h"
#include "model/boardsize.h"
#include "tests/game/gamefixture.h"

#include <QScreen>
#include <QtTest>

using namespace quill;
using namespace quill::test;

namespace {

const bool scaled = qputenv("QT_SCALE_FACTOR", QByteArray("2"));

LevelTable oneSlideLevels()
{
    LevelTable levels = sampleLevels();
    levels[0].positions = oneSlideFromTheGoal();
    return levels;
}

// Whether every `factor` x `factor` block of the picture is of one colour.
bool inBlocks(const QImage& picture, int factor)
{
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) != picture.pixel(x - x % factor, y - y % factor))
                return false;
        }
    }
    return true;
}

void resizeBoard(frmMain& w, int size)
{
    w.resize(w.size() + boardClientSize(size) - w.picBoard->size());
    QCOMPARE(w.picBoard->boardSize(), size);
}

bool onAvailableArea(const QWidget& window)
{
    return window.screen()->availableGeometry().contains(window.frameGeometry());
}

}  // namespace

class TestBoardSizes : public QObject {
    Q_OBJECT

private slots:
    void enlargedBoardPlaysAndIsKept();
    void windowsTooLargeForTheScreenOpenOnIt();
    void newSizesAreMadeFromTheSkinAsRead_data();
    void newSizesAreMadeFromTheSkinAsRead();
};

void TestBoardSizes::enlargedBoardPlaysAndIsKept()
{
    StartedGame game(oneSlideLevels());
    frmMain& w = *game.window;
    BoardView& board = *w.picBoard;
    game.newGame(0);
    // At 1.5 times the usual size the pictures are made at 3 device pixels
    // to a skin pixel: exact blocks of the skin's own pixels.
    resizeBoard(w, 15);
    QCOMPARE(board.imgPieces[0]->pixmap().size(), QSize(360, 360));
    QVERIFY(inBlocks(board.imgPieces[0]->pixmap().toImage(), 3));
    resizeBoard(w, 20);
    QCOMPARE(board.imgPieces[0]->size(), QSize(240, 240));
    QCOMPARE(board.imgTitle->geometry(), board.ShownRect(QRectF(310, 10, 90, 340)));
    QCOMPARE(board.ShownRect(QRectF(30, 30, 60, 60)).size(), QSize(120, 120));

    // A drag of one cell, with the pointer at the shown size.
    QLabel* single = board.imgPieces[8];
    const QPoint from = single->pos() + QPoint(60, 60);
    QTest::mousePress(single, Qt::LeftButton, Qt::NoModifier, QPoint(60, 60));
    QTest::mouseMove(single, QPoint(120, 60));
    QTest::mouseMove(single, QPoint(180, 60));
    QTest::mouseRelease(single, Qt::LeftButton, Qt::NoModifier, from + QPoint(120, 0) - single->pos());
    QCOMPARE(w.steps(), 1);
    QCOMPARE(single->pos(), board.ShownRect(QRectF(pieceLeftPx(1), pieceTopPx(4), 0, 0)).topLeft());
    w.mnuUndo->trigger();
    QCOMPARE(w.steps(), 0);

    w.mnuHint->trigger();
    QCOMPARE(board.picMarks->marks().hintPiece, std::optional<QRect>(board.imgPieces[0]->geometry()));

    // The keyboard slides the principal piece onto its goal.
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Space, Qt::Key_Down, Qt::Key_Space})
        QTest::keyClick(QApplication::focusWidget(), key);
    QCOMPARE(game.dialogs.messages.last().title, QStringLiteral("Quillmere - Congratulations"));
    QCOMPARE(board.imgCong->geometry(), board.ShownRect(QRectF(19, 182, 370, 40)));

    // Closing keeps the size the player chose; on this screen, too small
    // for it, the next start opens at the largest size that fits.
    w.close();
    QCOMPARE(readAllBytes(game.folder.file("qlmsize.ini")), QByteArray("200\r\n"));
    const std::unique_ptr<frmMain> again = modMain::Start(game.folder.path());
    QCOMPARE(again->picBoard->boardSize(), again->zoom->range().largest);
    QVERIFY(onAvailableArea(*again));
    // Where even the usual size does not fit, the keys keep to the largest that does.
    const int largest = again->picBoard->boardSize();
    for (Qt::Key key : {Qt::Key_Plus, Qt::Key_Minus, Qt::Key_0}) {
        QTest::keyClick(again.get(), key, Qt::ControlModifier);
        QCOMPARE(again->picBoard->boardSize(), largest);
    }
}

void TestBoardSizes::windowsTooLargeForTheScreenOpenOnIt()
{
    // The headless screen is 400 x 400 at this scale: the usual windows
    // (408 x 405 and 446 x 430 inside) would reach outside it.
    QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 400, 400));
    StartedGame game;
    frmMain& w = *game.window;
    QVERIFY(onAvailableArea(w));
    QCOMPARE(w.picBoard->boardSize(), 9);
    QCOMPARE(w.picBoard->imgPieces[0]->size(), QSize(108, 108));
    w.close();
    QVERIFY(!QFile::exists(game.folder.file("qlmsize.ini")));

    const std::unique_ptr<frmLevelEd> ed = frmLevelEd::load(game.folder.path());
    ed->show();
    QVERIFY(onAvailableArea(*ed));
    QCOMPARE(ed->sizing->size(), ed->sizing->range().largest);
    QVERIFY(ed->rect().contains(ed->lblVerdict->geometry()));
    QCOMPARE(ed->lblGrid[0]->size(), QSize(scaledLength(47, ed->sizing->size()), scaledLength(47, ed->sizing->size())));
}

void TestBoardSizes::newSizesAreMadeFromTheSkinAsRead_data()
{
    QTest::addColumn<QString>("skin");
    QTest::newRow("bitmap with its double-size companion") << QStringLiteral("default.bmp");
    QTest::newRow("metafile") << QStringLiteral("bauhaus.emf");
}

void TestBoardSizes::newSizesAreMadeFromTheSkinAsRead()
{
    QFETCH(QString, skin);
    StartedGame game;
    frmMain& w = *game.window;
    BoardView& board = *w.picBoard;
    game.newGame(0);
    QVERIFY(w.ApplySkin(skin));
    QString error;
    const std::optional<PictureClip> expected = loadSkin(game.folder.file("skins/" + skin), 2 * 1.5, &error);
    QVERIFY(expected);
    // The files are read once: gone, they still give every size its pictures.
    QVERIFY(QFile::remove(game.folder.file("skins/" + skin)));
    QFile::remove(game.folder.file("skins/2x/" + skin));
    resizeBoard(w, 15);
    const auto shown = [&board](QLabel* label) {
        QImage image = label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(1);
        return image;
    };
    const auto made = [&expected](SkinTarget target, int piece) {
        QImage image = expected->clipImage(skinRect(target, piece))->convertToFormat(QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(1);
        return image;
    };
    // A metafile is drawn anew once the size has rested.
    QTRY_COMPARE(shown(board.imgPieces[0]), made(SkinTarget::Piece, 0));
    QCOMPARE(shown(board.imgTitle), made(SkinTarget::Title, -1));
    QCOMPARE(shown(board.imgPieces[9]), made(SkinTarget::Piece, 9));
    QVERIFY(!board.DrawWaitingPictures());
}

QTEST_MAIN(TestBoardSizes)
#include "test_boardsizes.moc"
