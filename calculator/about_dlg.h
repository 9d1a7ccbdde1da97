#pragma once

#include "framework/core/dialog.h"

// The About box: the program's name, version and authorship, opened from the system menu.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();
    ~CAboutDlg() override = default;

    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
