#include "tests/game/gamefixture.h"

#include "game/frmLevel.h"
#include "tests/support/modal.h"

#include <QListWidget>
#include <QPushButton>

namespace quill::test {

void StartedGame::newGame(int index)
{
    bool seen = false;
    const auto watch = whenModal<frmLevel>(
        [index](frmLevel* chooser) {
            chooser->lisLevel->setCurrentRow(index);
            QTest::mouseClick(chooser->cmdSetLevel, Qt::LeftButton);
        },
        &seen);
    window->mnuNewGame->trigger();
    QVERIFY(seen);
}

void StartedGame::dragCells(int piece, QList<QPoint> cells)
{
    QLabel* picture = window->imgPieces[piece];
    const auto local = [&](QPoint cell) {
        return cellCentre(cell.x(), cell.y()) - picture->pos();
    };
    QTest::mousePress(picture, Qt::LeftButton, Qt::NoModifier, local(cells.first()));
    for (const QPoint& cell : cells.mid(1))
        QTest::mouseMove(picture, local(cell));
    QTest::mouseRelease(picture, Qt::LeftButton, Qt::NoModifier, local(cells.last()));
}

}  // namespace quill::test
