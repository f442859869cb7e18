// The game on a screen scaled to 200 %: a bitmap skin's pixels become exact
// blocks of screen pixels, a metafile skin and message icons are drawn at
// the screen's pixels.

#include "game/frmMain.h"
#include "game/skin/skinlayout.h"
#include "model/settings.h"
#include "tests/game/gamefixture.h"
#include "tests/support/modal.h"
#include "tools/skingen/flatcanvas.h"

#include <QMessageBox>
#include <QPainter>
#include <QtTest>

using namespace quill;
using namespace quill::test;

namespace {

// Qt reads the scale before the application is made, that is before main.
const bool scaled = qputenv("QT_SCALE_FACTOR", QByteArray("2"));

const QColor kLeft(200, 40, 40);
const QColor kRight(30, 60, 200);

// The principal piece of a game started with the skin that `write` puts
// at the path it is given, as the screen shows it, in device pixels.
QImage shownPrincipal(const QString& name, const std::function<void(const QString&)>& write)
{
    StartedGame game(sampleLevels(), [&](const ProgramFolder& folder) {
        write(folder.file("skins/" + name));
        writeSettingsFile(folder.file("qlm.ini"), name);
    });
    game.newGame(0);
    frmMain& w = *game.window;
    if (w.devicePixelRatioF() != 2 || w.picBoard->imgPieces[0]->size() != QSize(120, 120))
        return {};
    const QImage board = w.picBoard->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return board.copy(QRect(w.picBoard->imgPieces[0]->pos() * 2, QSize(240, 240)));
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
    void messageIconsAreDrawnAtTheScreensPixels();
};

void TestHiDpi::bitmapSkinPixelsBecomeExactBlocks()
{
    // Hard-edged rectangles, and lines one skin pixel wide.
    QImage skin = colouredSkin(0);
    const QRect principal = skinRect(SkinTarget::Piece, 0);
    QPainter painter(&skin);
    for (int i = 0; i < principal.width(); i += 7) {
        painter.fillRect(principal.left() + i, principal.top(), 1, principal.height(), Qt::white);
        painter.fillRect(principal.left(), principal.top() + i, principal.width(), 1, Qt::black);
    }
    painter.end();
    const QImage shown = shownPrincipal("blocks.bmp", [&](const QString& path) { skin.save(path, "BMP"); });
    QVERIFY(!shown.isNull());
    // Only the skin's own colours, each skin pixel a block of 2 x 2.
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            QVERIFY2(shown.pixel(x, y) == skin.pixel(principal.topLeft() + QPoint(x / 2, y / 2)),
                     qPrintable(QStringLiteral("device pixel %1,%2").arg(x).arg(y)));
}

void TestHiDpi::metafileSkinIsDrawnAtTheScreensPixels()
{
    // The principal piece in two colours, split at half a skin pixel: one
    // screen pixel at 200 %.
    skingen::EmfWriter metafile(kMinSkinSize);
    metafile.fillRect(QRectF(QPointF(0, 0), kMinSkinSize), QColor(20, 20, 20));
    metafile.fillRect(QRectF(20, 20, 60.5, 120), kLeft);
    metafile.fillRect(QRectF(80.5, 20, 59.5, 120), kRight);
    const QByteArray emf = metafile.finish();
    const QImage shown = shownPrincipal("split.emf", [&](const QString& path) { writeAllBytes(path, emf); });
    QVERIFY(!shown.isNull());
    // Every line goes from the one colour to the other within one device pixel.
    for (int y = 4; y < shown.height() - 4; ++y) {
        int left = 0;
        int right = 0;
        for (int x = 0; x < shown.width(); ++x) {
            left += near(shown.pixel(x, y), kLeft);
            right += near(shown.pixel(x, y), kRight);
        }
        QVERIFY2(left >= 120 && right >= 118 && left + right >= 239, qPrintable(QStringLiteral("line %1").arg(y)));
    }
}

void TestHiDpi::messageIconsAreDrawnAtTheScreensPixels()
{
    StartedGame game;
    const std::pair<UserDialogs::Icon, const char*> kinds[] = {{UserDialogs::Icon::Question, "question"},
        {UserDialogs::Icon::Exclamation, "warning"}, {UserDialogs::Icon::Critical, "critical"},
        {UserDialogs::Icon::Information, "information"}};
    for (const auto& [icon, picture] : kinds) {
        QImage shown;
        const auto watch = whenModal<QMessageBox>([&](QMessageBox* box) {
            shown = box->iconPixmap().toImage();
            box->accept();
        });
        QtUserDialogs().message(game.window.get(), {}, {}, icon, UserDialogs::Buttons::Ok);
        // The usual 32 pixels of the picture asked for, as 64 of the screen's.
        const QIcon expected(QStringLiteral(":/ui/icons/%1.svg").arg(QLatin1String(picture)));
        QCOMPARE(shown, expected.pixmap(QSize(32, 32), 2).toImage());
        QCOMPARE(shown.size(), QSize(64, 64));
    }
}

QTEST_MAIN(TestHiDpi)
#include "test_hidpi.moc"
