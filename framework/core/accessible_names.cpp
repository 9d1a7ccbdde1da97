#include "framework/core/accessible_names.h"

#include "framework/core/resource_module.h"
#include "framework/resources/captions.h"

std::vector<AccessibleControl> AccessibleControlsOf(const DialogTemplate& dialogTemplate) {
    std::vector<AccessibleControl> accessible;
    const auto& controls = dialogTemplate.controls;
    for (std::size_t index = 0; index < controls.size(); ++index) {
        const DialogControl& control = controls[index];
        AccessibleControl entry{index, {}, std::nullopt, DescriptionOf(control).value_or("")};
        if (control.IsClass(ControlClass::Edit) || control.IsClass(ControlClass::ComboBox)) {
            if (const DialogControl* caption = CaptionControlOf(dialogTemplate, control)) {
                entry.name = CaptionOf(dialogTemplate, control);
                entry.caption = static_cast<std::size_t>(caption - controls.data());
            }
        }
        if (!entry.name.empty() || !entry.description.empty()) {
            accessible.push_back(std::move(entry));
        }
    }
    return accessible;
}
