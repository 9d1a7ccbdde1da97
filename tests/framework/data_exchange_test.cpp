#include <gtest/gtest.h>

#include "framework/combo_box.h"
#include "framework/data_exchange.h"
#include "framework/dialog.h"
#include "framework/memory/memory_window.h"
#include "res/resource.h"

namespace {

// Three float boxes, a text box, a toggle, a list position and a list control, exchanged in
// that order.
class ExchangeDialog : public CDialog {
public:
    ExchangeDialog() : CDialog(IDD_MAIN) {}

    float first = 1, second = 2, third = 3;
    CString text = "text";
    int check = 1;
    int index = 2;
    CComboBox list;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_CENT, first);
        DDX_Text(pDX, IDC_REFERENCE, second);
        DDX_Text(pDX, IDC_TONE, text);
        DDX_Text(pDX, IDC_VALUE, third);
        DDX_Check(pDX, IDC_ROLAND, check);
        DDX_CBIndex(pDX, IDC_NOTE, index);
        DDX_Control(pDX, IDC_OCTAVE, list);
    }
};

TEST(DataExchange, InitialisationFillsTheListsThenWritesTheFields) {
    ExchangeDialog dialog;
    auto window = MemoryWindowSystem::Open(dialog);
    EXPECT_EQ(window->Text(IDC_CENT), "1");
    EXPECT_EQ(window->Text(IDC_TONE), "text");
    EXPECT_EQ(window->GetCheck(IDC_ROLAND), BST_CHECKED);
    EXPECT_EQ(window->Find(IDC_NOTE)->entries.size(), 12u);
    EXPECT_EQ(window->Text(IDC_NOTE), "D");
    EXPECT_EQ(window->Find(IDC_OCTAVE)->entries.front(), "-1");
    EXPECT_TRUE(dialog.list.IsAttached());
    EXPECT_EQ(dialog.list.AddString("11"), 12);
}

TEST(DataExchange, ReadingStopsAtTheFirstBoxWithoutANumber) {
    ExchangeDialog dialog;
    auto window = MemoryWindowSystem::Open(dialog);
    window->SetItemText(IDC_CENT, "10");
    window->Type(IDC_REFERENCE, "twenty");
    window->Type(IDC_VALUE, "30");
    window->SetItemText(IDC_TONE, "changed");
    EXPECT_FALSE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.first, 10) << "boxes before the bad one are read";
    EXPECT_EQ(dialog.second, 2);
    EXPECT_EQ(dialog.third, 3) << "boxes after it keep their fields";
    EXPECT_EQ(dialog.text, CString("text"));
    EXPECT_EQ(window->notices(), std::vector<int>{IDC_REFERENCE});
    EXPECT_EQ(window->focus(), IDC_REFERENCE);
    EXPECT_EQ(window->selection(), (std::pair<std::size_t, std::size_t>{0, 6}));
}

TEST(DataExchange, WritingRefillsARejectedBox) {
    ExchangeDialog dialog;
    auto window = MemoryWindowSystem::Open(dialog);
    window->Type(IDC_VALUE, "");
    dialog.UpdateData(TRUE);
    dialog.UpdateData(FALSE);
    EXPECT_EQ(window->Text(IDC_VALUE), "3");
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
    EXPECT_EQ(dialog.list.SetCurSel(3), 3);
    EXPECT_EQ(dialog.list.SetCurSel(12), CB_ERR);
    EXPECT_EQ(dialog.list.GetCurSel(), CB_ERR);
    dialog.list.ResetContent();
    EXPECT_EQ(dialog.list.SetCurSel(0), CB_ERR);
}

}  // namespace
