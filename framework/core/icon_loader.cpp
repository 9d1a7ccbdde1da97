#include <map>
#include <memory>

#include "framework/core/icon.h"
#include "framework/core/resource_module.h"
#include "framework/core/window_system.h"
#include "framework/resources/icon_group.h"

// Every icon the program loads comes from here: the window system's, or by default the one made
// from the program's resources.

HICON WindowSystem::LoadProgramIcon(std::uint16_t id) {
    return LoadIconFromProgramResources(id);
}

HICON AfxLoadIcon(std::uint16_t id) {
    WindowSystem* windowSystem = AfxGetWindowSystem();
    return windowSystem != nullptr ? windowSystem->LoadProgramIcon(id)
                                   : LoadIconFromProgramResources(id);
}

#ifdef _WIN32

HICON LoadIconFromProgramResources(std::uint16_t id) {
    static std::map<std::uint16_t, HICON> loaded;
    auto [slot, isNew] = loaded.try_emplace(id, nullptr);
    if (isNew) {
        if (const auto bytes = FindIconResource(AfxGetResourceImage(), id, kLargeIconSize)) {
            // The resource's bytes are only read.
            auto* data = reinterpret_cast<PBYTE>(const_cast<std::byte*>(bytes->data()));
            slot->second =
                CreateIconFromResourceEx(data, static_cast<DWORD>(bytes->size()), TRUE, 0x00030000,
                                         kLargeIconSize, kLargeIconSize, LR_DEFAULTCOLOR);
        }
    }
    return slot->second;
}

#else

HICON LoadIconFromProgramResources(std::uint16_t id) {
    static std::map<std::uint16_t, std::unique_ptr<IconImage> > loaded;
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

#endif
