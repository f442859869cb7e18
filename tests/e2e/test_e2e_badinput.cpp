// Bad files and folders met by the real programs: each case ends in a
// message box or goes on unharmed, and nothing the player had is lost.
// Cases that rest on file modes run the programs as an unprivileged user,
// since root reads and writes through them.

#include "model/levelfile.h"
#include "model/savedgame.h"
#include "model/rounding.h"
#include "model/shapes.h"
#include "tests/e2e/desktop.h"
#include "tests/e2e/e2efixture.h"
#include "tests/e2e/gameui.h"
#include "tests/support/fixtures.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

#include <sys/stat.h>
#include <sys/types.h>

using namespace quill;
using namespace quill::e2e;
using quill::test::readAllBytes;
using quill::test::writeAllBytes;

namespace {

const QString kGameError = QStringLiteral("Quillmere - Error");
const QString kSkinError = QStringLiteral("Quillmere - ERROR");
const QString kEditorTitle = QStringLiteral("Quillmere Level Editor");
const QString kEditorError = QStringLiteral("Quillmere Level Editor - Error");
const QString kEditorSavingError = QStringLiteral("Quillmere Level Editor - Saving Error");

QPoint twipsCentre(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)).center();
}

const QPoint kEditorNameBox = twipsCentre(120, 4560, 2895, 615);
const QPoint kEditorSave = twipsCentre(4135, 5400, 1000, 495);

// A single piece next to an empty cell slides onto it: one step.
std::optional<Move> oneStep(const Positions& positions)
{
    std::array<std::array<bool, kColumns>, kRows> covered{};
    for (int piece = 0; piece < kPieceCount; ++piece)
        forEachCell(piece, columnOf(positions[piece]), rowOf(positions[piece]),
                    [&](int c, int r) { covered[r][c] = true; });
    for (int piece = 6; piece < kPieceCount; ++piece) {
        const int col = columnOf(positions[piece]);
        const int row = rowOf(positions[piece]);
        const QPoint around[] = {{col - 1, row}, {col + 1, row}, {col, row - 1}, {col, row + 1}};
        for (const QPoint& to : around) {
            if (to.x() >= 0 && to.x() < kColumns && to.y() >= 0 && to.y() < kRows && !covered[to.y()][to.x()])
                return Move{piece, positions[piece], positionValue(to.x(), to.y())};
        }
    }
    return std::nullopt;
}

}  // namespace

class TestE2eBadInput : public E2eTest {
    Q_OBJECT

private slots:
    // The level collection
    void unreadableLevelFileEndsBothPrograms();
    void folderInPlaceOfTheLevelFileEndsTheGame();
    void namedPipeIsReported_data();
    void namedPipeIsReported();
    void shortLevelFileGivesClearedLevels();
    void readOnlyFolderKeepsTheEditorsEdits();
    void readOnlyLevelFileIsNotReplaced();

    // Saved games
    void readOnlySavedFolderKeepsTheGame();
    void readOnlySavedGameIsNotReplaced();
    void fileInPlaceOfTheSavedFolderRefusesSaving();
    void unreadableSavedGameIsRefused();

    // Skins and settings
    void unreadableSkinAsksToSaveBeforeTheEnd();
    void damagedSkinInTheSettingsEndsEachStart();
    void settingsThatCannotBeReadOrWritten();
    void fileInPlaceOfTheSkinsFolderEndsTheGame();
    void folderInPlaceOfTheSettingsKeepsTheDefaultSkin();

    // The program folder
    void readOnlyProgramFolderWithoutSavedEndsTheGame();
    void readOnlyProgramFolderUsesThePlayersFolder();

private:
    // Starts the game, New Game on level 1 and one step: a game with
    // something to lose, in `game` and `ui`.
    void startChangedGame(Player player);
    Problem handToPlayer();
};

Problem TestE2eBadInput::handToPlayer()
{
    return session->folder().handToUnprivilegedPlayer();
}

void TestE2eBadInput::startChangedGame(Player player)
{
    QUILL_E2E_OK(startGame(player));
    const QImage skin = skinOfFolder();
    QUILL_E2E_OK(ui->newGame(0, levelLine(levels, 0)));
    Positions positions = levels[0].positions;
    QUILL_E2E_OK(ui->waitForBoard(positions, skin));
    const std::optional<Move> step = oneStep(positions);
    QVERIFY(step);
    QUILL_E2E_OK(ui->slide(step->from, step->to));
    positions[step->piece] = step->to;
    QUILL_E2E_OK(ui->waitForBoard(positions, skin));
}

void TestE2eBadInput::unreadableLevelFileEndsBothPrograms()
{
    const ProgramFolder& folder = session->folder();
    const QByteArray original = readAllBytes(folder.file(QStringLiteral("QLM.ZHN")));
    QUILL_E2E_OK(handToPlayer());
    QVERIFY(folder.setMode(QStringLiteral("QLM.ZHN"), 0));

    Program& game = launchGame(Player::Unprivileged);
    QUILL_E2E_OK(game.startProblem());
    QUILL_E2E_OK(session->desktop().answer(kGameError, game.pid(), {QStringLiteral("Return")}));
    QVERIFY2(game.waitForEnd(), "the game went on without its levels");
    QVERIFY(game.exitCode() != 0);

    Program& editor = session->start(QStringLiteral("QuillEd"), Player::Unprivileged);
    QUILL_E2E_OK(editor.startProblem());
    QUILL_E2E_OK(session->desktop().answer(kEditorError, editor.pid(), {QStringLiteral("Return")}));
    QVERIFY2(editor.waitForEnd(), "the editor went on without its levels");
    QVERIFY(editor.exitCode() != 0);
    QVERIFY(session->desktop().windows(kEditorTitle).empty());

    QVERIFY(folder.setMode(QStringLiteral("QLM.ZHN"), 0644));
    QCOMPARE(readAllBytes(folder.file(QStringLiteral("QLM.ZHN"))), original);
}

void TestE2eBadInput::folderInPlaceOfTheLevelFileEndsTheGame()
{
    const ProgramFolder& folder = session->folder();
    QVERIFY(QFile::remove(folder.file(QStringLiteral("QLM.ZHN"))));
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("QLM.ZHN/inside")));

    Program& game = launchGame();
    QUILL_E2E_OK(game.startProblem());
    QUILL_E2E_OK(session->desktop().answer(kGameError, game.pid(), {QStringLiteral("Return")}));
    QVERIFY2(game.waitForEnd(), "the game went on without its levels");
    QVERIFY(QFileInfo(folder.file(QStringLiteral("QLM.ZHN/inside"))).isDir());
}

void TestE2eBadInput::namedPipeIsReported_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("title");
    QTest::newRow("level file, game") << QStringLiteral("QLM.ZHN") << QStringLiteral("Quillmere") << kGameError;
    QTest::newRow("level file, editor") << QStringLiteral("QLM.ZHN") << QStringLiteral("QuillEd") << kEditorError;
    QTest::newRow("default skin, game") << QStringLiteral("skins/default.bmp") << QStringLiteral("Quillmere")
                                        << kSkinError;
}

void TestE2eBadInput::namedPipeIsReported()
{
    QFETCH(QString, entry);
    QFETCH(QString, program);
    QFETCH(QString, title);
    const ProgramFolder& folder = session->folder();
    QVERIFY(QFile::remove(folder.file(entry)));
    QCOMPARE(::mkfifo(QFile::encodeName(folder.file(entry)).constData(), 0644), 0);

    Program& started = session->start(program);
    QUILL_E2E_OK(started.startProblem());
    // Opening a named pipe for reading would wait for a writer that never
    // comes; the program has to refuse it instead.
    const std::optional<Window> message = session->desktop().waitForWindow(title, started.pid());
    QVERIFY2(message, qPrintable(program + QStringLiteral(" hangs on a named pipe in place of ") + entry));
    QUILL_E2E_OK(session->desktop().answer(title, started.pid(), {QStringLiteral("Return")}));
    QVERIFY(started.waitForEnd());
    QVERIFY(started.exitCode() != 0);
    QVERIFY(QFileInfo(folder.file(entry)).exists());
}

void TestE2eBadInput::shortLevelFileGivesClearedLevels()
{
    // 1000 bytes: records 1 to 33 whole, the rest cleared (NUL names,
    // every piece at position value 0).
    const ProgramFolder& folder = session->folder();
    const QString levelPath = folder.file(QStringLiteral("QLM.ZHN"));
    const QByteArray shortFile = readAllBytes(levelPath).left(1000);
    writeAllBytes(levelPath, shortFile);
    const LevelTable shortLevels = decodeLevelTable(shortFile);

    Program& game = launchGame();
    QUILL_E2E_OK(game.startProblem());
    GameUi ui(session->desktop(), game);
    QUILL_E2E_OK(ui.attach());
    QUILL_E2E_OK(ui.newGame(0, levelLine(shortLevels, 0)));
    QUILL_E2E_OK(ui.waitForBoard(shortLevels[0].positions,
                                 skinPicture(folder.file(QStringLiteral("skins/default.bmp")))));
    QCOMPARE(levelLine(shortLevels, 69), QStringLiteral("Level 70 - ") + QString(10, QChar(0)));
    QUILL_E2E_OK(ui.newGame(69, levelLine(shortLevels, 69)));
    QVERIFY(session->desktop().windows(kGameError, game.pid()).empty());
    QUILL_E2E_OK(ui.exitQuietly());
    QCOMPARE(readAllBytes(levelPath), shortFile);
}

void TestE2eBadInput::readOnlyFolderKeepsTheEditorsEdits()
{
    // An installed copy: the program folder cannot be written, so the
    // editor saves the player's copy; while the player's folder cannot be
    // made either, Save reports it and keeps every edit.
    const ProgramFolder& folder = session->folder();
    const QString levelPath = folder.file(QStringLiteral("QLM.ZHN"));
    const QByteArray original = readAllBytes(levelPath);
    const QStringList entries =
        QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QUILL_E2E_OK(handToPlayer());
    QVERIFY(folder.setMode(QString(), 0555));
    QVERIFY(::chmod(QFile::encodeName(folder.playerDataHome()).constData(), 0555) == 0);

    Desktop& desktop = session->desktop();
    Program& editor = session->start(QStringLiteral("QuillEd"), Player::Unprivileged);
    QUILL_E2E_OK(editor.startProblem());
    const std::optional<Window> window = desktop.waitForWindow(kEditorTitle, editor.pid(), 15000);
    QVERIFY2(window, qPrintable(QString::fromLocal8Bit(editor.output())));
    QUILL_E2E_OK(desktop.focus(window->id));
    QUILL_E2E_OK(desktop.click(window->geometry.topLeft() + kEditorNameBox));
    QUILL_E2E_OK(desktop.keys({QStringLiteral("ctrl+a"), QStringLiteral("BackSpace")}));
    QUILL_E2E_OK(desktop.type(QStringLiteral("Kept")));

    QUILL_E2E_OK(desktop.click(window->geometry.topLeft() + kEditorSave));
    QUILL_E2E_OK(desktop.answer(kEditorSavingError, editor.pid(), {QStringLiteral("Return")}));
    QCOMPARE(readAllBytes(levelPath), original);
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), entries);
    QVERIFY(!QFileInfo::exists(folder.playerFolder()));

    // Once the player's folder can be made, the same Save writes the kept
    // edit into the player's copy; the installed file stays as it was.
    QVERIFY(::chmod(QFile::encodeName(folder.playerDataHome()).constData(), 0755) == 0);
    QUILL_E2E_OK(desktop.click(window->geometry.topLeft() + kEditorSave));
    QByteArray expected = original;
    expected.replace(0, kNameLength, QByteArray("Kept      "));
    const QString copy = folder.playerFolder() + QStringLiteral("/qlm.zhn");
    QVERIFY2(waitUntil([&] { return readAllBytes(copy) == expected; }, 5000),
             "the edit made before the failed save was not written by the next one");
    QVERIFY(desktop.windows(kEditorSavingError, editor.pid()).empty());
    QCOMPARE(readAllBytes(levelPath), original);
}

void TestE2eBadInput::readOnlyLevelFileIsNotReplaced()
{
    const ProgramFolder& folder = session->folder();
    const QString levelPath = folder.file(QStringLiteral("QLM.ZHN"));
    const QByteArray original = readAllBytes(levelPath);
    QUILL_E2E_OK(handToPlayer());
    QVERIFY(folder.setMode(QStringLiteral("QLM.ZHN"), 0444));

    Desktop& desktop = session->desktop();
    Program& editor = session->start(QStringLiteral("QuillEd"), Player::Unprivileged);
    QUILL_E2E_OK(editor.startProblem());
    const std::optional<Window> window = desktop.waitForWindow(kEditorTitle, editor.pid(), 15000);
    QVERIFY(window);
    QUILL_E2E_OK(desktop.focus(window->id));
    QUILL_E2E_OK(desktop.click(window->geometry.topLeft() + kEditorNameBox));
    QUILL_E2E_OK(desktop.keys({QStringLiteral("ctrl+a"), QStringLiteral("BackSpace")}));
    QUILL_E2E_OK(desktop.type(QStringLiteral("Protected")));
    QUILL_E2E_OK(desktop.click(window->geometry.topLeft() + kEditorSave));

    const bool refused = desktop.waitForWindow(kEditorSavingError, editor.pid(), 3000).has_value();
    const bool replaced = readAllBytes(levelPath) != original;
    QVERIFY2(refused, "Save wrote over a read-only QLM.ZHN without a word");
    QVERIFY2(!replaced, "the read-only QLM.ZHN was replaced");
}

void TestE2eBadInput::readOnlySavedGameIsNotReplaced()
{
    const ProgramFolder& folder = session->folder();
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("saved")));
    const QByteArray kept = savedGameBytes(9, 0, levels[0].name.toLatin1(), levels[0].positions);
    writeAllBytes(folder.file(QStringLiteral("saved/kept.sav")), kept);
    QUILL_E2E_OK(handToPlayer());
    QVERIFY(folder.setMode(QStringLiteral("saved/kept.sav"), 0444));

    Desktop& desktop = session->desktop();
    startChangedGame(Player::Unprivileged);
    if (QTest::currentTestFailed())
        return;
    QUILL_E2E_OK(ui->saveGame(QStringLiteral("kept")));
    QUILL_E2E_OK(desktop.answer(QStringLiteral("Quillmere - Saving"), game->pid(), {QStringLiteral("y")}));

    const bool refused =
        desktop.waitForWindow(QStringLiteral("Quillmere - Saving Error"), game->pid(), 3000).has_value();
    const bool replaced = readAllBytes(folder.file(QStringLiteral("saved/kept.sav"))) != kept;
    QVERIFY2(refused, "Save Game wrote over a read-only saved game without a word");
    QVERIFY2(!replaced, "the read-only saved game was replaced");
}

void TestE2eBadInput::readOnlySavedFolderKeepsTheGame()
{
    const ProgramFolder& folder = session->folder();
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("saved")));
    QUILL_E2E_OK(handToPlayer());
    QVERIFY(folder.setMode(QStringLiteral("saved"), 0555));

    Desktop& desktop = session->desktop();
    startChangedGame(Player::Unprivileged);
    if (QTest::currentTestFailed())
        return;
    const QImage before = desktop.screenshot();
    QUILL_E2E_OK(ui->saveGame(QStringLiteral("blocked")));
    QUILL_E2E_OK(desktop.answer(QStringLiteral("Quillmere - Saving Error"), game->pid(), {QStringLiteral("Return")}));
    QVERIFY(QDir(folder.file(QStringLiteral("saved"))).isEmpty());

    // The game is as it was, and still counts as changed: Exit asks.
    QUILL_E2E_OK(desktop.parkPointer());
    QCOMPARE(differingPixels(before, ui->client(), desktop.screenshot(), ui->client(),
                             QRect(QPoint(0, 0), kGameClientSize)),
             0);
    QUILL_E2E_OK(ui->fileCommand(QStringLiteral("x")));
    QUILL_E2E_OK(desktop.answer(QStringLiteral("Quillmere - Exit"), game->pid(), {QStringLiteral("Escape")}));
    QVERIFY(game->running());
}

void TestE2eBadInput::fileInPlaceOfTheSavedFolderRefusesSaving()
{
    const ProgramFolder& folder = session->folder();
    writeAllBytes(folder.file(QStringLiteral("saved")), "a file, not a folder");

    Desktop& desktop = session->desktop();
    startChangedGame(Player::Tester);
    if (QTest::currentTestFailed())
        return;
    QUILL_E2E_OK(ui->saveGame(QStringLiteral("nowhere")));
    QUILL_E2E_OK(desktop.answer(QStringLiteral("Quillmere - Saving Error"), game->pid(), {QStringLiteral("Return")}));
    QCOMPARE(readAllBytes(folder.file(QStringLiteral("saved"))), QByteArray("a file, not a folder"));

    // Load Game lists nothing to copy; Cancel leaves the game.
    const std::optional<Window> chooser = ui->openLoadGame(QStringLiteral("n"));
    QVERIFY(chooser);
    QUILL_E2E_OK(desktop.clearClipboard());
    QUILL_E2E_OK(desktop.focus(chooser->id));
    QUILL_E2E_OK(desktop.keys({QStringLiteral("Home"), QStringLiteral("ctrl+c")}));
    QTest::qWait(300);
    QCOMPARE(desktop.clipboard().value_or(QString()), QStringLiteral("(nothing copied)"));
    QUILL_E2E_OK(desktop.click(chooser->geometry.topLeft() + chooserCancelButton()));
    QVERIFY(desktop.waitForNoWindow(QStringLiteral("Load Game"), game->pid()));
    QVERIFY(game->running());
}

void TestE2eBadInput::unreadableSavedGameIsRefused()
{
    const ProgramFolder& folder = session->folder();
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("saved")));
    const QByteArray good = savedGameBytes(5, 0, QByteArray("Locked    "), levels[0].positions);
    writeAllBytes(folder.file(QStringLiteral("saved/locked.sav")), good);
    QUILL_E2E_OK(handToPlayer());
    QVERIFY(folder.setMode(QStringLiteral("saved/locked.sav"), 0));

    Desktop& desktop = session->desktop();
    startChangedGame(Player::Unprivileged);
    if (QTest::currentTestFailed())
        return;
    const QImage before = desktop.screenshot();
    const std::optional<Window> chooser = ui->openLoadGame(QStringLiteral("n"));
    QVERIFY(chooser);
    QUILL_E2E_OK(ui->chooseLine(*chooser, 0, QStringLiteral("locked.sav")));
    QUILL_E2E_OK(desktop.click(chooser->geometry.topLeft() + chooserConfirmButton()));
    QUILL_E2E_OK(desktop.answer(kGameError, game->pid(), {QStringLiteral("Return")}));

    QUILL_E2E_OK(desktop.parkPointer());
    QCOMPARE(differingPixels(before, ui->client(), desktop.screenshot(), ui->client(),
                             QRect(QPoint(0, 0), kGameClientSize)),
             0);
    QVERIFY(folder.setMode(QStringLiteral("saved/locked.sav"), 0644));
    QCOMPARE(readAllBytes(folder.file(QStringLiteral("saved/locked.sav"))), good);
}

void TestE2eBadInput::unreadableSkinAsksToSaveBeforeTheEnd()
{
    const ProgramFolder& folder = session->folder();
    QUILL_E2E_OK(handToPlayer());
    QVERIFY(folder.setMode(QStringLiteral("skins/wood.jpg"), 0));
    const QStringList skins = QDir(folder.file(QStringLiteral("skins")))
                                  .entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    const int row = static_cast<int>(skins.indexOf(QStringLiteral("wood.jpg")));
    QVERIFY(row >= 0);

    Desktop& desktop = session->desktop();
    startChangedGame(Player::Unprivileged);
    if (QTest::currentTestFailed())
        return;
    QUILL_E2E_OK(ui->setSkin(row, QStringLiteral("wood.jpg")));
    QUILL_E2E_OK(desktop.answer(kSkinError, game->pid(), {QStringLiteral("Return")}));
    // The moves can still be saved before the game ends.
    QUILL_E2E_OK(desktop.answer(QStringLiteral("Quillmere - Exit"), game->pid(), {QStringLiteral("y")}));
    QUILL_E2E_OK(ui->nameGame(QStringLiteral("rescued")));
    QVERIFY2(game->waitForEnd(), "the game went on without a skin");
    QCOMPARE(QFileInfo(folder.file(QStringLiteral("saved/rescued.sav"))).size(), 36);
    QCOMPARE(readAllBytes(folder.file(QStringLiteral("qlm.ini"))), QByteArray("default.bmp\r\n"));
}

void TestE2eBadInput::damagedSkinInTheSettingsEndsEachStart()
{
    const ProgramFolder& folder = session->folder();
    const QByteArray wood = readAllBytes(folder.file(QStringLiteral("skins/wood.jpg")));
    writeAllBytes(folder.file(QStringLiteral("skins/broken.jpg")), wood.left(wood.size() / 2));
    writeAllBytes(folder.file(QStringLiteral("qlm.ini")), "broken.jpg\r\n");

    // The setting names a file that exists, so it stands; the picture fails
    // at every start until the player mends or deletes it.
    for (int start = 0; start < 2; ++start) {
        Program& game = launchGame();
        QUILL_E2E_OK(game.startProblem());
        QUILL_E2E_OK(session->desktop().answer(kSkinError, game.pid(), {QStringLiteral("Return")}));
        QVERIFY2(game.waitForEnd(), "the game went on with a damaged skin");
        QCOMPARE(readAllBytes(folder.file(QStringLiteral("qlm.ini"))), QByteArray("broken.jpg\r\n"));
    }
    QCOMPARE(readAllBytes(folder.file(QStringLiteral("skins/broken.jpg"))), wood.left(wood.size() / 2));

    QVERIFY(QFile::remove(folder.file(QStringLiteral("skins/broken.jpg"))));
    Program& mended = launchGame();
    GameUi ui(session->desktop(), mended);
    QUILL_E2E_OK(ui.attach());
    QCOMPARE(readAllBytes(folder.file(QStringLiteral("qlm.ini"))), QByteArray("default.bmp\r\n"));
    QUILL_E2E_OK(ui.exitQuietly());
}

void TestE2eBadInput::settingsThatCannotBeReadOrWritten()
{
    const ProgramFolder& folder = session->folder();
    const QString settings = folder.file(QStringLiteral("qlm.ini"));
    writeAllBytes(settings, "wood.jpg\r\n");
    QUILL_E2E_OK(handToPlayer());
    QVERIFY(folder.setMode(QStringLiteral("qlm.ini"), 0));
    const QStringList skins =
        QDir(folder.file(QStringLiteral("skins"))).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    auto skinPath = [&](const QString& name) { return folder.file(QStringLiteral("skins/") + name); };

    // Unreadable: the default skin is used; a file the player protected
    // is not replaced.
    Desktop& desktop = session->desktop();
    Program& game = launchGame(Player::Unprivileged);
    QUILL_E2E_OK(game.startProblem());
    GameUi ui(desktop, game);
    QUILL_E2E_OK(ui.attach());
    QUILL_E2E_OK(ui.newGame(0, levelLine(levels, 0)));
    QUILL_E2E_OK(ui.waitForBoard(levels[0].positions, skinPicture(skinPath(QStringLiteral("default.bmp")))));
    QCOMPARE(readAllBytes(settings), QByteArray("wood.jpg\r\n"));
    struct stat settingsStat {};
    QCOMPARE(::stat(QFile::encodeName(settings).constData(), &settingsStat), 0);
    QCOMPARE(int(settingsStat.st_mode & 0777), 0);

    // Read-only: Set Skin shows the skin but leaves the setting alone.
    QVERIFY(folder.setMode(QStringLiteral("qlm.ini"), 0444));
    const QString arcade = QStringLiteral("arcade.gif");
    QUILL_E2E_OK(ui.setSkin(static_cast<int>(skins.indexOf(arcade)), arcade));
    QUILL_E2E_OK(ui.waitForBoard(levels[0].positions, skinPicture(skinPath(arcade))));
    QCOMPARE(readAllBytes(settings), QByteArray("wood.jpg\r\n"));

    // Writable again: Set Skin remembers the skin.
    QVERIFY(folder.setMode(QStringLiteral("qlm.ini"), 0644));
    QUILL_E2E_OK(ui.setSkin(static_cast<int>(skins.indexOf(arcade)), arcade));
    QUILL_E2E_OK(ui.waitForBoard(levels[0].positions, skinPicture(skinPath(arcade))));
    QCOMPARE(readAllBytes(settings), QByteArray("arcade.gif\r\n"));

    // A program folder that turned read-only: the skin is shown, but it
    // cannot be remembered, and nothing is said.
    QVERIFY(folder.setMode(QString(), 0555));
    const QString wood = QStringLiteral("wood.jpg");
    QUILL_E2E_OK(ui.setSkin(static_cast<int>(skins.indexOf(wood)), wood));
    QUILL_E2E_OK(ui.waitForBoard(levels[0].positions, skinPicture(skinPath(wood))));
    QCOMPARE(readAllBytes(settings), QByteArray("arcade.gif\r\n"));
    QVERIFY(desktop.windows(kSkinError, game.pid()).empty());
    QVERIFY(desktop.windows(kGameError, game.pid()).empty());
    QUILL_E2E_OK(ui.exitQuietly());
}

void TestE2eBadInput::fileInPlaceOfTheSkinsFolderEndsTheGame()
{
    const ProgramFolder& folder = session->folder();
    QVERIFY(QDir(folder.file(QStringLiteral("skins"))).removeRecursively());
    writeAllBytes(folder.file(QStringLiteral("skins")), "a file, not a folder");

    Program& game = launchGame();
    QUILL_E2E_OK(game.startProblem());
    QUILL_E2E_OK(session->desktop().answer(kSkinError, game.pid(), {QStringLiteral("Return")}));
    QVERIFY2(game.waitForEnd(), "the game went on without its skins");
    QCOMPARE(readAllBytes(folder.file(QStringLiteral("skins"))), QByteArray("a file, not a folder"));
    QCOMPARE(readAllBytes(folder.file(QStringLiteral("qlm.ini"))), QByteArray("default.bmp\r\n"));
}

void TestE2eBadInput::folderInPlaceOfTheSettingsKeepsTheDefaultSkin()
{
    const ProgramFolder& folder = session->folder();
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("qlm.ini/inside")));

    Program& game = launchGame();
    QUILL_E2E_OK(game.startProblem());
    GameUi ui(session->desktop(), game);
    QUILL_E2E_OK(ui.attach());
    QUILL_E2E_OK(ui.newGame(0, levelLine(levels, 0)));
    QUILL_E2E_OK(ui.waitForBoard(levels[0].positions, skinPicture(folder.file(QStringLiteral("skins/default.bmp")))));
    QVERIFY(session->desktop().windows(kGameError, game.pid()).empty());
    QUILL_E2E_OK(ui.exitQuietly());
    QVERIFY(QFileInfo(folder.file(QStringLiteral("qlm.ini/inside"))).isDir());
}

void TestE2eBadInput::readOnlyProgramFolderWithoutSavedEndsTheGame()
{
    // An installed copy whose player's folder cannot be made: the game says
    // which folder and ends; nothing is written anywhere.
    const ProgramFolder& folder = session->folder();
    QUILL_E2E_OK(handToPlayer());
    QVERIFY(folder.setMode(QString(), 0555));
    QVERIFY(::chmod(QFile::encodeName(folder.playerDataHome()).constData(), 0555) == 0);

    Program& game = launchGame(Player::Unprivileged);
    QUILL_E2E_OK(game.startProblem());
    QUILL_E2E_OK(session->desktop().answer(kGameError, game.pid(), {QStringLiteral("Return")}));
    QVERIFY2(game.waitForEnd(), "the game went on without a folder to write to");
    QVERIFY(game.exitCode() != 0);
    QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("saved"))));
    QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("qlm.ini"))));
    QVERIFY(!QFileInfo::exists(folder.playerFolder()));
}

void TestE2eBadInput::readOnlyProgramFolderUsesThePlayersFolder()
{
    const ProgramFolder& folder = session->folder();
    QUILL_E2E_OK(handToPlayer());
    QVERIFY(folder.setMode(QString(), 0555));
    startChangedGame(Player::Unprivileged);
    QUILL_E2E_OK(ui->saveGame(QStringLiteral("mine")));
    const QString saved = folder.playerFolder() + QStringLiteral("/saved/mine.sav");
    QVERIFY2(waitUntil([&] { return readAllBytes(saved).size() == kSavedGameSize; }, 5000),
             "the game was not saved in the player's folder");
    QCOMPARE(readAllBytes(folder.playerFolder() + QStringLiteral("/qlm.ini")), QByteArray("default.bmp\r\n"));
    QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("saved"))));
    QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("qlm.ini"))));
    QUILL_E2E_OK(ui->exitQuietly());
}

QTEST_GUILESS_MAIN(TestE2eBadInput)
#include "test_e2e_badinput.moc"
