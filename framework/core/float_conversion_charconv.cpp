// Float text through the C++ library's locale-free conversions (std::to_chars, std::from_chars).
#include <charconv>
#include <cmath>
#include <system_error>

#include "framework/core/float_conversion.h"
#include "framework/core/float_text.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether a decimal number that is not zero has a magnitude below one: its first nonzero digit
// stands after the decimal point once the exponent is applied.
bool IsBelowOne(std::string_view number) {
    long position = 0;  // decimal exponent of the first nonzero digit, plus one
    bool seenPoint = false;
    bool seenNonzero = false;
    std::size_t i = 0;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        const char c = number[i];
        if (c == '.') {
            seenPoint = true;
        } else if (IsDigit(c)) {
            if (c != '0') {
                seenNonzero = true;
            }
            if (!seenPoint && seenNonzero) {
                ++position;
            } else if (seenPoint && !seenNonzero) {
                --position;
            }
        }
    }
    long exponent = 0;
    bool negativeExponent = false;
    for (++i; i < number.size(); ++i) {
        if (number[i] == '-') {
            negativeExponent = true;
        } else if (IsDigit(number[i]) && exponent < 100000) {
            exponent = exponent * 10 + (number[i] - '0');
        }
    }
    return position + (negativeExponent ? -exponent : exponent) <= 0;
}

}  // namespace

std::string FormatFloatText(float value) {
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    return std::string(buffer, result.ptr);
}

std::optional<float> ReadDecimalNumber(std::string_view number) {
    // from_chars takes a '-' but no '+'.
    if (number.front() == '+') {
        number.remove_prefix(1);
    }
    float value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (end != number.data() + number.size()) {
        return std::nullopt;
    }
    if (error == std::errc::result_out_of_range) {
        // Too large for a float is refused; too small rounds to zero, as every nonzero float
        // nearer than that comes back without an error.
        if (!IsBelowOne(number)) {
            return std::nullopt;
        }
        return number.front() == '-' ? -0.0f : 0.0f;
    }
    if (error != std::errc() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}
