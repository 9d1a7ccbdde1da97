#include "tests/support/icon_size.h"

#ifndef _WIN32
#include "framework/resources/icon_group.h"
#endif

int IconWidth(HICON icon) {
    if (icon == nullptr) {
        return 0;
    }
#ifdef _WIN32
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) {
        return 0;
    }
    BITMAP bitmap{};
    GetObject(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
#else
    return icon->width;
#endif
}
