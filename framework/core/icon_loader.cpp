#include <map>
#include <memory>

#include "framework/core/icon.h"
#include "framework/core/resource_module.h"
#include "framework/resources/icon_group.h"

HICON AfxLoadIcon(std::uint16_t id) {
    static std::map<std::uint16_t, std::unique_ptr<IconImage>> loaded;
    auto& slot = loaded[id];
    if (!slot) {
        if (auto icon = FindIconImage(AfxGetResourceImage(), id, kLargeIconSize)) {
            slot = std::make_unique<IconImage>(std::move(*icon));
        }
    }
    return slot.get();
}

int GetSystemMetrics(int index) {
    return index == SM_CXICON || index == SM_CYICON ? kLargeIconSize : 0;
}
