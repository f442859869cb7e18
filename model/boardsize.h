#pragma once

#include "model/fileio.h"

#include <QSize>
#include <QString>
#include <optional>

namespace quill {

// How large the player has the board drawn, in tenths of its usual size.
// Every picture and place of the board is a multiple of 10 board pixels, so
// at any tenth each of them, and every cell edge, lies on whole pixels.
inline constexpr int kUsualBoardSize = 10;
inline constexpr int kSmallestBoardSize = 4;
inline constexpr int kLargestBoardSize = 80;

// The game window's client area at the usual size: the board's part, which
// grows with the board, and the status line's strip below it, which keeps
// its height so that its text keeps its room.
inline constexpr QSize kUsualBoardArea(408, 376);
inline constexpr int kStatusStripPx = 29;

inline double boardZoom(int size)
{
    return size / double(kUsualBoardSize);
}

// `length` board pixels at `size`, rounded to whole pixels.
int scaledLength(double length, int size);

// A window of a part that grows with the size (`growing` at the usual size)
// above a strip of `strip` pixels that does not: its client area at `size`.
QSize scaledClientSize(QSize growing, int strip, int size);
// The largest size at which that client area fits in `room`; never below
// kSmallestBoardSize nor above kLargestBoardSize.
int fittingSize(QSize growing, int strip, QSize room);

// The client area of the game window with the board at `size`.
QSize boardClientSize(int size);
int fittingBoardSize(QSize room);

// The sizes a screen offers, from the usual size (or the largest that fits
// where the usual one does not) up to the largest that fits.
struct BoardSizeRange {
    int smallest = kUsualBoardSize;
    int largest = kUsualBoardSize;

    int clamped(int size) const { return size < smallest ? smallest : size > largest ? largest : size; }
};
BoardSizeRange boardSizesFor(QSize room);
BoardSizeRange sizesFor(QSize growing, int strip, QSize room);

// The steps of Zoom In and Zoom Out: the next size up or down the ladder,
// kept within `range`; `size` itself at either end.
int largerBoardSize(int size, const BoardSizeRange& range);
int smallerBoardSize(int size, const BoardSizeRange& range);

// A pointer `shownPx` pixels into a picture shown at `size`, in board pixels.
inline double boardPixelsOf(double shownPx, int size)
{
    return shownPx / boardZoom(size);
}

// The file that remembers the player's size: one line with the size in
// percent of the usual one ("150" and CR LF). Nothing when the file is
// missing or holds anything else.
inline constexpr char kBoardSizeFileName[] = "qlmsize.ini";
std::optional<int> readBoardSizeFile(const QString& path);
FileStatus writeBoardSizeFile(const QString& path, int size);

}  // namespace quill
