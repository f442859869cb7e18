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

}  // namespace quill::test
