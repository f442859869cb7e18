#include "model/leveldraft.h"

#include "model/levelfaults.h"
#include "model/solver.h"

#include <QCoreApplication>
#include <algorithm>

namespace quill {

void LevelDraft::Load(const LevelTable& levels)
{
    levels_ = levels;
    savedLevels_ = levels;
    Show(0);
}

void LevelDraft::Show(int16_t index)
{
    curLevel_ = index;
    ShowLevel();
}

void LevelDraft::ShowLevel()
{
    ClearBoard();
    const LevelRecord& record = levels_[curLevel_];
    shownName_ = record.name;
    const qsizetype nul = shownName_.indexOf(QChar(0));
    if (nul >= 0)
        shownName_.truncate(nul);
    nameText_ = shownName_;
    for (int16_t i = 0; i < kPieceCount; ++i) {
        const int16_t value = record.positions[i];
        if (!positionAllowed(i, value)) {
            keepStored_[i] = true;
            continue;
        }
        MarkPiece(i, columnOf(value), rowOf(value));
    }
}

LevelRecord LevelDraft::LevelAsStored() const
{
    LevelRecord record = levels_[curLevel_];
    if (nameText_ != shownName_)
        record.name = fitLevelName(nameText_);
    for (int i = 0; i < kPieceCount; ++i) {
        if (keepStored_[i])
            continue;
        const Piece& piece = board_.pieces[i];
        record.positions[i] = positionValue(std::max<int16_t>(piece.col, 0), std::max<int16_t>(piece.row, 0));
    }
    return record;
}

void LevelDraft::Next()
{
    StoreLevel();
    Show(curLevel_ == kLevelCount - 1 ? 0 : static_cast<int16_t>(curLevel_ + 1));
}

void LevelDraft::Prev()
{
    StoreLevel();
    Show(curLevel_ == 0 ? static_cast<int16_t>(kLevelCount - 1) : static_cast<int16_t>(curLevel_ - 1));
}

void LevelDraft::ClearBoard()
{
    keepStored_.fill(false);
    board_.ClearGrid();
    for (Piece& piece : board_.pieces) {
        piece.col = kOffBoard;
        piece.row = kOffBoard;
    }
}

void LevelDraft::MarkPiece(int16_t piece, int16_t col, int16_t row)
{
    keepStored_[piece] = false;
    board_.MarkPiece(piece, col, row);
}

void LevelDraft::RemovePiece(int16_t piece)
{
    Piece& record = board_.pieces[piece];
    if (record.col < 0 || record.row < 0)
        return;
    board_.UnmarkPiece(piece, record.col, record.row);
    record.col = kOffBoard;
    record.row = kOffBoard;
}

bool LevelDraft::PieceFits(int16_t piece, int16_t col, int16_t row) const
{
    return piece >= 0 && piece < kPieceCount && board_.FootprintFree(piece, col, row);
}

bool LevelDraft::ClickCell(int16_t selPiece, int16_t col, int16_t row)
{
    if (selPiece == kBlank) {
        const int16_t piece = board_.cell(col, row);
        if (piece < 0)
            return false;
        RemovePiece(piece);
        return true;
    }
    if (!topLeftAllowed(selPiece, col, row) || !PieceFits(selPiece, col, row))
        return false;
    RemovePiece(selPiece);
    MarkPiece(selPiece, col, row);
    return true;
}

QString LevelDraft::Verdict() const
{
    for (int i = 0; i < kPieceCount; ++i) {
        if (board_.pieces[i].col >= 0)
            continue;
        if (!keepStored_[i])
            return notOnBoardText(i);
        PositionFault misplaced;
        misplaced.kind = PositionFault::Kind::Misplaced;
        misplaced.piece = i;
        misplaced.value = levels_[curLevel_].positions[i];
        return faultText(misplaced);
    }
    const Solution solution = slideSolver().solve(LevelAsStored().positions);
    switch (solution.outcome) {
    case Solution::Outcome::Solved:
        return solution.steps() == 0 ? QCoreApplication::translate("LevelDraft", "Already solved")
                                     : QCoreApplication::translate("LevelDraft", "Fewest steps: %1").arg(solution.steps());
    case Solution::Outcome::Unsolvable:
        return QCoreApplication::translate("LevelDraft", "Cannot be solved");
    case Solution::Outcome::Invalid:
        break;
    }
    // Every piece stands on the board where its shape fits: only stored
    // pieces that overlap can keep the level from being played.
    return faultText(solution.fault);
}

bool LevelDraft::HasUnsavedChanges() const
{
    LevelTable current = levels_;
    current[curLevel_] = LevelAsStored();
    return current != savedLevels_;
}

void LevelDraft::Saved()
{
    savedLevels_ = levels_;
}

}  // namespace quill
