#pragma once

#include <windows.h>

// Prints what a screen reader reads of each control of `window` but its static texts, in
// window order, one "id|name|description|value" line a control ("-" where it reads nothing),
// through the platform's accessibility (oleacc). Returns the number of controls it could not
// read.
int PrintAccessibleNames(HWND window);
