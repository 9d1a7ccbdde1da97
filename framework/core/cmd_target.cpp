#include "framework/core/cmd_target.h"

namespace {

bool Matches(const MessageMapEntry& entry, UINT message, WPARAM wParam) {
    if (entry.message != message) {
        return false;
    }
    if (message != WM_COMMAND) {
        return true;
    }
    const UINT id = LOWORD(wParam);
    return entry.code == HIWORD(wParam) && id >= entry.firstId && id <= entry.lastId;
}

}  // namespace

const MessageMap* CCmdTarget::GetThisMessageMap() {
    static constexpr MessageMap map{nullptr, {}};
    return &map;
}

bool CCmdTarget::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    for (const MessageMap* map = GetMessageMap(); map != nullptr;
         map = map->base ? map->base() : nullptr) {
        for (const MessageMapEntry& entry : map->entries) {
            if (Matches(entry, message, wParam)) {
                result = entry.thunk(*this, wParam, lParam);
                return true;
            }
        }
    }
    return false;
}
