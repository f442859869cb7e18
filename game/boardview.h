#pragma once

#include "game/boardmarks.h"
#include "game/skin/pictureclip.h"
#include "model/gamesession.h"

#include <QPointF>
#include <QWidget>
#include <array>
#include <optional>

class QLabel;

namespace quill {

// The board on the main window's client area: the sixteen pictures cut
// from the skin, standing where the game has its pieces, the marks of
// hints and of the keyboard over them, and what a screen reader is told of
// them. It draws a GameSession and keeps no game state of its own.
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
    // Makes the pictures again from the skin file for another device pixel
    // ratio (the window moved to another screen, or its scaling changed),
    // keeping the alternative pictures if they are shown. When the file
    // cannot be loaded any more, the pictures stay as they are.
    void RenewForRatio(qreal ratio);
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
    // Stands the picture of `piece` with its top-left corner at `boardPixels`,
    // in the board's own pixels (those of pieceLeftPx and pieceTopPx), between
    // cells while it glides. The next Draw puts it back on its cell.
    void PlacePieceAt(int16_t piece, QPointF boardPixels);
    void ShowStatus(const GameSession& session);

signals:
    // The mouse on the picture of a piece, in pixels inside the picture.
    void pieceMouseDown(int16_t piece, Qt::MouseButton button, QPointF at);
    void pieceMouseMove(int16_t piece, QPointF at);
    void pieceMouseUp(int16_t piece, Qt::MouseButton button, QPointF at);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool CutSkin(const PictureClip& skin);
    void RenewForScreen();
    void WatchScreen();
    int16_t pieceOf(const QObject* object) const;
    QLabel* makeImage(const char* name);
    void Describe(const GameSession& session);

    QString skinPath_;
    bool alternativeShown_ = false;
    // What the piece pictures were last described with.
    std::optional<decltype(Board::grid)> describedGrid_;
    std::array<PieceDrag::Cell, kPieceCount> describedAt_{};
};

}  // namespace quill
