#pragma once

#include "model/gamesession.h"

#include <QRect>
#include <QWidget>
#include <optional>

namespace quill {

// What is marked on the board, in pixels of the game window's client area.
struct BoardMarks {
    std::optional<QRect> hintPiece;   // the piece a hint says to slide
    std::optional<QRect> hintTarget;  // the cells where it should end
    std::optional<QRect> selection;   // the keyboard's selection frame
    bool held = false;                // the selected piece is picked up

    bool operator==(const BoardMarks&) const = default;
};

// The marks of the game as it stands: the hint on show, and the keyboard's
// selection frame once the keyboard has been used.
BoardMarks boardMarksOf(const GameSession& session);

// A see-through layer over the board pictures that draws the marks. Each
// mark is a light band between dark edges, so that it stands out on light
// and on dark skins alike; the mouse goes through it to the pictures.
class BoardMarksView : public QWidget {
    Q_OBJECT

public:
    explicit BoardMarksView(QWidget* parent);

    const BoardMarks& marks() const { return marks_; }
    void setMarks(const BoardMarks& marks);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    BoardMarks marks_;
};

}  // namespace quill
