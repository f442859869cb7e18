// The rules of the board's size: what fits a screen, the steps of the keys,
// a pointer in board pixels, and the file that keeps the player's size.

#include "model/boardsize.h"
#include "tests/support/fixtures.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace quill;
using namespace quill::test;

class TestBoardSize : public QObject {
    Q_OBJECT

private slots:
    void sizesFitTheRoom_data();
    void sizesFitTheRoom();
    void keysStepWithinTheScreen();
    void pointerIsFoundInBoardPixels();
    void sizeFileKeepsOnlyASize();
};

void TestBoardSize::sizesFitTheRoom_data()
{
    QTest::addColumn<QSize>("room");
    QTest::addColumn<int>("smallest");
    QTest::addColumn<int>("largest");
    QTest::newRow("just the usual window") << QSize(408, 405) << 10 << 10;
    QTest::newRow("a pixel short") << QSize(408, 404) << 9 << 9;
    // 1366 x 768 at scale 2, less a title bar and a menu bar.
    QTest::newRow("small screen, large scale") << QSize(683, 384 - 30 - 25) << 7 << 7;
    QTest::newRow("1920 x 1080") << QSize(1920, 1080 - 60) << 10 << 26;
    QTest::newRow("a wall") << QSize(20000, 20000) << 10 << kLargestBoardSize;
    QTest::newRow("a stamp") << QSize(10, 10) << kSmallestBoardSize << kSmallestBoardSize;
}

void TestBoardSize::sizesFitTheRoom()
{
    QFETCH(QSize, room);
    QFETCH(int, smallest);
    QFETCH(int, largest);
    const BoardSizeRange range = boardSizesFor(room);
    QCOMPARE(range.smallest, smallest);
    QCOMPARE(range.largest, largest);
    QCOMPARE(boardClientSize(kUsualBoardSize), QSize(408, 405));
    if (largest > kSmallestBoardSize) {
        QVERIFY(boardClientSize(largest).width() <= room.width() && boardClientSize(largest).height() <= room.height());
        if (largest < kLargestBoardSize)
            QVERIFY(!QRect(QPoint(), room).contains(QRect(QPoint(), boardClientSize(largest + 1))));
    }
}

void TestBoardSize::keysStepWithinTheScreen()
{
    const BoardSizeRange range{10, 26};
    QCOMPARE(largerBoardSize(10, range), 12);
    QCOMPARE(largerBoardSize(20, range), 25);
    QCOMPARE(largerBoardSize(25, range), 26);
    QCOMPARE(largerBoardSize(26, range), 26);
    QCOMPARE(smallerBoardSize(26, range), 25);
    QCOMPARE(smallerBoardSize(13, range), 12);
    QCOMPARE(smallerBoardSize(10, range), 10);
    const BoardSizeRange small{7, 7};
    QCOMPARE(largerBoardSize(7, small), 7);
    QCOMPARE(smallerBoardSize(7, small), 7);
}

void TestBoardSize::pointerIsFoundInBoardPixels()
{
    // Every cell edge lies on a whole pixel at every size.
    for (int size = kSmallestBoardSize; size <= kLargestBoardSize; ++size) {
        for (int px : {10, 30, 60, 90, 270, 370})
            QCOMPARE(scaledLength(px, size) * 10, px * size);
    }
    QCOMPARE(boardPixelsOf(90, 15), 60.0);
    QCOMPARE(boardPixelsOf(59.5, 10), 59.5);
    QCOMPARE(boardPixelsOf(119, 20), 59.5);
}

void TestBoardSize::sizeFileKeepsOnlyASize()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(kBoardSizeFileName);
    QCOMPARE(readBoardSizeFile(path), std::nullopt);
    QVERIFY(writeBoardSizeFile(path, 15).ok());
    QCOMPARE(readAllBytes(path), QByteArray("150\r\n"));
    QCOMPARE(readBoardSizeFile(path), std::optional<int>(15));
    for (const QByteArray& bad : {QByteArray("155"), QByteArray("30"), QByteArray("900"), QByteArray("big"),
                                  QByteArray()}) {
        writeAllBytes(path, bad);
        QCOMPARE(readBoardSizeFile(path), std::nullopt);
    }
}

QTEST_GUILESS_MAIN(TestBoardSize)
#include "test_boardsize.moc"
