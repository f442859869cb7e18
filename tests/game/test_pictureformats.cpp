// Loading pictures of every skin format: the content decides the format,
// metafiles are drawn at their own size (or the screen's scale), and damaged
// files are refused.

#include "game/skin/metafile.h"
#include "game/skin/picture.h"
#include "tests/support/fixtures.h"
#include "tools/skingen/flatcanvas.h"
#include "tools/skingen/gifwriter.h"

#include <QBuffer>
#include <QImageWriter>
#include <QLoggingCategory>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <uemf.h>

using namespace quill;
using namespace quill::skingen;
using namespace quill::test;

namespace {

constexpr QSize kPictureSize(370, 380);

// A picture of twelve flat blocks of distinct colours.
const QColor kBlockColours[] = {
    QColor(200, 30, 40),  QColor(30, 60, 160),  QColor(250, 200, 20), QColor(20, 140, 70),
    QColor(120, 40, 150), QColor(240, 240, 240), QColor(10, 10, 10),  QColor(250, 130, 0),
    QColor(0, 180, 200),  QColor(150, 150, 150), QColor(90, 50, 20),  QColor(255, 120, 180),
};
constexpr int kBlockColumns = 4;
constexpr int kBlockRows = 3;

QRectF blockRect(int i, QSize size)
{
    const double w = double(size.width()) / kBlockColumns;
    const double h = double(size.height()) / kBlockRows;
    return QRectF((i % kBlockColumns) * w, (i / kBlockColumns) * h, w, h);
}

void drawBlocks(FlatCanvas& canvas, QSize size)
{
    for (int i = 0; i < kBlockColumns * kBlockRows; ++i)
        canvas.fillRect(blockRect(i, size), kBlockColours[i]);
    // A ring, which only comes out right when the holes of a shape are kept.
    QPainterPath ring;
    ring.addEllipse(blockRect(5, size).center(), 30, 30);
    ring.addEllipse(blockRect(5, size).center(), 15, 15);
    canvas.fill(ring, kBlockColours[6]);
}

QImage blocksImage(QSize size = kPictureSize)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    drawBlocks(canvas, size);
    return image;
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(95);
    if (!writer.write(image))
        qFatal("cannot write a %s test picture", format);
    return bytes;
}

QByteArray emfBlocks(QSize size = kPictureSize)
{
    EmfWriter writer(size);
    drawBlocks(writer, size);
    return writer.finish();
}

QByteArray wmfBlocks(QSize size = kPictureSize)
{
    WmfWriter writer(size);
    drawBlocks(writer, size);
    return writer.finish();
}

bool near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
        && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// Every block shows its colour in the middle (block 5 beside its ring), and
// the ring shows through its hole.
void verifyShowsBlocks(const QImage& image, int tolerance)
{
    QCOMPARE(image.size(), kPictureSize);
    for (int i = 0; i < kBlockColumns * kBlockRows; ++i) {
        const QPointF middle = blockRect(i, kPictureSize).center() + QPointF(i == 5 ? 38 : 0, 0);
        const QRgb got = image.pixel(middle.toPoint());
        QVERIFY2(near(got, kBlockColours[i].rgb(), tolerance),
                 qPrintable(QStringLiteral("block %1: %2 instead of %3")
                                .arg(i)
                                .arg(got, 8, 16)
                                .arg(kBlockColours[i].rgb(), 8, 16)));
    }
    const QPoint hole = blockRect(5, kPictureSize).center().toPoint();
    QVERIFY(near(image.pixel(hole), kBlockColours[5].rgb(), tolerance));
    QVERIFY(near(image.pixel(hole + QPoint(22, 0)), kBlockColours[6].rgb(), tolerance));
}

void putU16(QByteArray& bytes, qsizetype offset, quint16 value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

void putU32(QByteArray& bytes, qsizetype offset, quint32 value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

quint32 u32(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

// The offset of the first EMF record of `type`, or -1.
qsizetype emfRecord(const QByteArray& emf, quint32 type)
{
    for (qsizetype at = 0; at + 8 <= emf.size(); at += u32(emf, at + 4)) {
        if (u32(emf, at) == type)
            return at;
        if (u32(emf, at + 4) == 0)
            break;
    }
    return -1;
}

constexpr qsizetype kWmfRecords = 22 + 18;  // after the placeable and the metafile header

// The offset of the first WMF record with `function`, or -1.
qsizetype wmfRecord(const QByteArray& wmf, quint16 function)
{
    for (qsizetype at = kWmfRecords; at + 6 <= wmf.size();) {
        if (qFromLittleEndian<quint16>(wmf.constData() + at + 4) == function)
            return at;
        const qsizetype words = u32(wmf, at);
        if (words == 0)
            break;
        at += words * 2;
    }
    return -1;
}

void resumWmfPlaceable(QByteArray& wmf)
{
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= qFromLittleEndian<quint16>(wmf.constData() + 2 * i);
    putU16(wmf, 20, checksum);
}

}  // namespace

class TestPictureFormats : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyFormatLoads_data();
    void everyFormatLoads();
    void otherPictureFormatsAreRefused();
    void metafilesAreDrawnAtTheirOwnSizeAt96Dpi();
    void metafileDrawingsStayWhereTheyAreInThePicture();
    void metafileTooCostlyAtTheScaleIsDrawnSmaller();
    void damagedFilesFail_data();
    void damagedFilesFail();
    void missingFilesAndFoldersFail();
    void oversizedFileIsRefused();
    void inputsFoundByFuzzingAreRefusedWithAReason_data();
    void inputsFoundByFuzzingAreRefusedWithAReason();
    void completeRunLengthPicturesLoad();
    void metafilesWithBadSizesOrRecordsAreRefused_data();
    void metafilesWithBadSizesOrRecordsAreRefused();
    void embeddedBitmapsOfAbsurdSizeAreRefused();
    void mutatedFilesNeverCrash_data();
    void mutatedFilesNeverCrash();
    void gifWriterRoundTripsEveryColourAndLongRuns();

private:
    QTemporaryDir dir_;
};

void TestPictureFormats::initTestCase()
{
    // Qt's JPEG reader describes every damaged file it meets.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio.jpeg=false"));
}

void TestPictureFormats::everyFormatLoads_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("tolerance");
    const QImage blocks = blocksImage();
    const QByteArray bmp = encoded(blocks, "bmp");
    QTest::newRow("bmp") << "skin.bmp" << bmp << 0;
    QTest::newRow("bmp 24-bit") << "skin24.bmp" << encoded(blocks.convertToFormat(QImage::Format_RGB888), "bmp") << 0;
    QTest::newRow("bmp 8-bit") << "skin8.bmp" << encoded(blocks.convertToFormat(QImage::Format_Indexed8), "bmp") << 0;
    // A DIB that is a whole bitmap file, and one without the file header.
    QTest::newRow("dib as bmp") << "skin.dib" << bmp << 0;
    QTest::newRow("dib headerless") << "bare.dib" << bmp.mid(14) << 0;
    QTest::newRow("gif") << "skin.gif" << encodeGif(blocks) << 0;
    QTest::newRow("jpg") << "skin.jpg" << encoded(blocks, "jpeg") << 12;
    QTest::newRow("jpeg") << "skin.jpeg" << encoded(blocks, "jpeg") << 12;
    QTest::newRow("emf") << "skin.emf" << emfBlocks() << 2;
    QTest::newRow("wmf") << "skin.wmf" << wmfBlocks() << 2;
    // The content decides, not the name.
    QTest::newRow("bmp named jpg") << "bitmap.jpg" << encoded(blocks, "bmp") << 0;
    QTest::newRow("jpeg named bmp") << "photo.bmp" << encoded(blocks, "jpeg") << 12;
    QTest::newRow("gif named dib") << "anim.dib" << encodeGif(blocks) << 0;
    QTest::newRow("emf named wmf") << "vector.wmf" << emfBlocks() << 2;
    QTest::newRow("wmf named gif") << "vector.gif" << wmfBlocks() << 2;
    QTest::newRow("bmp named in capitals") << "SKIN.BMP" << encoded(blocks, "bmp") << 0;
}

void TestPictureFormats::everyFormatLoads()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, tolerance);
    writeAllBytes(dir_.filePath(name), bytes);
    QString error;
    const QImage image = loadPicture(dir_.filePath(name), &error);
    QVERIFY2(!image.isNull(), qPrintable(error));
    verifyShowsBlocks(image, tolerance);
}

void TestPictureFormats::otherPictureFormatsAreRefused()
{
    // Qt reads PNG, but a skin is one of the chooser's formats.
    writeAllBytes(dir_.filePath("png.bmp"), encoded(blocksImage(), "png"));
    QString error;
    QVERIFY(loadPicture(dir_.filePath("png.bmp"), &error).isNull());
    QVERIFY(!error.isEmpty());
}

void TestPictureFormats::metafilesAreDrawnAtTheirOwnSizeAt96Dpi()
{
    const QSize size(400, 420);
    QString error;
    QCOMPARE(decodePicture(emfBlocks(size), &error).size(), size);
    QCOMPARE(decodePicture(wmfBlocks(size), &error).size(), size);

    // An EMF frame of 2 by 1.5 inches, in hundredths of a millimetre.
    QByteArray emf = emfBlocks(size);
    putU32(emf, 32, 5080);
    putU32(emf, 36, 3810);
    QCOMPARE(decodePicture(emf, &error).size(), QSize(192, 144));

    // A WMF box given in twips, 1440 to the inch: 15 to the pixel.
    QByteArray wmf = wmfBlocks(size);
    putU16(wmf, 10, 300 * 15);
    putU16(wmf, 12, 200 * 15);
    putU16(wmf, 14, 1440);
    resumWmfPlaceable(wmf);
    QCOMPARE(decodePicture(wmf, &error).size(), QSize(300, 200));
}

void TestPictureFormats::metafileDrawingsStayWhereTheyAreInThePicture()
{
    // A drawing that covers only a part of the picture is not stretched
    // over the whole of it.
    const QRectF square(20, 20, 120, 120);
    const QColor red(200, 30, 40);
    EmfWriter emfWriter(kPictureSize);
    emfWriter.fillRect(square, red);
    WmfWriter wmfWriter(kPictureSize);
    wmfWriter.fillRect(square, red);
    for (const QByteArray& bytes : {emfWriter.finish(), wmfWriter.finish()}) {
        QString error;
        const QImage image = decodePicture(bytes, &error);
        QVERIFY2(!image.isNull(), qPrintable(error));
        QCOMPARE(image.size(), kPictureSize);
        for (const QPoint& inside : {QPoint(23, 23), QPoint(136, 136), QPoint(80, 80)})
            QVERIFY(near(image.pixel(inside), red.rgb(), 2));
        for (const QPoint& outside : {QPoint(16, 16), QPoint(144, 144), QPoint(300, 300)})
            QVERIFY(!near(image.pixel(outside), red.rgb(), 60));
    }
}

void TestPictureFormats::metafileTooCostlyAtTheScaleIsDrawnSmaller()
{
    // One rectangle over the whole picture, then records that draw nothing:
    // cheap to play, but the bound on drawing counts every record.
    const auto withIdleRecords = [](int count) {
        WmfWriter writer(kPictureSize);
        writer.fillRect(QRectF(QPointF(0, 0), kPictureSize), kBlockColours[0]);
        QByteArray wmf = writer.finish();
        const QByteArray idle = QByteArray("\x04\x00\x00\x00\x02\x01\x01\x00", 8).repeated(count);  // SETBKMODE
        wmf.insert(wmf.size() - 6, idle);
        putU32(wmf, 28, qFromLittleEndian<quint32>(wmf.constData() + 28) + quint32(idle.size() / 2));
        return wmf;
    };
    QString error;
    const ScaledPicture smaller = decodeScaledPicture(withIdleRecords(6000), 2.0, &error);
    QVERIFY2(smaller.vector && smaller.scale > 1.0 && smaller.scale < 2.0, qPrintable(error));
    QCOMPARE(smaller.size, kPictureSize);
    QCOMPARE(smaller.pixels.size(), scaledPixels(kPictureSize, smaller.scale));
    QVERIFY(near(smaller.pixels.pixel(smaller.pixels.width() - 3, 10), kBlockColours[0].rgb(), 2));
    // Too costly at its own size, it fails at every scale.
    QVERIFY(decodePicture(withIdleRecords(8000), &error).isNull());
    QVERIFY2(error.contains("costly"), qPrintable(error));
    QVERIFY(decodeScaledPicture(withIdleRecords(8000), 2.0, &error).isNull());
    // Drawn at the screen's scale within the pixels of the largest picture
    // allowed at its own size.
    QCOMPARE(metafileScale(QSize(2048, 2048), 4.0), 2.0);
    QCOMPARE(metafileScale(QSize(kMaxMetafileSide, kMaxMetafileSide), 2.0), 1.0);
}

void TestPictureFormats::damagedFilesFail_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QImage blocks = blocksImage();
    const QByteArray bmp = encoded(blocks, "bmp");
    const QByteArray jpeg = encoded(blocks, "jpeg");
    const QByteArray gif = encodeGif(blocks);
    const QByteArray emf = emfBlocks();
    const QByteArray wmf = wmfBlocks();
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("This is not a picture.\r\n");
    QTest::newRow("bmp cut in half") << bmp.left(bmp.size() / 2);
    QTest::newRow("bmp headers only") << bmp.left(54);
    QTest::newRow("bmp one byte short") << bmp.left(bmp.size() - 1);
    QTest::newRow("bmp signature only") << QByteArray("BM");
    QByteArray zeroWidth = bmp;
    putU32(zeroWidth, 18, 0);
    QTest::newRow("bmp zero width") << zeroWidth;
    QTest::newRow("dib cut short") << bmp.mid(14, 2000);
    QTest::newRow("jpeg cut in half") << jpeg.left(jpeg.size() / 2);
    QTest::newRow("jpeg without end marker") << jpeg.left(jpeg.size() - 2);
    QTest::newRow("jpeg signature only") << jpeg.left(3);
    QTest::newRow("gif cut in half") << gif.left(gif.size() / 2);
    QTest::newRow("gif without trailer") << gif.left(gif.size() - 1);
    QTest::newRow("gif header only") << gif.left(13);
    QTest::newRow("emf cut in half") << emf.left(emf.size() / 2);
    QTest::newRow("emf header only") << emf.left(108);
    QTest::newRow("wmf cut in half") << wmf.left(wmf.size() / 2);
    QTest::newRow("wmf headers only") << wmf.left(kWmfRecords);
}

void TestPictureFormats::damagedFilesFail()
{
    QFETCH(QByteArray, bytes);
    for (const char* name : {"damaged.bmp", "damaged.jpg", "damaged.emf"}) {
        writeAllBytes(dir_.filePath(name), bytes);
        QString error;
        QVERIFY(loadPicture(dir_.filePath(name), &error).isNull());
        QVERIFY(!error.isEmpty());
    }
}

void TestPictureFormats::oversizedFileIsRefused()
{
    // A sparse file one byte over the limit, starting like a real bitmap.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.bmp"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write("BM", 2) == 2);
    QVERIFY(file.resize(kMaxPictureFileBytes + 1));
    file.close();
    QString error;
    QVERIFY(loadPicture(path, &error).isNull());
    QCOMPARE(error, QStringLiteral("The file is too large for a picture."));
}

static QString skinCorpus(const QString& name)
{
    return QDir(quill::test::sourceFolder()).filePath(QStringLiteral("fuzz/corpus/skin/") + name);
}

void TestPictureFormats::inputsFoundByFuzzingAreRefusedWithAReason_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");
    const QString damaged = QStringLiteral("The picture is cut short or damaged.");
    // The header promised a record larger than the file: libwmf would
    // allocate it before reading a byte.
    QTest::newRow("wmf record larger than the file")
        << "oom-e65920317c62ae676f906cb2171000bfd18181c4" << "The metafile header is damaged.";
    QTest::newRow("wmf drawing far outside its picture")
        << "slow-unit-1c97e6bfb730219598dff44531b5b27b2f4d1c8d"
        << "The metafile draws far outside its picture or is too costly to draw.";
    // Run-length data that skips pixels would leave them uninitialised.
    QTest::newRow("rle skipping pixels") << "crash-d5a45fb68bd28b6f33916e023f46cffcaebb229c" << damaged;
    QTest::newRow("rle delta jump") << "tiny-rle8-delta.bmp" << damaged;
    QTest::newRow("rle ending early") << "tiny-rle8-early-end.bmp" << damaged;
    QTest::newRow("rle short line") << "tiny-rle8-short-line.bmp" << damaged;
}

void TestPictureFormats::inputsFoundByFuzzingAreRefusedWithAReason()
{
    QFETCH(QString, file);
    QFETCH(QString, reason);
    QVERIFY(QFileInfo::exists(skinCorpus(file)));
    QString error;
    QVERIFY(loadPicture(skinCorpus(file), &error).isNull());
    QCOMPARE(error, reason);
}

void TestPictureFormats::completeRunLengthPicturesLoad()
{
    QString error;
    const QImage skin = loadPicture(skinCorpus(QStringLiteral("skin-rle8.bmp")), &error);
    QVERIFY2(!skin.isNull(), qPrintable(error));
    QCOMPARE(skin.size(), QSize(370, 380));
    QVERIFY(!loadPicture(skinCorpus(QStringLiteral("tiny-rle4.bmp")), &error).isNull());
}

void TestPictureFormats::missingFilesAndFoldersFail()
{
    QString error;
    QVERIFY(loadPicture(dir_.filePath("nowhere.bmp"), &error).isNull());
    QCOMPARE(error, QString::fromLocal8Bit(std::strerror(ENOENT)));
    QVERIFY(QDir(dir_.path()).mkpath("folder.bmp"));
    QVERIFY(loadPicture(dir_.filePath("folder.bmp"), &error).isNull());
    QCOMPARE(error, QString::fromLocal8Bit(std::strerror(EISDIR)));
}

void TestPictureFormats::metafilesWithBadSizesOrRecordsAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray emf = emfBlocks();
    const QByteArray wmf = wmfBlocks();

    // Picture sizes out of bounds.
    constexpr int kFrameRight = 32;
    constexpr int kFrameBottom = 36;
    QByteArray wide = emf;
    putU32(wide, kFrameRight, 2000000000);
    QTest::newRow("emf frame of kilometres") << wide;
    QByteArray justTooWide = emf;
    putU32(justTooWide, kFrameRight, quint32((kMaxMetafileSide + 1) * 2540 / 96));
    QTest::newRow("emf one pixel over the bound") << justTooWide;
    QByteArray inverted = emf;
    putU32(inverted, kFrameBottom, quint32(-500));
    QTest::newRow("emf frame upside down") << inverted;
    QByteArray flat = emf;
    putU32(flat, kFrameBottom, 0);
    QTest::newRow("emf frame without height") << flat;
    QByteArray noDevice = emf;
    putU32(noDevice, 80, 0);
    QTest::newRow("emf reference device of no millimetres") << noDevice;
    QByteArray coarse = wmf;
    putU16(coarse, 14, 1);  // one unit per inch: the box is thousands of inches
    resumWmfPlaceable(coarse);
    QTest::newRow("wmf of thousands of inches") << coarse;
    QByteArray noInch = wmf;
    putU16(noInch, 14, 0);
    resumWmfPlaceable(noInch);
    QTest::newRow("wmf without units per inch") << noInch;
    QByteArray empty = wmf;
    putU16(empty, 10, 0);
    resumWmfPlaceable(empty);
    QTest::newRow("wmf box without width") << empty;
    QByteArray spread = wmf;
    putU16(spread, 6, quint16(-20000));
    putU16(spread, 10, 20000);
    putU16(spread, 14, 1440 * 4);  // 40000 units are only 667 pixels, but no 16-bit extent
    resumWmfPlaceable(spread);
    QTest::newRow("wmf box wider than a window can be") << spread;

    // Damaged headers and records.
    const qsizetype firstRecord = u32(emf, 4);

    QByteArray past = emf;
    putU32(past, firstRecord + 4, 0x7ffffff0);
    QTest::newRow("emf record beyond the file") << past;
    QByteArray zero = emf;
    putU32(zero, firstRecord + 4, 0);
    QTest::newRow("emf record of no size") << zero;
    QByteArray unaligned = emf;
    putU32(unaligned, firstRecord + 4, u32(emf, firstRecord + 4) + 2);
    QTest::newRow("emf record of odd size") << unaligned;
    QByteArray points = emf;
    putU32(points, emfRecord(emf, U_EMR_POLYPOLYGON16) + 28, 0x10000000);
    QTest::newRow("emf polygon with more points than bytes") << points;
    QByteArray handle = emf;
    putU32(handle, emfRecord(emf, U_EMR_CREATEBRUSHINDIRECT) + 8, 77);
    QTest::newRow("emf brush outside the object table") << handle;
    QByteArray noEnd = emf.left(emf.size() - 20);
    putU32(noEnd, 48, quint32(noEnd.size()));
    QTest::newRow("emf without its last record") << noEnd;
    QByteArray twoHeaders = emf;
    putU32(twoHeaders, firstRecord, U_EMR_HEADER);
    QTest::newRow("emf with a second header") << twoHeaders;
    QByteArray signature = emf;
    putU32(signature, 40, 0x20202020);
    QTest::newRow("emf without signature") << signature;
    QByteArray checksum = wmf;
    checksum[10] = char(checksum[10] ^ 0x01);
    QTest::newRow("wmf placeable header with wrong checksum") << checksum;
    QTest::newRow("wmf without placeable header") << wmf.mid(22);
    QByteArray tiny = wmf;
    putU32(tiny, kWmfRecords, 0);
    QTest::newRow("wmf record of no size") << tiny;
    QByteArray huge = wmf;
    putU32(huge, kWmfRecords, 0x7ffffff0);
    QTest::newRow("wmf record beyond the file") << huge;
    QByteArray polygons = wmf;
    putU16(polygons, wmfRecord(wmf, 0x0538) + 6, 30000);
    QTest::newRow("wmf polygon count beyond the record") << polygons;
    QByteArray object = wmf;
    putU16(object, wmfRecord(wmf, 0x012d) + 6, 40);
    QTest::newRow("wmf object outside the table") << object;
    QByteArray wmfNoEnd = wmf.left(wmf.size() - 6);
    putU32(wmfNoEnd, 22 + 6, quint32((wmfNoEnd.size() - 22) / 2));
    QTest::newRow("wmf without its last record") << wmfNoEnd;
}

void TestPictureFormats::metafilesWithBadSizesOrRecordsAreRefused()
{
    QFETCH(QByteArray, bytes);
    QString error;
    QVERIFY(decodePicture(bytes, &error).isNull());
    QVERIFY(!error.isEmpty());
}

void TestPictureFormats::embeddedBitmapsOfAbsurdSizeAreRefused()
{
    // An EMF that stretches a bitmap of 8 bits per pixel onto itself.
    auto withBitmap = [](int32_t width, int32_t height) {
        EmfWriter writer(kPictureSize);
        QByteArray emf = writer.finish();
        const uint32_t stride = (uint32_t(width) + 3) & ~3u;
        QByteArray bits(qsizetype(stride) * std::abs(height), '\1');
        const U_BITMAPINFOHEADER header = bitmapinfoheader_set(width, height, 1, 8, U_BI_RGB,
                                                               uint32_t(bits.size()), 2835, 2835, 2, 0);
        U_RGBQUAD colours[2] = {rgbquad_set(0, 0, 0, 0), rgbquad_set(200, 30, 40, 0)};
        PU_BITMAPINFO info = bitmapinfo_set(header, colours);
        const int32_t w = kPictureSize.width() * kMetafileUnitsPerPixel;
        const int32_t h = kPictureSize.height() * kMetafileUnitsPerPixel;
        char* record = U_EMRSTRETCHDIBITS_set(rectl_set(pointl_set(0, 0), pointl_set(w - 1, h - 1)), pointl_set(0, 0),
                                              pointl_set(w, h), pointl_set(0, 0), pointl_set(width, std::abs(height)),
                                              U_DIB_RGB_COLORS, U_SRCCOPY, info, uint32_t(bits.size()), bits.data());
        std::free(info);
        emf.insert(emf.size() - 20, record, u32(QByteArray(record, 8), 4));
        std::free(record);
        putU32(emf, 48, quint32(emf.size()));
        putU32(emf, 52, u32(emf, 52) + 1);
        return emf;
    };
    QString error;
    const QImage small = decodePicture(withBitmap(4, 4), &error);
    QVERIFY2(!small.isNull(), qPrintable(error));
    QVERIFY(near(small.pixel(185, 190), qRgb(200, 30, 40), 2));
    // The bitmap's own header is what the libraries would allocate by.
    QVERIFY(decodePicture(withBitmap(kMaxMetafileSide + 1, 1), &error).isNull());
    QVERIFY(!error.isEmpty());
    QVERIFY(decodePicture(withBitmap(1, -(kMaxMetafileSide + 1)), &error).isNull());
}

void TestPictureFormats::mutatedFilesNeverCrash_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QImage blocks = blocksImage();
    QTest::newRow("emf") << emfBlocks();
    QTest::newRow("wmf") << wmfBlocks();
    QTest::newRow("bmp") << encoded(blocks.scaled(40, 40), "bmp");
    QTest::newRow("gif") << encodeGif(blocks.scaled(60, 60));
    QTest::newRow("jpeg") << encoded(blocks.scaled(60, 60), "jpeg");
}

void TestPictureFormats::mutatedFilesNeverCrash()
{
    // Damage of every kind a file on disk can suffer: flipped bits, fields
    // overwritten with extreme values, cuts. Whatever happens, the loader
    // answers with a picture of sane size or with a reason.
    QFETCH(QByteArray, bytes);
    QRandomGenerator random(20240611);
    const quint32 extremes[] = {0, 1, 0x7fffffff, 0x80000000, 0xffffffff, 0xffff, 0x8000};
    int pictures = 0;
    for (int round = 0; round < 150; ++round) {
        QByteArray damaged = bytes;
        const int edits = 1 + random.bounded(4);
        for (int e = 0; e < edits && !damaged.isEmpty(); ++e) {
            const qsizetype at = random.bounded(damaged.size());
            switch (random.bounded(3)) {
            case 0:
                damaged[at] = char(damaged[at] ^ (1 << random.bounded(8)));
                break;
            case 1:
                if (at + 4 <= damaged.size())
                    putU32(damaged, at & ~qsizetype(3), extremes[random.bounded(int(std::size(extremes)))]);
                break;
            default:
                damaged.truncate(std::max<qsizetype>(at, damaged.size() - 64));
                break;
            }
        }
        QString error;
        const QImage image = decodePicture(damaged, &error);
        if (image.isNull()) {
            QVERIFY(!error.isEmpty());
            continue;
        }
        ++pictures;
        QVERIFY(image.width() <= 65535 && image.height() <= 65535);
    }
    qInfo("%d of 150 damaged files still gave a picture", pictures);
}

void TestPictureFormats::gifWriterRoundTripsEveryColourAndLongRuns()
{
    // 256 colours in noise fill the code table many times over; long runs
    // of one colour make the longest codes.
    QImage image(300, 260, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int index = y < 130 ? int(random.bounded(256)) : (x / 50) * 40;
            image.setPixel(x, y, qRgb(index, 255 - index, (index * 7) % 256));
        }
    }
    const QByteArray gif = encodeGif(image);
    QVERIFY(!gif.isEmpty());
    QString error;
    const QImage back = decodePicture(gif, &error);
    QVERIFY2(!back.isNull(), qPrintable(error));
    QCOMPARE(back.convertToFormat(QImage::Format_RGB32), image);

    image.setPixel(0, 0, qRgb(1, 2, 3));  // a 257th colour
    QVERIFY(encodeGif(image).isEmpty());
}

QTEST_MAIN(TestPictureFormats)
#include "test_pictureformats.moc"
