// What screen readers read of a dialog in the page: every box named after its caption, and a
// description where the program's strings have one.
#include "framework/core/resource_module.h"
#include "framework/resources/captions.h"
#include "framework/web/web_dialog_window.h"

using emscripten::val;

void WebDialogWindow::NameBoxesAfterTheirCaptions(const DialogTemplate& dialogTemplate) {
    for (auto& entry : controls_) {
        Control& control = entry.second;
        const DialogControl& box = control.source;
        if (!box.IsClass(ControlClass::Edit) && !box.IsClass(ControlClass::ComboBox)) {
            continue;
        }
        const std::string caption = CaptionOf(dialogTemplate, box);
        if (!caption.empty()) {
            control.element.call<void>("setAttribute", val("aria-label"), val(caption));
        }
        if (const auto description = DescriptionOf(box)) {
            control.element.call<void>("setAttribute", val("aria-description"), val(*description));
            control.element.set("title", *description);
        }
    }
}
