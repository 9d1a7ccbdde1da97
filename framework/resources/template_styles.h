#pragma once

#include <cstdint>

// The style bits of dialog templates that the window systems act on, by the names Windows gives
// them (without the prefixes, which the platform's headers define as macros).
namespace template_style {

// Windows and dialogs.
inline constexpr std::uint32_t TabStop = 0x00010000;
inline constexpr std::uint32_t MinimizeBox = 0x00020000;
inline constexpr std::uint32_t SysMenu = 0x00080000;
inline constexpr std::uint32_t Disabled = 0x08000000;
inline constexpr std::uint32_t Visible = 0x10000000;

// Buttons: the type in the low four bits, then the looks.
inline constexpr std::uint32_t ButtonType = 0x0F;
inline constexpr std::uint32_t DefPushButton = 0x01;
inline constexpr std::uint32_t CheckBox = 0x02;
inline constexpr std::uint32_t AutoCheckBox = 0x03;
inline constexpr std::uint32_t RadioButton = 0x04;
inline constexpr std::uint32_t Auto3State = 0x06;
inline constexpr std::uint32_t AutoRadioButton = 0x09;
inline constexpr std::uint32_t PushLike = 0x1000;

// Edit boxes.
inline constexpr std::uint32_t EditCenter = 0x0001;
inline constexpr std::uint32_t EditRight = 0x0002;
inline constexpr std::uint32_t EditReadOnly = 0x0800;

// Static controls: the type in the low five bits.
inline constexpr std::uint32_t StaticType = 0x1F;
inline constexpr std::uint32_t StaticCenter = 0x01;
inline constexpr std::uint32_t StaticRight = 0x02;
inline constexpr std::uint32_t StaticIcon = 0x03;
inline constexpr std::uint32_t StaticEtchedHorizontal = 0x10;
inline constexpr std::uint32_t StaticEtchedVertical = 0x11;
inline constexpr std::uint32_t StaticNoPrefix = 0x80;

}  // namespace template_style
