// Paints the soil profile of a project.
#include "app/render/soilprofilepainter.h"

#include <QLocale>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "app/controls/numbertext.h"
#include "app/render/graphscale.h"
#include "app/render/texts.h"

namespace torve::app {
namespace {

// The ground line carries this many short strokes.
constexpr int kGroundStrokes = 20;

// With the digits the soil table shows the depth in: a depth converted to the other unit system
// (10 m is 32.808398950131235 ft) reads as the table reads it, 32.808399, not with every digit of
// the double.
QString depthText(double depth) {
    return formatGeneral(depth, kTableDigits, QLatin1Char('.'));
}

}  // namespace

SoilProfilePainter::Style SoilProfilePainter::windowStyle(const QColor& background, const QColor& foreground,
                                                          const QFont& font) {
    Style style;
    style.background = background;
    style.foreground = foreground;
    style.font = font;
    return style;
}

SoilProfilePainter::Style SoilProfilePainter::pageStyle(int width, const QFont& font) {
    Style style;
    style.font = font;
    style.lineStart = 0.10 * width;
    style.strokeStart = 0.35 * width;
    style.strokeSpacing = 50;
    // The strokes keep their window shape at the wider spacing.
    style.strokeLength = 15.0 * 50 / 20;
    style.strokeDrop = 5.0 * 50 / 20;
    style.textLeft = 0.15 * width;
    return style;
}

SoilProfilePainter::SoilProfilePainter(const SoilProfile& profile) : profile_(profile) {}

QString SoilProfilePainter::layerText(const SoilBand& layer) {
    return texts::kLayerDepth + depthText(layer.top) + texts::kDepthTo + depthText(layer.bottom) +
           (layer.soilType == 2 ? texts::kClayLayer : texts::kSandLayer);
}

std::vector<double> SoilProfilePainter::scaleDepths(const WorldWindow& world, int height, double textHeight) {
    std::vector<double> depths;
    if (!(world.height() > 0) || height <= 0 || !(textHeight > 0)) return depths;
    const int labels = std::max(1, static_cast<int>(height / (4 * textHeight)));
    const double step = majorStep(world.height(), labels);
    for (long long k = 0; k * step <= world.yMax + 1e-9 * step; ++k)
        if (k * step >= world.yMin - 1e-9 * step) depths.push_back(static_cast<double>(k) * step);
    return depths;
}

double SoilProfilePainter::depthAt(int y, int height, const WorldWindow& world) {
    return double(y) / height * world.height() + world.yMin;
}

void SoilProfilePainter::paint(QPainter& painter, const QRect& output, const WorldWindow& world,
                               const Style& style) const {
    painter.save();
    painter.fillRect(output, style.background);
    if (!(world.width() > 0) || !(world.height() > 0) || output.width() <= 0 || output.height() <= 0) {
        painter.restore();
        return;
    }
    painter.translate(output.topLeft());
    auto px = [&](double x) { return std::round(output.width() * (x - world.xMin) / world.width()); };
    auto py = [&](double d) { return std::round(output.height() * (d - world.yMin) / world.height()); };
    const double right = output.width();
    painter.setPen(QPen(style.foreground, 1));
    painter.setFont(style.font);
    const double textHeight = painter.fontMetrics().height();
    // Layer texts end before the pile, so that a narrow drawing never runs them into it.
    double pileLeft = right;
    for (const SoilProfile::Quad& q : profile_.outline())
        for (const QPointF& corner : q) pileLeft = std::min(pileLeft, px(corner.x()));
    const double textRight = pileLeft - 4 > style.textLeft ? pileLeft - 4 : right;
    bool first = true;
    for (const SoilBand& layer : profile_.layers()) {
        if (first) {
            const double ground = py(0);
            painter.drawLine(QPointF(style.lineStart, ground), QPointF(right, ground));
            for (int j = 1; j <= kGroundStrokes; ++j) {
                const double x = style.strokeStart + style.strokeSpacing * j;
                painter.drawLine(QPointF(x, ground),
                                 QPointF(x + style.strokeLength, ground + style.strokeDrop));
            }
            first = false;
        }
        const double bottom = py(layer.bottom);
        painter.drawLine(QPointF(style.lineStart, bottom), QPointF(right, bottom));
        const double room = textRight - style.textLeft;
        painter.drawText(QRectF(style.textLeft, py(layer.top) + 1, room, textHeight),
                         Qt::AlignLeft | Qt::AlignTop,
                         painter.fontMetrics().elidedText(layerText(layer), Qt::ElideRight, int(room)));
    }
    if (!style.depthUnit.isEmpty()) {
        // The scale: a short tick at the right edge and the depth beside it.
        const double tick = textHeight / 2;
        for (double depth : scaleDepths(world, output.height(), textHeight)) {
            const double y = py(depth);
            painter.drawLine(QPointF(right - tick, y), QPointF(right, y));
            const QString text = depthText(depth) + QLatin1Char(' ') + style.depthUnit;
            // Just above its tick, clear of a layer line drawn at the same depth.
            const double top = std::clamp(y - textHeight, 0.0, output.height() - textHeight);
            painter.drawText(QRectF(textRight, top, right - tick - 2 - textRight, textHeight),
                             Qt::AlignRight | Qt::AlignVCenter, text);
        }
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.foreground);
    for (const SoilProfile::Quad& q : profile_.outline())
        painter.drawPolygon(
            QPolygonF({QPointF(px(q[0].x()), py(q[0].y())), QPointF(px(q[1].x()), py(q[1].y())),
                       QPointF(px(q[3].x()), py(q[3].y())), QPointF(px(q[2].x()), py(q[2].y()))}));
    painter.restore();
}

}  // namespace torve::app
