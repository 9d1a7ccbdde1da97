#include "framework/core/resource_module.h"

#include "framework/resources/string_table.h"

namespace {

ResourceImage& ProgramResources() {
    static ResourceImage image;
    return image;
}

}  // namespace

bool AfxSetResourceImage(std::span<const std::byte> bytes) {
    auto image = ResourceImage::Parse(bytes);
    if (!image) {
        return false;
    }
    ProgramResources() = std::move(*image);
    return true;
}

const ResourceImage& AfxGetResourceImage() {
    return ProgramResources();
}

std::optional<std::string> DescriptionOf(const DialogControl& control) {
    if (control.helpId != 0) {
        return FindString(AfxGetResourceImage(), static_cast<std::uint16_t>(control.helpId));
    }
    if (control.id <= 0) {
        return std::nullopt;
    }
    return FindString(AfxGetResourceImage(), static_cast<std::uint16_t>(control.id));
}
