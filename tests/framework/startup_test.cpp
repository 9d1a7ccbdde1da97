// A start-up that cannot show its window says so and ends with a failing status, instead of
// ending quietly as if the user had closed it.
#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "framework/core/app.h"
#include "framework/core/dialog.h"
#include "framework/memory/memory_window.h"
#include "tests/framework/res/test_resources.h"

namespace {

// An application that runs one dialog and, like a dialog program, ignores what DoModal returns.
class DialogApp : public CWinApp {
public:
    explicit DialogApp(UINT templateId) : templateId_(templateId) {}
    BOOL InitInstance() override {
        CDialog dialog(templateId_);
        dialog.DoModal();
        return FALSE;
    }

private:
    UINT templateId_;
};

TEST(StartUp, ADialogThatRunsEndsTheProgramWithStatus0) {
    DialogApp app(IDD_EXCHANGE);
    MemoryWindowSystem windows([](MemoryDialogWindow& window) { window.PressEscape(); });
    const ScopedWindowSystem shown(windows);
    EXPECT_EQ(AfxRunApplication(), 0);
    EXPECT_TRUE(windows.errors().empty());
}

TEST(StartUp, ADialogWithoutItsTemplateIsReportedAndFails) {
    DialogApp app(4242);
    MemoryWindowSystem windows;
    const ScopedWindowSystem shown(windows);
    EXPECT_EQ(AfxRunApplication(), 1);
    ASSERT_EQ(windows.errors().size(), 1u);
    EXPECT_EQ(windows.errors()[0],
              "cannot show dialog 4242: the program's resources have no readable template for it");
}

TEST(StartUp, DamagedResourcesAreReportedAndFail) {
    DialogApp app(IDD_EXCHANGE);
    MemoryWindowSystem windows;
    const std::array<std::byte, 5> damaged{std::byte{1}, std::byte{2}, std::byte{3}};
    EXPECT_EQ(AfxStartApplication(windows, damaged), 1);
    EXPECT_EQ(windows.errors(),
              std::vector<std::string>{"cannot start: the program's resources are damaged"});
    CDialog stillThere(IDD_EXCHANGE);
    EXPECT_TRUE(stillThere.LoadTemplate()) << "the resources in force stay as they were";
}

}  // namespace
