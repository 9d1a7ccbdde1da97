#pragma once

#include <vector>

#include "framework/core/window_system.h"

class QtDialogWindow;

// Runs dialogs as Qt widgets. Needs a QApplication.
class QtWindowSystem : public WindowSystem {
public:
    QtWindowSystem();

    INT_PTR RunModalDialog(CDialog& dialog, const DialogTemplate& dialogTemplate,
                           DialogWindow* owner) override;

    // The innermost dialog running now, or null.
    QtDialogWindow* TopDialog() const { return running_.empty() ? nullptr : running_.back(); }

private:
    std::vector<QtDialogWindow*> running_;
};
