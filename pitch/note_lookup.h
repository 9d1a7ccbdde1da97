#pragma once

#include <optional>

// The deviation shown when none can be computed: the frequency is not above zero, or the table
// was built from a reference that gives no finite deviation.
inline constexpr float NO_NOTE_CENTS = -100000.0f;

// The note number (0..131) whose PitchTable entry lies nearest to the frequency, measured
// linearly in Hz. The boundary between neighbours is their arithmetic mean and an exact tie goes
// to the lower note. Every finite frequency has a nearest note; NaN and infinity have none.
// A binary search over the table, which is ordered for every reference but NaN.
std::optional<int> FindNearestNote(float frequency);

// The same answer by comparing every entry: what FindNearestNote falls back on for an unordered
// table, and the yardstick it is tested against.
std::optional<int> FindNearestNoteByScan(float frequency);

// The deviation of the frequency from PitchTable entry `note` in cents, or NO_NOTE_CENTS when
// the frequency is not above zero or the deviation is not a finite number.
float NoteCents(float frequency, int note);
