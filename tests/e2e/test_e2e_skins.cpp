// Set Skin with every shipped skin, and the next start of the game uses it.

#include "game/skin/skinlayout.h"
#include "model/levelfile.h"
#include "tests/e2e/desktop.h"
#include "tests/e2e/e2efixture.h"
#include "tests/e2e/gameui.h"
#include "tests/support/fixtures.h"

#include <QDir>
#include <QtTest>

using namespace quill;
using namespace quill::e2e;
using quill::test::readAllBytes;

namespace {

// Frames, title and pieces: everything of the board above the status line.
const QRect kBoardArea(0, 0, 408, 360);

bool decodedByTheTest(const QString& skin)
{
    const QString suffix = skin.section(QLatin1Char('.'), -1).toLower();
    return suffix != QLatin1String("wmf") && suffix != QLatin1String("emf");
}

}  // namespace

class TestE2eSkins : public E2eTest {
    Q_OBJECT

private slots:
    void everyShippedSkinIsUsedByTheNextStart();

private:
    // Starts the game and New Game on level 1; the board is checked against
    // `expected` (pixels of the board area) and, for pictures the test can
    // decode itself, against the skin file.
    void startWithBoard(const QString& skin, const QImage& expected);
    // Waits until the board area holds still and returns it.
    QImage settledBoard(const QImage& differentFrom);
};

QImage TestE2eSkins::settledBoard(const QImage& differentFrom)
{
    QImage board;
    QImage previous;
    waitUntil(
        [&] {
            board = session->desktop().screenshot().copy(QRect(ui->client(), kBoardArea.size()));
            const bool settled = board == previous && board != differentFrom;
            previous = board;
            return settled;
        },
        10000, 200);
    return board;
}

void TestE2eSkins::startWithBoard(const QString& skin, const QImage& expected)
{
    QUILL_E2E_OK(startGame());
    QCOMPARE(readAllBytes(session->folder().file(QStringLiteral("qlm.ini"))), (skin + QStringLiteral("\r\n")).toLatin1());
    QUILL_E2E_OK(ui->newGame(0, levelLine(levels, 0)));
    if (decodedByTheTest(skin)) {
        QUILL_E2E_OK(ui->waitForBoard(levels[0].positions,
                                      skinPicture(session->folder().file(QStringLiteral("skins/") + skin))));
    }
    if (!expected.isNull()) {
        const bool same = waitUntil(
            [&] {
                return session->desktop().screenshot().copy(QRect(ui->client(), kBoardArea.size())) == expected;
            },
            10000, 200);
        QVERIFY2(same, qPrintable(skin + QStringLiteral(" does not look as it did when it was set")));
    }
}

void TestE2eSkins::everyShippedSkinIsUsedByTheNextStart()
{
    QStringList patterns = QString::fromLatin1(kSkinPattern).split(QLatin1Char(';'));
    const QStringList skins = QDir(session->folder().file(QStringLiteral("skins")))
                                  .entryList(patterns, QDir::Files, QDir::Name | QDir::IgnoreCase);
    QVERIFY2(skins.contains(QStringLiteral("default.bmp")) && skins.size() >= 2,
             qPrintable(skins.join(QLatin1Char(' '))));

    startWithBoard(QStringLiteral("default.bmp"), {});
    if (QTest::currentTestFailed())
        return;
    const QImage defaultBoard = settledBoard({});
    QImage shownBoard = defaultBoard;
    QString shownSkin = QStringLiteral("default.bmp");

    for (int row = 0; row < skins.size(); ++row) {
        const QString& skin = skins[row];
        QUILL_E2E_OK(ui->setSkin(row, skin));
        const QByteArray remembered = (skin + QStringLiteral("\r\n")).toLatin1();
        QVERIFY2(waitUntil([&] { return readAllBytes(session->folder().file(QStringLiteral("qlm.ini"))) == remembered; },
                           10000),
                 qPrintable(skin + QStringLiteral(" was not remembered in qlm.ini")));
        if (decodedByTheTest(skin)) {
            QUILL_E2E_OK(ui->waitForBoard(levels[0].positions,
                                          skinPicture(session->folder().file(QStringLiteral("skins/") + skin))));
        }
        const QImage board = settledBoard(skin == shownSkin ? QImage() : shownBoard);
        if (skin != QLatin1String("default.bmp")) {
            const int differing = differingPixels(board, {}, defaultBoard, {}, kBoardArea);
            QVERIFY2(differing > kBoardArea.width() * kBoardArea.height() / 10,
                     qPrintable(skin + QStringLiteral(" looks like the default skin")));
        }

        QUILL_E2E_OK(ui->exitQuietly());
        startWithBoard(skin, board);
        if (QTest::currentTestFailed())
            return;
        shownBoard = board;
        shownSkin = skin;
    }
    QUILL_E2E_OK(ui->exitQuietly());
}

QTEST_GUILESS_MAIN(TestE2eSkins)
#include "test_e2e_skins.moc"
