#include "framework/core/data_exchange.h"

#include "framework/core/float_text.h"
#include "framework/core/modal_boxes.h"

namespace {

// The notice for a box that does not hold a number.
constexpr char kNumberExpected[] = "Please enter a number.";

// The window to exchange with, or null when the exchange has stopped or there is none.
DialogWindow* ActiveWindow(CDataExchange* pDX) {
    return pDX->Failed() ? nullptr : pDX->Window();
}

// Writes a box's text. A focused box whose whole text is selected (as after the notice, an
// empty text included) stays so, ready for the user to type over.
void WriteText(DialogWindow& window, int id, const std::string& text) {
    const bool keepSelected = window.GetFocusedItem() == id && window.IsWholeTextSelected(id);
    window.SetItemText(id, text);
    if (keepSelected) {
        window.FocusItem(id, true);
    }
}

}  // namespace

void CDataExchange::FailOnNumber(int id) {
    failed_ = true;
    if (DialogWindow* window = Window()) {
        const OpenModalBox notice(nullptr);
        window->ShowNotice(kNumberExpected);
        window->FocusItem(id, true);
    }
}

void DDX_Text(CDataExchange* pDX, int id, float& value) {
    DialogWindow* window = ActiveWindow(pDX);
    if (window == nullptr) {
        return;
    }
    if (!pDX->m_bSaveAndValidate) {
        WriteText(*window, id, FormatFloatText(value));
        return;
    }
    if (const auto number = ParseFloatText(window->GetItemText(id))) {
        value = *number;
    } else {
        pDX->FailOnNumber(id);
    }
}

void DDX_Text(CDataExchange* pDX, int id, CString& value) {
    if (DialogWindow* window = ActiveWindow(pDX)) {
        if (pDX->m_bSaveAndValidate) {
            value = window->GetItemText(id);
        } else {
            WriteText(*window, id, value.str());
        }
    }
}

void DDX_Check(CDataExchange* pDX, int id, int& value) {
    if (DialogWindow* window = ActiveWindow(pDX)) {
        if (pDX->m_bSaveAndValidate) {
            value = window->GetCheck(id);
        } else {
            window->SetCheck(id, value);
        }
    }
}

void DDX_CBIndex(CDataExchange* pDX, int id, int& index) {
    if (DialogWindow* window = ActiveWindow(pDX)) {
        if (pDX->m_bSaveAndValidate) {
            index = window->GetCurSel(id);
        } else {
            window->SetCurSel(id, index);
        }
    }
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (ActiveWindow(pDX) != nullptr && !control.IsAttached()) {
        control.AttachToDlgItem(*pDX->m_pDlgWnd, id);
    }
}
