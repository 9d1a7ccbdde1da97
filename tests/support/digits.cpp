#include "tests/support/digits.h"

#include <bit>
#include <charconv>

std::string Digits(float value, int digits) {
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    return std::string(buffer, result.ptr);
}

std::uint64_t BitsOf(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

std::uint32_t BitsOf(float value) {
    return std::bit_cast<std::uint32_t>(value);
}
