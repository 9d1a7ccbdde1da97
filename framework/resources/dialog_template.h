#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "framework/resources/name_or_ordinal.h"
#include "framework/resources/template_styles.h"

// The predefined control classes by their template ordinals.
enum class ControlClass : std::uint16_t {
    Button = 0x80,
    Edit = 0x81,
    Static = 0x82,
    ListBox = 0x83,
    ScrollBar = 0x84,
    ComboBox = 0x85,
};

// One control of a dialog template; positions in dialog units.
struct DialogControl {
    std::uint32_t helpId = 0;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;  // -1 for controls without an id
    NameOrOrdinal windowClass;
    NameOrOrdinal title;

    bool IsClass(ControlClass kind) const {
        return windowClass.ordinal == static_cast<std::uint16_t>(kind);
    }

    // Whether Tab stops at the control.
    bool IsTabStop() const { return (style & template_style::TabStop) != 0; }

    // Whether the control is a check box or radio button that the window system toggles
    // itself when clicked (the program is told afterwards).
    bool IsToggle() const;
    bool IsAutoToggle() const;
    // Whether the control is the dialog's default push button (BS_DEFPUSHBUTTON).
    bool IsDefaultButton() const;
};

// A DIALOG or DIALOGEX template as a resource compiler writes it.
struct DialogTemplate {
    bool extended = false;
    std::uint32_t helpId = 0;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    NameOrOrdinal menu;
    NameOrOrdinal windowClass;
    std::string caption;
    // The font, present when the style has DS_SETFONT.
    int pointSize = 0;
    int weight = 0;
    bool italic = false;
    int charset = 0;
    std::string typeface;
    std::vector<DialogControl> controls;
};

inline constexpr std::uint32_t DialogStyleSetFont = 0x40;

// Reads a dialog template. Returns nothing when the bytes are not a well-formed template.
std::optional<DialogTemplate> ParseDialogTemplate(std::span<const std::byte> bytes);
