// Build tool: draws the program icon for the desktop's icon theme from the icon resource's
// 32 x 32 image: PNGs at the theme's sizes (whole multiples scaled pixel for pixel, the rest
// smoothly) and a scalable SVG of the same pixels.
// Usage: vardolin_icon_png OUTPUT_DIR  (writes OUTPUT_DIR/<size>x<size>/apps/vardolin.png and
//        OUTPUT_DIR/scalable/apps/vardolin.svg, as the hicolor theme lays them out)
#include <QDir>
#include <QFile>
#include <cstdio>

#include "framework/core/icon.h"
#include "framework/core/program_resources.h"
#include "framework/core/resource_module.h"
#include "framework/qt/qt_icon.h"
#include "framework/resources/icon_svg.h"
#include "res/resource.h"

namespace {

constexpr int kThemeSizes[] = {16, 24, 32, 48, 64, 128, 256};

bool SavePng(const QImage& image, int size, const QDir& output) {
    const Qt::TransformationMode mode =
        size % image.width() == 0 ? Qt::FastTransformation : Qt::SmoothTransformation;
    const QString folder = QStringLiteral("%1x%1/apps").arg(size);
    return output.mkpath(folder) && image.scaled(size, size, Qt::IgnoreAspectRatio, mode)
                                        .save(output.filePath(folder + "/vardolin.png"), "PNG");
}

bool SaveSvg(const IconImage& icon, const QDir& output) {
    const std::string svg = IconSvg(icon);
    QFile file(output.filePath("scalable/apps/vardolin.svg"));
    return output.mkpath("scalable/apps") && file.open(QIODevice::WriteOnly) &&
           file.write(svg.data(), static_cast<qint64>(svg.size())) ==
               static_cast<qint64>(svg.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 || !AfxSetResourceImage(AfxProgramResourceImage())) {
        std::fprintf(stderr, "usage: vardolin_icon_png OUTPUT_DIR\n");
        return 2;
    }
    const HICON icon = AfxLoadIcon(IDR_MAINFRAME);
    const QImage image = ImageFromIcon(icon);
    const QDir output(QString::fromLocal8Bit(argv[1]));
    if (image.isNull()) {
        return 1;
    }
    for (int size : kThemeSizes) {
        if (!SavePng(image, size, output)) {
            return 1;
        }
    }
    return SaveSvg(*icon, output) ? 0 : 1;
}
