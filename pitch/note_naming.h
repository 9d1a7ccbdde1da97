#pragma once

#include <array>
#include <string>

// Result labels by pitch class, German usage (B is B flat, H is B natural). Natural notes carry
// a leading blank so that every label is two characters wide.
extern const std::array<const char*, 12> NoteNames;

// Number of octaves in the table, and so of entries in the octave list.
inline constexpr int kOctaveCount = 11;

// Octave offsets of the two numbering conventions: added to the table octave (note / 12).
inline constexpr int kYamahaOctaveOffset = -2;
inline constexpr int kRolandOctaveOffset = -1;

// The label of a note number 0..131 under an octave offset: " A3" for note 69 with Yamaha.
std::string FormatNoteLabel(int note, int octaveOffset);

// The eleven octave numbers offered for synthesis, one per table octave: -2..8 for Yamaha
// (nonzero flag), -1..9 for Roland.
std::array<std::string, kOctaveCount> FormatOctaveList(int yamaha);
