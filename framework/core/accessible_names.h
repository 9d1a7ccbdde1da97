#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "framework/resources/dialog_template.h"
#include "framework/resources/resource_image.h"

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

// What screen readers say of a control besides its name: the string in `strings` that the
// control's help id names (a DIALOGEX template can give one), or else the string with the
// control's id, where there is one.
std::optional<std::string> DescriptionOf(const DialogControl& control,
                                         const ResourceImage& strings);

// The accessible names and descriptions of a dialog's controls, in template order, with the
// descriptions from the string table of `strings`: one entry for each control that has a name
// or a description to give.
std::vector<AccessibleControl> AccessibleControlsOf(const DialogTemplate& dialogTemplate,
                                                    const ResourceImage& strings);
