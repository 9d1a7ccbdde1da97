#include "framework/qt/qt_window_system.h"

#include <QAccessible>

#include <optional>

#include "framework/qt/modal_box_keys.h"
#include "framework/qt/qt_dialog_window.h"
#include "framework/qt/read_only_box_accessible.h"

QtWindowSystem::QtWindowSystem() {
    static bool factoryInstalled = false;
    if (!factoryInstalled) {
        QAccessible::installFactory(&ReadOnlyBoxAccessible::Create);
        factoryInstalled = true;
    }
}

INT_PTR QtWindowSystem::RunModalDialog(CDialog& dialog, const DialogTemplate& dialogTemplate,
                                       DialogWindow* owner) {
    auto* ownerWindow = dynamic_cast<QtDialogWindow*>(owner);
    int result = IDCANCEL;
    {
        QtDialogWindow window(dialog, dialogTemplate, ownerWindow);
        std::optional<ModalBoxKeys> keys;
        if (ownerWindow != nullptr) {
            keys.emplace(window);
        }
        running_.push_back(&window);
        result = window.RunModal();
        running_.pop_back();
    }
    // The owner takes the input again, with the focus where it was.
    if (ownerWindow != nullptr) {
        ownerWindow->activateWindow();
    }
    return result;
}
