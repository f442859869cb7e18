#include "model/codepage.h"
#include "model/datafolders.h"
#include "model/levelfile.h"
#include "model/programfolder.h"
#include "model/shapes.h"
#include "tests/support/fixtures.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <future>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace quill;
using namespace quill::test;

class TestLevelFile : public QObject {
    Q_OBJECT

private slots:
    void recordOfTheWordEasyReadsByteForByte();
    void encodeIsTheExactInverseOfDecode();
    void namesArePaddedAndCut();
    void everyCodePageByteRoundTrips();
    void charactersOutsideTheCodePageBecomeQuestionMarks();
    void shortFileLeavesUncoveredRecordsCleared();
    void bytesBeyondTheTableAreIgnored();
    void missingFileReportsTheSystemError();
    void folderInPlaceOfTheFileIsAnError();
    void fifoInPlaceOfTheFileIsRefusedAtOnce();
    void readerWaitsForALockingWriterOnlyWhenAsked();
    void writeCreatesMissingFileOf2100Bytes();
    void writeKeepsTheTailOfALongerFile();
    void failedWriteLeavesTheOldFileIntact();
    void writeCutShortLeavesTheOldFileIntact();
    void writeKeepsFilePermissions();
    void readOnlyFileIsNotReplaced();
    void writeThroughSymlinkKeepsTheLink();
    void namesResolveWithoutRegardToCase_data();
    void namesResolveWithoutRegardToCase();
    void twoSpellingsOnDiskAreOneFileForEveryProgram();
    void choiceDoesNotDependOnTheListingOrder_data();
    void choiceDoesNotDependOnTheListingOrder();
    void pickedNamesKeepTheirOwnSpelling_data();
    void pickedNamesKeepTheirOwnSpelling();
    void missingNameKeepsTheAskedSpelling();
};

static QByteArray easyRecord()
{
    QByteArray bytes("Easy      ");
    for (int16_t v : {1, 21, 0, 3, 20, 23, 31, 32, 40, 43})
        appendInt16(bytes, v);
    return bytes;
}

void TestLevelFile::recordOfTheWordEasyReadsByteForByte()
{
    QTemporaryDir dir;
    QByteArray file = easyRecord();
    file.append(QByteArray(kLevelFileSize - file.size(), '\0'));
    QCOMPARE(file.size(), 2100);
    writeAllBytes(dir.filePath("QLM.ZHN"), file);

    LevelTable levels;
    QVERIFY(readLevelFile(dir.filePath("QLM.ZHN"), levels, ReadLock::BlockWriters).ok());
    QCOMPARE(levels[0].name, QStringLiteral("Easy      "));
    const Positions& p = levels[0].positions;
    QCOMPARE(p, (Positions{1, 21, 0, 3, 20, 23, 31, 32, 40, 43}));
    QCOMPARE(columnOf(p[0]), 1);
    QCOMPARE(rowOf(p[0]), 0);
    QCOMPARE(columnOf(p[1]), 1);
    QCOMPARE(rowOf(p[1]), 2);
    QCOMPARE(columnOf(p[2]), 0);
    QCOMPARE(rowOf(p[2]), 0);
    QCOMPARE(columnOf(p[9]), 3);
    QCOMPARE(rowOf(p[9]), 4);
    QCOMPARE(levels[1].name, QString(10, QChar(0)));
    QCOMPARE(levels[1].positions, Positions{});
}

void TestLevelFile::encodeIsTheExactInverseOfDecode()
{
    LevelTable levels = sampleLevels();
    levels[69].positions = {-1, 32767, -32768, 256, 255, 0, 43, 12, 7, 1};
    const QByteArray bytes = encodeLevelTable(levels);
    QCOMPARE(bytes.size(), kLevelFileSize);
    QCOMPARE(bytes.left(30).mid(10, 4), QByteArray("\x01\x00\x15\x00", 4));
    QCOMPARE(bytes.mid(69 * 30 + 10, 2), QByteArray("\xff\xff", 2));
    QCOMPARE(bytes.mid(69 * 30 + 14, 2), QByteArray("\x00\x80", 2));
    QCOMPARE(decodeLevelTable(bytes), levels);
}

void TestLevelFile::namesArePaddedAndCut()
{
    QCOMPARE(fitLevelName("Cross"), QStringLiteral("Cross     "));
    QCOMPARE(fitLevelName("ExactlyTen"), QStringLiteral("ExactlyTen"));
    QCOMPARE(fitLevelName("ElevenChars"), QStringLiteral("ElevenChar"));
    QCOMPARE(encodeLevelName("ElevenChars"), QByteArray("ElevenChar"));
    QCOMPARE(encodeLevelName("ab"), QByteArray("ab        "));
}

void TestLevelFile::everyCodePageByteRoundTrips()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = codepage::decode(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(codepage::encode(text), all);
    QCOMPARE(codepage::toChar(0x80), QChar(0x20AC));  // euro sign
    QCOMPARE(codepage::toChar(0xE9), QChar(0xE9));
    QCOMPARE(codepage::toChar(0x81), QChar(0x81));

    // A name byte above 127 survives a read and a write.
    LevelTable levels;
    QByteArray file("Caf\xe9\x80     ", 10);
    file.append(QByteArray(kLevelFileSize - 10, '\0'));
    levels = decodeLevelTable(file);
    QCOMPARE(levels[0].name.at(3), QChar(0xE9));
    QCOMPARE(levels[0].name.at(4), QChar(0x20AC));
    QCOMPARE(encodeLevelTable(levels), file);
}

void TestLevelFile::charactersOutsideTheCodePageBecomeQuestionMarks()
{
    // U+0080 is a C1 control that the code page does not hold; byte 0x80
    // is the euro sign.
    for (const QChar ch : {QChar(0x4E2D), QChar(0x80)}) {
        QVERIFY(!codepage::toByte(ch).has_value());
        QVERIFY(!codepage::canEncode(QStringLiteral("ab") + ch));
        QCOMPARE(codepage::encode(QString(ch)), QByteArray("?"));
        QCOMPARE(encodeLevelName(QString(ch)), QByteArray("?         "));
    }
    QVERIFY(codepage::canEncode(QString::fromUtf8("caf\u00e9 \u20ac")));
}

void TestLevelFile::shortFileLeavesUncoveredRecordsCleared()
{
    QTemporaryDir dir;
    QByteArray file = easyRecord();
    file.append("Half  ");  // 6 bytes of the second record's name
    writeAllBytes(dir.filePath("short"), file);
    LevelTable levels = sampleLevels();
    QVERIFY(readLevelFile(dir.filePath("short"), levels).ok());
    QCOMPARE(levels[0].name, QStringLiteral("Easy      "));
    QCOMPARE(levels[1].name, QStringLiteral("Half  ") + QString(4, QChar(0)));
    QCOMPARE(levels[1].positions, Positions{});
    QCOMPARE(levels[69].name, QString(10, QChar(0)));

    writeAllBytes(dir.filePath("empty"), {});
    QVERIFY(readLevelFile(dir.filePath("empty"), levels).ok());
    QCOMPARE(levels, LevelTable{});
}

void TestLevelFile::bytesBeyondTheTableAreIgnored()
{
    QTemporaryDir dir;
    QByteArray file = encodeLevelTable(sampleLevels());
    file.append("trailing bytes that are not ours");
    writeAllBytes(dir.filePath("long"), file);
    LevelTable levels;
    QVERIFY(readLevelFile(dir.filePath("long"), levels).ok());
    QCOMPARE(levels, sampleLevels());

    // A limit beyond one read buffer is kept exactly; one byte is a file too.
    QByteArray big(20000, 'b');
    QVERIFY(writeWholeFile(dir.filePath("big"), big).ok());
    QByteArray read;
    QVERIFY(readFileStart(dir.filePath("big"), 10000, read).ok());
    QCOMPARE(read, big.left(10000));
    QVERIFY(writeWholeFile(dir.filePath("one"), "1").ok());
    QVERIFY(readFileStart(dir.filePath("one"), -1, read).ok());
    QCOMPARE(read, QByteArray("1"));
    QVERIFY(!readFileStart(dir.filePath("missing"), -1, read).ok());
    QVERIFY(read.isEmpty());
}

void TestLevelFile::missingFileReportsTheSystemError()
{
    QTemporaryDir dir;
    LevelTable levels = sampleLevels();
    const FileStatus status = readLevelFile(dir.filePath("QLM.ZHN"), levels);
    QVERIFY(!status.ok());
    QCOMPARE(status.errorNumber, ENOENT);
    QCOMPARE(status.errorText, QStringLiteral("No such file or directory"));
    QCOMPARE(levels, LevelTable{});
}

void TestLevelFile::folderInPlaceOfTheFileIsAnError()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("QLM.ZHN"));
    LevelTable levels;
    const FileStatus status = readLevelFile(dir.filePath("QLM.ZHN"), levels);
    QVERIFY(!status.ok());
    QCOMPARE(status.errorNumber, EISDIR);
    QVERIFY(!writeLevelFile(dir.filePath("QLM.ZHN"), levels).ok());
}

void TestLevelFile::fifoInPlaceOfTheFileIsRefusedAtOnce()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("QLM.ZHN");
    QCOMPARE(::mkfifo(path.toLocal8Bit().constData(), 0600), 0);
    LevelTable levels;
    QElapsedTimer timer;
    timer.start();
    const FileStatus status = readLevelFile(path, levels, ReadLock::BlockWriters);
    QVERIFY(!status.ok());
    QCOMPARE(status.errorNumber, EINVAL);
    QVERIFY(timer.elapsed() < 2000);
}

void TestLevelFile::readerWaitsForALockingWriterOnlyWhenAsked()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("QLM.ZHN");
    writeAllBytes(path, encodeLevelTable(sampleLevels()));
    const int writer = ::open(path.toLocal8Bit().constData(), O_RDWR);
    QVERIFY(writer >= 0 && ::flock(writer, LOCK_EX) == 0);
    QByteArray bytes;
    QVERIFY(readFileStart(path, 10, bytes).ok());
    auto blocked = std::async(std::launch::async, [&path] {
        QByteArray read;
        return readFileStart(path, 10, read, ReadLock::BlockWriters).ok();
    });
    QCOMPARE(blocked.wait_for(std::chrono::milliseconds(200)), std::future_status::timeout);
    ::close(writer);
    QVERIFY(blocked.get());
}

void TestLevelFile::writeCreatesMissingFileOf2100Bytes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("qlm.zhn");
    QVERIFY(writeLevelFile(path, sampleLevels()).ok());
    const QByteArray bytes = readAllBytes(path);
    QCOMPARE(bytes.size(), 2100);
    QCOMPARE(decodeLevelTable(bytes), sampleLevels());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"qlm.zhn"});

    // Started with standard input closed, the program gets descriptor 0 for
    // the first file it opens.
    const int savedInput = ::dup(0);
    ::close(0);
    const bool written = writeLevelFile(path, sampleLevels()).ok();
    LevelTable read;
    const bool readBack = readLevelFile(path, read).ok();
    LevelTable fromFolder;
    const bool folderRefused = !readLevelFile(dir.path(), fromFolder).ok();
    const int nextFree = ::open("/dev/null", O_RDONLY);  // 0 again unless a descriptor leaked
    ::dup2(savedInput, 0);
    ::close(savedInput);
    QVERIFY(written && readBack && folderRefused);
    QCOMPARE(nextFree, 0);
    QCOMPARE(read, sampleLevels());
}

void TestLevelFile::writeKeepsTheTailOfALongerFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("QLM.ZHN");
    QByteArray old = encodeLevelTable(LevelTable{});
    const QByteArray tail("\x01\x02tail that belongs to someone else\xff", 37);
    old.append(tail);
    writeAllBytes(path, old);

    QVERIFY(writeLevelFile(path, sampleLevels()).ok());
    const QByteArray now = readAllBytes(path);
    QCOMPARE(now.size(), 2100 + tail.size());
    QCOMPARE(now.left(2100), encodeLevelTable(sampleLevels()));
    QCOMPARE(now.mid(2100), tail);
}

void TestLevelFile::failedWriteLeavesTheOldFileIntact()
{
    if (::geteuid() == 0)
        QSKIP("root writes into read-only folders");
    QTemporaryDir dir;
    const QString path = dir.filePath("QLM.ZHN");
    const QByteArray old = encodeLevelTable(sampleLevels()) + "tail";
    writeAllBytes(path, old);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const FileStatus status = writeLevelFile(path, LevelTable{});
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!status.ok());
    QCOMPARE(status.errorNumber, EACCES);
    QCOMPARE(readAllBytes(path), old);
}

void TestLevelFile::writeCutShortLeavesTheOldFileIntact()
{
    // The file-size limit makes the write stop part-way, for root too.
    QTemporaryDir dir;
    const QString path = dir.filePath("QLM.ZHN");
    const QByteArray old = encodeLevelTable(sampleLevels()) + QByteArray(3000, 't');
    writeAllBytes(path, old);
    LevelTable changed = sampleLevels();
    changed[0].name = fitLevelName("Changed");

    struct rlimit saved {};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 1000;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileStatus status = writeLevelFile(path, changed);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, oldHandler);

    QVERIFY(!status.ok());
    QCOMPARE(status.errorNumber, EFBIG);
    QCOMPARE(readAllBytes(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"QLM.ZHN"});
}

void TestLevelFile::writeKeepsFilePermissions()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("QLM.ZHN");
    writeAllBytes(path, encodeLevelTable(LevelTable{}));
    ::chmod(path.toLocal8Bit().constData(), 0640);
    QVERIFY(writeLevelFile(path, sampleLevels()).ok());
    struct stat st {};
    QCOMPARE(::stat(path.toLocal8Bit().constData(), &st), 0);
    QCOMPARE(st.st_mode & 0777, 0640u);
}

void TestLevelFile::readOnlyFileIsNotReplaced()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("QLM.ZHN");
    const QByteArray old = encodeLevelTable(LevelTable{});
    writeAllBytes(path, old);
    ::chmod(path.toLocal8Bit().constData(), 0444);
    const FileStatus status = writeLevelFile(path, sampleLevels());
    QVERIFY(!status.ok());
    QCOMPARE(status.errorNumber, EACCES);
    QCOMPARE(readAllBytes(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"QLM.ZHN"});
}

void TestLevelFile::writeThroughSymlinkKeepsTheLink()
{
    QTemporaryDir dir;
    const QString real = dir.filePath("real.zhn");
    writeAllBytes(real, encodeLevelTable(LevelTable{}));
    QVERIFY(QFile::link(real, dir.filePath("QLM.ZHN")));
    QVERIFY(writeLevelFile(dir.filePath("QLM.ZHN"), sampleLevels()).ok());
    QVERIFY(QFileInfo(dir.filePath("QLM.ZHN")).isSymLink());
    QCOMPARE(decodeLevelTable(readAllBytes(real)), sampleLevels());
}

void TestLevelFile::namesResolveWithoutRegardToCase_data()
{
    QTest::addColumn<QString>("onDisk");
    QTest::newRow("upper") << "QLM.ZHN";
    QTest::newRow("lower") << "qlm.zhn";
    QTest::newRow("mixed") << "Qlm.Zhn";
}

void TestLevelFile::namesResolveWithoutRegardToCase()
{
    QFETCH(QString, onDisk);
    QTemporaryDir dir;
    writeAllBytes(dir.filePath(onDisk), encodeLevelTable(sampleLevels()));
    for (const char* asked : {kGameLevelFileName, kEditorLevelFileName}) {
        const QString path = resolvePath(dir.path(), asked);
        QCOMPARE(QFileInfo(path).fileName(), onDisk);
        LevelTable levels;
        QVERIFY(readLevelFile(path, levels).ok());
        QCOMPARE(levels, sampleLevels());
    }
}

void TestLevelFile::twoSpellingsOnDiskAreOneFileForEveryProgram()
{
    // Whichever spelling a program asks for, both reach the same one of the
    // spellings on disk: the game's reads see the editor's writes.
    QTemporaryDir dir;
    writeAllBytes(dir.filePath("qlm.zhn"), encodeLevelTable(LevelTable{}));
    writeAllBytes(dir.filePath("QLM.ZHN"), encodeLevelTable(LevelTable{}));
    writeAllBytes(dir.filePath("Qlm.zhn"), encodeLevelTable(LevelTable{}));
    const QString forEditor = resolvePath(dir.path(), kEditorLevelFileName);
    QCOMPARE(resolvePath(dir.path(), kGameLevelFileName), forEditor);
    QCOMPARE(resolvePath(dir.path(), "qLm.ZhN"), forEditor);
    QVERIFY(writeLevelFile(forEditor, sampleLevels()).ok());
    LevelTable seenByGame;
    QVERIFY(readLevelFile(resolvePath(dir.path(), kGameLevelFileName), seenByGame).ok());
    QCOMPARE(seenByGame, sampleLevels());

    // The one they reach is the first in code-point order, upper case
    // first, for the game, the editor and qlmtool alike.
    QCOMPARE(forEditor, dir.filePath("QLM.ZHN"));
    const DataFolders folders(dir.path(), QString(), true);
    for (const char* asked : {kGameLevelFileName, kEditorLevelFileName}) {
        QCOMPARE(folders.levelFileToRead(asked), dir.filePath("QLM.ZHN"));
        QCOMPARE(folders.levelFileToWrite(asked), dir.filePath("QLM.ZHN"));
    }
}

// Every spelling of `name` that differs from it in letter case only, in
// code-point order.
static QStringList caseVariants(const QString& name)
{
    QStringList variants{QString()};
    for (const QChar ch : name) {
        QStringList longer;
        for (const QString& start : std::as_const(variants)) {
            longer << start + ch.toUpper();
            if (ch.toLower() != ch.toUpper())
                longer << start + ch.toLower();
        }
        variants = longer;
    }
    std::sort(variants.begin(), variants.end());
    return variants;
}

void TestLevelFile::choiceDoesNotDependOnTheListingOrder_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("two letters") << "ab";
    QTest::newRow("a folder") << "saved";
    QTest::newRow("the level file") << "qlm.zhn";
}

void TestLevelFile::choiceDoesNotDependOnTheListingOrder()
{
    // File systems list a folder newest first (tmpfs) or in hash order
    // (ext4): the spellings are made in an order unlike code-point order,
    // the first of them neither first nor last.
    QFETCH(QString, name);
    const QStringList variants = caseVariants(name);
    const qsizetype count = variants.size();
    QTemporaryDir dir;
    QStringList made;
    for (qsizetype k = 0; k < count; ++k) {
        made << variants[(5 * k + 3) % count];
        writeAllBytes(dir.filePath(made.last()), made.last().toUtf8());
    }
    QVERIFY(made.indexOf(variants.first()) > 0 && made.indexOf(variants.first()) < count - 1);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), count);

    for (const QString& asked : {name, name.toUpper(), variants.last(), variants[1]})
        QCOMPARE(resolveEntryName(dir.path(), asked), variants.first());
    // A picked name's own spelling wins; without it, the same first one.
    QCOMPARE(resolvePickedPath(dir.path(), variants.last()), dir.filePath(variants.last()));
    QVERIFY(QFile::remove(dir.filePath(variants.last())));
    QCOMPARE(resolvePickedPath(dir.path(), variants.last()), dir.filePath(variants.first()));
}

void TestLevelFile::pickedNamesKeepTheirOwnSpelling_data()
{
    QTest::addColumn<QStringList>("onDisk");  // in the order they are made
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("fixed");   // a name the programs fix resolves to
    QTest::addColumn<QString>("picked");  // a name the player gave resolves to
    QTest::newRow("own spelling in lower case") << QStringList{"Foo.sav", "foo.sav"} << "foo.sav" << "Foo.sav"
                                                << "foo.sav";
    QTest::newRow("own spelling in upper case") << QStringList{"foo.sav", "Foo.sav"} << "Foo.sav" << "Foo.sav"
                                                << "Foo.sav";
    QTest::newRow("own spelling among three") << QStringList{"a.bmp", "a.BMP", "A.bmp"} << "a.bmp" << "A.bmp"
                                              << "a.bmp";
    QTest::newRow("no own spelling: first in code-point order")
        << QStringList{"a.bmp", "A.bmp", "a.BMP"} << "A.BMP" << "A.bmp" << "A.bmp";
    QTest::newRow("no spelling at all: the name itself") << QStringList{"b.bmp"} << "a.bmp" << "a.bmp"
                                                          << "a.bmp";
    QTest::newRow("a folder part is left alone") << QStringList{"a"} << "A/b.bmp" << "A/b.bmp" << "A/b.bmp";
}

void TestLevelFile::pickedNamesKeepTheirOwnSpelling()
{
    QFETCH(QStringList, onDisk);
    QFETCH(QString, asked);
    QFETCH(QString, fixed);
    QFETCH(QString, picked);
    QTemporaryDir dir;
    for (const QString& name : onDisk)
        writeAllBytes(dir.filePath(name), name.toUtf8());
    QCOMPARE(resolveEntryName(dir.path(), asked), fixed);
    QCOMPARE(resolvePickedPath(dir.path(), asked), dir.filePath(picked));
}

void TestLevelFile::missingNameKeepsTheAskedSpelling()
{
    QTemporaryDir dir;
    QCOMPARE(resolveEntryName(dir.path(), "qlm.ini"), QStringLiteral("qlm.ini"));
    QCOMPARE(joinPath("/a/b/", "c"), QStringLiteral("/a/b/c"));
    QCOMPARE(joinPath("/a/b///", "c"), QStringLiteral("/a/b/c"));
    QCOMPARE(joinPath("/", "c"), QStringLiteral("/c"));
    QCOMPARE(joinPath("/a/b", "c"), QStringLiteral("/a/b/c"));
    writeAllBytes(dir.filePath("QLM.INI"), "x");
    QCOMPARE(entryKind(dir.path(), "qlm.ini"), EntryKind::File);
    QCOMPARE(entryKind(dir.path(), "nothing"), EntryKind::Missing);
}

QTEST_GUILESS_MAIN(TestLevelFile)
#include "test_levelfile.moc"
