#include "framework/resources/icon_group.h"

#include "framework/resources/byte_reader.h"

namespace {

constexpr std::uint32_t kBitmapInfoHeaderSize = 40;
constexpr std::uint32_t kOpaqueBlack = 0xFF000000;

std::size_t RowBytes(int width, int bitCount) {
    return ((static_cast<std::size_t>(width) * bitCount + 31) / 32) * 4;
}

unsigned PixelIndex(std::span<const std::byte> row, int x, int bitCount) {
    const std::size_t bit = static_cast<std::size_t>(x) * bitCount;
    const unsigned byte = std::to_integer<unsigned>(row[bit / 8]);
    const unsigned shift = 8 - bitCount - bit % 8;
    return (byte >> shift) & ((1u << bitCount) - 1);
}

}  // namespace

std::optional<IconImage> DecodeIconImage(std::span<const std::byte> bytes) {
    ByteReader reader(bytes);
    const std::uint32_t headerSize = reader.U32();
    const auto width = static_cast<std::int32_t>(reader.U32());
    const auto doubledHeight = static_cast<std::int32_t>(reader.U32());
    reader.Skip(2);  // planes
    const std::uint16_t bitCount = reader.U16();
    const std::uint32_t compression = reader.U32();
    reader.Skip(12);  // image size, resolution
    std::uint32_t colorsUsed = reader.U32();
    const int height = doubledHeight / 2;
    const bool paletted = bitCount == 1 || bitCount == 4 || bitCount == 8;
    if (!reader.ok() || headerSize < kBitmapInfoHeaderSize || compression != 0 || width <= 0 ||
        width > 256 || height <= 0 || height > 256 ||
        !(paletted || bitCount == 24 || bitCount == 32)) {
        return std::nullopt;
    }
    if (paletted && (colorsUsed == 0 || colorsUsed > (1u << bitCount))) {
        colorsUsed = 1u << bitCount;
    }
    reader.Seek(headerSize);
    std::vector<std::uint32_t> palette;
    for (std::uint32_t i = 0; paletted && i < colorsUsed; ++i) {
        const std::uint32_t quad = reader.U32();  // blue, green, red, unused
        palette.push_back(kOpaqueBlack | (quad & 0xFFFFFF));
    }
    const std::size_t colorRow = RowBytes(width, bitCount);
    const std::size_t maskRow = RowBytes(width, 1);
    const auto colors = reader.Bytes(colorRow * height);
    const auto mask = reader.Bytes(maskRow * height);
    if (!reader.ok()) {
        return std::nullopt;
    }

    // A 32-bit image carries its own transparency in its alpha bytes, and the mask counts only
    // where every alpha byte is 0 (an image drawn before icons had alpha).
    bool hasAlpha = false;
    IconImage icon{width, height, std::vector<std::uint32_t>(std::size_t(width) * height)};
    for (int y = 0; y < height; ++y) {
        // Bitmaps are stored bottom row first.
        const auto row = colors.subspan(colorRow * (height - 1 - y), colorRow);
        for (int x = 0; x < width; ++x) {
            std::uint32_t pixel = 0;
            if (paletted) {
                const unsigned index = PixelIndex(row, x, bitCount);
                pixel = index < palette.size() ? palette[index] : kOpaqueBlack;
            } else {
                const std::size_t at = static_cast<std::size_t>(x) * (bitCount / 8);
                const std::uint32_t alpha =
                    bitCount == 32 ? std::to_integer<std::uint32_t>(row[at + 3]) : 0xFF;
                hasAlpha = hasAlpha || (bitCount == 32 && alpha != 0);
                pixel = alpha << 24 | std::to_integer<std::uint32_t>(row[at]) |
                        std::to_integer<std::uint32_t>(row[at + 1]) << 8 |
                        std::to_integer<std::uint32_t>(row[at + 2]) << 16;
            }
            icon.pixels[std::size_t(y) * width + x] = pixel;
        }
    }
    if (hasAlpha) {
        return icon;
    }
    for (int y = 0; y < height; ++y) {
        const auto maskBits = mask.subspan(maskRow * (height - 1 - y), maskRow);
        for (int x = 0; x < width; ++x) {
            std::uint32_t& pixel = icon.pixels[std::size_t(y) * width + x];
            pixel = PixelIndex(maskBits, x, 1) != 0 ? 0 : (pixel | kOpaqueBlack);
        }
    }
    return icon;
}

std::optional<std::span<const std::byte>> FindIconResource(const ResourceImage& image,
                                                           std::uint16_t id, int size) {
    const auto group = image.Find(ResourceType::GroupIcon, id);
    if (!group) {
        return std::nullopt;
    }
    ByteReader reader(*group);
    reader.Skip(4);  // reserved, type
    const std::uint16_t count = reader.U16();
    std::optional<std::uint16_t> chosen;
    for (std::uint16_t i = 0; i < count && reader.ok(); ++i) {
        const int width = reader.U8();
        const int height = reader.U8();
        reader.Skip(2 + 2 + 2 + 4);  // colours, reserved, planes, bit count, size
        const std::uint16_t iconId = reader.U16();
        // A size byte of 0 stands for 256.
        const bool fits =
            (width == 0 ? 256 : width) == size && (height == 0 ? 256 : height) == size;
        if (reader.ok() && (!chosen || fits)) {
            chosen = iconId;
            if (fits) {
                break;
            }
        }
    }
    if (!chosen) {
        return std::nullopt;
    }
    return image.Find(ResourceType::Icon, *chosen);
}

std::optional<IconImage> FindIconImage(const ResourceImage& image, std::uint16_t id, int size) {
    const auto data = FindIconResource(image, id, size);
    return data ? DecodeIconImage(*data) : std::nullopt;
}
