#pragma once

#include "model/levelfile.h"

#include <QString>
#include <optional>

namespace quill {

// Level codes name a board as the player sees it in seven characters that are easy to read aloud and type:
// shown as "K7PF-3QX", typed in any case with or without dashes and spaces.
//
// What a code means is fixed for good, independent of the solver:
//
// 1. Layouts. Write a legal position with same-shaped pieces alike as ten
//    position values: the square's, the wide piece's, the tall pieces' in
//    increasing order, the singles' in increasing order. The layouts in
//    increasing order of these ten values are numbered 0 to 65,879.
// 2. Labels. The tall pieces 2 to 5 on the tall places, read in increasing
//    order of value, form one of the 24 orders of 2, 3, 4, 5; its rank in
//    dictionary order is t (2345 is 0, 5432 is 23). The singles 6 to 9 give
//    s in the same way.
// 3. The level number n = (layout * 24 + t) * 24 + s, 0 to 37,946,879.
// 4. The code number m = (n * 367616001 + 271828182) mod 29^6, written as
//    six digits in base 29, most significant first, in the alphabet
//    23456789ABCDEFGHJKMNPQRTUVWXY (no 0, 1, I, L, O, S, Z).
// 5. A seventh digit c makes 1*d1 + 2*d2 + ... + 7*c a multiple of 29, so
//    that any one wrong character and any swap of two neighbours is found.
//
// The four singles share one picture, so a board as seen has its singles
// in increasing order of value (s = 0) and is given that one code. Codes
// with another s still read, to the same board.

inline constexpr int kLevelCodeLength = 7;             // without the dash
inline constexpr char kLevelCodeAlphabet[] = "23456789ABCDEFGHJKMNPQRTUVWXY";
inline constexpr qint64 kLevelNumberCount = 37946880;  // legal starts, pieces told apart

// The level number of a legal position; -1 when it has a fault.
qint64 levelNumberOf(const Positions& positions);

// The same position with the singles 6 to 9 in increasing order of value:
// one labelling for each board the player can tell apart.
Positions boardAsSeen(const Positions& positions);

// The position of a level number; nothing outside 0..kLevelNumberCount - 1.
std::optional<Positions> positionOfLevelNumber(qint64 number);

// The shown code of the board of a legal position, solved, unsolvable or
// not; empty when it has a fault. Positions that differ only in which
// single stands where have one code.
QString levelCode(const Positions& positions);

// What a typed code stands for.
struct LevelCodeReading {
    std::optional<Positions> start;  // the start as seen, when the code is one of a playable level
    int steps = -1;                  // its fewest steps
    QString code;                    // the code in its shown form; the board's one code when read
    QString problem;                 // otherwise why not, in plain words for the player

    bool ok() const { return start.has_value(); }
};

// Reads a typed code. It is refused when it has characters that no code
// has, is too long or too short, fails its check (a mistyped or swapped
// character), names no position, or names one that is already solved or
// that cannot be solved.
LevelCodeReading readLevelCode(const QString& typed);

}  // namespace quill
