#pragma once

#include <emscripten/val.h>

#include <string>

#include "framework/core/win_types.h"
#include "framework/resources/dialog_template.h"

// The page that web dialogs live in, as the window system's files share it.
namespace web_page {

// The page's side of the window system (framework/web/page/dialog_page.js).
emscripten::val Script();
emscripten::val Document();

// A new element with a class.
emscripten::val Element(const char* tag, const char* className);

// Places an element at a template control's position, in dialog units of the page's font.
void Place(emscripten::val& element, const DialogControl& control, int height);

// A length in dialog units, horizontally or vertically: a CSS length through the window's dialog
// units, which follow the window's font and grow when the reader spaces text more widely, and
// which a control's own font size leaves alone.
std::string Em(int units, bool horizontal);

// The icon as a canvas, drawn pixel for pixel from the icon resource.
emscripten::val IconCanvas(HICON icon);

// The next event of window `windowId` from the page's queue, waiting for one without running
// anything: the browser goes on meanwhile and an idle page runs no timer.
emscripten::val NextEvent(int windowId);

}  // namespace web_page
