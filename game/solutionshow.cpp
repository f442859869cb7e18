#include "game/solutionshow.h"

#include "game/frmMain.h"
#include "model/motion.h"
#include "model/spoken.h"
#include "ui/userdialogs.h"

#include <QApplication>
#include <QKeyEvent>

namespace quill {
namespace {

bool modifierOnly(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
        return true;
    default:
        return false;
    }
}

}  // namespace

SolutionShow::SolutionShow(frmMain& window, GameSession& session, QString motionFile)
    : QObject(&window),
      window_(window),
      session_(session),
      motionFile_(std::move(motionFile)),
      glide_(new SlideAnimation(window.picBoard))
{
    pause_.setSingleShot(true);
    pause_.setInterval(450);
    connect(&pause_, &QTimer::timeout, this, &SolutionShow::Next);
    connect(glide_, &SlideAnimation::finished, this, &SolutionShow::Landed);
    glides_ = readSlidesGlide(motionFile_);
    glide_->setMsPerCell(glides_ ? msPerCell_ : 0);
    qApp->installEventFilter(this);
    // The board and its glide go before this object when the window is
    // destroyed, and the events of that destruction still pass the filter.
    connect(window.picBoard, &QObject::destroyed, this, [this] { qApp->removeEventFilter(this); });
}

SolutionShow::~SolutionShow()
{
    qApp->removeEventFilter(this);
}

void SolutionShow::setPace(int msPerCell, int pauseMs)
{
    msPerCell_ = msPerCell;
    glide_->setMsPerCell(glides_ ? msPerCell_ : 0);
    pause_.setInterval(pauseMs);
}

void SolutionShow::SetGlides(bool glides)
{
    glides_ = glides;
    glide_->setMsPerCell(glides_ ? msPerCell_ : 0);
    // The setting is a comfort: a file that cannot be written only costs it
    // at the next start.
    writeSlidesGlide(motionFile_, glides);
}

void SolutionShow::Start()
{
    Stop();
    if (!session_.StartSolution()) {
        window_.FinishInput({});
        userDialogs().message(&window_, tr("Quillmere - Show Solution"), hintMessage(std::nullopt),
                              UserDialogs::Icon::Information, UserDialogs::Buttons::Ok,
                              UserDialogs::Place::ClearOfOwner);
        return;
    }
    on_ = true;
    window_.FinishInput({});
    Next();
}

void SolutionShow::Stop()
{
    pause_.stop();
    session_.StopSolution();
    const bool wasOn = on_;
    on_ = false;
    glide_->Finish();
    if (wasOn)
        window_.FinishInput({});
}

void SolutionShow::Next()
{
    const Positions before = session_.board().PiecePositions();
    const GameSession::Outcome outcome = session_.PlaySolutionSlide();
    if (!outcome.handled) {
        Stop();
        return;
    }
    Present(before, outcome);
}

void SolutionShow::Present(const Positions& before, const GameSession::Outcome& outcome)
{
    pendingWin_ = outcome.won;
    GameSession::Outcome drawn = outcome;
    drawn.won = false;
    window_.FinishInput(drawn);
    const Positions after = session_.board().PiecePositions();
    for (int16_t piece = 0; piece < kPieceCount; ++piece) {
        if (before[piece] != after[piece]) {
            glide_->Glide(piece, {columnOf(before[piece]), rowOf(before[piece])},
                          {columnOf(after[piece]), rowOf(after[piece])});
            return;
        }
    }
    Landed();
}

void SolutionShow::Landed()
{
    if (pendingWin_) {
        pendingWin_ = false;
        on_ = false;
        window_.FinishInput({true, false, true});
    } else if (on_ && session_.showingSolution()) {
        pause_.start();
    } else if (on_) {
        Stop();
    }
}

bool SolutionShow::TakeOver(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType())
        return false;
    const auto* widget = static_cast<const QWidget*>(watched);
    const bool mouse = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (mouse && widget != window_.picBoard && !window_.picBoard->isAncestorOf(widget))
        return false;
    if (!mouse
        && (event->type() != QEvent::KeyPress || widget->window() != &window_
            || modifierOnly(static_cast<const QKeyEvent*>(event)->key())))
        return false;
    const bool wasOn = on_;
    Stop();
    // A press on a picture that was gliding would grab it where it no
    // longer stands; a key after a mere glide of Undo or Redo acts.
    return mouse || wasOn || !session_.playing();
}

bool SolutionShow::eventFilter(QObject* watched, QEvent* event)
{
    if ((on_ || glide_->running()) && TakeOver(watched, event))
        return true;
    return QObject::eventFilter(watched, event);
}

}  // namespace quill
