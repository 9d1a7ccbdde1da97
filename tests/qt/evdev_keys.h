// The keys that the Wayland key tools of the tests press, by the names the tests give them
// ("Tab", "Shift+Tab", "4"), as the kernel's key codes of a US keyboard.
#pragma once

#include <string>
#include <vector>

// The key codes of a chord such as "Shift+Tab", or an empty list for a key it does not know.
std::vector<unsigned> Chord(const std::string& name);
