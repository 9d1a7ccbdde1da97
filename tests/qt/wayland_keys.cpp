// Presses keys on a Wayland compositor for the end-to-end tests, through what the compositor
// offers a client of its own: a virtual keyboard (sway, and wlroots' compositors) or KWin's fake
// input (KDE). One keyboard lives as long as the test. A keyboard made for each command, as
// wtype makes one, hands the program a new keymap each time, and the program may lose the key
// that comes right after it; one keyboard hands it over once, before the program starts.
// Reads a command a line on stdin and answers "ok" once the compositor has handled it, or
// "error: ...":
//   key KEY...   each key in turn, with its modifiers: Tab, Shift+Tab, Ctrl+a
//   type TEXT    digits, lower-case letters, '.' and '-'
#include <linux/input-event-codes.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "fake-input-client-protocol.h"
#include "virtual-keyboard-unstable-v1-client-protocol.h"

namespace {

// The keys by the names the tests give them, as the kernel's key codes of a US keyboard.
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

// The key codes of a chord such as "Shift+Tab", or an empty list for a key it does not know.
std::vector<unsigned> Chord(const std::string& name) {
    std::vector<unsigned> codes;
    for (size_t start = 0; start <= name.size();) {
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

// The chords of a command line, or an empty list when it names a key there is none of.
std::vector<std::vector<unsigned>> Chords(const std::string& line) {
    std::istringstream words(line);
    std::string verb;
    words >> verb;
    std::vector<std::string> names;
    if (verb == "key") {
        for (std::string name; words >> name;) {
            names.push_back(name);
        }
    } else if (verb == "type" && line.size() > 5) {
        for (char c : line.substr(5)) {
            names.emplace_back(1, c);
        }
    }
    std::vector<std::vector<unsigned>> chords;
    for (const std::string& name : names) {
        chords.push_back(Chord(name));
        if (chords.back().empty()) {
            return {};
        }
    }
    return chords;
}

wl_seat* seat = nullptr;
zwp_virtual_keyboard_manager_v1* keyboards = nullptr;
org_kde_kwin_fake_input* fakeInput = nullptr;

void Global(void*, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && seat == nullptr) {
        seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0) {
        keyboards = static_cast<zwp_virtual_keyboard_manager_v1*>(
            wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
    } else if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0) {
        fakeInput = static_cast<org_kde_kwin_fake_input*>(
            wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4));
    }
}

void GlobalRemoved(void*, wl_registry*, uint32_t) {}

// Sends one key's press or release to the compositor.
using KeySender = std::function<void(unsigned code, bool pressed)>;

// A virtual keyboard with a US keymap; it tells the compositor the modifiers' state itself.
KeySender VirtualKeyboard(zwp_virtual_keyboard_v1* keyboard) {
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const xkb_rule_names names = {"evdev", "pc105", "us", "", ""};
    xkb_keymap* keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    char* text = xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
    const size_t size = std::strlen(text) + 1;
    const int file = memfd_create("keymap", MFD_CLOEXEC);
    if (file < 0 || write(file, text, size) != static_cast<ssize_t>(size)) {
        std::perror("wayland_keys: keymap");
        std::exit(1);
    }
    zwp_virtual_keyboard_v1_keymap(keyboard, XKB_KEYMAP_FORMAT_TEXT_V1, file, size);
    close(file);
    std::free(text);
    xkb_state* state = xkb_state_new(keymap);
    xkb_keymap_unref(keymap);
    xkb_context_unref(context);
    return [keyboard, state, time = uint32_t{0}](unsigned code, bool pressed) mutable {
        zwp_virtual_keyboard_v1_key(
            keyboard, time++, code,
            pressed ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
        // The kernel's key codes are X's less 8.
        xkb_state_update_key(state, code + 8, pressed ? XKB_KEY_DOWN : XKB_KEY_UP);
        zwp_virtual_keyboard_v1_modifiers(
            keyboard, xkb_state_serialize_mods(state, XKB_STATE_MODS_DEPRESSED),
            xkb_state_serialize_mods(state, XKB_STATE_MODS_LATCHED),
            xkb_state_serialize_mods(state, XKB_STATE_MODS_LOCKED),
            xkb_state_serialize_layout(state, XKB_STATE_LAYOUT_EFFECTIVE));
    };
}

// KWin's fake input, which keeps the modifiers' state on its own keyboard.
KeySender FakeInput(org_kde_kwin_fake_input* input) {
    org_kde_kwin_fake_input_authenticate(input, "Vardolin's tests", "typing in a test");
    return [input](unsigned code, bool pressed) {
        org_kde_kwin_fake_input_keyboard_key(
            input, code, pressed ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
    };
}

// Presses a chord's keys in turn and lets them go the other way round; answers once the
// compositor has handled them and passed them on.
void Press(wl_display* display, const KeySender& send, const std::vector<unsigned>& chord) {
    for (unsigned code : chord) {
        send(code, true);
    }
    for (auto code = chord.rbegin(); code != chord.rend(); ++code) {
        send(*code, false);
    }
    wl_display_roundtrip(display);
}

}  // namespace

int main() {
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "wayland_keys: no Wayland display\n");
        return 1;
    }
    static const wl_registry_listener listener = {Global, GlobalRemoved};
    wl_registry_add_listener(wl_display_get_registry(display), &listener, nullptr);
    wl_display_roundtrip(display);
    KeySender send;
    if (keyboards != nullptr && seat != nullptr) {
        send = VirtualKeyboard(
            zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(keyboards, seat));
    } else if (fakeInput != nullptr) {
        send = FakeInput(fakeInput);
    } else {
        std::fprintf(stderr, "wayland_keys: the compositor offers no keyboard to clients\n");
        return 1;
    }
    // A modifier alone makes it the seat's keyboard, whose keymap a window gets as it opens.
    Press(display, send, Chord("Shift"));
    std::printf("ok\n");
    std::fflush(stdout);
    for (std::string line; std::getline(std::cin, line);) {
        const std::vector<std::vector<unsigned>> chords = Chords(line);
        if (chords.empty()) {
            std::printf("error: no keys in '%s'\n", line.c_str());
        } else {
            for (const std::vector<unsigned>& chord : chords) {
                Press(display, send, chord);
            }
            std::printf("ok\n");
        }
        std::fflush(stdout);
    }
    wl_display_disconnect(display);
    return 0;
}
