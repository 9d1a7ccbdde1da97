#pragma once

#include <QPixmap>

#include "framework/win_types.h"

// A loaded icon as a Qt pixmap; an empty pixmap for no icon.
QPixmap PixmapFromIcon(HICON icon);
