// Presses keys on KDE's compositor (KWin) as its own tools do, through its fake-input protocol:
// KWin offers no virtual keyboard to other clients, as sway does (sway_keyboard).
// Usage: kwin_fake_input key KEY...   each key in turn, with its modifiers: Tab, Shift+Tab
//        kwin_fake_input type TEXT     digits, lower-case letters, '.' and '-'
#include <linux/input-event-codes.h>
#include <wayland-client.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "evdev_keys.h"
#include "fake-input-client-protocol.h"

namespace {

org_kde_kwin_fake_input* fakeInput = nullptr;

void Global(void*, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0) {
        fakeInput = static_cast<org_kde_kwin_fake_input*>(
            wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4));
    }
}

void GlobalRemoved(void*, wl_registry*, uint32_t) {}

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
