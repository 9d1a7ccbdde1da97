#include "framework/web/web_window_system.h"

#include "framework/web/web_dialog_window.h"

INT_PTR WebWindowSystem::RunModalDialog(CDialog& dialog, const DialogTemplate& dialogTemplate,
                                        DialogWindow* owner) {
    WebDialogWindow window(dialog, dialogTemplate, dialog.LoadNarrowLayout(),
                           dynamic_cast<WebDialogWindow*>(owner), ++windowsOpened_);
    return window.RunModal();
}
