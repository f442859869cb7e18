#include "tests/editor/editorsession.h"

#include "model/programfolder.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <unistd.h>

using namespace quill;
using namespace quill::test;

// The level file that cannot be read at start or written on Save.
class TestEditorFiles : public QObject {
    Q_OBJECT

private slots:
    void missingFileEndsTheEditorBeforeItShows();
    void folderInPlaceOfTheFileEndsTheEditor();
    void fileIsFoundWithoutRegardToCase();
    void failedSaveReportsAndKeepsEveryEdit();
    void saveIntoAReadOnlyFolderReportsTheError();
    void saveAfterTheFolderVanishedCanBeRetried();
};

static QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                  | QDir::NoDotAndDotDot);
}

static bool anyWindowShown()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); });
}

static QString systemReason(int errnum)
{
    return QStringLiteral("%1 %2").arg(errnum).arg(QString::fromLocal8Bit(std::strerror(errnum)));
}

// Lets `run` see a file-size limit, so that even root's writes fail.
template <typename Run>
static void withFileSizeLimit(rlim_t bytes, Run run)
{
    rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    run();
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
}

// Mends the shown level: a new name and soldier D one cell to the left.
static void editLevelOne(frmLevelEd& ed)
{
    typeName(ed, "Mended");
    click(ed.lblColor[9]);
    clickCell(ed, 2, 4);
}

static void expectLevelOneMended(const LevelRecord& record)
{
    Positions want = classicStart();
    want[9] = 42;
    QCOMPARE(record.name, QStringLiteral("Mended    "));
    QCOMPARE(record.positions, want);
}

void TestEditorFiles::missingFileEndsTheEditorBeforeItShows()
{
    ScriptedDialogs dialogs;
    ProgramFolder folder(ProgramFolder::Content::Empty);
    const std::unique_ptr<frmLevelEd> ed = frmLevelEd::load(folder.path());
    QVERIFY(!ed);
    QVERIFY(!anyWindowShown());
    QCOMPARE(dialogs.messages.size(), 1);
    const ScriptedDialogs::Message& shown = dialogs.messages[0];
    QCOMPARE(shown.title, QStringLiteral("Quillmere Level Editor - Error"));
    QCOMPARE(shown.icon, UserDialogs::Icon::Critical);
    QCOMPARE(shown.buttons, UserDialogs::Buttons::Ok);
    const QStringList lines = shown.text.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], QStringLiteral("An error has occurred while attempting loading data file"));
    QCOMPARE(lines[1], displayPath(folder.file("qlm.zhn")));
    QCOMPARE(lines[2], systemReason(ENOENT));
    QCOMPARE(entriesOf(folder.path()), QStringList());
}

void TestEditorFiles::folderInPlaceOfTheFileEndsTheEditor()
{
    ScriptedDialogs dialogs;
    ProgramFolder folder(ProgramFolder::Content::Empty);
    QVERIFY(QDir(folder.path()).mkdir("QLM.ZHN"));
    QVERIFY(!frmLevelEd::load(folder.path()));
    QVERIFY(!anyWindowShown());
    QCOMPARE(dialogs.messages.size(), 1);
    const QStringList lines = dialogs.messages[0].text.split(QLatin1Char('\n'));
    QCOMPARE(lines.value(1), displayPath(folder.file("QLM.ZHN")));
    QCOMPARE(lines.value(2), systemReason(EISDIR));
    QCOMPARE(entriesOf(folder.path()), QStringList{"QLM.ZHN"});
}

void TestEditorFiles::fileIsFoundWithoutRegardToCase()
{
    LevelTable levels = sampleLevels();
    levels[0].name = fitLevelName("Upper");
    EditorSession session(encodeLevelTable(levels), QStringLiteral("QLM.ZHN"));
    QVERIFY(session.opened());
    QCOMPARE(session.ed().txtLevelName->text(), QStringLiteral("Upper     "));
    editLevelOne(session.ed());
    click(session.ed().cmdSave);
    QCOMPARE(entriesOf(session.folder.path()), QStringList{"QLM.ZHN"});
    expectLevelOneMended(decodeLevelTable(session.fileBytes())[0]);
}

void TestEditorFiles::failedSaveReportsAndKeepsEveryEdit()
{
    const QByteArray tail("after the table");
    EditorSession session(encodeLevelTable(sampleLevels()) + tail);
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    editLevelOne(ed);
    click(ed.cmdNext);
    click(ed.lblColor[0]);
    click(ed.cmdClear);
    const BoardView cleared = viewOf(ed);

    withFileSizeLimit(1000, [&] { click(ed.cmdSave); });

    QCOMPARE(session.dialogs.messages.size(), 1);
    const ScriptedDialogs::Message& shown = session.dialogs.messages[0];
    QCOMPARE(shown.title, QStringLiteral("Quillmere Level Editor - Saving Error"));
    QCOMPARE(shown.icon, UserDialogs::Icon::Critical);
    QCOMPARE(shown.buttons, UserDialogs::Buttons::Ok);
    const QStringList lines = shown.text.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], QStringLiteral("An error has occurred while attempting saving data file"));
    QCOMPARE(lines[1], displayPath(session.filePath()));
    QCOMPARE(lines[2], systemReason(EFBIG));

    // The file is untouched and no temporary file is left beside it.
    QCOMPARE(session.fileBytes(), session.original);
    QCOMPARE(entriesOf(session.folder.path()), QStringList{session.fileName});

    // The editor goes on with everything in memory.
    QVERIFY(ed.isVisible());
    QCOMPARE(ed.lblLevelNum->text(), QStringLiteral("Level: 2"));
    QCOMPARE(viewOf(ed), cleared);
    expectLevelOneMended(ed.draft().levels()[0]);

    click(ed.cmdSave);
    QCOMPARE(session.dialogs.messages.size(), 1);
    const QByteArray saved = session.fileBytes();
    expectLevelOneMended(decodeLevelTable(saved)[0]);
    QCOMPARE(decodeLevelTable(saved)[1].positions, Positions{});
    QCOMPARE(saved.mid(kLevelFileSize), tail);
}

void TestEditorFiles::saveIntoAReadOnlyFolderReportsTheError()
{
    if (::geteuid() == 0)
        QSKIP("root writes into read-only folders");
    EditorSession session;
    QVERIFY(session.opened());
    editLevelOne(session.ed());
    const QString folder = session.folder.path();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    click(session.ed().cmdSave);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(session.dialogs.messages.size(), 1);
    QCOMPARE(session.dialogs.messages[0].text.split(QLatin1Char('\n')).value(2),
             systemReason(EACCES));
    QCOMPARE(session.fileBytes(), session.original);
    click(session.ed().cmdSave);
    expectLevelOneMended(decodeLevelTable(session.fileBytes())[0]);
}

void TestEditorFiles::saveAfterTheFolderVanishedCanBeRetried()
{
    EditorSession session;
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    editLevelOne(ed);
    const QString folder = session.folder.path();
    QVERIFY(QDir(folder).removeRecursively());

    click(ed.cmdSave);
    QCOMPARE(session.dialogs.messages.size(), 1);
    QCOMPARE(session.dialogs.messages[0].title, QStringLiteral("Quillmere Level Editor - Saving Error"));
    QCOMPARE(session.dialogs.messages[0].text.split(QLatin1Char('\n')).value(2),
             systemReason(ENOENT));
    QVERIFY(ed.isVisible());

    QVERIFY(QDir().mkpath(folder));
    click(ed.cmdSave);
    QCOMPARE(session.dialogs.messages.size(), 1);
    const QByteArray saved = session.fileBytes();
    QCOMPARE(saved.size(), kLevelFileSize);
    expectLevelOneMended(decodeLevelTable(saved)[0]);
    QCOMPARE(saved.mid(kLevelRecordSize), session.original.mid(kLevelRecordSize));
}

QTEST_MAIN(TestEditorFiles)
#include "test_editor_files.moc"
