#pragma once

#include "editor/frmLevelEd.h"
#include "model/levelfile.h"
#include "tests/support/fixtures.h"
#include "tests/support/scripteddialogs.h"

#include <QByteArray>
#include <QColor>
#include <QString>
#include <memory>

class QRadioButton;
class QWidget;

namespace quill::test {

// A temporary program folder holding a level file, the editor opened on it
// and shown, and a scripted seam that answers (and records) message boxes.
class EditorSession {
public:
    // Writes `fileBytes` as the level file under `fileName` and opens the editor.
    explicit EditorSession(const QByteArray& fileBytes,
                           const QString& fileName = QStringLiteral("qlm.zhn"));
    explicit EditorSession(const LevelTable& levels = sampleLevels());
    ~EditorSession();

    bool opened() const { return editor != nullptr; }
    frmLevelEd& ed() const { return *editor; }
    QString filePath() const { return folder.file(fileName); }
    QByteArray fileBytes() const { return readAllBytes(filePath()); }

    ScriptedDialogs dialogs;
    ProgramFolder folder{ProgramFolder::Content::Empty};
    QString fileName;
    QByteArray original;
    std::unique_ptr<frmLevelEd> editor;
};

QColor colourOf(const QWidget* control);
QColor pieceColour(const frmLevelEd& ed, int piece);
QColor blankColour(const frmLevelEd& ed);
QColor cellColour(const frmLevelEd& ed, int col, int row);
int16_t cellAt(const frmLevelEd& ed, int col, int row);

// A left click in the middle of a control, as the user would.
void click(QWidget* control);
// A left click on an option button's round indicator.
void choose(QRadioButton* option);
void clickCell(frmLevelEd& ed, int col, int row);

using Grid = decltype(Board::grid);

// Everything the board shows: the grid and every cell label's colour.
struct BoardView {
    Grid grid;
    QList<QColor> colours;
    bool operator==(const BoardView&) const = default;
};
BoardView viewOf(const frmLevelEd& ed);

// The grid that the classic start shows, written out cell by cell.
Grid classicGrid();
// The same with `gone` taken off the board.
Grid classicGridWithout(int gone);

// The first cell label whose colour is not that of the piece the grid holds
// there (blank for an empty cell), or the empty text when all agree.
QString colourMismatch(const frmLevelEd& ed);

// Replaces the name box's text by typing, as the user would.
void typeName(frmLevelEd& ed, const QString& text);

// The 30 bytes of record k in a level file's bytes.
QByteArray recordBytes(const QByteArray& file, int k);

}  // namespace quill::test
