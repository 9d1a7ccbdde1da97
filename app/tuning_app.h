#pragma once

#include "framework/core/app.h"

// The Vardolin application: runs the calculator window and ends when it closes.
class CTuningApp : public CWinApp {
public:
    CTuningApp();
    ~CTuningApp() override = default;

    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap();

    BOOL InitInstance() override;
    // Help is the About box, the same as the system menu's item opens.
    void WinHelp() override;
};
