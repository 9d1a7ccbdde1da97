#include "pitch/note_naming.h"

const std::array<const char*, 12> NoteNames = {" C", "C#", " D", "Eb", " E", " F",
                                               "F#", " G", "G#", " A", " B", " H"};

std::string FormatNoteLabel(int note, int octaveOffset) {
    return NoteNames[note % 12] + std::to_string(note / 12 + octaveOffset);
}

std::array<std::string, kOctaveCount> FormatOctaveList(int yamaha) {
    const int first = yamaha ? kYamahaOctaveOffset : kRolandOctaveOffset;
    std::array<std::string, kOctaveCount> octaves;
    for (int position = 0; position < kOctaveCount; ++position) {
        octaves[position] = std::to_string(first + position);
    }
    return octaves;
}
