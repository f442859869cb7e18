#include "game/frmFile.h"
#include "game/frmLevel.h"
#include "game/frmMain.h"
#include "game/placement.h"
#include "game/skin/skinlayout.h"
#include "tests/game/gamedriver.h"
#include "tests/game/gamefixture.h"
#include "tests/support/fixtures.h"
#include "tests/support/scripteddialogs.h"

#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

using namespace quill;
using namespace quill::test;

namespace {

void touch(const QDir& dir, const QStringList& names)
{
    for (const QString& name : names)
        writeAllBytes(dir.filePath(name), "x");
}

QStringList listedNames(const frmFile* chooser)
{
    QStringList names;
    for (int i = 0; i < chooser->filList->count(); ++i)
        names << chooser->filList->item(i)->text();
    return names;
}

// What one showing of the chooser looked like and answered.
struct Visit {
    bool shown = false;
    QStringList listed;
    bool setEnabled = true;
    int selectedAtOpen = -2;
    QString answer;
};

// Shows a chooser owned by a plain window on `folder` with `pattern` in
// `mode`, lets `act` work it and returns what it showed and answered. The
// answer starts out as an earlier choice, to see that it is replaced.
Visit runChooser(const QString& folder, const QString& pattern, uint8_t mode,
                 const std::function<void(frmFile*)>& act)
{
    QWidget owner;
    owner.resize(500, 450);
    owner.show();
    Visit visit;
    visit.answer = QStringLiteral("an earlier choice");
    frmFile chooser(&owner, visit.answer);
    chooser.bytFlag = mode;
    chooser.setFolder(folder);
    chooser.setPattern(pattern);
    visit.shown = runWithModal<frmFile>([&] { chooser.exec(); }, [&](frmFile* shown) {
        visit.listed = listedNames(shown);
        visit.setEnabled = shown->cmdSet->isEnabled();
        visit.selectedAtOpen = shown->filList->selectedItems().size();
        act(shown);
    });
    return visit;
}

// Pixels of `area` in colour rather than grey: the lines' text is black on
// white, so a tinted pixel belongs to a highlight.
int tintedPixels(const QImage& image, const QRect& area)
{
    int tinted = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            tinted += std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) > 24;
        }
    }
    return tinted;
}

}  // namespace

class TestFileChooser : public QObject {
    Q_OBJECT

private slots:
    // The dialog
    void chooserHasItsDesign();
    void enterEscapeAndDoubleClickDoNotClose();
    void noLineLooksChosenUntilOneIs_data();
    void noLineLooksChosenUntilOneIs();
    void listFrameKeepsToDevicePixels_data();
    void listFrameKeepsToDevicePixels();

    // Nothing to choose
    void nothingListedDisablesSet_data();
    void nothingListedDisablesSet();
    void setWithNothingSelectedDoesNothing();

    // The answer
    void fullPathInMode1_data();
    void fullPathInMode1();
    void bareNameInOtherModes_data();
    void bareNameInOtherModes();
    void cancelAndCloseBoxGiveTheEmptyAnswer_data();
    void cancelAndCloseBoxGiveTheEmptyAnswer();

    // What is listed
    void skinPatternListsItsTypesOnly();
    void namesMatchWithoutRegardToCaseAndAreSorted();

    // The two callers on the main window
    void loadGameUsesMode1OnTheSavedFolder();
    void setSkinUsesMode2OnTheSkinsFolder();
    void closeBoxAfterAnEarlierChoiceLoadsNothing();
};

void TestFileChooser::chooserHasItsDesign()
{
    QTemporaryDir dir;
    touch(QDir(dir.path()), {"one.sav"});
    const Visit visit = runChooser(dir.path(), "*.sav", 1, [](frmFile* chooser) {
        QCOMPARE(chooser->windowTitle(), QStringLiteral("File"));
        QCOMPARE(chooser->size(), QSize(346, 245));
        QVERIFY(chooser->isModal());
        QCOMPARE(chooser->filList->geometry(), QRect(1, 0, 345, 188));
        QCOMPARE(chooser->cmdSet->text(), QStringLiteral("Set"));
        QCOMPARE(chooser->cmdSet->geometry(), QRect(40, 200, 113, 33));
        QCOMPARE(chooser->cmdCancel->text(), QStringLiteral("Cancel"));
        QCOMPARE(chooser->cmdCancel->geometry(), QRect(193, 200, 113, 33));
        for (QPushButton* button : {chooser->cmdSet, chooser->cmdCancel}) {
            QVERIFY(!button->isDefault());
            QVERIFY(!button->autoDefault());
        }
        QVERIFY(centredOnOwner(chooser));
        chooser->close();
    });
    QVERIFY(visit.shown);
    QCOMPARE(visit.selectedAtOpen, 0);
    QVERIFY(visit.setEnabled);
}

void TestFileChooser::enterEscapeAndDoubleClickDoNotClose()
{
    QTemporaryDir dir;
    touch(QDir(dir.path()), {"one.sav", "two.sav"});
    bool open = false;
    int selected = -1;
    const Visit visit = runChooser(dir.path(), "*.sav", 2, [&](frmFile* chooser) {
        const QRect line = chooser->filList->visualItemRect(chooser->filList->item(1));
        QTest::mouseDClick(chooser->filList->viewport(), Qt::LeftButton, Qt::NoModifier, line.center());
        QTest::keyClick(chooser->filList, Qt::Key_Return);
        QTest::keyClick(chooser->filList, Qt::Key_Escape);
        QTest::qWait(50);
        open = chooser->isVisible();
        selected = chooser->filList->currentRow();
        chooser->close();
    });
    QVERIFY(visit.shown);
    QVERIFY(open);
    QCOMPARE(selected, 1);
    QCOMPARE(visit.answer, QString());
}

void TestFileChooser::noLineLooksChosenUntilOneIs_data()
{
    QTest::addColumn<bool>("levels");
    QTest::newRow("level chooser") << true;
    QTest::newRow("file chooser") << false;
}

void TestFileChooser::noLineLooksChosenUntilOneIs()
{
    QFETCH(bool, levels);
    StartedGame game;
    touch(QDir(game.folder.file("saved")), {"one.sav", "two.sav"});
    QAction* command = levels ? game.window->mnuNewGame : game.window->mnuLoadGame;
    // The lines chosen, and whether the first two look so: at the opening,
    // after Down, and after Ctrl+Space takes the choice back (the line
    // stays current, unseen).
    QStringList seen;
    QVERIFY(runWithModal<PlainDialog>([&] { command->trigger(); }, [&](PlainDialog* chooser) {
        QListWidget* list = chooser->findChild<QListWidget*>();
        QTRY_VERIFY(list->hasFocus());
        const QRect lines = list->visualItemRect(list->item(0)).united(list->visualItemRect(list->item(1)));
        const auto look = [&] {
            QStringList rows;
            for (const QListWidgetItem* item : list->selectedItems())
                rows << QString::number(list->row(item));
            seen << rows.join(QLatin1Char(' ')) + (tintedPixels(list->viewport()->grab().toImage(), lines) ? " tinted" : " plain");
        };
        look();
        QTest::keyClick(list, Qt::Key_Down);
        look();
        QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
        look();
        chooser->close();
    }));
    QCOMPARE(seen, (QStringList{" plain", "0 tinted", " plain"}));
}

void TestFileChooser::nothingListedDisablesSet_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("folderThere");
    QTest::newRow("empty folder") << QStringList() << true;
    QTest::newRow("no matching file") << QStringList{"notes.txt", "game.sav.old", "sav"} << true;
    QTest::newRow("missing folder") << QStringList() << false;
}

void TestFileChooser::nothingListedDisablesSet()
{
    QFETCH(QStringList, files);
    QFETCH(bool, folderThere);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("a.sav");  // folders are never listed
    touch(QDir(dir.path()), files);
    const QString folder = folderThere ? dir.path() : dir.filePath("gone");
    bool stillOpen = false;
    const Visit visit = runChooser(folder, "*.sav", 1, [&](frmFile* chooser) {
        QTest::mouseClick(chooser->cmdSet, Qt::LeftButton);
        QTest::qWait(50);
        stillOpen = chooser->isVisible();
        QTest::mouseClick(chooser->cmdCancel, Qt::LeftButton);
    });
    QVERIFY(visit.shown);
    QVERIFY(visit.listed.isEmpty());
    QVERIFY(!visit.setEnabled);
    QVERIFY(stillOpen);
    QCOMPARE(visit.answer, QString());
}

void TestFileChooser::setWithNothingSelectedDoesNothing()
{
    QTemporaryDir dir;
    touch(QDir(dir.path()), {"one.sav", "two.sav"});
    bool stillOpen = false;
    const Visit visit = runChooser(dir.path(), "*.sav", 1, [&](frmFile* chooser) {
        QTest::mouseClick(chooser->cmdSet, Qt::LeftButton);
        QTest::qWait(50);
        stillOpen = chooser->isVisible();
        chooseFile(chooser, QStringLiteral("two.sav"));
    });
    QVERIFY(visit.shown);
    QVERIFY(visit.setEnabled);
    QVERIFY(stillOpen);
    QCOMPARE(visit.answer, QDir(dir.path()).filePath("two.sav"));
}

void TestFileChooser::fullPathInMode1_data()
{
    QTest::addColumn<bool>("trailingSeparator");
    QTest::newRow("folder without a separator at its end") << false;
    QTest::newRow("folder with a separator at its end") << true;
}

void TestFileChooser::fullPathInMode1()
{
    QFETCH(bool, trailingSeparator);
    QTemporaryDir dir;
    touch(QDir(dir.path()), {"a game.sav", "b.sav"});
    const QString folder = dir.path() + (trailingSeparator ? QStringLiteral("/") : QString());
    const Visit visit = runChooser(folder, "*.sav", 1,
                                   [](frmFile* chooser) { chooseFile(chooser, QStringLiteral("a game.sav")); });
    QVERIFY(visit.shown);
    QCOMPARE(visit.answer, dir.path() + QStringLiteral("/a game.sav"));
    QVERIFY(!visit.answer.contains(QStringLiteral("//")));
}

void TestFileChooser::bareNameInOtherModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("mode 2") << 2;
    QTest::newRow("mode 0") << 0;
    QTest::newRow("mode 255") << 255;
}

void TestFileChooser::bareNameInOtherModes()
{
    QFETCH(int, mode);
    QTemporaryDir dir;
    touch(QDir(dir.path()), {"default.bmp", "other.gif"});
    const Visit visit = runChooser(dir.path(), QLatin1String(kSkinPattern), static_cast<uint8_t>(mode),
                                   [](frmFile* chooser) { chooseFile(chooser, QStringLiteral("default.bmp")); });
    QVERIFY(visit.shown);
    QCOMPARE(visit.answer, QStringLiteral("default.bmp"));
}

void TestFileChooser::cancelAndCloseBoxGiveTheEmptyAnswer_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("cancel button") << false;
    QTest::newRow("close box") << true;
}

void TestFileChooser::cancelAndCloseBoxGiveTheEmptyAnswer()
{
    QFETCH(bool, closeBox);
    QTemporaryDir dir;
    touch(QDir(dir.path()), {"one.sav"});
    const Visit visit = runChooser(dir.path(), "*.sav", 1, [&](frmFile* chooser) {
        clickLine(chooser->filList, 0);
        if (closeBox)
            chooser->close();
        else
            QTest::mouseClick(chooser->cmdCancel, Qt::LeftButton);
    });
    QVERIFY(visit.shown);
    QCOMPARE(visit.answer, QString());
}

void TestFileChooser::skinPatternListsItsTypesOnly()
{
    QTemporaryDir dir;
    const QDir folder(dir.path());
    touch(folder, {"a.jpeg", "b.emf", "c.png", "d.BMP", "e.Gif", "f.txt", "g.jpg", "h.dib", "i.wmf", "bmp",
                   "x.bmp.bak", "jpeg"});
    folder.mkdir("dir.bmp");
    const Visit visit = runChooser(dir.path(), QLatin1String(kSkinPattern), 2,
                                   [](frmFile* chooser) { chooser->close(); });
    QVERIFY(visit.shown);
    QCOMPARE(visit.listed, (QStringList{"a.jpeg", "b.emf", "d.BMP", "e.Gif", "g.jpg", "h.dib", "i.wmf"}));
    QVERIFY(visit.setEnabled);
}

void TestFileChooser::namesMatchWithoutRegardToCaseAndAreSorted()
{
    QTemporaryDir dir;
    touch(QDir(dir.path()), {"Zeta.sav", "alpha.SAV", "Beta.Sav", "beta2.sav", "gamma.sa"});
    const Visit visit = runChooser(dir.path(), "*.sav", 1, [](frmFile* chooser) { chooser->close(); });
    QVERIFY(visit.shown);
    QCOMPARE(visit.listed, (QStringList{"alpha.SAV", "Beta.Sav", "beta2.sav", "Zeta.sav"}));
}

void TestFileChooser::loadGameUsesMode1OnTheSavedFolder()
{
    StartedGame game;
    game.newGame(0);
    game.dragCells(8, {{0, 4}, {1, 4}});
    game.dialogs.inputs << QStringLiteral("kept");
    game.window->mnuSaveGame->trigger();
    touch(QDir(game.folder.file("saved")), {"notes.txt"});
    QString caption;
    QString setCaption;
    QStringList listed;
    QVERIFY(runWithModal<frmFile>([&] { game.window->mnuLoadGame->trigger(); }, [&](frmFile* chooser) {
        caption = chooser->windowTitle();
        setCaption = chooser->cmdSet->text();
        listed = listedNames(chooser);
        chooseFile(chooser, QStringLiteral("kept.sav"));
    }));
    QCOMPARE(caption, QStringLiteral("Load Game"));
    QCOMPARE(setCaption, QStringLiteral("Load Game"));
    QCOMPARE(listed, QStringList{QStringLiteral("kept.sav")});
    QCOMPARE(game.window->absFilename, game.folder.path() + QStringLiteral("/saved/kept.sav"));
    QCOMPARE(game.window->steps(), 1);
}

void TestFileChooser::setSkinUsesMode2OnTheSkinsFolder()
{
    StartedGame game;
    touch(QDir(game.folder.file("skins")), {"notes.txt", "shot.png"});
    QString caption;
    QString setCaption;
    QStringList listed;
    QVERIFY(runWithModal<frmFile>([&] { game.window->mnuSetSkin->trigger(); }, [&](frmFile* chooser) {
        caption = chooser->windowTitle();
        setCaption = chooser->cmdSet->text();
        listed = listedNames(chooser);
        chooseFile(chooser, QStringLiteral("default.bmp"));
    }));
    QCOMPARE(caption, QStringLiteral("Load Skin"));
    QCOMPARE(setCaption, QStringLiteral("Set Skin"));
    QVERIFY(listed.contains(QStringLiteral("default.bmp")));
    QVERIFY(!listed.contains(QStringLiteral("shot.png")));
    QVERIFY(!listed.contains(QStringLiteral("notes.txt")));
    QCOMPARE(game.window->absFilename, QStringLiteral("default.bmp"));
    QVERIFY(game.dialogs.messages.isEmpty());
}

void TestFileChooser::closeBoxAfterAnEarlierChoiceLoadsNothing()
{
    StartedGame game;
    game.newGame(0);
    game.dialogs.inputs << QStringLiteral("first");
    game.window->mnuSaveGame->trigger();
    QVERIFY(runWithModal<frmFile>([&] { game.window->mnuLoadGame->trigger(); },
                                  [](frmFile* chooser) { chooseFile(chooser, QStringLiteral("first.sav")); }));
    QVERIFY(!game.window->absFilename.isEmpty());
    game.newGame(5);
    const QString before = gameState(*game.window);
    QVERIFY(runWithModal<frmFile>([&] { game.window->mnuLoadGame->trigger(); }, [](frmFile* chooser) {
        clickLine(chooser->filList, 0);
        chooser->close();
    }));
    QCOMPARE(game.window->absFilename, QString());
    QCOMPARE(gameState(*game.window), before);
}

void TestFileChooser::listFrameKeepsToDevicePixels_data()
{
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QSize>("kept");
    // The frame's last column and row then start on whole device pixels.
    QTest::newRow("100 %") << 1.0 << QSize(345, 188);
    QTest::newRow("150 %") << 1.5 << QSize(344, 187);
    QTest::newRow("125 %") << 1.25 << QSize(344, 185);
}

void TestFileChooser::listFrameKeepsToDevicePixels()
{
    QFETCH(double, ratio);
    QFETCH(QSize, kept);
    QCOMPARE(frameKeepingSize(QPoint(1, 0), QSize(345, 188), ratio), kept);
}

QTEST_MAIN(TestFileChooser)
#include "test_filechooser.moc"
