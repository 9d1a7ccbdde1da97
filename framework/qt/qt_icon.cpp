#include "framework/qt/qt_icon.h"

#include <QImage>

#include "framework/resources/icon_group.h"

QPixmap PixmapFromIcon(HICON icon) {
    if (icon == nullptr || icon->pixels.empty()) {
        return {};
    }
    QImage image(icon->width, icon->height, QImage::Format_ARGB32);
    for (int y = 0; y < icon->height; ++y) {
        for (int x = 0; x < icon->width; ++x) {
            image.setPixel(x, y, icon->pixels[static_cast<std::size_t>(y) * icon->width + x]);
        }
    }
    return QPixmap::fromImage(image);
}
