#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/win_types.h"
#include "framework/resources/template_styles.h"

// One command that a window offers outside its controls: an item of its window menu and, where
// the program draws the title bar itself, a button there.
struct WindowCommand {
    // The system command it sends: SC_MINIMIZE or SC_CLOSE.
    UINT id;
    // How the menu shows it, and how a screen reader names its button.
    std::string text;
};

// The window commands of a window whose template has style `style`, in the window menu's order:
// Minimize where the style has a minimize box and the window system can minimise a window, then
// Close where the style has a system menu. The window menu holds these items before what the
// program appends; a title bar of the program's own shows a button for each.
std::vector<WindowCommand> WindowCommandsOf(std::uint32_t style, bool canMinimize);

// The style of the notice, which is a message box: a system menu and no minimize box.
inline constexpr std::uint32_t kNoticeStyle = template_style::SysMenu;

// What a key does in an open window menu that the window system draws itself (the page's): the
// arrows move the highlight through the items and wrap, Home and End move it to the first and
// the last item, Enter and Space choose the highlighted item, Escape closes the menu. Any other
// key closes the menu and goes on to the window. Modifiers do not change what a key does.
enum class MenuKey { Down, Up, Home, End, Enter, Space, Escape };
enum class MenuAnswer { Next, Previous, First, Last, Choose, Close };
struct MenuKeyAnswer {
    MenuKey key;
    MenuAnswer answer;
};
inline constexpr MenuKeyAnswer kOpenMenuKeys[] = {
    {MenuKey::Down, MenuAnswer::Next},    {MenuKey::Up, MenuAnswer::Previous},
    {MenuKey::Home, MenuAnswer::First},   {MenuKey::End, MenuAnswer::Last},
    {MenuKey::Enter, MenuAnswer::Choose}, {MenuKey::Space, MenuAnswer::Choose},
    {MenuKey::Escape, MenuAnswer::Close},
};
