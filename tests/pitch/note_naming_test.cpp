#include <gtest/gtest.h>

#include "pitch/note_naming.h"

struct Label {
    int note;
    int octaveOffset;
    const char* label;
};

void PrintTo(const Label& row, std::ostream* out) {
    *out << "note " << row.note << ", offset " << row.octaveOffset;
}

class NoteLabel : public ::testing::TestWithParam<Label> {};

TEST_P(NoteLabel, IsNameThenOctaveNumber) {
    EXPECT_EQ(FormatNoteLabel(GetParam().note, GetParam().octaveOffset), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(
    YamahaAndRoland, NoteLabel,
    ::testing::Values(Label{69, kYamahaOctaveOffset, " A3"}, Label{69, kRolandOctaveOffset, " A4"},
                      Label{0, kYamahaOctaveOffset, " C-2"}, Label{0, kRolandOctaveOffset, " C-1"},
                      Label{61, kRolandOctaveOffset, "C#4"}, Label{131, kYamahaOctaveOffset, " H8"},
                      Label{63, kYamahaOctaveOffset, "Eb3"}, Label{70, kYamahaOctaveOffset, " B3"},
                      Label{60, kYamahaOctaveOffset, " C3"},
                      Label{60, kRolandOctaveOffset, " C4"}));

TEST(OctaveList, OffersOneNumberPerTableOctave) {
    const auto yamaha = FormatOctaveList(1);
    const auto roland = FormatOctaveList(0);
    EXPECT_EQ(yamaha.front(), "-2");
    EXPECT_EQ(yamaha[5], "3");
    EXPECT_EQ(yamaha.back(), "8");
    EXPECT_EQ(roland.front(), "-1");
    EXPECT_EQ(roland[5], "4");
    EXPECT_EQ(roland.back(), "9");
    EXPECT_EQ(FormatOctaveList(7), yamaha) << "any nonzero flag is Yamaha";
}
