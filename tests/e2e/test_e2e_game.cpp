// Quillmere as a new player meets it: the first start, a level played to
// the win with real drags, and a game saved, the program restarted and the
// game loaded again.

#include "model/levelfile.h"
#include "tests/e2e/desktop.h"
#include "tests/e2e/e2efixture.h"
#include "tests/e2e/gameui.h"
#include "tests/support/fixtures.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

using namespace quill;
using namespace quill::e2e;
using quill::test::readAllBytes;
using quill::test::writeAllBytes;

namespace {

// The status line: lblStatus and lblSteps, left 120 to 6015, top 5640 to
// 6015 twips.
const QRect kStatusLine(8, 376, 393, 25);
// The banner, 370 x 40 pixels, centred in the client area.
const QRect kBanner(19, 182, 370, 40);

}  // namespace

class TestE2eGame : public E2eTest {
    Q_OBJECT

private slots:
    void firstStartCreatesFoldersAndSettings();
    void firstStartWithoutSkinsCreatesTheFolderThenEnds();
    void levelOneIsWonWithItsOptimalSolution();
    void gameSavedMidwayIsLoadedAfterARestart();

};

void TestE2eGame::firstStartCreatesFoldersAndSettings()
{
    const ProgramFolder& folder = session->folder();
    QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("saved"))));
    QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("qlm.ini"))));

    Program& game = session->start(QStringLiteral("Quillmere"));
    QUILL_E2E_OK(game.startProblem());
    GameUi ui(session->desktop(), game);
    QUILL_E2E_OK(ui.attach());

    QVERIFY(QFileInfo(folder.file(QStringLiteral("saved"))).isDir());
    QVERIFY(QFileInfo(folder.file(QStringLiteral("skins"))).isDir());
    QCOMPARE(readAllBytes(folder.file(QStringLiteral("qlm.ini"))), QByteArray("default.bmp\r\n"));

    // Centred on the 1024 x 768 screen, and nothing but the window's own
    // background below the menu until a game starts.
    const QRect window = ui.window().geometry;
    QCOMPARE(window.width(), kGameClientSize.width());
    QCOMPARE(window.left(), (1024 - window.width()) / 2);
    QCOMPARE(window.top(), (768 - window.height()) / 2);
    QUILL_E2E_OK(session->desktop().parkPointer());
    const QImage shot = session->desktop().screenshot();
    const QRgb background = shot.pixel(ui.screenPoint({3, 200}));
    int other = 0;
    for (int y = 0; y < kGameClientSize.height(); ++y)
        for (int x = 0; x < kGameClientSize.width(); ++x)
            other += shot.pixel(ui.screenPoint({x, y})) != background;
    QCOMPARE(other, 0);

    QUILL_E2E_OK(ui.exitQuietly());
}

void TestE2eGame::firstStartWithoutSkinsCreatesTheFolderThenEnds()
{
    const ProgramFolder& folder = session->folder();
    QVERIFY(QDir(folder.file(QStringLiteral("skins"))).removeRecursively());

    Program& game = session->start(QStringLiteral("Quillmere"));
    QUILL_E2E_OK(game.startProblem());
    const std::optional<Window> error =
        session->desktop().waitForWindow(QStringLiteral("Quillmere - ERROR"), game.pid());
    QVERIFY2(error, "the missing default skin was not reported");
    QVERIFY(QFileInfo(folder.file(QStringLiteral("skins"))).isDir());
    QVERIFY(QFileInfo(folder.file(QStringLiteral("saved"))).isDir());
    QCOMPARE(readAllBytes(folder.file(QStringLiteral("qlm.ini"))), QByteArray("default.bmp\r\n"));

    QUILL_E2E_OK(session->desktop().focus(error->id));
    QUILL_E2E_OK(session->desktop().keys({QStringLiteral("Return")}));
    QVERIFY2(game.waitForEnd(), "the game went on without its skin");
    QVERIFY(game.exitCode() != 0);
    QVERIFY(session->desktop().waitForNoWindow(QStringLiteral("Quillmere"), 0));
}

void TestE2eGame::levelOneIsWonWithItsOptimalSolution()
{
    Problem solveProblem;
    const std::optional<std::vector<Move>> solution = optimalSolution(session->folder(), 1, &solveProblem);
    QVERIFY2(solution && !solution->empty(), qPrintable(solveProblem));
    const QImage skin = skinOfFolder();

    Program& game = session->start(QStringLiteral("Quillmere"));
    QUILL_E2E_OK(game.startProblem());
    GameUi ui(session->desktop(), game);
    QUILL_E2E_OK(ui.attach());
    QUILL_E2E_OK(ui.newGame(0, levelLine(levels, 0)));
    Positions positions = levels[0].positions;
    QUILL_E2E_OK(ui.waitForBoard(positions, skin));

    for (std::size_t i = 0; i < solution->size(); ++i) {
        const Move& move = (*solution)[i];
        QCOMPARE(positions[move.piece], move.from);
        QUILL_E2E_OK(ui.slide(move.from, move.to));
        positions[move.piece] = move.to;
        if (i + 1 < solution->size())
            QUILL_E2E_OK(ui.waitForBoard(positions, skin));
    }

    Desktop& desktop = session->desktop();
    const std::optional<Window> message =
        desktop.waitForWindow(QStringLiteral("Quillmere - Congratulations"), game.pid());
    QVERIFY2(message, "the last slide brought no congratulation");
    QUILL_E2E_OK(desktop.focus(message->id));
    QUILL_E2E_OK(desktop.keys({QStringLiteral("Return")}));
    QVERIFY(desktop.waitForNoWindow(QStringLiteral("Quillmere - Congratulations"), game.pid()));

    // Only the banner is left, centred in the client area.
    QUILL_E2E_OK(desktop.parkPointer());
    const QImage won = desktop.screenshot();
    const QRect bannerCut(0, 340, 370, 40);
    int wrong = 0;
    for (int y = 0; y < kBanner.height(); ++y)
        for (int x = 0; x < kBanner.width(); ++x)
            wrong += won.pixel(ui.screenPoint(kBanner.topLeft() + QPoint(x, y)))
                     != skin.pixel(bannerCut.topLeft() + QPoint(x, y));
    QCOMPARE(wrong, 0);
    const QRgb background = won.pixel(ui.screenPoint({3, 200}));
    for (int row = 0; row < 5; ++row)
        QCOMPARE(won.pixel(ui.cellCentre(0, row)), background);

    // The message and the status line give one count. A saved game with the
    // optimal count on the same level shows its status line; it must read
    // as the status line of the win, pixel for pixel.
    const QString counted = QStringLiteral("optimal.sav");
    const QByteArray nameBytes = readAllBytes(session->folder().file(QStringLiteral("QLM.ZHN"))).left(kNameLength);
    writeAllBytes(session->folder().file(QStringLiteral("saved/") + counted),
                  savedGameBytes(static_cast<int32_t>(solution->size()), 0, nameBytes, levels[0].positions));
    QUILL_E2E_OK(ui.loadGame(0, counted));
    QUILL_E2E_OK(ui.waitForBoard(levels[0].positions, skin));
    const QImage loaded = desktop.screenshot();
    QCOMPARE(differingPixels(won, ui.client(), loaded, ui.client(), kStatusLine), 0);
}

void TestE2eGame::gameSavedMidwayIsLoadedAfterARestart()
{
    const QByteArray levelFile = readAllBytes(session->folder().file(QStringLiteral("QLM.ZHN")));
    Problem solveProblem;
    const std::optional<std::vector<Move>> solution = optimalSolution(session->folder(), 1, &solveProblem);
    QVERIFY2(solution && solution->size() >= 2, qPrintable(solveProblem));
    const QImage skin = skinOfFolder();
    Desktop& desktop = session->desktop();

    Program& first = session->start(QStringLiteral("Quillmere"));
    QUILL_E2E_OK(first.startProblem());
    GameUi ui(desktop, first);
    QUILL_E2E_OK(ui.attach());
    QUILL_E2E_OK(ui.newGame(0, levelLine(levels, 0)));
    Positions positions = levels[0].positions;
    QUILL_E2E_OK(ui.waitForBoard(positions, skin));
    const std::size_t midway = (solution->size() + 1) / 2;
    for (std::size_t i = 0; i < midway; ++i) {
        const Move& move = (*solution)[i];
        QUILL_E2E_OK(ui.slide(move.from, move.to));
        positions[move.piece] = move.to;
        QUILL_E2E_OK(ui.waitForBoard(positions, skin));
    }

    QUILL_E2E_OK(ui.saveGame(QStringLiteral("Half way")));
    const QString saved = session->folder().file(QStringLiteral("saved/Half way.sav"));
    // The file is written once the input box has closed.
    QVERIFY(waitUntil([&] { return QFileInfo(saved).size() == 36; }, 5000));
    QCOMPARE(readAllBytes(saved),
             savedGameBytes(static_cast<int32_t>(midway), 0, levelFile.left(kNameLength), positions));
    QUILL_E2E_OK(desktop.parkPointer());
    const QImage beforeQuitting = desktop.screenshot();
    const QPoint clientBefore = ui.client();
    // Saved, so Exit asks nothing.
    QUILL_E2E_OK(ui.exitQuietly());

    Program& second = session->start(QStringLiteral("Quillmere"));
    QUILL_E2E_OK(second.startProblem());
    GameUi again(desktop, second);
    QUILL_E2E_OK(again.attach());
    QUILL_E2E_OK(again.loadGame(0, QStringLiteral("Half way.sav")));
    QUILL_E2E_OK(again.waitForBoard(positions, skin));
    const QImage afterLoading = desktop.screenshot();
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 4; ++col) {
            const QPoint centre(60 + 60 * col, 60 + 60 * row);
            QCOMPARE(afterLoading.pixel(again.client() + centre), beforeQuitting.pixel(clientBefore + centre));
        }
    }
    // The whole client area, the status line with its step count included.
    QCOMPARE(differingPixels(beforeQuitting, clientBefore, afterLoading, again.client(),
                             QRect(QPoint(0, 0), kGameClientSize)),
             0);

    // The loaded game goes on to the win.
    for (std::size_t i = midway; i < solution->size(); ++i) {
        const Move& move = (*solution)[i];
        QUILL_E2E_OK(again.slide(move.from, move.to));
    }
    QVERIFY2(desktop.waitForWindow(QStringLiteral("Quillmere - Congratulations"), second.pid()),
             "the loaded game was not won by the rest of the solution");
    QCOMPARE(readAllBytes(session->folder().file(QStringLiteral("QLM.ZHN"))), levelFile);
}

QTEST_GUILESS_MAIN(TestE2eGame)
#include "test_e2e_game.moc"
