#include "tests/editor/editorsession.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include <algorithm>

namespace quill::test {

EditorSession::EditorSession(const QByteArray& fileBytes, const QString& name)
    : fileName(name), original(fileBytes)
{
    writeAllBytes(filePath(), fileBytes);
    editor = frmLevelEd::load(folder.path());
    if (!editor)
        return;
    editor->show();
    if (!QTest::qWaitForWindowActive(editor.get()))
        qWarning("the editor window did not become active");
}

EditorSession::EditorSession(const LevelTable& levels) : EditorSession(encodeLevelTable(levels)) {}

EditorSession::~EditorSession() = default;

QColor colourOf(const QWidget* control)
{
    return control->palette().color(QPalette::Window);
}

QColor pieceColour(const frmLevelEd& ed, int piece)
{
    return colourOf(ed.lblColor[piece]);
}

QColor blankColour(const frmLevelEd& ed)
{
    return colourOf(ed.lblBlank);
}

QColor cellColour(const frmLevelEd& ed, int col, int row)
{
    return colourOf(ed.lblGrid[row * kColumns + col]);
}

int16_t cellAt(const frmLevelEd& ed, int col, int row)
{
    return ed.draft().board().grid[row][col];
}

void click(QWidget* control)
{
    QTest::mouseClick(control, Qt::LeftButton);
}

void choose(QRadioButton* option)
{
    const int middle = option->height() / 2;
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(middle, middle));
}

void clickCell(frmLevelEd& ed, int col, int row)
{
    click(ed.lblGrid[row * kColumns + col]);
}

BoardView viewOf(const frmLevelEd& ed)
{
    BoardView view{ed.draft().board().grid, {}};
    for (const auto* label : ed.lblGrid)
        view.colours.append(colourOf(label));
    return view;
}

Grid classicGrid()
{
    return {{
        {2, 0, 0, 3},
        {2, 0, 0, 3},
        {4, 1, 1, 5},
        {4, 6, 7, 5},
        {8, -1, -1, 9},
    }};
}

Grid classicGridWithout(int gone)
{
    Grid grid = classicGrid();
    for (auto& row : grid)
        std::replace(row.begin(), row.end(), static_cast<int16_t>(gone), static_cast<int16_t>(-1));
    return grid;
}

QString colourMismatch(const frmLevelEd& ed)
{
    for (int row = 0; row < kRows; ++row) {
        for (int col = 0; col < kColumns; ++col) {
            const int piece = cellAt(ed, col, row);
            const QColor want = piece < 0 ? blankColour(ed) : pieceColour(ed, piece);
            const QColor shown = cellColour(ed, col, row);
            if (shown != want)
                return QStringLiteral("cell %1,%2 is %3").arg(col).arg(row).arg(shown.name());
        }
    }
    return {};
}

void typeName(frmLevelEd& ed, const QString& text)
{
    click(ed.txtLevelName);
    QTest::keyClick(ed.txtLevelName, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(ed.txtLevelName, text);
}

QByteArray recordBytes(const QByteArray& file, int k)
{
    return file.mid(k * kLevelRecordSize, kLevelRecordSize);
}

}  // namespace quill::test
