#include "framework/qt/wayland_connection.h"

#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>

#include <QGuiApplication>
#include <cstring>

namespace {

wl_display* QtDisplay() {
    if (!OnWayland()) {
        return nullptr;
    }
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    return native != nullptr
               ? static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"))
               : nullptr;
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
    // The registry is read on a queue of its own, so that Qt's dispatching never sees it.
    wl_event_queue* queue = wl_display_create_queue(display);
    auto* wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), queue);
    wl_registry* registry = wl_display_get_registry(wrapper);
    wl_proxy_wrapper_destroy(wrapper);

    struct Search {
        const char* interface;
        bool found;
    } search{interface, false};
    static const wl_registry_listener listener = {
        [](void* data, wl_registry*, uint32_t, const char* offered, uint32_t) {
            auto* search = static_cast<Search*>(data);
            search->found = search->found || std::strcmp(offered, search->interface) == 0;
        },
        [](void*, wl_registry*, uint32_t) {},
    };
    wl_registry_add_listener(registry, &listener, &search);
    wl_display_roundtrip_queue(display, queue);
    wl_registry_destroy(registry);
    wl_event_queue_destroy(queue);
    return search.found;
}

void WaitForCompositor() {
    if (wl_display* display = QtDisplay()) {
        wl_display_roundtrip(display);
    }
}
