// The fill patterns of the soil-layer strip.
#include "app/render/layerpatterns.h"

#include <QImage>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <array>
#include <cmath>

namespace torve::app {
namespace {

using Bitmap = std::array<const char*, 8>;

// 8 x 8 pixels, "#" black.
constexpr std::array<Bitmap, 12> kPatterns = {{
    {"       #", "      # ", "     #  ", "    #   ", "   #    ", "  #     ", " #      ", "#       "},
    {"#       ", " #      ", "  #     ", "   #    ", "    #   ", "     #  ", "      # ", "       #"},
    {"########", "#       ", "#       ", "#       ", "#       ", "#       ", "#       ", "#       "},
    {"#      #", " #    # ", "  #  #  ", "   ##   ", "   ##   ", "  #  #  ", " #    # ", "#      #"},
    {"########", "        ", "        ", "        ", "        ", "        ", "        ", "        "},
    {"#       ", "#       ", "#       ", "#       ", "#       ", "#       ", "#       ", "#       "},
    {"        ", " #      ", "        ", "     #  ", "        ", " #      ", "        ", "     #  "},
    {"########", "#       ", "#       ", "#       ", "########", "    #   ", "    #   ", "    #   "},
    {"        ", "        ", "####    ", "        ", "        ", "        ", "    ####", "        "},
    {"##      ", "##      ", "        ", "        ", "    ##  ", "    ##  ", "        ", "        "},
    {"# # # # ", "        ", " # # # #", "        ", "# # # # ", "        ", " # # # #", "        "},
    {"        ", "#     # ", " #   #  ", "  # #   ", "   #    ", "        ", "        ", "        "},
}};

QImage patternImage(const Bitmap& bitmap) {
    QImage image(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) image.setPixel(x, y, bitmap[y][x] == '#' ? 0xff000000 : 0xffffffff);
    return image;
}

// Screen resolution the patterns are drawn for.
constexpr double kScreenPpi = 96;

}  // namespace

QBrush layerBrush(int code, double ppi) {
    if (code < 1 || code > static_cast<int>(kPatterns.size())) return Qt::NoBrush;
    QBrush brush(patternImage(kPatterns[static_cast<std::size_t>(code - 1)]));
    const double scale = std::max(1.0, std::round(ppi / kScreenPpi));
    if (scale > 1) brush.setTransform(QTransform::fromScale(scale, scale));
    return brush;
}

QImage layerFill(int code, QSize size, double ppi) {
    const QBrush brush = layerBrush(code, ppi);
    if (brush.style() == Qt::NoBrush || size.isEmpty()) return {};
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(image.rect(), brush);
    return image;
}

}  // namespace torve::app
