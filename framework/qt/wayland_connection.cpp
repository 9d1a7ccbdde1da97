#include "framework/qt/wayland_connection.h"

#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>

#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <cstring>
#include <functional>

namespace {

QPlatformNativeInterface* Native() {
    return OnWayland() ? QGuiApplication::platformNativeInterface() : nullptr;
}

wl_display* QtDisplay() {
    QPlatformNativeInterface* native = Native();
    return native != nullptr
               ? static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"))
               : nullptr;
}

// The queue of the program's own requests to the compositor; its events are never dispatched
// by Qt.
wl_event_queue* OwnQueue(wl_display* display) {
    static wl_event_queue* queue = wl_display_create_queue(display);
    return queue;
}

// One global of the compositor's registry, as it announces it.
struct Global {
    wl_registry* registry;
    std::uint32_t name;
    const char* interface;
    std::uint32_t version;
};

// Reads the compositor's registry on the program's own queue, handing each global to `seen`,
// and returns the registry (for binding) once every global has been announced.
wl_registry* ReadRegistry(wl_display* display, const std::function<void(const Global&)>& seen) {
    auto* wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), OwnQueue(display));
    wl_registry* registry = wl_display_get_registry(wrapper);
    wl_proxy_wrapper_destroy(wrapper);
    static const wl_registry_listener listener = {
        [](void* data, wl_registry* from, std::uint32_t name, const char* interface,
           std::uint32_t version) {
            (*static_cast<const std::function<void(const Global&)>*>(data))(
                {from, name, interface, version});
        },
        [](void*, wl_registry*, std::uint32_t) {},
    };
    wl_registry_add_listener(registry, &listener,
                             const_cast<std::function<void(const Global&)>*>(&seen));
    wl_display_roundtrip_queue(display, OwnQueue(display));
    return registry;
}

}  // namespace

bool OnWayland() {
    return QGuiApplication::platformName() == QLatin1String("wayland");
}

bool CompositorOffers(const char* interface) {
    wl_display* display = QtDisplay();
    if (display == nullptr) {
        return false;
    }
    bool found = false;
    wl_registry_destroy(ReadRegistry(display, [&found, interface](const Global& global) {
        found = found || std::strcmp(global.interface, interface) == 0;
    }));
    return found;
}

wl_proxy* BindGlobal(const wl_interface& interface, std::uint32_t version) {
    wl_display* display = QtDisplay();
    if (display == nullptr) {
        return nullptr;
    }
    wl_proxy* bound = nullptr;
    wl_registry* registry =
        ReadRegistry(display, [&bound, &interface, version](const Global& global) {
            if (bound == nullptr && std::strcmp(global.interface, interface.name) == 0) {
                bound = static_cast<wl_proxy*>(wl_registry_bind(
                    global.registry, global.name, &interface, std::min(version, global.version)));
            }
        });
    wl_registry_destroy(registry);
    return bound;
}

wl_surface* SurfaceOf(QWindow& window) {
    QPlatformNativeInterface* native = Native();
    return native != nullptr && window.handle() != nullptr
               ? static_cast<wl_surface*>(native->nativeResourceForWindow("surface", &window))
               : nullptr;
}

void WaitForCompositor() {
    if (wl_display* display = QtDisplay()) {
        wl_display_roundtrip(display);
    }
}
