#include "framework/resources/resource_image.h"

#include "framework/resources/byte_reader.h"

std::optional<ResourceImage> ResourceImage::Parse(std::span<const std::byte> bytes) {
    ResourceImage image;
    ByteReader reader(bytes);
    while (reader.ok() && reader.remaining() > 0) {
        const std::size_t start = reader.position();
        const std::uint32_t dataSize = reader.U32();
        const std::uint32_t headerSize = reader.U32();
        ResourceEntry entry;
        entry.type = ReadNameOrOrdinal(reader);
        entry.name = ReadNameOrOrdinal(reader);
        reader.Align(4);
        reader.Skip(4 + 2);  // data version, memory flags
        entry.language = reader.U16();
        reader.Skip(4 + 4);  // version, characteristics
        // A header that ends before its own fields would make the next entry start at this one.
        const std::size_t fieldsEnd = reader.position();
        if (!reader.ok() || headerSize < fieldsEnd - start || headerSize > bytes.size() - start) {
            return std::nullopt;
        }
        reader.Seek(start + headerSize);
        entry.data = reader.Bytes(dataSize);
        if (!reader.ok()) {
            return std::nullopt;
        }
        // The last entry's padding may be missing.
        if (reader.position() % 4 != 0 && reader.remaining() < 4 - reader.position() % 4) {
            reader.Skip(reader.remaining());
        }
        reader.Align(4);
        // A resource compiler starts every image with an empty entry of type 0.
        if (entry.type.ordinal != 0) {
            image.entries_.push_back(entry);
        }
    }
    return image;
}

std::optional<std::span<const std::byte>> ResourceImage::Find(
    ResourceType type, std::uint16_t id, std::optional<std::uint16_t> language) const {
    const NameOrOrdinal wantedType{static_cast<std::uint16_t>(type), {}};
    const NameOrOrdinal wantedName{id, {}};
    for (const ResourceEntry& entry : entries_) {
        if (entry.type == wantedType && entry.name == wantedName &&
            (!language || entry.language == *language)) {
            return entry.data;
        }
    }
    return std::nullopt;
}
