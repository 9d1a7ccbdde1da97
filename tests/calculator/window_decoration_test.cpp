#include <functional>
#include <utility>

#include "calculator/about_dlg.h"
#include "tests/calculator/calculator_fixture.h"
#include "tests/support/icon_size.h"

namespace {

TEST_F(Calculator, SystemMenuEndsWithTheAboutItem) {
    const auto& menu = ui().systemMenu();
    ASSERT_EQ(menu.size(), 2u);
    EXPECT_EQ(menu[0].flags, MF_SEPARATOR);
    EXPECT_EQ(menu[1].flags, MF_STRING);
    EXPECT_EQ(menu[1].id, static_cast<UINT_PTR>(IDM_ABOUTBOX));
    EXPECT_EQ(menu[1].text, "&About Vardolin...");
}

TEST_F(Calculator, BigAndSmallIconAreTheLargeNoteImage) {
    const HICON icon = ui().icon(ICON_BIG);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(ui().icon(ICON_SMALL), icon);
    EXPECT_EQ(IconWidth(icon), 32);
}

// Plays the user's part in the About box: records it and closes it with Escape.
struct AboutBoxVisits {
    std::vector<std::string> captions;

    MemoryWindowSystem::Driver Driver() {
        return [this](MemoryDialogWindow& about) {
            captions.push_back(about.caption());
            about.PressEscape();
        };
    }
};

class CalculatorAbout : public Calculator, public ::testing::WithParamInterface<UINT> {
protected:
    AboutBoxVisits visits;
    MemoryWindowSystem windows{visits.Driver()};
    ScopedWindowSystem shown{windows};
};

TEST_P(CalculatorAbout, SystemCommandOpensTheAboutBoxAndChangesNothing) {
    Analyse("445");
    ui().Type(IDC_REFERENCE, "441");
    ui().ChooseSystemMenu(GetParam());
    EXPECT_EQ(visits.captions, std::vector<std::string>{"About Vardolin"});
    EXPECT_EQ(Box(IDC_REFERENCE), "441") << "not even a typed box is touched";
    EXPECT_EQ(Box(IDC_CENT), "19.5622");
    EXPECT_FALSE(ui().ended());
}

INSTANTIATE_TEST_SUITE_P(AboutIdAndItsLowBits, CalculatorAbout,
                         ::testing::Values(0x0010u, 0x0011u, 0x0013u, 0x001Fu));

TEST_F(CalculatorAbout, OtherSystemCommandsGetTheDefaultHandling) {
    ui().ChooseSystemMenu(0x0020);
    EXPECT_TRUE(visits.captions.empty());
    ui().ChooseSystemMenu(SC_CLOSE);
    EXPECT_TRUE(ui().ended());
    EXPECT_EQ(ui().result(), IDCANCEL);
}

struct MinimisedPaint {
    RECT client;
    int x;
    int y;
};

void PrintTo(const MinimisedPaint& row, std::ostream* out) {
    *out << "client " << row.client.right << " x " << row.client.bottom;
}

class CalculatorMinimised : public Calculator,
                            public ::testing::WithParamInterface<MinimisedPaint> {};

TEST_P(CalculatorMinimised, DrawsTheIconCentredWithTruncation) {
    ui().Minimize();
    ui().SetClientRect(GetParam().client);
    dialog.SendMessage(WM_PAINT);
    ASSERT_EQ(ui().drawnIcons().size(), 1u);
    EXPECT_EQ(ui().drawnIcons()[0].x, GetParam().x);
    EXPECT_EQ(ui().drawnIcons()[0].y, GetParam().y);
    EXPECT_EQ(ui().drawnIcons()[0].icon, ui().icon(ICON_BIG));
    EXPECT_EQ(ui().defaultHandled(), std::vector<UINT>{WM_ICONERASEBKGND});
}

INSTANTIATE_TEST_SUITE_P(ClientSizes, CalculatorMinimised,
                         ::testing::Values(MinimisedPaint{{0, 0, 36, 36}, 2, 2},
                                           MinimisedPaint{{0, 0, 37, 38}, 3, 3},
                                           MinimisedPaint{{0, 0, 0, 0}, -15, -15},
                                           MinimisedPaint{{0, 0, 30, 29}, 0, -1}));

TEST_F(Calculator, NormalPaintingIsTheDefault) {
    dialog.SendMessage(WM_PAINT);
    EXPECT_TRUE(ui().drawnIcons().empty());
    EXPECT_EQ(ui().defaultHandled(), std::vector<UINT>{WM_PAINT});
}

TEST_F(Calculator, DragIconIsTheProgramIcon) {
    EXPECT_EQ(dialog.SendMessage(WM_QUERYDRAGICON), reinterpret_cast<LRESULT>(ui().icon(ICON_BIG)));
}

TEST(AboutBox, ClosesWithOkEnterOrEscape) {
    const std::pair<std::function<void(MemoryDialogWindow&)>, int> ways[] = {
        {[](MemoryDialogWindow& window) { window.Click(IDOK); }, IDOK},
        {[](MemoryDialogWindow& window) { window.PressEnter(); }, IDOK},
        {[](MemoryDialogWindow& window) { window.PressEscape(); }, IDCANCEL},
    };
    for (const auto& [close, result] : ways) {
        CAboutDlg about;
        auto window = MemoryWindowSystem::Open(about);
        ASSERT_NE(window, nullptr);
        close(*window);
        EXPECT_TRUE(window->ended());
        EXPECT_EQ(window->result(), result);
    }
}

}  // namespace
