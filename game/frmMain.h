#pragma once

#include "game/boardview.h"
#include "model/datafolders.h"
#include "model/gamesession.h"

#include <QMainWindow>
#include <QString>
#include <cstdint>

class QAction;
class QLabel;
class QMenu;

namespace quill {

class SolutionShow;

// The game's main window: the menus and their commands, the dialogs, the
// status line, and the wiring of mouse and keys on the board to the game in
// progress, which the board view draws.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(const DataFolders& folders, QWidget* parent = nullptr);

    // What the dialogs answer through.
    QString absFilename;
    int16_t newLevel = -1;

    // The game in progress, as the commands see it.
    const GameSession& session() const { return session_; }
    int16_t levelIndex() const { return session_.levelIndex(); }
    int32_t steps() const { return session_.steps(); }
    bool gameChanged() const { return session_.gameChanged(); }
    const LevelTable& levels() const { return session_.levels(); }

    // The client area: the board's pictures and marks, and the status line.
    BoardView* picBoard;

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
    QAction* mnuRandom;
    QAction* mnuHint;
    QAction* mnuSolution;
    QAction* mnuProgress;
    QAction* mnuAnimate;
    // The board's size: the View menu, its keys and the window's edges.
    class BoardZoom* zoom;
    QMenu* mnuHelp;
    QAction* mnuHTP;
    QAction* mnuAbout;

    // The load step, with the skin that start-up read from the settings
    // file; false when the program has to end (the window is closed).
    bool Form_Load(const QString& settingsSkin);

    // True once the window has closed for good: the program ends.
    bool ended() const { return ended_; }

    // Where the game reads and writes its files.
    const DataFolders& folders() const { return folders_; }

    void LoadLevels();
    // Loads and cuts the skin and remembers it in the settings file; on
    // failure tells the player and ends the program.
    bool ApplySkin(const QString& fileName);
    void ShowCongratulation();
    void UpdateStatus();
    void NewGame();
    // Starts level `index` of the collection, as New Game and Restart Level
    // do, unless it cannot be played.
    void StartLevel(int16_t index);
    void SaveGame();
    bool SaveFileExists(const QString& name) const;

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
    void mnuRandom_Click();
    void mnuHint_Click();
    void mnuProgress_Click();
    void mnuSolution_Click();
    void mnuAnimate_Click(bool checked);

    // Show Solution and the glides of the slides the game plays.
    SolutionShow& solutionShow() { return *show_; }
    // After a committed slide or a win from any input.
    void FinishInput(const GameSession::Outcome& outcome);

    // Arrow keys, Space, Enter and Esc on the board; false for other keys.
    bool picBoard_KeyDown(int key, Qt::KeyboardModifiers shift);

    // The mouse on a piece picture, in pixels inside it.
    void imgPieces_MouseDown(int16_t index, Qt::MouseButton button, QPointF at);
    void imgPieces_MouseMove(int16_t index, QPointF at);
    void imgPieces_MouseUp(int16_t index, Qt::MouseButton button, QPointF at);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    // Shows the file chooser in `mode` (1: full path, 2: bare name) over the
    // files of `folders` matching `pattern`; the answer is in absFilename.
    void ChooseFile(uint8_t mode, const QString& caption, const QString& setCaption, const QStringList& folders,
                    const QString& pattern);
    // Asks "Would you like to save the current game?" when the game changed
    // and saves on Yes; false when the player cancels.
    bool OfferToSave(const QString& title);
    // Asks the close question; false when the close is refused.
    bool Form_QueryUnload();
    // Writes the skin as the settings file's, where its name can be kept.
    void RememberSkin(const QString& fileName);
    // Shows the skin error and ends the program, whatever the answer to the
    // close question.
    void EndAfterSkinFailure(const QString& fileName);
    // Puts the game just started or loaded on the board.
    void ShowNewPosition();
    // Draws the game after a change and sets which commands can be used.
    void ShowGameState();
    void EnableCommands();
    void SetPointer(PointerShape shape);
    void WinSequence();
    // Closes the window for good after a failure of the load step.
    void EndProgram();

    DataFolders folders_;
    GameSession session_;
    SolutionShow* show_;
    bool ended_ = false;
    bool forceClose_ = false;
};

}  // namespace quill
