#include "framework/web/web_page.h"

#include <emscripten.h>

#include "framework/core/icon.h"
#include "framework/resources/icon_group.h"

using emscripten::val;

namespace {

EM_ASYNC_JS(void, WaitForPageEvent, (), { await Module['vardolin'].nextEvent(); });

}  // namespace

namespace web_page {

val Script() {
    return val::module_property("vardolin");
}

val Document() {
    return val::global("document");
}

val Element(const char* tag, const char* className) {
    val element = Document().call<val>("createElement", val(tag));
    element.set("className", val(className));
    return element;
}

std::string Em(int units, bool horizontal) {
    return "calc(var(--unit-" + std::string(horizontal ? "x" : "y") + ") * " +
           std::to_string(units) + ")";
}

void Place(val& element, const DialogControl& control, int height) {
    val style = element["style"];
    style.set("left", Em(control.x, true));
    style.set("top", Em(control.y, false));
    style.set("width", Em(control.cx, true));
    style.set("height", Em(height, false));
}

val IconCanvas(HICON icon) {
    val canvas = Element("canvas", "icon");
    if (icon == nullptr) {
        return canvas;
    }
    canvas.set("width", icon->width);
    canvas.set("height", icon->height);
    val context = canvas.call<val>("getContext", val("2d"));
    val pixels = context.call<val>("createImageData", icon->width, icon->height);
    val data = pixels["data"];
    for (std::size_t i = 0; i < icon->pixels.size(); ++i) {
        const std::uint32_t argb = icon->pixels[i];
        data.set(4 * i, (argb >> 16) & 0xFF);
        data.set(4 * i + 1, (argb >> 8) & 0xFF);
        data.set(4 * i + 2, argb & 0xFF);
        data.set(4 * i + 3, argb >> 24);
    }
    context.call<void>("putImageData", pixels, 0, 0);
    return canvas;
}

val NextEvent(int windowId) {
    while (true) {
        val event = Script().call<val>("take", windowId);
        if (!event.isNull()) {
            return event;
        }
        WaitForPageEvent();
    }
}

}  // namespace web_page
