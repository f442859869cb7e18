#pragma once

#include "model/board.h"
#include "model/drag.h"
#include "model/fileio.h"
#include "model/levelfile.h"
#include "model/randomlevel.h"
#include "model/savedgame.h"
#include "model/solver.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace quill {

// The game in progress, between the rules of the board and the window that
// draws it: the level collection as the game holds it, the level in play
// (a level of the collection, or a random level known by its start) with
// its start, the position, the step count, whether it changed since it
// was started, loaded or saved, the slides that can be taken back and put
// back, the hint on show, the piece that the keyboard selects or holds, and
// the skin in use. The window sends mouse and keyboard input here and draws
// what it finds.
class GameSession {
public:
    enum class State { NoGame, Playing, Won };

    // One slide that moved a piece, with the step count before and after it.
    struct Slide {
        int16_t piece = 0;
        PieceDrag::Cell from;
        PieceDrag::Cell to;
        int32_t stepsBefore = 0;
        int32_t stepsAfter = 0;
    };

    // What a hint shows: the piece to slide and the top-left cell where it
    // should end, and the steps left counting this slide.
    struct Hint {
        int16_t piece = 0;
        PieceDrag::Cell target;
        int stepsLeft = 0;
    };

    // What an input did, for the window to draw.
    struct Outcome {
        bool handled = false;    // the input did something
        bool committed = false;  // a slide was committed: refresh the status line
        bool won = false;        // the principal piece was let go on the goal
    };

    // Wins are kept in the player's record at `progressPath`; without one
    // they are not kept.
    explicit GameSession(QString progressPath = {});

    const LevelTable& levels() const { return levels_; }
    void SetLevels(const LevelTable& levels);

    // Starts level `index` of the collection from its stored position. A
    // level with a piece that has no place on the board is refused: nothing
    // changes, and `refusal` tells why. With kRandomLevelMarker it starts
    // the random level last played again from its start, so that
    // StartLevel(levelIndex()) restarts the level in play of either kind.
    bool StartLevel(int16_t index, QString* refusal = nullptr);
    // Starts a random level at `start`; false, and nothing changes, unless
    // it is a start a random level can have: no fault, not solved, solvable.
    bool StartRandom(const Positions& start);
    // Takes up a saved game that has been checked whole: a level of the
    // collection gets the saved name, a random level its start from the
    // code in the name; the board gets its pieces, and its steps go on.
    // Restart Level returns to the start of the level. False, and nothing
    // changes, for a record that loadSavedGame refuses.
    bool LoadGame(const SavedGame& game);
    // The record that Save Game writes, for a level of either kind.
    SavedGame SavedRecord() const;
    // Nothing has changed since now: the game was saved, or the player
    // chose a game to load.
    void SetUnchanged() { gameChanged_ = false; }

    State state() const { return state_; }
    bool playing() const { return state_ == State::Playing; }
    // Save Game applies while a level is played, not before the first one
    // and not after a win.
    bool canSave() const { return playing(); }
    // The level in play: its index in the collection, or kRandomLevelMarker.
    int16_t levelIndex() const { return levelIndex_; }
    bool randomInPlay() const { return levelIndex_ == kRandomLevelMarker; }
    // The collection's name of the level in play, or a random level's code.
    const QString& levelName() const { return randomInPlay() ? random_->code : levels_[levelIndex_].name; }
    // The random level in play, or else the last one played: its start,
    // fewest steps and code.
    const std::optional<DealtLevel>& lastRandomLevel() const { return random_; }
    // What the status line says of the level in play, on its left: "Level:
    // 5 - Heron Ford", or a random level's code, "Random: GGXT-4AN"; and on
    // its right the steps so far, "Steps: 12", with a random level's fewest
    // beside them, "Steps: 12 (fewest 90)". Each fits its half of the line
    // whatever the code.
    QString levelStatus() const;
    QString stepsStatus() const;
    int32_t steps() const { return steps_; }
    bool gameChanged() const { return gameChanged_; }
    const Board& board() const { return board_; }

    const QString& skin() const { return skin_; }
    void SetSkin(const QString& fileName) { skin_ = fileName; }

    // The fewest steps of every level of the collection, worked out once.
    const std::array<LevelVerdict, kLevelCount>& levelVerdicts() const;

    // The congratulation has been shown: nothing more to play, and the win
    // goes into the player's record when it is the level's best, a random
    // level's under its start. Its status fails when the record file could
    // not be read whole or written.
    FileStatus Win();

    // The mouse on the picture of a piece, in pixels inside that picture.
    // A press takes the hint away and ends a keyboard hold.
    void MousePress(int16_t piece, double xPx, double yPx);
    PieceDrag::MoveResult MouseMove(double xPx, double yPx);
    Outcome MouseRelease(double xPx, double yPx);

    bool canUndo() const { return playing() && !done_.empty(); }
    bool canRedo() const { return playing() && !undone_.empty(); }
    Outcome Undo();
    Outcome Redo();

    // A shortest way on from the board: the first slide, or nothing when no
    // sequence of slides finishes the level. The hint stays on show until
    // the next press on a piece, Undo, Redo or start.
    std::optional<Hint> FindHint();
    const std::optional<Hint>& hint() const { return hint_; }

    // Show Solution: the game plays a shortest solution from the board one
    // slide at a time, each a step like the player's, at the pace of the
    // window, which asks for one slide after the other. False, and nothing
    // changes, when no sequence of slides finishes the level from here. A
    // piece carried goes back first. Any input of the player's, a start and
    // a win end the show.
    bool StartSolution();
    bool showingSolution() const { return showing_; }
    // Plays the next slide; the slide that wins ends the show. With the
    // principal piece on the goal already, the game lets go of it and wins.
    Outcome PlaySolutionSlide();
    void StopSolution();
    // The slide the game played last, with its place in the solution, for
    // the screen reader: kept until the next input, like a hint.
    struct ShownSlide {
        Slide slide;
        int number = 0;
        int total = 0;
    };
    const std::optional<ShownSlide>& shownSlide() const { return shown_; }
    // The game has played slides since the level was started or loaded: a
    // win of this game is no record of the player's.
    bool assisted() const { return assisted_; }

    // Keyboard play. The selection frame appears with the first arrow key,
    // on the principal piece; arrow keys then move it to the nearest piece
    // in their direction. Space or Enter picks the piece up; arrow keys then
    // slide it a cell at a time under the rules of a drag; Space or Enter
    // puts it down like a mouse release, Esc puts it back.
    enum class Key { Left, Right, Up, Down, PickUpOrPutDown, PutBack };
    Outcome PressKey(Key key);
    // The keys of keyboard play: the arrows, Space or Enter, and Esc.
    static std::optional<Key> keyFor(int qtKey);
    bool selectionShown() const { return selectionShown_; }
    int16_t selectedPiece() const { return selected_; }
    bool holding() const { return holding_ && drag_.dragging; }
    // A piece is carried by the mouse or the keyboard.
    bool dragging() const { return drag_.dragging; }

    // The top-left cell where the picture of `piece` stands now: its board
    // cell, or the cell a drag has carried it to.
    PieceDrag::Cell pictureCell(int16_t piece) const;

private:
    void Start(int16_t level, const Positions& positions, int32_t startSteps);
    // Keeps `start` as the random level's; false when it cannot be one.
    bool TakeRandomStart(const Positions& start);
    // Counts a committed release and keeps a slide that moved a piece.
    Outcome Committed(const PieceDrag::ReleaseResult& release);
    // Counts one step of `piece` and keeps it for Undo.
    void KeepSlide(int16_t piece, PieceDrag::Cell from, PieceDrag::Cell to);
    // The player takes over: no show, no word of the last shown slide.
    void EndShow();
    Outcome MoveSelection(int dc, int dr);
    Outcome SlideHeld(int dc, int dr);
    Outcome Replay(const Slide& slide, bool forward);
    FileStatus RecordWin() const;

    QString progressPath_;
    LevelTable levels_;
    mutable std::optional<std::array<LevelVerdict, kLevelCount>> verdicts_;
    QString skin_;
    Board board_;
    PieceDrag drag_;
    std::optional<DealtLevel> random_;
    int16_t levelIndex_ = 0;
    int32_t steps_ = 0;
    bool gameChanged_ = false;
    State state_ = State::NoGame;
    std::vector<Slide> done_;
    std::vector<Slide> undone_;
    std::optional<Hint> hint_;
    std::vector<SolutionMove> solution_;  // the slides still to show
    int solutionTotal_ = 0;
    bool showing_ = false;
    bool assisted_ = false;
    std::optional<ShownSlide> shown_;
    bool selectionShown_ = false;
    int16_t selected_ = 0;
    bool holding_ = false;
};

}  // namespace quill
