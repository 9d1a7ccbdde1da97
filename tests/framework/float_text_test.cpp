#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "framework/core/float_text.h"

namespace {

struct Written {
    float value;
    const char* text;
};

void PrintTo(const Written& row, std::ostream* out) {
    *out << row.text;
}

class FloatTextWriting : public ::testing::TestWithParam<Written> {};

TEST_P(FloatTextWriting, UsesSixSignificantDigits) {
    EXPECT_EQ(FormatFloatText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(GeneralNotation, FloatTextWriting,
                         ::testing::Values(Written{440, "440"}, Written{261.6256f, "261.626"},
                                           Written{-100000, "-100000"},
                                           Written{19.56217f, "19.5622"},
                                           Written{445.123456f, "445.123"}, Written{1e6f, "1e+06"},
                                           Written{999999, "999999"}, Written{0.0001f, "0.0001"},
                                           Written{0.00001f, "1e-05"}, Written{0, "0"},
                                           Written{0.000906687f, "0.000906687"},
                                           Written{std::numeric_limits<float>::infinity(), "inf"}));

struct Read {
    const char* text;
    float value;
};

void PrintTo(const Read& row, std::ostream* out) {
    *out << '"' << row.text << '"';
}

class FloatTextReading : public ::testing::TestWithParam<Read> {};

TEST_P(FloatTextReading, AcceptsDecimalNumbers) {
    const auto value = ParseFloatText(GetParam().text);
    ASSERT_TRUE(value.has_value()) << GetParam().text;
    EXPECT_EQ(*value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, FloatTextReading,
    ::testing::Values(Read{"440", 440}, Read{"445.123456", 445.123456f}, Read{"-5", -5},
                      Read{"+5", 5}, Read{" 440 ", 440}, Read{"\t415\t", 415}, Read{".5", 0.5f},
                      Read{"5.", 5}, Read{"1e3", 1000}, Read{"1E+3", 1000}, Read{"2.5e-1", 0.25f},
                      Read{"0", 0}, Read{"-100000", -100000}, Read{"1e-40", 1e-40f},
                      Read{"1e-50", 0}, Read{"1e-99999", 0}, Read{"0.0000001e-45", 0},
                      Read{"3.4028234e38", std::numeric_limits<float>::max()}));

class FloatTextRefusal : public ::testing::TestWithParam<const char*> {};

TEST_P(FloatTextRefusal, RefusesWhatIsNotAFiniteDecimalFloat) {
    EXPECT_FALSE(ParseFloatText(GetParam()).has_value()) << '"' << GetParam() << '"';
}

INSTANTIATE_TEST_SUITE_P(NotNumbers, FloatTextRefusal,
                         ::testing::Values("", " ", "abc", "inf", "-inf", "nan", "infinity",
                                           "0x1p3", "0x10", "445Hz", "445 Hz", "1e39", "-1e39",
                                           "1e99999", "123456789e31", "1e", "1e+", "+", "-", ".",
                                           "e5", "1.2.3", "--5", "+-5", "4 45", "445,5", "1,5"));

TEST(FloatText, IgnoresTheLocale) {
    const char* german = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (german == nullptr) {
        GTEST_SKIP() << "no German locale on this machine";
    }
    EXPECT_EQ(FormatFloatText(445.123f), "445.123");
    EXPECT_EQ(ParseFloatText("445.123"), 445.123f);
    std::setlocale(LC_ALL, "C");
}

TEST(FloatText, ReadsLongNumbersWhole) {
    // Long runs of digits that an exponent brings back into range: the exponent is read as far
    // as the text needs, not to some fixed bound.
    const std::string zeros(150'000, '0');
    EXPECT_EQ(ParseFloatText("1" + zeros + "e-150000"), 1.0f);
    EXPECT_EQ(ParseFloatText("0." + zeros + "25e150000"), 0.25f);
    EXPECT_EQ(ParseFloatText("0." + zeros + "1"), 0.0f);
    EXPECT_FALSE(ParseFloatText("1" + zeros).has_value());
}

TEST(FloatText, EveryWrittenFloatReadsBack) {
    for (float value : {440.0f, 1e-30f, -3.4e38f, 19.5622f, 1e6f, 123456.7f}) {
        const auto back = ParseFloatText(FormatFloatText(value));
        ASSERT_TRUE(back.has_value()) << value;
        EXPECT_EQ(FormatFloatText(*back), FormatFloatText(value));
    }
}

}  // namespace
