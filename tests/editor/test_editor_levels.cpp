#include "tests/editor/editorsession.h"

#include "model/codepage.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace quill;
using namespace quill::test;

// Stepping through the levels, storing the shown one back, Clear, Save and Exit.
class TestEditorLevels : public QObject {
    Q_OBJECT

private slots:
    void prevOnLevelOneShowsLevelSeventy();
    void nextOnLevelSeventyShowsLevelOne();
    void everyLevelIsReachedWithItsNumber();
    void clearEmptiesTheBoardButNotTheRecord();
    void clearThenNextStoresZerosAndShowsTheOverlap();
    void shortNameIsStoredPaddedWithSpaces();
    void tenCharacterNameIsStoredWhole();
    void nameBytesAboveAsciiSurviveAStore();
    void exitAsksFirstWhenSomethingIsUnsaved_data();
    void exitAsksFirstWhenSomethingIsUnsaved();
    void onlyViewedLevelsAreSavedByteForByteAndAskNothing();
    void saveWritesAllSeventyRecords();
    void saveKeepsTheShownLevelAndTheChoice();
    void saveCreatesAMissingFileOf2100Bytes();
    void saveKeepsTheTailOfALongerFile();
    void removedPieceIsStoredAtPositionZero();
};

void TestEditorLevels::prevOnLevelOneShowsLevelSeventy()
{
    EditorSession session;
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    click(ed.cmdPrev);
    QCOMPARE(ed.draft().curLevel(), 69);
    QCOMPARE(ed.lblLevelNum->text(), QStringLiteral("Level: 70"));
    QCOMPARE(ed.txtLevelName->text(), QStringLiteral("Level 70  "));
}

void TestEditorLevels::nextOnLevelSeventyShowsLevelOne()
{
    EditorSession session;
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    click(ed.cmdPrev);
    click(ed.cmdNext);
    QCOMPARE(ed.draft().curLevel(), 0);
    QCOMPARE(ed.lblLevelNum->text(), QStringLiteral("Level: 1"));
    QCOMPARE(ed.txtLevelName->text(), QStringLiteral("Level 1   "));
}

void TestEditorLevels::everyLevelIsReachedWithItsNumber()
{
    LevelTable levels = sampleLevels();
    levels[41].positions = {10, 0, 2, 3, 22, 23, 30, 31, 40, 43};
    EditorSession session(levels);
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    for (int number = 2; number <= kLevelCount; ++number) {
        click(ed.cmdNext);
        QCOMPARE(ed.lblLevelNum->text(), QStringLiteral("Level: %1").arg(number));
        QCOMPARE(ed.txtLevelName->text(), fitLevelName(QStringLiteral("Level %1").arg(number)));
        if (number == 42) {
            QCOMPARE(cellAt(ed, 0, 1), 0);
            QCOMPARE(cellAt(ed, 0, 0), 1);
        }
    }
    click(ed.cmdNext);
    QCOMPARE(ed.lblLevelNum->text(), QStringLiteral("Level: 1"));
    // Showing and storing unchanged levels leaves them as they were.
    QCOMPARE(ed.draft().levels(), levels);
}

void TestEditorLevels::clearEmptiesTheBoardButNotTheRecord()
{
    EditorSession session;
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    choose(ed.optPieces[3]);
    click(ed.cmdClear);
    for (const auto& row : ed.draft().board().grid)
        for (int16_t cell : row)
            QCOMPARE(cell, -1);
    for (const Piece& piece : ed.draft().board().pieces) {
        QCOMPARE(piece.col, -1);
        QCOMPARE(piece.row, -1);
    }
    for (const auto* label : ed.lblGrid)
        QCOMPARE(colourOf(label), blankColour(ed));
    QCOMPARE(ed.txtLevelName->text(), QStringLiteral("Level 1   "));
    QCOMPARE(ed.draft().levels()[0], sampleLevels()[0]);
    QCOMPARE(ed.selPiece, 3);
    QCOMPARE(ed.draft().curLevel(), 0);
}

void TestEditorLevels::clearThenNextStoresZerosAndShowsTheOverlap()
{
    EditorSession session;
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    click(ed.cmdClear);
    click(ed.cmdNext);
    QCOMPARE(ed.draft().levels()[0].name, sampleLevels()[0].name);
    QCOMPARE(ed.draft().levels()[0].positions, Positions{});

    click(ed.cmdPrev);
    const Grid want = {{
        {9, 1, -1, -1},
        {5, 0, -1, -1},
        {-1, -1, -1, -1},
        {-1, -1, -1, -1},
        {-1, -1, -1, -1},
    }};
    QCOMPARE(ed.draft().board().grid, want);
    QCOMPARE(colourOf(ed.lblGrid[0]), pieceColour(ed, 9));
    QCOMPARE(colourOf(ed.lblGrid[1]), pieceColour(ed, 1));
    QCOMPARE(colourOf(ed.lblGrid[4]), pieceColour(ed, 5));
    QCOMPARE(colourOf(ed.lblGrid[5]), pieceColour(ed, 0));
    for (int k : {2, 3, 6, 7, 8, 12, 16, 19})
        QCOMPARE(colourOf(ed.lblGrid[k]), blankColour(ed));
}

void TestEditorLevels::shortNameIsStoredPaddedWithSpaces()
{
    EditorSession session;
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    typeName(ed, "Mine");
    click(ed.cmdNext);
    QCOMPARE(ed.draft().levels()[0].name, QStringLiteral("Mine      "));
    click(ed.cmdPrev);
    QCOMPARE(ed.txtLevelName->text(), QStringLiteral("Mine      "));
    click(ed.cmdSave);
    QCOMPARE(recordBytes(session.fileBytes(), 0).left(kNameLength), QByteArray("Mine      "));
}

void TestEditorLevels::tenCharacterNameIsStoredWhole()
{
    EditorSession session;
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    typeName(ed, "TenLetters+");
    click(ed.cmdSave);
    QCOMPARE(recordBytes(session.fileBytes(), 0).left(kNameLength), QByteArray("TenLetters"));
}

void TestEditorLevels::nameBytesAboveAsciiSurviveAStore()
{
    QByteArray file = encodeLevelTable(sampleLevels());
    const QByteArray name("Caf\xe9 \x80\xfc\xdf!x", kNameLength);
    file.replace(0, kNameLength, name);
    EditorSession session(file);
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    QCOMPARE(ed.txtLevelName->text(), codepage::decode(name));
    QCOMPARE(ed.txtLevelName->text().at(3), QChar(0xE9));
    click(ed.cmdNext);
    click(ed.cmdPrev);
    click(ed.cmdSave);
    QCOMPARE(session.fileBytes(), file);
}

void TestEditorLevels::exitAsksFirstWhenSomethingIsUnsaved_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("ends");
    QTest::addColumn<bool>("saved");
    using A = UserDialogs::Answer;
    QTest::newRow("exit, no") << false << int(A::No) << true << false;
    QTest::newRow("exit, cancel") << false << int(A::Cancel) << false << false;
    QTest::newRow("exit, yes") << false << int(A::Yes) << true << true;
    QTest::newRow("close box, no") << true << int(A::No) << true << false;
    QTest::newRow("close box, cancel") << true << int(A::Cancel) << false << false;
    QTest::newRow("close box, yes") << true << int(A::Yes) << true << true;
}

void TestEditorLevels::exitAsksFirstWhenSomethingIsUnsaved()
{
    QFETCH(bool, closeBox);
    QFETCH(int, answer);
    QFETCH(bool, ends);
    QFETCH(bool, saved);
    EditorSession session;
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    // An edit on a level that is no longer shown is unsaved work too.
    click(ed.cmdClear);
    click(ed.cmdNext);
    session.dialogs.answers << UserDialogs::Answer(answer);
    if (closeBox)
        ed.close();
    else
        click(ed.cmdExit);

    QCOMPARE(session.dialogs.messages.size(), 1);
    const auto& asked = session.dialogs.messages.first();
    QCOMPARE(asked.title, QStringLiteral("Quillmere Level Editor - Exit"));
    QCOMPARE(asked.text, QStringLiteral("Save the changes to the levels before closing?"));
    QCOMPARE(asked.icon, UserDialogs::Icon::Question);
    QCOMPARE(asked.buttons, UserDialogs::Buttons::YesNoCancel);
    QCOMPARE(ed.isVisible(), !ends);
    QCOMPARE(decodeLevelTable(session.fileBytes())[0].positions == Positions{}, saved);
    if (saved)
        QCOMPARE(session.fileBytes().size(), kLevelFileSize);
    else
        QCOMPARE(session.fileBytes(), session.original);
}

void TestEditorLevels::onlyViewedLevelsAreSavedByteForByteAndAskNothing()
{
    // Names with NULs and odd bytes, pieces without a place: looking at
    // every level and saving changes no byte, and nothing counts as unsaved.
    LevelTable levels = sampleLevels();
    levels[0].name = QString(kNameLength, QChar(0));
    levels[1].name = QStringLiteral("ab") + QString(8, QChar(0));
    levels[2].positions[3] = 43;
    levels[2].positions[6] = -7;
    levels[69].positions[0] = 32767;
    QByteArray file = encodeLevelTable(levels);
    file[1 * kLevelRecordSize + 5] = '\x81';
    EditorSession session(file + QByteArray("tail"));
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    for (int k = 0; k < kLevelCount; ++k)
        click(ed.cmdNext);
    click(ed.cmdPrev);
    click(ed.cmdSave);
    QCOMPARE(session.fileBytes(), session.original);

    // A level changed and changed back is not unsaved either.
    click(ed.cmdNext);
    click(ed.lblBlank);
    clickCell(ed, 0, 0);
    click(ed.lblColor[2]);
    clickCell(ed, 0, 0);
    click(ed.cmdExit);
    QVERIFY(!ed.isVisible());
    QVERIFY(session.dialogs.messages.isEmpty());
    QCOMPARE(session.fileBytes(), session.original);
}

void TestEditorLevels::saveWritesAllSeventyRecords()
{
    // Records the editor never shows keep every byte, odd ones included.
    LevelTable levels = sampleLevels();
    levels[7].name = QString(kNameLength, QChar(0));
    levels[33].positions = {-1, 99, 43, 7, -300, 32767, -32768, 0, 0, 0};
    QByteArray file = encodeLevelTable(levels);
    file[50 * kLevelRecordSize + 2] = '\xff';
    EditorSession session(file);
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();

    choose(ed.optPieces[9]);
    clickCell(ed, 2, 4);
    click(ed.cmdNext);
    click(ed.cmdSave);

    const QByteArray saved = session.fileBytes();
    QCOMPARE(saved.size(), kLevelFileSize);
    Positions moved = classicStart();
    moved[9] = 42;
    QCOMPARE(decodeLevelTable(saved)[0].positions, moved);
    QCOMPARE(decodeLevelTable(saved)[0].name, levels[0].name);
    for (int k = 1; k < kLevelCount; ++k)
        QVERIFY2(recordBytes(saved, k) == recordBytes(file, k), qPrintable(QString::number(k)));
    QVERIFY(session.dialogs.messages.isEmpty());
}

void TestEditorLevels::saveKeepsTheShownLevelAndTheChoice()
{
    EditorSession session;
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    click(ed.cmdNext);
    click(ed.cmdNext);
    click(ed.lblColor[2]);
    click(ed.cmdClear);
    clickCell(ed, 3, 1);
    const BoardView before = viewOf(ed);
    click(ed.cmdSave);
    QCOMPARE(viewOf(ed), before);
    QCOMPARE(ed.lblLevelNum->text(), QStringLiteral("Level: 3"));
    QCOMPARE(ed.selPiece, 2);
    QVERIFY(ed.optPieces[2]->isChecked());
    QCOMPARE(decodeLevelTable(session.fileBytes())[2].positions,
             (Positions{0, 0, 13, 0, 0, 0, 0, 0, 0, 0}));
}

void TestEditorLevels::saveCreatesAMissingFileOf2100Bytes()
{
    EditorSession session;
    QVERIFY(session.opened());
    QVERIFY(QFile::remove(session.filePath()));
    click(session.ed().cmdSave);
    const QByteArray saved = session.fileBytes();
    QCOMPARE(saved.size(), 2100);
    QCOMPARE(saved, session.original);
    QCOMPARE(QDir(session.folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{session.fileName});
    QVERIFY(session.dialogs.messages.isEmpty());
}

void TestEditorLevels::saveKeepsTheTailOfALongerFile()
{
    const QByteArray tail("\x00tail bytes\xff\x01", 14);
    EditorSession session(encodeLevelTable(sampleLevels()) + tail);
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    click(ed.cmdClear);
    click(ed.cmdSave);
    const QByteArray saved = session.fileBytes();
    QCOMPARE(saved.size(), kLevelFileSize + tail.size());
    QCOMPARE(saved.mid(kLevelFileSize), tail);
    QCOMPARE(decodeLevelTable(saved)[0].positions, Positions{});
    QCOMPARE(saved.mid(kLevelRecordSize, kLevelFileSize - kLevelRecordSize),
             session.original.mid(kLevelRecordSize, kLevelFileSize - kLevelRecordSize));
}

void TestEditorLevels::removedPieceIsStoredAtPositionZero()
{
    EditorSession session;
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    click(ed.lblBlank);
    clickCell(ed, 3, 4);  // soldier D
    click(ed.cmdSave);
    Positions want = classicStart();
    want[9] = 0;
    QCOMPARE(decodeLevelTable(session.fileBytes())[0].positions, want);
    // In the level still on show the piece stays off the board.
    QCOMPARE(ed.draft().board().pieces[9].col, -1);
    QCOMPARE(cellAt(ed, 3, 4), -1);
    QCOMPARE(cellAt(ed, 0, 0), 2);
    QVERIFY(session.dialogs.messages.isEmpty());
    // Shown again, it stands at position 0, over the tall piece's top cell.
    click(ed.cmdNext);
    click(ed.cmdPrev);
    QCOMPARE(cellAt(ed, 0, 0), 9);
    QCOMPARE(cellColour(ed, 0, 0), pieceColour(ed, 9));
}

QTEST_MAIN(TestEditorLevels)
#include "test_editor_levels.moc"
