#include <gtest/gtest.h>

#include "framework/resources/captions.h"

namespace {

constexpr std::uint32_t kNoPrefix = template_style::StaticNoPrefix;

DialogControl Label(const char* text, int x, int y, int cx, int cy = 8, std::uint32_t style = 0) {
    DialogControl label;
    label.windowClass.ordinal = static_cast<std::uint16_t>(ControlClass::Static);
    label.title.text = text;
    label.style = style;
    label.x = x, label.y = y, label.cx = cx, label.cy = cy;
    return label;
}

DialogControl Box(int x, int y, int cx = 40, int cy = 12) {
    DialogControl box;
    box.windowClass.ordinal = static_cast<std::uint16_t>(ControlClass::Edit);
    box.id = 1000;
    box.x = x, box.y = y, box.cx = cx, box.cy = cy;
    return box;
}

struct CaptionCase {
    const char* name;
    std::vector<DialogControl> labels;
    DialogControl box;
    const char* caption;
};

class Caption : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(Caption, NamesTheBoxAfterTheTextBeforeItOnItsLine) {
    const CaptionCase& row = GetParam();
    DialogTemplate dialog;
    dialog.controls = row.labels;
    dialog.controls.push_back(row.box);
    EXPECT_EQ(CaptionOf(dialog, dialog.controls.back()), row.caption);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, Caption,
    ::testing::Values(
        CaptionCase{"ColonDropped", {Label("Val.:", 7, 10, 15)}, Box(28, 7), "Val."},
        CaptionCase{"AccessKeyMarkDropped", {Label("&Tone:", 6, 76, 20)}, Box(25, 74), "Tone"},
        CaptionCase{"NearestOfTwoOnTheLine",
                    {Label("Oct:", 75, 76, 14), Label("Tone:", 6, 76, 20)},
                    Box(90, 74),
                    "Oct"},
        CaptionCase{"UnitAfterTheBoxIsNoCaption", {Label("Hz", 69, 10, 10)}, Box(28, 7), ""},
        CaptionCase{"MayReachTwoUnitsIntoTheBox", {Label("Ref.:", 8, 24, 22)}, Box(28, 21), "Ref."},
        CaptionCase{"ThreeUnitsIntoTheBoxIsTooFar", {Label("Ref.:", 8, 24, 23)}, Box(28, 21), ""},
        CaptionCase{"LineAboveIsNoCaption", {Label("Val.:", 7, 10, 15)}, Box(28, 21), ""},
        CaptionCase{"OnlyTheFirstLineOfATallList",
                    {Label("Tone:", 6, 76, 20), Label("Below:", 6, 100, 20)},
                    Box(25, 74, 41, 61),
                    "Tone"},
        CaptionCase{"NoCaptionAtAll", {}, Box(28, 7), ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShownText, AmpersandMarksTheAccessKeyUnlessTheStaticSaysNoPrefix) {
    EXPECT_EQ(ShownText("&About Vardolin...", 0), "About Vardolin...");
    EXPECT_EQ(ShownText("Salt && Pepper", 0), "Salt & Pepper");
    EXPECT_EQ(ShownText("Trailing &", 0), "Trailing &");
    EXPECT_EQ(ShownText("R&D", kNoPrefix), "R&D");
}

}  // namespace
