#include "framework/resources/string_table.h"

#include "framework/resources/byte_reader.h"

std::optional<std::string> FindString(const ResourceImage& image, std::uint16_t id) {
    const auto block = image.Find(ResourceType::String, static_cast<std::uint16_t>(id / 16 + 1));
    if (!block) {
        return std::nullopt;
    }
    ByteReader reader(*block);
    for (unsigned index = 0; index < id % 16u; ++index) {
        reader.Skip(std::size_t{reader.U16()} * 2);
    }
    const std::uint16_t length = reader.U16();
    std::string text = reader.Utf16Chars(length);
    if (!reader.ok() || text.empty()) {
        return std::nullopt;
    }
    return text;
}
