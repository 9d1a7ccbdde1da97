#pragma once

#include <cmath>

// Rounds a double to the nearest float the way the hardware does, with values beyond the float
// range becoming infinite. A plain cast is undefined behaviour for such values in C++.
inline float RoundToFloat(double value) {
    // Half-way between the largest float and 2^128: from here on, round-to-nearest gives infinity.
    constexpr double kOverflowThreshold = 0x1.ffffffp127;
    if (std::fabs(value) >= kOverflowThreshold) {
        return value > 0 ? HUGE_VALF : -HUGE_VALF;
    }
    return static_cast<float>(value);
}
