#include "evdev_keys.h"

#include <linux/input-event-codes.h>

#include <map>

namespace {

const std::map<std::string, unsigned> kKeys = {
    {"Tab", KEY_TAB},       {"Return", KEY_ENTER},
    {"Enter", KEY_ENTER},   {"Escape", KEY_ESC},
    {"Up", KEY_UP},         {"Down", KEY_DOWN},
    {"F1", KEY_F1},         {"F4", KEY_F4},
    {"F10", KEY_F10},       {"Shift", KEY_LEFTSHIFT},
    {"Ctrl", KEY_LEFTCTRL}, {"Alt", KEY_LEFTALT},
    {"0", KEY_0},           {"1", KEY_1},
    {"2", KEY_2},           {"3", KEY_3},
    {"4", KEY_4},           {"5", KEY_5},
    {"6", KEY_6},           {"7", KEY_7},
    {"8", KEY_8},           {"9", KEY_9},
    {".", KEY_DOT},         {"-", KEY_MINUS},
    {"a", KEY_A},           {"c", KEY_C},
    {"v", KEY_V},           {"x", KEY_X},
};

}  // namespace

std::vector<unsigned> Chord(const std::string& name) {
    std::vector<unsigned> codes;
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = name.find('+', start + 1);
        end = end == std::string::npos ? name.size() : end;
        const auto found = kKeys.find(name.substr(start, end - start));
        if (found == kKeys.end()) {
            return {};
        }
        codes.push_back(found->second);
        start = end + 1;
    }
    return codes;
}
