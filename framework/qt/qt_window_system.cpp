#include "framework/qt/qt_window_system.h"

#include "framework/qt/qt_dialog_window.h"

INT_PTR QtWindowSystem::RunModalDialog(CDialog& dialog, const DialogTemplate& dialogTemplate,
                                       DialogWindow* owner) {
    QtDialogWindow window(dialog, dialogTemplate, dynamic_cast<QtDialogWindow*>(owner));
    running_.push_back(&window);
    const int result = window.RunModal();
    running_.pop_back();
    return result;
}
