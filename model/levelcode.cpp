#include "model/levelcode.h"

#include "model/shapes.h"
#include "model/solver.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace quill {
namespace {

constexpr const char* kAlphabet = kLevelCodeAlphabet;
constexpr int kBase = sizeof(kLevelCodeAlphabet) - 1;
constexpr int kDataDigits = kLevelCodeLength - 1;
constexpr int kDashAfter = 4;
constexpr qint64 kCodeNumbers = qint64(kBase) * kBase * kBase * kBase * kBase * kBase;
// Spreads neighbouring level numbers over the whole range of codes, so that
// codes look unlike one another and most mistypes name no position at all.
constexpr qint64 kSpread = 367616001;
constexpr qint64 kUnspread = 135343081;  // its inverse modulo kCodeNumbers
constexpr qint64 kShift = 271828182;     // so that no code is all one character
static_assert(kBase == 29, "the check digit needs a prime number of characters");
static_assert(kSpread * kUnspread % kCodeNumbers == 1);
static_assert(kLevelNumberCount < kCodeNumbers);

constexpr int kValueBits = 6;  // position values 0..43 in a layout key

// Runs of pieces of one shape class, in index order: the square, the wide
// piece, the tall pieces, the singles.
struct Group {
    int first = 0;
    int count = 0;
};

std::vector<Group> pieceGroups()
{
    std::vector<Group> groups;
    for (int piece = 0; piece < kPieceCount; ++piece) {
        if (groups.empty() || shapeOf(piece).shapeClass != shapeOf(groups.back().first).shapeClass)
            groups.push_back({piece, 0});
        ++groups.back().count;
    }
    return groups;
}

uint32_t cellsOf(int piece, int16_t value)
{
    uint32_t cells = 0;
    forEachCell(piece, columnOf(value), rowOf(value),
                [&](int col, int row) { cells |= uint32_t(1) << (row * kColumns + col); });
    return cells;
}

int factorial(int n)
{
    return n <= 1 ? 1 : n * factorial(n - 1);
}

// Every legal layout as its ten values packed into one key, most
// significant first, so that the keys come out in increasing order.
struct Layouts {
    struct Place {
        int16_t value;
        uint32_t cells;
    };

    std::vector<Group> groups = pieceGroups();
    std::array<std::vector<Place>, kPieceCount> places;  // allowed, in increasing order
    std::vector<uint64_t> keys;
    int labelOrders = 1;  // orders of the labels within the groups, all together

    Layouts()
    {
        for (const Group& group : groups)
            labelOrders *= factorial(group.count);
        for (int piece = 0; piece < kPieceCount; ++piece)
            for (int16_t value = 0; value <= positionValue(kColumns - 1, kRows - 1); ++value)
                if (positionAllowed(piece, value))
                    places[piece].push_back({value, cellsOf(piece, value)});
        place(0, 0, 0, 0, 0);
    }

    // Places the pieces of group `g` from its `next`-th one on, each at a
    // place after the one before it in the group (same-shaped pieces share
    // their list of places).
    void place(std::size_t g, int next, std::size_t from, uint32_t covered, uint64_t key)
    {
        if (g == groups.size()) {
            keys.push_back(key);
            return;
        }
        const Group& group = groups[g];
        if (next == group.count) {
            place(g + 1, 0, 0, covered, key);
            return;
        }
        const std::vector<Place>& list = places[group.first + next];
        for (std::size_t i = from; i < list.size(); ++i) {
            if (!(list[i].cells & covered))
                place(g, next + 1, i + 1, covered | list[i].cells, (key << kValueBits) | uint64_t(list[i].value));
        }
    }
};

const Layouts& layouts()
{
    static const Layouts table;
    return table;
}

QString shownCode(const QString& bare)
{
    return bare.left(kDashAfter) + QLatin1Char('-') + bare.mid(kDashAfter);
}

int checkDigit(const std::array<int, kDataDigits>& digits)
{
    int sum = 0;
    for (int i = 0; i < kDataDigits; ++i)
        sum += (i + 1) * digits[i];
    // 7 * c = -sum (mod 29); the inverse of 7 modulo 29 is 25.
    return ((kBase - sum % kBase) * 25) % kBase;
}

}  // namespace

Positions boardAsSeen(const Positions& positions)
{
    Positions seen = positions;
    for (const Group& group : layouts().groups) {
        if (shapeOf(group.first).shapeClass == ShapeClass::Single)
            std::sort(seen.begin() + group.first, seen.begin() + group.first + group.count);
    }
    return seen;
}

qint64 levelNumberOf(const Positions& positions)
{
    if (!findPositionFault(positions).none())
        return -1;
    const Layouts& table = layouts();
    uint64_t key = 0;
    qint64 labels = 0;
    for (const Group& group : table.groups) {
        std::vector<int16_t> values(positions.begin() + group.first,
                                    positions.begin() + group.first + group.count);
        std::sort(values.begin(), values.end());
        for (int16_t value : values)
            key = (key << kValueBits) | uint64_t(value);
        // The pieces on the places in increasing order, ranked in dictionary order.
        std::vector<int> order;
        for (int16_t value : values)
            order.push_back(int(std::find(positions.begin() + group.first,
                                          positions.begin() + group.first + group.count, value)
                                - positions.begin()));
        int rank = 0;
        for (int i = 0; i < group.count; ++i) {
            const int smallerLater = int(std::count_if(order.begin() + i + 1, order.end(),
                                                       [&](int piece) { return piece < order[i]; }));
            rank += smallerLater * factorial(group.count - 1 - i);
        }
        labels = labels * factorial(group.count) + rank;
    }
    const auto found = std::lower_bound(table.keys.begin(), table.keys.end(), key);
    return qint64(found - table.keys.begin()) * table.labelOrders + labels;
}

std::optional<Positions> positionOfLevelNumber(qint64 number)
{
    const Layouts& table = layouts();
    if (number < 0 || number >= qint64(table.keys.size()) * table.labelOrders)
        return std::nullopt;
    uint64_t key = table.keys[number / table.labelOrders];
    qint64 labels = number % table.labelOrders;
    Positions positions{};
    for (auto group = table.groups.rbegin(); group != table.groups.rend(); ++group) {
        std::vector<int16_t> values(group->count);
        for (int i = group->count - 1; i >= 0; --i) {
            values[i] = static_cast<int16_t>(key & ((uint64_t(1) << kValueBits) - 1));
            key >>= kValueBits;
        }
        int rank = int(labels % factorial(group->count));
        labels /= factorial(group->count);
        std::vector<int> unused;
        for (int i = 0; i < group->count; ++i)
            unused.push_back(group->first + i);
        for (int i = 0; i < group->count; ++i) {
            const int weight = factorial(group->count - 1 - i);
            const int piece = unused[rank / weight];
            unused.erase(unused.begin() + rank / weight);
            rank %= weight;
            positions[piece] = values[i];
        }
    }
    return positions;
}

QString levelCode(const Positions& positions)
{
    const qint64 number = levelNumberOf(boardAsSeen(positions));
    if (number < 0)
        return {};
    qint64 spread = (number * kSpread + kShift) % kCodeNumbers;
    std::array<int, kDataDigits> digits{};
    for (int i = kDataDigits - 1; i >= 0; --i) {
        digits[i] = int(spread % kBase);
        spread /= kBase;
    }
    QString bare;
    for (int digit : digits)
        bare += QLatin1Char(kAlphabet[digit]);
    bare += QLatin1Char(kAlphabet[checkDigit(digits)]);
    return shownCode(bare);
}

LevelCodeReading readLevelCode(const QString& typed)
{
    LevelCodeReading reading;
    QString bare;
    for (QChar ch : typed) {
        if (ch.isSpace() || ch == QLatin1Char('-'))
            continue;
        const QChar upper = ch.toUpper();
        if (upper.unicode() > 0x7F || !std::char_traits<char>::find(kAlphabet, kBase, char(upper.unicode()))) {
            reading.problem = QCoreApplication::translate("LevelCode", "\"%1\" is in no level code: codes are made of the digits "
                                             "2 to 9 and of the letters other than I, L, O, S and Z.")
                                  .arg(ch);
            return reading;
        }
        bare += upper;
    }
    if (bare.isEmpty()) {
        reading.problem = QCoreApplication::translate("LevelCode", "No level code was typed.");
        return reading;
    }
    if (bare.size() != kLevelCodeLength) {
        reading.problem = QCoreApplication::translate("LevelCode", "A level code has %1 letters and digits; this one has %2.")
                              .arg(kLevelCodeLength)
                              .arg(bare.size());
        return reading;
    }
    reading.code = shownCode(bare);
    std::array<int, kDataDigits> digits{};
    qint64 spread = 0;
    for (int i = 0; i < kDataDigits; ++i) {
        digits[i] = int(std::char_traits<char>::find(kAlphabet, kBase, char(bare[i].unicode())) - kAlphabet);
        spread = spread * kBase + digits[i];
    }
    if (bare[kDataDigits] != QLatin1Char(kAlphabet[checkDigit(digits)])) {
        reading.problem = QCoreApplication::translate("LevelCode", "This level code has a typing mistake: a wrong character or "
                                         "two characters swapped. Please check it.");
        return reading;
    }
    const qint64 number = (spread - kShift + kCodeNumbers) % kCodeNumbers * kUnspread % kCodeNumbers;
    std::optional<Positions> start = positionOfLevelNumber(number);
    if (!start) {
        reading.problem = QCoreApplication::translate("LevelCode", "No level has this code. Please check it.");
        return reading;
    }
    const int steps = fewestSteps(*start);
    if (steps == 0) {
        reading.problem = QCoreApplication::translate("LevelCode", "This code is of a position that is solved already, not of a level.");
        return reading;
    }
    if (steps < 0) {
        reading.problem = QCoreApplication::translate("LevelCode", "This code is of a position that cannot be solved, not of a level.");
        return reading;
    }
    reading.start = boardAsSeen(*start);
    reading.steps = steps;
    reading.code = levelCode(*reading.start);
    return reading;
}

}  // namespace quill
