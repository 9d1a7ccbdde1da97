#include "pitch/pitch_table.h"

#include <cfloat>
#include <cmath>

#include "pitch/float_rounding.h"

// Every product below must be rounded to double and nothing wider, as on an SSE2 or WebAssembly
// target; an x87 build would need its precision control set to 53 bits before start-up.
static_assert(FLT_EVAL_METHOD == 0, "the pitch arithmetic needs double evaluated as double");

std::array<float, kNoteCount> PitchTable{};

double SemitoneRatio() {
    static const double ratio = std::exp(std::log(2.0) * (1.0 / 12));
    return ratio;
}

double InverseSemitoneRatio() {
    return 1.0 / SemitoneRatio();
}

void BuildPitchTable(float reference) {
    const double ratio = SemitoneRatio();
    const double inverse = 1.0 / ratio;
    PitchTable[kReferenceNote] = reference;

    // Two accumulators walk away from the reference, one down and one up, and are never
    // rounded; only the stored copies are, so the error does not grow from one semitone to the
    // next. They take their steps side by side, which lets the processor work on both at once.
    double below = reference;
    double above = reference;
    for (int step = 1; step <= kReferenceNote; ++step) {
        below *= inverse;
        PitchTable[kReferenceNote - step] = RoundToFloat(below);
        if (kReferenceNote + step < kNoteCount) {
            above *= ratio;
            PitchTable[kReferenceNote + step] = RoundToFloat(above);
        }
    }
}
