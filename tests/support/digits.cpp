#include "tests/support/digits.h"

#include <cstdio>
#include <cstring>

// Through the C library, which every target has (the browser's C++ library has no
// floating-point to_chars and no bit_cast); the tests run in the "C" locale.
std::string Digits(float value, int digits) {
    char buffer[32];
    const int length =
        std::snprintf(buffer, sizeof buffer, "%.*g", digits, static_cast<double>(value));
    return std::string(buffer, static_cast<std::size_t>(length));
}

std::uint64_t BitsOf(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

std::uint32_t BitsOf(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

float FloatFromBits(std::uint32_t bits) {
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}
