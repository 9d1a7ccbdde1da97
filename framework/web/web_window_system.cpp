#include "framework/web/web_window_system.h"

#include "framework/web/web_dialog_window.h"
#include "framework/web/web_page.h"

INT_PTR WebWindowSystem::RunModalDialog(CDialog& dialog, const DialogTemplate& dialogTemplate,
                                        DialogWindow* owner) {
    const std::optional<DialogTemplate> narrow =
        web_page::Script().call<bool>("isNarrowScreen") ? dialog.LoadNarrowLayout() : std::nullopt;
    using Layout = WebDialogWindow::Layout;
    WebDialogWindow window(dialog, narrow ? *narrow : dialogTemplate,
                           narrow ? Layout::Narrow : Layout::Desktop,
                           dynamic_cast<WebDialogWindow*>(owner), ++windowsOpened_);
    return window.RunModal();
}
