#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// One record of a dialog's initialisation data: a message with a text, sent to a control before
// the dialog's first data exchange.
struct DialogInitRecord {
    int controlId = 0;
    std::uint16_t message = 0;
    std::string text;
};

// The message code of a record that adds a string to a combo box.
inline constexpr std::uint16_t DialogInitComboAddString = 0x0403;

// Reads a DLGINIT block: records one after another without alignment, ended by a control id of
// 0 or by the end of the block. Returns nothing when a record runs past the end.
std::optional<std::vector<DialogInitRecord>> ParseDialogInit(std::span<const std::byte> bytes);
