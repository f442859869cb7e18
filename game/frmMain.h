#pragma once

#include "game/boardmarks.h"
#include "game/skin/pictureclip.h"
#include "model/datafolders.h"
#include "model/gamesession.h"
#include "model/levelfile.h"
#include "model/solver.h"

#include <QMainWindow>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

class QAction;
class QLabel;
class QMenu;

namespace quill {

// The game's main window: menus, status line, the board pictures cut from
// the skin, dragging, and the commands that start, save and load games.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(const DataFolders& folders, QWidget* parent = nullptr);

    // The game in play; the window draws it and sends it input.
    GameSession session;

    // Public members the dialogs answer through, and the game's state under
    // the names the commands use.
    int16_t& levelIndex = session.levelIndex;
    QString absFilename;
    int16_t newLevel = -1;
    int32_t& steps = session.steps;
    LevelTable levels;
    bool& gameChanged = session.gameChanged;
    Board& board = session.board;

    std::array<QLabel*, kPieceCount> imgPieces{};
    QLabel* imgUpFrame;
    QLabel* imgLeftFrame;
    QLabel* imgRightFrame;
    QLabel* imgExit;
    QLabel* imgTitle;
    QLabel* imgCong;
    QLabel* lblStatus;
    QLabel* lblSteps;
    PictureClip piclipSkin;

    QMenu* mnuFile;
    QAction* mnuNewGame;
    QAction* mnuLoadGame;
    QAction* mnuSaveGame;
    QAction* mnuSetSkin;
    QAction* mnuExit;
    QMenu* mnuGame;
    QAction* mnuUndo;
    QAction* mnuRedo;
    QAction* mnuRestart;
    QAction* mnuHint;
    QAction* mnuProgress;
    QMenu* mnuHelp;
    QAction* mnuHTP;
    QAction* mnuAbout;

    // The client area holds the board; it takes the keyboard while a level
    // is on it. The marks of hints and of the keyboard lie over the pieces.
    QWidget* picBoard;
    BoardMarksView* picMarks;

    // The load step; false when the program has to end (the window is closed).
    bool Form_Load();

    // True once the window has closed for good: the program ends.
    bool ended() const { return ended_; }

    // Where the game reads and writes its files.
    const DataFolders& folders() const { return folders_; }

    void LoadLevels();
    void ReadSettings();
    bool ApplySkin(const QString& fileName);
    void HideBoard();
    void ShowBoard();
    void ShowCongratulation();
    void PlaceBoard();
    void LayoutFrames();
    void UpdateStatus();
    void NewGame();
    void SaveGame();
    bool SaveFileExists(const QString& name) const;

    // Swaps in the skin's alternative pictures of the principal piece and
    // the four single pieces (the About box's hidden sequence).
    void ShowAlternativePictures();

    void mnuNewGame_Click();
    void mnuLoadGame_Click();
    void mnuSaveGame_Click();
    void mnuSetSkin_Click();
    void mnuExit_Click();
    void mnuHTP_Click();
    void mnuAbout_Click();
    void mnuUndo_Click();
    void mnuRedo_Click();
    void mnuRestart_Click();
    void mnuHint_Click();
    void mnuProgress_Click();

    // Arrow keys, Space, Enter and Esc on the board; false for other keys.
    bool picBoard_KeyDown(int key, Qt::KeyboardModifiers shift);

    // The file of the player's record.
    QString progressPath() const;

    void imgPieces_MouseDown(int16_t index, Qt::MouseButton button, double x, double y);
    void imgPieces_MouseMove(int16_t index, double x, double y);
    void imgPieces_MouseUp(int16_t index, Qt::MouseButton button, double x, double y);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Asks "Would you like to save the current game?" when the game changed
    // and saves on Yes; false when the player cancels.
    bool OfferToSave(const QString& title);
    // Asks the close question; false when the close is refused.
    bool Form_QueryUnload();
    // Shows the skin error and ends the program, whatever the answer to the
    // close question.
    void EndAfterSkinFailure(const QString& fileName);
    void StartPosition(int16_t level, const Positions& positions, int32_t startSteps);
    // Starts level `index` of the collection from its stored position, as
    // New Game and Restart Level do, unless it cannot be played.
    void StartLevel(int16_t index);
    // Refuses a level whose pieces cannot all be put on the board, telling
    // the player why; true when it can be played.
    bool LevelPlayable(int16_t index);
    void MovePicture(int16_t piece, int16_t col, int16_t row);
    // Puts every piece picture where the game has it now.
    void DrawPieces();
    // Draws the game after a change: pictures, marks, what the screen
    // reader says, and which Game menu items can be used.
    void ShowGameState();
    void ShowMarks();
    void DescribeBoard();
    void EnableGameMenu();
    // After a committed slide or a win from any input.
    void FinishInput(const GameSession::Outcome& outcome);
    void RecordWin();
    void SetPointer(PointerShape shape);
    void WinSequence();
    QLabel* makeImage(const char* name);

    DataFolders folders_;
    // What the piece pictures were last described with.
    std::optional<decltype(Board::grid)> describedGrid_;
    std::array<PieceDrag::Cell, kPieceCount> describedAt_{};
    // The fewest steps of every level: the levels never change while the
    // game runs, so they are worked out once, when Progress first needs them.
    std::optional<std::array<LevelVerdict, kLevelCount>> verdicts_;
    bool ended_ = false;
    bool forceClose_ = false;
    bool loadFailed_ = false;
};

}  // namespace quill
