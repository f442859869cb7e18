// The picture clip, skins as a whole, and the pictures that ship with the
// game: the skins in data/skins, the About box picture and the icon.

#include "game/skin/picture.h"
#include "game/skin/pictureclip.h"
#include "game/skin/productpictures.h"
#include "game/skin/skinlayout.h"
#include "model/datafolders.h"
#include "model/programfolder.h"
#include "tests/support/fixtures.h"
#include "tools/skingen/paintkit.h"
#include "tools/skingen/shipped.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <set>

#include <sys/inotify.h>
#include <unistd.h>

using namespace quill;
using namespace quill::skingen;
using namespace quill::test;

namespace {

// A picture whose every pixel tells where it is.
QImage positionPicture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 16 + (y / 256)));
    return image;
}

QByteArray bmpOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "bmp");
    return bytes;
}

// The mean colour of a rectangle of a picture.
QColor meanColour(const QImage& image, const QRect& rect)
{
    double r = 0;
    double g = 0;
    double b = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            r += qRed(pixel);
            g += qGreen(pixel);
            b += qBlue(pixel);
        }
    }
    const double n = double(rect.width()) * rect.height();
    return QColor(qRound(r / n), qRound(g / n), qRound(b / n));
}

double colourDistance(const QColor& a, const QColor& b)
{
    return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
}

// The largest difference of a colour channel between two pictures over
// `area`, leaving out the pixels that fall in `skip`.
int largestDifference(const QImage& a, const QImage& b, const QRect& area, const QRegion& skip = {})
{
    int largest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (skip.contains(QPoint(x, y)))
                continue;
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

// Whether anything in `folder`, or the folder itself, was opened since the
// watch began or was last asked.
struct OpenedWatch {
    explicit OpenedWatch(const QString& folder) { inotify_add_watch(fd, QFile::encodeName(folder).constData(), IN_OPEN | IN_ACCESS); }
    ~OpenedWatch() { ::close(fd); }
    bool opened()
    {
        char events[4096];
        bool any = false;
        while (::read(fd, events, sizeof events) > 0)
            any = true;
        return any;
    }
    const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
};

// How closely a file keeps to its drawing: exact for lossless formats, a
// little off for JPEG, and for metafiles the antialiased edges may differ.
struct Fidelity {
    int edgeTolerance;  // anywhere
    int fillTolerance;  // in the middle of the board's pictures
};

Fidelity fidelityOf(const QString& path)
{
    if (path.endsWith(".jpg"))
        return {80, 12};
    if (path.endsWith(".emf"))
        return {255, 3};
    return {0, 0};
}

}  // namespace

class TestSkinPictures : public QObject {
    Q_OBJECT

private slots:
    void clipGivesThePixelsOfTheRectangle();
    void clipRefusesRectanglesReachingOutside_data();
    void clipRefusesRectanglesReachingOutside();
    void emptyClipRefusesEverything();
    void layoutFitsTheSmallestSkin();
    void fourSinglePiecesComeFromOneRectangle();
    void skinsSmallerThan370By380Fail_data();
    void skinsSmallerThan370By380Fail();
    void skinsOfAtLeast370By380Load_data();
    void skinsOfAtLeast370By380Load();
    void unreadableSkinFails();
    void fractionalEnlargementMixesOnlyTheEdges();
    void doubleSizeCompanionServesRatiosAbove1_data();
    void doubleSizeCompanionServesRatiosAbove1();
    void everyShippedSkinLoads_data();
    void everyShippedSkinLoads();
    void shippedSkinsComeInTheChoosersFormats();
    void shippedFilesShowTheirDrawing_data();
    void shippedFilesShowTheirDrawing();
    void shippedPiecesAreEasyToTellApart_data();
    void shippedPiecesAreEasyToTellApart();
    void programPicturesHaveTheirSizesAndColours();
};

void TestSkinPictures::clipGivesThePixelsOfTheRectangle()
{
    const QImage picture = positionPicture(QSize(400, 420));
    const PictureClip clip(picture);
    QCOMPARE(clip.image(), picture);
    for (const QRect& rect : {QRect(0, 0, 1, 1), QRect(20, 140, 120, 60), QRect(280, 0, 120, 420),
                              QRect(399, 419, 1, 1), QRect(0, 0, 400, 420)}) {
        const std::optional<QPixmap> part = clip.clip(rect);
        QVERIFY(part.has_value());
        QCOMPARE(part->size(), rect.size());
        const QImage pixels = part->toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(pixels.pixel(0, 0), picture.pixel(rect.topLeft()));
        QCOMPARE(pixels.pixel(rect.width() - 1, rect.height() - 1), picture.pixel(rect.bottomRight()));
        QCOMPARE(*clip.clipImage(rect), picture.copy(rect));
    }
}

void TestSkinPictures::clipRefusesRectanglesReachingOutside_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::newRow("one pixel too wide") << QRect(300, 0, 71, 20);
    QTest::newRow("one pixel too high") << QRect(0, 300, 20, 81);
    QTest::newRow("left of the picture") << QRect(-1, 0, 20, 20);
    QTest::newRow("above the picture") << QRect(0, -1, 20, 20);
    QTest::newRow("wholly outside") << QRect(500, 500, 10, 10);
    QTest::newRow("larger than the picture") << QRect(-10, -10, 400, 400);
    QTest::newRow("empty") << QRect(10, 10, 0, 10);
    QTest::newRow("negative size") << QRect(10, 10, -5, 10);
}

void TestSkinPictures::clipRefusesRectanglesReachingOutside()
{
    QFETCH(QRect, rect);
    const PictureClip clip(positionPicture(kMinSkinSize));
    QVERIFY(!clip.contains(rect));
    QVERIFY(!clip.clip(rect).has_value());
    QVERIFY(!clip.clipImage(rect).has_value());
}

void TestSkinPictures::emptyClipRefusesEverything()
{
    const PictureClip clip;
    QVERIFY(clip.isNull());
    QVERIFY(!clip.clip(QRect(0, 0, 1, 1)).has_value());
}

void TestSkinPictures::layoutFitsTheSmallestSkin()
{
    // Together the sixteen rectangles cover exactly the smallest skin.
    QRegion covered;
    const PictureClip smallest(positionPicture(kMinSkinSize));
    for (const SkinCut& cut : kSkinLayout) {
        QVERIFY(smallest.contains(cut.rect));
        covered += cut.rect;
    }
    QVERIFY(smallest.contains(kAltSquareRect));
    QVERIFY(smallest.contains(kAltSingleRect));
    covered += kAltSquareRect;
    covered += kAltSingleRect;
    QCOMPARE(covered, QRegion(QRect(QPoint(0, 0), kMinSkinSize)));
    QCOMPARE(covered.boundingRect().size(), kMinSkinSize);
}

void TestSkinPictures::fourSinglePiecesComeFromOneRectangle()
{
    const PictureClip clip(positionPicture(kMinSkinSize));
    std::set<std::pair<int, int>> places;
    QImage first;
    for (int piece = 6; piece <= 9; ++piece) {
        const QRect rect = skinRect(SkinTarget::Piece, piece);
        places.insert({rect.x(), rect.y()});
        const QImage picture = *clip.clipImage(rect);
        if (first.isNull())
            first = picture;
        QCOMPARE(picture, first);
    }
    QCOMPARE(places.size(), size_t(1));
    QCOMPARE(first.size(), QSize(kSkinCellSize, kSkinCellSize));
}

void TestSkinPictures::skinsSmallerThan370By380Fail_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("one column short") << QSize(369, 380);
    QTest::newRow("one row short") << QSize(370, 379);
    QTest::newRow("board without banner") << QSize(370, 340);
    QTest::newRow("tiny") << QSize(1, 1);
}

void TestSkinPictures::skinsSmallerThan370By380Fail()
{
    QFETCH(QSize, size);
    QTemporaryDir dir;
    writeAllBytes(dir.filePath("small.bmp"), bmpOf(positionPicture(size)));
    QString error;
    QVERIFY(!loadSkin(dir.filePath("small.bmp"), 1.0, &error).has_value());
    QVERIFY(error.contains(QString::number(size.width())));
    // The picture itself is fine: only as a skin it is too small.
    QVERIFY(!loadPicture(dir.filePath("small.bmp"), &error).isNull());
}

void TestSkinPictures::skinsOfAtLeast370By380Load_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("exactly") << kMinSkinSize;
    QTest::newRow("larger") << QSize(640, 480);
}

void TestSkinPictures::skinsOfAtLeast370By380Load()
{
    QFETCH(QSize, size);
    QTemporaryDir dir;
    const QImage picture = positionPicture(size);
    writeAllBytes(dir.filePath("skin.bmp"), bmpOf(picture));
    QString error;
    const std::optional<PictureClip> skin = loadSkin(dir.filePath("skin.bmp"), 1.0, &error);
    QVERIFY2(skin.has_value(), qPrintable(error));
    QCOMPARE(skin->image(), picture);
    for (const SkinCut& cut : kSkinLayout)
        QCOMPARE(*skin->clipImage(cut.rect), picture.copy(cut.rect));
}

void TestSkinPictures::unreadableSkinFails()
{
    QTemporaryDir dir;
    QString error;
    QVERIFY(!loadSkin(dir.filePath("missing.bmp"), 1.0, &error).has_value());
    QVERIFY(!error.isEmpty());
    writeAllBytes(dir.filePath("garbage.gif"), QByteArray(5000, 'x'));
    QVERIFY(!loadSkin(dir.filePath("garbage.gif"), 1.0, &error).has_value());
}

void TestSkinPictures::fractionalEnlargementMixesOnlyTheEdges()
{
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(200, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 0, 100));
    // 2.5 times across, twice down: a device pixel inside one pixel keeps its
    // colour; the one across the edge takes each by how much of it it covers.
    const QImage larger = resampled(picture, QSize(5, 2));
    for (int y : {0, 1}) {
        QList<QRgb> row;
        for (int x = 0; x < larger.width(); ++x)
            row << larger.pixel(x, y);
        QCOMPARE(row, (QList<QRgb>{qRgb(200, 0, 0), qRgb(200, 0, 0), qRgb(100, 0, 50), qRgb(0, 0, 100), qRgb(0, 0, 100)}));
    }
}

void TestSkinPictures::doubleSizeCompanionServesRatiosAbove1_data()
{
    QTest::addColumn<QByteArray>("companion");  // empty: none
    QTest::addColumn<bool>("used");
    QImage doubled(kMinSkinSize * 2, QImage::Format_RGB32);
    doubled.fill(QColor(10, 200, 90));
    QTest::newRow("twice the size") << bmpOf(doubled) << true;
    QTest::newRow("one pixel too wide") << bmpOf(doubled.copy(0, 0, 741, 760)) << false;
    QTest::newRow("no picture") << QByteArray("BM no picture") << false;
    QTest::newRow("missing") << QByteArray() << false;
}

void TestSkinPictures::doubleSizeCompanionServesRatiosAbove1()
{
    QFETCH(QByteArray, companion);
    QFETCH(bool, used);
    QTemporaryDir dir;
    const QImage skin = positionPicture(kMinSkinSize);
    const QString path = dir.filePath("skin.bmp");
    writeAllBytes(path, bmpOf(skin));
    QVERIFY(QDir(dir.path()).mkdir("2x"));
    if (!companion.isEmpty())
        writeAllBytes(doubleSizeSkinPath(path), companion);
    const QRect principal = skinRect(SkinTarget::Piece, 0);
    QString error;
    OpenedWatch watch(dir.filePath("2x"));
    // At ratio 1 the companion is not even looked for.
    QCOMPARE(*loadSkin(path, 1.0, &error)->clipImage(principal), skin.copy(principal));
    QVERIFY(!watch.opened());
    // Above it, a companion of twice the size is used; any other is passed
    // over without a word, and the skin's own pixels become blocks.
    const QImage sharp = *loadSkin(path, 2.0, &error)->clipImage(principal);
    QVERIFY(watch.opened() && error.isEmpty());
    QCOMPARE(sharp.size(), principal.size() * 2);
    QCOMPARE(sharp.devicePixelRatio(), 2.0);
    QCOMPARE(sharp.pixel(1, 1), used ? qRgb(10, 200, 90) : skin.pixel(principal.topLeft()));
    QCOMPARE(loadSkin(path, 1.5, &error)->clipImage(principal)->size(), QSize(180, 180));
}

void TestSkinPictures::everyShippedSkinLoads_data()
{
    QTest::addColumn<QString>("path");
    // The committed skins, and the copies the build puts in the program folder.
    const QStringList patterns = QString(kSkinPattern).split(u';');
    for (const QString& folder : {joinPath(sourceFolder(), "data/skins"), joinPath(builtProgramFolder(), "skins")}) {
        const QStringList names = QDir(folder).entryList(patterns, QDir::Files);
        QVERIFY2(!names.isEmpty(), qPrintable(folder));
        for (const QString& name : names)
            QTest::newRow(qPrintable(joinPath(folder, name))) << joinPath(folder, name);
    }
}

void TestSkinPictures::everyShippedSkinLoads()
{
    QFETCH(QString, path);
    QString error;
    const std::optional<PictureClip> skin = loadSkin(path, 1.0, &error);
    QVERIFY2(skin.has_value(), qPrintable(error));
    QVERIFY(skin->image().width() >= kMinSkinSize.width());
    QVERIFY(skin->image().height() >= kMinSkinSize.height());
    for (const SkinCut& cut : kSkinLayout)
        QVERIFY(skin->clip(cut.rect).has_value());
    // On a screen at 200 % every shipped skin brings twice its pixels: the
    // bitmaps their double-size companions, the metafiles drawn so.
    const std::optional<PictureClip> sharp = loadSkin(path, 2.0, &error);
    QVERIFY2(sharp.has_value(), qPrintable(error));
    QCOMPARE(sharp->image().size(), skin->image().size() * 2);
}

void TestSkinPictures::shippedSkinsComeInTheChoosersFormats()
{
    // The default bitmap and skins in other formats: at least a JPEG, a GIF
    // and a metafile, each told apart by its content.
    const QDir skins(joinPath(sourceFolder(), "data/skins"));
    QVERIFY(skins.exists("default.bmp"));
    std::set<QByteArray> kinds;
    for (const QString& name : skins.entryList(QString(kSkinPattern).split(u';'), QDir::Files)) {
        const QByteArray head = readAllBytes(skins.filePath(name)).left(44);
        if (head.startsWith("BM"))
            kinds.insert("bmp");
        else if (head.startsWith("GIF8"))
            kinds.insert("gif");
        else if (head.startsWith("\xFF\xD8\xFF"))
            kinds.insert("jpeg");
        else if (head.mid(40, 4) == " EMF" || head.startsWith("\xD7\xCD\xC6\x9A"))
            kinds.insert("metafile");
    }
    QCOMPARE(kinds, (std::set<QByteArray>{"bmp", "gif", "jpeg", "metafile"}));
}

void TestSkinPictures::shippedFilesShowTheirDrawing_data()
{
    QTest::addColumn<QString>("path");
    for (const ShippedPicture& picture : shippedPictures())
        QTest::newRow(qPrintable(picture.path)) << picture.path;
}

void TestSkinPictures::shippedFilesShowTheirDrawing()
{
    // The committed files are what the generator draws now: nobody changed
    // the drawing without making the files again, or the other way round.
    QFETCH(QString, path);
    const auto shipped = shippedPictures();
    const auto picture = std::find_if(shipped.begin(), shipped.end(),
                                      [&](const ShippedPicture& p) { return p.path == path; });
    const QString file = joinPath(sourceFolder(), path);
    const QImage drawing = picture->drawing().convertToFormat(QImage::Format_ARGB32);
    if (!path.startsWith("data/skins/")) {
        // The program's own pictures are PNG, built into it; the icons keep
        // their colours only to a small palette.
        const QImage shown = QImage(file).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(shown.size(), drawing.size());
        QVERIFY(largestDifference(shown, drawing, shown.rect()) <= (path.contains("icon") ? 90 : 0));
        return;
    }
    QString error;
    const QImage loaded = loadPicture(file, &error);
    QVERIFY2(!loaded.isNull(), qPrintable(error));
    const QImage shown = loaded.convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(shown.size(), drawing.size());

    // Lettering depends on the fonts at hand when the files were made, so
    // the title and the banner are compared only where there is no text.
    // Double-size companions keep the layout at twice its pixels.
    const int scale = shown.width() / kMinSkinSize.width();
    const QTransform toPixels = QTransform::fromScale(scale, scale);
    const Fidelity fidelity = fidelityOf(path);
    const QRegion lettering = toPixels.map(QRegion(skinRect(SkinTarget::Title).adjusted(8, 8, -8, -8))
                                           + QRegion(skinRect(SkinTarget::Congratulation).adjusted(6, 4, -6, -4)));
    QVERIFY(largestDifference(shown, drawing, shown.rect(), lettering) <= fidelity.edgeTolerance);
    // Every piece picture, a little inside its edge, where it is flat.
    for (const PartPlace& place : partPlaces()) {
        const QRect flat = toPixels.mapRect(QRect(place.rect.left() + 12, place.rect.top() + 4, 4, 4));
        QVERIFY2(largestDifference(shown, drawing, flat) <= fidelity.fillTolerance,
                 qPrintable(QStringLiteral("picture at %1,%2").arg(place.rect.x()).arg(place.rect.y())));
    }
}

void TestSkinPictures::shippedPiecesAreEasyToTellApart_data()
{
    QTest::addColumn<QString>("path");
    for (const ShippedPicture& picture : shippedPictures()) {
        if (picture.path.startsWith("data/skins/") && !picture.path.contains("/2x/"))
            QTest::newRow(qPrintable(picture.path)) << picture.path;
    }
}

void TestSkinPictures::shippedPiecesAreEasyToTellApart()
{
    // Each kind of piece has a colour of its own, none of them the colour
    // of the frame, and the alternative pictures differ from the regular ones.
    QFETCH(QString, path);
    QString error;
    const std::optional<PictureClip> skin = loadSkin(joinPath(sourceFolder(), path), 1.0, &error);
    QVERIFY2(skin.has_value(), qPrintable(error));
    const QImage& image = skin->image();
    std::vector<std::pair<Part, QColor>> colours;
    for (const PartPlace& place : partPlaces()) {
        if (place.part == Part::Tall && place.piece != 2)
            continue;
        colours.push_back({place.part, meanColour(image, place.rect)});
    }
    const QColor frame = meanColour(image, skinRect(SkinTarget::LeftFrame));
    for (size_t i = 0; i < colours.size(); ++i) {
        QVERIFY2(colourDistance(colours[i].second, frame) > 40,
                 qPrintable(QStringLiteral("part %1 looks like the frame").arg(int(colours[i].first))));
        for (size_t j = i + 1; j < colours.size(); ++j) {
            QVERIFY2(colourDistance(colours[i].second, colours[j].second) > 40,
                     qPrintable(QStringLiteral("parts %1 and %2 look alike")
                                    .arg(int(colours[i].first))
                                    .arg(int(colours[j].first))));
        }
    }
    // The principal piece's middle carries an emblem: it is not one flat colour.
    const QRect middle = skinRect(SkinTarget::Piece, 0).adjusted(30, 30, -30, -30);
    std::set<QRgb> seen;
    for (int y = middle.top(); y <= middle.bottom(); y += 3)
        for (int x = middle.left(); x <= middle.right(); x += 3)
            seen.insert(image.pixel(x, y));
    QVERIFY(seen.size() >= 3);
}

void TestSkinPictures::programPicturesHaveTheirSizesAndColours()
{
    QCOMPARE(quillPicture().size(), QSize(50, 52));
    // For a scaled screen it has more pixels and still shows at 50 x 52.
    for (const qreal ratio : {1.5, 2.0})
        QCOMPARE(quillPicture(ratio).deviceIndependentSize(), QSizeF(50, 52));
    QCOMPARE(quillPicture(2).size(), QSize(100, 104));
    const QIcon icon = programIcon();
    const QList<QSize> sizes = icon.availableSizes();
    // 16 colours at 32 pixels and 256 at 48, the transparent one counted,
    // and as many in the images at twice those sizes.
    for (const auto& [size, colours] : {std::pair{32, 16}, std::pair{48, 256}, std::pair{64, 16}, std::pair{96, 256}}) {
        QVERIFY(sizes.contains(QSize(size, size)));
        const QImage image = icon.pixmap(size, size).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        std::set<QRgb> seen;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                seen.insert(image.pixel(x, y));
        QVERIFY(int(seen.size()) <= colours);
        QVERIFY(seen.size() > 4);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
    }
}

QTEST_MAIN(TestSkinPictures)
#include "test_skinpictures.moc"
