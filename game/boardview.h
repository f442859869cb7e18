#pragma once

#include "game/boardmarks.h"
#include "game/skin/pictureclip.h"
#include "model/boardsize.h"
#include "model/gamesession.h"

#include <QPointF>
#include <QRectF>
#include <QTimer>
#include <QWidget>
#include <array>
#include <optional>

class QLabel;

namespace quill {

// The board on the main window's client area: the sixteen pictures cut
// from the skin, standing where the game has its pieces, the marks of
// hints and of the keyboard over them, and what a screen reader is told of
// them. It draws a GameSession and keeps no game state of its own.
// The board is drawn at the size the player chose (tenths of the usual
// size, see model/boardsize.h), the largest that fits the view, and stands
// centred in it; its pictures are made for that size times the screen's
// device pixel ratio. Places are kept in board pixels (60 to a cell) and
// turned into the view's pixels by ShownRect alone.
class BoardView : public QWidget {
    Q_OBJECT

public:
    explicit BoardView(QWidget* parent);

    std::array<QLabel*, kPieceCount> imgPieces{};
    QLabel* imgUpFrame;
    QLabel* imgLeftFrame;
    QLabel* imgRightFrame;
    QLabel* imgExit;
    QLabel* imgTitle;
    QLabel* imgCong;
    BoardMarksView* picMarks;
    // The status line below the board: the level and the steps.
    QLabel* lblStatus;
    QLabel* lblSteps;
    // The skin picture the pictures were cut from.
    PictureClip piclipSkin;

    // Loads the skin picture file at `path` and cuts the sixteen pictures
    // out of it; places and visibility stay. False, and nothing changes,
    // when the file cannot be loaded or a rectangle of the layout reaches
    // outside the picture.
    bool LoadSkin(const QString& path);
    // Makes the pictures again from the skin picture read by LoadSkin for
    // another device pixel ratio (the window moved to another screen, or its
    // scaling changed), keeping the alternative pictures if they are shown.
    // When they cannot be made, the pictures stay as they are.
    void RenewForRatio(qreal ratio);
    // The board's size in tenths of the usual one, and the scale its
    // pictures are made for: that size times the device pixel ratio.
    int boardSize() const { return size_; }
    qreal pictureScale() const;
    // The sizes below which the view does not draw the board, whatever room
    // it has; the view asks for the client area of that size at least.
    void SetSmallestSize(int size);
    // The view's pixels of a rectangle of board pixels (the client area at
    // the usual size): the one place that turns board places into shown ones.
    QRect ShownRect(const QRectF& board) const;
    // Puts the picture of `piece` with its top-left corner at `boardPx`, in
    // board pixels (those of pieceLeftPx and pieceTopPx), between cells while
    // it glides. The next Draw puts it back on its cell.
    void PlacePiece(int16_t piece, QPointF boardPx);

    // A metafile skin takes longer to draw than a step of the window's edge
    // lasts: after a change of size its pictures are first made from its
    // last drawing, and drawn anew for the size once it has rested a moment
    // (kRedrawDelayMs), or at once by this. False when nothing waited.
    bool DrawWaitingPictures();
    static constexpr int kRedrawDelayMs = 150;

    // The skin's alternative pictures of the principal piece and the four
    // single pieces (the About box's hidden sequence).
    void ShowAlternativePictures();

    void HideBoard();
    void ShowBoard();
    // Centres the banner in the client area and shows it.
    void ShowCongratulation();
    void HideCongratulation();

    // The frames at their places and every picture where the game has it.
    void PlaceBoard(const GameSession& session);
    void LayoutFrames();
    // The pictures, the marks and their spoken names after any change.
    void Draw(const GameSession& session);
    void ShowStatus(const GameSession& session);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The board was drawn at another size, for any reason.
    void boardSizeChanged(int size);
    // The mouse on the picture of a piece, in board pixels inside the picture.
    void pieceMouseDown(int16_t piece, Qt::MouseButton button, QPointF at);
    void pieceMouseMove(int16_t piece, QPointF at);
    void pieceMouseUp(int16_t piece, Qt::MouseButton button, QPointF at);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool CutSkin(const PictureClip& skin);
    bool MakePictures(SkinPicture& skin);
    std::optional<QPixmap> Picture(const PictureClip& skin, const QRect& skinRect) const;
    void SetPicture(QLabel* target, const QPixmap& picture, const QRect& skinRect);
    // Places every picture, mark and label for the board's size and room.
    void Relayout();
    void PlaceCongratulation();
    BoardMarks ShownMarks() const;
    void RenewForScreen();
    void WatchScreen();
    int16_t pieceOf(const QObject* object) const;
    QLabel* makeImage(const char* name);
    void Describe(const GameSession& session);

    // The skin as read, kept so that a new size or ratio does not read or
    // convert the file again.
    std::optional<SkinPicture> skin_;
    QTimer redrawLater_;
    bool waiting_ = false;
    // The device pixel ratio the pictures are made for.
    qreal ratio_ = 1.0;
    int size_ = kUsualBoardSize;
    int smallest_ = kUsualBoardSize;
    QPoint origin_;
    std::array<QPointF, kPieceCount> placedAt_{};
    // The marks as last drawn, in board pixels.
    BoardMarks marks_;
    bool alternativeShown_ = false;
    // What the piece pictures were last described with.
    std::optional<decltype(Board::grid)> describedGrid_;
    std::array<PieceDrag::Cell, kPieceCount> describedAt_{};
};

}  // namespace quill
