// The game on a screen scaled to 200 %: the board's pictures are made for
// the screen's pixels, bitmaps as exact blocks, metafiles drawn sharp, and
// the About box's picture at twice its size.

#include "game/frmAbout.h"
#include "game/frmMain.h"
#include "game/skin/skinlayout.h"
#include "model/settings.h"
#include "tests/game/gamefixture.h"
#include "tools/skingen/flatcanvas.h"

#include <QBuffer>
#include <QLabel>
#include <QPainter>
#include <QtTest>

#include <set>

using namespace quill;
using namespace quill::test;

namespace {

// Qt reads the scale before the application is made, that is before main.
const bool scaled = [] {
    qputenv("QT_SCALE_FACTOR", QByteArray("2"));
    return true;
}();

constexpr int kRatio = 2;

const QColor kLeft(200, 40, 40);
const QColor kRight(30, 60, 200);

// A bitmap skin of hard-edged rectangles; the principal piece holds lines
// and dots a single skin pixel wide.
QImage blockSkin()
{
    QImage skin = colouredSkin(0);
    QPainter painter(&skin);
    const QRect principal = skinRect(SkinTarget::Piece, 0);
    for (int i = 0; i < principal.width(); i += 7) {
        painter.fillRect(principal.left() + i, principal.top(), 1, principal.height(), Qt::white);
        painter.fillRect(principal.left(), principal.top() + i, principal.width(), 1, Qt::black);
    }
    return skin;
}

// A metafile skin whose principal piece is two colours, split at half a
// skin pixel: one screen pixel at 200 %.
QByteArray splitMetafile()
{
    skingen::EmfWriter metafile(kMinSkinSize);
    metafile.fillRect(QRectF(QPointF(0, 0), kMinSkinSize), QColor(20, 20, 20));
    const QRect principal = skinRect(SkinTarget::Piece, 0);
    metafile.fillRect(QRectF(principal.left(), principal.top(), 60.5, principal.height()), kLeft);
    metafile.fillRect(QRectF(principal.left() + 60.5, principal.top(), 59.5, principal.height()), kRight);
    return metafile.finish();
}

// A game started with the skin `name`, written into its skins folder.
std::unique_ptr<StartedGame> startWithSkin(const QString& name, const QByteArray& bytes)
{
    auto game = std::make_unique<StartedGame>(sampleLevels(), [&](const ProgramFolder& folder) {
        writeAllBytes(folder.file("skins/" + name), bytes);
        writeSettingsFile(folder.file("qlm.ini"), name);
    });
    game->newGame(0);
    return game;
}

// The principal piece as the screen shows it, in device pixels.
QImage shownPrincipal(frmMain& w)
{
    const QImage board = w.picBoard->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect piece = w.imgPieces[0]->geometry();
    return board.copy(QRect(piece.topLeft() * kRatio, piece.size() * kRatio));
}

bool near(QRgb a, const QColor& b)
{
    return qAbs(qRed(a) - b.red()) <= 8 && qAbs(qGreen(a) - b.green()) <= 8 && qAbs(qBlue(a) - b.blue()) <= 8;
}

}  // namespace

class TestHiDpi : public QObject {
    Q_OBJECT

private slots:
    void bitmapSkinPixelsBecomeExactBlocks();
    void metafileSkinIsDrawnAtTheScreensPixels();
    void aboutPictureHasTwiceThePixels();
};

void TestHiDpi::bitmapSkinPixelsBecomeExactBlocks()
{
    const QImage skin = blockSkin();
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(skin.save(&buffer, "BMP"));
    const auto game = startWithSkin("blocks.bmp", bmp);
    QVERIFY(game->window);
    frmMain& w = *game->window;
    QCOMPARE(w.devicePixelRatioF(), qreal(kRatio));
    QCOMPARE(w.imgPieces[0]->size(), QSize(120, 120));
    const QImage shown = shownPrincipal(w);
    const QImage own = skin.copy(skinRect(SkinTarget::Piece, 0));
    std::set<QRgb> colours;
    for (int y = 0; y < own.height(); ++y)
        for (int x = 0; x < own.width(); ++x)
            colours.insert(own.pixel(x, y));
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            QVERIFY2(colours.count(shown.pixel(x, y)), qPrintable(QStringLiteral("a new colour at %1,%2").arg(x).arg(y)));
            QVERIFY2(shown.pixel(x, y) == own.pixel(x / kRatio, y / kRatio),
                     qPrintable(QStringLiteral("device pixel %1,%2").arg(x).arg(y)));
        }
    }
}

void TestHiDpi::metafileSkinIsDrawnAtTheScreensPixels()
{
    const auto game = startWithSkin("split.emf", splitMetafile());
    QVERIFY(game->window);
    const QImage shown = shownPrincipal(*game->window);
    // Every line goes from the one colour to the other within one device
    // pixel, where the split falls.
    for (int y = 4; y < shown.height() - 4; ++y) {
        int left = 0;
        int right = 0;
        int between = 0;
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb pixel = shown.pixel(x, y);
            left += near(pixel, kLeft);
            right += near(pixel, kRight);
            between += !near(pixel, kLeft) && !near(pixel, kRight);
        }
        QVERIFY2(between <= 1, qPrintable(QStringLiteral("%1 blurred pixels in line %2").arg(between).arg(y)));
        QVERIFY(qAbs(left - 121) <= 1 && qAbs(right - 119) <= 1);
    }
}

void TestHiDpi::aboutPictureHasTwiceThePixels()
{
    StartedGame game;
    QVERIFY(game.window);
    frmAbout about(game.window.get());
    const QPixmap picture = about.imgQuill->pixmap();
    QCOMPARE(picture.devicePixelRatio(), qreal(kRatio));
    QCOMPARE(picture.size(), QSize(100, 104));
    QCOMPARE(game.window->windowIcon().pixmap(QSize(32, 32), kRatio).size(), QSize(64, 64));
}

QTEST_MAIN(TestHiDpi)
#include "test_hidpi.moc"
