#pragma once

#include "framework/core/window_system.h"

// Runs dialogs as windows in the web page. A modal run waits for the browser's events without
// blocking it (Emscripten's Asyncify suspends the program between events), so DoModal, the
// notice and nested boxes stay ordinary synchronous calls for the program. On a narrow screen a
// dialog shows its narrow layout where the resources have one.
class WebWindowSystem : public WindowSystem {
public:
    INT_PTR RunModalDialog(CDialog& dialog, const DialogTemplate& dialogTemplate,
                           DialogWindow* owner) override;

private:
    int windowsOpened_ = 0;
};
