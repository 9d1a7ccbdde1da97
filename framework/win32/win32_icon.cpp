#include "framework/core/icon.h"

HICON AfxLoadIcon(std::uint16_t id) {
    return LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
}
