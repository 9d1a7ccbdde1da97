#pragma once

#include <array>

// Number of notes in the table: eleven octaves of twelve, note number 0 (C) to 131 (H).
inline constexpr int kNoteCount = 132;

// Note number of the reference A.
inline constexpr int kReferenceNote = 69;

// The equal-tempered frequencies of all 132 notes for the reference of the last build, in Hz.
// One table for the whole program; every command rebuilds it before reading it.
extern std::array<float, kNoteCount> PitchTable;

// The semitone ratio 2^(1/12) and its reciprocal, as the table is built with them.
double SemitoneRatio();
double InverseSemitoneRatio();

// Fills PitchTable from the frequency of the reference A (entry 69). Any float is accepted:
// zero gives a table of zeros, a negative reference mirrors the table below zero.
void BuildPitchTable(float reference);
