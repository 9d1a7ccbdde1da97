// Build tool: writes the program icon's large image as a PNG for the desktop's icon theme.
// Usage: vardolin_icon_png OUTPUT.png
#include <cstdio>

#include "framework/icon.h"
#include "framework/qt/qt_icon.h"
#include "framework/resources/program_resources.h"
#include "framework/resources/resource_module.h"
#include "res/resource.h"

int main(int argc, char** argv) {
    if (argc != 2 || !AfxSetResourceImage(AfxProgramResourceImage())) {
        std::fprintf(stderr, "usage: vardolin_icon_png OUTPUT.png\n");
        return 2;
    }
    const QImage image = ImageFromIcon(AfxLoadIcon(IDR_MAINFRAME));
    return !image.isNull() && image.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
