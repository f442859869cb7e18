// The game and the editor of an installed copy, whose program folder the
// player cannot write: their files go to the player's own folder.

#include "editor/frmLevelEd.h"
#include "game/frmFile.h"
#include "game/frmMain.h"
#include "game/modMain.h"
#include "model/datafolders.h"
#include "model/savedgame.h"
#include "tests/game/gamedriver.h"
#include "tests/game/gamefixture.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace quill;
using namespace quill::test;

namespace {

// Every file below `folder` with its bytes, to see that nothing changed.
QMap<QString, QByteArray> contents(const QString& folder)
{
    QMap<QString, QByteArray> all;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        all.insert(QDir(folder).relativeFilePath(path), QFileInfo(path).isFile() ? readAllBytes(path) : QByteArray("<dir>"));
    }
    return all;
}

struct Installed {
    ProgramFolder program;  // the shipped data, as installed
    QTemporaryDir home;
    QString player = home.filePath("quillmere");
    DataFolders folders{program.path(), player, false};
};

}  // namespace

class TestInstalled : public QObject {
    Q_OBJECT

private slots:
    void gameKeepsThePlayersFilesInTheirFolder();
    void skinsOfBothFoldersAreOffered();
    void editorSavesThePlayersCopy();
};

void TestInstalled::gameKeepsThePlayersFilesInTheirFolder()
{
    Installed installed;
    const auto before = contents(installed.program.path());
    ScriptedDialogs dialogs;
    auto window = modMain::Start(installed.folders);
    QVERIFY(window);
    QVERIFY(QFileInfo(installed.player + "/saved").isDir());
    QVERIFY(QFileInfo(installed.player + "/skins").isDir());
    QCOMPARE(readAllBytes(installed.player + "/qlm.ini"), QByteArray("default.bmp\r\n"));

    // A game saved and loaded again, all in the player's folder.
    bool chosen = runWithModal<frmLevel>([&] { window->mnuNewGame->trigger(); }, [](frmLevel* chooser) {
        chooser->lisLevel->setCurrentRow(0);
        QTest::mouseClick(chooser->cmdSetLevel, Qt::LeftButton);
    });
    QVERIFY(chosen);
    dialogs.inputs << QStringLiteral("mine");
    window->mnuSaveGame->trigger();
    QVERIFY(dialogs.messages.isEmpty());
    QCOMPARE(readAllBytes(installed.player + "/saved/mine.sav").size(), kSavedGameSize);
    QString chooserFolder;
    QVERIFY(runWithModal<frmFile>([&] { window->mnuLoadGame->trigger(); }, [&](frmFile* chooser) {
        chooserFolder = chooser->folder();
        chooseFile(chooser, QStringLiteral("mine.sav"));
    }));
    QCOMPARE(chooserFolder, installed.player + "/saved");
    QVERIFY(dialogs.messages.isEmpty());
    QCOMPARE(contents(installed.program.path()), before);

    // A saving error names the file really used.
    QVERIFY(QDir(installed.player + "/saved").removeRecursively());
    dialogs.inputs << QStringLiteral("lost");
    window->mnuSaveGame->trigger();
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY2(dialogs.messages.first().text.contains(installed.player + "/saved/lost.sav"),
             qPrintable(dialogs.messages.first().text));
}

void TestInstalled::skinsOfBothFoldersAreOffered()
{
    Installed installed;
    QVERIFY(QDir().mkpath(installed.player + "/skins"));
    QVERIFY(QFile::copy(installed.program.file("skins/wood.jpg"), installed.player + "/skins/mine.jpg"));
    // Another spelling of an installed name is another picture: both are offered.
    QVERIFY(QFile::copy(installed.program.file("skins/wood.jpg"), installed.player + "/skins/Default.bmp"));
    ScriptedDialogs dialogs;
    auto window = modMain::Start(installed.folders);
    QVERIFY(window);
    QStringList listed;
    QVERIFY(runWithModal<frmFile>([&] { window->mnuSetSkin->trigger(); }, [&](frmFile* chooser) {
        for (int k = 0; k < chooser->filList->count(); ++k)
            listed << chooser->filList->item(k)->text();
        chooseFile(chooser, QStringLiteral("mine.jpg"));
    }));
    QVERIFY2(listed.contains("mine.jpg") && listed.contains("default.bmp") && listed.contains("Default.bmp")
                 && listed.contains("wood.jpg"),
             qPrintable(listed.join(", ")));
    QVERIFY(dialogs.messages.isEmpty());
    QCOMPARE(readAllBytes(installed.player + "/qlm.ini"), QByteArray("mine.jpg\r\n"));
    // The next start finds it again.
    auto next = modMain::Start(installed.folders);
    QVERIFY(next);
    QCOMPARE(next->absFilename, QStringLiteral("mine.jpg"));
}

void TestInstalled::editorSavesThePlayersCopy()
{
    Installed installed;
    const QByteArray shipped = readAllBytes(installed.program.file("QLM.ZHN"));
    ScriptedDialogs dialogs;
    {
        auto editor = frmLevelEd::load(installed.folders);
        QVERIFY(editor);
        editor->show();
        editor->txtLevelName->setText(QStringLiteral("Edited"));
        QTest::mouseClick(editor->cmdSave, Qt::LeftButton);
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(editor->levelPath(), installed.player + "/qlm.zhn");
    }
    QCOMPARE(readAllBytes(installed.program.file("QLM.ZHN")), shipped);
    const QByteArray copy = readAllBytes(installed.player + "/qlm.zhn");
    QCOMPARE(decodeLevelTable(copy)[0].name, QStringLiteral("Edited    "));
    QCOMPARE(copy.mid(kLevelRecordSize), shipped.mid(kLevelRecordSize));

    // The game plays the player's levels.
    auto window = modMain::Start(installed.folders);
    QVERIFY(window);
    QCOMPARE(window->levels()[0].name, QStringLiteral("Edited    "));

    // A copy that cannot be written is reported with its own path.
    QVERIFY(QFile::remove(installed.player + "/qlm.zhn"));
    QVERIFY(QDir(installed.player).mkdir("qlm.zhn"));
    auto editor = frmLevelEd::load(installed.folders);
    QVERIFY(!editor);
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY2(dialogs.messages.first().text.contains(installed.player + "/qlm.zhn"),
             qPrintable(dialogs.messages.first().text));
}

QTEST_MAIN(TestInstalled)
#include "test_installed.moc"
