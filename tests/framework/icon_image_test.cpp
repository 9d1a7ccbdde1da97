#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "framework/resources/icon_group.h"

namespace {

// An icon image resource of 2 x 1 pixels: a bitmap header, the colour row (BGRA for 32 bits,
// BGR for 24) and the mask row, which hides the second pixel.
std::vector<std::byte> IconBitmap(int bitCount, const std::vector<std::uint8_t>& colourRow) {
    std::vector<std::uint8_t> bytes = {
        40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, static_cast<std::uint8_t>(bitCount), 0};
    bytes.resize(40, 0);
    bytes.insert(bytes.end(), colourRow.begin(), colourRow.end());
    bytes.resize(bytes.size() + (4 - colourRow.size() % 4) % 4, 0);
    bytes.insert(bytes.end(), {0x40, 0, 0, 0});  // mask: the second pixel transparent
    std::vector<std::byte> result;
    for (std::uint8_t byte : bytes) {
        result.push_back(std::byte{byte});
    }
    return result;
}

TEST(IconImages, ThirtyTwoBitImagesKeepTheirAlpha) {
    const auto icon =
        DecodeIconImage(IconBitmap(32, {0x10, 0x20, 0x30, 0x80, 0x01, 0x02, 0x03, 0xFF}));
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->pixels, (std::vector<std::uint32_t>{0x80302010, 0xFF030201}))
        << "alpha decides, and the mask is not applied on top of it";
}

TEST(IconImages, ImagesWithoutAlphaAreOpaqueWhereTheMaskShowsThem) {
    const std::vector<std::pair<int, std::vector<std::uint8_t>>> images = {
        {32, {0x10, 0x20, 0x30, 0x00, 0x01, 0x02, 0x03, 0x00}},
        {24, {0x10, 0x20, 0x30, 0x01, 0x02, 0x03}},
    };
    for (const auto& [bitCount, row] : images) {
        const auto icon = DecodeIconImage(IconBitmap(bitCount, row));
        ASSERT_TRUE(icon) << bitCount << " bits";
        EXPECT_EQ(icon->pixels, (std::vector<std::uint32_t>{0xFF302010, 0})) << bitCount << " bits";
    }
}

}  // namespace
