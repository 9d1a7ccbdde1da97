#include "pitch/pitch_table.h"

#include <cmath>

#include "pitch/float_rounding.h"

std::array<float, kNoteCount> PitchTable{};

double SemitoneRatio() {
    return std::exp(std::log(2.0) * (1.0 / 12));
}

double InverseSemitoneRatio() {
    return 1.0 / SemitoneRatio();
}

void BuildPitchTable(float reference) {
    const double ratio = SemitoneRatio();
    const double inverse = 1.0 / ratio;
    PitchTable[kReferenceNote] = reference;

    // Each half walks away from the reference with an accumulator that is never rounded; only
    // the stored copies are, so the error does not grow from one semitone to the next.
    double frequency = reference;
    for (int note = kReferenceNote - 1; note >= 0; --note) {
        frequency *= inverse;
        PitchTable[note] = RoundToFloat(frequency);
    }
    frequency = reference;
    for (int note = kReferenceNote + 1; note < kNoteCount; ++note) {
        frequency *= ratio;
        PitchTable[note] = RoundToFloat(frequency);
    }
}
