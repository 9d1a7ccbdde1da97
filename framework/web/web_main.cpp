// The entry point of a program in the web page: the window system, the framework's main
// routine, then the page's word that the program has ended (a browser tab does not close
// itself).
#include <emscripten/val.h>

#include "framework/core/startup.h"
#include "framework/web/web_window_system.h"

int main() {
    WebWindowSystem windowSystem;
    const int status = AfxWinMain(windowSystem);
    emscripten::val::module_property("vardolin").call<void>("ended");
    return status;
}
