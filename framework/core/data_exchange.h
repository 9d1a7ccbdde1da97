#pragma once

#include "framework/core/cstring.h"
#include "framework/core/wnd.h"

// One run of a dialog's data exchange, in one direction. A read that meets a box without a
// number tells the user, marks the exchange failed and stops it: every later DDX call of the
// same run does nothing.
class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    // Marks the exchange failed at box `id`: the notice, then the focus on that box.
    void FailOnNumber(int id);
    bool Failed() const { return failed_; }

    // The window of the dialog, or null when it has none (then nothing is exchanged).
    DialogWindow* Window() const { return m_pDlgWnd->GetDialogWindow(); }

    // TRUE: controls into fields; FALSE: fields into controls.
    const BOOL m_bSaveAndValidate;
    CWnd* const m_pDlgWnd;

private:
    bool failed_ = false;
};

// A float box: written with six significant digits, read as a number.
void DDX_Text(CDataExchange* pDX, int id, float& value);
// A text box.
void DDX_Text(CDataExchange* pDX, int id, CString& value);
// A check box or toggle button: 0 released, 1 pressed.
void DDX_Check(CDataExchange* pDX, int id, int& value);
// A drop-down list's selected position (CB_ERR for none).
void DDX_CBIndex(CDataExchange* pDX, int id, int& index);
// Attaches `control` to the dialog's control `id` the first time; exchanges no value.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
