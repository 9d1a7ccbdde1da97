#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "framework/core/accessible_names.h"
#include "framework/core/dialog.h"
#include "framework/core/resource_module.h"
#include "tests/framework/res/test_resources.h"

namespace {

// What a screen reader is told of one control of the names dialog beyond its own text.
struct Told {
    int id;
    std::string name;
    std::optional<std::string> caption;  // the text of the caption it is labelled by
    std::string description;
};

void PrintTo(const Told& row, std::ostream* out) {
    *out << "control " << row.id;
}

class AccessibleNames : public ::testing::TestWithParam<Told> {};

TEST_P(AccessibleNames, ComeFromCaptionsAndTheStringTable) {
    const auto dialogTemplate = CDialog(IDD_NAMES).LoadTemplate();
    ASSERT_TRUE(dialogTemplate);
    const auto& controls = dialogTemplate->controls;
    const auto accessible = AccessibleControlsOf(*dialogTemplate, AfxGetResourceImage());
    const Told& expected = GetParam();
    const AccessibleControl* found = nullptr;
    for (const AccessibleControl& control : accessible) {
        if (controls[control.index].id == expected.id) {
            found = &control;
        }
    }
    if (expected.name.empty() && expected.description.empty()) {
        EXPECT_EQ(found, nullptr) << "nothing to tell";
        return;
    }
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->name, expected.name);
    EXPECT_EQ(found->description, expected.description);
    ASSERT_EQ(found->caption.has_value(), expected.caption.has_value());
    if (expected.caption) {
        EXPECT_EQ(controls[*found->caption].title.text, *expected.caption);
        EXPECT_LT(*found->caption, found->index) << "a caption stands before its box";
    }
}

INSTANTIATE_TEST_SUITE_P(
    NamesDialog, AccessibleNames,
    ::testing::Values(
        // Two boxes under one caption text are named alike and told apart by their strings.
        Told{IDC_UPPER_LEVEL, "Level", "&Level:", "The upper band's level"},
        Told{IDC_LOWER_LEVEL, "Level", "&Level:", "The lower band's level"},
        Told{IDC_KIND, "Kind", "Kind:", ""},
        // A box after a box has no caption of its own, and a button names itself.
        Told{IDC_UNCAPTIONED, "", std::nullopt, ""},
        // The help id describes a button whose id (IDOK) every dialog shares.
        Told{IDOK, "", std::nullopt, "Go the whole way"}));

}  // namespace
