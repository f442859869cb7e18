#pragma once

#include "game/slideanimation.h"
#include "model/gamesession.h"

#include <QObject>
#include <QString>
#include <QTimer>

namespace quill {

class frmMain;

// Show Solution on the main window: the pace of the slides the game plays
// (a glide, then a pause, then the next), the glide of Undo and Redo, and
// the player taking over with any click on the board or any key. The game
// itself stands whole in the session at every moment; only pictures glide.
class SolutionShow : public QObject {
    Q_OBJECT

public:
    // `motionFile` keeps whether slides glide or jump.
    SolutionShow(frmMain& window, GameSession& session, QString motionFile);
    ~SolutionShow() override;

    // The show is on: slides are being played or the last one glides.
    bool running() const { return on_; }
    // Starts the show from the board, or tells that the level cannot be
    // finished from here.
    void Start();
    // Ends the show and any glide at once, every picture on its cell; a
    // slide that won has its win.
    void Stop();
    // Draws what an input did, the piece that moved gliding from where it
    // stood in `before`; a win follows the glide.
    void Present(const Positions& before, const GameSession::Outcome& outcome);

    bool glides() const { return glides_; }
    // Slides glide or jump from now on; remembered for the next start.
    void SetGlides(bool glides);
    // The glide's time for each cell and the pause between shown slides.
    void setPace(int msPerCell, int pauseMs);
    SlideAnimation& glide() { return *glide_; }
    QTimer& pause() { return pause_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Next();
    void Landed();
    // True when the input ended a show or a glide and is spent on that.
    bool TakeOver(QObject* watched, QEvent* event);

    frmMain& window_;
    GameSession& session_;
    QString motionFile_;
    SlideAnimation* glide_;
    QTimer pause_;
    int msPerCell_ = 120;
    bool glides_ = true;
    bool on_ = false;
    bool pendingWin_ = false;
};

}  // namespace quill
