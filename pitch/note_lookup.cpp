#include "pitch/note_lookup.h"

#include <cmath>
#include <compare>

#include "pitch/float_rounding.h"
#include "pitch/pitch_table.h"

namespace {

// |frequency - entry| held exactly as an unevaluated sum of a rounded double and its rounding
// error. Distances compare exactly even where the frequency is far above every entry and the
// rounded doubles alone would come out equal.
struct ExactDistance {
    double rounded;
    double error;

    auto operator<=>(const ExactDistance&) const = default;
};

ExactDistance DistanceBetween(float frequency, float entry) {
    const double a = frequency;
    const double b = -static_cast<double>(entry);
    const double sum = a + b;
    if (std::isinf(sum)) {
        return {HUGE_VAL, 0.0};
    }
    // Knuth's two-sum: sum + error == a + b exactly.
    const double bPart = sum - a;
    const double aPart = sum - bPart;
    const double error = (a - aPart) + (b - bPart);
    return sum < 0 ? ExactDistance{-sum, -error} : ExactDistance{sum, error};
}

// The table's entries in the order of their note numbers, as `key(note)`, for a table that falls
// from note 0 to note 131 read upside down: both directions then search alike, and distances do
// not change when entry and frequency are both negated.
struct OrderedTable {
    bool falling;

    float Key(int note) const { return falling ? -PitchTable[note] : PitchTable[note]; }

    // The first note whose key is not below `key`, or kNoteCount when there is none.
    int FirstNotBelow(float key, int low = 0, int high = kNoteCount) const {
        while (low < high) {
            const int middle = low + (high - low) / 2;
            if (Key(middle) < key) {
                low = middle + 1;
            } else {
                high = middle;
            }
        }
        return low;
    }
};

}  // namespace

std::optional<int> FindNearestNoteByScan(float frequency) {
    if (!std::isfinite(frequency)) {
        return std::nullopt;
    }
    int nearest = 0;
    ExactDistance best = DistanceBetween(frequency, PitchTable[0]);
    for (int note = 1; note < kNoteCount; ++note) {
        const ExactDistance distance = DistanceBetween(frequency, PitchTable[note]);
        if (distance < best) {
            best = distance;
            nearest = note;
        }
    }
    return nearest;
}

std::optional<int> FindNearestNote(float frequency) {
    if (!std::isfinite(frequency)) {
        return std::nullopt;
    }
    // Every entry is the reference times a power of the semitone ratio, so the table is ordered
    // unless the reference is NaN.
    if (std::isnan(PitchTable[kReferenceNote])) {
        return FindNearestNoteByScan(frequency);
    }
    const OrderedTable table{PitchTable[0] > PitchTable[kNoteCount - 1]};
    const float key = table.falling ? -frequency : frequency;

    // The nearest entry is the first one not below the frequency or the last one below it. Of
    // equal entries the lowest note counts, as it does on an exact tie between the two.
    const int above = table.FirstNotBelow(key);
    if (above == 0) {
        return 0;
    }
    const int below = table.FirstNotBelow(table.Key(above - 1), 0, above - 1);
    if (above == kNoteCount) {
        return below;
    }
    const ExactDistance toBelow = DistanceBetween(frequency, PitchTable[below]);
    const ExactDistance toAbove = DistanceBetween(frequency, PitchTable[above]);
    return toAbove < toBelow ? above : below;
}

float NoteCents(float frequency, int note) {
    if (!(frequency > 0)) {
        return NO_NOTE_CENTS;
    }
    const double ratio = static_cast<double>(frequency) / PitchTable[note];
    const float cents = RoundToFloat(1200.0 * std::log(ratio) / std::log(2.0));
    return std::isfinite(cents) ? cents : NO_NOTE_CENTS;
}
