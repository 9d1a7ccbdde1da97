// Presses keys on a wlroots compositor (sway) through one virtual keyboard that lives as long as
// the test. A keyboard made for each command, as wtype makes one, hands the program a new keymap
// each time, and the program may lose the key that comes right after it; one keyboard hands it
// over once, before the program starts.
// Reads a command a line on stdin and answers "ok" once the compositor has handled it, or
// "error: ...":
//   key KEY...   each key in turn, with its modifiers: Tab, Shift+Tab, Ctrl+a
//   type TEXT    digits, lower-case letters, '.' and '-'
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "evdev_keys.h"
#include "virtual-keyboard-unstable-v1-client-protocol.h"

namespace {

wl_seat* seat = nullptr;
zwp_virtual_keyboard_manager_v1* manager = nullptr;

void Global(void*, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && seat == nullptr) {
        seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0) {
        manager = static_cast<zwp_virtual_keyboard_manager_v1*>(
            wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
    }
}

void GlobalRemoved(void*, wl_registry*, uint32_t) {}

// The virtual keyboard with a US keymap, and the state of its modifiers.
class Keyboard {
public:
    explicit Keyboard(zwp_virtual_keyboard_v1* keyboard) : keyboard_(keyboard) {
        xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
        const xkb_rule_names names = {"evdev", "pc105", "us", "", ""};
        xkb_keymap* keymap =
            xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
        char* text = xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
        const size_t size = std::strlen(text) + 1;
        const int file = memfd_create("keymap", MFD_CLOEXEC);
        if (file < 0 || write(file, text, size) != static_cast<ssize_t>(size)) {
            std::perror("sway_keyboard: keymap");
            std::exit(1);
        }
        zwp_virtual_keyboard_v1_keymap(keyboard_, XKB_KEYMAP_FORMAT_TEXT_V1, file, size);
        close(file);
        std::free(text);
        state_ = xkb_state_new(keymap);
        xkb_keymap_unref(keymap);
        xkb_context_unref(context);
    }

    void Press(const std::vector<unsigned>& chord) {
        for (unsigned code : chord) {
            Send(code, true);
        }
        for (auto code = chord.rbegin(); code != chord.rend(); ++code) {
            Send(*code, false);
        }
    }

private:
    void Send(unsigned code, bool pressed) {
        zwp_virtual_keyboard_v1_key(
            keyboard_, time_++, code,
            pressed ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
        // The kernel's key codes are X's less 8.
        xkb_state_update_key(state_, code + 8, pressed ? XKB_KEY_DOWN : XKB_KEY_UP);
        zwp_virtual_keyboard_v1_modifiers(
            keyboard_, xkb_state_serialize_mods(state_, XKB_STATE_MODS_DEPRESSED),
            xkb_state_serialize_mods(state_, XKB_STATE_MODS_LATCHED),
            xkb_state_serialize_mods(state_, XKB_STATE_MODS_LOCKED),
            xkb_state_serialize_layout(state_, XKB_STATE_LAYOUT_EFFECTIVE));
    }

    zwp_virtual_keyboard_v1* keyboard_;
    xkb_state* state_ = nullptr;
    uint32_t time_ = 0;
};

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

}  // namespace

int main() {
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "sway_keyboard: no Wayland display\n");
        return 1;
    }
    static const wl_registry_listener listener = {Global, GlobalRemoved};
    wl_registry_add_listener(wl_display_get_registry(display), &listener, nullptr);
    wl_display_roundtrip(display);
    if (seat == nullptr || manager == nullptr) {
        std::fprintf(stderr, "sway_keyboard: the compositor has no virtual keyboards\n");
        return 1;
    }
    Keyboard keyboard(zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(manager, seat));
    // A modifier alone makes it the seat's keyboard, whose keymap a window gets as it opens.
    keyboard.Press(Chord("Shift"));
    wl_display_roundtrip(display);
    std::printf("ok\n");
    std::fflush(stdout);
    for (std::string line; std::getline(std::cin, line);) {
        const std::vector<std::vector<unsigned>> chords = Chords(line);
        if (chords.empty()) {
            std::printf("error: no keys in '%s'\n", line.c_str());
        } else {
            for (const std::vector<unsigned>& chord : chords) {
                keyboard.Press(chord);
            }
            // Answered once the compositor has handled the keys and passed them on.
            wl_display_roundtrip(display);
            std::printf("ok\n");
        }
        std::fflush(stdout);
    }
    wl_display_disconnect(display);
    return 0;
}
