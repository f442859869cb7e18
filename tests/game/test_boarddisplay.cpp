#include "game/frmFile.h"
#include "game/frmMain.h"
#include "game/skin/skinlayout.h"
#include "tests/game/gamefixture.h"
#include "tests/support/modal.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace quill;
using namespace quill::test;
using Answer = UserDialogs::Answer;
using Icon = UserDialogs::Icon;

namespace {

QImage pictureOf(const QLabel* label)
{
    return label->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage skinPart(const QString& skinPath, const QRect& rect)
{
    QImageReader reader(skinPath);
    reader.setDecideFormatFromContent(true);
    return reader.read().copy(rect).convertToFormat(QImage::Format_RGB32);
}

// Picks `name` in the Set Skin chooser, or cancels it for an empty name.
void chooseSkin(frmMain& window, const QString& name, QStringList* listed = nullptr)
{
    bool seen = false;
    const auto watch = whenModal<frmFile>(
        [&](frmFile* chooser) {
            if (listed) {
                for (int i = 0; i < chooser->filList->count(); ++i)
                    listed->append(chooser->filList->item(i)->text());
            }
            const auto found = chooser->filList->findItems(name, Qt::MatchExactly);
            if (name.isEmpty() || found.isEmpty()) {
                QTest::mouseClick(chooser->cmdCancel, Qt::LeftButton);
                return;
            }
            chooser->filList->setCurrentItem(found.first());
            QTest::mouseClick(chooser->cmdSet, Qt::LeftButton);
        },
        &seen);
    window.mnuSetSkin->trigger();
    QVERIFY(seen);
}

}  // namespace

class TestBoardDisplay : public QObject {
    Q_OBJECT

private slots:
    void skinIsCutIntoSixteenPictures();
    void anotherScreenRatioRenewsThePictures();
    void newGamePlacesPicturesAndFrames();
    void setSkinChooserIsPrepared();
    void setSkinMidGameKeepsThePosition();
    void setSkinCancelWritesNothing();
    void setSkinFailureAsksToSaveThenEnds_data();
    void setSkinFailureAsksToSaveThenEnds();
    void tinySkinFails();
    void nextStartUsesTheChosenSkin();
    void skinNameTheSettingsCannotHoldIsUsedButNotRemembered();
    void winShowsOnlyTheCentredBanner();
};

void TestBoardDisplay::skinIsCutIntoSixteenPictures()
{
    StartedGame game;
    QVERIFY(game.window);
    const QString skin = game.folder.file("skins/default.bmp");
    frmMain& w = *game.window;
    QCOMPARE(pictureOf(w.picBoard->imgUpFrame), skinPart(skin, QRect(0, 0, 280, 20)));
    QCOMPARE(pictureOf(w.picBoard->imgLeftFrame), skinPart(skin, QRect(0, 20, 20, 300)));
    QCOMPARE(pictureOf(w.picBoard->imgRightFrame), skinPart(skin, QRect(260, 20, 20, 300)));
    QCOMPARE(pictureOf(w.picBoard->imgExit), skinPart(skin, QRect(0, 320, 280, 20)));
    QCOMPARE(pictureOf(w.picBoard->imgTitle), skinPart(skin, QRect(280, 0, 90, 340)));
    QCOMPARE(pictureOf(w.picBoard->imgCong), skinPart(skin, QRect(0, 340, 370, 40)));
    QCOMPARE(pictureOf(w.picBoard->imgPieces[0]), skinPart(skin, QRect(20, 20, 120, 120)));
    QCOMPARE(pictureOf(w.picBoard->imgPieces[1]), skinPart(skin, QRect(20, 140, 120, 60)));
    QCOMPARE(pictureOf(w.picBoard->imgPieces[2]), skinPart(skin, QRect(20, 200, 60, 120)));
    QCOMPARE(pictureOf(w.picBoard->imgPieces[4]), skinPart(skin, QRect(80, 200, 60, 120)));
    QCOMPARE(pictureOf(w.picBoard->imgPieces[3]), skinPart(skin, QRect(140, 200, 60, 120)));
    QCOMPARE(pictureOf(w.picBoard->imgPieces[5]), skinPart(skin, QRect(200, 200, 60, 120)));
    for (int i = 6; i <= 9; ++i)
        QCOMPARE(pictureOf(w.picBoard->imgPieces[i]), skinPart(skin, QRect(200, 140, 60, 60)));
    QCOMPARE(w.picBoard->imgPieces[0]->size(), QSize(120, 120));
    QCOMPARE(w.picBoard->imgPieces[1]->size(), QSize(120, 60));
    QCOMPARE(w.picBoard->imgPieces[5]->size(), QSize(60, 120));
    QCOMPARE(w.picBoard->imgPieces[9]->size(), QSize(60, 60));
}

void TestBoardDisplay::anotherScreenRatioRenewsThePictures()
{
    StartedGame game;
    game.newGame(0);
    BoardView& view = *game.window->picBoard;
    view.ShowAlternativePictures();
    const QImage alternative = pictureOf(view.imgPieces[0]);
    // Made again from the file at the new ratio, the alternative pictures kept.
    view.RenewForRatio(2);
    QCOMPARE(view.imgPieces[0]->pixmap().devicePixelRatio(), 2.0);
    QCOMPARE(view.imgPieces[0]->pixmap().toImage(), view.piclipSkin.clip(kAltSquareRect)->toImage());
    // Back on a screen of the window's own ratio.
    QEvent screenChange(QEvent::ScreenChangeInternal);
    QCoreApplication::sendEvent(&view, &screenChange);
    QCOMPARE(view.imgPieces[0]->pixmap().devicePixelRatio(), 1.0);
    QCOMPARE(pictureOf(view.imgPieces[0]), alternative);
}

void TestBoardDisplay::newGamePlacesPicturesAndFrames()
{
    StartedGame game;
    game.newGame(0);
    frmMain& w = *game.window;
    const Positions start = classicStart();
    for (int i = 0; i < kPieceCount; ++i) {
        QVERIFY(w.picBoard->imgPieces[i]->isVisible());
        QCOMPARE(w.picBoard->imgPieces[i]->pos(),
                 QPoint(30 + 60 * columnOf(start[i]), 30 + 60 * rowOf(start[i])));
    }
    QCOMPARE(w.picBoard->imgUpFrame->pos(), QPoint(10, 10));
    QCOMPARE(w.picBoard->imgLeftFrame->pos(), QPoint(10, 30));
    QCOMPARE(w.picBoard->imgRightFrame->pos(), QPoint(270, 30));
    QCOMPARE(w.picBoard->imgExit->pos(), QPoint(10, 330));
    QCOMPARE(w.picBoard->imgTitle->pos(), QPoint(310, 10));
    for (QLabel* frame : {w.picBoard->imgUpFrame, w.picBoard->imgLeftFrame, w.picBoard->imgRightFrame, w.picBoard->imgExit, w.picBoard->imgTitle})
        QVERIFY(frame->isVisible());
    QVERIFY(!w.picBoard->imgCong->isVisible());
    QVERIFY(w.mnuSaveGame->isEnabled());
}

void TestBoardDisplay::setSkinChooserIsPrepared()
{
    StartedGame game;
    writeAllBytes(game.folder.file("skins/notes.png"), "x");
    writeAllBytes(game.folder.file("skins/Shiny.JPEG"), "x");
    writeAllBytes(game.folder.file("skins/vector.emf"), "x");
    bool seen = false;
    const auto watch = whenModal<frmFile>(
        [&](frmFile* chooser) {
            QCOMPARE(chooser->windowTitle(), QStringLiteral("Load Skin"));
            QCOMPARE(chooser->cmdSet->text(), QStringLiteral("Set Skin"));
            QCOMPARE(chooser->bytFlag, 2);
            QStringList names;
            for (int i = 0; i < chooser->filList->count(); ++i)
                names << chooser->filList->item(i)->text();
            QVERIFY(names.contains("default.bmp"));
            QVERIFY(names.contains("Shiny.JPEG"));
            QVERIFY(names.contains("vector.emf"));
            QVERIFY(!names.contains("notes.png"));
            // The shipped skins' double-size companions are no skins of their own.
            QVERIFY(QFileInfo(game.folder.file("skins/2x/default.bmp")).isFile());
            QCOMPARE(names.count("default.bmp"), 1);
            QVERIFY(!names.contains("2x"));
            QTest::mouseClick(chooser->cmdCancel, Qt::LeftButton);
        },
        &seen);
    game.window->mnuSetSkin->trigger();
    QVERIFY(seen);
}

void TestBoardDisplay::setSkinMidGameKeepsThePosition()
{
    StartedGame game;
    game.newGame(0);
    game.dragCells(8, {{0, 4}, {1, 4}});
    const auto grid = game.window->session().board().grid;
    const QPoint where = game.picturePos(8);
    // A BMP named .dib: the content decides the format.
    colouredSkin(3).save(game.folder.file("skins/bright.dib"), "BMP");
    chooseSkin(*game.window, "bright.dib");
    QVERIFY(game.dialogs.messages.isEmpty());
    QCOMPARE(game.window->session().board().grid, grid);
    QCOMPARE(game.window->steps(), 1);
    QVERIFY(game.window->gameChanged());
    QCOMPARE(game.picturePos(8), where);
    QCOMPARE(pictureOf(game.window->picBoard->imgPieces[0]), colouredSkin(3).copy(20, 20, 120, 120));
    QVERIFY(game.window->picBoard->imgPieces[0]->isVisible());
    QCOMPARE(readAllBytes(game.folder.file("qlm.ini")), QByteArray("bright.dib\r\n"));
}

void TestBoardDisplay::setSkinCancelWritesNothing()
{
    StartedGame game;
    writeAllBytes(game.folder.file("qlm.ini"), "default.bmp,kept\r\n");
    const QImage before = pictureOf(game.window->picBoard->imgPieces[0]);
    chooseSkin(*game.window, QString());
    QCOMPARE(readAllBytes(game.folder.file("qlm.ini")), QByteArray("default.bmp,kept\r\n"));
    QCOMPARE(pictureOf(game.window->picBoard->imgPieces[0]), before);
    QVERIFY(game.window->isVisible());
}

void TestBoardDisplay::setSkinFailureAsksToSaveThenEnds_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("cancel still ends") << int(Answer::Cancel);
    QTest::newRow("no") << int(Answer::No);
}

void TestBoardDisplay::setSkinFailureAsksToSaveThenEnds()
{
    QFETCH(int, answer);
    StartedGame game;
    game.newGame(0);
    game.dragCells(8, {{0, 4}, {1, 4}});
    writeAllBytes(game.folder.file("skins/broken.bmp"), "BM this is no picture");
    game.dialogs.answers << Answer::Ok << Answer(answer);
    chooseSkin(*game.window, "broken.bmp");
    QCOMPARE(game.dialogs.messages.size(), 2);
    QCOMPARE(game.dialogs.messages[0].title, QStringLiteral("Quillmere - ERROR"));
    QCOMPARE(game.dialogs.messages[0].icon, Icon::Critical);
    QCOMPARE(game.dialogs.messages[0].text,
             QStringLiteral("An error has occurred while attempting to load picture \n")
                 + QDir::toNativeSeparators(game.folder.path() + "/skins/broken.bmp")
                 + QStringLiteral("\nMake sure the picture exists and is of a correct format."));
    QCOMPARE(game.dialogs.messages[1].title, QStringLiteral("Quillmere - Exit"));
    QVERIFY(game.window->ended());
    QVERIFY(!game.window->isVisible());
    QCOMPARE(readAllBytes(game.folder.file("qlm.ini")), QByteArray("default.bmp\r\n"));
}

void TestBoardDisplay::tinySkinFails()
{
    StartedGame game;
    colouredSkin(1).copy(0, 0, 369, 380).save(game.folder.file("skins/narrow.bmp"), "BMP");
    chooseSkin(*game.window, "narrow.bmp");
    QCOMPARE(game.dialogs.messages.size(), 1);
    QCOMPARE(game.dialogs.messages[0].title, QStringLiteral("Quillmere - ERROR"));
    QVERIFY(game.window->ended());
}

void TestBoardDisplay::nextStartUsesTheChosenSkin()
{
    ProgramFolder folder;
    writeLevelFile(folder.file("QLM.ZHN"), sampleLevels());
    ScriptedDialogs dialogs;
    {
        auto window = modMain::Start(folder.path());
        QVERIFY(window);
        colouredSkin(7).save(folder.file("skins/Other.bmp"), "BMP");
        chooseSkin(*window, "Other.bmp");
        window->close();
    }
    auto again = modMain::Start(folder.path());
    QVERIFY(again);
    QCOMPARE(again->absFilename, QStringLiteral("Other.bmp"));
    QCOMPARE(pictureOf(again->picBoard->imgTitle), colouredSkin(7).copy(280, 0, 90, 340));
}

void TestBoardDisplay::skinNameTheSettingsCannotHoldIsUsedButNotRemembered()
{
    StartedGame game;
    const QString name = QString::fromUtf8("\u4e2d\u6587 skin.bmp");
    colouredSkin(5).save(game.folder.file("skins/" + name), "BMP");
    chooseSkin(*game.window, name);
    QCOMPARE(pictureOf(game.window->picBoard->imgTitle), colouredSkin(5).copy(280, 0, 90, 340));
    QCOMPARE(readAllBytes(game.folder.file("qlm.ini")), QByteArray("default.bmp\r\n"));
    QCOMPARE(game.dialogs.messages.size(), 1);
    const auto& told = game.dialogs.messages.first();
    QCOMPARE(told.title, QStringLiteral("Quillmere - Set Skin"));
    QCOMPARE(told.icon, UserDialogs::Icon::Information);
    QVERIFY2(told.text.contains(name) && told.text.contains("cannot be remembered"), qPrintable(told.text));

    // A name the code page holds is remembered without a word.
    const QString held = QString::fromUtf8("caf\u00e9 \u20ac.bmp");
    colouredSkin(6).save(game.folder.file("skins/" + held), "BMP");
    chooseSkin(*game.window, held);
    QCOMPARE(game.dialogs.messages.size(), 1);
    QCOMPARE(readAllBytes(game.folder.file("qlm.ini")), QByteArray("caf\xe9 \x80.bmp\r\n"));
}

void TestBoardDisplay::winShowsOnlyTheCentredBanner()
{
    LevelTable levels = sampleLevels();
    // The principal piece one row above the goal.
    levels[0].positions = oneSlideFromTheGoal();
    StartedGame game(levels);
    game.newGame(0);
    bool bannerShownFirst = false;
    game.dialogs.onMessage = [&](const ScriptedDialogs::Message&) {
        bannerShownFirst = game.window->picBoard->imgCong->isVisible();
    };
    game.dragCells(0, {{1, 2}, {1, 3}});
    QCOMPARE(game.dialogs.messages.size(), 1);
    const auto& m = game.dialogs.messages.first();
    QCOMPARE(m.title, QStringLiteral("Quillmere - Congratulations"));
    QCOMPARE(m.text, QStringLiteral("Congratulations!! You finished the game in 1 steps."));
    QCOMPARE(m.icon, Icon::Exclamation);
    QCOMPARE(m.place, UserDialogs::Place::ClearOfOwner);  // not over the banner
    QVERIFY(bannerShownFirst);
    frmMain& w = *game.window;
    QCOMPARE(w.picBoard->imgCong->pos(), QPoint(19, 182));
    for (QLabel* piece : w.picBoard->imgPieces)
        QVERIFY(!piece->isVisible());
    for (QLabel* frame : {w.picBoard->imgUpFrame, w.picBoard->imgLeftFrame, w.picBoard->imgRightFrame, w.picBoard->imgExit, w.picBoard->imgTitle})
        QVERIFY(!frame->isVisible());
    QVERIFY(!w.gameChanged());
    QVERIFY(!w.mnuSaveGame->isEnabled());
    QCOMPARE(w.picBoard->lblSteps->text(), QStringLiteral("Steps: 1"));
}

QTEST_MAIN(TestBoardDisplay)
#include "test_boarddisplay.moc"
