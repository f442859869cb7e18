#pragma once

// Driving the game's modal choosers with real input, and a readable
// snapshot of everything a command may change on the main window.

#include "game/frmFile.h"
#include "game/frmLevel.h"
#include "game/frmMain.h"
#include "tests/support/modal.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <functional>

namespace quill::test {

// Clicks line `row` of a list with the mouse, scrolling it into view first.
inline void clickLine(QListWidget* list, int row)
{
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(item).center());
}

// Clicks the line showing `name` in the file chooser, then its Set button.
// A missing line closes the chooser, so that the command can end, and fails.
inline void chooseFile(frmFile* chooser, const QString& name)
{
    const QList<QListWidgetItem*> found = chooser->filList->findItems(name, Qt::MatchExactly);
    if (found.size() != 1) {
        chooser->close();
        QFAIL(qPrintable(QStringLiteral("the chooser does not list ") + name));
    }
    clickLine(chooser->filList, chooser->filList->row(found.first()));
    QTest::mouseClick(chooser->cmdSet, Qt::LeftButton);
}

// Runs `command`, acting with `act` on the modal dialog of type T that it
// shows. True when the dialog showed up.
template <typename T>
bool runWithModal(const std::function<void()>& command, std::function<void(T*)> act)
{
    bool seen = false;
    const auto watch = whenModal<T>(std::move(act), &seen);
    command();
    return seen;
}

// Runs `command` and tells whether it showed a modal dialog of type T; one
// that shows up is closed with its close box.
template <typename T>
bool showsModal(const std::function<void()>& command)
{
    bool seen = false;
    const auto watch = whenModal<T>([](T* dialog) { dialog->close(); }, &seen, 200);
    command();
    return seen;
}

// Whether a dialog stands centred on its owner, outer sizes, to the pixel
// that halving an odd difference loses.
inline bool centredOnOwner(const QWidget* dialog)
{
    const QRect owner = dialog->parentWidget()->frameGeometry();
    const QRect box = dialog->frameGeometry();
    return qAbs((box.left() - owner.left()) - (owner.right() - box.right())) <= 1
           && qAbs((box.top() - owner.top()) - (owner.bottom() - box.bottom())) <= 1;
}

// Everything of the game that New Game and Load Game may change, as text,
// so that a comparison shows what differs.
inline QString gameState(const frmMain& w)
{
    QStringList lines;
    lines << QStringLiteral("level %1, steps %2, changed %3, save enabled %4, banner %5")
                 .arg(w.levelIndex())
                 .arg(w.steps())
                 .arg(w.gameChanged())
                 .arg(w.mnuSaveGame->isEnabled())
                 .arg(w.picBoard->imgCong->isVisible());
    for (const auto& row : w.session().board().grid) {
        QStringList cells;
        for (int16_t cell : row)
            cells << QString::number(cell);
        lines << QStringLiteral("grid ") + cells.join(QLatin1Char(' '));
    }
    QStringList pieces;
    for (int i = 0; i < kPieceCount; ++i) {
        const QLabel* picture = w.picBoard->imgPieces[i];
        pieces << QStringLiteral("%1:%2@(%3,%4)%5")
                      .arg(i)
                      .arg(w.session().board().PiecePositions()[i])
                      .arg(picture->x())
                      .arg(picture->y())
                      .arg(picture->isVisible() ? QString() : QStringLiteral(" hidden"));
    }
    lines << pieces.join(QStringLiteral(", "));
    lines << w.picBoard->lblStatus->text() + QLatin1Char('|') + w.picBoard->lblSteps->text();
    for (const LevelRecord& level : w.levels())
        lines << level.name;
    return lines.join(QLatin1Char('\n'));
}

// Where the picture of a piece standing at `value` belongs.
inline QPoint picturePlace(int16_t value)
{
    return {pieceLeftPx(columnOf(value)), pieceTopPx(rowOf(value))};
}

}  // namespace quill::test
