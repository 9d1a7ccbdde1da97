#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "pitch/note_lookup.h"
#include "pitch/pitch_table.h"
#include "tests/support/digits.h"

namespace {

struct Lookup {
    const char* name;
    float reference;
    float frequency;
    int note;
    const char* cents;  // as the Cent box shows it
};

void PrintTo(const Lookup& row, std::ostream* out) {
    *out << row.name;
}

class NearestNote : public ::testing::TestWithParam<Lookup> {};

TEST_P(NearestNote, FindsTheNoteAndItsDeviation) {
    const Lookup& row = GetParam();
    BuildPitchTable(row.reference);
    const auto note = FindNearestNote(row.frequency);
    ASSERT_TRUE(note.has_value());
    EXPECT_EQ(*note, row.note);
    EXPECT_EQ(Digits(NoteCents(row.frequency, *note), 6), row.cents);
}

constexpr float kNoCents = NO_NOTE_CENTS;

INSTANTIATE_TEST_SUITE_P(
    KnownValues, NearestNote,
    ::testing::Values(
        Lookup{"Reference", 440, 440, 69, "0"}, Lookup{"Sharp", 440, 445, 69, "19.5622"},
        Lookup{"MiddleC", 440, 261.63f, 60, "0.0292813"},
        Lookup{"TieGoesToTheLowerNote", 440, 453.08188f, 69, "50.7219"},
        Lookup{"OneStepAboveTheTie", 440, 453.0819f, 70, "-49.2779"},
        Lookup{"BelowTheTie", 440, 453.0f, 69, "50.409"},
        Lookup{"AMinusFiftyCents", 440, 427.47406f, 68, "50.0001"},
        Lookup{"AMinusFiftyCentsAsShown", 440, 427.474f, 68, "49.9998"},
        Lookup{"BFlat", 440, 466.16f, 70, "-0.0139404"},
        Lookup{"AboveTheTable", 440, 20000, 131, "407.623"},
        Lookup{"BelowTheTable", 440, 8.0f, 0, "-37.6318"}, Lookup{"Zero", 440, 0, 0, "-100000"},
        Lookup{"Negative", 440, -5, 0, "-100000"}, Lookup{"Reference415", 415, 415, 69, "0"},
        Lookup{"ZeroTable", 0, 440, 0, "-100000"},
        Lookup{"NegativeTableReference", -440, -440, 69, "-100000"},
        Lookup{"NegativeTableLow", -440, -5, 0, "-100000"},
        Lookup{"NegativeTablePositiveFrequency", -440, 440, 0, "-100000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NearestNote, EverythingAboveTheTopEntryIsTheTopNote) {
    BuildPitchTable(440);
    for (float frequency : {3e10f, 34359754752.0f, 4.2657e10f, 8.0062e10f, 1.5027e11f, 1e20f,
                            1.0000001e20f, 1e30f, std::numeric_limits<float>::max()}) {
        EXPECT_EQ(FindNearestNote(frequency), 131) << frequency;
    }
}

TEST(NearestNote, NegativeFrequenciesFarBelowGoToTheBottomNote) {
    BuildPitchTable(440);
    EXPECT_EQ(FindNearestNote(-std::numeric_limits<float>::max()), 0);
}

TEST(NearestNote, HugeReferenceStillGivesEveryFrequencyANote) {
    BuildPitchTable(5.5e21f);
    EXPECT_EQ(FindNearestNote(440), 0);
    EXPECT_EQ(FindNearestNote(5.5e21f), 69);
}

TEST(NearestNote, OverflowedTopEntryIsNeverNearest) {
    BuildPitchTable(1e37f);
    EXPECT_EQ(FindNearestNote(std::numeric_limits<float>::max()), 130);
}

TEST(NearestNote, NotANumberAndInfinityHaveNone) {
    BuildPitchTable(440);
    EXPECT_FALSE(FindNearestNote(std::numeric_limits<float>::quiet_NaN()).has_value());
    EXPECT_FALSE(FindNearestNote(std::numeric_limits<float>::infinity()).has_value());
    EXPECT_FALSE(FindNearestNote(-std::numeric_limits<float>::infinity()).has_value());
}

TEST(NearestNote, EveryBoundaryIsTheMeanOfNeighboursWithTiesDown) {
    BuildPitchTable(440);
    for (int note = 0; note + 1 < kNoteCount; ++note) {
        const double mean = (static_cast<double>(PitchTable[note]) + PitchTable[note + 1]) / 2;
        const float below = std::nextafter(static_cast<float>(mean), 0.0f);
        const float above = std::nextafter(static_cast<float>(mean), HUGE_VALF);
        EXPECT_EQ(FindNearestNote(below), note) << "below the mean after note " << note;
        EXPECT_EQ(FindNearestNote(above), note + 1) << "above the mean after note " << note;
        if (static_cast<float>(mean) == mean) {
            EXPECT_EQ(FindNearestNote(static_cast<float>(mean)), note) << "tie after " << note;
        }
    }
}

// The published search: the best distance is kept as a float, candidates are doubles. Inside the
// table's range its answers must stand unchanged.
int PublishedNearestNote(float frequency) {
    float best = 1e20f;
    int nearest = 0;
    for (int note = 0; note < kNoteCount; ++note) {
        const double distance = std::fabs(static_cast<double>(frequency) - PitchTable[note]);
        if (best > distance) {
            best = static_cast<float>(distance);
            nearest = note;
        }
    }
    return nearest;
}

TEST(NearestNote, AgreesWithThePublishedSearchInsideTheTable) {
    for (float reference : {440.0f, 415.0f, 443.21f}) {
        BuildPitchTable(reference);
        for (float frequency = 0.5f; frequency < 20000; frequency *= 1.0003f) {
            ASSERT_EQ(FindNearestNote(frequency), PublishedNearestNote(frequency)) << frequency;
        }
    }
}

// The binary search must give the scan's answer everywhere: on both sides of and exactly at every
// boundary, for ordered tables rising, falling, flat, overflowing and running into denormals.
TEST(NearestNote, BinarySearchAgreesWithTheScan) {
    const float references[] = {440, 415, 0, -440, 1e37f, -1e37f, 1e-30f, 1e-44f, HUGE_VALF};
    std::mt19937 random(20261208);
    std::uniform_int_distribution<std::uint32_t> anyBits;
    for (float reference : references) {
        BuildPitchTable(reference);
        std::vector<float> frequencies;
        for (int note = 0; note + 1 < kNoteCount; ++note) {
            const double mean = (static_cast<double>(PitchTable[note]) + PitchTable[note + 1]) / 2;
            const float nearMean = static_cast<float>(mean);
            frequencies.insert(frequencies.end(),
                               {PitchTable[note], nearMean, std::nextafter(nearMean, -HUGE_VALF),
                                std::nextafter(nearMean, HUGE_VALF)});
        }
        for (int i = 0; i < 20000; ++i) {
            frequencies.push_back(FloatFromBits(anyBits(random)));
        }
        for (float frequency : frequencies) {
            ASSERT_EQ(FindNearestNote(frequency), FindNearestNoteByScan(frequency))
                << "reference " << reference << ", frequency " << frequency;
        }
    }
}

TEST(NoteCents, NonFiniteDeviationsBecomeTheSentinel) {
    BuildPitchTable(1e37f);
    EXPECT_EQ(NoteCents(1e30f, 131), NO_NOTE_CENTS);  // infinite entry
    BuildPitchTable(0);
    EXPECT_EQ(NoteCents(440, 0), NO_NOTE_CENTS);  // zero entry
    BuildPitchTable(-440);
    EXPECT_EQ(NoteCents(440, 0), NO_NOTE_CENTS);  // negative ratio
    EXPECT_EQ(kNoCents, -100000.0f);
}

}  // namespace
