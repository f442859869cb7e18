#pragma once

#include "editor/clicklabel.h"
#include "editor/gridcursor.h"
#include "model/datafolders.h"
#include "model/leveldraft.h"

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

    // The levels and the one being edited.
    const LevelDraft& draft() const { return draft_; }
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
    // The window's size: its keys, and a smaller window on a small screen.
    class EditorSize* sizing = nullptr;

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

    // Shows the level on show: its name, number and cells, the verdict
    // line and what the screen reader says of the cells.
    void ShowLevel();
    void ShowLevelNumber();
    void ShowBoardState();
    // "column 2, row 5: Soldier D", or ": empty".
    QString CellText(int cell) const;
    // The grid says which cell the cursor is on and what covers it.
    void DescribeGridCursor();
    // Writes the whole table; false (the user told) when the write failed.
    bool SaveLevels();

    DataFolders folders_;
    QString levelPath_;
    QButtonGroup* selection_ = nullptr;
    LevelDraft draft_;
};

}  // namespace quill
