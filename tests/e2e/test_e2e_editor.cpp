// QuillEd changes a level with real typing and clicks and saves it; the
// game then offers the level under its new name and with its new position.

#include "model/levelfile.h"
#include "model/rounding.h"
#include "model/shapes.h"
#include "tests/e2e/desktop.h"
#include "tests/e2e/e2efixture.h"
#include "tests/e2e/gameui.h"
#include "tests/support/fixtures.h"

#include <QFileInfo>
#include <QtTest>

using namespace quill;
using namespace quill::e2e;
using quill::test::readAllBytes;

namespace {

const QString kEditorTitle = QStringLiteral("Quillmere Level Editor");

QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

QRect cellLabel(int col, int row)
{
    return twipsRect(120 + 720 * col, 120 + 720 * row, 705, 705);
}

QRect swatch(int piece)
{
    return twipsRect(3240, 120 + 480 * piece, 1095, 315);
}

const QRect kNameBox = twipsRect(120, 4560, 2895, 615);
const QRect kSaveButton = twipsRect(4135, 5400, 1000, 495);
const QRect kExitButton = twipsRect(5425, 5400, 1000, 495);

// The editor's piece colours and the blank one.
const std::array<QRgb, kPieceCount> kPieceColours = {
    qRgb(255, 0, 255), qRgb(128, 0, 0), qRgb(255, 255, 0), qRgb(255, 255, 255), qRgb(0, 0, 255),
    qRgb(0, 0, 0),     qRgb(255, 0, 0), qRgb(0, 255, 0),   qRgb(0, 255, 255),   qRgb(0, 128, 0),
};
const QRgb kBlank = qRgb(192, 192, 192);

// The colour each cell of the grid should show for `positions`.
std::array<std::array<QRgb, kColumns>, kRows> gridColours(const Positions& positions)
{
    std::array<std::array<QRgb, kColumns>, kRows> colours;
    for (auto& row : colours)
        row.fill(kBlank);
    for (int piece = 0; piece < kPieceCount; ++piece)
        forEachCell(piece, columnOf(positions[piece]), rowOf(positions[piece]),
                    [&](int c, int r) { colours[r][c] = kPieceColours[piece]; });
    return colours;
}

}  // namespace

class TestE2eEditor : public E2eTest {
    Q_OBJECT

private slots:
    void renamedAndChangedLevelReachesTheGame();

private:
    Problem gridShows(const Window& editor, const Positions& positions);
};

Problem TestE2eEditor::gridShows(const Window& editor, const Positions& positions)
{
    const auto colours = gridColours(positions);
    Problem problem;
    waitUntil(
        [&] {
            const QImage shot = session->desktop().screenshot();
            problem.clear();
            for (int row = 0; row < kRows && problem.isEmpty(); ++row) {
                for (int col = 0; col < kColumns && problem.isEmpty(); ++col) {
                    const QRgb seen = shot.pixel(editor.geometry.topLeft() + cellLabel(col, row).center());
                    if (seen != colours[row][col])
                        problem = QStringLiteral("the cell at column %1, row %2 shows #%3, not #%4")
                                      .arg(col)
                                      .arg(row)
                                      .arg(seen & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                                      .arg(colours[row][col] & 0xFFFFFF, 6, 16, QLatin1Char('0'));
                }
            }
            return problem.isEmpty();
        },
        5000, 100);
    return problem;
}

void TestE2eEditor::renamedAndChangedLevelReachesTheGame()
{
    const QString levelPath = session->folder().file(QStringLiteral("QLM.ZHN"));
    const QByteArray original = readAllBytes(levelPath);
    QCOMPARE(original.size(), kLevelFileSize);
    LevelTable levels;
    QVERIFY(readLevelFile(levelPath, levels).ok());

    // The first single piece moves onto the first empty cell of level 1.
    const Positions start = levels[0].positions;
    const auto colours = gridColours(start);
    int empty = -1;
    for (int cell = 0; cell < kRows * kColumns && empty < 0; ++cell)
        if (colours[cell / kColumns][cell % kColumns] == kBlank)
            empty = cell;
    QVERIFY(empty >= 0);
    const int emptyCol = empty % kColumns;
    const int emptyRow = empty / kColumns;
    const int piece = 6;
    Positions changed = start;
    changed[piece] = positionValue(emptyCol, emptyRow);

    Desktop& desktop = session->desktop();
    Program& editorProgram = session->start(QStringLiteral("QuillEd"));
    QUILL_E2E_OK(editorProgram.startProblem());
    const std::optional<Window> editor = desktop.waitForWindow(kEditorTitle, editorProgram.pid(), 15000);
    QVERIFY2(editor, qPrintable(QStringLiteral("no editor window: ") + QString::fromLocal8Bit(editorProgram.output())));
    QUILL_E2E_OK(desktop.focus(editor->id));
    QUILL_E2E_OK(gridShows(*editor, start));

    const QPoint origin = editor->geometry.topLeft();
    QUILL_E2E_OK(desktop.click(origin + kNameBox.center()));
    QUILL_E2E_OK(desktop.keys({QStringLiteral("ctrl+a"), QStringLiteral("BackSpace")}));
    QUILL_E2E_OK(desktop.type(QStringLiteral("Brandnew")));
    QUILL_E2E_OK(desktop.click(origin + swatch(piece).center()));
    QUILL_E2E_OK(desktop.click(origin + cellLabel(emptyCol, emptyRow).center()));
    QUILL_E2E_OK(gridShows(*editor, changed));

    QUILL_E2E_OK(desktop.click(origin + kSaveButton.center()));
    QByteArray expected = original;
    expected.replace(0, kNameLength, QByteArray("Brandnew  "));
    const int offset = kNameLength + 2 * piece;
    expected[offset] = static_cast<char>(changed[piece] & 0xFF);
    expected[offset + 1] = static_cast<char>((changed[piece] >> 8) & 0xFF);
    QVERIFY2(waitUntil([&] { return readAllBytes(levelPath) == expected; }, 10000),
             "QLM.ZHN does not hold the new name and position after Save");

    QUILL_E2E_OK(desktop.click(origin + kExitButton.center()));
    QVERIFY2(editorProgram.waitForEnd(), "Exit did not end the editor");
    QCOMPARE(readAllBytes(levelPath), expected);

    // The game lists the new name and starts the level from its new position.
    Program& gameProgram = session->start(QStringLiteral("Quillmere"));
    QUILL_E2E_OK(gameProgram.startProblem());
    GameUi game(desktop, gameProgram);
    QUILL_E2E_OK(game.attach());
    QUILL_E2E_OK(game.newGame(0, QStringLiteral("Level 1 - Brandnew  ")));
    QUILL_E2E_OK(game.waitForBoard(changed, skinPicture(session->folder().file(QStringLiteral("skins/default.bmp")))));
    QUILL_E2E_OK(game.saveGame(QStringLiteral("edited")));
    const QString savedPath = session->folder().file(QStringLiteral("saved/edited.sav"));
    QVERIFY(waitUntil([&] { return QFileInfo(savedPath).size() == 36; }, 5000));
    const QByteArray saved = readAllBytes(savedPath);
    QCOMPARE(saved, savedGameBytes(0, 0, QByteArray("Brandnew  "), changed));
    QUILL_E2E_OK(game.exitQuietly());
}

QTEST_GUILESS_MAIN(TestE2eEditor)
#include "test_e2e_editor.moc"
