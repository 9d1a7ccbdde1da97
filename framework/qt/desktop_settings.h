#pragma once

#include <functional>
#include <string>

// What the desktop asks of a program's look: GNOME's dark style, its high contrast, its Large
// Text, and the buttons it puts in title bars.
struct DesktopSettings {
    bool dark = false;
    bool highContrast = false;
    double textScale = 1.0;
    // GNOME's "button-layout", as "appmenu:close": the buttons before the colon stand at the
    // title bar's start, those after it at its end. Empty where the desktop gives none.
    std::string buttonLayout;

    bool operator==(const DesktopSettings&) const = default;
};

// Reads the desktop's settings and calls `changed` with them at once, and again whenever one
// of them changes while the program runs. They come from the settings portal where one runs
// (in a sandbox, and on desktops that start one with the session), else from GSettings; where
// neither knows a setting, it keeps its default. Called once.
void FollowDesktopSettings(std::function<void(const DesktopSettings&)> changed);
