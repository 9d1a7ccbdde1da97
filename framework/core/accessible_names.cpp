#include "framework/core/accessible_names.h"

#include "framework/resources/captions.h"
#include "framework/resources/string_table.h"

std::optional<std::string> DescriptionOf(const DialogControl& control,
                                         const ResourceImage& strings) {
    if (control.helpId != 0) {
        return FindString(strings, static_cast<std::uint16_t>(control.helpId));
    }
    if (control.id <= 0) {
        return std::nullopt;
    }
    return FindString(strings, static_cast<std::uint16_t>(control.id));
}

std::vector<AccessibleControl> AccessibleControlsOf(const DialogTemplate& dialogTemplate,
                                                    const ResourceImage& strings) {
    std::vector<AccessibleControl> accessible;
    const auto& controls = dialogTemplate.controls;
    for (std::size_t index = 0; index < controls.size(); ++index) {
        const DialogControl& control = controls[index];
        AccessibleControl entry{
            index, {}, std::nullopt, DescriptionOf(control, strings).value_or("")};
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
