// The Game menu (Undo, Redo, Restart Level, Random Level, Hint, Show
// Solution, Progress, Animate Slides),
// playing from the keyboard, and what the main window tells a screen reader.

#include "game/boardzoom.h"
#include "game/frmFile.h"
#include "game/frmMain.h"
#include "game/frmProgress.h"
#include "game/frmRandom.h"
#include "game/solutionshow.h"
#include "model/levelcode.h"
#include "model/progress.h"
#include "model/savedgame.h"
#include "model/solver.h"
#include "model/spoken.h"
#include "tests/game/gamedriver.h"
#include "tests/game/gamefixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

using namespace quill;
using namespace quill::test;
using Answer = UserDialogs::Answer;

namespace {

// Level 1 with the principal piece one row above the goal and the two cells
// below it empty; level 2 the classic start.
LevelTable menuLevels()
{
    LevelTable levels = sampleLevels();
    levels[0].positions = oneSlideFromTheGoal();
    return levels;
}

QStringList captions(const QMenu* menu)
{
    QStringList items;
    for (const QAction* a : menu->actions())
        items << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return items;
}

QString enabledItems(const frmMain& w)
{
    QStringList on;
    for (const QAction* a : w.mnuGame->actions()) {
        if (!a->isSeparator() && !a->isCheckable() && a->isEnabled())
            on << a->text();
    }
    return on.join(QLatin1Char(' '));
}

QString accessibleName(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// Keys reach the window only while it is the active one.
void activate(frmMain& w)
{
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

// A key as the player types it into the main window. A closed modal
// dialog leaves no window active on the headless platform, as a desktop
// would give the activation back.
void press(frmMain& w, Qt::Key key, Qt::KeyboardModifiers keys = Qt::NoModifier)
{
    if (!w.isActiveWindow())
        activate(w);
    QTest::keyClick(QApplication::focusWidget(), key, keys);
}

QString runProgress(frmMain& w, const std::function<void(frmProgress*)>& look)
{
    QString summary;
    const bool shown = runWithModal<frmProgress>([&] { w.mnuProgress->trigger(); }, [&](frmProgress* p) {
        summary = p->lblSummary->text();
        look(p);
        QTest::mouseClick(p->cmdClose, Qt::LeftButton);
    });
    return shown ? summary : QStringLiteral("no Progress window");
}

QString progressCell(frmProgress* p, int row, int column)
{
    return p->lisProgress->item(row, column)->text();
}

// Whether the status line of the random level in play fits its labels at
// each scale, with a code of the widest characters and more steps than a
// player takes. Text is laid out in device pixels, the font at their size.
bool randomStatusFits(const frmMain& w)
{
    const BoardView& board = *w.picBoard;
    for (double scale : {1.0, 1.5, 2.0}) {
        QFont font = board.lblStatus->font();
        font.setPointSizeF(font.pointSizeF() * scale);
        const QFontMetricsF metrics(font);
        const QString alphabet = QLatin1String(kLevelCodeAlphabet);
        const QChar widest = *std::max_element(alphabet.begin(), alphabet.end(), [&](QChar a, QChar b) {
            return metrics.horizontalAdvance(a) < metrics.horizontalAdvance(b);
        });
        const QString code = QString(4, widest) + QLatin1Char('-') + QString(3, widest);
        const QString status = board.lblStatus->text().replace(w.session().levelName(), code);
        const QString steps = board.lblSteps->text().replace(QStringLiteral("Steps: 0"), QStringLiteral("Steps: 99999"));
        if (metrics.horizontalAdvance(status) / scale > board.lblStatus->width()
            || metrics.horizontalAdvance(steps) / scale > board.lblSteps->width())
            return false;
    }
    return true;
}

}  // namespace

class TestGameMenu : public QObject {
    Q_OBJECT

private slots:
    void gameMenuSitsBetweenFileAndHelp();
    void itemsAreEnabledOnlyWhenTheyCanAct();
    void undoAndRedoThroughTheMenuAndTheirKeys();
    void restartLevel_data();
    void restartLevel();
    void randomLevelDealsReadsCodesAndCancels();
    void hintMarksThePieceAndTheCells();
    void hintWithoutASolution();
    void progressShowsTheRecordOfTheLevelAsPlayed();
    void progressOpensOnTheLevelPlayedAndFitsTheScreen();
    void showSolutionPlaysStopsAndFinishes();
    void keyboardAloneFinishesALevel();
    void screenReaderHearsWhereThePiecesAre();
};

void TestGameMenu::gameMenuSitsBetweenFileAndHelp()
{
    StartedGame game;
    frmMain& w = *game.window;
    QStringList titles;
    for (const QAction* a : w.menuBar()->actions())
        titles << a->text();
    QCOMPARE(titles, (QStringList{"&File", "&Game", "&View", "&Help"}));
    QCOMPARE(captions(w.zoom->mnuView), (QStringList{"Zoom &In", "Zoom &Out", "&Usual Size"}));
    // Alt and a letter reach one menu, and in it one item.
    const auto uniqueKeys = [](QStringList texts) {
        texts.removeAll(QStringLiteral("-"));
        QSet<QChar> keys;
        for (const QString& text : texts)
            keys.insert(text.at(text.indexOf(u'&') + 1).toUpper());
        return keys.size() == texts.size();
    };
    QVERIFY(uniqueKeys(titles));
    for (const QMenu* menu : {w.mnuFile, w.mnuGame, w.zoom->mnuView, w.mnuHelp})
        QVERIFY2(uniqueKeys(captions(menu)), qPrintable(menu->title()));
    QCOMPARE(captions(w.mnuGame),
             (QStringList{"&Undo", "&Redo", "-", "Re&start Level", "Ra&ndom Level...", "-", "&Hint", "Show So&lution", "&Progress...", "-", "&Animate Slides"}));
    QCOMPARE(w.mnuUndo->shortcut(), QKeySequence(QKeySequence::Undo));
    QCOMPARE(w.mnuRedo->shortcut(), QKeySequence(QKeySequence::Redo));
    QCOMPARE(w.mnuSolution->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    for (QAction* a : {w.mnuRestart, w.mnuRandom, w.mnuHint, w.mnuProgress, w.mnuAnimate})
        QVERIFY(a->shortcut().isEmpty());
    // The File and Help menus keep their lack of shortcut keys.
    for (const QMenu* menu : {w.mnuFile, w.mnuHelp}) {
        for (const QAction* a : menu->actions())
            QVERIFY2(a->shortcut().isEmpty(), qPrintable(a->text()));
    }
}

void TestGameMenu::itemsAreEnabledOnlyWhenTheyCanAct()
{
    StartedGame game(menuLevels());
    frmMain& w = *game.window;
    QCOMPARE(enabledItems(w), QStringLiteral("Ra&ndom Level... &Progress..."));
    game.newGame(0);
    QCOMPARE(enabledItems(w), QStringLiteral("Re&start Level Ra&ndom Level... &Hint Show So&lution &Progress..."));
    game.dragCells(8, {{0, 4}, {1, 4}});
    QCOMPARE(enabledItems(w), QStringLiteral("&Undo Re&start Level Ra&ndom Level... &Hint Show So&lution &Progress..."));
    w.mnuUndo->trigger();
    QCOMPARE(enabledItems(w), QStringLiteral("&Redo Re&start Level Ra&ndom Level... &Hint Show So&lution &Progress..."));
    // A record file that cannot be read whole is not written over, and the
    // player is told after the congratulation.
    QVERIFY(QDir().mkdir(game.folder.file(QLatin1String(kProgressFileName))));
    game.dragCells(0, {{1, 2}, {1, 3}});
    QCOMPARE(game.dialogs.messages.size(), 2);
    QCOMPARE(game.dialogs.messages[0].title, QStringLiteral("Quillmere - Congratulations"));
    QCOMPARE(game.dialogs.messages[1].title, QStringLiteral("Quillmere - Progress"));
    QVERIFY(game.dialogs.messages[1].text.contains(QStringLiteral("21 Is a directory")));
    QVERIFY(QFileInfo(game.folder.file(QLatin1String(kProgressFileName))).isDir());
    // Progress tells it too, and shows no record.
    QCOMPARE(runProgress(w, [](frmProgress*) {}), QStringLiteral("Finished 0 of 70 levels, 0 of them in the fewest steps."));
    QCOMPARE(game.dialogs.messages.size(), 3);
    QVERIFY(game.dialogs.messages[2].text.startsWith(QStringLiteral("Your record of progress could not be read")));
    QCOMPARE(enabledItems(w), QStringLiteral("Re&start Level Ra&ndom Level... &Progress..."));
}

void TestGameMenu::undoAndRedoThroughTheMenuAndTheirKeys()
{
    StartedGame game;
    frmMain& w = *game.window;
    activate(w);
    game.newGame(1);
    game.dragCells(8, {{0, 4}, {1, 4}});
    game.dragCells(9, {{3, 4}, {2, 4}});
    const QString afterTwo = gameState(w);
    game.dialogs.inputs << QStringLiteral("two moves");
    w.mnuSaveGame->trigger();  // saved: nothing changed any more
    QVERIFY(!w.gameChanged());

    press(w, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.steps(), 1);
    QCOMPARE(w.picBoard->lblSteps->text(), QStringLiteral("Steps: 1"));
    QCOMPARE(game.picturePos(9), picturePlace(43));
    QCOMPARE(w.session().board().cell(3, 4), int16_t(9));
    QVERIFY(w.gameChanged());
    w.mnuUndo->trigger();
    QCOMPARE(w.steps(), 0);
    QCOMPARE(w.session().board().PiecePositions(), classicStart());
    QVERIFY(!w.mnuUndo->isEnabled());

    w.mnuRedo->trigger();
    // The platform's Redo keys: Ctrl+Y on some desktops, Ctrl+Shift+Z on others.
    QTest::keySequence(QApplication::focusWidget(), w.mnuRedo->shortcut());
    QCOMPARE(gameState(w), afterTwo);
    QCOMPARE(w.steps(), 2);

    // Undone moves count as changes: closing asks.
    game.dialogs.answers << Answer::Cancel;
    QVERIFY(!w.close());
    QCOMPARE(game.dialogs.messages.last().title, QStringLiteral("Quillmere - Exit"));
}

void TestGameMenu::restartLevel_data()
{
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<bool>("won");
    QTest::newRow("new game") << false << false;
    QTest::newRow("loaded game") << true << false;
    QTest::newRow("after a win") << false << true;
}

void TestGameMenu::restartLevel()
{
    QFETCH(bool, loaded);
    QFETCH(bool, won);
    LevelTable levels = menuLevels();
    levels[4].name = fitLevelName(QStringLiteral("Five"));
    StartedGame game(levels);
    frmMain& w = *game.window;
    if (loaded) {
        // A saved game of level 5, 12 steps in, under another name.
        SavedGame saved;
        saved.steps = 12;
        saved.level = 4;
        saved.name = fitLevelName(QStringLiteral("Saved"));
        saved.positions = classicStart();
        saved.positions[8] = 41;
        QVERIFY(writeSavedGame(game.folder.file("saved/g.sav"), saved).ok());
        QVERIFY(runWithModal<frmFile>([&] { w.mnuLoadGame->trigger(); },
                                      [](frmFile* f) { chooseFile(f, QStringLiteral("g.sav")); }));
    } else {
        game.newGame(won ? 0 : 4);
    }
    const int16_t level = w.levelIndex();
    if (won) {
        game.dragCells(0, {{1, 2}, {1, 3}});
        QVERIFY(w.picBoard->imgCong->isVisible());
    } else {
        game.dragCells(7, {{2, 3}, {2, 4}});
        QCOMPARE(w.steps(), loaded ? 13 : 1);
        // Cancel at the save question changes nothing.
        const QString before = gameState(w);
        game.dialogs.answers << Answer::Cancel;
        w.mnuRestart->trigger();
        QCOMPARE(game.dialogs.messages.last().title, QStringLiteral("Quillmere - Restart Level"));
        QCOMPARE(game.dialogs.messages.last().text, QStringLiteral("Would you like to save the current game?"));
        QCOMPARE(game.dialogs.messages.last().buttons, UserDialogs::Buttons::YesNoCancel);
        QCOMPARE(gameState(w), before);
        game.dialogs.answers << Answer::No;
    }
    const int asked = game.dialogs.messages.size();
    w.mnuRestart->trigger();
    QCOMPARE(game.dialogs.messages.size(), asked + (won ? 0 : 1));
    QCOMPARE(w.levelIndex(), level);
    QCOMPARE(w.session().board().PiecePositions(), levels[level].positions);
    QCOMPARE(w.steps(), 0);
    QVERIFY(!w.gameChanged());
    QVERIFY(w.mnuSaveGame->isEnabled());
    QVERIFY(!w.picBoard->imgCong->isVisible());
    QVERIFY(w.picBoard->imgPieces[0]->isVisible());
    QCOMPARE(game.picturePos(0), picturePlace(levels[level].positions[0]));
    QCOMPARE(w.picBoard->lblSteps->text(), QStringLiteral("Steps: 0"));
    // The name a loaded game brought stays, as for New Game.
    QCOMPARE(w.picBoard->lblStatus->text().endsWith(loaded ? QStringLiteral("Saved     ") : levels[level].name), true);
}

void TestGameMenu::randomLevelDealsReadsCodesAndCancels()
{
    StartedGame game;
    frmMain& w = *game.window;
    const auto random = [&](const std::function<void(frmRandom*)>& act) {
        return runWithModal<frmRandom>([&] { w.mnuRandom->trigger(); }, act);
    };
    for (int k = 0; k <= 4; ++k) {
        const int steps = k < 4 ? frmRandom::presets()[k].steps : 57;
        bool placed = false;
        QVERIFY(random([&](frmRandom* d) {
            placed = centredOnOwner(d) && d->windowTitle() == QLatin1String("Quillmere - Random Level");
            if (k < 4)  // on the round mark, as a player clicks
                QTest::mouseClick(d->optPreset[k], Qt::LeftButton, {}, QPoint(6, d->optPreset[k]->height() / 2));
            else
                d->spnSteps->setValue(steps);
            QTest::mouseClick(d->cmdPlay, Qt::LeftButton);
        }));
        QVERIFY(placed);
        QCOMPARE(slideSolver().solve(w.session().board().PiecePositions()).steps(), steps);
        if (k == 3)
            QVERIFY(randomStatusFits(w));
    }

    // Exactly with 0, nothing or a number past the range deals nothing and
    // says which numbers it deals.
    const QString last = gameState(w);
    QStringList shown;
    QVERIFY(random([&](frmRandom* d) {
        for (const char* typed : {"0", "", "102"}) {
            d->spnSteps->setFocus();
            d->spnSteps->selectAll();
            QTest::keyClick(d->spnSteps, Qt::Key_Backspace);
            QTest::keyClicks(d->spnSteps, QLatin1String(typed));
            QTest::mouseClick(d->cmdPlay, Qt::LeftButton);  // the box loses the focus first
            shown << d->spnSteps->text() + QLatin1Char('|') + game.dialogs.messages.last().text;
        }
        QTest::mouseClick(d->cmdCancel, Qt::LeftButton);
    }));
    const QString told = QStringLiteral("|Please type a number of steps from 1 to 101.");
    QCOMPARE(shown, (QStringList{"0 steps" + told, " steps" + told, "102 steps" + told}));
    QCOMPARE(gameState(w), last);

    // A mistyped code is refused with its reason and changes nothing; typed
    // right, in any case and without its dash, it plays exactly its start.
    const QString dealt = gameState(w);
    QString refused;
    QVERIFY(random([&](frmRandom* d) {
        QTest::keyClicks(d->txtCode, QStringLiteral("GGXT-4AM"));
        QTest::keyClick(d->txtCode, Qt::Key_Return);
        refused = gameState(w);
        d->txtCode->clear();
        QTest::keyClicks(d->txtCode, QStringLiteral("ggxt 4an"));
        QTest::keyClick(d->txtCode, Qt::Key_Return);
    }));
    QCOMPARE(refused, dealt);
    QCOMPARE(game.dialogs.messages.last().text, readLevelCode(QStringLiteral("GGXT-4AM")).problem);
    QCOMPARE(w.session().board().PiecePositions(), classicStart());
    QCOMPARE(w.picBoard->lblStatus->text(), QStringLiteral("Random: GGXT-4AN"));
    QCOMPARE(w.picBoard->lblSteps->text(), QStringLiteral("Steps: 0 (fewest 90)"));

    // The last code is copied; Cancel, pressed with Enter, starts nothing.
    const QString played = gameState(w);
    QVERIFY(random([&](frmRandom* d) {
        QTest::mouseClick(d->cmdCopy, Qt::LeftButton);
        d->cmdCancel->setFocus();
        QTest::keyClick(d->cmdCancel, Qt::Key_Return);
    }));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("GGXT-4AN"));
    QCOMPARE(gameState(w), played);
    game.dragCells(8, {{0, 4}, {1, 4}});
    QVERIFY(!showsModal<frmRandom>([&] { w.mnuRandom->trigger(); }));  // the save question, cancelled
    QCOMPARE(game.dialogs.messages.last().title, QStringLiteral("Quillmere - Random Level"));
}

void TestGameMenu::hintMarksThePieceAndTheCells()
{
    StartedGame game(menuLevels());
    frmMain& w = *game.window;
    game.newGame(0);
    bool markedDuringMessage = false;
    game.dialogs.onMessage = [&](const ScriptedDialogs::Message&) {
        markedDuringMessage = w.picBoard->picMarks->marks().hintTarget.has_value() && w.picBoard->picMarks->isVisible();
    };
    w.mnuHint->trigger();
    QCOMPARE(game.dialogs.messages.size(), 1);
    const auto& told = game.dialogs.messages.first();
    QCOMPARE(told.title, QStringLiteral("Quillmere - Hint"));
    QCOMPARE(told.icon, UserDialogs::Icon::Information);
    QCOMPARE(told.buttons, UserDialogs::Buttons::Ok);
    QCOMPARE(told.place, UserDialogs::Place::ClearOfOwner);  // not over the marks
    QCOMPARE(told.text, QStringLiteral("Slide the marked piece to the marked cells. "
                                       "The level can be finished in 1 more step."));
    QVERIFY(markedDuringMessage);
    // The principal piece, and the goal below it.
    QCOMPARE(w.picBoard->picMarks->marks().hintPiece, std::optional<QRect>(w.picBoard->imgPieces[0]->geometry()));
    QCOMPARE(w.picBoard->picMarks->marks().hintTarget, std::optional<QRect>(QRect(90, 210, 120, 120)));
    QVERIFY(!w.gameChanged());
    QCOMPARE(w.steps(), 0);

    // Many steps from the classic start; the marks go with the next press.
    game.newGame(1);
    QVERIFY(!w.picBoard->picMarks->marks().hintPiece);
    w.mnuHint->trigger();
    QCOMPARE(game.dialogs.messages.last().text,
             QStringLiteral("Slide the marked piece to the marked cells. "
                            "The level can be finished in 90 more steps."));
    QVERIFY(w.picBoard->picMarks->marks().hintPiece);
    QTest::mousePress(w.picBoard->imgPieces[2], Qt::LeftButton, {}, QPoint(30, 30));
    QVERIFY(!w.picBoard->picMarks->marks().hintPiece);
    QTest::mouseRelease(w.picBoard->imgPieces[2], Qt::LeftButton, {}, QPoint(30, 30));
}

void TestGameMenu::hintWithoutASolution()
{
    const std::vector<uint8_t> distance = slideSolver().distanceTable();
    const auto stuck = std::find(distance.begin(), distance.end(), SlideSolver::kUnsolvable);
    LevelTable levels = sampleLevels();
    levels[0].positions = slideSolver().positionsAt(static_cast<int>(stuck - distance.begin()));
    StartedGame game(levels);
    game.newGame(0);
    game.window->mnuHint->trigger();
    QCOMPARE(game.dialogs.messages.last().text,
             QStringLiteral("No sequence of slides finishes the level from here."));
    QCOMPARE(game.window->picBoard->picMarks->marks(), BoardMarks{});
}

void TestGameMenu::progressShowsTheRecordOfTheLevelAsPlayed()
{
    LevelTable levels = menuLevels();
    StartedGame game(levels);
    frmMain& w = *game.window;
    QCOMPARE(runProgress(w, [](frmProgress* p) {
                 QCOMPARE(p->windowTitle(), QStringLiteral("Quillmere - Progress"));
                 QCOMPARE(p->lisProgress->rowCount(), kLevelCount);
                 QCOMPARE(progressCell(p, 0, frmProgress::FewestColumn), QStringLiteral("1"));
                 QCOMPARE(progressCell(p, 1, frmProgress::FewestColumn), QStringLiteral("90"));
                 QCOMPARE(progressCell(p, 0, frmProgress::BestColumn), QString());
             }),
             QStringLiteral("Finished 0 of 70 levels, 0 of them in the fewest steps."));

    // Level 1 in three steps, then in one; level 2's saved game won at once,
    // in more steps than level 2's own start needs (90).
    game.newGame(0);
    game.dragCells(8, {{0, 4}, {1, 4}});
    game.dragCells(8, {{1, 4}, {0, 4}});
    game.dragCells(0, {{1, 2}, {1, 3}});
    game.newGame(0);
    game.dragCells(0, {{1, 2}, {1, 3}});
    SavedGame saved;
    saved.steps = 100;
    saved.level = 1;
    saved.name = fitLevelName(QStringLiteral("Late"));
    saved.positions = menuLevels()[0].positions;
    QVERIFY(writeSavedGame(game.folder.file("saved/late.sav"), saved).ok());
    QVERIFY(runWithModal<frmFile>([&] { w.mnuLoadGame->trigger(); },
                                  [](frmFile* f) { chooseFile(f, QStringLiteral("late.sav")); }));
    game.dragCells(0, {{1, 2}, {1, 3}});
    QCOMPARE(runProgress(w, [](frmProgress* p) {
                 QCOMPARE(progressCell(p, 0, frmProgress::BestColumn), QStringLiteral("1"));
                 QVERIFY(!progressCell(p, 0, frmProgress::MarkColumn).isEmpty());
                 QCOMPARE(progressCell(p, 1, frmProgress::BestColumn), QStringLiteral("101"));
                 QVERIFY(progressCell(p, 1, frmProgress::MarkColumn).isEmpty());
                 QCOMPARE(progressCell(p, 1, frmProgress::NameColumn), QStringLiteral("Late      "));
             }),
             QStringLiteral("Finished 2 of 70 levels, 1 of them in the fewest steps."));

    // Level 1 changed in the editor: its old record no longer shows.
    w.close();
    levels[0].positions[8] = 41;
    levels[0].positions[9] = 42;
    QVERIFY(writeLevelFile(game.folder.file("QLM.ZHN"), levels).ok());
    auto next = modMain::Start(game.folder.path());
    QVERIFY(next);
    QCOMPARE(runProgress(*next, [](frmProgress* p) {
                 QCOMPARE(progressCell(p, 0, frmProgress::BestColumn), QString());
             }),
             QStringLiteral("Finished 1 of 70 levels, 0 of them in the fewest steps."));
}

void TestGameMenu::progressOpensOnTheLevelPlayedAndFitsTheScreen()
{
    StartedGame game(menuLevels());
    frmMain& w = *game.window;
    // The rows selected, whether the first of them (or the top row) is in
    // view, and whether the table is scrolled. Each time the window fits the
    // offscreen screen (600 pixels high, so the table scrolls), its columns
    // no wider than their contents and the table no wider than its columns.
    const auto shownRows = [&] {
        QString shown;
        runProgress(w, [&](frmProgress* p) {
            QTableWidget* table = p->lisProgress;
            const QModelIndexList selected = table->selectionModel()->selectedRows();
            const int row = selected.isEmpty() ? 0 : selected.first().row();
            const bool inView = table->viewport()->rect().contains(table->visualRect(table->model()->index(row, 0)));
            shown = QStringLiteral("%1 selected, row %2 %3, %4")
                        .arg(selected.size())
                        .arg(row)
                        .arg(inView ? "in view" : "hidden")
                        .arg(table->verticalScrollBar()->value() == 0 ? "top" : "scrolled");
            QVERIFY(p->screen()->availableGeometry().contains(p->frameGeometry()));
            QVERIFY(table->verticalScrollBar()->isVisible());
            const QHeaderView* header = table->horizontalHeader();
            const QAbstractItemView* view = table;  // where the widths of the cells are public
            for (int c = 0; c < frmProgress::ColumnCount; ++c)
                QVERIFY(table->columnWidth(c) <= std::max(view->sizeHintForColumn(c), header->sectionSizeHint(c)) + 4);
            QVERIFY(header->length() <= table->viewport()->width() && table->viewport()->width() - header->length() <= 4);
        });
        return shown;
    };
    // Over the game where it starts, centred on it, and a window's worth of
    // rows high rather than the screen's height.
    bool centred = false;
    runProgress(w, [&](frmProgress* p) {
        centred = centredOnOwner(p) && p->frameGeometry().height() < p->screen()->availableGeometry().height() * 9 / 10;
    });
    QVERIFY(centred);
    // In the bottom right corner, where centring alone would push it off.
    const QRect area = w.screen()->availableGeometry();
    w.move(area.bottomRight() - QPoint(w.frameGeometry().width(), w.frameGeometry().height()));
    QCOMPARE(shownRows(), QStringLiteral("0 selected, row 0 in view, top"));
    game.newGame(60);
    QCOMPARE(shownRows(), QStringLiteral("1 selected, row 60 in view, scrolled"));
    game.newGame(0);
    game.dragCells(0, {{1, 2}, {1, 3}});
    QCOMPARE(shownRows(), QStringLiteral("1 selected, row 0 in view, top"));
}

void TestGameMenu::showSolutionPlaysStopsAndFinishes()
{
    StartedGame game(menuLevels());
    frmMain& w = *game.window;
    SolutionShow& show = w.solutionShow();
    game.newGame(1);
    auto picturesOnTheirCells = [&w] {
        for (int i = 0; i < kPieceCount; ++i) {
            if (w.picBoard->imgPieces[i]->pos() != picturePlace(w.session().board().PiecePositions()[i]))
                return false;
        }
        return true;
    };

    // A glide moves the picture between cells while the game already
    // stands on its end; a click on the board stops it whole.
    show.setPace(1000, 0);
    w.mnuSolution->trigger();
    QCOMPARE(w.mnuSolution->text(), QStringLiteral("Stop So&lution"));
    QCOMPARE(w.steps(), 1);
    QTest::qWait(150);
    QVERIFY(show.glide().running());
    QVERIFY(!picturesOnTheirCells());
    QVERIFY(w.picBoard->accessibleDescription().startsWith(QStringLiteral("Solution, step 1 of 90: slide the ")));
    QTest::mouseClick(w.picBoard, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(!show.running());
    QVERIFY(picturesOnTheirCells());
    QCOMPARE(w.mnuSolution->text(), QStringLiteral("Show So&lution"));

    // Its shortcut starts it again, any key stops it, Undo takes back the
    // shown slides one by one.
    show.setPace(0, 5);
    press(w, Qt::Key_L, Qt::ControlModifier);
    QTRY_VERIFY(w.steps() >= 4);
    press(w, Qt::Key_Space);
    const int stopped = w.steps();
    QTest::qWait(50);
    QCOMPARE(w.steps(), stopped);
    QVERIFY(!w.session().selectionShown());
    w.mnuUndo->trigger();
    QCOMPARE(w.steps(), stopped - 1);
    QCOMPARE(fewestSteps(w.session().board().PiecePositions()), 90 - w.steps());

    // Played to the end: the congratulation as usual, and no record.
    show.setPace(0, 0);
    w.mnuSolution->trigger();
    QTRY_COMPARE(w.session().state(), GameSession::State::Won);
    QCOMPARE(game.dialogs.messages.last().text, QStringLiteral("Congratulations!! You finished the game in 90 steps."));
    QVERIFY(!QFile::exists(game.folder.file("qlm-progress.txt")));
    QVERIFY(!w.mnuSolution->isEnabled());

    // Animate Slides off: slides jump, and the choice is kept in its file.
    QVERIFY(w.mnuAnimate->isChecked());
    w.mnuAnimate->trigger();
    QVERIFY(!show.glides());
    QCOMPARE(readAllBytes(game.folder.file("qlm-motion.txt")), QByteArray("jump\n"));
}

void TestGameMenu::keyboardAloneFinishesALevel()
{
    StartedGame game(menuLevels());
    frmMain& w = *game.window;
    game.newGame(0);
    activate(w);
    QTRY_COMPARE(QApplication::focusWidget(), w.picBoard);
    QCOMPARE(w.picBoard->picMarks->marks().selection, std::optional<QRect>());
    press(w, Qt::Key_Up);  // the frame appears on the principal piece
    QCOMPARE(w.picBoard->picMarks->marks().selection, std::optional<QRect>(w.picBoard->imgPieces[0]->geometry()));
    press(w, Qt::Key_Return);
    QVERIFY(w.picBoard->picMarks->marks().held);
    press(w, Qt::Key_Down);
    QCOMPARE(game.picturePos(0), picturePlace(31));
    QVERIFY(game.dialogs.messages.isEmpty());
    press(w, Qt::Key_Escape);
    QCOMPARE(game.picturePos(0), picturePlace(21));
    QCOMPARE(w.steps(), 0);
    QVERIFY(!w.gameChanged());
    press(w, Qt::Key_Space);
    press(w, Qt::Key_Down);
    press(w, Qt::Key_Space);
    QCOMPARE(w.steps(), 1);
    QCOMPARE(game.dialogs.messages.size(), 1);
    QCOMPARE(game.dialogs.messages.first().text,
             QStringLiteral("Congratulations!! You finished the game in 1 steps."));
    QVERIFY(w.picBoard->imgCong->isVisible());
    QVERIFY(!w.picBoard->picMarks->isVisible());
}

void TestGameMenu::screenReaderHearsWhereThePiecesAre()
{
    StartedGame game;
    frmMain& w = *game.window;
    activate(w);
    game.newGame(1);
    QCOMPARE(accessibleName(w.picBoard->imgPieces[0]), QStringLiteral("Principal piece, 2 by 2, columns 2 to 3, rows 1 to 2"));
    QCOMPARE(accessibleName(w.picBoard), QStringLiteral("Board"));
    press(w, Qt::Key_Down);
    press(w, Qt::Key_Down);
    QCOMPARE(accessibleName(w.picBoard), QStringLiteral("Board: Wide piece, 2 by 1, columns 2 to 3, row 3, selected"));
    // Single 8 at (0,4) picked up and carried right: it is heard where it goes.
    press(w, Qt::Key_Down);
    press(w, Qt::Key_Down);
    press(w, Qt::Key_Space);
    press(w, Qt::Key_Right);
    QCOMPARE(accessibleName(w.picBoard->imgPieces[8]), QStringLiteral("Small piece 3, 1 by 1, column 2, row 5"));
    QCOMPARE(accessibleName(w.picBoard), QStringLiteral("Board: Small piece 3, 1 by 1, column 2, row 5, held"));
    QCOMPARE(QAccessible::queryAccessibleInterface(w.picBoard->lblSteps)->text(QAccessible::Name), QStringLiteral("Steps: 0"));
    press(w, Qt::Key_Space);
    QCOMPARE(QAccessible::queryAccessibleInterface(w.picBoard->lblSteps)->text(QAccessible::Name), QStringLiteral("Steps: 1"));
    // The same words as the model gives for every piece.
    for (int i = 0; i < kPieceCount; ++i)
        QCOMPARE(accessibleName(w.picBoard->imgPieces[i]), spokenPicture(w.session(), i).name);
}

QTEST_MAIN(TestGameMenu)
#include "test_gamemenu.moc"
