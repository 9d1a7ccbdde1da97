// The layouts for narrow screens: the same dialog as the desktop's, control for control, placed
// so that every control lies inside the window, no two controls that take input overlap, and
// each is large enough for a finger.
#include <gtest/gtest.h>

#include <string>

#include "framework/core/dialog.h"
#include "framework/core/resource_module.h"
#include "framework/resources/dialog_template.h"
#include "res/resource.h"

namespace {

// Dialog units that reach 44 CSS px with 16 px text: about 2.5 px across, 2.3 px down.
constexpr int kLeastTouchWidth = 18;
constexpr int kLeastTouchHeight = 20;

struct Layouts {
    UINT desktop;
    UINT narrow;
};

constexpr Layouts kLayouts[] = {{IDD_MAIN, IDD_MAIN_NARROW}, {IDD_ABOUTBOX, IDD_ABOUTBOX_NARROW}};

DialogTemplate Loaded(UINT id) {
    const auto dialog = CDialog(id).LoadTemplate();
    EXPECT_TRUE(dialog.has_value()) << "dialog " << id;
    return dialog.value_or(DialogTemplate{});
}

bool TakesInput(const DialogControl& control) {
    return !control.IsClass(ControlClass::Static);
}

bool Overlap(const DialogControl& a, const DialogControl& b) {
    return a.x < b.x + b.cx && b.x < a.x + a.cx && a.y < b.y + b.cy && b.y < a.y + a.cy;
}

TEST(NarrowLayout, IsFoundByTheDialogsIdAndHasTheSameWindow) {
    for (const auto& [desktopId, narrowId] : kLayouts) {
        SCOPED_TRACE("dialog " + std::to_string(desktopId));
        EXPECT_EQ(narrowId, desktopId + CDialog::kNarrowLayoutOffset);
        const auto narrow = CDialog(desktopId).LoadNarrowLayout();
        ASSERT_TRUE(narrow.has_value());
        const DialogTemplate desktop = Loaded(desktopId);
        EXPECT_EQ(narrow->caption, desktop.caption);
        EXPECT_EQ(narrow->style, desktop.style);
        EXPECT_EQ(narrow->exStyle, desktop.exStyle);
        EXPECT_EQ(narrow->extended, desktop.extended);
        EXPECT_LT(narrow->cx, desktop.cx);
    }
}

TEST(NarrowLayout, HasTheSameControlsInTheSameOrder) {
    for (const auto& [desktopId, narrowId] : kLayouts) {
        const DialogTemplate desktop = Loaded(desktopId);
        const DialogTemplate narrow = Loaded(narrowId);
        ASSERT_EQ(narrow.controls.size(), desktop.controls.size()) << "dialog " << desktopId;
        for (std::size_t i = 0; i < desktop.controls.size(); ++i) {
            const DialogControl& want = desktop.controls[i];
            const DialogControl& got = narrow.controls[i];
            SCOPED_TRACE("dialog " + std::to_string(desktopId) + ", control " +
                         std::to_string(i + 1));
            EXPECT_EQ(got.id, want.id);
            EXPECT_EQ(got.windowClass.ordinal, want.windowClass.ordinal);
            EXPECT_EQ(got.title.text, want.title.text);
            EXPECT_EQ(got.title.ordinal, want.title.ordinal);
            EXPECT_EQ(got.style, want.style);
            EXPECT_EQ(got.exStyle, want.exStyle);
            EXPECT_EQ(got.helpId, want.helpId);
        }
    }
}

TEST(NarrowLayout, PlacesEveryControlInsideForAFinger) {
    for (const auto& [desktopId, narrowId] : kLayouts) {
        const DialogTemplate narrow = Loaded(narrowId);
        for (const DialogControl& control : narrow.controls) {
            SCOPED_TRACE("dialog " + std::to_string(narrowId) + ", control at " +
                         std::to_string(control.x) + "," + std::to_string(control.y));
            EXPECT_GE(control.x, 0);
            EXPECT_GE(control.y, 0);
            EXPECT_LE(control.x + control.cx, narrow.cx);
            EXPECT_LE(control.y + control.cy, narrow.cy);
            if (!TakesInput(control)) {
                continue;
            }
            EXPECT_GE(control.cx, kLeastTouchWidth);
            EXPECT_GE(control.cy, kLeastTouchHeight);
            for (const DialogControl& other : narrow.controls) {
                if (&other != &control && TakesInput(other)) {
                    EXPECT_FALSE(Overlap(control, other)) << "with control " << other.id;
                }
            }
        }
    }
}

}  // namespace
