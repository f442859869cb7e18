// Playing and editing as a player without a mouse, and with a screen reader:
// the real programs driven by keys alone, read back from the accessibility
// tree that a screen reader reads on the AT-SPI bus. And the Game menu as a
// player uses it: Undo, Redo, hints followed to the win, the record, and a
// random level taken up by its code, saved, loaded and won.

#include "model/gamesession.h"
#include "model/levelfile.h"
#include "model/randomlevel.h"
#include "model/savedgame.h"
#include "model/solver.h"
#include "model/spoken.h"
#include "tests/e2e/desktop.h"
#include "tests/e2e/e2efixture.h"
#include "tests/e2e/gameui.h"
#include "tests/support/dragdriver.h"
#include "tests/support/fixtures.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <deque>
#include <map>

using namespace quill;
using namespace quill::e2e;
using quill::test::readAllBytes;

namespace {

const QString kEditorTitle = QStringLiteral("Quillmere Level Editor");

const AccessibleNode* findNode(const AccessibleTree& tree, const std::function<bool(const AccessibleNode&)>& match)
{
    for (const AccessibleNode& node : tree) {
        if (match(node))
            return &node;
    }
    return nullptr;
}

// The board as the tree tells it: the board's own name and description.
const AccessibleNode* boardNode(const AccessibleTree& tree)
{
    return findNode(tree, [](const AccessibleNode& n) {
        return n.role == QLatin1String("filler") && n.name.startsWith(QLatin1String("Board"));
    });
}

// What differs between the pictures the tree names and `positions`; empty
// when every piece is named where `positions` has it.
QString piecesProblem(const AccessibleTree& tree, const Positions& positions)
{
    QStringList wrong;
    for (int piece = 0; piece < kPieceCount; ++piece) {
        const QString expected = spokenPiece(piece, columnOf(positions[piece]), rowOf(positions[piece]));
        const AccessibleNode* picture = findNode(tree, [&](const AccessibleNode& n) {
            return n.role == QLatin1String("image") && n.name.startsWith(spokenPieceName(piece) + QLatin1Char(','));
        });
        if (!picture)
            wrong << QStringLiteral("no picture is named for the %1").arg(spokenPieceName(piece));
        else if (picture->name != expected || !picture->showing)
            wrong << QStringLiteral("\"%1\" where \"%2\" is").arg(picture->name, expected);
    }
    return wrong.join(QStringLiteral("; "));
}

// The arrow keys that bring the keyboard's selection from where `session`
// has it to `piece`, found on a copy of the game as the player would
// find them by listening.
QStringList arrowsTo(const GameSession& session, int piece)
{
    const std::map<QString, GameSession::Key> arrows = {
        {QStringLiteral("Left"), GameSession::Key::Left}, {QStringLiteral("Right"), GameSession::Key::Right},
        {QStringLiteral("Up"), GameSession::Key::Up},     {QStringLiteral("Down"), GameSession::Key::Down}};
    std::deque<std::pair<GameSession, QStringList>> open{{session, {}}};
    for (int visited = 0; !open.empty() && visited < 200; ++visited) {
        auto [state, keys] = open.front();
        open.pop_front();
        if (state.selectionShown() && state.selectedPiece() == piece)
            return keys;
        for (const auto& [name, key] : arrows) {
            GameSession next = state;
            next.PressKey(key);
            if (next.selectedPiece() != state.selectedPiece() || next.selectionShown() != state.selectionShown())
                open.push_back({next, keys + QStringList{name}});
        }
    }
    return {};
}

// The cell that a spoken place such as "columns 2 to 3, rows 4 to 5" names
// for `piece`.
std::optional<PieceDrag::Cell> cellOfPlace(int piece, const QString& place)
{
    for (int16_t row = 0; row < kRows; ++row) {
        for (int16_t col = 0; col < kColumns; ++col) {
            if (spokenPlace(piece, col, row) == place)
                return PieceDrag::Cell{col, row};
        }
    }
    return std::nullopt;
}

}  // namespace

class TestE2eAccess : public E2eTest {
    Q_OBJECT

public:
    TestE2eAccess() : E2eTest(true) {}

private slots:
    void levelFinishedFromTheKeyboardAlone();
    void levelEditedAndSavedFromTheKeyboardAlone();
    void undoRedoAndHintsToTheWinAndTheRecord();
    void randomLevelByItsCodeSavedLoadedAndWonByHints();

private:
    // Reads the tree of `program` until `done` holds of it.
    Problem waitForTree(qint64 pid, const std::function<QString(const AccessibleTree&)>& problemOf,
                        AccessibleTree* tree = nullptr);
    // Asks Game > Hint again and again, each hint read as the screen reader
    // reads it and followed with the mouse, until the congratulation shows;
    // `positions` follows the board.
    void followHintsToTheWin(const Program& game, GameUi& ui, Positions& positions, const QImage& skin);
    // Waits until the tree holds an object named `name`.
    Problem waitForName(qint64 pid, const QString& name);
};

Problem TestE2eAccess::waitForTree(qint64 pid, const std::function<QString(const AccessibleTree&)>& problemOf,
                                   AccessibleTree* tree)
{
    Problem last;
    const bool done = waitUntil(
        [&] {
            const std::optional<AccessibleTree> read = session->desktop().accessibleTree(pid, &last);
            if (!read)
                return false;
            last = problemOf(*read);
            if (last.isEmpty() && tree)
                *tree = *read;
            return last.isEmpty();
        },
        10000, 200);
    return done ? Problem() : last;
}

void TestE2eAccess::followHintsToTheWin(const Program& game, GameUi& ui, Positions& positions, const QImage& skin)
{
    Desktop& desktop = session->desktop();
    const QRegularExpression hintSentence(
        QStringLiteral("^Hint: slide the (.+) (left|right|up|down) by \\d+ cells?, to (.+)\\.$"));
    std::optional<Window> won;
    for (int hint = 0; hint < 20 && !won; ++hint) {
        QUILL_E2E_OK(desktop.focus(ui.window().id));
        QUILL_E2E_OK(desktop.keys({QStringLiteral("alt+g"), QStringLiteral("h")}));
        QVERIFY2(desktop.waitForWindow(QStringLiteral("Quillmere - Hint"), game.pid()), "Hint showed no message");
        AccessibleTree tree;
        QUILL_E2E_OK(waitForTree(game.pid(), [&](const AccessibleTree& t) {
            const AccessibleNode* board = boardNode(t);
            return board && hintSentence.match(board->description).hasMatch() ? QString()
                                                                              : QStringLiteral("no hint is told");
        }, &tree));
        const QRegularExpressionMatch said = hintSentence.match(boardNode(tree)->description);
        int piece = -1;
        for (int i = 0; i < kPieceCount; ++i) {
            if (spokenPieceName(i).toLower() == said.captured(1))
                piece = i;
        }
        QVERIFY2(piece >= 0, qPrintable(said.captured(0)));
        const std::optional<PieceDrag::Cell> to = cellOfPlace(piece, said.captured(3));
        QVERIFY2(to, qPrintable(said.captured(0)));
        QUILL_E2E_OK(desktop.answer(QStringLiteral("Quillmere - Hint"), game.pid(), {QStringLiteral("Return")}));
        QUILL_E2E_OK(ui.slide(positions[piece], positionValue(to->col, to->row)));
        positions[piece] = positionValue(to->col, to->row);
        won = desktop.waitForWindow(QStringLiteral("Quillmere - Congratulations"), game.pid(), 1500);
        if (!won)
            QUILL_E2E_OK(ui.waitForBoard(positions, skin));
    }
    QVERIFY2(won, "following the hints did not win the level");
}

Problem TestE2eAccess::waitForName(qint64 pid, const QString& name)
{
    return waitForTree(pid, [&](const AccessibleTree& tree) {
        return findNode(tree, [&](const AccessibleNode& n) { return n.name == name; })
                   ? QString()
                   : QStringLiteral("nothing in the tree is named \"%1\"").arg(name);
    });
}

void TestE2eAccess::levelFinishedFromTheKeyboardAlone()
{
    Problem solveProblem;
    const std::optional<std::vector<Move>> solution = optimalSolution(session->folder(), 1, &solveProblem);
    QVERIFY2(solution && !solution->empty(), qPrintable(solveProblem));

    Desktop& desktop = session->desktop();
    QUILL_E2E_OK(startLevelOne());
    Program& game = *this->game;
    GameUi& ui = *this->ui;
    QUILL_E2E_OK(desktop.focus(ui.window().id));

    Positions positions = levels[0].positions;
    QUILL_E2E_OK(waitForTree(game.pid(), [&](const AccessibleTree& tree) { return piecesProblem(tree, positions); }));

    // The same game on the side, to know which arrows reach a piece.
    GameSession mirror = test::startedSession(positions);
    for (std::size_t i = 0; i < solution->size(); ++i) {
        const Move& move = (*solution)[i];
        const QStringList arrows = arrowsTo(mirror, move.piece);
        QVERIFY2(!arrows.isEmpty() || mirror.selectedPiece() == move.piece, "no arrows reach the piece");
        for (const QString& arrow : arrows)
            mirror.PressKey(arrow == QLatin1String("Left")    ? GameSession::Key::Left
                            : arrow == QLatin1String("Right") ? GameSession::Key::Right
                            : arrow == QLatin1String("Up")    ? GameSession::Key::Up
                                                              : GameSession::Key::Down);
        QUILL_E2E_OK(desktop.keys(arrows));
        const QString selected = QStringLiteral("Board: ")
                                 + spokenPiece(move.piece, columnOf(move.from), rowOf(move.from))
                                 + QStringLiteral(", selected");
        QUILL_E2E_OK(waitForTree(game.pid(), [&](const AccessibleTree& tree) {
            const AccessibleNode* board = boardNode(tree);
            return board && board->name == selected ? QString() : QStringLiteral("the board says \"%1\", not \"%2\"")
                                                                       .arg(board ? board->name : QString(), selected);
        }));

        // Pick it up, slide it cell by cell, put it down.
        const int dc = columnOf(move.to) - columnOf(move.from);
        const int dr = rowOf(move.to) - rowOf(move.from);
        QStringList keys = {QStringLiteral("space")};
        for (int k = 0; k < std::abs(dc); ++k)
            keys << (dc > 0 ? QStringLiteral("Right") : QStringLiteral("Left"));
        for (int k = 0; k < std::abs(dr); ++k)
            keys << (dr > 0 ? QStringLiteral("Down") : QStringLiteral("Up"));
        keys << QStringLiteral("Return");
        QUILL_E2E_OK(desktop.keys(keys));
        mirror.PressKey(GameSession::Key::PickUpOrPutDown);
        for (const QString& key : keys.mid(1, keys.size() - 2))
            mirror.PressKey(key == QLatin1String("Right")  ? GameSession::Key::Right
                            : key == QLatin1String("Left") ? GameSession::Key::Left
                            : key == QLatin1String("Down") ? GameSession::Key::Down
                                                           : GameSession::Key::Up);
        mirror.PressKey(GameSession::Key::PickUpOrPutDown);
        positions[move.piece] = move.to;
        QCOMPARE(mirror.board().PiecePositions(), positions);
        if (i + 1 < solution->size()) {
            QUILL_E2E_OK(waitForTree(game.pid(),
                                     [&](const AccessibleTree& tree) { return piecesProblem(tree, positions); }));
        }
    }

    const std::optional<Window> message =
        desktop.waitForWindow(QStringLiteral("Quillmere - Congratulations"), game.pid());
    QVERIFY2(message, "the last key brought no congratulation");
    // The screen reader reads the message with the count of the keyboard's steps.
    const QString told = QStringLiteral("Congratulations!! You finished the game in %1 steps.").arg(solution->size());
    QUILL_E2E_OK(waitForTree(game.pid(), [&](const AccessibleTree& tree) {
        return findNode(tree, [&](const AccessibleNode& n) { return n.name == told; })
                   ? QString()
                   : QStringLiteral("no \"%1\" in the tree").arg(told);
    }));
    QUILL_E2E_OK(desktop.answer(QStringLiteral("Quillmere - Congratulations"), game.pid(), {QStringLiteral("Return")}));
    QUILL_E2E_OK(waitForTree(game.pid(), [](const AccessibleTree& tree) {
        const AccessibleNode* board = boardNode(tree);
        return board && board->name == QLatin1String("Board: the level is finished") ? QString()
                                                                                      : QStringLiteral("not finished");
    }));
    QUILL_E2E_OK(ui.exitQuietly());
}

void TestE2eAccess::levelEditedAndSavedFromTheKeyboardAlone()
{
    Desktop& desktop = session->desktop();
    const QString levelPath = session->folder().file(QStringLiteral("QLM.ZHN"));
    const QByteArray original = readAllBytes(levelPath);
    const Positions start = decodeLevelTable(original)[0].positions;
    Program& editor = session->start(QStringLiteral("QuillEd"));
    QUILL_E2E_OK(editor.startProblem());
    const std::optional<Window> window = desktop.waitForWindow(kEditorTitle, editor.pid(), 15000);
    QVERIFY(window);
    QUILL_E2E_OK(desktop.focus(window->id));

    // The option buttons hold the focus at start: Tab to the name box and
    // type a name; back to the options, down to Soldier D; back once more,
    // round to the grid.
    QUILL_E2E_OK(desktop.keys({QStringLiteral("Tab"), QStringLiteral("ctrl+a")}));
    QUILL_E2E_OK(desktop.type(QStringLiteral("Keyboard")));
    QStringList keys = {QStringLiteral("shift+Tab")};
    for (int i = 0; i < 9; ++i)
        keys << QStringLiteral("Down");
    keys << QStringLiteral("shift+Tab");
    QUILL_E2E_OK(desktop.keys(keys));

    // The cell cursor from the top-left cell to an empty one in the bottom
    // row, the grid saying each time what lies under the cursor.
    int empty = -1;
    for (int col = 0; col < kColumns && empty < 0; ++col) {
        bool covered = false;
        for (int piece = 0; piece < kPieceCount; ++piece)
            forEachCell(piece, columnOf(start[piece]), rowOf(start[piece]),
                        [&](int c, int r) { covered = covered || (c == col && r == kRows - 1); });
        if (!covered)
            empty = col;
    }
    QVERIFY(empty >= 0);
    keys.clear();
    for (int i = 0; i < kRows - 1; ++i)
        keys << QStringLiteral("Down");
    for (int i = 0; i < empty; ++i)
        keys << QStringLiteral("Right");
    QUILL_E2E_OK(desktop.keys(keys));
    const QString cursor = QStringLiteral("Grid, column %1, row 5: empty").arg(empty + 1);
    QUILL_E2E_OK(waitForTree(editor.pid(), [&](const AccessibleTree& tree) {
        return findNode(tree, [&](const AccessibleNode& n) { return n.name == cursor; })
                   ? QString()
                   : QStringLiteral("the grid does not say \"%1\"").arg(cursor);
    }));
    QUILL_E2E_OK(desktop.keys({QStringLiteral("space")}));
    const QString placed = QStringLiteral("column %1, row 5: Soldier D").arg(empty + 1);
    QUILL_E2E_OK(waitForTree(editor.pid(), [&](const AccessibleTree& tree) {
        return findNode(tree, [&](const AccessibleNode& n) { return n.name == placed; })
                   ? QString()
                   : QStringLiteral("no cell says \"%1\"").arg(placed);
    }));

    // Back past Clear and Exit to Save, which Enter presses.
    QUILL_E2E_OK(desktop.keys({QStringLiteral("shift+Tab"), QStringLiteral("shift+Tab"), QStringLiteral("shift+Tab"),
                               QStringLiteral("Return")}));
    QByteArray expected = original;
    LevelTable levels = decodeLevelTable(original);
    levels[0].name = fitLevelName(QStringLiteral("Keyboard"));
    levels[0].positions[9] = positionValue(empty, kRows - 1);
    expected.replace(0, kLevelFileSize, encodeLevelTable(levels));
    QVERIFY2(waitUntil([&] { return readAllBytes(levelPath) == expected; }, 5000),
             "Save from the keyboard did not write the edited level");
    // Tab to Exit, Enter: nothing is unsaved, so it ends at once.
    QUILL_E2E_OK(desktop.keys({QStringLiteral("Tab"), QStringLiteral("Return")}));
    QVERIFY2(editor.waitForEnd(), "Exit from the keyboard did not end the editor");
}

void TestE2eAccess::undoRedoAndHintsToTheWinAndTheRecord()
{
    Problem solveProblem;
    const std::optional<std::vector<Move>> solution = optimalSolution(session->folder(), 1, &solveProblem);
    QVERIFY2(solution && solution->size() >= 2, qPrintable(solveProblem));
    const QImage skin = skinPicture(session->folder().file(QStringLiteral("skins/default.bmp")));

    Desktop& desktop = session->desktop();
    QUILL_E2E_OK(startLevelOne());
    Program& game = *this->game;
    GameUi& ui = *this->ui;
    Positions positions = levels[0].positions;
    QUILL_E2E_OK(ui.waitForBoard(positions, skin));

    // Part of the level with the mouse, then Undo (Ctrl+Z) and Redo (the menu).
    const Move& first = solution->front();
    QUILL_E2E_OK(ui.slide(first.from, first.to));
    Positions afterFirst = positions;
    afterFirst[first.piece] = first.to;
    QUILL_E2E_OK(ui.waitForBoard(afterFirst, skin));
    QUILL_E2E_OK(desktop.focus(ui.window().id));
    QUILL_E2E_OK(desktop.keys({QStringLiteral("ctrl+z")}));
    QUILL_E2E_OK(ui.waitForBoard(positions, skin));
    QUILL_E2E_OK(desktop.keys({QStringLiteral("alt+g"), QStringLiteral("r")}));
    QUILL_E2E_OK(ui.waitForBoard(afterFirst, skin));
    positions = afterFirst;

    // Then the hints alone, until the level is won.
    followHintsToTheWin(game, ui, positions, skin);
    if (QTest::currentTestFailed())
        return;
    QUILL_E2E_OK(waitForName(
        game.pid(), QStringLiteral("Congratulations!! You finished the game in %1 steps.").arg(solution->size())));
    QUILL_E2E_OK(desktop.answer(QStringLiteral("Quillmere - Congratulations"), game.pid(), {QStringLiteral("Return")}));

    // Progress shows the record: level 1 in its fewest steps.
    QUILL_E2E_OK(desktop.focus(ui.window().id));
    QUILL_E2E_OK(desktop.keys({QStringLiteral("alt+g"), QStringLiteral("p")}));
    QVERIFY(desktop.waitForWindow(QStringLiteral("Quillmere - Progress"), game.pid()));
    AccessibleTree tree;
    QUILL_E2E_OK(waitForTree(game.pid(), [](const AccessibleTree& t) {
        return findNode(t, [](const AccessibleNode& n) { return n.name.startsWith(QLatin1String("Finished ")); })
                   ? QString()
                   : QStringLiteral("no summary in the Progress window");
    }, &tree));
    QVERIFY(findNode(tree, [](const AccessibleNode& n) {
        return n.name == QLatin1String("Finished 1 of 70 levels, 1 of them in the fewest steps.");
    }));
    // The first row of the table: number, name, best, fewest, mark.
    auto row = std::find_if(tree.begin(), tree.end(), [](const AccessibleNode& n) {
        return n.role == QLatin1String("table cell") && n.name == QLatin1String("1");
    });
    QVERIFY(std::distance(row, tree.end()) >= 5);
    QCOMPARE(row[1].name.trimmed(), levels[0].name.trimmed());
    QCOMPARE(row[2].name, QString::number(solution->size()));
    QCOMPARE(row[3].name, QString::number(solution->size()));
    QVERIFY(!row[4].name.isEmpty());
    QUILL_E2E_OK(desktop.keys({QStringLiteral("Escape")}));
    QVERIFY(desktop.waitForNoWindow(QStringLiteral("Quillmere - Progress"), game.pid()));
    QVERIFY(QFileInfo::exists(session->folder().file(QStringLiteral("qlm-progress.txt"))));
    QUILL_E2E_OK(ui.exitQuietly());
}

void TestE2eAccess::randomLevelByItsCodeSavedLoadedAndWonByHints()
{
    QRandomGenerator seeded(20);
    const DealtLevel level = *dealLevel(5, seeded);
    const SolutionMove first = slideSolver().solve(level.start).moves.front();
    Positions moved = level.start;
    moved[first.piece] = first.to;
    const QImage skin = skinOfFolder();
    Desktop& desktop = session->desktop();
    QUILL_E2E_OK(startGame());
    Program& game = *this->game;
    GameUi& ui = *this->ui;
    const auto gameKeys = [&](const QString& key) {
        const Problem focused = desktop.focus(ui.window().id);
        return focused.isEmpty() ? desktop.keys({QStringLiteral("alt+g"), key}) : focused;
    };

    // The code typed in small letters without its dash, then Enter.
    QUILL_E2E_OK(gameKeys(QStringLiteral("n")));
    const std::optional<Window> chooser = desktop.waitForWindow(QStringLiteral("Quillmere - Random Level"), game.pid());
    QVERIFY(chooser);
    QUILL_E2E_OK(desktop.focus(chooser->id));
    QUILL_E2E_OK(desktop.keys({QStringLiteral("alt+c"), QStringLiteral("Tab")}));
    QUILL_E2E_OK(desktop.type(level.code.toLower().remove(QLatin1Char('-'))));
    QUILL_E2E_OK(desktop.keys({QStringLiteral("Return")}));
    QUILL_E2E_OK(ui.waitForBoard(level.start, skin));
    QUILL_E2E_OK(waitForName(game.pid(), QStringLiteral("Random: %1").arg(level.code)));
    QUILL_E2E_OK(waitForName(game.pid(), QStringLiteral("Steps: 0 (fewest 5)")));

    // One slide saved; Restart Level, Load Game, and Restart Level again,
    // back to the dealt start.
    QUILL_E2E_OK(ui.slide(first.from, first.to));
    QUILL_E2E_OK(ui.waitForBoard(moved, skin));
    QUILL_E2E_OK(ui.saveGame(QStringLiteral("random one")));
    QUILL_E2E_OK(gameKeys(QStringLiteral("s")));
    QUILL_E2E_OK(ui.waitForBoard(level.start, skin));
    QUILL_E2E_OK(ui.loadGame(0, QStringLiteral("random one.sav")));
    QUILL_E2E_OK(ui.waitForBoard(moved, skin));
    QUILL_E2E_OK(waitForName(game.pid(), QStringLiteral("Steps: 1 (fewest 5)")));
    QUILL_E2E_OK(gameKeys(QStringLiteral("s")));
    QUILL_E2E_OK(ui.waitForBoard(level.start, skin));

    // Won by the hints in its fewest steps, and counted so in Progress.
    Positions positions = level.start;
    followHintsToTheWin(game, ui, positions, skin);
    if (QTest::currentTestFailed())
        return;
    QUILL_E2E_OK(waitForName(game.pid(), QStringLiteral("Congratulations!! You finished the game in 5 steps.")));
    QUILL_E2E_OK(desktop.answer(QStringLiteral("Quillmere - Congratulations"), game.pid(), {QStringLiteral("Return")}));
    QUILL_E2E_OK(gameKeys(QStringLiteral("p")));
    QUILL_E2E_OK(waitForName(game.pid(), QStringLiteral("Random levels finished: 1, 1 of them in the fewest steps.")));
}

QTEST_GUILESS_MAIN(TestE2eAccess)
#include "test_e2e_access.moc"
