#pragma once

#include <cstdint>

#include "framework/core/win_types.h"

// Icon group `id` of the program's resources at the large icon size (32 x 32), loaded once and
// kept for the life of the program; null when there is none.
HICON AfxLoadIcon(std::uint16_t id);
