#pragma once

#include "framework/core/wnd.h"

// A drop-down list of a dialog, attached with DDX_Control. Before it is attached, or once the
// dialog's window is gone, it has no entries and no selection.
class CComboBox : public CWnd {
public:
    int GetCurSel() const;
    int SetCurSel(int index);
    void ResetContent();
    int AddString(LPCTSTR text);
};
