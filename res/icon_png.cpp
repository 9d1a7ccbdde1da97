// Build tool: draws the program icon for the desktop's icon theme from the icon resource's
// 32 x 32 image: PNGs at the theme's sizes (whole multiples scaled pixel for pixel, the rest
// smoothly) and a scalable SVG of the same pixels.
// Usage: vardolin_icon_png OUTPUT_DIR  (writes OUTPUT_DIR/<size>x<size>/apps/vardolin.png and
//        OUTPUT_DIR/scalable/apps/vardolin.svg, as the hicolor theme lays them out)
#include <QDir>
#include <QFile>
#include <cstdio>

#include "framework/icon.h"
#include "framework/qt/qt_icon.h"
#include "framework/resources/program_resources.h"
#include "framework/resources/resource_module.h"
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

// One square per black pixel on a white ground, so that the SVG shows exactly the drawn note.
bool SaveSvg(const QImage& image, const QDir& output) {
    QString svg = QStringLiteral(
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 %1 %2\" "
                      "shape-rendering=\"crispEdges\">\n<rect width=\"%1\" height=\"%2\" "
                      "fill=\"#fff\"/>\n<path fill=\"#000\" d=\"")
                      .arg(image.width())
                      .arg(image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                svg += QStringLiteral("M%1 %2h1v1h-1z").arg(x).arg(y);
            }
        }
    }
    svg += "\"/>\n</svg>\n";
    QFile file(output.filePath("scalable/apps/vardolin.svg"));
    return output.mkpath("scalable/apps") && file.open(QIODevice::WriteOnly) &&
           file.write(svg.toUtf8()) == svg.toUtf8().size();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 || !AfxSetResourceImage(AfxProgramResourceImage())) {
        std::fprintf(stderr, "usage: vardolin_icon_png OUTPUT_DIR\n");
        return 2;
    }
    const QImage image = ImageFromIcon(AfxLoadIcon(IDR_MAINFRAME));
    const QDir output(QString::fromLocal8Bit(argv[1]));
    if (image.isNull()) {
        return 1;
    }
    for (int size : kThemeSizes) {
        if (!SavePng(image, size, output)) {
            return 1;
        }
    }
    return SaveSvg(image, output) ? 0 : 1;
}
