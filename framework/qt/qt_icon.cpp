#include "framework/qt/qt_icon.h"

#include "framework/resources/icon_group.h"

QImage ImageFromIcon(HICON icon) {
    if (icon == nullptr || icon->pixels.empty()) {
        return {};
    }
    QImage image(icon->width, icon->height, QImage::Format_ARGB32);
    for (int y = 0; y < icon->height; ++y) {
        for (int x = 0; x < icon->width; ++x) {
            image.setPixel(x, y, icon->pixels[static_cast<std::size_t>(y) * icon->width + x]);
        }
    }
    return image;
}

QPixmap PixmapFromIcon(HICON icon) {
    const QImage image = ImageFromIcon(icon);
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}
