#include "model/solver.h"

#include "model/shapes.h"

#include <algorithm>
#include <array>
#include <bit>
#include <stdexcept>

namespace quill {
namespace {

using Mask = uint32_t;

constexpr int kCells = kColumns * kRows;
constexpr Mask kAllCells = (Mask(1) << kCells) - 1;
constexpr int kClassCount = 4;
constexpr int kSquare = static_cast<int>(ShapeClass::Square);
constexpr int kWide = static_cast<int>(ShapeClass::Wide);
constexpr int kTall = static_cast<int>(ShapeClass::Tall);
constexpr int kSingle = static_cast<int>(ShapeClass::Single);
constexpr uint16_t kNoEntry = 0xFFFF;

constexpr Mask bit(int cell) { return Mask(1) << cell; }
constexpr int cellAt(int col, int row) { return row * kColumns + col; }
constexpr int colOfCell(int cell) { return cell % kColumns; }
constexpr int rowOfCell(int cell) { return cell / kColumns; }

int lowestCell(Mask mask) { return std::countr_zero(mask); }
int highestCell(Mask mask) { return 31 - std::countl_zero(mask); }

int classOf(int piece) { return static_cast<int>(shapeOf(piece).shapeClass); }

// A position with same-shaped pieces alike: the top-left cells of every
// shape class, and the empty cells.
struct Packed {
    std::array<Mask, kClassCount> topLeft{};
    Mask empty = 0;
};

// One slide (direction and distance) of every piece of a class at once:
// the pieces in `from` whose needed cells are all empty can make it.
struct Rule {
    int shapeClass = 0;
    int delta = 0;  // change of the top-left cell
    Mask from = 0;
    // The empty mask, lifted by kLift bits, shifted right by these puts the
    // state of each needed cell on the bit of the top-left cell.
    std::array<int, 2> needShift{};
};

constexpr int kLift = 16;
constexpr int kMaxRules = 32;

struct Layout {
    Mask square = 0;
    Mask wide = 0;
    Mask tall = 0;
    Mask free = 0;  // the cells of the singles and the empty cells
    std::array<uint8_t, 8> freeCell{};    // by rank among the free cells
    std::array<uint8_t, 8> mirrorRank{};  // by rank: the rank of its mirror cell in `mirror`
    uint16_t mirror = 0;                  // the layout's mirror image
};

}  // namespace

// The index of a position: the layout of the square, the wide piece and the
// tall pieces, then which two of the cells left over are empty (the singles
// take the rest). Every number from 0 to count - 1 is a legal position.
struct SlideSolver::Tables {
    int emptyCount = 0;
    std::array<int, kClassCount> piecesOfClass{};
    std::array<std::array<Mask, kCells>, kClassCount> footprint{};  // 0 where not allowed
    std::array<std::array<int8_t, 2>, kClassCount> size{};          // width, height
    std::array<Rule, kMaxRules> rules{};
    int ruleCount = 0;

    std::array<int16_t, kCells> squareSlot{};
    std::array<int16_t, kCells> wideSlot{};
    int wideSlots = 0;
    std::vector<uint16_t> tallConfigOf;  // by mask of tall top-left cells
    int tallConfigs = 0;
    std::vector<uint16_t> layoutOf;  // by (squareSlot * wideSlots + wideSlot) * tallConfigs + tallConfig
    std::vector<Layout> layouts;

    int freeCount = 0;
    int pairCount = 0;
    std::array<std::array<uint8_t, 8>, 8> pairOf{};  // by the ranks of the two empty cells among the free ones
    std::vector<std::array<uint8_t, 2>> pairRanks;
    std::array<uint8_t, 1024> bitCount{};

    int goalCell = 0;
    int solvedFirst = 0;
    int solvedEnd = 0;
    int count = 0;

    Tables();

    int countBits(Mask mask) const { return bitCount[mask & 1023] + bitCount[mask >> 10]; }

    int rankOf(Mask free, int cell) const { return countBits(free & (bit(cell) - 1)); }

    int pairIndex(Mask free, Mask empty) const
    {
        return pairOf[rankOf(free, lowestCell(empty))][rankOf(free, highestCell(empty))];
    }

    int layoutIndex(Mask square, Mask wide, Mask tall) const
    {
        const int slot = (squareSlot[lowestCell(square)] * wideSlots + wideSlot[lowestCell(wide)])
                             * tallConfigs
                         + tallConfigOf[tall];
        return layoutOf[slot];
    }

    // With `Canonical`, a position and its mirror image share the smaller of
    // their two indices.
    template <bool Canonical>
    int indexAt(int layoutId, int rankA, int rankB) const
    {
        const int index = layoutId * pairCount + pairOf[rankA][rankB];
        if constexpr (Canonical) {
            const Layout& layout = layouts[layoutId];
            const int mirrored = layout.mirror * pairCount
                                 + pairOf[layout.mirrorRank[rankA]][layout.mirrorRank[rankB]];
            return std::min(index, mirrored);
        } else {
            return index;
        }
    }

    int encode(const Packed& p) const
    {
        const int layout = layoutIndex(p.topLeft[kSquare], p.topLeft[kWide], p.topLeft[kTall]);
        return layout * pairCount + pairIndex(p.topLeft[kSingle] | p.empty, p.empty);
    }

    int mirrorOf(int index) const
    {
        const int layoutId = index / pairCount;
        const auto& ranks = pairRanks[index - layoutId * pairCount];
        const Layout& layout = layouts[layoutId];
        return layout.mirror * pairCount + pairOf[layout.mirrorRank[ranks[0]]][layout.mirrorRank[ranks[1]]];
    }

    Packed decode(int index) const
    {
        const Layout& layout = layouts[index / pairCount];
        const auto& ranks = pairRanks[index % pairCount];
        Packed p;
        p.empty = bit(layout.freeCell[ranks[0]]) | bit(layout.freeCell[ranks[1]]);
        p.topLeft[kSquare] = layout.square;
        p.topLeft[kWide] = layout.wide;
        p.topLeft[kTall] = layout.tall;
        p.topLeft[kSingle] = layout.free & ~p.empty;
        return p;
    }

    bool solved(int index) const { return index >= solvedFirst && index < solvedEnd; }

    // Calls visit(neighbour) for every slide.
    template <bool Canonical, typename Visit>
    void expand(int index, Visit&& visit) const
    {
        const int layoutId = index / pairCount;
        const Layout& layout = layouts[layoutId];
        const auto& ranks = pairRanks[index - layoutId * pairCount];
        const Mask empty = bit(layout.freeCell[ranks[0]]) | bit(layout.freeCell[ranks[1]]);
        const Mask singles = layout.free & ~empty;
        const Mask topLeft[kClassCount] = {layout.square, layout.wide, layout.tall, singles};
        // All rules first, without branches; then the few slides they found.
        const uint64_t lifted = uint64_t(empty) << kLift;
        std::array<Mask, kMaxRules> movable;
        std::array<uint8_t, kMaxRules> found;
        int foundCount = 0;
        for (int r = 0; r < ruleCount; ++r) {
            const Rule& rule = rules[r];
            movable[r] = topLeft[rule.shapeClass] & rule.from & Mask(lifted >> rule.needShift[0])
                         & Mask(lifted >> rule.needShift[1]);
            found[foundCount] = static_cast<uint8_t>(r);
            foundCount += movable[r] != 0;
        }
        for (int i = 0; i < foundCount; ++i) {
            const Rule& rule = rules[found[i]];
            for (Mask left = movable[found[i]]; left; left &= left - 1) {
                const int from = lowestCell(left);
                const int to = from + rule.delta;
                const auto& print = footprint[rule.shapeClass];
                const Mask newEmpty = (empty | print[from]) & ~print[to];
                int nextLayout = layoutId;
                Mask nextFree = layout.free;
                if (rule.shapeClass != kSingle) {
                    Mask square = layout.square, wide = layout.wide, tall = layout.tall;
                    const Mask change = bit(from) | bit(to);
                    if (rule.shapeClass == kSquare)
                        square ^= change;
                    else if (rule.shapeClass == kWide)
                        wide ^= change;
                    else
                        tall ^= change;
                    nextLayout = layoutIndex(square, wide, tall);
                    nextFree = singles | newEmpty;
                }
                visit(indexAt<Canonical>(nextLayout, rankOf(nextFree, lowestCell(newEmpty)),
                                         rankOf(nextFree, highestCell(newEmpty))));
            }
        }
    }

private:
    void buildShapes();
    void buildRules();
    void buildIndex();
};

SlideSolver::Tables::Tables()
{
    buildShapes();
    buildRules();
    buildIndex();
}

void SlideSolver::Tables::buildShapes()
{
    for (int piece = 0; piece < kPieceCount; ++piece) {
        const int cls = classOf(piece);
        ++piecesOfClass[cls];
        size[cls] = {static_cast<int8_t>(shapeOf(piece).width), static_cast<int8_t>(shapeOf(piece).height)};
        for (int cell = 0; cell < kCells; ++cell) {
            if (!topLeftAllowed(piece, colOfCell(cell), rowOfCell(cell)))
                continue;
            Mask print = 0;
            forEachCell(piece, colOfCell(cell), rowOfCell(cell),
                        [&](int col, int row) { print |= bit(cellAt(col, row)); });
            footprint[cls][cell] = print;
        }
    }
    int covered = 0;
    for (int piece = 0; piece < kPieceCount; ++piece)
        covered += shapeOf(piece).width * shapeOf(piece).height;
    emptyCount = kCells - covered;
    // The index below is laid out for this piece set: one square, one wide
    // piece, tall pieces whose top-left cells fit in 16 bits, 1x1 singles
    // and two empty cells.
    const bool expectedSet = piecesOfClass[kSquare] == 1 && piecesOfClass[kWide] == 1
                             && size[kSingle][0] == 1 && size[kSingle][1] == 1 && emptyCount == 2;
    if (!expectedSet)
        throw std::logic_error("the slide solver does not know this piece set");
    goalCell = cellAt(columnOf(kGoalPosition), rowOf(kGoalPosition));
}

void SlideSolver::Tables::buildRules()
{
    const int directions[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (int cls = 0; cls < kClassCount; ++cls) {
        const int width = size[cls][0];
        const int height = size[cls][1];
        auto covers = [&](int x, int y) { return x >= 0 && x < width && y >= 0 && y < height; };
        for (const auto& dir : directions) {
            for (int distance = 1; distance < std::max(kColumns, kRows); ++distance) {
                // The band the piece sweeps, less the cells it covers already.
                std::vector<int> need;
                for (int step = 1; step <= distance; ++step)
                    for (int x = 0; x < width; ++x)
                        for (int y = 0; y < height; ++y) {
                            const int nx = x + dir[0] * step;
                            const int ny = y + dir[1] * step;
                            bool seen = covers(nx, ny);
                            for (int s = 1; s < step && !seen; ++s)
                                seen = covers(nx - dir[0] * s, ny - dir[1] * s);
                            if (!seen)
                                need.push_back(nx + ny * kColumns);
                        }
                if (static_cast<int>(need.size()) > emptyCount)
                    break;
                Rule rule;
                rule.shapeClass = cls;
                rule.delta = (dir[0] + dir[1] * kColumns) * distance;
                for (int cell = 0; cell < kCells; ++cell) {
                    const int toCol = colOfCell(cell) + dir[0] * distance;
                    const int toRow = rowOfCell(cell) + dir[1] * distance;
                    if (footprint[cls][cell] && toCol >= 0 && toCol < kColumns && toRow >= 0
                        && toRow < kRows && footprint[cls][cellAt(toCol, toRow)])
                        rule.from |= bit(cell);
                }
                if (!rule.from)
                    break;
                if (ruleCount == kMaxRules)
                    throw std::logic_error("the slide solver does not know this piece set");
                rule.needShift[0] = kLift + need.front();
                rule.needShift[1] = kLift + need.back();
                rules[ruleCount++] = rule;
            }
        }
    }
}

void SlideSolver::Tables::buildIndex()
{
    for (int i = 0; i < 1024; ++i)
        bitCount[i] = static_cast<uint8_t>(std::popcount(static_cast<unsigned>(i)));

    std::vector<int> squareCells, wideCells, tallCells;
    for (int cell = 0; cell < kCells; ++cell) {
        squareSlot[cell] = wideSlot[cell] = -1;
        if (footprint[kSquare][cell]) {
            squareSlot[cell] = static_cast<int16_t>(squareCells.size());
            squareCells.push_back(cell);
        }
        if (footprint[kWide][cell]) {
            wideSlot[cell] = static_cast<int16_t>(wideCells.size());
            wideCells.push_back(cell);
        }
        if (footprint[kTall][cell])
            tallCells.push_back(cell);
    }
    wideSlots = static_cast<int>(wideCells.size());
    if (tallCells.empty() || tallCells.back() >= 16)
        throw std::logic_error("the slide solver does not know this piece set");

    // Every way to put the tall pieces on the board without overlap.
    std::vector<Mask> tallMasks, tallPrints;
    const int tallCount = piecesOfClass[kTall];
    auto placeTall = [&](auto&& self, std::size_t next, int left, Mask mask, Mask print) -> void {
        if (left == 0) {
            tallMasks.push_back(mask);
            tallPrints.push_back(print);
            return;
        }
        for (std::size_t i = next; i < tallCells.size(); ++i) {
            const Mask cells = footprint[kTall][tallCells[i]];
            if (!(cells & print))
                self(self, i + 1, left - 1, mask | bit(tallCells[i]), print | cells);
        }
    };
    placeTall(placeTall, 0, tallCount, 0, 0);
    tallConfigs = static_cast<int>(tallMasks.size());
    tallConfigOf.assign(std::size_t(1) << 16, kNoEntry);
    for (int i = 0; i < tallConfigs; ++i)
        tallConfigOf[tallMasks[i]] = static_cast<uint16_t>(i);

    freeCount = kCells - std::popcount(footprint[kSquare][squareCells[0]])
                - std::popcount(footprint[kWide][wideCells[0]])
                - tallCount * std::popcount(footprint[kTall][tallCells[0]]);
    if (freeCount > static_cast<int>(Layout{}.freeCell.size()))
        throw std::logic_error("the slide solver does not know this piece set");
    for (int i = 0; i < freeCount; ++i)
        for (int j = i + 1; j < freeCount; ++j) {
            pairOf[i][j] = pairOf[j][i] = static_cast<uint8_t>(pairRanks.size());
            pairRanks.push_back({static_cast<uint8_t>(i), static_cast<uint8_t>(j)});
        }
    pairCount = static_cast<int>(pairRanks.size());

    // Layouts in order of the square's cell, so the solved positions are
    // one run of indices.
    layoutOf.assign(squareCells.size() * wideCells.size() * tallMasks.size(), kNoEntry);
    for (int sq : squareCells) {
        const Mask squarePrint = footprint[kSquare][sq];
        if (sq == goalCell)
            solvedFirst = static_cast<int>(layouts.size()) * pairCount;
        for (int wd : wideCells) {
            const Mask widePrint = footprint[kWide][wd];
            if (widePrint & squarePrint)
                continue;
            for (int t = 0; t < tallConfigs; ++t) {
                if (tallPrints[t] & (squarePrint | widePrint))
                    continue;
                Layout layout;
                layout.square = bit(sq);
                layout.wide = bit(wd);
                layout.tall = tallMasks[t];
                layout.free = kAllCells & ~(squarePrint | widePrint | tallPrints[t]);
                int rank = 0;
                for (Mask rest = layout.free; rest; rest &= rest - 1)
                    layout.freeCell[rank++] = static_cast<uint8_t>(lowestCell(rest));
                layoutOf[(squareSlot[sq] * wideSlots + wideSlot[wd]) * tallConfigs + t] =
                    static_cast<uint16_t>(layouts.size());
                layouts.push_back(layout);
            }
        }
        if (sq == goalCell)
            solvedEnd = static_cast<int>(layouts.size()) * pairCount;
    }
    if (layouts.size() >= kNoEntry)
        throw std::logic_error("the slide solver does not know this piece set");
    count = static_cast<int>(layouts.size()) * pairCount;

    // Mirror images: a top-left cell of a piece of width w goes from column
    // c to column 4 - w - c. The goal is its own mirror image, so a position
    // and its mirror need the same number of steps.
    auto mirrorCell = [&](int cls, int cell) {
        return cellAt(kColumns - size[cls][0] - colOfCell(cell), rowOfCell(cell));
    };
    if (mirrorCell(kSquare, goalCell) != goalCell)
        throw std::logic_error("the slide solver needs a goal that is its own mirror image");
    for (Layout& layout : layouts) {
        Mask tall = 0;
        for (Mask rest = layout.tall; rest; rest &= rest - 1)
            tall |= bit(mirrorCell(kTall, lowestCell(rest)));
        const int mirror = layoutIndex(bit(mirrorCell(kSquare, lowestCell(layout.square))),
                                       bit(mirrorCell(kWide, lowestCell(layout.wide))), tall);
        layout.mirror = static_cast<uint16_t>(mirror);
        for (int rank = 0; rank < freeCount; ++rank) {
            const int cell = mirrorCell(kSingle, layout.freeCell[rank]);
            layout.mirrorRank[rank] = static_cast<uint8_t>(rankOf(layouts[mirror].free, cell));
        }
    }
}

SlideSolver::SlideSolver() : tables_(std::make_unique<Tables>()) {}

SlideSolver::~SlideSolver() = default;

int SlideSolver::positionCount() const
{
    return tables_->count;
}

int SlideSolver::indexOf(const Positions& positions) const
{
    if (!findPositionFault(positions).none())
        return -1;
    const Tables& t = *tables_;
    Packed packed;
    Mask covered = 0;
    for (int piece = 0; piece < kPieceCount; ++piece) {
        const int cell = cellAt(columnOf(positions[piece]), rowOf(positions[piece]));
        packed.topLeft[classOf(piece)] |= bit(cell);
        covered |= t.footprint[classOf(piece)][cell];
    }
    packed.empty = kAllCells & ~covered;
    return t.encode(packed);
}

Positions SlideSolver::positionsAt(int index) const
{
    Packed packed = tables_->decode(index);
    Positions positions{};
    for (int piece = 0; piece < kPieceCount; ++piece) {
        Mask& left = packed.topLeft[classOf(piece)];
        const int cell = lowestCell(left);
        left &= left - 1;
        positions[piece] = positionValue(colOfCell(cell), rowOfCell(cell));
    }
    return positions;
}

int SlideSolver::mirrorOf(int index) const
{
    return tables_->mirrorOf(index);
}

bool SlideSolver::isSolvedAt(int index) const
{
    return tables_->solved(index);
}

std::vector<int> SlideSolver::neighboursOf(int index) const
{
    std::vector<int> result;
    tables_->expand<false>(index, [&](int next) { result.push_back(next); });
    return result;
}

Solution SlideSolver::solve(const Positions& start) const
{
    const Tables& t = *tables_;
    Solution solution;
    solution.fault = findPositionFault(start);
    if (!solution.fault.none())
        return solution;
    const int first = indexOf(start);
    if (t.solved(first)) {
        solution.outcome = Solution::Outcome::Solved;
        return solution;
    }

    // Breadth first from the start over positions up to mirror image; the
    // first solved one reached is a nearest one. The queue keeps where each
    // entry came from, and one bit per position marks the ones seen, which
    // keeps the search inside the cache.
    struct Entry {
        int32_t index;
        int32_t parent;  // queue slot
    };
    std::vector<uint64_t> seen((t.count + 63) / 64, 0);
    std::vector<Entry> queue;
    queue.reserve(t.count);
    const int firstCanonical = std::min(first, t.mirrorOf(first));
    seen[firstCanonical / 64] |= uint64_t(1) << (firstCanonical % 64);
    queue.push_back({firstCanonical, -1});
    int goalSlot = -1;
    for (std::size_t head = 0; head < queue.size() && goalSlot < 0; ++head) {
        const int32_t slot = static_cast<int32_t>(head);
        t.expand<true>(queue[head].index, [&](int next) {
            uint64_t& word = seen[next / 64];
            const uint64_t mark = uint64_t(1) << (next % 64);
            if (word & mark)
                return;
            word |= mark;
            if (goalSlot < 0 && t.solved(next))
                goalSlot = static_cast<int32_t>(queue.size());
            queue.push_back({next, slot});
        });
    }
    if (goalSlot < 0) {
        solution.outcome = Solution::Outcome::Unsolvable;
        return solution;
    }

    std::vector<int> path;
    for (int32_t slot = goalSlot; slot >= 0; slot = queue[slot].parent)
        path.push_back(queue[slot].index);
    std::reverse(path.begin(), path.end());

    // Walk the path again in real positions: the neighbour of the real
    // position that is the next entry or its mirror image. Each step changes
    // one top-left cell of one class; the real piece is the one of that
    // class that stands on it.
    Positions current = start;
    int at = first;
    for (std::size_t i = 1; i < path.size(); ++i) {
        int next = -1;
        t.expand<false>(at, [&](int neighbour) {
            if (next < 0 && std::min(neighbour, t.mirrorOf(neighbour)) == path[i])
                next = neighbour;
        });
        const Packed before = t.decode(at);
        const Packed after = t.decode(next);
        for (int cls = 0; cls < kClassCount; ++cls) {
            const Mask left = before.topLeft[cls] & ~after.topLeft[cls];
            if (!left)
                continue;
            const int fromCell = lowestCell(left);
            const int toCell = lowestCell(after.topLeft[cls] & ~before.topLeft[cls]);
            const int16_t from = positionValue(colOfCell(fromCell), rowOfCell(fromCell));
            const int16_t to = positionValue(colOfCell(toCell), rowOfCell(toCell));
            for (int piece = 0; piece < kPieceCount; ++piece) {
                if (classOf(piece) == cls && current[piece] == from) {
                    solution.moves.push_back({static_cast<int16_t>(piece), from, to});
                    current[piece] = to;
                    break;
                }
            }
            break;
        }
        at = next;
    }
    solution.outcome = Solution::Outcome::Solved;
    return solution;
}

std::vector<uint8_t> SlideSolver::distanceTable() const
{
    // Breadth first back from every solved position, over positions up to
    // mirror image; mirror images are filled in at the end.
    const Tables& t = *tables_;
    std::vector<uint8_t> distance(t.count, kUnsolvable);
    const std::unique_ptr<int32_t[]> queue(new int32_t[t.count]);
    int tail = 0;
    for (int index = t.solvedFirst; index < t.solvedEnd; ++index) {
        if (t.mirrorOf(index) < index)
            continue;
        distance[index] = 0;
        queue[tail++] = index;
    }
    for (int head = 0; head < tail; ++head) {
        const int current = queue[head];
        const uint8_t next = static_cast<uint8_t>(distance[current] + 1);
        t.expand<true>(current, [&](int neighbour) {
            if (distance[neighbour] == kUnsolvable) {
                distance[neighbour] = next;
                queue[tail++] = neighbour;
            }
        });
    }
    for (int index = 0; index < t.count; ++index) {
        if (distance[index] == kUnsolvable)
            distance[index] = distance[t.mirrorOf(index)];
    }
    return distance;
}

SpaceAnalysis SlideSolver::analyse() const
{
    const Tables& t = *tables_;
    SpaceAnalysis analysis;
    analysis.distance = distanceTable();
    analysis.group.assign(t.count, -1);
    std::vector<int32_t> queue(t.count);
    for (int seed = 0; seed < t.count; ++seed) {
        if (analysis.group[seed] >= 0)
            continue;
        const int32_t id = analysis.groupCount();
        int head = 0, tail = 0;
        analysis.group[seed] = id;
        queue[tail++] = seed;
        while (head < tail) {
            t.expand<false>(queue[head++], [&](int neighbour) {
                if (analysis.group[neighbour] < 0) {
                    analysis.group[neighbour] = id;
                    queue[tail++] = neighbour;
                }
            });
        }
        analysis.groupSize.push_back(tail);
        analysis.groupSolvable.push_back(analysis.distance[seed] != kUnsolvable);
    }
    for (int index = 0; index < t.count; ++index) {
        const uint8_t d = analysis.distance[index];
        if (d == kUnsolvable)
            continue;
        ++analysis.solvableCount;
        if (d == 0)
            ++analysis.solvedCount;
        if (d > analysis.maxDistance) {
            analysis.maxDistance = d;
            analysis.farthestCount = 0;
        }
        if (d == analysis.maxDistance)
            ++analysis.farthestCount;
    }
    for (uint8_t solvable : analysis.groupSolvable)
        analysis.solvableGroupCount += solvable;
    return analysis;
}

const SlideSolver& slideSolver()
{
    static const SlideSolver solver;
    return solver;
}

const std::vector<uint8_t>& slideDistances()
{
    static const std::vector<uint8_t> distance = slideSolver().distanceTable();
    return distance;
}

int fewestSteps(const Positions& start)
{
    const int index = slideSolver().indexOf(start);
    if (index < 0)
        return -1;
    const uint8_t d = slideDistances()[index];
    return d == SlideSolver::kUnsolvable ? -1 : d;
}

bool slidesConnect(const Positions& from, const Positions& to)
{
    const SlideSolver& solver = slideSolver();
    const int first = solver.indexOf(from);
    const int wanted = solver.indexOf(to);
    if (first < 0 || wanted < 0)
        return false;
    std::vector<bool> reached(solver.positionCount(), false);
    std::vector<int> frontier{first};
    reached[first] = true;
    while (!frontier.empty()) {
        const int index = frontier.back();
        frontier.pop_back();
        if (index == wanted)
            return true;
        for (int next : solver.neighboursOf(index)) {
            if (!reached[next]) {
                reached[next] = true;
                frontier.push_back(next);
            }
        }
    }
    return false;
}

std::array<LevelVerdict, kLevelCount> judgeLevels(const LevelTable& levels)
{
    std::array<LevelVerdict, kLevelCount> verdicts;
    for (int k = 0; k < kLevelCount; ++k) {
        LevelVerdict& verdict = verdicts[k];
        verdict.fault = findPositionFault(levels[k].positions);
        if (verdict.valid())
            verdict.steps = fewestSteps(levels[k].positions);
    }
    return verdicts;
}

}  // namespace quill
