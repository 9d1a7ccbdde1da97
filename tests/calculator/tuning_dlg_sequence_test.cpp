#include "tests/calculator/calculator_fixture.h"

// Every command writes all boxes back with six significant digits, and the next command reads
// them from there: these sequences show what a user sees across commands.
namespace {

TEST_F(Calculator, ReferenceWithMoreDigitsIsUsedOnceThenAsShown) {
    ui().Type(IDC_REFERENCE, "440.0001");
    Analyse("445");
    EXPECT_EQ(Box(IDC_CENT), "19.5618");
    EXPECT_EQ(Box(IDC_REFERENCE), "440");
    ui().Click(IDOK);
    EXPECT_EQ(Box(IDC_CENT), "19.5622");
}

TEST_F(Calculator, TieIsAnalysedAsShownTheSecondTime) {
    Analyse("453.08188");
    EXPECT_EQ(Box(IDC_TONE), " A3");
    EXPECT_EQ(Box(IDC_CENT), "50.7219");
    EXPECT_EQ(Box(IDC_VALUE), "453.082");
    ui().Click(IDOK);
    EXPECT_EQ(Box(IDC_TONE), " B3");
    EXPECT_EQ(Box(IDC_CENT), "-49.2776");
}

TEST_F(Calculator, SynthesisResultIsAnalysedAsShown) {
    ui().Type(IDC_CENT_IN, "100");
    ui().Click(IDC_CALC_FREQ);
    ui().Click(IDOK);
    EXPECT_EQ(Box(IDC_VALUE), "466.164");
    EXPECT_EQ(Box(IDC_TONE), " B3");
    EXPECT_EQ(Box(IDC_CENT), "0.000906687");
}

TEST_F(Calculator, LongValueIsShortenedToSixDigits) {
    Analyse("445.123456");
    EXPECT_EQ(Box(IDC_VALUE), "445.123");
}

TEST_F(Calculator, EmptyValIsRefusedAndRefilled) {
    Analyse("");
    ExpectNumberNoticeFor(IDC_VALUE);
    EXPECT_EQ(Box(IDC_VALUE), "0");
}

TEST_F(Calculator, ResultBoxesAreReadBackLikeTheOthers) {
    Analyse("445");
    ui().Type(IDC_VALUE, "440");
    ui().Click(IDC_CALC_FREQ);  // reads Tone and Cent back from the boxes
    EXPECT_EQ(Box(IDC_TONE), " A3");
    EXPECT_EQ(Box(IDC_CENT), "19.5622");
}

}  // namespace
