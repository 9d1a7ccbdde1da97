#include "framework/web/web_window_system.h"

#include "framework/web/web_dialog_window.h"
#include "framework/web/web_page.h"

INT_PTR WebWindowSystem::RunModalDialog(CDialog& dialog, const DialogTemplate& dialogTemplate,
                                        DialogWindow* owner) {
    WebDialogWindow window(dialog, dialogTemplate, dialog.LoadNarrowLayout(),
                           dynamic_cast<WebDialogWindow*>(owner), ++windowsOpened_);
    window.Open();
    while (!window.endResult()) {
        window.Dispatch(web_page::NextEvent(window.id()));
    }
    return *window.endResult();
}
