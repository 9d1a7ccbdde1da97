#pragma once

// The frequency of pitch class `pitchClass` (0..11) in table octave `octave` (0..10), raised by
// `cents`, against the current PitchTable. The octave convention plays no part. A result beyond
// the float range is infinite.
float NoteFrequency(int pitchClass, int octave, float cents);
