#pragma once

#include <cmath>

namespace quill {

// Nearest whole number, halves to the even one.
inline long roundHalfEven(double value)
{
    return std::lrint(std::nearbyint(value));
}

// The "\ 2" of window placement: round the difference to a whole number
// (halves to even), then halve it truncating toward zero.
inline long halveRounded(double difference)
{
    return roundHalfEven(difference) / 2;
}

inline constexpr int kTwipsPerPixel = 15;

// Twips to pixels at 15 twips per pixel, rounded halves to even.
inline int twipsToPixels(double twips)
{
    return static_cast<int>(roundHalfEven(twips / kTwipsPerPixel));
}

}  // namespace quill
