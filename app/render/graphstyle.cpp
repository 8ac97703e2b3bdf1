// The look of a graph.
#include "app/render/graphstyle.h"

#include <QString>
#include <array>
#include <cmath>
#include <numbers>

namespace torve::app {
namespace {

// The 16 basic colours of the program's palette by name, in the order curves use them; gray and
// silver stand twice.
constexpr std::array<QRgb, kCurveColourCount> kCurveColours = {
    0x000000,  // black
    0x0000ff,  // blue
    0xff0000,  // red
    0x008000,  // dark green
    0x800080,  // purple
    0x800000,  // maroon
    0x000080,  // navy
    0xff00ff,  // fuchsia
    0x808000,  // olive
    0x008080,  // teal
    0x808080,  // gray
    0x00ff00,  // lime
    0x808080,  // gray
    0xc0c0c0,  // silver
    0xc0c0c0,  // silver
    0xffff00,  // yellow
    0x00ffff,  // aqua
};

}  // namespace

QColor curveColour(int position) {
    const int i = ((position % kCurveColourCount) + kCurveColourCount) % kCurveColourCount;
    return QColor(kCurveColours[static_cast<std::size_t>(i)]);
}

QPolygonF markerShape(int lineIndex, QPointF centre, double rx, double ry) {
    const int shape = lineIndex % 10 + 1;
    const double x = centre.x(), y = centre.y();
    if (shape == 1) return QPolygonF({{x - rx, y - ry}, {x + rx, y - ry}, {x, y + ry}, {x - rx, y - ry}});
    if (shape == 2)
        return QPolygonF(
            {{x - rx, y - ry}, {x + rx, y - ry}, {x + rx, y + ry}, {x - rx, y + ry}, {x - rx, y - ry}});
    QPolygonF polygon;
    for (int k = 0; k <= shape; ++k) {
        const double angle = -std::numbers::pi / 2 + 2 * std::numbers::pi * k / shape;
        polygon << QPointF(x + rx * std::cos(angle), y + ry * std::sin(angle));
    }
    return polygon;
}

QFont graphFont(double pointSize, double ppiY, bool bold) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    // Sized in the output's own pixels, so that a printer page, an image at any resolution and the
    // screen all show the same layout.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pointSize * ppiY / 72.0))));
    font.setBold(bold);
    return font;
}

}  // namespace torve::app
