#include "pitch/synthesis.h"

#include <cmath>

#include "pitch/float_rounding.h"
#include "pitch/pitch_table.h"

float NoteFrequency(int pitchClass, int octave, float cents) {
    // 1/1200 is multiplied, not divided: the result must match the program's published values
    // to the last bit.
    constexpr double kOneOver1200 = 0.0008333333333333334;
    const double factor = std::exp(std::log(2.0) * cents * kOneOver1200);
    return RoundToFloat(factor * PitchTable[pitchClass + 12 * octave]);
}
