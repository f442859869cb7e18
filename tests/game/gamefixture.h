#pragma once

#include "game/frmMain.h"
#include "game/modMain.h"
#include "model/levelfile.h"
#include "tests/support/fixtures.h"
#include "tests/support/scripteddialogs.h"

#include <QImage>
#include <QLabel>
#include <QtTest>
#include <functional>
#include <memory>

namespace quill::test {

// A started game in a temporary program folder holding the shipped data,
// with every message box answered by a script.
struct StartedGame {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<frmMain> window;

    // `prepare` puts whatever else the test needs into the folder first.
    explicit StartedGame(const LevelTable& levels = sampleLevels(),
                         const std::function<void(const ProgramFolder&)>& prepare = {})
    {
        writeLevelFile(folder.file("QLM.ZHN"), levels);
        if (prepare)
            prepare(folder);
        window = modMain::Start(folder.path());
    }

    // Starts level `index` through New Game and the level chooser.
    void newGame(int index);

    // Drags piece `piece` with the left button from the centre of the cell
    // (fromCol, fromRow) through the given cells, as real mouse events.
    void dragCells(int piece, QList<QPoint> cells);

    QPoint picturePos(int piece) const { return window->imgPieces[piece]->pos(); }
};

// A 370 x 380 skin with a different flat colour in every layout rectangle.
QImage colouredSkin(int seed);

// Window pixel of the centre of a board cell.
inline QPoint cellCentre(int col, int row)
{
    return {30 + 60 * col + 30, 30 + 60 * row + 30};
}

}  // namespace quill::test
