#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "framework/resources/dialog_template.h"

// What a screen reader is told of one of a dialog's controls beyond what the control says of
// itself. Decided once here for every window system, which only applies it.
struct AccessibleControl {
    // The control's position in the template's control list.
    std::size_t index;
    // A box's or list's name: its caption as shown, without the colon ("Val." for the box after
    // "Val.:"). Empty for other controls, whose own text names them.
    std::string name;
    // The caption's position in the control list, for a "label for" relation.
    std::optional<std::size_t> caption;
    // The program's string for the control (see DescriptionOf), which tells apart controls that
    // share a name such as the two Calc buttons; empty where there is none.
    std::string description;
};

// The accessible names and descriptions of a dialog's controls, in template order: one entry for
// each control that has a name or a description to give.
std::vector<AccessibleControl> AccessibleControlsOf(const DialogTemplate& dialogTemplate);
