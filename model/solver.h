#pragma once

#include "model/levelfaults.h"
#include "model/levelfile.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace quill {

// One step of a solution: piece `piece` slides from one position value to
// another along its row or its column.
struct SolutionMove {
    int16_t piece = 0;
    int16_t from = 0;
    int16_t to = 0;

    bool operator==(const SolutionMove&) const = default;
};

struct Solution {
    enum class Outcome { Solved, Unsolvable, Invalid };
    Outcome outcome = Outcome::Invalid;
    std::vector<SolutionMove> moves;  // Solved: the slides of one shortest solution
    PositionFault fault;              // Invalid: why

    int steps() const { return static_cast<int>(moves.size()); }
};

// The whole space at once: distances to the nearest solved position and
// the connected groups of positions that slides link.
struct SpaceAnalysis {
    std::vector<uint8_t> distance;   // by position index; SlideSolver::kUnsolvable when no solution
    std::vector<int32_t> group;      // by position index; groups numbered by their smallest index
    std::vector<int32_t> groupSize;  // by group
    std::vector<uint8_t> groupSolvable;  // by group: 1 when it holds a solved position
    int solvedCount = 0;
    int solvableCount = 0;
    int solvableGroupCount = 0;
    int maxDistance = 0;
    int farthestCount = 0;           // positions at maxDistance

    int groupCount() const { return static_cast<int>(groupSize.size()); }
};

// Optimal solutions in slides: one step is one piece slid any distance
// along its row or its column through free cells. The search does not tell
// same-shaped pieces apart: every legal position has one index in
// 0..positionCount()-1, and its pieces of one shape are interchangeable.
// Moves are generated from bit masks derived from the shape table when
// the solver is built.
class SlideSolver {
public:
    static constexpr uint8_t kUnsolvable = 0xFF;

    SlideSolver();
    ~SlideSolver();
    SlideSolver(const SlideSolver&) = delete;
    SlideSolver& operator=(const SlideSolver&) = delete;

    int positionCount() const;

    // The index of a legal position, or -1 when findPositionFault finds a fault.
    int indexOf(const Positions& positions) const;

    // The functions taking an index need one from 0 to positionCount() - 1.

    // The position of an index; the pieces of one shape take their cells in
    // reading order (the lowest index the top-most, left-most cell).
    Positions positionsAt(int index) const;

    // The left-right mirror image.
    int mirrorOf(int index) const;

    bool isSolvedAt(int index) const;

    // The positions one slide away, each once.
    std::vector<int> neighboursOf(int index) const;

    // One shortest solution, naming the real pieces of `start`.
    Solution solve(const Positions& start) const;

    // Steps to the nearest solved position, by index; kUnsolvable where
    // there is none.
    std::vector<uint8_t> distanceTable() const;

    SpaceAnalysis analyse() const;

private:
    struct Tables;
    std::unique_ptr<const Tables> tables_;
};

// One solver for the whole program; built on first use.
const SlideSolver& slideSolver();

// Its distance table, computed on first use and kept for the program.
const std::vector<uint8_t>& slideDistances();

// The fewest steps that solve `start`: 0 when it is solved already, -1
// when it has a fault or no sequence of slides solves it.
int fewestSteps(const Positions& start);

// Whether slides lead from one legal position to the other (same-shaped
// pieces not told apart); false when either has a fault.
bool slidesConnect(const Positions& from, const Positions& to);

// What can be said of a level's start: its first fault, or the fewest
// steps that solve it (0 when the principal piece already stands on the
// goal, -1 when no sequence of slides does).
struct LevelVerdict {
    PositionFault fault;
    int steps = -1;

    bool valid() const { return fault.none(); }
    bool solvable() const { return valid() && steps >= 0; }
};

// Every level of a table, from one whole-space distance table.
std::array<LevelVerdict, kLevelCount> judgeLevels(const LevelTable& levels);

}  // namespace quill
