#pragma once

#include "model/gamesession.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>
#include <array>
#include <optional>

class QLabel;

namespace quill {

// What is marked on the board, in pixels of the game window's client area.
struct BoardMarks {
    std::optional<QRect> hintPiece;   // the piece a hint says to slide
    std::optional<QRect> hintTarget;  // the cells where it should end
    int hintIndex = -1;               // which piece that is
    std::optional<QRect> selection;   // the keyboard's selection frame
    bool held = false;                // the selected piece is picked up

    bool operator==(const BoardMarks&) const = default;
};

// The marks of the game as it stands: the hint on show, and the keyboard's
// selection frame once the keyboard has been used.
BoardMarks boardMarksOf(const GameSession& session);

// A see-through layer over the board pictures that draws the marks in the
// screen's own pixels. Each mark is a light band between dark edges, so
// that it stands out on light and on dark skins alike; the hint takes the
// one of its two colours that the pictures under it are less like. The
// keyboard's frame lies inside the hint's band where both mark one piece.
// The mouse goes through the layer to the pictures.
class BoardMarksView : public QWidget {
    Q_OBJECT

public:
    explicit BoardMarksView(QWidget* parent);

    const BoardMarks& marks() const { return marks_; }
    // `zoom`: the board's size as a multiple of the usual one, which the
    // marks' bands and hatching grow with.
    void setMarks(const BoardMarks& marks, double zoom = 1.0);

    // The pictures the marks lie on, taken from the piece images whenever
    // they get new pictures; empty cells show the window's background.
    void setPiecePictures(const std::array<QLabel*, kPieceCount>& pieces, double zoom = 1.0);

    // The colour the hint is drawn in now.
    QColor hintColour() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    BoardMarks marks_;
    double zoom_ = 1.0;
    // For each piece picture and each hint colour, the share of the
    // picture's edge that looks like that colour.
    std::array<std::array<double, 2>, kPieceCount> likeness_{};
};

}  // namespace quill
