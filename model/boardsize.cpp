#include "model/boardsize.h"

#include "model/rounding.h"

#include <algorithm>
#include <array>

namespace quill {
namespace {

constexpr std::array<int, 20> kLadder = {4, 5, 6, 7, 8, 9, 10, 12, 14, 16, 18, 20, 25, 30, 35, 40, 50, 60, 70, 80};

}  // namespace

int scaledLength(double length, int size)
{
    return static_cast<int>(roundHalfEven(length * size / kUsualBoardSize));
}

QSize scaledClientSize(QSize growing, int strip, int size)
{
    return {scaledLength(growing.width(), size), scaledLength(growing.height(), size) + strip};
}

QSize boardClientSize(int size)
{
    return scaledClientSize(kUsualBoardArea, kStatusStripPx, size);
}

int fittingBoardSize(QSize room)
{
    return fittingSize(kUsualBoardArea, kStatusStripPx, room);
}

int fittingSize(QSize growing, int strip, QSize room)
{
    int size = kSmallestBoardSize;
    while (size < kLargestBoardSize) {
        const QSize next = scaledClientSize(growing, strip, size + 1);
        if (next.width() > room.width() || next.height() > room.height())
            break;
        ++size;
    }
    return size;
}

BoardSizeRange boardSizesFor(QSize room)
{
    return sizesFor(kUsualBoardArea, kStatusStripPx, room);
}

BoardSizeRange sizesFor(QSize growing, int strip, QSize room)
{
    const int fits = fittingSize(growing, strip, room);
    return {std::min(kUsualBoardSize, fits), std::max(fits, std::min(kUsualBoardSize, fits))};
}

int largerBoardSize(int size, const BoardSizeRange& range)
{
    const auto next = std::upper_bound(kLadder.begin(), kLadder.end(), size);
    return range.clamped(next == kLadder.end() ? size : std::max(size, std::min(*next, range.largest)));
}

int smallerBoardSize(int size, const BoardSizeRange& range)
{
    const auto next = std::lower_bound(kLadder.begin(), kLadder.end(), size);
    return range.clamped(next == kLadder.begin() ? size : std::min(size, std::max(*(next - 1), range.smallest)));
}

std::optional<int> readBoardSizeFile(const QString& path)
{
    QByteArray bytes;
    if (!readFileStart(path, 64, bytes).ok())
        return std::nullopt;
    bool ok = false;
    const int percent = bytes.trimmed().toInt(&ok);
    if (!ok || percent % 10 != 0 || percent / 10 < kSmallestBoardSize || percent / 10 > kLargestBoardSize)
        return std::nullopt;
    return percent / 10;
}

FileStatus writeBoardSizeFile(const QString& path, int size)
{
    return writeWholeFile(path, QByteArray::number(size * 10) + "\r\n");
}

}  // namespace quill
