#include "tests/calculator/calculator_fixture.h"

namespace {

const std::vector<std::string> kYamahaOctaves = {"-2", "-1", "0", "1", "2", "3",
                                                 "4",  "5",  "6", "7", "8"};
const std::vector<std::string> kRolandOctaves = {"-1", "0", "1", "2", "3", "4",
                                                 "5",  "6", "7", "8", "9"};

TEST_F(Calculator, OpensWithReference440AndYamaha) {
    EXPECT_EQ(Box(IDC_VALUE), "0");
    EXPECT_EQ(Box(IDC_REFERENCE), "440");
    EXPECT_EQ(Box(IDC_TONE), "");
    EXPECT_EQ(Box(IDC_CENT), "0");
    EXPECT_EQ(ui().GetCheck(IDC_YAMAHA), BST_CHECKED);
    EXPECT_EQ(ui().GetCheck(IDC_ROLAND), BST_UNCHECKED);
    EXPECT_EQ(Box(IDC_NOTE), "A");
    EXPECT_EQ(Entries(IDC_OCTAVE), kYamahaOctaves);
    EXPECT_EQ(Selection(IDC_OCTAVE), 5);
    EXPECT_EQ(Box(IDC_CENT_IN), "0");
    EXPECT_EQ(ui().focus(), IDOK);
    EXPECT_FALSE(ui().ended());
}

struct Analysis {
    const char* reference;
    const char* value;
    const char* tone;
    const char* cent;
};

void PrintTo(const Analysis& row, std::ostream* out) {
    *out << "Ref. " << row.reference << ", Val. " << row.value;
}

class CalculatorAnalysis : public Calculator, public ::testing::WithParamInterface<Analysis> {};

TEST_P(CalculatorAnalysis, ShowsNoteAndDeviation) {
    ui().Type(IDC_REFERENCE, GetParam().reference);
    Analyse(GetParam().value);
    EXPECT_EQ(Box(IDC_TONE), GetParam().tone);
    EXPECT_EQ(Box(IDC_CENT), GetParam().cent);
    EXPECT_FALSE(ui().ended()) << "Calc never closes the window";
    EXPECT_TRUE(ui().notices().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Values, CalculatorAnalysis,
    ::testing::Values(
        Analysis{"440", "440", " A3", "0"}, Analysis{"440", "445", " A3", "19.5622"},
        Analysis{"440", "452.5", " A3", "48.4971"}, Analysis{"440", "261.63", " C3", "0.0292813"},
        Analysis{"415", "415", " A3", "0"}, Analysis{"440", "0", " C-2", "-100000"},
        Analysis{"440", "-5", " C-2", "-100000"}, Analysis{"440", "20000", " H8", "407.623"},
        Analysis{"440", "1e30", " H8", "102852"}, Analysis{"0", "440", " C-2", "-100000"},
        Analysis{"-440", "440", " C-2", "-100000"}, Analysis{"1e37", "1e37", " A3", "0"}));

TEST_F(Calculator, RolandRenamesTheOctavesAndKeepsThePosition) {
    Analyse("440");
    ui().Click(IDC_ROLAND);
    EXPECT_EQ(Box(IDC_TONE), " A4");
    EXPECT_EQ(Box(IDC_CENT), "0");
    EXPECT_EQ(Entries(IDC_OCTAVE), kRolandOctaves);
    EXPECT_EQ(Selection(IDC_OCTAVE), 5);
    EXPECT_EQ(Box(IDC_OCTAVE), "4");
    EXPECT_EQ(ui().GetCheck(IDC_ROLAND), BST_CHECKED);
    EXPECT_EQ(ui().GetCheck(IDC_YAMAHA), BST_UNCHECKED);
}

TEST_F(Calculator, RolandRightAfterStartAnalysesZero) {
    ui().Click(IDC_ROLAND);
    EXPECT_EQ(Box(IDC_TONE), " C-1");
    EXPECT_EQ(Box(IDC_CENT), "-100000");
}

TEST_F(Calculator, ClickOnThePressedToggleKeepsItPressed) {
    Analyse("440");
    ui().Type(IDC_VALUE, "445");
    ui().Click(IDC_YAMAHA);  // the platform releases it, the handler presses it again
    EXPECT_EQ(ui().GetCheck(IDC_YAMAHA), BST_CHECKED);
    EXPECT_EQ(ui().GetCheck(IDC_ROLAND), BST_UNCHECKED);
    EXPECT_EQ(Box(IDC_CENT), "19.5622") << "the analysis runs again on the edited box";
    ui().Click(IDC_ROLAND);
    ui().Click(IDC_ROLAND);
    EXPECT_EQ(ui().GetCheck(IDC_ROLAND), BST_CHECKED);
    EXPECT_EQ(Box(IDC_TONE), " A4");
}

TEST_F(Calculator, SwitchingBackAndForthKeepsListsAndValues) {
    ui().Choose(IDC_NOTE, 3);
    ui().Choose(IDC_OCTAVE, 8);
    ui().Type(IDC_VALUE, "445.5");
    ui().Type(IDC_REFERENCE, "442");
    ui().Click(IDC_ROLAND);
    ui().Click(IDC_YAMAHA);
    EXPECT_EQ(Selection(IDC_NOTE), 3);
    EXPECT_EQ(Selection(IDC_OCTAVE), 8);
    EXPECT_EQ(Entries(IDC_OCTAVE), kYamahaOctaves);
    EXPECT_EQ(Box(IDC_VALUE), "445.5");
    EXPECT_EQ(Box(IDC_REFERENCE), "442");
}

struct Synthesis {
    int note;
    int octavePosition;
    const char* cents;
    const char* value;
};

void PrintTo(const Synthesis& row, std::ostream* out) {
    *out << "note " << row.note << ", octave " << row.octavePosition << ", " << row.cents
         << " cents";
}

class CalculatorSynthesis : public Calculator, public ::testing::WithParamInterface<Synthesis> {};

TEST_P(CalculatorSynthesis, PutsTheFrequencyIntoVal) {
    Analyse("445");
    ui().Choose(IDC_NOTE, GetParam().note);
    ui().Choose(IDC_OCTAVE, GetParam().octavePosition);
    ui().Type(IDC_CENT_IN, GetParam().cents);
    ui().Click(IDC_CALC_FREQ);
    EXPECT_EQ(Box(IDC_VALUE), GetParam().value);
    EXPECT_EQ(Box(IDC_TONE), " A3") << "the results of the last analysis stay";
    EXPECT_EQ(Box(IDC_CENT), "19.5622");
}

INSTANTIATE_TEST_SUITE_P(Reference440, CalculatorSynthesis,
                         ::testing::Values(Synthesis{9, 5, "0", "440"},
                                           Synthesis{9, 5, "100", "466.164"},
                                           Synthesis{9, 5, "-50", "427.474"},
                                           Synthesis{0, 0, "0", "8.1758"},
                                           Synthesis{11, 10, "0", "15804.3"}));

TEST_F(Calculator, OverflowingSynthesisShowsInfAndIsRefusedWhenRead) {
    ui().Type(IDC_CENT_IN, "200000");
    ui().Click(IDC_CALC_FREQ);
    EXPECT_EQ(Box(IDC_VALUE), "inf");
    ui().Click(IDOK);
    ExpectNumberNoticeFor(IDC_VALUE);
    EXPECT_EQ(Box(IDC_CENT), "-100000") << "inf is never analysed";
    EXPECT_EQ(Box(IDC_TONE), "");
    Analyse("440");
    EXPECT_EQ(Box(IDC_TONE), " A3") << "a new value is taken at once";
}

TEST_F(Calculator, SynthesisWithoutAnOctaveKeepsVal) {
    Analyse("445");
    ui().Choose(IDC_OCTAVE, -1);
    ui().Click(IDC_CALC_FREQ);
    EXPECT_EQ(Box(IDC_VALUE), "445");
    ui().Choose(IDC_NOTE, -1);
    ui().Choose(IDC_OCTAVE, 5);
    ui().Click(IDC_CALC_FREQ);
    EXPECT_EQ(Box(IDC_VALUE), "445");
}

class CalculatorBadText : public Calculator, public ::testing::WithParamInterface<const char*> {};

TEST_P(CalculatorBadText, IsRefusedWithANoticeAndRefilled) {
    Analyse("445");
    ui().Type(IDC_VALUE, GetParam());
    ui().Click(IDOK);
    ExpectNumberNoticeFor(IDC_VALUE);
    EXPECT_EQ(Box(IDC_VALUE), "445") << "the box shows the value in force again";
    EXPECT_EQ(Box(IDC_CENT), "19.5622");
    EXPECT_EQ(Box(IDC_REFERENCE), "440");
    EXPECT_FALSE(ui().ended());
}

INSTANTIATE_TEST_SUITE_P(Texts, CalculatorBadText,
                         ::testing::Values("", "abc", "445Hz", "inf", "nan", "1e39", "0x1p8",
                                           "4,45"));

TEST_F(Calculator, BadReferenceStopsTheReadBeforeVal) {
    ui().Type(IDC_REFERENCE, "A=440");
    Analyse("445");
    ExpectNumberNoticeFor(IDC_REFERENCE);
    EXPECT_EQ(Box(IDC_REFERENCE), "440");
    EXPECT_EQ(Box(IDC_VALUE), "0") << "Val. was not read: its field still holds 0";
    EXPECT_EQ(Box(IDC_TONE), " C-2");
}

TEST_F(Calculator, DeviationsThatAreNotFiniteLeaveTheWindowUsable) {
    ui().Type(IDC_REFERENCE, "0");
    Analyse("440");
    EXPECT_EQ(Box(IDC_CENT), "-100000");
    ui().Type(IDC_REFERENCE, "440");
    Analyse("445");
    EXPECT_TRUE(ui().notices().empty()) << "the Cent box always reads back";
    EXPECT_EQ(Box(IDC_CENT), "19.5622");
}

TEST_F(Calculator, EscapeEndsTheWindow) {
    ui().PressEscape();
    EXPECT_TRUE(ui().ended());
    EXPECT_EQ(ui().result(), IDCANCEL);
}

}  // namespace
