// The floor for the web page's start-up: a program built with the page's flags that draws one
// button and says it is ready, as the calculator does once it takes input.
#include <emscripten/val.h>

#include <string>

int main() {
    using emscripten::val;
    const val document = val::global("document");
    val button = document.call<val>("createElement", std::string("button"));
    button.set("textContent", std::string("OK"));
    document["body"].call<void>("appendChild", button);
    button.call<void>("focus");
    val::global("window").set("vardolinReadyAt", val::global("performance").call<val>("now"));
    document["body"]["dataset"].set("state", std::string("ready"));
}
