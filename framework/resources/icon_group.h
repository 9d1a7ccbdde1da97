#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "framework/resources/resource_image.h"

// One image of an icon as 0xAARRGGBB pixels, top row first.
struct IconImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// The size of a large icon, the one windows show.
inline constexpr int kLargeIconSize = 32;

// Decodes one icon image resource (a device-independent bitmap with its transparency mask).
std::optional<IconImage> DecodeIconImage(std::span<const std::byte> bytes);

// The icon image resource (RT_ICON) of icon group `id` whose size is `size` × `size`, or the
// group's first image.
std::optional<std::span<const std::byte>> FindIconResource(const ResourceImage& image,
                                                           std::uint16_t id, int size);

// The image of icon group `id` whose size is `size` × `size`, or the group's first image.
std::optional<IconImage> FindIconImage(const ResourceImage& image, std::uint16_t id, int size);
