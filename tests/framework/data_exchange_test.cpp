#include <gtest/gtest.h>

#include "framework/core/combo_box.h"
#include "framework/core/data_exchange.h"
#include "framework/core/dialog.h"
#include "framework/memory/memory_window.h"
#include "tests/framework/res/test_resources.h"

namespace {

// Three float boxes, a text box, a toggle, a list position and a list control, exchanged in
// that order.
class ExchangeDialog : public CDialog {
public:
    ExchangeDialog() : CDialog(IDD_EXCHANGE) {}

    float first = 1, second = 2, third = 3;
    CString text = "text";
    int check = 1;
    int index = 2;
    CComboBox list;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_FIRST, first);
        DDX_Text(pDX, IDC_SECOND, second);
        DDX_Text(pDX, IDC_TEXT, text);
        DDX_Text(pDX, IDC_THIRD, third);
        DDX_Check(pDX, IDC_TOGGLE, check);
        DDX_CBIndex(pDX, IDC_LIST, index);
        DDX_Control(pDX, IDC_FILLED_LIST, list);
    }
};

TEST(DataExchange, InitialisationFillsTheListsThenWritesTheFields) {
    ExchangeDialog dialog;
    auto window = MemoryWindowSystem::Open(dialog);
    EXPECT_EQ(window->Text(IDC_FIRST), "1");
    EXPECT_EQ(window->Text(IDC_TEXT), "text");
    EXPECT_EQ(window->GetCheck(IDC_TOGGLE), BST_CHECKED);
    EXPECT_EQ(window->Find(IDC_LIST)->entries.size(), 3u);
    EXPECT_EQ(window->Text(IDC_LIST), "Three");
    EXPECT_EQ(window->Find(IDC_FILLED_LIST)->entries.front(), "a");
    EXPECT_TRUE(dialog.list.IsAttached());
    EXPECT_EQ(dialog.list.AddString("c"), 2);
}

TEST(DataExchange, ReadingStopsAtTheFirstBoxWithoutANumber) {
    ExchangeDialog dialog;
    auto window = MemoryWindowSystem::Open(dialog);
    window->SetItemText(IDC_FIRST, "10");
    window->Type(IDC_SECOND, "twenty");
    window->Type(IDC_THIRD, "30");
    window->SetItemText(IDC_TEXT, "changed");
    EXPECT_FALSE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.first, 10) << "boxes before the bad one are read";
    EXPECT_EQ(dialog.second, 2);
    EXPECT_EQ(dialog.third, 3) << "boxes after it keep their fields";
    EXPECT_EQ(dialog.text, CString("text"));
    EXPECT_EQ(window->notices(), std::vector<std::string>{"Please enter a number."});
    EXPECT_EQ(window->focus(), IDC_SECOND);
    EXPECT_EQ(window->selection(), (std::pair<std::size_t, std::size_t>{0, 6}));
}

TEST(DataExchange, WritingRefillsARejectedBox) {
    ExchangeDialog dialog;
    auto window = MemoryWindowSystem::Open(dialog);
    window->Type(IDC_THIRD, "");
    dialog.UpdateData(TRUE);
    dialog.UpdateData(FALSE);
    EXPECT_EQ(window->Text(IDC_THIRD), "3");
}

TEST(DataExchange, ControlsWithoutAWindowAreInert) {
    CComboBox list;
    EXPECT_EQ(list.GetCurSel(), CB_ERR);
    EXPECT_EQ(list.AddString("x"), CB_ERR);
    EXPECT_EQ(list.SetCurSel(0), CB_ERR);
    ExchangeDialog dialog;
    EXPECT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.first, 1);
}

TEST(DataExchange, SelectingOutsideTheListClearsTheSelection) {
    ExchangeDialog dialog;
    auto window = MemoryWindowSystem::Open(dialog);
    EXPECT_EQ(dialog.list.SetCurSel(1), 1);
    EXPECT_EQ(dialog.list.SetCurSel(2), CB_ERR);
    EXPECT_EQ(dialog.list.GetCurSel(), CB_ERR);
    dialog.list.ResetContent();
    EXPECT_EQ(dialog.list.SetCurSel(0), CB_ERR);
}

}  // namespace
