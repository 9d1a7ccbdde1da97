#include "framework/core/window_commands.h"

std::vector<WindowCommand> WindowCommandsOf(std::uint32_t style, bool canMinimize) {
    std::vector<WindowCommand> commands;
    if (canMinimize && (style & template_style::MinimizeBox) != 0) {
        commands.push_back({SC_MINIMIZE, "Minimize"});
    }
    if ((style & template_style::SysMenu) != 0) {
        commands.push_back({SC_CLOSE, "Close"});
    }
    return commands;
}
