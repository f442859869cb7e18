#pragma once

#include "model/levelfile.h"
#include "model/solver.h"

#include <array>

namespace quill::tools {

// The traditional opening: the square at the top middle, the wide piece
// below it, the tall pieces at the sides, singles in row 3 and in the
// corners of row 4.
Positions classicStart();

// The optimal step count of every level of the shipped collection, rising
// from a gentle start to the farthest solvable position; one of them is the
// classic start's.
std::array<int, kLevelCount> levelSteps(const SpaceAnalysis& space, int classicSteps);

// The shipped collection, worked out from the whole-space analysis: the
// same table on every run.
LevelTable generateCollection(const SlideSolver& solver, const SpaceAnalysis& space);

}  // namespace quill::tools
