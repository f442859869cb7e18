#include "model/randomlevel.h"

#include "model/levelcode.h"
#include "model/shapes.h"
#include "model/solver.h"

#include <QRandomGenerator>
#include <utility>
#include <vector>

namespace quill {
namespace {

// The solver's positions sorted by their fewest steps: those of d steps are
// byDistance[first[d]] to byDistance[first[d + 1] - 1].
struct Deck {
    std::vector<int32_t> byDistance;
    std::vector<int32_t> first;
    DealRange range;
    qint64 labellings = 1;  // boards as seen per solver position: the tall pieces told apart

    Deck()
    {
        const std::vector<uint8_t>& distance = slideDistances();
        first.assign(SlideSolver::kUnsolvable + 1, 0);
        for (uint8_t d : distance)
            if (d != SlideSolver::kUnsolvable)
                ++first[d + 1];
        for (std::size_t d = 1; d < first.size(); ++d)
            first[d] += first[d - 1];
        byDistance.resize(first.back());
        std::vector<int32_t> next = first;
        for (int32_t index = 0; index < int32_t(distance.size()); ++index)
            if (distance[index] != SlideSolver::kUnsolvable)
                byDistance[next[distance[index]]++] = index;
        range.fewest = 1;
        while (range.fewest < SlideSolver::kUnsolvable && count(range.fewest) == 0)
            ++range.fewest;
        range.most = range.fewest;
        while (range.most + 1 < SlideSolver::kUnsolvable && count(range.most + 1) > 0)
            ++range.most;
        int tall = 0;
        for (int piece = 0; piece < kPieceCount; ++piece)
            tall += shapeOf(piece).shapeClass == ShapeClass::Tall;
        for (int n = 2; n <= tall; ++n)
            labellings *= n;
    }

    int count(int steps) const { return first[steps + 1] - first[steps]; }
};

const Deck& deck()
{
    static const Deck table;
    return table;
}

// Deals the values of the pieces of one shape class out anew.
void shuffleClass(Positions& positions, ShapeClass shapeClass, QRandomGenerator& random)
{
    std::vector<int> pieces;
    for (int piece = 0; piece < kPieceCount; ++piece)
        if (shapeOf(piece).shapeClass == shapeClass)
            pieces.push_back(piece);
    for (int i = int(pieces.size()) - 1; i > 0; --i)
        std::swap(positions[pieces[i]], positions[pieces[random.bounded(i + 1)]]);
}

}  // namespace

DealRange dealRange()
{
    return deck().range;
}

qint64 startsWithSteps(int steps)
{
    const Deck& d = deck();
    if (steps < d.range.fewest || steps > d.range.most)
        return 0;
    return d.count(steps) * d.labellings;
}

std::optional<DealtLevel> dealLevel(int steps, QRandomGenerator& random)
{
    const Deck& d = deck();
    if (steps < d.range.fewest || steps > d.range.most)
        return std::nullopt;
    const int index = d.byDistance[d.first[steps] + int(random.bounded(quint32(d.count(steps))))];
    DealtLevel level;
    // The solver's singles stand in increasing order, as on a board as seen;
    // the tall pieces, each with a picture of its own, are dealt out anew.
    level.start = slideSolver().positionsAt(index);
    shuffleClass(level.start, ShapeClass::Tall, random);
    level.steps = steps;
    level.code = levelCode(level.start);
    return level;
}

std::optional<DealtLevel> dealLevel(int steps)
{
    return dealLevel(steps, *QRandomGenerator::global());
}

}  // namespace quill
