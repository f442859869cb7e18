#pragma once

// Quillmere's windows as a player meets them on the desktop: the menu
// through its access keys, the choosers through the keyboard, pieces
// through mouse drags, and the board read back from screenshots.

#include "model/levelfile.h"
#include "tests/e2e/desktop.h"

#include <QImage>
#include <QPoint>

namespace quill::e2e {

// The client area below the menu bar, in pixels.
inline constexpr QSize kGameClientSize(408, 405);

// The file chooser's buttons, from their place in twips: the confirm
// button (Load Game, Set Skin) and Cancel.
QPoint chooserConfirmButton();
QPoint chooserCancelButton();

// Whether the screenshot shows the board of `positions` drawn with `skin`,
// the client area's top-left corner at `client`. Empty when it does.
Problem boardProblem(const QImage& shot, QPoint client, const Positions& positions, const QImage& skin);

// Finds the client area of the game window `window` in the screenshot by
// the frame and title pictures of `skin`, whatever the menu bar's height.
std::optional<QPoint> locateBoard(const QImage& shot, const QRect& window, const QImage& skin);

// The number of pixels in which two client areas differ.
int differingPixels(const QImage& a, QPoint clientA, const QImage& b, QPoint clientB, const QRect& area);

// A skin picture as the test reads it.
QImage skinPicture(const QString& path);

struct Move {
    int piece = -1;
    int16_t from = 0;
    int16_t to = 0;
};

// The shortest solution of level `number` (1..70) of the folder's
// collection, from the folder's own qlmtool.
std::optional<std::vector<Move>> optimalSolution(const ProgramFolder& folder, int number, Problem* problem);

// The line of level index `k` in the New Game list.
QString levelLine(const LevelTable& levels, int k);

// A saved-game file's 36 bytes, laid out field by field.
QByteArray savedGameBytes(int32_t steps, int16_t level, const QByteArray& nameBytes, const Positions& positions);

class GameUi {
public:
    GameUi(Desktop& desktop, Program& program) : desktop_(desktop), program_(program) {}

    // Waits for the main window and gives it the focus. Until the board is
    // located, the client area is taken to fill the window below the menu.
    Problem attach(int timeoutMs = 15000);
    const Window& window() const { return window_; }
    QPoint client() const { return client_; }
    QPoint screenPoint(QPoint clientPoint) const { return client_ + clientPoint; }
    QPoint cellCentre(int col, int row) const;

    // Opens the File menu with Alt+F and picks the item by its access key.
    Problem fileCommand(const QString& accessKey);

    // New Game, then the line of `levelIndex` chosen with the keyboard; the
    // line's text, copied from the list, must be `expectedLine`.
    Problem newGame(int levelIndex, const QString& expectedLine);
    // Waits until the board shows `positions` drawn with `skin`, and takes
    // the client area's place from it.
    Problem waitForBoard(const Positions& positions, const QImage& skin, int timeoutMs = 10000);
    // Drags piece `piece` from position value `from` to `to` with the mouse.
    Problem slide(int16_t from, int16_t to);
    // Save Game with `name` typed into the input box and Enter.
    Problem saveGame(const QString& name);
    // Types `name` into the input box for the game's name, however it was
    // asked for, and presses Enter.
    Problem nameGame(const QString& name);
    // Load Game, answering the question about the changed game with `answer`
    // ("n" or "y"); the chooser's window.
    std::optional<Window> openLoadGame(const QString& answer);
    // Load Game, line `row` chosen (its text must be `fileName`), then the
    // chooser's Load Game button clicked.
    Problem loadGame(int row, const QString& fileName);
    // Set Skin, line `row` chosen (its text must be `fileName`), then the
    // chooser's Set Skin button clicked.
    Problem setSkin(int row, const QString& fileName);
    // Exit from the menu; the program must end without a question.
    Problem exitQuietly();

    // Chooses line `row` of the list that has the focus in `dialog` and
    // checks its text through the clipboard.
    Problem chooseLine(const Window& dialog, int row, const QString& expectedLine);

private:
    Problem chooseFile(const QString& accessKey, const QString& title, int row, const QString& fileName);

    Desktop& desktop_;
    Program& program_;
    Window window_;
    QPoint client_;
};

}  // namespace quill::e2e
