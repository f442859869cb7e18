#include "game/frmMain.h"

#include "game/frmAbout.h"
#include "game/frmFile.h"
#include "game/frmLevel.h"
#include "game/frmProgress.h"
#include "game/gamename.h"
#include "game/placement.h"
#include "game/skin/productpictures.h"
#include "game/skin/skinlayout.h"
#include "model/codepage.h"
#include "model/programfolder.h"
#include "model/progress.h"
#include "model/rounding.h"
#include "model/savedgame.h"
#include "model/settings.h"
#include "model/spoken.h"
#include "ui/filemessages.h"
#include "ui/uistyle.h"
#include "ui/userdialogs.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPushButton>
#include <QMenuBar>
#include <QMouseEvent>
#include <QUrl>

namespace quill {
namespace {

constexpr int kClientWidthTwips = 6120;
constexpr int kClientHeightTwips = 6075;
constexpr char kSaveQuestion[] = "Would you like to save the current game?";

using Icon = UserDialogs::Icon;
using Buttons = UserDialogs::Buttons;
using Answer = UserDialogs::Answer;

}  // namespace

frmMain::frmMain(const DataFolders& folders, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      folders_(folders)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quillmere"));
    setWindowIcon(programIcon());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("picBoard"));
    setClientSizeTwips(client, kClientWidthTwips, kClientHeightTwips);
    setCentralWidget(client);
    picBoard = client;
    picBoard->setFocusPolicy(Qt::StrongFocus);
    picBoard->setAccessibleName(QStringLiteral("Board"));
    picBoard->installEventFilter(this);

    imgUpFrame = makeImage("imgUpFrame");
    imgLeftFrame = makeImage("imgLeftFrame");
    imgRightFrame = makeImage("imgRightFrame");
    imgExit = makeImage("imgExit");
    imgTitle = makeImage("imgTitle");
    for (int i = 0; i < kPieceCount; ++i) {
        imgPieces[i] = makeImage("imgPieces");
        imgPieces[i]->setProperty("Index", i);
        imgPieces[i]->installEventFilter(this);
    }
    imgCong = makeImage("imgCong");
    picMarks = new BoardMarksView(client);
    picMarks->setGeometry(client->rect());

    lblStatus = new QLabel(client);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblSteps = new QLabel(client);
    lblSteps->setObjectName(QStringLiteral("lblSteps"));
    placeTwips(lblStatus, 120, 5640, 2895, 375);
    placeTwips(lblSteps, 3000, 5640, 3015, 375);
    for (QLabel* label : {lblStatus, lblSteps}) {
        // Level names come from files: shown exactly as stored, never as markup.
        label->setTextFormat(Qt::PlainText);
        label->setFont(msSansSerif(9.75));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuNewGame = mnuFile->addAction(QStringLiteral("&New Game"), this, &frmMain::mnuNewGame_Click);
    mnuLoadGame = mnuFile->addAction(QStringLiteral("&Load Game"), this, &frmMain::mnuLoadGame_Click);
    mnuSaveGame = mnuFile->addAction(QStringLiteral("&Save Game"), this, &frmMain::mnuSaveGame_Click);
    mnuFile->addSeparator();
    mnuSetSkin = mnuFile->addAction(QStringLiteral("Set S&kin"), this, &frmMain::mnuSetSkin_Click);
    mnuFile->addSeparator();
    mnuExit = mnuFile->addAction(QStringLiteral("E&xit"), this, &frmMain::mnuExit_Click);
    mnuGame = menuBar()->addMenu(QStringLiteral("&Game"));
    mnuUndo = mnuGame->addAction(QStringLiteral("&Undo"), this, &frmMain::mnuUndo_Click);
    mnuUndo->setShortcut(QKeySequence::Undo);
    mnuRedo = mnuGame->addAction(QStringLiteral("&Redo"), this, &frmMain::mnuRedo_Click);
    mnuRedo->setShortcut(QKeySequence::Redo);
    mnuGame->addSeparator();
    mnuRestart = mnuGame->addAction(QStringLiteral("Re&start Level"), this, &frmMain::mnuRestart_Click);
    mnuGame->addSeparator();
    mnuHint = mnuGame->addAction(QStringLiteral("&Hint"), this, &frmMain::mnuHint_Click);
    mnuProgress = mnuGame->addAction(QStringLiteral("&Progress..."), this, &frmMain::mnuProgress_Click);
    mnuGame->setObjectName(QStringLiteral("mnuGame"));
    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHTP = mnuHelp->addAction(QStringLiteral("H&ow to Play"), this, &frmMain::mnuHTP_Click);
    mnuHelp->addSeparator();
    mnuAbout = mnuHelp->addAction(QStringLiteral("&About"), this, &frmMain::mnuAbout_Click);
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));

    // The window keeps the size of its client area and menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    describedAt_.fill({-1, -1});
    EnableGameMenu();
}

QLabel* frmMain::makeImage(const char* name)
{
    auto* image = new QLabel(centralWidget());
    image->setObjectName(QLatin1String(name));
    image->setScaledContents(false);
    image->hide();
    return image;
}

bool frmMain::Form_Load()
{
    show();
    centreOnScreen(this);
    mnuSaveGame->setEnabled(false);
    ReadSettings();
    HideBoard();
    LoadLevels();
    if (loadFailed_)
        return false;
    if (!ApplySkin(absFilename))
        return false;
    steps = 0;
    gameChanged = false;
    return true;
}

void frmMain::ReadSettings()
{
    QString value;
    readSettingsFile(folders_.writtenFile(QLatin1String(kSettingsFileName)), value);
    // A settings file that cannot be read leaves the default skin.
    absFilename = value.isEmpty() ? QString::fromLatin1(kDefaultSkin) : value;
}

void frmMain::LoadLevels()
{
    const QString path = folders_.levelFileToRead(QLatin1String(kGameLevelFileName));
    const FileStatus status = readLevelFile(path, levels, ReadLock::BlockWriters);
    if (status.ok())
        return;
    loadFailed_ = true;
    userDialogs().message(this, QStringLiteral("Quillmere - Error"),
                          fileErrorMessage(QStringLiteral("An error has occurred while attempting loading data file"),
                                           joinPath(QFileInfo(path).path(), QLatin1String(kLevelFileShownName)),
                                           status),
                          Icon::Critical, Buttons::Ok);
    forceClose_ = true;
    close();
}

bool frmMain::ApplySkin(const QString& fileName)
{
    QString error;
    const std::optional<PictureClip> clip =
        fileName.isEmpty() ? std::nullopt : loadSkin(folders_.skinPath(fileName), devicePixelRatioF(), &error);
    bool cut = clip.has_value();
    std::array<QPixmap, kSkinLayout.size()> pictures;
    for (std::size_t i = 0; cut && i < kSkinLayout.size(); ++i) {
        const std::optional<QPixmap> piece = clip->clip(kSkinLayout[i].rect);
        if (piece)
            pictures[i] = *piece;
        cut = piece.has_value();
    }
    if (!cut) {
        EndAfterSkinFailure(fileName);
        return false;
    }

    piclipSkin = *clip;
    for (std::size_t i = 0; i < kSkinLayout.size(); ++i) {
        const SkinCut& cutRect = kSkinLayout[i];
        QLabel* target = nullptr;
        switch (cutRect.target) {
        case SkinTarget::UpFrame: target = imgUpFrame; break;
        case SkinTarget::LeftFrame: target = imgLeftFrame; break;
        case SkinTarget::RightFrame: target = imgRightFrame; break;
        case SkinTarget::ExitFrame: target = imgExit; break;
        case SkinTarget::Title: target = imgTitle; break;
        case SkinTarget::Congratulation: target = imgCong; break;
        case SkinTarget::Piece: target = imgPieces[cutRect.piece]; break;
        }
        target->setPixmap(pictures[i]);
        target->resize(cutRect.rect.size());
    }
    picMarks->setPiecePictures(imgPieces);
    // The setting can only be remembered where the folder is writable, and
    // for a name the settings file's code page can hold; the game itself
    // does not depend on it.
    if (codepage::canEncode(fileName))
        writeSettingsFile(folders_.writtenFile(QLatin1String(kSettingsFileName)), fileName);
    return true;
}

void frmMain::EndAfterSkinFailure(const QString& fileName)
{
    userDialogs().message(this, QStringLiteral("Quillmere - ERROR"),
                          QStringLiteral("An error has occurred while attempting to load picture \n")
                              + displayPath(folders_.skinPath(fileName))
                              + QStringLiteral("\nMake sure the picture exists and is of a correct format."),
                          Icon::Critical, Buttons::Ok);
    loadFailed_ = true;
    forceClose_ = true;
    close();
}

void frmMain::HideBoard()
{
    picMarks->hide();
    for (QLabel* piece : imgPieces)
        piece->hide();
    for (QLabel* image : {imgUpFrame, imgLeftFrame, imgRightFrame, imgExit, imgTitle, imgCong})
        image->hide();
}

void frmMain::ShowBoard()
{
    for (QLabel* piece : imgPieces)
        piece->show();
    for (QLabel* image : {imgUpFrame, imgLeftFrame, imgRightFrame, imgExit, imgTitle})
        image->show();
    picMarks->show();
    picMarks->raise();
    picBoard->setFocus();
}

void frmMain::ShowCongratulation()
{
    const QSize client = centralWidget()->size();
    imgCong->move(static_cast<int>(halveRounded(client.width() - imgCong->width())),
                  static_cast<int>(halveRounded(client.height() - imgCong->height())));
    imgCong->show();
    imgCong->raise();
    gameChanged = false;
    mnuSaveGame->setEnabled(false);
}

void frmMain::ShowAlternativePictures()
{
    if (const std::optional<QPixmap> square = piclipSkin.clip(kAltSquareRect)) {
        imgPieces[0]->setPixmap(*square);
        imgPieces[0]->resize(kAltSquareRect.size());
    }
    if (const std::optional<QPixmap> single = piclipSkin.clip(kAltSingleRect)) {
        for (int i = 6; i <= 9; ++i) {
            imgPieces[i]->setPixmap(*single);
            imgPieces[i]->resize(kAltSingleRect.size());
        }
    }
    picMarks->setPiecePictures(imgPieces);
}

void frmMain::LayoutFrames()
{
    imgUpFrame->move(10, 10);
    imgLeftFrame->move(10, 30);
    imgRightFrame->move(270, 30);
    imgExit->move(10, 330);
    imgTitle->move(310, 10);
}

void frmMain::MovePicture(int16_t piece, int16_t col, int16_t row)
{
    imgPieces[piece]->move(pieceLeftPx(col), pieceTopPx(row));
}

void frmMain::PlaceBoard()
{
    board.PlacePieces();
    LayoutFrames();
    for (int16_t i = 0; i < kPieceCount; ++i)
        MovePicture(i, board.pieces[i].col, board.pieces[i].row);
}

void frmMain::UpdateStatus()
{
    lblStatus->setText(QStringLiteral("Level: ") + QString::number(levelIndex + 1)
                       + QStringLiteral(" - ") + levels[levelIndex].name);
    lblSteps->setText(QStringLiteral("Steps: ") + QString::number(steps));
}

void frmMain::DrawPieces()
{
    for (int16_t i = 0; i < kPieceCount; ++i) {
        const PieceDrag::Cell cell = session.pictureCell(i);
        MovePicture(i, cell.col, cell.row);
    }
}

void frmMain::StartPosition(int16_t level, const Positions& positions, int32_t startSteps)
{
    session.Start(level, positions, startSteps);
    PlaceBoard();
    ShowBoard();
    UpdateStatus();
    ShowGameState();
}

void frmMain::ShowGameState()
{
    DrawPieces();
    ShowMarks();
    DescribeBoard();
    EnableGameMenu();
}

void frmMain::ShowMarks()
{
    picMarks->setMarks(boardMarksOf(session));
}

void frmMain::DescribeBoard()
{
    // Words are made only for what changed: a drag moves one picture, and
    // where pieces can slide changes only with the board.
    const bool boardChanged = describedGrid_ != board.grid;
    for (int16_t i = 0; i < kPieceCount; ++i) {
        const PieceDrag::Cell cell = session.pictureCell(i);
        if (!(describedAt_[i] == cell)) {
            const QString name = spokenPiece(i, cell.col, cell.row);
            if (imgPieces[i]->accessibleName() != name)
                imgPieces[i]->setAccessibleName(name);
            describedAt_[i] = cell;
        }
        if (boardChanged)
            imgPieces[i]->setAccessibleDescription(spokenFreeWays(board, i));
    }
    describedGrid_ = board.grid;
    const SpokenText spoken = spokenBoard(session);
    if (picBoard->accessibleName() != spoken.name)
        picBoard->setAccessibleName(spoken.name);
    if (picBoard->accessibleDescription() != spoken.description)
        picBoard->setAccessibleDescription(spoken.description);
}

void frmMain::EnableGameMenu()
{
    mnuUndo->setEnabled(session.canUndo());
    mnuRedo->setEnabled(session.canRedo());
    mnuRestart->setEnabled(session.state() != GameSession::State::NoGame);
    mnuHint->setEnabled(session.playing());
}

void frmMain::NewGame()
{
    if (!OfferToSave(QStringLiteral("Quillmere - New Game")))
        return;
    frmLevel chooser(this, newLevel);
    for (int k = 0; k < kLevelCount; ++k) {
        chooser.lisLevel->addItem(QStringLiteral("Level ") + QString::number(k + 1)
                                  + QStringLiteral(" - ") + levels[k].name);
    }
    chooser.lisLevel->setCurrentRow(-1);
    chooser.exec();
    if (newLevel < 0 || newLevel >= kLevelCount)
        return;
    StartLevel(newLevel);
}

void frmMain::StartLevel(int16_t index)
{
    if (!LevelPlayable(index))
        return;
    imgCong->hide();
    mnuSaveGame->setEnabled(true);
    StartPosition(index, levels[index].positions, 0);
}

bool frmMain::LevelPlayable(int16_t index)
{
    const Positions& positions = levels[index].positions;
    const int misplaced = firstMisplacedPiece(positions);
    if (misplaced < 0)
        return true;
    userDialogs().message(this, QStringLiteral("Quillmere - Error"),
                          QStringLiteral("Level %1 cannot be played because piece %2 has no place "
                                         "on the board at position value %3.")
                              .arg(index + 1)
                              .arg(misplaced)
                              .arg(positions[misplaced]),
                          Icon::Exclamation, Buttons::Ok);
    return false;
}

bool frmMain::SaveFileExists(const QString& name) const
{
    const QString fileName = name + QLatin1String(kSavedGameExtension);
    return entryKind(folders_.savedFolder(), fileName) == EntryKind::File;
}

void frmMain::SaveGame()
{
    const std::optional<QString> entered =
        AskGameName(this, [this](const QString& name) { return SaveFileExists(name); });
    if (!entered)
        return;

    SavedGame record;
    record.steps = steps;
    record.level = levelIndex;
    record.name = levels[levelIndex].name;
    record.positions = board.PiecePositions();

    const QString fileName = *entered + QLatin1String(kSavedGameExtension);
    const QString shownPath = joinPath(joinPath(folders_.writeFolder(), QLatin1String(kSavedFolderName)), fileName);
    const FileStatus status = writeSavedGame(resolvePath(folders_.savedFolder(), fileName), record);
    if (!status.ok()) {
        userDialogs().message(this, QStringLiteral("Quillmere - Saving Error"),
                              QStringLiteral("An error occurred while attempting saving game data\n")
                                  + displayPath(shownPath) + QStringLiteral("\nGame not saved."),
                              Icon::Critical, Buttons::Ok);
        return;
    }
    gameChanged = false;
}

void frmMain::mnuNewGame_Click()
{
    NewGame();
}

void frmMain::mnuSaveGame_Click()
{
    SaveGame();
}

void frmMain::mnuLoadGame_Click()
{
    if (!OfferToSave(QStringLiteral("Quillmere - Load game")))
        return;
    gameChanged = false;

    {
        frmFile chooser(this, absFilename);
        chooser.bytFlag = 1;
        chooser.setWindowTitle(QStringLiteral("Load Game"));
        chooser.cmdSet->setText(QStringLiteral("Load Game"));
        chooser.setFolder(folders_.savedFolder());
        chooser.setPattern(QStringLiteral("*.sav"));
        chooser.exec();
    }
    if (absFilename.isEmpty())
        return;

    SavedGame record;
    QString problem;
    if (!loadSavedGame(absFilename, record, problem)) {
        userDialogs().message(this, QStringLiteral("Quillmere - Error"),
                              QStringLiteral("An error has occurred while attempting loading saved game\n")
                                  + displayPath(absFilename) + QLatin1Char('\n') + problem,
                              Icon::Critical, Buttons::Ok);
        return;
    }
    imgCong->hide();
    levels[record.level].name = record.name;
    mnuSaveGame->setEnabled(true);
    StartPosition(record.level, record.positions, record.steps);
}

void frmMain::mnuSetSkin_Click()
{
    {
        frmFile chooser(this, absFilename);
        chooser.bytFlag = 2;
        chooser.setWindowTitle(QStringLiteral("Load Skin"));
        chooser.cmdSet->setText(QStringLiteral("Set Skin"));
        chooser.setFolders(folders_.skinFolders());
        chooser.setPattern(QLatin1String(kSkinPattern));
        chooser.exec();
    }
    if (absFilename.isEmpty() || !ApplySkin(absFilename))
        return;
    if (!codepage::canEncode(absFilename)) {
        userDialogs().message(this, QStringLiteral("Quillmere - Set Skin"),
                              QStringLiteral("The skin ") + absFilename
                                  + QStringLiteral(" is in use now, but it cannot be remembered for the "
                                                   "next start: its name has characters that the "
                                                   "settings file cannot hold.\n"
                                                   "Rename the picture to keep it as your skin."),
                              Icon::Information, Buttons::Ok);
    }
}

void frmMain::mnuExit_Click()
{
    close();
}

void frmMain::mnuHTP_Click()
{
    const QString path = resolvePath(folders_.programFolder(), QStringLiteral("qlm.html"));
    // A missing page is a failure of its own: opening it would only show
    // the browser's error.
    const bool opened = QFileInfo(path).isFile() && userDialogs().open(QUrl::fromLocalFile(path));
    if (!opened) {
        userDialogs().message(this, QStringLiteral("Quillmere - Help"),
                              QStringLiteral("Unable to open ") + displayPath(folders_.programFolder())
                                  + QDir::separator() + QStringLiteral("qlm.html automatically.\n")
                                  + QStringLiteral("Please open the file manually."),
                              Icon::Information, Buttons::Ok);
    }
}

void frmMain::mnuAbout_Click()
{
    frmAbout about(this);
    about.exec();
}

bool frmMain::OfferToSave(const QString& title)
{
    if (!gameChanged)
        return true;
    const Answer answer = userDialogs().message(this, title, QLatin1String(kSaveQuestion),
                                                Icon::Question, Buttons::YesNoCancel);
    if (answer == Answer::Cancel)
        return false;
    if (answer == Answer::Yes)
        mnuSaveGame_Click();
    return true;
}

bool frmMain::Form_QueryUnload()
{
    return OfferToSave(QStringLiteral("Quillmere - Exit"));
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (!Form_QueryUnload() && !forceClose_) {
        event->ignore();
        return;
    }
    ended_ = true;
    event->accept();
}

void frmMain::SetPointer(PointerShape shape)
{
    switch (shape) {
    case PointerShape::Move: setCursor(Qt::SizeAllCursor); break;
    case PointerShape::NoDrop: setCursor(Qt::ForbiddenCursor); break;
    case PointerShape::Default: unsetCursor(); break;
    }
}

void frmMain::imgPieces_MouseDown(int16_t index, Qt::MouseButton button, double x, double y)
{
    if (button != Qt::LeftButton)
        return;
    const QLabel* picture = imgPieces[index];
    session.MousePress(index, picture->x(), picture->y(), x, y);
    ShowGameState();
    SetPointer(PointerShape::Move);
}

void frmMain::imgPieces_MouseMove(int16_t, double x, double y)
{
    if (!session.drag.dragging)
        return;
    const QLabel* picture = imgPieces[session.drag.dragPiece];
    const PieceDrag::MoveResult result = session.MouseMove(picture->x(), picture->y(), x, y);
    if (!result.handled)
        return;
    if (result.pictureMoved)
        ShowGameState();
    SetPointer(result.pointer);
}

void frmMain::imgPieces_MouseUp(int16_t, Qt::MouseButton button, double x, double y)
{
    if (button != Qt::LeftButton)
        return;
    const QLabel* picture = imgPieces[session.drag.dragPiece];
    const GameSession::Outcome outcome = session.MouseRelease(picture->x(), picture->y(), x, y);
    if (!outcome.handled)
        return;
    SetPointer(PointerShape::Default);
    FinishInput(outcome);
}

void frmMain::FinishInput(const GameSession::Outcome& outcome)
{
    ShowGameState();
    if (outcome.committed)
        UpdateStatus();
    if (outcome.won)
        WinSequence();
}

bool frmMain::picBoard_KeyDown(int key, Qt::KeyboardModifiers shift)
{
    if (shift & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const std::optional<GameSession::Key> action = GameSession::keyFor(key);
    if (!action || !session.playing())
        return false;
    FinishInput(session.PressKey(*action));
    return true;
}

void frmMain::mnuUndo_Click()
{
    FinishInput(session.Undo());
}

void frmMain::mnuRedo_Click()
{
    FinishInput(session.Redo());
}

void frmMain::mnuRestart_Click()
{
    if (session.state() == GameSession::State::NoGame)
        return;
    if (OfferToSave(QStringLiteral("Quillmere - Restart Level")))
        StartLevel(levelIndex);
}

void frmMain::mnuHint_Click()
{
    const std::optional<GameSession::Hint> hint = session.FindHint();
    ShowGameState();
    userDialogs().message(this, QStringLiteral("Quillmere - Hint"), hintMessage(hint), Icon::Information,
                          Buttons::Ok);
}

void frmMain::mnuProgress_Click()
{
    if (!verdicts_)
        verdicts_ = judgeLevels(levels);
    frmProgress progress(this, levels, *verdicts_, readProgressFile(progressPath()));
    progress.exec();
}

QString frmMain::progressPath() const
{
    return folders_.writtenFile(QLatin1String(kProgressFileName));
}

void frmMain::RecordWin()
{
    // A record that cannot be read or written never stands in the way of play.
    Progress progress = readProgressFile(progressPath());
    if (progress.noteWin(levelIndex, levels[levelIndex].positions, steps))
        writeProgressFile(progressPath(), progress);
}

void frmMain::WinSequence()
{
    HideBoard();
    ShowCongratulation();
    session.Win();
    RecordWin();
    ShowGameState();
    userDialogs().message(this, QStringLiteral("Quillmere - Congratulations"),
                          QStringLiteral("Congratulations!! You finished the game in ")
                              + QString::number(steps) + QStringLiteral(" steps."),
                          Icon::Exclamation, Buttons::Ok);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picBoard && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (picBoard_KeyDown(key->key(), key->modifiers()))
            return true;
        return QMainWindow::eventFilter(watched, event);
    }
    auto* picture = qobject_cast<QLabel*>(watched);
    const QVariant index = picture ? picture->property("Index") : QVariant();
    if (!index.isValid())
        return QMainWindow::eventFilter(watched, event);
    const auto piece = static_cast<int16_t>(index.toInt());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        imgPieces_MouseDown(piece, mouse->button(), mouse->position().x(), mouse->position().y());
        return true;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        imgPieces_MouseMove(piece, mouse->position().x(), mouse->position().y());
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        imgPieces_MouseUp(piece, mouse->button(), mouse->position().x(), mouse->position().y());
        return true;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace quill
