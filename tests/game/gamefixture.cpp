#include "tests/game/gamefixture.h"

#include "game/frmLevel.h"
#include "game/skin/skinlayout.h"
#include "tests/support/modal.h"

#include <QListWidget>
#include <QPainter>
#include <QPushButton>

namespace quill::test {

QImage colouredSkin(int seed)
{
    QImage skin(370, 380, QImage::Format_RGB32);
    skin.fill(QColor(10, 20, 30));
    QPainter painter(&skin);
    int n = seed;
    for (const SkinCut& cut : kSkinLayout)
        painter.fillRect(cut.rect, QColor::fromHsv((n++ * 37) % 360, 200, 200));
    painter.fillRect(kAltSquareRect, QColor(1, 2, 3));
    painter.fillRect(kAltSingleRect, QColor(4, 5, 6));
    return skin;
}

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
