#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "framework/core/dialog.h"
#include "framework/memory/memory_window.h"
#include "tests/framework/res/test_resources.h"

namespace {

// Everything the user can see of a window's controls, and where the focus and selection are.
struct Seen {
    std::map<int, MemoryDialogWindow::Control> controls;
    int focus;
    std::pair<std::size_t, std::size_t> selection;
};

Seen SeenIn(const MemoryDialogWindow& window) {
    Seen seen{{}, window.focus(), window.selection()};
    for (const int id : {IDOK, IDC_FIRST, IDC_SECOND, IDC_THIRD, IDC_TEXT, IDC_TOGGLE, IDC_PUSH,
                         IDC_LIST, IDC_FILLED_LIST}) {
        seen.controls[id] = *window.Find(id);
    }
    return seen;
}

void ExpectSame(const Seen& after, const Seen& before) {
    for (const auto& [id, was] : before.controls) {
        const MemoryDialogWindow::Control& is = after.controls.at(id);
        EXPECT_EQ(
            std::tie(is.text, is.check, is.entries, is.selection, is.enabled, is.visible),
            std::tie(was.text, was.check, was.entries, was.selection, was.enabled, was.visible))
            << "control " << id;
    }
    EXPECT_EQ(after.focus, before.focus);
    EXPECT_EQ(after.selection, before.selection);
}

TEST(Rebuild, EveryControlKeepsWhatItShowsAndTheFocusStays) {
    CDialog dialog(IDD_EXCHANGE);
    auto window = MemoryWindowSystem::Open(dialog);
    window->SetItemText(IDC_TEXT, "result");
    window->EnableItem(IDC_PUSH, false);
    window->ShowItem(IDC_THIRD, false);
    window->Click(IDC_TOGGLE);
    window->Choose(IDC_LIST, 1);
    window->AddString(IDC_FILLED_LIST, "added");
    window->Type(IDC_SECOND, "twenty");
    window->FocusItem(IDC_SECOND, true);
    const Seen before = SeenIn(*window);

    window->ChangeLayout(*dialog.LoadNarrowLayout());
    ExpectSame(SeenIn(*window), before);
    window->Press(DialogKey::Tab);
    EXPECT_EQ(window->focus(), IDC_TEXT) << "the hidden box stays out of the Tab order";

    window->ChangeLayout(*dialog.LoadTemplate());
    window->FocusItem(IDC_SECOND, true);
    ExpectSame(SeenIn(*window), before);
}

}  // namespace
