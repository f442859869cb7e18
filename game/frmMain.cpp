#include "game/frmMain.h"

#include "game/frmAbout.h"
#include "game/frmFile.h"
#include "game/boardzoom.h"
#include "game/frmLevel.h"
#include "game/frmProgress.h"
#include "game/frmRandom.h"
#include "game/gamefiles.h"
#include "game/howtoplay.h"
#include "game/placement.h"
#include "game/solutionshow.h"
#include "game/skin/productpictures.h"
#include "game/skin/skinlayout.h"
#include "model/boardsize.h"
#include "model/codepage.h"
#include "model/motion.h"
#include "model/programfolder.h"
#include "model/progress.h"
#include "model/rounding.h"
#include "model/settings.h"
#include "model/spoken.h"
#include "ui/filemessages.h"
#include "ui/uistyle.h"
#include "ui/userdialogs.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

namespace quill {
namespace {

constexpr int kClientWidthTwips = 6120;
constexpr int kClientHeightTwips = 6075;

using Icon = UserDialogs::Icon;
using Buttons = UserDialogs::Buttons;
using Answer = UserDialogs::Answer;

}  // namespace

frmMain::frmMain(const DataFolders& folders, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                              | Qt::WindowCloseButtonHint),
      folders_(folders),
      session_(folders.writtenFile(QLatin1String(kProgressFileName)))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Quillmere"));
    setWindowIcon(programIcon());

    picBoard = new BoardView(this);
    picBoard->resize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));
    setCentralWidget(picBoard);
    picBoard->installEventFilter(this);
    connect(picBoard, &BoardView::pieceMouseDown, this, &frmMain::imgPieces_MouseDown);
    connect(picBoard, &BoardView::pieceMouseMove, this, &frmMain::imgPieces_MouseMove);
    connect(picBoard, &BoardView::pieceMouseUp, this, &frmMain::imgPieces_MouseUp);
    show_ = new SolutionShow(*this, session_, folders.writtenFile(QLatin1String(kMotionFileName)));
    BuildMenus();
    zoom = new BoardZoom(this, picBoard, folders_.writtenFile(QLatin1String(kBoardSizeFileName)),
                         mnuHelp->menuAction());
    EnableCommands();
}

void frmMain::BuildMenus()
{
    auto menu = [this](const QString& caption, const char* name) {
        QMenu* added = menuBar()->addMenu(caption);
        added->setObjectName(QLatin1String(name));
        return added;
    };
    // Every command ends a solution on show first.
    auto item = [this](QMenu* menu, const QString& caption, void (frmMain::*handler)()) {
        return menu->addAction(caption, this, [this, handler] {
            show_->Stop();
            (this->*handler)();
        });
    };
    mnuFile = menu(tr("&File", "menu bar"), "mnuFile");
    mnuNewGame = item(mnuFile, tr("&New Game", "File menu"), &frmMain::mnuNewGame_Click);
    mnuLoadGame = item(mnuFile, tr("&Load Game", "File menu"), &frmMain::mnuLoadGame_Click);
    mnuSaveGame = item(mnuFile, tr("&Save Game", "File menu"), &frmMain::mnuSaveGame_Click);
    mnuFile->addSeparator();
    mnuSetSkin = item(mnuFile, tr("Set S&kin", "File menu"), &frmMain::mnuSetSkin_Click);
    mnuFile->addSeparator();
    mnuExit = item(mnuFile, tr("E&xit", "File menu"), &frmMain::mnuExit_Click);

    mnuGame = menu(tr("&Game", "menu bar"), "mnuGame");
    mnuUndo = item(mnuGame, tr("&Undo", "Game menu"), &frmMain::mnuUndo_Click);
    mnuUndo->setShortcut(QKeySequence::Undo);
    mnuRedo = item(mnuGame, tr("&Redo", "Game menu"), &frmMain::mnuRedo_Click);
    mnuRedo->setShortcut(QKeySequence::Redo);
    mnuGame->addSeparator();
    mnuRestart = item(mnuGame, tr("Re&start Level", "Game menu"), &frmMain::mnuRestart_Click);
    mnuRandom = item(mnuGame, tr("Ra&ndom Level...", "Game menu"), &frmMain::mnuRandom_Click);
    mnuGame->addSeparator();
    mnuHint = item(mnuGame, tr("&Hint", "Game menu"), &frmMain::mnuHint_Click);
    mnuSolution = mnuGame->addAction(tr("Show So&lution", "Game menu"), this, &frmMain::mnuSolution_Click);
    mnuSolution->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    mnuProgress = item(mnuGame, tr("&Progress...", "Game menu"), &frmMain::mnuProgress_Click);
    mnuGame->addSeparator();
    mnuAnimate = mnuGame->addAction(tr("&Animate Slides", "Game menu"));
    mnuAnimate->setCheckable(true);
    mnuAnimate->setChecked(show_->glides());
    connect(mnuAnimate, &QAction::toggled, this, &frmMain::mnuAnimate_Click);

    mnuHelp = menu(tr("&Help", "menu bar"), "mnuHelp");
    mnuHTP = item(mnuHelp, tr("H&ow to Play", "Help menu"), &frmMain::mnuHTP_Click);
    mnuHelp->addSeparator();
    mnuAbout = item(mnuHelp, tr("&About", "Help menu"), &frmMain::mnuAbout_Click);
}

bool frmMain::Form_Load(const QString& settingsSkin)
{
    show();
    zoom->Open();
    EnableCommands();
    absFilename = settingsSkin;
    picBoard->HideBoard();
    LoadLevels();
    return !ended_ && ApplySkin(absFilename);
}

void frmMain::LoadLevels()
{
    const QString path = folders_.levelFileToRead(QLatin1String(kGameLevelFileName));
    LevelTable levels;
    const FileStatus status = readLevelFile(path, levels, ReadLock::BlockWriters);
    if (status.ok()) {
        session_.SetLevels(levels);
        return;
    }
    userDialogs().message(this, tr("Quillmere - Error"),
                          fileErrorMessage(tr("An error has occurred while attempting loading data file"),
                                           joinPath(QFileInfo(path).path(), QLatin1String(kLevelFileShownName)),
                                           status),
                          Icon::Critical, Buttons::Ok);
    EndProgram();
}

bool frmMain::ApplySkin(const QString& fileName)
{
    if (fileName.isEmpty() || !picBoard->LoadSkin(folders_.skinPath(fileName))) {
        EndAfterSkinFailure(fileName);
        return false;
    }
    session_.SetSkin(fileName);
    RememberSkin(fileName);
    return true;
}

void frmMain::RememberSkin(const QString& fileName)
{
    // The setting can only be remembered for a name the settings file's
    // code page can hold; the game itself does not depend on it.
    if (codepage::canEncode(fileName))
        writeSettingsFile(folders_.writtenFile(QLatin1String(kSettingsFileName)), fileName);
}

void frmMain::EndAfterSkinFailure(const QString& fileName)
{
    userDialogs().message(this, tr("Quillmere - ERROR"),
                          tr("An error has occurred while attempting to load picture \n%1\n"
                             "Make sure the picture exists and is of a correct format.")
                              .arg(displayPath(folders_.skinPath(fileName))),
                          Icon::Critical, Buttons::Ok);
    EndProgram();
}

void frmMain::EndProgram()
{
    forceClose_ = true;
    ended_ = true;
    close();
}

void frmMain::ShowCongratulation()
{
    picBoard->ShowCongratulation();
    ShowGameState();
}

void frmMain::UpdateStatus()
{
    picBoard->ShowStatus(session_);
}

void frmMain::ShowNewPosition()
{
    picBoard->HideCongratulation();
    picBoard->PlaceBoard(session_);
    picBoard->ShowBoard();
    UpdateStatus();
    EnableCommands();
}

void frmMain::ShowGameState()
{
    picBoard->Draw(session_);
    EnableCommands();
}

void frmMain::EnableCommands()
{
    mnuSaveGame->setEnabled(session_.canSave());
    mnuUndo->setEnabled(session_.canUndo());
    mnuRedo->setEnabled(session_.canRedo());
    mnuRestart->setEnabled(session_.state() != GameSession::State::NoGame);
    mnuHint->setEnabled(session_.playing());
    mnuSolution->setEnabled(session_.playing());
    mnuSolution->setText(show_->running() ? tr("Stop So&lution", "Game menu, instead of Show So&lution") : tr("Show So&lution", "Game menu"));
}

void frmMain::NewGame()
{
    if (!OfferToSave(tr("Quillmere - New Game")))
        return;
    frmLevel(this, newLevel, session_.levels()).exec();
    if (newLevel >= 0 && newLevel < kLevelCount)
        StartLevel(newLevel);
}

void frmMain::StartLevel(int16_t index)
{
    QString refusal;
    if (session_.StartLevel(index, &refusal))
        ShowNewPosition();
    else
        userDialogs().message(this, tr("Quillmere - Error"), refusal, Icon::Exclamation, Buttons::Ok);
}

bool frmMain::SaveFileExists(const QString& name) const
{
    return pathKind(folders_.savedGameFile(name)) == EntryKind::File;
}

void frmMain::SaveGame()
{
    const std::optional<QString> entered =
        AskGameName(this, [this](const QString& name) { return SaveFileExists(name); });
    if (entered && WriteGameFile(this, folders_, *entered, session_.SavedRecord()))
        session_.SetUnchanged();
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
    if (!OfferToSave(tr("Quillmere - Load game")))
        return;
    session_.SetUnchanged();
    ChooseFile(1, tr("Load Game", "file chooser title"), tr("Load Game", "file chooser button"), {folders_.savedFolder()},
               QStringLiteral("*.sav"));
    if (absFilename.isEmpty())
        return;
    const std::optional<SavedGame> record = ReadGameFile(this, absFilename);
    if (!record)
        return;
    session_.LoadGame(*record);
    ShowNewPosition();
}

void frmMain::mnuSetSkin_Click()
{
    ChooseFile(2, tr("Load Skin", "file chooser title"), tr("Set Skin", "file chooser button"), folders_.skinFolders(),
               QLatin1String(kSkinPattern));
    if (absFilename.isEmpty() || !ApplySkin(absFilename))
        return;
    if (!codepage::canEncode(absFilename)) {
        userDialogs().message(this, tr("Quillmere - Set Skin"),
                              tr("The skin %1 is in use now, but it cannot be remembered for the "
                                 "next start: its name has characters that the "
                                 "settings file cannot hold.\n"
                                 "Rename the picture to keep it as your skin.")
                                  .arg(absFilename),
                              Icon::Information, Buttons::Ok);
    }
}

void frmMain::ChooseFile(uint8_t mode, const QString& caption, const QString& setCaption,
                         const QStringList& folders, const QString& pattern)
{
    frmFile chooser(this, absFilename);
    chooser.bytFlag = mode;
    chooser.setWindowTitle(caption);
    chooser.cmdSet->setText(setCaption);
    chooser.setFolders(folders);
    chooser.setPattern(pattern);
    chooser.exec();
}

void frmMain::mnuExit_Click()
{
    close();
}

void frmMain::mnuHTP_Click()
{
    OpenHowToPlay(this, folders_.programFolder());
}

void frmMain::mnuAbout_Click()
{
    frmAbout about(this);
    about.exec();
}

bool frmMain::OfferToSave(const QString& title)
{
    if (!session_.gameChanged())
        return true;
    const Answer answer =
        userDialogs().message(this, title, tr("Would you like to save the current game?"), Icon::Question, Buttons::YesNoCancel);
    if (answer == Answer::Cancel)
        return false;
    if (answer == Answer::Yes)
        mnuSaveGame_Click();
    return true;
}

bool frmMain::Form_QueryUnload()
{
    return OfferToSave(tr("Quillmere - Exit"));
}

void frmMain::closeEvent(QCloseEvent* event)
{
    show_->Stop();
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

void frmMain::imgPieces_MouseDown(int16_t index, Qt::MouseButton button, QPointF at)
{
    if (button != Qt::LeftButton)
        return;
    session_.MousePress(index, at.x(), at.y());
    ShowGameState();
    SetPointer(PointerShape::Move);
}

void frmMain::imgPieces_MouseMove(int16_t, QPointF at)
{
    const PieceDrag::MoveResult result = session_.MouseMove(at.x(), at.y());
    if (!result.handled)
        return;
    if (result.pictureMoved)
        ShowGameState();
    SetPointer(result.pointer);
}

void frmMain::imgPieces_MouseUp(int16_t, Qt::MouseButton button, QPointF at)
{
    if (button != Qt::LeftButton)
        return;
    const GameSession::Outcome outcome = session_.MouseRelease(at.x(), at.y());
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
    if (!action || !session_.playing())
        return false;
    FinishInput(session_.PressKey(*action));
    return true;
}

void frmMain::mnuUndo_Click()
{
    const Positions before = session_.board().PiecePositions();
    show_->Present(before, session_.Undo());
}

void frmMain::mnuRedo_Click()
{
    const Positions before = session_.board().PiecePositions();
    show_->Present(before, session_.Redo());
}

void frmMain::mnuRestart_Click()
{
    if (session_.state() == GameSession::State::NoGame)
        return;
    if (OfferToSave(tr("Quillmere - Restart Level")))
        StartLevel(session_.levelIndex());
}

void frmMain::mnuRandom_Click()
{
    if (OfferToSave(tr("Quillmere - Random Level")) && frmRandom::Play(this, session_))
        ShowNewPosition();
}

void frmMain::mnuHint_Click()
{
    const std::optional<GameSession::Hint> hint = session_.FindHint();
    ShowGameState();
    userDialogs().message(this, tr("Quillmere - Hint"), hintMessage(hint), Icon::Information,
                          Buttons::Ok, UserDialogs::Place::ClearOfOwner);
}

void frmMain::mnuSolution_Click()
{
    if (show_->running())
        show_->Stop();
    else
        show_->Start();
}

void frmMain::mnuAnimate_Click(bool checked)
{
    show_->SetGlides(checked);
}

void frmMain::mnuProgress_Click()
{
    frmProgress progress(this, session_.levels(), session_.levelVerdicts(),
                         ReadProgressRecord(this, folders_.writtenFile(QLatin1String(kProgressFileName))),
                         session_.state() == GameSession::State::NoGame ? -1 : session_.levelIndex());
    progress.exec();
}

void frmMain::WinSequence()
{
    picBoard->HideBoard();
    const FileStatus kept = session_.Win();
    ShowCongratulation();
    userDialogs().message(this, tr("Quillmere - Congratulations"),
                          tr("Congratulations!! You finished the game in %n steps.", nullptr, session_.steps()),
                          Icon::Exclamation, Buttons::Ok, UserDialogs::Place::ClearOfOwner);
    TellWinNotKept(this, kept);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picBoard && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (picBoard_KeyDown(key->key(), key->modifiers()))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace quill
