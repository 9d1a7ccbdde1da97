#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "framework/resources/name_or_ordinal.h"

// Resource types by their ordinal numbers.
enum class ResourceType : std::uint16_t {
    Icon = 3,
    Dialog = 5,
    String = 6,
    GroupIcon = 14,
    Version = 16,
    DialogInit = 240,
};

// One resource of a compiled resource image.
struct ResourceEntry {
    NameOrOrdinal type;
    NameOrOrdinal name;
    std::uint16_t language = 0;
    std::span<const std::byte> data;
};

// The resources of a compiled resource file (.res), as a resource compiler writes them. The
// bytes are not copied: they must outlive the image.
class ResourceImage {
public:
    ResourceImage() = default;

    // Reads the index of a .res image. Returns nothing when the bytes are not a well-formed
    // image.
    static std::optional<ResourceImage> Parse(std::span<const std::byte> bytes);

    // The data of resource `id` of `type`; with a language, only in that language.
    std::optional<std::span<const std::byte>> Find(
        ResourceType type, std::uint16_t id, std::optional<std::uint16_t> language = {}) const;

    const std::vector<ResourceEntry>& entries() const { return entries_; }

private:
    std::vector<ResourceEntry> entries_;
};
