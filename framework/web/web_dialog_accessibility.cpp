// What screen readers read of a dialog in the page: every box named after its caption, and a
// description of any control where the program's strings have one.
#include "framework/core/resource_module.h"
#include "framework/resources/captions.h"
#include "framework/web/web_dialog_window.h"

using emscripten::val;

void WebDialogWindow::NameBoxesAfterTheirCaptions(const DialogTemplate& dialogTemplate) {
    for (auto& entry : controls_) {
        Control& control = entry.second;
        const DialogControl& source = control.source;
        if (const auto description = DescriptionOf(source)) {
            control.element.call<void>("setAttribute", val("aria-description"), val(*description));
            control.element.set("title", *description);
        }
        if (!source.IsClass(ControlClass::Edit) && !source.IsClass(ControlClass::ComboBox)) {
            continue;
        }
        const std::string caption = CaptionOf(dialogTemplate, source);
        if (!caption.empty()) {
            control.element.call<void>("setAttribute", val("aria-label"), val(caption));
        }
    }
}
