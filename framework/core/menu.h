#pragma once

#include "framework/core/win_types.h"

class DialogWindow;

// A window's system menu, as far as a program adds to it.
class CMenu {
public:
    // Appends a separator (MF_SEPARATOR) or a text item (MF_STRING) with a command id.
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, LPCTSTR text = nullptr);

private:
    friend class CWnd;
    DialogWindow* window_ = nullptr;
};
