#pragma once

#include "model/board.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace quill::test {

// A board with `positions` put on it the way the game does.
Board placed(const Positions& positions);

// Same-shaped pieces alike: each cell shows the class of its piece, upper
// case on the piece's top-left cell.
std::string shapeKey(const Board& board);

enum class Metric { Slides, SingleCells, AnyPath };

// The positions one step away in `metric`, found with the board's own
// slide tests, one cell at a time.
std::vector<Positions> plainNeighbours(const Positions& positions, Metric metric);

struct PlainResult {
    int steps = -1;     // to the nearest solved position, -1 when none is reached
    int reached = 0;    // positions seen, same-shaped pieces alike
    std::unordered_map<std::string, int> depth;  // steps from the nearest start, by shape key
};

// Breadth first over real positions from all `starts` at once, with a
// position seen once per shape key. With stopAtGoal false it goes on
// through everything the starts reach. Knows nothing of the solver.
PlainResult plainSearch(const std::vector<Positions>& starts, Metric metric, bool stopAtGoal = true);
PlainResult plainSearch(const Positions& start, Metric metric, bool stopAtGoal = true);

}  // namespace quill::test
