#pragma once

#include <cstdint>

class QWindow;
struct wl_interface;
struct wl_proxy;
struct wl_surface;

// Qt's own connection to the Wayland compositor, for what the program asks of the compositor and
// Qt 6.4 has no call for. Every function is safe to call off Wayland, where it does nothing.

// Whether Qt runs on a Wayland compositor.
bool OnWayland();

// Whether the compositor offers the global `interface` (for example
// "zxdg_decoration_manager_v1"). False off Wayland.
bool CompositorOffers(const char* interface);

// Binds the compositor's global of `interface` at `version` (at most what the compositor
// offers), on an event queue of the program's own that Qt never dispatches: for requests whose
// objects send no events the program needs. Null where the compositor offers none.
wl_proxy* BindGlobal(const wl_interface& interface, std::uint32_t version);

// The Wayland surface of a window that Qt has created, or null.
wl_surface* SurfaceOf(QWindow& window);

// Returns once the compositor has handled every request that the program has sent so far, and
// the program has handled the compositor's answers to them.
void WaitForCompositor();
