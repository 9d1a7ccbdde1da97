#include <gtest/gtest.h>

#include <vector>

#include "framework/core/accessible_names.h"
#include "framework/core/resource_module.h"
#include "framework/core/win_types.h"
#include "framework/resources/dialog_init.h"
#include "framework/resources/dialog_template.h"
#include "framework/resources/icon_group.h"
#include "framework/resources/resource_image.h"
#include "framework/resources/string_table.h"
#include "res/resource.h"

namespace {

constexpr std::uint32_t kChildVisible = 0x50000000;
constexpr std::uint32_t kTabStop = 0x00010000;
constexpr std::uint32_t kGroup = 0x00020000;
constexpr std::uint32_t kVScroll = 0x00200000;
constexpr std::uint32_t kStaticEdge = 0x00020000;
constexpr std::uint16_t kEnglishUs = 0x0409;
constexpr std::uint16_t kGerman = 0x0407;

DialogTemplate LoadTemplate(std::uint16_t id) {
    const auto bytes = AfxGetResourceImage().Find(ResourceType::Dialog, id, kEnglishUs);
    EXPECT_TRUE(bytes.has_value());
    const auto parsed = bytes ? ParseDialogTemplate(*bytes) : std::nullopt;
    EXPECT_TRUE(parsed.has_value());
    return parsed.value_or(DialogTemplate{});
}

struct ExpectedControl {
    int id;
    ControlClass kind;
    const char* text;
    int x, y, cx, cy;
    std::uint32_t style;  // besides WS_CHILD | WS_VISIBLE
    std::uint32_t exStyle;
};

TEST(CalculatorTemplate, HasTheWindowAttributes) {
    const DialogTemplate dialog = LoadTemplate(IDD_MAIN);
    EXPECT_TRUE(dialog.extended);
    EXPECT_EQ(dialog.caption, "Vardolin");
    EXPECT_EQ(dialog.style, 0x90CA00C0u);
    EXPECT_EQ(dialog.exStyle, 0x00040000u);
    EXPECT_EQ(dialog.x, 0);
    EXPECT_EQ(dialog.y, 0);
    EXPECT_EQ(dialog.cx, 138);
    EXPECT_EQ(dialog.cy, 111);
    EXPECT_EQ(dialog.pointSize, 8);
    EXPECT_EQ(dialog.typeface, "MS Sans Serif");
    EXPECT_EQ(dialog.weight, 0);
    EXPECT_FALSE(dialog.italic);
    EXPECT_EQ(dialog.charset, 1);
}

// Each caption stands just before its box, where the platform's accessibility names a box from;
// the tab stops keep their order.
TEST(CalculatorTemplate, HasTheControlsInTabOrderEachCaptionBeforeItsBox) {
    using enum ControlClass;
    const std::uint32_t edit = 0x0080 | kTabStop;  // ES_AUTOHSCROLL
    const std::uint32_t readOnly = edit | 0x0800;
    const std::uint32_t label = kGroup;  // SS_LEFT
    const std::uint32_t toggle = 0x0003 | 0x1000 | 0x8000 | kTabStop;
    const std::uint32_t list = 0x0003 | kVScroll | kTabStop;
    const std::uint32_t etched = 0x0010;
    const ExpectedControl expected[] = {
        {IDOK, Button, "Calc", 85, 40, 38, 14, 0x0001 | kTabStop, 0},
        {-1, Static, "Ref.:", 8, 24, 16, 8, label, 0},
        {IDC_REFERENCE, Edit, "", 28, 21, 40, 12, edit, kStaticEdge},
        {-1, Static, "Val.:", 7, 10, 15, 8, label, 0},
        {IDC_VALUE, Edit, "", 28, 7, 40, 12, edit, kStaticEdge},
        {-1, Static, "Tone:", 7, 42, 20, 8, label, 0},
        {IDC_TONE, Edit, "", 28, 40, 40, 12, readOnly, kStaticEdge},
        {-1, Static, "Cent:", 7, 56, 18, 8, label, 0},
        {IDC_CENT, Edit, "", 28, 54, 40, 14, readOnly, kStaticEdge},
        {-1, Static, "Hz", 69, 10, 10, 8, label, 0},
        {-1, Static, "Hz", 69, 24, 10, 8, label, 0},
        {IDC_ROLAND, Button, "Roland", 86, 10, 39, 10, toggle, 0},
        {IDC_YAMAHA, Button, "Yamaha", 86, 21, 39, 10, toggle, 0},
        {-1, Static, "Tone:", 6, 76, 20, 8, label, 0},
        {IDC_NOTE, ComboBox, "", 25, 74, 41, 61, list, 0},
        {-1, Static, "Cent:", 6, 90, 18, 8, label, 0},
        {IDC_CENT_IN, Edit, "", 26, 88, 40, 12, edit, kStaticEdge},
        {-1, Static, "", 7, 70, 123, 1, etched, 0},
        {IDC_CALC_FREQ, Button, "Calc", 85, 89, 38, 14, kTabStop, 0},
        {-1, Static, "Oct:", 75, 76, 14, 8, label, 0},
        {IDC_OCTAVE, ComboBox, "", 90, 74, 34, 111, list, 0},
        {-1, Static, "", 6, 36, 123, 1, etched, 0},
    };
    const DialogTemplate dialog = LoadTemplate(IDD_MAIN);
    ASSERT_EQ(dialog.controls.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const DialogControl& control = dialog.controls[i];
        const ExpectedControl& want = expected[i];
        SCOPED_TRACE("control " + std::to_string(i + 1));
        EXPECT_EQ(control.id, want.id);
        EXPECT_TRUE(control.IsClass(want.kind));
        EXPECT_EQ(control.title.text, want.text);
        EXPECT_EQ(control.x, want.x);
        EXPECT_EQ(control.y, want.y);
        EXPECT_EQ(control.cx, want.cx);
        EXPECT_EQ(control.cy, want.cy);
        EXPECT_EQ(control.style, kChildVisible | want.style);
        EXPECT_EQ(control.exStyle, want.exStyle);
    }
}

TEST(CalculatorTemplate, InitialListsAreNotesAndTwelveOctaves) {
    const auto bytes = AfxGetResourceImage().Find(ResourceType::DialogInit, IDD_MAIN);
    ASSERT_TRUE(bytes.has_value());
    const auto records = ParseDialogInit(*bytes);
    ASSERT_TRUE(records.has_value());
    std::vector<std::string> notes, octaves;
    for (const DialogInitRecord& record : *records) {
        EXPECT_EQ(record.message, DialogInitComboAddString);
        (record.controlId == IDC_NOTE ? notes : octaves).push_back(record.text);
        EXPECT_TRUE(record.controlId == IDC_NOTE || record.controlId == IDC_OCTAVE);
    }
    EXPECT_EQ(notes, (std::vector<std::string>{"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A",
                                               "B", "H"}));
    EXPECT_EQ(octaves, (std::vector<std::string>{"-1", "0", "1", "2", "3", "4", "5", "6", "7", "8",
                                                 "9", "10"}));
}

TEST(AboutTemplate, IsAClassicDialogWithIconTextsAndOk) {
    const DialogTemplate dialog = LoadTemplate(IDD_ABOUTBOX);
    EXPECT_FALSE(dialog.extended);
    EXPECT_EQ(dialog.caption, "About Vardolin");
    EXPECT_EQ(dialog.style, 0x80C800C0u);
    EXPECT_EQ(dialog.cx, 235);
    EXPECT_EQ(dialog.cy, 55);
    EXPECT_EQ(dialog.typeface, "MS Sans Serif");
    ASSERT_EQ(dialog.controls.size(), 4u);
    const DialogControl& icon = dialog.controls[0];
    EXPECT_TRUE(icon.IsClass(ControlClass::Static));
    EXPECT_EQ(icon.title.ordinal, IDR_MAINFRAME);
    EXPECT_EQ(icon.style, kChildVisible | 0x0003u);  // SS_ICON
    EXPECT_EQ(std::tuple(icon.x, icon.y, icon.cx, icon.cy), std::tuple(7, 13, 21, 20));
    EXPECT_EQ(dialog.controls[1].title.text, "Vardolin Version 0.1");
    EXPECT_EQ(dialog.controls[1].style, kChildVisible | kGroup | 0x0080u);  // SS_NOPREFIX
    EXPECT_NE(dialog.controls[2].title.text.find("2005"), std::string::npos);
    EXPECT_EQ(dialog.controls[3].id, IDOK);
    EXPECT_EQ(dialog.controls[3].style, kChildVisible | kGroup | kTabStop | 0x0001u);
}

TEST(ProgramResources, DescribeTheControlsThatShareACaptionAndNothingElse) {
    const DialogTemplate calculator = LoadTemplate(IDD_MAIN);
    std::vector<std::pair<int, std::string>> described;
    for (const DialogControl& control : calculator.controls) {
        if (const auto description = DescriptionOf(control, AfxGetResourceImage())) {
            described.emplace_back(control.id, *description);
        }
    }
    const std::vector<std::pair<int, std::string>> expected = {
        {IDOK, "Analyse the frequency in Val."},
        {IDC_TONE, "The nearest note to Val."},
        {IDC_CENT, "Deviation of Val. from the nearest note, in cents"},
        {IDC_NOTE, "Note to compute a frequency from"},
        {IDC_CENT_IN, "Offset from that note in cents"},
        {IDC_CALC_FREQ, "Put the frequency of the note into Val."},
        {IDC_OCTAVE, "Octave of that note"},
    };
    EXPECT_EQ(described, expected);
    for (const DialogControl& control : LoadTemplate(IDD_ABOUTBOX).controls) {
        EXPECT_FALSE(DescriptionOf(control, AfxGetResourceImage()))
            << "the About box's control " << control.id;
    }
}

TEST(ProgramResources, HoldTheAboutItemTextAndTheNoteIcon) {
    EXPECT_EQ(FindString(AfxGetResourceImage(), IDS_ABOUTBOX), "&About Vardolin...");
    EXPECT_FALSE(FindString(AfxGetResourceImage(), IDS_ABOUTBOX + 1).has_value());
    EXPECT_TRUE(AfxGetResourceImage().Find(ResourceType::GroupIcon, IDR_MAINFRAME, kGerman));
    const auto icon = FindIconImage(AfxGetResourceImage(), IDR_MAINFRAME, 32);
    ASSERT_TRUE(icon.has_value());
    EXPECT_EQ(icon->width, 32);
    int black = 0;
    for (std::uint32_t pixel : icon->pixels) {
        EXPECT_TRUE(pixel == 0xFF000000u || pixel == 0xFFFFFFFFu) << std::hex << pixel;
        black += pixel == 0xFF000000u;
    }
    EXPECT_GT(black, 50) << "the note is drawn";
    EXPECT_EQ(FindIconImage(AfxGetResourceImage(), IDR_MAINFRAME, 16)->width, 16);
}

}  // namespace
