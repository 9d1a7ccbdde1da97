// Presses keys on KDE's compositor (KWin) as its own tools do, through its fake-input protocol:
// KWin offers no virtual keyboard to other clients, so wtype cannot type there.
// Usage: kwin_fake_input key KEY...   each key in turn, with its modifiers: Tab, Shift+Tab
//        kwin_fake_input type TEXT     digits, lower-case letters, '.' and '-'
#include <linux/input-event-codes.h>
#include <wayland-client.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "fake-input-client-protocol.h"

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

org_kde_kwin_fake_input* fakeInput = nullptr;

void Global(void*, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0) {
        fakeInput = static_cast<org_kde_kwin_fake_input*>(
            wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4));
    }
}

void GlobalRemoved(void*, wl_registry*, uint32_t) {}

// The key codes of "Shift+Tab", or an empty list for a key it does not know.
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

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || (std::strcmp(argv[1], "key") != 0 && std::strcmp(argv[1], "type") != 0)) {
        std::fprintf(stderr, "usage: kwin_fake_input key KEY... | type TEXT\n");
        return 2;
    }
    std::vector<std::vector<unsigned>> chords;
    for (int i = 2; i < argc; ++i) {
        std::vector<std::string> names;
        if (std::strcmp(argv[1], "type") == 0) {
            for (const char* c = argv[i]; *c != '\0'; ++c) {
                names.emplace_back(1, *c);
            }
        } else {
            names.emplace_back(argv[i]);
        }
        for (const std::string& name : names) {
            chords.push_back(Chord(name));
            if (chords.back().empty()) {
                std::fprintf(stderr, "kwin_fake_input: no key %s\n", name.c_str());
                return 2;
            }
        }
    }
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "kwin_fake_input: no Wayland display\n");
        return 1;
    }
    static const wl_registry_listener listener = {Global, GlobalRemoved};
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, nullptr);
    wl_display_roundtrip(display);
    if (fakeInput == nullptr) {
        std::fprintf(stderr, "kwin_fake_input: the compositor has no fake input\n");
        return 1;
    }
    org_kde_kwin_fake_input_authenticate(fakeInput, "Vardolin's tests", "typing in a test");
    for (const std::vector<unsigned>& chord : chords) {
        for (unsigned code : chord) {
            org_kde_kwin_fake_input_keyboard_key(fakeInput, code, WL_KEYBOARD_KEY_STATE_PRESSED);
        }
        for (auto code = chord.rbegin(); code != chord.rend(); ++code) {
            org_kde_kwin_fake_input_keyboard_key(fakeInput, *code, WL_KEYBOARD_KEY_STATE_RELEASED);
        }
        wl_display_roundtrip(display);
    }
    org_kde_kwin_fake_input_destroy(fakeInput);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return 0;
}
