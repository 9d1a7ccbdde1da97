// Boxes over the calculator stay modal: each keeps everything below it disabled, and help opens
// nothing over an open box.
#include "framework/core/app.h"
#include "tests/calculator/calculator_fixture.h"

namespace {

// An application whose F1 shows the main window's About box, as the program's does.
class HelpfulApp : public CWinApp {
public:
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap() {
        static constexpr MessageMapEntry entries[] = {MapCommand<&CWinApp::OnHelp>(ID_HELP)};
        static constexpr MessageMap map{&CWinApp::GetThisMessageMap, entries};
        return &map;
    }
    void WinHelp() override { m_pMainWnd->SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX); }
};

class CalculatorUnderBoxes : public Calculator {
protected:
    void SetUp() override {
        Calculator::SetUp();
        app.m_pMainWnd = &dialog;
        Analyse("445");
    }

    // Plays `steps` in each About box that opens, innermost depth 1, 2, ...
    void InAboutBoxes(std::function<void(MemoryDialogWindow&, int depth)> steps) {
        aboutSteps = std::move(steps);
    }

    void ExpectValuesUnchanged() {
        EXPECT_EQ(Box(IDC_VALUE), "445");
        EXPECT_EQ(Box(IDC_CENT), "19.5622");
        EXPECT_FALSE(ui().ended());
        EXPECT_TRUE(ui().enabled());
    }

    HelpfulApp app;
    int aboutBoxesOpened = 0;
    std::function<void(MemoryDialogWindow&, int)> aboutSteps;
    MemoryWindowSystem windows{[this](MemoryDialogWindow& about) {
        const int depth = ++aboutBoxesOpened;
        aboutSteps(about, depth);
    }};
    ScopedWindowSystem shown{windows};
};

TEST_F(CalculatorUnderBoxes, F1OnTheCalculatorOpensTheAboutBox) {
    InAboutBoxes([](MemoryDialogWindow& about, int) { about.PressEscape(); });
    ui().PressF1();
    EXPECT_EQ(aboutBoxesOpened, 1);
    ExpectValuesUnchanged();
}

TEST_F(CalculatorUnderBoxes, F1InTheAboutBoxOpensNothingMore) {
    InAboutBoxes([](MemoryDialogWindow& about, int) {
        about.PressF1();
        about.PressEscape();
    });
    ui().ChooseSystemMenu(IDM_ABOUTBOX);
    EXPECT_EQ(aboutBoxesOpened, 1);
    ExpectValuesUnchanged();
}

TEST_F(CalculatorUnderBoxes, NestedAboutBoxKeepsTheCalculatorDisabledUntilTheFirstCloses) {
    std::vector<std::string> seen;
    MemoryDialogWindow* first = nullptr;
    InAboutBoxes([&](MemoryDialogWindow& about, int depth) {
        if (depth == 1) {
            first = &about;
            // A second About box, as the system menu command reaches the calculator.
            dialog.SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX);
            seen.push_back(std::string("after the second: first ") +
                           (about.enabled() ? "enabled" : "disabled") + ", calculator " +
                           (ui().enabled() ? "enabled" : "disabled"));
            ui().Click(IDC_CALC_FREQ);  // the user clicks the calculator: nothing happens
        } else {
            seen.push_back(std::string("in the second: first ") +
                           (first->enabled() ? "enabled" : "disabled") + ", calculator " +
                           (ui().enabled() ? "enabled" : "disabled"));
        }
        about.PressEscape();
    });
    ui().ChooseSystemMenu(IDM_ABOUTBOX);
    EXPECT_EQ(seen, (std::vector<std::string>{"in the second: first disabled, calculator disabled",
                                              "after the second: first enabled, calculator "
                                              "disabled"}));
    ExpectValuesUnchanged();
}

TEST_F(CalculatorUnderBoxes, F1InTheNoticeOpensNoAboutBox) {
    ui().WhileNoticeOpen([this] { dialog.SendCommand(ID_HELP); });
    Analyse("x");
    EXPECT_EQ(aboutBoxesOpened, 0);
    ExpectNumberNoticeFor(IDC_VALUE);
    ExpectValuesUnchanged();
}

}  // namespace
