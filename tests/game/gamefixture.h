#pragma once

#include "game/frmMain.h"
#include "game/modMain.h"
#include "game/solutionshow.h"
#include "model/levelfile.h"
#include "tests/support/dragdriver.h"
#include "tests/support/fixtures.h"
#include "tests/support/scripteddialogs.h"

#include <QImage>
#include <QLabel>
#include <QtTest>
#include <functional>
#include <memory>

namespace quill::test {

// The real window's piece pictures as the receiver of drags: QTest mouse
// events on the picture, with `button`.
struct WindowPointer {
    frmMain& w;
    Qt::MouseButton button = Qt::LeftButton;

    QLabel* picture(int piece) const { return w.picBoard->imgPieces[piece]; }
    QPoint picturePos(int piece) const { return picture(piece)->pos(); }
    void press(int piece, QPointF at) { QTest::mousePress(picture(piece), button, Qt::NoModifier, at.toPoint()); }
    void move(int piece, QPointF at) { QTest::mouseMove(picture(piece), at.toPoint()); }
    void release(int piece, QPointF at)
    {
        QTest::mouseRelease(picture(piece), button, Qt::NoModifier, at.toPoint());
    }
};

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
        // Slides jump in tests unless a test asks for glides.
        if (window)
            window->solutionShow().setPace(0, 0);
    }

    // Starts level `index` through New Game and the level chooser.
    void newGame(int index);

    // Drags piece `piece` with the left button through the centres of the
    // given cells (col, row), as real mouse events.
    void dragCells(int piece, const QList<QPoint>& cells)
    {
        WindowPointer pointer{*window};
        test::dragCells(pointer, piece, cells);
    }

    QPoint picturePos(int piece) const { return window->picBoard->imgPieces[piece]->pos(); }
};

// A 370 x 380 skin with a different flat colour in every layout rectangle.
QImage colouredSkin(int seed);

}  // namespace quill::test
