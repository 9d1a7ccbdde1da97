#include "framework/data_exchange.h"

#include "framework/float_text.h"
#include "framework/modal_boxes.h"

namespace {

// The notice for a box that does not hold a number.
constexpr char kNumberExpected[] = "Please enter a number.";

// The window to exchange with, or null when the exchange has stopped or there is none.
DialogWindow* ActiveWindow(CDataExchange* pDX) {
    return pDX->Failed() ? nullptr : pDX->Window();
}

}  // namespace

void CDataExchange::FailOnNumber(int id) {
    failed_ = true;
    if (DialogWindow* window = Window()) {
        const OpenModalBox notice(nullptr);
        window->NotifyNumberExpected(id, kNumberExpected);
    }
}

void DDX_Text(CDataExchange* pDX, int id, float& value) {
    DialogWindow* window = ActiveWindow(pDX);
    if (window == nullptr) {
        return;
    }
    if (!pDX->m_bSaveAndValidate) {
        window->SetItemText(id, FormatFloatText(value));
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
            window->SetItemText(id, value.str());
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
