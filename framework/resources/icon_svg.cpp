#include "framework/resources/icon_svg.h"

namespace {

bool IsDark(std::uint32_t argb) {
    const int red = (argb >> 16) & 0xFF;
    const int green = (argb >> 8) & 0xFF;
    const int blue = argb & 0xFF;
    return (argb >> 24) >= 0x80 && red + green + blue < 3 * 128;
}

}  // namespace

std::string IconSvg(const IconImage& image) {
    const std::string width = std::to_string(image.width);
    const std::string height = std::to_string(image.height);
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + width + " " +
                      height + "\" shape-rendering=\"crispEdges\">\n<rect width=\"" + width +
                      "\" height=\"" + height + "\" fill=\"#fff\"/>\n<path fill=\"#000\" d=\"";
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (IsDark(image.pixels[static_cast<std::size_t>(y * image.width + x)])) {
                svg += "M" + std::to_string(x) + " " + std::to_string(y) + "h1v1h-1z";
            }
        }
    }
    return svg + "\"/>\n</svg>\n";
}
