// Build tool: writes the program icon's large image as a scalable SVG (the web page's icon).
// Usage: vardolin_icon_svg OUTPUT.svg
#include <cstdio>
#include <fstream>

#include "framework/core/icon.h"
#include "framework/core/program_resources.h"
#include "framework/core/resource_module.h"
#include "framework/resources/icon_svg.h"
#include "res/resource.h"

int main(int argc, char** argv) {
    if (argc != 2 || !AfxSetResourceImage(AfxProgramResourceImage())) {
        std::fprintf(stderr, "usage: vardolin_icon_svg OUTPUT.svg\n");
        return 2;
    }
    const HICON icon = AfxLoadIcon(IDR_MAINFRAME);
    std::ofstream file(argv[1], std::ios::binary);
    file << (icon != nullptr ? IconSvg(*icon) : std::string());
    return icon != nullptr && file.good() ? 0 : 1;
}
