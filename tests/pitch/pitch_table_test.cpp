#include <gtest/gtest.h>

#include <cmath>

#include "pitch/pitch_table.h"
#include "tests/support/digits.h"

TEST(PitchTable, SemitoneRatioIsTheExactDouble) {
    EXPECT_EQ(BitsOf(SemitoneRatio()), 0x3FF0F38F92D97963u);
    EXPECT_EQ(BitsOf(InverseSemitoneRatio()), 0x3FEE3437E7101343u);
}

struct KnownEntry {
    float reference;
    int note;
    const char* frequency;  // seven significant digits
};

void PrintTo(const KnownEntry& row, std::ostream* out) {
    *out << "reference " << row.reference << ", note " << row.note;
}

class PitchTableEntries : public ::testing::TestWithParam<KnownEntry> {};

TEST_P(PitchTableEntries, MatchTheKnownFrequencies) {
    const KnownEntry& row = GetParam();
    BuildPitchTable(row.reference);
    EXPECT_EQ(Digits(PitchTable[row.note], 7), row.frequency);
}

INSTANTIATE_TEST_SUITE_P(
    Reference440And415, PitchTableEntries,
    ::testing::Values(KnownEntry{440, 69, "440"}, KnownEntry{440, 57, "220"},
                      KnownEntry{440, 60, "261.6256"}, KnownEntry{440, 68, "415.3047"},
                      KnownEntry{440, 70, "466.1638"}, KnownEntry{440, 12, "16.3516"},
                      KnownEntry{440, 0, "8.175799"}, KnownEntry{440, 131, "15804.27"},
                      KnownEntry{415, 69, "415"}, KnownEntry{415, 60, "246.7605"}));

TEST(PitchTable, ReferenceIsStoredUnchanged) {
    BuildPitchTable(440.0001f);
    EXPECT_EQ(PitchTable[kReferenceNote], 440.0001f);
}

TEST(PitchTable, EntriesRiseBySemitonesFromTheReference) {
    BuildPitchTable(440);
    for (int note = 1; note < kNoteCount; ++note) {
        const double ratio = static_cast<double>(PitchTable[note]) / PitchTable[note - 1];
        EXPECT_NEAR(ratio, SemitoneRatio(), 1e-6) << "note " << note;
    }
}

TEST(PitchTable, ZeroReferenceGivesZeros) {
    BuildPitchTable(440);
    BuildPitchTable(0);
    for (float entry : PitchTable) {
        EXPECT_EQ(entry, 0.0f);
    }
}

TEST(PitchTable, NegativeReferenceMirrorsThePositiveTable) {
    BuildPitchTable(440);
    const auto positive = PitchTable;
    BuildPitchTable(-440);
    for (int note = 0; note < kNoteCount; ++note) {
        EXPECT_EQ(PitchTable[note], -positive[note]) << "note " << note;
    }
}

TEST(PitchTable, HugeReferenceOverflowsOnlyTheTopEntry) {
    BuildPitchTable(1e37f);
    EXPECT_TRUE(std::isinf(PitchTable[131]));
    EXPECT_TRUE(std::isfinite(PitchTable[130]));
    EXPECT_EQ(Digits(PitchTable[130], 3), "3.39e+38");
}

TEST(PitchTable, RebuildingIsBitIdenticalAndForgetsTheOldReference) {
    BuildPitchTable(440);
    const auto first = PitchTable;
    BuildPitchTable(415);
    BuildPitchTable(440);
    for (int note = 0; note < kNoteCount; ++note) {
        EXPECT_EQ(BitsOf(PitchTable[note]), BitsOf(first[note])) << "note " << note;
    }
}
