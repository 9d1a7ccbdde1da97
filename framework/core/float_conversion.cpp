// Float text of our own, the same on every platform and in the browser: both ways the result is
// the one nearest to the exact value, ties to even, which is what printf's "%.6g" and strtof
// give in the "C" locale. A float's exact value and any number of decimal digits that can
// change its rounding fit in a few hundred bits, so plain wide-integer arithmetic decides every
// case. (The C library's versions work in long double, which WebAssembly emulates in software:
// 7 KB of the page after gzip.)
#include "framework/core/float_conversion.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "framework/core/float_text.h"
#include "framework/core/wide_unsigned.h"

namespace {

// A float is sign, then ((exponent + 149) << 23) + significand for significand × 2^exponent,
// where the significand has 24 bits, or fewer at the smallest exponent (denormals).
constexpr int kSignificandBits = 24;
constexpr int kLowestExponent = -149;
constexpr int kHighestExponent = 104;

// A quotient, truncated and rounded to the nearest (ties to even).
struct Division {
    std::uint32_t truncated;
    std::uint32_t rounded;
};

// numerator × 2^binaryScale × 10^decimalScale over divisor, for quotients below 2^26.
Division ScaledQuotient(WideUnsigned numerator, WideUnsigned divisor, int binaryScale,
                        int decimalScale) {
    (binaryScale >= 0 ? numerator : divisor).ShiftLeft(std::abs(binaryScale));
    (decimalScale >= 0 ? numerator : divisor).MultiplyByPowerOfTen(std::abs(decimalScale));
    std::uint32_t quotient = 0;
    for (int bit = 25; bit >= 0; --bit) {
        WideUnsigned part = divisor;
        part.ShiftLeft(bit);
        if (numerator.Compare(part) >= 0) {
            numerator.Subtract(part);
            quotient |= std::uint32_t{1} << bit;
        }
    }
    numerator.ShiftLeft(1);
    const int half = numerator.Compare(divisor);
    const bool up = half > 0 || (half == 0 && quotient % 2 == 1);
    return {quotient, quotient + (up ? 1 : 0)};
}

// The decimal digits of a number's text: the value is digits × 10^exponent, and digits beyond
// the first kept ones, which cannot change a float's rounding, are stood in for by a one after
// the last kept digit when any of them is not zero.
struct DecimalDigits {
    WideUnsigned digits;
    int count = 0;              // significant digits kept
    std::int64_t exponent = 0;  // of the last kept digit
};

// Every float and every half-way point between two floats has at most 113 significant digits.
constexpr int kKeptDigits = 120;

DecimalDigits ReadDigits(std::string_view number) {
    DecimalDigits read;
    bool afterPoint = false;
    bool droppedNonzero = false;
    std::size_t i = 0;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        const char c = number[i];
        if (c == '.') {
            afterPoint = true;
        } else if (c >= '0' && c <= '9') {
            if (read.count == 0 && c == '0') {
                read.exponent -= afterPoint ? 1 : 0;
            } else if (read.count < kKeptDigits) {
                read.digits.MultiplyAdd(10, static_cast<std::uint32_t>(c - '0'));
                ++read.count;
                read.exponent -= afterPoint ? 1 : 0;
            } else {
                droppedNonzero = droppedNonzero || c != '0';
                read.exponent += afterPoint ? 0 : 1;
            }
        }
    }
    if (droppedNonzero) {
        read.digits.MultiplyAdd(10, 1);
        ++read.count;
        --read.exponent;
    }
    // Written exponents are read up to a bound beyond which no text of this length can reach
    // the float range or leave it.
    const auto cap = static_cast<std::int64_t>(number.size()) + 100;
    std::int64_t written = 0;
    bool negative = false;
    for (++i; i < number.size(); ++i) {
        if (number[i] == '-') {
            negative = true;
        } else if (number[i] >= '0' && number[i] <= '9') {
            written = std::min<std::int64_t>(written * 10 + (number[i] - '0'), cap);
        }
    }
    read.exponent += negative ? -written : written;
    return read;
}

// A float's bits and back (Emscripten's C++ library has no std::bit_cast).
std::uint32_t BitsOf(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

float FloatOf(std::uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

float WithSign(bool negative, float magnitude) {
    return negative ? -magnitude : magnitude;
}

// The digits of a fraction without its trailing zeros, and the point only when some remain.
std::string Fraction(std::string digits) {
    digits.erase(digits.find_last_not_of('0') + 1);
    return digits.empty() ? "" : "." + digits;
}

constexpr int kShownDigits = 6;
constexpr std::uint32_t kShownLimit = 1'000'000;  // 10^kShownDigits

}  // namespace

std::optional<float> ReadDecimalNumber(std::string_view number) {
    const bool negative = number.front() == '-';
    DecimalDigits read = ReadDigits(number);
    // Numbers from 10^39 on are beyond the largest float; those below 10^-46 round to zero.
    const std::int64_t leadingPosition = read.count + read.exponent;
    if (read.count != 0 && leadingPosition > 39) {
        return std::nullopt;
    }
    if (read.count == 0 || leadingPosition < -45) {
        return WithSign(negative, 0.0f);
    }
    WideUnsigned divisor(1);
    (read.exponent >= 0 ? read.digits : divisor)
        .MultiplyByPowerOfTen(static_cast<int>(std::abs(read.exponent)));
    // The value is significand × 2^exponent with a significand of 24 bits where the range allows.
    auto divideAt = [&](int exponent) {
        return ScaledQuotient(read.digits, divisor, -exponent, 0);
    };
    int exponent =
        std::max(read.digits.BitLength() - divisor.BitLength() - kSignificandBits, kLowestExponent);
    Division significand = divideAt(exponent);
    if (significand.truncated >> kSignificandBits != 0) {
        significand = divideAt(++exponent);
    }
    if (significand.rounded >> kSignificandBits != 0) {
        significand.rounded >>= 1;
        ++exponent;
    }
    if (exponent > kHighestExponent) {
        return std::nullopt;
    }
    const auto bits =
        (static_cast<std::uint32_t>(exponent - kLowestExponent) << 23) + significand.rounded;
    return WithSign(negative, FloatOf(bits));
}

std::string FormatFloatText(float value) {
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isnan(value)) {
        return sign + "nan";
    }
    if (std::isinf(value)) {
        return sign + "inf";
    }
    const std::uint32_t bits = BitsOf(value) & 0x7fff'ffff;
    if (bits == 0) {
        return sign + "0";
    }
    const std::uint32_t biased = bits >> 23;
    const int binaryExponent = std::max<int>(biased, 1) + kLowestExponent - 1;
    const WideUnsigned significand((bits & 0x7f'ffff) | (biased != 0 ? 0x80'0000 : 0));
    // The decimal exponent of the leading digit: floor(log10 2 × the binary one), or one more.
    const int binaryLeading = binaryExponent + significand.BitLength() - 1;
    int decimalLeading = (binaryLeading * 78913) >> 18;
    auto divideAt = [&](int leading) {
        return ScaledQuotient(significand, WideUnsigned(1), binaryExponent,
                              kShownDigits - 1 - leading);
    };
    Division digits = divideAt(decimalLeading);
    if (digits.truncated >= kShownLimit) {
        digits = divideAt(++decimalLeading);
    }
    if (digits.rounded == kShownLimit) {
        digits.rounded /= 10;
        ++decimalLeading;
    }
    const std::string text = std::to_string(digits.rounded);
    // General notation: positional from 10^-4 to below 10^6, otherwise with an exponent of at
    // least two digits.
    if (decimalLeading < -4 || decimalLeading >= kShownDigits) {
        const int magnitude = std::abs(decimalLeading);
        return sign + text.substr(0, 1) + Fraction(text.substr(1)) +
               (decimalLeading < 0 ? "e-" : "e+") + static_cast<char>('0' + magnitude / 10) +
               static_cast<char>('0' + magnitude % 10);
    }
    if (decimalLeading < 0) {
        return sign + "0" + Fraction(std::string(-decimalLeading - 1, '0') + text);
    }
    return sign + text.substr(0, decimalLeading + 1) + Fraction(text.substr(decimalLeading + 1));
}
