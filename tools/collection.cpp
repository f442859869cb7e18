#include "tools/collection.h"

#include "model/shapes.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <tuple>

namespace quill::tools {
namespace {

// The collection is a journey: from the shore of the mere through fen,
// woods and fells to the castle and out by its last gate. The classic
// start carries the name of the mere itself.
constexpr const char* kClassicName = "Quillmere";
constexpr std::array<const char*, kLevelCount - 1> kNames = {{
    "Reedbank",   "Mill Pond",  "Duck Weir",  "Ferry Dock", "Heron Ford", "Willow Bay",
    "Low Meadow", "Quill Lane", "Otter Run",  "Moss Gate",  "Alder Row",  "Fen Bridge",
    "Eel Sluice", "Marsh Road", "Wool Cross", "Toll House", "Lark Field", "Cress Beck",
    "Tanner Way", "Mere Steps", "Bell Tower", "Hop Garden", "Old Mill",   "Kiln Yard",
    "Fox Covert", "Briarhedge", "Thornwood",  "Beech Hall", "Owl Copse",  "Stag Leap",
    "Hollow Oak", "Fern Dell",  "Crow Ridge", "Badger Set", "Wolf Glen",  "Pine Ledge",
    "Cairn Top",  "Flint Scar", "Slate Pass", "Sheepfold",  "Tarn Edge",  "Eagle Crag",
    "Mist Falls", "Cloud Moor", "High Fell",  "Frost Gill", "Snow Col",   "Ice Cleft",
    "Wind Gap",   "Storm Peak", "Grey Tor",   "Watch Post", "Outer Wall", "Moat Bank",
    "Drawbridge", "Portcullis", "Gatehouse",  "Barbican",   "Guard Room", "Armoury",
    "Long Hall",  "Chapel",     "Cellars",    "Dungeon",    "Well Shaft", "Secret Way",
    "Stairwell",  "Battlement", "Last Gate",
}};

constexpr int kFirstSteps = 3;

// A fixed scramble of the index, so that ties fall the same way on every
// run without always favouring the lowest index.
uint64_t scramble(uint64_t value)
{
    value += 0x9E3779B97F4A7C15ull;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ull;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBull;
    return value ^ (value >> 31);
}

// Among the positions `steps` away from a solution: the square as high up
// as it can stand, then the fewest first moves that lead on to a shortest
// solution, then the scramble. Only one of each mirror pair is looked at.
int pickPosition(const SlideSolver& solver, const SpaceAnalysis& space, int steps)
{
    int best = -1;
    std::tuple<int, int, uint64_t> bestScore;
    for (int index = 0; index < solver.positionCount(); ++index) {
        if (space.distance[index] != steps || solver.mirrorOf(index) < index)
            continue;
        int goodFirstMoves = 0;
        for (int next : solver.neighboursOf(index))
            goodFirstMoves += space.distance[next] + 1 == steps;
        const std::tuple<int, int, uint64_t> score{rowOf(solver.positionsAt(index)[0]), goodFirstMoves,
                                                   scramble(static_cast<uint64_t>(index))};
        if (best < 0 || score < bestScore) {
            best = index;
            bestScore = score;
        }
    }
    if (best < 0)
        throw std::logic_error("no position needs the wanted number of steps");
    return best;
}

}  // namespace

Positions classicStart()
{
    return {1, 21, 0, 3, 20, 23, 31, 32, 40, 43};
}

std::array<int, kLevelCount> levelSteps(const SpaceAnalysis& space, int classicSteps)
{
    // Evenly from a few steps to the farthest solvable position, rounded;
    // the classic start's count takes the place of the nearest one.
    std::array<int, kLevelCount> steps{};
    const int span = space.maxDistance - kFirstSteps;
    const int last = kLevelCount - 1;
    for (int k = 0; k < kLevelCount; ++k)
        steps[k] = kFirstSteps + (2 * span * k + last) / (2 * last);
    int nearest = 0;
    for (int k = 1; k < kLevelCount; ++k) {
        if (std::abs(steps[k] - classicSteps) < std::abs(steps[nearest] - classicSteps))
            nearest = k;
    }
    steps[nearest] = classicSteps;
    return steps;
}

LevelTable generateCollection(const SlideSolver& solver, const SpaceAnalysis& space)
{
    const Positions classic = classicStart();
    const int classicSteps = space.distance[solver.indexOf(classic)];
    const std::array<int, kLevelCount> steps = levelSteps(space, classicSteps);
    LevelTable levels;
    std::size_t nextName = 0;
    for (int k = 0; k < kLevelCount; ++k) {
        if (steps[k] == classicSteps) {
            levels[k].name = fitLevelName(QString::fromLatin1(kClassicName));
            levels[k].positions = classic;
        } else {
            levels[k].name = fitLevelName(QString::fromLatin1(kNames.at(nextName++)));
            levels[k].positions = solver.positionsAt(pickPosition(solver, space, steps[k]));
        }
    }
    return levels;
}

}  // namespace quill::tools
