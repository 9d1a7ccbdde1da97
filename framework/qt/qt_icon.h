#pragma once

#include <QImage>
#include <QPixmap>

#include "framework/core/win_types.h"

// A loaded icon as a Qt image or pixmap; empty for no icon.
QImage ImageFromIcon(HICON icon);
QPixmap PixmapFromIcon(HICON icon);
