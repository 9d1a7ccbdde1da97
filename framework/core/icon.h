#pragma once

#include <cstdint>

#include "framework/core/win_types.h"

// Icon group `id` of the program's resources at the large icon size (32 x 32), as the installed
// window system loads it (WindowSystem::LoadProgramIcon), or from the program's resources while
// none is installed. Kept for the life of the program; null when there is none.
HICON AfxLoadIcon(std::uint16_t id);

// Icon group `id` at the large icon size, made from the program's resource image: a decoded
// image, or on Windows an icon of the platform's. Loaded once and kept; null when there is none.
HICON LoadIconFromProgramResources(std::uint16_t id);
