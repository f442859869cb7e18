// Where the programs read and write: the program folder while it can be
// written, the player's own folder beside an installed copy.

#include "model/datafolders.h"
#include "model/levelfile.h"
#include "tests/support/fixtures.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

#include <cerrno>
#include <unistd.h>

using namespace quill;
using namespace quill::test;

namespace {

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

LevelTable renamedLevels(const QString& name)
{
    LevelTable levels = sampleLevels();
    levels[0].name = fitLevelName(name);
    return levels;
}

}  // namespace

class TestDataFolders : public QObject {
    Q_OBJECT

private slots:
    void writableProgramFolderKeepsEverything();
    void installedCopyWritesToThePlayersFolder();
    void playersCopyWinsOverANewerInstalledFile();
    void skinsComeFromBothFolders();
    void theRunningProgramDecidesByWhatItMayWrite();
    void missingFoldersAreMadeOrRefusedWithTheirError();
    void installedCopyIsKnownByTheInstallsMarker_data();
    void installedCopyIsKnownByTheInstallsMarker();
};

void TestDataFolders::writableProgramFolderKeepsEverything()
{
    QTemporaryDir program;
    QTemporaryDir player;
    writeAllBytes(program.filePath("QLM.ZHN"), encodeLevelTable(sampleLevels()));
    // A player's copy from elsewhere is no concern of a writable folder.
    writeAllBytes(player.filePath("QLM.ZHN"), encodeLevelTable(renamedLevels("Other")));
    const DataFolders folders(program.path(), player.path(), true);
    QVERIFY(!folders.usesPlayerFolder());
    QCOMPARE(folders.writeFolder(), program.path());
    QCOMPARE(folders.levelFileToRead(kEditorLevelFileName), program.filePath("QLM.ZHN"));
    QCOMPARE(folders.savedFolder(), program.filePath("saved"));
    QCOMPARE(folders.savedGameFile("Mine"), program.filePath("saved/Mine.sav"));
    QCOMPARE(folders.writtenFile("qlm.ini"), program.filePath("qlm.ini"));
    QCOMPARE(folders.skinFolders(), QStringList{program.filePath("skins")});

    QString written;
    QVERIFY(folders.writeLevelCollection(kEditorLevelFileName, renamedLevels("Mine"), written).ok());
    QCOMPARE(written, program.filePath("QLM.ZHN"));
    QCOMPARE(decodeLevelTable(readAllBytes(written)), renamedLevels("Mine"));
    QCOMPARE(entries(player.path()), QStringList{"QLM.ZHN"});

    // The first collection of a writable folder makes no player's folder.
    QTemporaryDir fresh;
    const DataFolders first(fresh.path(), fresh.filePath("player"), true);
    QVERIFY(first.writeLevelCollection(kEditorLevelFileName, sampleLevels(), written).ok());
    QCOMPARE(entries(fresh.path()), QStringList{"qlm.zhn"});
}

void TestDataFolders::installedCopyWritesToThePlayersFolder()
{
    QTemporaryDir program;
    QTemporaryDir home;
    const QString player = home.filePath("share/quillmere");
    const QByteArray installed = encodeLevelTable(sampleLevels()) + QByteArray("installed tail");
    writeAllBytes(program.filePath("QLM.ZHN"), installed);
    const DataFolders folders(program.path(), player, false);
    QVERIFY(folders.usesPlayerFolder());
    QCOMPARE(folders.writeFolder(), player);
    QCOMPARE(folders.savedFolder(), player + "/saved");
    QCOMPARE(folders.writtenFile("qlm-progress.txt"), player + "/qlm-progress.txt");
    // Until the player has a copy, the installed collection is read.
    QCOMPARE(folders.levelFileToRead(kGameLevelFileName), program.filePath("QLM.ZHN"));

    // The first save makes the folder and the copy, with the installed
    // file's bytes after the table; the installed file is not touched.
    QString written;
    QVERIFY(folders.writeLevelCollection(kEditorLevelFileName, renamedLevels("Mine"), written).ok());
    QCOMPARE(QFileInfo(written).path(), player);
    QCOMPARE(readAllBytes(written), encodeLevelTable(renamedLevels("Mine")) + "installed tail");
    QCOMPARE(readAllBytes(program.filePath("QLM.ZHN")), installed);
    QCOMPARE(folders.levelFileToRead(kGameLevelFileName), written);
    QCOMPARE(folders.levelFileToRead(kEditorLevelFileName), written);

    // Later saves rewrite the copy.
    QVERIFY(folders.writeLevelCollection(kEditorLevelFileName, renamedLevels("Again"), written).ok());
    QCOMPARE(decodeLevelTable(readAllBytes(written)), renamedLevels("Again"));
    QCOMPARE(readAllBytes(program.filePath("QLM.ZHN")), installed);
}

void TestDataFolders::playersCopyWinsOverANewerInstalledFile()
{
    QTemporaryDir program;
    QTemporaryDir player;
    writeAllBytes(player.filePath("qlm.zhn"), encodeLevelTable(renamedLevels("Mine")));
    QFile(player.filePath("qlm.zhn")).setFileTime(QDateTime::currentDateTime().addDays(-30),
                                                  QFileDevice::FileModificationTime);
    // An update installs a newer collection: the player's edits stay.
    writeAllBytes(program.filePath("QLM.ZHN"), encodeLevelTable(renamedLevels("Update")));
    const DataFolders folders(program.path(), player.path(), false);
    LevelTable read;
    QVERIFY(readLevelFile(folders.levelFileToRead(kGameLevelFileName), read).ok());
    QCOMPARE(read, renamedLevels("Mine"));
}

void TestDataFolders::skinsComeFromBothFolders()
{
    QTemporaryDir program;
    QTemporaryDir player;
    QVERIFY(QDir(program.path()).mkdir("skins"));
    QVERIFY(QDir(player.path()).mkdir("skins"));
    writeAllBytes(program.filePath("skins/default.bmp"), "installed");
    writeAllBytes(program.filePath("skins/both.bmp"), "installed");
    writeAllBytes(player.filePath("skins/Both.bmp"), "player");
    writeAllBytes(player.filePath("skins/own.gif"), "player");
    const DataFolders folders(program.path(), player.path(), false);
    QCOMPARE(folders.skinFolders(), (QStringList{player.filePath("skins"), program.filePath("skins")}));
    QCOMPARE(folders.skinPath("default.bmp"), program.filePath("skins/default.bmp"));
    QCOMPARE(folders.skinPath("own.gif"), player.filePath("skins/own.gif"));
    // The player's picture of a name hides the installed one, but the
    // spelling picked is the picture meant, in whichever folder it is.
    QCOMPARE(folders.skinPath("BOTH.BMP"), player.filePath("skins/Both.bmp"));
    QCOMPARE(folders.skinPath("both.bmp"), program.filePath("skins/both.bmp"));
    QCOMPARE(folders.skinPath("Both.bmp"), player.filePath("skins/Both.bmp"));
    QVERIFY(folders.skinExists("own.gif") && folders.skinExists("default.bmp"));
    QVERIFY(!folders.skinExists("missing.bmp"));
    QCOMPARE(folders.skinPath("missing.bmp"), program.filePath("skins/missing.bmp"));
    QVERIFY(!folders.skinExists("../skins/own.gif"));
    // A skin's double size is looked for beside the file in use.
    QVERIFY(QDir(program.path()).mkpath("skins/2X"));
    writeAllBytes(program.filePath("skins/2X/DEFAULT.BMP"), "installed, doubled");
    QCOMPARE(doubleSizeSkinPath(folders.skinPath("default.bmp")), program.filePath("skins/2X/DEFAULT.BMP"));
    QCOMPARE(doubleSizeSkinPath(folders.skinPath("BOTH.BMP")), player.filePath("skins/2x/Both.bmp"));

    const DataFolders writable(program.path(), player.path(), true);
    QVERIFY(!writable.skinExists("own.gif"));
}

void TestDataFolders::theRunningProgramDecidesByWhatItMayWrite()
{
    QTemporaryDir program;
    QVERIFY(!DataFolders::forProgram(program.path()).usesPlayerFolder());
    QVERIFY(DataFolders::forProgram(program.filePath("not there")).usesPlayerFolder());
    if (::geteuid() != 0) {
        QFile::setPermissions(program.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QVERIFY(DataFolders::forProgram(program.path()).usesPlayerFolder());
        QFile::setPermissions(program.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/data/home");
    QCOMPARE(playerDataFolder(), QStringLiteral("/data/home/quillmere"));
    // A relative or empty setting is not used, as the desktop's rules say.
    for (const QByteArray& value : {QByteArray("relative/path"), QByteArray()}) {
        qputenv("XDG_DATA_HOME", value);
        QCOMPARE(playerDataFolder(), QDir::homePath() + "/.local/share/quillmere");
    }
    qputenv("XDG_DATA_HOME", saved);
}

void TestDataFolders::missingFoldersAreMadeOrRefusedWithTheirError()
{
    QTemporaryDir base;
    const QString deep = base.filePath("share/quillmere");
    QVERIFY(makeFolder(deep).ok());
    const auto ownerAll = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    QCOMPARE(QFileInfo(deep).permissions() & ownerAll, ownerAll);
    QVERIFY(makeFolder(deep).ok());

    writeAllBytes(base.filePath("file"), "not a folder");
    QCOMPARE(makeFolder(base.filePath("file/quillmere")).errorNumber, ENOTDIR);
    const FileStatus tooLong = makeFolder(base.filePath(QString(300, QLatin1Char('x')) + "/quillmere"));
    QCOMPARE(tooLong.errorNumber, ENAMETOOLONG);
}

void TestDataFolders::installedCopyIsKnownByTheInstallsMarker_data()
{
    QTest::addColumn<QString>("marker");  // "file", "folder" or none
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("playersFolder");
    QTest::newRow("own copy") << QString() << true << false;
    QTest::newRow("installed, writable (by root, say)") << "file" << true << true;
    QTest::newRow("installed, read-only") << "file" << false << true;
    QTest::newRow("own copy, read-only") << QString() << false << true;
    QTest::newRow("a folder of the marker's name") << "folder" << true << false;
}

void TestDataFolders::installedCopyIsKnownByTheInstallsMarker()
{
    QFETCH(QString, marker);
    QFETCH(bool, writable);
    QFETCH(bool, playersFolder);
    if (!writable && ::geteuid() == 0)
        QSKIP("root writes into every folder");
    QTemporaryDir program;
    writeAllBytes(program.filePath("QLM.ZHN"), encodeLevelTable(sampleLevels()));
    if (marker == "file")
        writeAllBytes(program.filePath(kInstalledMarkerName), "installed");
    else if (marker == "folder")
        QVERIFY(QDir(program.path()).mkdir(kInstalledMarkerName));
    const auto allowed = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
    QFile::setPermissions(program.path(), writable ? allowed | QFileDevice::WriteOwner : allowed);
    const DataFolders folders = DataFolders::forProgram(program.path());
    QFile::setPermissions(program.path(), allowed | QFileDevice::WriteOwner);
    QCOMPARE(isInstalledCopy(program.path()), marker == "file");
    QCOMPARE(folders.usesPlayerFolder(), playersFolder);
    QCOMPARE(folders.writeFolder(), playersFolder ? playerDataFolder() : program.path());
}

QTEST_GUILESS_MAIN(TestDataFolders)
#include "test_datafolders.moc"
