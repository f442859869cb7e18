#pragma once

#include "model/board.h"
#include "model/drag.h"
#include "model/levelfile.h"

#include <QtGlobal>
#include <cstdint>
#include <optional>
#include <vector>

namespace quill {

// The game in progress, between the rules of the board and the window that
// draws it: the position, the step count, whether it changed since it was
// started, loaded or saved, the slides that can be taken back and put back,
// the hint on show, and the piece that the keyboard selects or holds. The
// window sends mouse and keyboard input here and draws what it finds.
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

    Board board;
    PieceDrag drag;
    int16_t levelIndex = 0;
    int32_t steps = 0;
    bool gameChanged = false;

    State state() const { return state_; }
    bool playing() const { return state_ == State::Playing; }

    // Starts play from `positions`: ClearGrid and SetPiecePositions (the
    // window's PlaceBoard then places them), no slides to take back or put
    // back, no hint, no keyboard selection, nothing changed yet.
    void Start(int16_t level, const Positions& positions, int32_t startSteps);

    // The congratulation has been shown: nothing more to play.
    void Win();

    // The mouse on a piece picture, in the picture's pixels. A press takes
    // the hint away and ends a keyboard hold.
    void MousePress(int16_t piece, int leftPx, int topPx, double xPx, double yPx);
    PieceDrag::MoveResult MouseMove(int leftPx, int topPx, double xPx, double yPx);
    Outcome MouseRelease(int leftPx, int topPx, double xPx, double yPx);

    bool canUndo() const { return playing() && !done_.empty(); }
    bool canRedo() const { return playing() && !undone_.empty(); }
    Outcome Undo();
    Outcome Redo();

    // A shortest way on from the board: the first slide, or nothing when no
    // sequence of slides finishes the level. The hint stays on show until
    // the next press on a piece, Undo, Redo or start.
    std::optional<Hint> FindHint();
    const std::optional<Hint>& hint() const { return hint_; }

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
    bool holding() const { return holding_ && drag.dragging; }

    // The top-left cell where the picture of `piece` stands now: its board
    // cell, or the cell a drag has carried it to.
    PieceDrag::Cell pictureCell(int16_t piece) const;

private:
    // Counts a committed release and keeps a slide that moved a piece.
    Outcome Committed(const PieceDrag::ReleaseResult& release);
    Outcome MoveSelection(int dc, int dr);
    Outcome SlideHeld(int dc, int dr);
    Outcome Replay(const Slide& slide, bool forward);

    State state_ = State::NoGame;
    std::vector<Slide> done_;
    std::vector<Slide> undone_;
    std::optional<Hint> hint_;
    bool selectionShown_ = false;
    int16_t selected_ = 0;
    bool holding_ = false;
};

}  // namespace quill
