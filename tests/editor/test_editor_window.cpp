#include "tests/editor/editorsession.h"

#include "editor/editorsize.h"
#include "model/boardsize.h"
#include "model/rounding.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace quill;
using namespace quill::test;

// The window as it opens: layout, captions, colours, focus and tab order,
// and how a stored level is shown.
class TestEditorWindow : public QObject {
    Q_OBJECT

private slots:
    void windowHasItsCaptionAndFixedClientSize();
    void controlsStandWhereTheTwipsPutThem_data();
    void controlsStandWhereTheTwipsPutThem();
    void optionCaptionsAreThePieceNames();
    void swatchesHoldThePieceColours();
    void opensOnLevelOneWithTheFirstPieceChosenAndFocused();
    void tabVisitsTheControlsInTheirOrder();
    void shiftTabComesBackToTheChosenOption();
    void nameBoxTakesAtMostTenCharacters();
    void levelIsShownCellByCellInThePieceColours();
    void overlappingStoredPiecesShowTheHigherIndex();
    void nameIsShownWithItsTrailingSpaces();
    void storedPieceThatDoesNotFitIsShownOffTheBoard_data();
    void storedPieceThatDoesNotFitIsShownOffTheBoard();
    void shortFileGivesClearedLevels();
    void edgesScaleTheGridAndTheSwatches_data();
    void edgesScaleTheGridAndTheSwatches();
    void smallerSizesKeepTheTextsClearOfTheButtons();
};

void TestEditorWindow::windowHasItsCaptionAndFixedClientSize()
{
    EditorSession session;
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    QCOMPARE(ed.windowTitle(), QStringLiteral("Quillmere Level Editor"));
    // 446 x 406 for the controls and the verdict line below (24 pixels).
    QCOMPARE(ed.size(), QSize(446, 430));
    // 265 twips from the left, 1000 wide: 17.67 and 66.67 pixels.
    QCOMPARE(ed.cmdPrev->geometry(), QRect(18, 360, 67, 33));
    QCOMPARE(ed.lblGrid[5]->geometry(), QRect(56, 56, 47, 47));
    QCOMPARE(ed.minimumSize(), QSize(446, 430));
    // Its edges make it larger, not smaller.
    QCOMPARE(ed.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    QVERIFY(!(ed.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(colourOf(&ed), QColor(192, 192, 192));
    QCOMPARE(ed.cmdSave->palette().color(QPalette::Button), QColor(192, 192, 192));
    QCOMPARE(ed.txtLevelName->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(ed.txtLevelName->palette().color(QPalette::Text), QColor(Qt::black));
    QVERIFY(session.dialogs.messages.isEmpty());
}

void TestEditorWindow::controlsStandWhereTheTwipsPutThem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    auto row = [](const QString& name, int left, int top, int width, int height) {
        QTest::newRow(qPrintable(name)) << name << QRect(left, top, width, height);
    };
    for (int k : {0, 3, 6, 16, 19})
        row(QStringLiteral("lblGrid(%1)").arg(k), 120 + 720 * (k % 4), 120 + 720 * (k / 4), 705, 705);
    for (int i : {0, 5, 9}) {
        row(QStringLiteral("lblColor(%1)").arg(i), 3240, 120 + 480 * i, 1095, 315);
        row(QStringLiteral("optPieces(%1)").arg(i), 4440, 120 + 480 * i, 1935, 315);
    }
    row("lblBlank", 3240, 4920, 1095, 315);
    row("optBlank", 4440, 4920, 1935, 315);
    row("lblLevelNum", 120, 3960, 2895, 375);
    row("txtLevelName", 120, 4560, 2895, 615);
    row("cmdPrev", 265, 5400, 1000, 495);
    row("cmdNext", 1555, 5400, 1000, 495);
    row("cmdClear", 2845, 5400, 1000, 495);
    row("cmdSave", 4135, 5400, 1000, 495);
    row("cmdExit", 5425, 5400, 1000, 495);
}

void TestEditorWindow::controlsStandWhereTheTwipsPutThem()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    EditorSession session;
    QVERIFY(session.opened());
    const QWidget* control = session.ed().findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(control->geometry(),
             QRect(twipsToPixels(twips.x()), twipsToPixels(twips.y()),
                   twipsToPixels(twips.width()), twipsToPixels(twips.height())));
    QVERIFY(session.ed().rect().contains(control->geometry()));
}

void TestEditorWindow::optionCaptionsAreThePieceNames()
{
    EditorSession session;
    QVERIFY(session.opened());
    const QStringList names = {"Ordrane",   "Belvik",    "Tessamor",  "Kirrow",    "Dunmale",
                               "Pellick",   "Soldier A", "Soldier B", "Soldier C", "Soldier D"};
    for (int i = 0; i < kPieceCount; ++i)
        QCOMPARE(session.ed().optPieces[i]->text(), names[i]);
    QCOMPARE(session.ed().optBlank->text(), QStringLiteral("Blank"));
    QCOMPARE(session.ed().cmdPrev->text(), QStringLiteral("Prev"));
    QCOMPARE(session.ed().cmdNext->text(), QStringLiteral("Next"));
    QCOMPARE(session.ed().cmdClear->text(), QStringLiteral("Clear"));
    QCOMPARE(session.ed().cmdSave->text(), QStringLiteral("Save"));
    QCOMPARE(session.ed().cmdExit->text(), QStringLiteral("Exit"));
}

void TestEditorWindow::swatchesHoldThePieceColours()
{
    EditorSession session;
    QVERIFY(session.opened());
    const QList<QColor> colours = {{255, 0, 255}, {128, 0, 0},   {255, 255, 0}, {255, 255, 255},
                                   {0, 0, 255},   {0, 0, 0},     {255, 0, 0},   {0, 255, 0},
                                   {0, 255, 255}, {0, 128, 0}};
    for (int i = 0; i < kPieceCount; ++i)
        QCOMPARE(pieceColour(session.ed(), i), colours[i]);
    QCOMPARE(blankColour(session.ed()), QColor(192, 192, 192));
}

void TestEditorWindow::opensOnLevelOneWithTheFirstPieceChosenAndFocused()
{
    LevelTable levels = sampleLevels();
    levels[0].name = fitLevelName("Easy");
    EditorSession session(levels);
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    QCOMPARE(ed.draft().curLevel(), 0);
    QCOMPARE(ed.lblLevelNum->text(), QStringLiteral("Level: 1"));
    QCOMPARE(ed.txtLevelName->text(), QStringLiteral("Easy      "));
    QCOMPARE(ed.selPiece, 0);
    QVERIFY(ed.optPieces[0]->isChecked());
    QTRY_COMPARE(QApplication::focusWidget(), ed.optPieces[0]);
    QCOMPARE(ed.draft().levels(), levels);
}

void TestEditorWindow::tabVisitsTheControlsInTheirOrder()
{
    EditorSession session;
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();

    // The declared order, as the focus chain holds it; the grid, which
    // takes the keyboard, comes after it.
    QList<QWidget*> expected(ed.optPieces.begin(), ed.optPieces.end());
    expected << ed.optBlank << ed.txtLevelName << ed.cmdPrev << ed.cmdNext << ed.cmdSave
             << ed.cmdExit << ed.cmdClear << ed.picGrid;
    QList<QWidget*> chain;
    QWidget* w = ed.optPieces[0];
    do {
        if (expected.contains(w))
            chain << w;
        w = w->nextInFocusChain();
    } while (w != ed.optPieces[0]);
    QCOMPARE(chain, expected);

    // The option buttons are one stop: Tab leaves the group for the name box.
    QTRY_COMPARE(QApplication::focusWidget(), ed.optPieces[0]);
    const QList<QWidget*> stops = {ed.txtLevelName, ed.cmdPrev, ed.cmdNext, ed.cmdSave,
                                   ed.cmdExit,      ed.cmdClear, ed.picGrid, ed.optPieces[0]};
    for (QWidget* stop : stops) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), stop);
    }
}

void TestEditorWindow::shiftTabComesBackToTheChosenOption()
{
    EditorSession session;
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    click(ed.lblColor[6]);
    click(ed.txtLevelName);
    QCOMPARE(QApplication::focusWidget(), ed.txtLevelName);
    QTest::keyClick(ed.txtLevelName, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), ed.optPieces[6]);
    QCOMPARE(ed.selPiece, 6);
}

void TestEditorWindow::nameBoxTakesAtMostTenCharacters()
{
    EditorSession session;
    QVERIFY(session.opened());
    QLineEdit* box = session.ed().txtLevelName;
    QCOMPARE(box->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(box->font().pointSizeF(), 12.0);
    typeName(session.ed(), "Abcdefghijk");
    QCOMPARE(box->text(), QStringLiteral("Abcdefghij"));
}

void TestEditorWindow::levelIsShownCellByCellInThePieceColours()
{
    EditorSession session;
    QVERIFY(session.opened());
    const frmLevelEd& ed = session.ed();
    QCOMPARE(ed.draft().board().grid, classicGrid());
    QCOMPARE(colourMismatch(ed), QString());
    QCOMPARE(cellColour(ed, 1, 4), QColor(192, 192, 192));
    QCOMPARE(cellColour(ed, 0, 0), QColor(255, 255, 0));
    const Positions stored = classicStart();
    for (int i = 0; i < kPieceCount; ++i) {
        QCOMPARE(ed.draft().board().pieces[i].col, columnOf(stored[i]));
        QCOMPARE(ed.draft().board().pieces[i].row, rowOf(stored[i]));
    }
}

void TestEditorWindow::overlappingStoredPiecesShowTheHigherIndex()
{
    LevelTable levels = sampleLevels();
    // Piece 0 in the top-left corner, a soldier on its lower-right cell and
    // the wide piece across its top row.
    levels[0].positions = {0, 0, 20, 3, 22, 23, 11, 32, 40, 43};
    EditorSession session(levels);
    QVERIFY(session.opened());
    const frmLevelEd& ed = session.ed();
    QCOMPARE(cellAt(ed, 0, 0), 1);
    QCOMPARE(cellAt(ed, 1, 0), 1);
    QCOMPARE(cellAt(ed, 0, 1), 0);
    QCOMPARE(cellAt(ed, 1, 1), 6);
    QCOMPARE(cellColour(ed, 0, 0), pieceColour(ed, 1));
    QCOMPARE(cellColour(ed, 0, 1), pieceColour(ed, 0));
    QCOMPARE(cellColour(ed, 1, 1), pieceColour(ed, 6));
}

void TestEditorWindow::nameIsShownWithItsTrailingSpaces()
{
    LevelTable levels = sampleLevels();
    levels[0].name = QStringLiteral("  Two  Sp ");
    levels[1].name = QString(kNameLength, QChar(0));  // never named
    EditorSession session(levels);
    QVERIFY(session.opened());
    QCOMPARE(session.ed().txtLevelName->text(), QStringLiteral("  Two  Sp "));
    click(session.ed().cmdNext);
    QCOMPARE(session.ed().txtLevelName->text(), QString());
}

void TestEditorWindow::storedPieceThatDoesNotFitIsShownOffTheBoard_data()
{
    QTest::addColumn<int>("piece");
    QTest::addColumn<int>("value");
    QTest::newRow("square in column 3") << 0 << 13;
    QTest::newRow("square in row 4") << 0 << 41;
    QTest::newRow("wide in column 3") << 1 << 23;
    QTest::newRow("tall in row 4") << 3 << 43;
    QTest::newRow("single in column 4") << 8 << 44;
    QTest::newRow("single in row 5") << 9 << 53;
    QTest::newRow("far below the board") << 6 << 32767;
    QTest::newRow("negative") << 7 << -1;
    QTest::newRow("negative row") << 2 << -20;
    QTest::newRow("most negative") << 5 << -32768;
}

void TestEditorWindow::storedPieceThatDoesNotFitIsShownOffTheBoard()
{
    QFETCH(int, piece);
    QFETCH(int, value);
    LevelTable levels = sampleLevels();
    levels[0].positions[piece] = static_cast<int16_t>(value);
    EditorSession session(levels);
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();

    QCOMPARE(ed.draft().board().pieces[piece].col, -1);
    QCOMPARE(ed.draft().board().pieces[piece].row, -1);
    QCOMPARE(ed.draft().board().grid, classicGridWithout(piece));
    for (const auto* label : ed.lblGrid)
        QVERIFY(colourOf(label) != pieceColour(ed, piece));
    QVERIFY(session.dialogs.messages.isEmpty());

    // Only looked at, the piece keeps its stored value.
    click(ed.cmdNext);
    click(ed.cmdPrev);
    click(ed.cmdSave);
    QCOMPARE(session.fileBytes(), session.original);
    QCOMPARE(ed.draft().board().pieces[piece].col, -1);

    // The level can be mended: the piece goes back to its classic place.
    const int16_t home = classicStart()[piece];
    click(ed.lblColor[piece]);
    clickCell(ed, columnOf(home), rowOf(home));
    QCOMPARE(ed.draft().board().grid, classicGrid());
    click(ed.cmdSave);
    QCOMPARE(decodeLevelTable(session.fileBytes())[0].positions, classicStart());
}

void TestEditorWindow::shortFileGivesClearedLevels()
{
    // Ten records; the other sixty read as never named, every piece at 0.
    const QByteArray ten = encodeLevelTable(sampleLevels()).left(10 * kLevelRecordSize);
    EditorSession session(ten);
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    click(ed.cmdPrev);
    QCOMPARE(ed.lblLevelNum->text(), QStringLiteral("Level: 70"));
    QCOMPARE(ed.txtLevelName->text(), QString());
    QCOMPARE(cellAt(ed, 0, 0), 9);
    QCOMPARE(cellAt(ed, 1, 1), 0);
    QCOMPARE(session.dialogs.messages.size(), 0);
}

// The controls' outline: the room they take together.
QRect controlsRect(const QWidget& window)
{
    QRect all;
    for (const QWidget* control : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        all |= control->geometry();
    return all;
}

void TestEditorWindow::edgesScaleTheGridAndTheSwatches_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<int>("size");
    QTest::newRow("usual") << QSize(446, 430) << 10;
    QTest::newRow("a little larger") << QSize(480, 450) << 10;
    QTest::newRow("twice") << QSize(892, 790) << 20;
    QTest::newRow("wider than high") << QSize(1300, 790) << 20;
    QTest::newRow("higher than wide") << QSize(669, 1000) << 15;
}

void TestEditorWindow::edgesScaleTheGridAndTheSwatches()
{
    QFETCH(QSize, window);
    QFETCH(int, size);
    EditorSession session;
    frmLevelEd& ed = session.ed();
    const QRect usual = controlsRect(ed);
    ed.show();
    ed.resize(window);
    QCOMPARE(ed.sizing->size(), size);
    // The controls at that size stand centred in the window.
    const QSize client = scaledClientSize(QSize(446, 360), 70, size);
    const QPoint origin((ed.width() - client.width()) / 2, (ed.height() - client.height()) / 2);
    const auto scaled = [size](int from, int to) { return scaledLength(to, size) - scaledLength(from, size); };
    QCOMPARE(ed.lblGrid[0]->geometry(), QRect(origin + QPoint(scaledLength(8, size), scaledLength(8, size)),
                                              QSize(scaled(8, 55), scaled(8, 55))));
    QCOMPARE(ed.lblColor[9]->geometry().size(), QSize(scaled(216, 289), scaled(296, 317)));
    // Texts and buttons keep their height.
    QCOMPARE(ed.txtLevelName->height(), 41);
    QCOMPARE(ed.cmdSave->height(), 33);
    const QRect all = controlsRect(ed);
    QCOMPARE(all.left(), origin.x() + scaledLength(usual.left(), size));
    QVERIFY(ed.rect().contains(all));
}

void TestEditorWindow::smallerSizesKeepTheTextsClearOfTheButtons()
{
    EditorSession session;
    frmLevelEd& ed = session.ed();
    const QList<QWidget*> strip = {ed.cmdPrev, ed.cmdNext, ed.cmdClear, ed.cmdSave, ed.cmdExit, ed.lblVerdict};
    for (int size = kSmallestBoardSize; size < kUsualBoardSize; ++size) {
        ed.sizing->SetSize(size);
        QCOMPARE(ed.sizing->size(), size);
        for (const QWidget* control : strip)
            QVERIFY2(!control->geometry().intersects(ed.txtLevelName->geometry()), qPrintable(QString::number(size)));
        QVERIFY(ed.rect().contains(controlsRect(ed)));
        if (size < 7)
            continue;
        // Where there is room for them, no two texts or buttons meet.
        QList<QWidget*> texts = strip;
        texts << ed.txtLevelName << ed.lblLevelNum << ed.optBlank;
        texts << QList<QWidget*>(ed.optPieces.begin(), ed.optPieces.end());
        for (qsizetype a = 0; a < texts.size(); ++a) {
            for (qsizetype b = a + 1; b < texts.size(); ++b)
                QVERIFY2(!texts[a]->geometry().intersects(texts[b]->geometry()),
                         qPrintable(QStringLiteral("%1 %2 %3").arg(size).arg(texts[a]->objectName(), texts[b]->objectName())));
        }
    }
}

QTEST_MAIN(TestEditorWindow)
#include "test_editor_window.moc"
