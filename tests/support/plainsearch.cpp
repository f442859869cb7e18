#include "tests/support/plainsearch.h"

#include <deque>
#include <set>
#include <utility>

namespace quill::test {

Board placed(const Positions& positions)
{
    Board board;
    board.ClearGrid();
    board.SetPiecePositions(positions);
    board.PlacePieces();
    return board;
}

std::string shapeKey(const Board& board)
{
    std::string key;
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < kColumns; ++col) {
            const int16_t piece = board.grid[row][col];
            if (piece < 0) {
                key += '.';
                continue;
            }
            const char letter = "swtx"[static_cast<int>(shapeOf(piece).shapeClass)];
            const bool topLeft = board.pieces[piece].col == col && board.pieces[piece].row == row;
            key += topLeft ? char(letter - 'a' + 'A') : letter;
        }
    return key;
}

std::vector<Positions> plainNeighbours(const Positions& positions, Metric metric)
{
    const Board board = placed(positions);
    std::vector<Positions> result;
    const int directions[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (int16_t piece = 0; piece < kPieceCount; ++piece) {
        const int16_t col = columnOf(positions[piece]);
        const int16_t row = rowOf(positions[piece]);
        if (metric == Metric::AnyPath) {
            // Every cell the piece reaches by one-cell slides while the others stand still.
            Board scratch = board;
            scratch.UnmarkPiece(piece, col, row);
            std::set<std::pair<int, int>> seen = {{col, row}};
            std::deque<std::pair<int, int>> open = {{col, row}};
            while (!open.empty()) {
                const auto [c, r] = open.front();
                open.pop_front();
                for (const auto& d : directions) {
                    const int16_t nc = static_cast<int16_t>(c + d[0]);
                    const int16_t nr = static_cast<int16_t>(r + d[1]);
                    if (!topLeftAllowed(piece, nc, nr) || seen.count({nc, nr}))
                        continue;
                    const bool free = d[1] == 0 ? scratch.HorizontalPathFree(piece, c, nc, nr)
                                                : scratch.VerticalPathFree(piece, r, nr, nc);
                    if (!free)
                        continue;
                    seen.insert({nc, nr});
                    open.push_back({nc, nr});
                    Positions next = positions;
                    next[piece] = positionValue(nc, nr);
                    result.push_back(next);
                }
            }
            continue;
        }
        for (const auto& d : directions) {
            for (int distance = 1;; ++distance) {
                const int nc = col + d[0] * distance, nr = row + d[1] * distance;
                if (!topLeftAllowed(piece, nc, nr))
                    break;
                const bool free = d[1] == 0 ? board.HorizontalPathFree(piece, col, nc, row)
                                            : board.VerticalPathFree(piece, row, nr, col);
                if (!free)
                    break;
                Positions next = positions;
                next[piece] = positionValue(nc, nr);
                result.push_back(next);
                if (metric == Metric::SingleCells)
                    break;
            }
        }
    }
    return result;
}

PlainResult plainSearch(const std::vector<Positions>& starts, Metric metric, bool stopAtGoal)
{
    PlainResult result;
    std::unordered_map<std::string, int>& depth = result.depth;
    std::deque<Positions> open;
    for (const Positions& start : starts)
        if (depth.emplace(shapeKey(placed(start)), 0).second)
            open.push_back(start);
    while (!open.empty()) {
        const Positions current = open.front();
        open.pop_front();
        const Board board = placed(current);
        const int d = depth[shapeKey(board)];
        if (board.IsSolved() && result.steps < 0) {
            result.steps = d;
            if (stopAtGoal)
                break;
        }
        for (const Positions& next : plainNeighbours(current, metric)) {
            if (depth.emplace(shapeKey(placed(next)), d + 1).second)
                open.push_back(next);
        }
    }
    result.reached = static_cast<int>(depth.size());
    return result;
}

PlainResult plainSearch(const Positions& start, Metric metric, bool stopAtGoal)
{
    return plainSearch(std::vector<Positions>{start}, metric, stopAtGoal);
}

}  // namespace quill::test
