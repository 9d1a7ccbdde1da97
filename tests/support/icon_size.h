#pragma once

#include "framework/core/win_types.h"

// The width in pixels of a loaded icon's image; 0 for none.
int IconWidth(HICON icon);
