#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "framework/resources/resource_image.h"

// String `id` of the image's string table, or nothing when there is none. Strings are stored
// sixteen to a block; an empty string counts as none.
std::optional<std::string> FindString(const ResourceImage& image, std::uint16_t id);
