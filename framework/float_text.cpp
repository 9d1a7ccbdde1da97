#include "framework/float_text.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <system_error>

std::string FormatFloatText(float value) {
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    return std::string(buffer, result.ptr);
}

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Whether the whole text is a decimal number: sign, digits with an optional '.', and an
// optional exponent with at least one digit.
bool IsDecimalNumber(std::string_view text) {
    std::size_t i = 0;
    auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
        }
        return i - start;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t mantissaDigits = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissaDigits += digits();
    }
    if (mantissaDigits == 0) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        if (digits() == 0) {
            return false;
        }
    }
    return i == text.size();
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

std::optional<float> ParseFloatText(std::string_view text) {
    text = TrimBlanks(text);
    if (!IsDecimalNumber(text)) {
        return std::nullopt;
    }
    // from_chars takes a '-' but no '+'.
    if (text.front() == '+') {
        text.remove_prefix(1);
    }
    float value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end != text.data() + text.size()) {
        return std::nullopt;
    }
    if (error == std::errc::result_out_of_range) {
        // Too large for a float is refused; too small rounds to zero, as every nonzero float
        // nearer than that comes back without an error.
        if (!IsBelowOne(text)) {
            return std::nullopt;
        }
        return text.front() == '-' ? -0.0f : 0.0f;
    }
    if (error != std::errc() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}
