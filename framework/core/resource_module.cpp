#include "framework/core/resource_module.h"

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
