#pragma once

#include "model/drag.h"

#include <QObject>
#include <QVariantAnimation>

namespace quill {

class BoardView;

// A piece picture gliding in a straight line from one cell to another at an
// even speed, while the game already stands on the slide's end. Only the
// picture moves; finishing early snaps it to its cell.
class SlideAnimation : public QObject {
    Q_OBJECT

public:
    explicit SlideAnimation(BoardView* view);

    // How long a glide takes for each cell it crosses; 0 makes slides jump.
    void setMsPerCell(int ms) { msPerCell_ = ms; }
    int msPerCell() const { return msPerCell_; }

    // Glides the picture of `piece` from the top-left cell `from` to `to`,
    // finishing a glide under way first. `finished` follows at the end, at
    // once when there is nothing to glide.
    void Glide(int16_t piece, PieceDrag::Cell from, PieceDrag::Cell to);
    // Puts the gliding picture on its cell and ends the glide.
    void Finish();
    bool running() const { return piece_ >= 0; }

signals:
    void finished();

private:
    void Place(const QVariant& at);

    BoardView* view_;
    QVariantAnimation motion_;
    int msPerCell_ = 90;
    int16_t piece_ = -1;
};

}  // namespace quill
