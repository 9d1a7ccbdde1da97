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

}  // namespace

std::optional<int> FindNearestNote(float frequency) {
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

float NoteCents(float frequency, int note) {
    if (!(frequency > 0)) {
        return NO_NOTE_CENTS;
    }
    const double ratio = static_cast<double>(frequency) / PitchTable[note];
    const float cents = RoundToFloat(1200.0 * std::log(ratio) / std::log(2.0));
    return std::isfinite(cents) ? cents : NO_NOTE_CENTS;
}
