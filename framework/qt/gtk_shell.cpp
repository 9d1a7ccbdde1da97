#include "framework/qt/gtk_shell.h"

#include <wayland-client.h>

#include <QEvent>
#include <QWidget>
#include <QWindow>

#include "framework/qt/wayland_connection.h"

namespace {

// The two interfaces of gtk_shell1 that the program uses, as GTK's protocol file describes them
// (gtk-shell.xml), bound at version 1, whose objects send the program no events it needs.
extern const wl_interface gtk_surface1_interface;

const wl_interface* const kGetGtkSurfaceTypes[] = {&gtk_surface1_interface, &wl_surface_interface};
const wl_interface* const kNoTypes[] = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
const wl_interface* const kSurfaceType[] = {&gtk_surface1_interface};

const wl_message kGtkShellRequests[] = {
    {"get_gtk_surface", "no", const_cast<const wl_interface**>(kGetGtkSurfaceTypes)},
    {"set_startup_id", "?s", const_cast<const wl_interface**>(kNoTypes)},
    {"system_bell", "?o", const_cast<const wl_interface**>(kSurfaceType)},
};
const wl_message kGtkShellEvents[] = {
    {"capabilities", "u", const_cast<const wl_interface**>(kNoTypes)},
};
const wl_interface gtk_shell1_interface = {"gtk_shell1",      1, 3,
                                           kGtkShellRequests, 1, kGtkShellEvents};

const wl_message kGtkSurfaceRequests[] = {
    {"set_dbus_properties", "?s?s?s?s?s?s", const_cast<const wl_interface**>(kNoTypes)},
    {"set_modal", "", const_cast<const wl_interface**>(kNoTypes)},
    {"unset_modal", "", const_cast<const wl_interface**>(kNoTypes)},
    {"present", "u", const_cast<const wl_interface**>(kNoTypes)},
};
const wl_interface gtk_surface1_interface = {"gtk_surface1", 1, 4, kGtkSurfaceRequests, 0, nullptr};

constexpr std::uint32_t kGetGtkSurface = 0;
constexpr std::uint32_t kSetModal = 1;

// Marks the window it watches as modal when the window is first exposed, which comes before the
// window's first frame.
class MarkOnFirstExpose : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose) {
            watched->removeEventFilter(this);
            MarkModalForGnome(*static_cast<QWindow*>(watched));
        }
        return false;
    }
};

wl_proxy* GtkShell() {
    static wl_proxy* const shell = BindGlobal(gtk_shell1_interface, 1);
    return shell;
}

}  // namespace

void MarkModalForGnome(QWindow& window) {
    wl_proxy* shell = GtkShell();
    wl_surface* surface = SurfaceOf(window);
    if (shell == nullptr || surface == nullptr) {
        return;
    }
    // The gtk_surface1 lives as long as the window's surface; the program keeps no handle on it.
    wl_proxy* gtkSurface = wl_proxy_marshal_constructor(shell, kGetGtkSurface,
                                                        &gtk_surface1_interface, nullptr, surface);
    wl_proxy_marshal(gtkSurface, kSetModal);
    wl_proxy_destroy(gtkSurface);
}

void MarkModalForGnomeWhenShown(QWidget& box) {
    if (!OnWayland()) {
        return;
    }
    box.winId();  // the window's surface, to watch
    box.windowHandle()->installEventFilter(new MarkOnFirstExpose(&box));
}
