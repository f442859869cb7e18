#pragma once

#include "editor/gridcursor.h"
#include "model/board.h"
#include "model/datafolders.h"
#include "model/levelfile.h"

#include <QLabel>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quill {

// A label that reports a left click, as the grid cells and swatches need.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// The level editor's one window: the 70 levels of the collection, one of
// them shown on a 4 x 5 grid of coloured cells.
class frmLevelEd : public QWidget {
    Q_OBJECT

public:
    static constexpr int kCellCount = kRows * kColumns;

    // Reads the level file of `folder` and shows its first level. When the
    // file cannot be read, reports it and returns nothing: the window is
    // never shown and no file is created.
    static std::unique_ptr<frmLevelEd> load(const DataFolders& folders);
    static std::unique_ptr<frmLevelEd> load(const QString& programFolder);

    ~frmLevelEd() override;

    // The level file read at start, and after a save the file written:
    // the same file, or the player's copy where the installed one cannot
    // be written.
    const QString& levelPath() const { return levelPath_; }

    LevelTable levels;
    int16_t curLevel = 0;
    // grid and pieces; a piece off the board has col and row -1.
    Board board;
    int16_t selPiece = 0;

    std::array<ClickLabel*, kCellCount> lblGrid{};
    std::array<ClickLabel*, kPieceCount> lblColor{};
    std::array<QRadioButton*, kPieceCount> optPieces{};
    ClickLabel* lblBlank = nullptr;
    QRadioButton* optBlank = nullptr;
    QLabel* lblLevelNum = nullptr;
    QLineEdit* txtLevelName = nullptr;
    QPushButton* cmdPrev = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdExit = nullptr;
    // Below the other controls: the verdict on the level being edited.
    QLabel* lblVerdict = nullptr;
    GridCursor* picGrid = nullptr;

    // "Fewest steps: N", "Already solved", "Cannot be solved", or what keeps
    // the level from being played.
    QString LevelVerdict() const;

protected:
    // Exit and the close box ask first when anything is not saved.
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    explicit frmLevelEd(const DataFolders& folders);

    void BuildControls();
    bool Form_Load();

    void cmdPrev_Click();
    void cmdNext_Click();
    void cmdSave_Click();
    void cmdClear_Click();
    void cmdExit_Click();

    void optPieces_Click(int16_t index);
    void optBlank_Click();
    void lblColor_Click(int16_t index);
    void lblBlank_Click();
    void lblGrid_Click(int16_t index);

    void ShowLevel();
    void StoreLevel();
    // The verdict line and what the screen reader says of the cells, after
    // any change of the board.
    void ShowBoardState();
    // "column 2, row 5: Soldier D", or ": empty".
    QString CellText(int cell) const;
    // The grid says which cell the cursor is on and what covers it.
    void DescribeGridCursor();
    // The record that StoreLevel would make of the shown level.
    LevelRecord LevelAsStored() const;
    // Writes the whole table; false (the user told) when the write failed.
    bool SaveLevels();
    bool HasUnsavedChanges() const;
    void ShowLevelNumber();
    void ClearBoard();
    void MarkPiece(int16_t piece, int16_t col, int16_t row);
    void PaintPiece(int16_t piece, int16_t cell);
    void RemovePiece(int16_t piece);
    bool PieceFits(int16_t piece, int16_t col, int16_t row) const;
    bool CellFree(int16_t piece, int16_t col, int16_t row) const;

    void paintShape(int16_t piece, int col, int row, const QColor& colour);
    void paintLabel(int cell, const QColor& colour);
    QColor blankColour() const;

    DataFolders folders_;
    QString levelPath_;
    QButtonGroup* selection_ = nullptr;
    // The table as last read or saved.
    LevelTable savedLevels_;
    // What the name box showed for the level; while it still shows that,
    // the stored name is kept byte for byte.
    QString shownName_;
    // Pieces whose stored value has no place on the board and that the user
    // has not touched since the level was shown: they keep that value.
    std::array<bool, kPieceCount> keepStored_{};
};

}  // namespace quill
