#pragma once

#include "model/board.h"
#include "model/levelfile.h"

#include <QString>
#include <array>
#include <cstdint>

namespace quill {

// The level editor's state: the 70 levels as read (and as last saved), the
// one on show, and its board, name and pieces while they are edited. The
// editor's window draws it and sends it what the user does.
class LevelDraft {
public:
    // A piece's col and row on the board while it is off the board.
    static constexpr int16_t kOffBoard = -1;
    static constexpr int16_t kBlank = -1;  // the selection that removes pieces

    // Takes the table as read and shows its first level.
    void Load(const LevelTable& levels);

    const LevelTable& levels() const { return levels_; }
    int16_t curLevel() const { return curLevel_; }
    // grid and pieces of the level on show; a piece off the board has col
    // and row kOffBoard.
    const Board& board() const { return board_; }

    // What the name box shows for the level: its name up to a first NUL, as
    // a text box ends its text there.
    const QString& shownName() const { return shownName_; }
    // The name box's text now; while it is what the level showed, the
    // stored name is kept byte for byte.
    void SetNameText(const QString& text) { nameText_ = text; }

    // Puts the record of the level on show on the board. A piece whose
    // stored value has no place on the board stays off it, so that the
    // level still shows and can be mended; untouched, it keeps its value.
    void ShowLevel();
    // Copies the board and the name back into the record on show.
    void StoreLevel() { levels_[curLevel_] = LevelAsStored(); }
    // The record that StoreLevel would make: the name cut or padded to 10
    // characters, a piece off the board at position 0.
    LevelRecord LevelAsStored() const;
    // Stores the level, then shows the next or previous one, 70 after 1 and
    // 1 after 70.
    void Next();
    void Prev();

    void ClearBoard();
    // Enters a piece into grid and pieces; the caller makes sure its shape
    // lies on the board.
    void MarkPiece(int16_t piece, int16_t col, int16_t row);
    // Takes a piece off the board, emptying the cells of its shape.
    void RemovePiece(int16_t piece);
    // Whether every cell the piece covers from (col, row) is empty or its own.
    bool PieceFits(int16_t piece, int16_t col, int16_t row) const;

    // A click on cell (col, row) with `selPiece` chosen: with Blank, takes
    // off the piece that covers the cell; with a piece, puts its top-left
    // corner there when its shape fits, moving it if it stood elsewhere.
    // True when the board changed.
    bool ClickCell(int16_t selPiece, int16_t col, int16_t row);

    // "Fewest steps: N", "Already solved", "Cannot be solved", or what
    // keeps the level from being played.
    QString Verdict() const;

    // Whether the table, with the level on show stored, differs from what
    // was last read or saved.
    bool HasUnsavedChanges() const;
    // The table as it stands was written to the file.
    void Saved();

private:
    void Show(int16_t index);

    LevelTable levels_;
    LevelTable savedLevels_;
    int16_t curLevel_ = 0;
    Board board_;
    QString shownName_;
    QString nameText_;
    // Pieces whose stored value has no place on the board and that the user
    // has not touched since the level was shown: they keep that value.
    std::array<bool, kPieceCount> keepStored_{};
};

}  // namespace quill
