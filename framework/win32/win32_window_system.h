#pragma once

#include "framework/core/window_system.h"

// Runs dialogs with the platform's modal dialog call on the templates in the executable's
// resources.
class Win32WindowSystem : public WindowSystem {
public:
    INT_PTR RunModalDialog(CDialog& dialog, const DialogTemplate& dialogTemplate,
                           DialogWindow* owner) override;
    // The executable's own icon resource, which USER32 loads once and shares.
    HICON LoadProgramIcon(std::uint16_t id) override;
    // A program started from Explorer has no console: the error shows in a message box too.
    void ShowError(const std::string& text) override;
};
