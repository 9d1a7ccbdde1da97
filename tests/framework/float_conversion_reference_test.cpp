// The program's own float conversions against the C++ library's, which are correctly rounded by
// the standard: the same text for floats spread over the whole range, and the same float for
// texts at, just below and just above the half-way points between floats, where a conversion
// that is not exact goes wrong first.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "framework/core/float_conversion.h"
#include "framework/core/float_text.h"

namespace {

std::string ReferenceText(float value) {
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6).ptr;
    return std::string(buffer, end);
}

// All of a double's digits: enough for any half-way point between two floats.
std::string ExactText(double value) {
    char buffer[400];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 200)
            .ptr;
    return std::string(buffer, end);
}

TEST(FloatConversion, WritesWhatTheLibraryWrites) {
    constexpr std::uint64_t kStride = 40'009;  // prime: every exponent, many significands
    for (std::uint64_t bits = 0; bits < (std::uint64_t{1} << 32); bits += kStride) {
        const float value = std::bit_cast<float>(static_cast<std::uint32_t>(bits));
        ASSERT_EQ(FormatFloatText(value), ReferenceText(value)) << std::hexfloat << value;
    }
    // Seven-digit integers that end in 5 lie exactly half-way between two six-digit texts.
    for (float value = 1'000'005; value < 16'777'216; value += 99'990) {
        for (float scaled : {value, value / 1024, -value * 1024}) {
            ASSERT_EQ(FormatFloatText(scaled), ReferenceText(scaled)) << std::hexfloat << scaled;
        }
    }
}

TEST(FloatConversion, ReadsWhatTheLibraryReads) {
    constexpr float kInfinity = std::numeric_limits<float>::infinity();
    std::mt19937 random(2026);
    for (int i = 0; i < 20'000; ++i) {
        // A finite float above zero and below the largest, and the half-way point to the next.
        const float below =
            std::bit_cast<float>(static_cast<std::uint32_t>(1 + random() % 0x7f7f'fffe));
        const double halfway = (double{below} + std::nextafter(below, kInfinity)) / 2;
        const std::string exact = ExactText(halfway);
        const std::string exponent = exact.substr(exact.find('e'));
        for (const std::string& text : {exact, ExactText(std::nextafter(halfway, 0.0)),
                                        ExactText(std::nextafter(halfway, double{kInfinity})),
                                        exact.substr(0, exact.find('e')) + "0001" + exponent,
                                        exact.substr(0, 40) + exponent}) {
            float reference = 0;
            std::from_chars(text.data(), text.data() + text.size(), reference);
            const auto read = ReadDecimalNumber(text);
            ASSERT_TRUE(read.has_value()) << text;
            ASSERT_EQ(std::bit_cast<std::uint32_t>(*read), std::bit_cast<std::uint32_t>(reference))
                << text;
        }
    }
}

}  // namespace
