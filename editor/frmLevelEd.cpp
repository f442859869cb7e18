#include "editor/frmLevelEd.h"

#include "editor/editorsize.h"
#include "model/programfolder.h"
#include "model/spoken.h"
#include "model/rounding.h"
#include "ui/buttonkeys.h"
#include "ui/filemessages.h"
#include "ui/uistyle.h"
#include "ui/userdialogs.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

namespace quill {
namespace {

// The swatch colours are the editor's own: the game draws pictures instead.
constexpr std::array<QRgb, kPieceCount> kSwatchColours = {
    qRgb(255, 0, 255), qRgb(128, 0, 0), qRgb(255, 255, 0), qRgb(255, 255, 255), qRgb(0, 0, 255),
    qRgb(0, 0, 0),     qRgb(255, 0, 0), qRgb(0, 255, 0),   qRgb(0, 255, 255),   qRgb(0, 128, 0),
};
constexpr QRgb kBlankColour = qRgb(192, 192, 192);
constexpr QRgb kFaceColour = qRgb(192, 192, 192);


void setBackground(QWidget* control, const QColor& colour)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, colour);
    control->setPalette(palette);
}

// The three lines of a failed file operation: what failed, the path and
// the system's number and text.
QString fileErrorText(const QString& attempted, const FileStatus& status)
{
    return fileErrorMessage(attempted, status.path, status);
}

}  // namespace

std::unique_ptr<frmLevelEd> frmLevelEd::load(const QString& programFolder)
{
    return load(DataFolders::forProgram(programFolder));
}

std::unique_ptr<frmLevelEd> frmLevelEd::load(const DataFolders& folders)
{
    std::unique_ptr<frmLevelEd> form(new frmLevelEd(folders));
    if (!form->Form_Load())
        return nullptr;
    return form;
}

frmLevelEd::frmLevelEd(const DataFolders& folders)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                           | Qt::WindowCloseButtonHint),
      folders_(folders)
{
    BuildControls();
}

frmLevelEd::~frmLevelEd() = default;

void frmLevelEd::BuildControls()
{
    setObjectName(QStringLiteral("frmLevelEd"));
    setWindowTitle(tr("Quillmere Level Editor"));
    // The client area of 6690 x 6090 twips for the controls, grown by the verdict line.
    setFixedSize(twipsToPixels(6690), twipsToPixels(6450));
    setFont(msSansSerif(8));

    QPalette face = palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button})
        face.setColor(role, QColor(kFaceColour));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText})
        face.setColor(role, Qt::black);
    setPalette(face);
    setAutoFillBackground(true);

    auto colourLabel = [this](const QString& name, const QColor& colour) {
        auto* label = new ClickLabel(this);
        label->setObjectName(name);
        label->setAutoFillBackground(true);
        // A sunken edge keeps blank cells and the blank swatch visible on
        // the window's own grey.
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
        setBackground(label, colour);
        return label;
    };

    for (int k = 0; k < kCellCount; ++k) {
        lblGrid[k] = colourLabel(QStringLiteral("lblGrid(%1)").arg(k), QColor(kBlankColour));
        placeTwips(lblGrid[k], 120 + 720 * (k % kColumns), 120 + 720 * (k / kColumns), 705, 705);
        connect(lblGrid[k], &ClickLabel::clicked, this,
                [this, k] { lblGrid_Click(static_cast<int16_t>(k)); });
    }

    selection_ = new QButtonGroup(this);
    selection_->setExclusive(true);
    for (int i = 0; i < kPieceCount; ++i) {
        lblColor[i] = colourLabel(QStringLiteral("lblColor(%1)").arg(i), QColor(kSwatchColours[i]));
        placeTwips(lblColor[i], 3240, 120 + 480 * i, 1095, 315);
        connect(lblColor[i], &ClickLabel::clicked, this,
                [this, i] { lblColor_Click(static_cast<int16_t>(i)); });

        optPieces[i] = new QRadioButton(pieceEditorName(i), this);
        optPieces[i]->setObjectName(QStringLiteral("optPieces(%1)").arg(i));
        placeTwips(optPieces[i], 4440, 120 + 480 * i, 1935, 315);
        selection_->addButton(optPieces[i], i);
        connect(optPieces[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                optPieces_Click(static_cast<int16_t>(i));
        });
    }

    lblBlank = colourLabel(QStringLiteral("lblBlank"), QColor(kBlankColour));
    placeTwips(lblBlank, 3240, 4920, 1095, 315);
    connect(lblBlank, &ClickLabel::clicked, this, &frmLevelEd::lblBlank_Click);

    optBlank = new QRadioButton(tr("Blank"), this);
    optBlank->setObjectName(QStringLiteral("optBlank"));
    placeTwips(optBlank, 4440, 4920, 1935, 315);
    selection_->addButton(optBlank, kPieceCount);
    connect(optBlank, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            optBlank_Click();
    });

    lblLevelNum = new QLabel(this);
    lblLevelNum->setObjectName(QStringLiteral("lblLevelNum"));
    lblLevelNum->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblLevelNum->setTextFormat(Qt::PlainText);
    placeTwips(lblLevelNum, 120, 3960, 2895, 375);

    txtLevelName = new QLineEdit(this);
    txtLevelName->setObjectName(QStringLiteral("txtLevelName"));
    txtLevelName->setFont(msSansSerif(12));
    txtLevelName->setMaxLength(kNameLength);
    QPalette text = txtLevelName->palette();
    text.setColor(QPalette::Base, Qt::white);
    text.setColor(QPalette::Text, Qt::black);
    txtLevelName->setPalette(text);
    placeTwips(txtLevelName, 120, 4560, 2895, 615);
    connect(txtLevelName, &QLineEdit::textChanged, this, [this](const QString& text) { draft_.SetNameText(text); });

    auto button = [this](const char* name, const QString& caption, int left) {
        auto* command = new QPushButton(caption, this);
        command->setObjectName(QLatin1String(name));
        command->setAutoDefault(false);
        placeTwips(command, left, 5400, 1000, 495);
        return command;
    };
    cmdPrev = button("cmdPrev", tr("Prev"), 265);
    cmdNext = button("cmdNext", tr("Next"), 1555);
    cmdClear = button("cmdClear", tr("Clear"), 2845);
    cmdSave = button("cmdSave", tr("Save"), 4135);
    cmdExit = button("cmdExit", tr("Exit"), 5425);
    connect(cmdPrev, &QPushButton::clicked, this, &frmLevelEd::cmdPrev_Click);
    connect(cmdNext, &QPushButton::clicked, this, &frmLevelEd::cmdNext_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmLevelEd::cmdClear_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmLevelEd::cmdSave_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmLevelEd::cmdExit_Click);

    lblVerdict = new QLabel(this);
    lblVerdict->setObjectName(QStringLiteral("lblVerdict"));
    lblVerdict->setTextFormat(Qt::PlainText);
    lblVerdict->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblVerdict->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    placeTwips(lblVerdict, 120, 6000, 6450, 375);

    // The cell labels stand 720 twips apart (48 pixels).
    picGrid = new GridCursor(this, QRect(twipsToPixels(120), twipsToPixels(120), 4 * twipsToPixels(720),
                                         5 * twipsToPixels(720)),
                             twipsToPixels(720));
    picGrid->setAccessibleName(tr("Grid"));
    picGrid->setAccessibleDescription(
        tr("Arrow keys move the cell cursor; Space places the chosen piece there, or with "
           "Blank chosen takes off the piece that covers the cell."));
    connect(picGrid, &GridCursor::activated, this,
            [this](int cell) { lblGrid_Click(static_cast<int16_t>(cell)); });
    connect(picGrid, &GridCursor::moved, this, [this](int) { DescribeGridCursor(); });
    for (int i = 0; i < kPieceCount; ++i)
        lblColor[i]->setAccessibleName(tr("Choose %1").arg(optPieces[i]->text()));
    lblBlank->setAccessibleName(tr("Choose Blank"));

    // The controls in their order first; the grid after them.
    QList<QWidget*> tabOrder(optPieces.begin(), optPieces.end());
    tabOrder << optBlank << txtLevelName << cmdPrev << cmdNext << cmdSave << cmdExit << cmdClear << picGrid;
    for (qsizetype k = 1; k < tabOrder.size(); ++k)
        setTabOrder(tabOrder[k - 1], tabOrder[k]);

    QList<QWidget*> growing(lblGrid.begin(), lblGrid.end());
    growing << QList<QWidget*>(lblColor.begin(), lblColor.end()) << lblBlank << picGrid;
    sizing = new EditorSize(this, growing);
}

bool frmLevelEd::Form_Load()
{
    levelPath_ = folders_.levelFileToRead(QString::fromLatin1(kEditorLevelFileName));
    LevelTable levels;
    const FileStatus status = readLevelFile(levelPath_, levels);
    if (!status.ok()) {
        userDialogs().message(nullptr, tr("Quillmere Level Editor - Error"),
                              fileErrorText(tr("An error has occurred while attempting loading data file"), status),
                              UserDialogs::Icon::Critical, UserDialogs::Buttons::Ok);
        return false;
    }
    draft_.Load(levels);
    ShowLevel();
    // The first control of the tab order starts focused and chosen.
    optPieces[0]->setChecked(true);
    optPieces[0]->setFocus();
    return true;
}

void frmLevelEd::cmdNext_Click()
{
    draft_.Next();
    ShowLevel();
}

void frmLevelEd::cmdPrev_Click()
{
    draft_.Prev();
    ShowLevel();
}

void frmLevelEd::cmdSave_Click()
{
    SaveLevels();
}

bool frmLevelEd::SaveLevels()
{
    draft_.StoreLevel();
    QString written;
    const FileStatus status =
        folders_.writeLevelCollection(QString::fromLatin1(kEditorLevelFileName), draft_.levels(), written);
    // Every edit is still in memory, so the user can mend the cause and save again.
    if (!status.ok()) {
        userDialogs().message(this, tr("Quillmere Level Editor - Saving Error"),
                              fileErrorText(tr("An error has occurred while attempting saving data file"), status),
                              UserDialogs::Icon::Critical, UserDialogs::Buttons::Ok);
        return false;
    }
    levelPath_ = written;
    draft_.Saved();
    return true;
}

void frmLevelEd::closeEvent(QCloseEvent* event)
{
    if (draft_.HasUnsavedChanges()) {
        const UserDialogs::Answer answer = userDialogs().message(
            this, tr("Quillmere Level Editor - Exit"), tr("Save the changes to the levels before closing?"),
            UserDialogs::Icon::Question, UserDialogs::Buttons::YesNoCancel);
        if (answer == UserDialogs::Answer::Cancel || (answer == UserDialogs::Answer::Yes && !SaveLevels())) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void frmLevelEd::keyPressEvent(QKeyEvent* event)
{
    if (!pressFocusedButton(this, event))
        QWidget::keyPressEvent(event);
}

void frmLevelEd::cmdClear_Click()
{
    draft_.ClearBoard();
    ShowBoardState();
}

void frmLevelEd::cmdExit_Click()
{
    close();
}

void frmLevelEd::optPieces_Click(int16_t index)
{
    selPiece = index;
}

void frmLevelEd::optBlank_Click()
{
    selPiece = LevelDraft::kBlank;
}

void frmLevelEd::lblColor_Click(int16_t index)
{
    optPieces[index]->setChecked(true);
    optPieces[index]->setFocus();
    optPieces_Click(index);
}

void frmLevelEd::lblBlank_Click()
{
    optBlank->setChecked(true);
    optBlank->setFocus();
    optBlank_Click();
}

void frmLevelEd::lblGrid_Click(int16_t index)
{
    if (draft_.ClickCell(selPiece, static_cast<int16_t>(index % kColumns), static_cast<int16_t>(index / kColumns)))
        ShowBoardState();
}

void frmLevelEd::ShowLevel()
{
    txtLevelName->setText(draft_.shownName());
    txtLevelName->setCursorPosition(0);
    ShowLevelNumber();
    ShowBoardState();
}

void frmLevelEd::ShowLevelNumber()
{
    lblLevelNum->setText(tr("Level: %1").arg(draft_.curLevel() + 1));
}

QString frmLevelEd::CellText(int cell) const
{
    const int16_t piece = draft_.board().cell(cell % kColumns, cell / kColumns);
    return tr("%1: %2").arg(spokenCell(cell % kColumns, cell / kColumns),
                            piece < 0 ? tr("empty") : optPieces[piece]->text());
}

void frmLevelEd::ShowBoardState()
{
    for (int k = 0; k < kCellCount; ++k) {
        const int16_t piece = draft_.board().cell(k % kColumns, k / kColumns);
        const QColor colour(piece < 0 ? kBlankColour : kSwatchColours[piece]);
        if (lblGrid[k]->palette().color(QPalette::Window) != colour)
            setBackground(lblGrid[k], colour);
        const QString name = CellText(k);
        if (lblGrid[k]->accessibleName() != name)
            lblGrid[k]->setAccessibleName(name);
    }
    lblVerdict->setText(draft_.Verdict());
    DescribeGridCursor();
}

void frmLevelEd::DescribeGridCursor()
{
    const QString name = tr("Grid, %1").arg(CellText(picGrid->cell()));
    if (picGrid->accessibleName() != name)
        picGrid->setAccessibleName(name);
}

}  // namespace quill
