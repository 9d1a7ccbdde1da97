#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "framework/core/accessible_names.h"
#include "framework/core/resource_module.h"
#include "framework/core/win_types.h"
#include "framework/resources/captions.h"
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
constexpr std::uint16_t kEnglishUs = 0x0409;
constexpr std::uint16_t kGerman = 0x0407;

DialogTemplate LoadTemplate(std::uint16_t id) {
    const auto bytes = AfxGetResourceImage().Find(ResourceType::Dialog, id, kEnglishUs);
    EXPECT_TRUE(bytes.has_value());
    const auto parsed = bytes ? ParseDialogTemplate(*bytes) : std::nullopt;
    EXPECT_TRUE(parsed.has_value());
    return parsed.value_or(DialogTemplate{});
}

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

// What the program relies on in the calculator's template: the Tab order, each box's and list's
// caption just before it (where the platform's accessibility names a box from), the kinds of
// box, toggle and button, and every control inside the window with none overlapping another.
TEST(CalculatorTemplate, KeepsTheTabOrderCaptionsKindsAndAClearLayout) {
    const DialogTemplate dialog = LoadTemplate(IDD_MAIN);
    const auto& controls = dialog.controls;
    std::vector<int> tabOrder;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const DialogControl& control = controls[i];
        SCOPED_TRACE("control " + std::to_string(control.id));
        if (control.IsTabStop()) {
            tabOrder.push_back(control.id);
        }
        if (control.IsClass(ControlClass::Edit) || control.IsClass(ControlClass::ComboBox)) {
            ASSERT_GT(i, 0u);
            EXPECT_EQ(CaptionControlOf(dialog, control), &controls[i - 1])
                << "the caption stands just before its box";
        }
        const int height = control.IsClass(ControlClass::ComboBox) ? 12 : control.cy;
        EXPECT_TRUE(control.x >= 0 && control.y >= 0 && control.x + control.cx <= dialog.cx &&
                    control.y + height <= dialog.cy)
            << "inside the window";
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const DialogControl& other = controls[j];
            const int otherHeight = other.IsClass(ControlClass::ComboBox) ? 12 : other.cy;
            // (A caption may reach one unit into its own box, as a label's blank edge does.)
            const int reach = CaptionControlOf(dialog, other) == &control ? 1 : 0;
            EXPECT_FALSE(control.x < other.x + other.cx &&
                         other.x + reach < control.x + control.cx &&
                         control.y < other.y + otherHeight && other.y < control.y + height)
                << "overlaps control " << other.id << " (" << other.title.text << ")";
        }
    }
    EXPECT_EQ(tabOrder,
              (std::vector<int>{IDOK, IDC_REFERENCE, IDC_VALUE, IDC_TONE, IDC_CENT, IDC_ROLAND,
                                IDC_YAMAHA, IDC_NOTE, IDC_CENT_IN, IDC_CALC_FREQ, IDC_OCTAVE}));
    const auto find = [&controls](int id) {
        return *std::find_if(controls.begin(), controls.end(),
                             [id](const DialogControl& control) { return control.id == id; });
    };
    for (const int id : {IDC_REFERENCE, IDC_VALUE, IDC_CENT_IN, IDC_TONE, IDC_CENT}) {
        const bool readOnly = id == IDC_TONE || id == IDC_CENT;
        EXPECT_EQ((find(id).style & template_style::EditReadOnly) != 0, readOnly) << id;
    }
    EXPECT_TRUE(find(IDOK).IsDefaultButton());
    EXPECT_FALSE(find(IDC_CALC_FREQ).IsDefaultButton());
    for (const int id : {IDC_ROLAND, IDC_YAMAHA}) {
        EXPECT_TRUE(find(id).IsAutoToggle() && (find(id).style & template_style::PushLike)) << id;
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
