#pragma once

#include "model/levelfile.h"

#include <QString>
#include <QtGlobal>
#include <optional>

class QRandomGenerator;

namespace quill {

// The fewest-steps numbers that random levels can have: every number from
// `fewest` to `most` has starts that need exactly that many.
struct DealRange {
    int fewest = 0;
    int most = 0;
};

DealRange dealRange();

// How many boards as seen (the tall pieces told apart, the singles not)
// need exactly `steps` fewest steps; 0 outside dealRange().
qint64 startsWithSteps(int steps);

struct DealtLevel {
    Positions start{};
    int steps = 0;  // its fewest steps
    QString code;   // its level code, shown form
};

// A start that needs exactly `steps` fewest steps, drawn evenly from all
// such boards as seen (the singles in increasing order of value); nothing
// when `steps` is outside dealRange(). The game deals from a random seed;
// tests pass a seeded generator.
std::optional<DealtLevel> dealLevel(int steps, QRandomGenerator& random);
std::optional<DealtLevel> dealLevel(int steps);

}  // namespace quill
