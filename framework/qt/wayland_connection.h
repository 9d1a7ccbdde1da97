#pragma once

// Qt's own connection to the Wayland compositor, for what the program asks of the compositor and
// Qt 6.4 has no call for. Every function is safe to call off Wayland, where it does nothing.

// Whether Qt runs on a Wayland compositor.
bool OnWayland();

// Whether the compositor offers the global `interface` (for example
// "zxdg_decoration_manager_v1"). False off Wayland.
bool CompositorOffers(const char* interface);

// Returns once the compositor has handled every request that the program has sent so far, and
// the program has handled the compositor's answers to them.
void WaitForCompositor();
