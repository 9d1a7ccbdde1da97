#include <gtest/gtest.h>

#include <cmath>

#include "pitch/pitch_table.h"
#include "pitch/synthesis.h"
#include "tests/support/digits.h"

struct Synthesis {
    int pitchClass;
    int octave;
    float cents;
    const char* frequency;  // as the Val. box shows it
};

void PrintTo(const Synthesis& row, std::ostream* out) {
    *out << "class " << row.pitchClass << ", octave " << row.octave << ", " << row.cents
         << " cents";
}

class NoteSynthesis : public ::testing::TestWithParam<Synthesis> {};

TEST_P(NoteSynthesis, GivesTheKnownFrequency) {
    const Synthesis& row = GetParam();
    BuildPitchTable(440);
    EXPECT_EQ(Digits(NoteFrequency(row.pitchClass, row.octave, row.cents), 6), row.frequency);
}

INSTANTIATE_TEST_SUITE_P(
    Reference440, NoteSynthesis,
    ::testing::Values(Synthesis{9, 5, 0, "440"}, Synthesis{9, 5, 100, "466.164"},
                      Synthesis{9, 5, -50, "427.474"}, Synthesis{0, 5, 0, "261.626"},
                      Synthesis{0, 0, 0, "8.1758"}, Synthesis{11, 10, 0, "15804.3"}));

TEST(NoteSynthesis, AFiftyCentsDownIsTheExactFloat) {
    BuildPitchTable(440);
    EXPECT_EQ(NoteFrequency(9, 5, -50), 427.47406f);
}

TEST(NoteSynthesis, OverflowGivesInfinity) {
    BuildPitchTable(440);
    EXPECT_TRUE(std::isfinite(NoteFrequency(11, 10, 136000)));
    EXPECT_EQ(NoteFrequency(11, 10, 137000), HUGE_VALF);
    EXPECT_EQ(NoteFrequency(0, 0, 150000), HUGE_VALF);
}
