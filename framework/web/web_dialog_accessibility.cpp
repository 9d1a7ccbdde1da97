// What screen readers read of a dialog in the page: the accessible names and descriptions of
// its controls.
#include "framework/core/accessible_names.h"
#include "framework/core/resource_module.h"
#include "framework/web/web_dialog_window.h"

using emscripten::val;

void WebDialogWindow::NameForScreenReaders(const DialogTemplate& dialogTemplate) {
    for (const AccessibleControl& control :
         AccessibleControlsOf(dialogTemplate, AfxGetResourceImage())) {
        const int id = dialogTemplate.controls[control.index].id;
        val* element = id != -1 ? ElementOf(id) : nullptr;
        if (element == nullptr) {
            continue;
        }
        if (!control.description.empty()) {
            element->call<void>("setAttribute", val("aria-description"), val(control.description));
            element->set("title", control.description);
        }
        if (!control.name.empty()) {
            element->call<void>("setAttribute", val("aria-label"), val(control.name));
        }
    }
}
