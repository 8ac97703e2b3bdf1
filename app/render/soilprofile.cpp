// The soil layers and the pile of a project in one elevation.
#include "app/render/soilprofile.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "app/project/projectdata.h"
#include "app/project/projecttables.h"
#include "app/table/gridtable.h"
#include "app/table/units.h"
#include "engine/model/rounded_constants.h"

namespace torve::app {
namespace {

// A section narrower than this has no width of its own; its perimeter gives one.
constexpr double kLeastWidth = 0.0001;
// Room around the pile and the soil, as a part of the drawing's extent.
constexpr double kMargin = 1.05;

// The section's width in feet or metres.
double pileWidth(const ProjectData& data) {
    double width = data.circular ? data.outsideDiameter : 0;
    if (width < kLeastWidth) width = data.perimeter / 4;
    return width / diameterPerLength(data.units);
}

}  // namespace

SoilProfile::SoilProfile(std::vector<SoilBand> layers, double width, double length, double stickup,
                         double taperDegrees)
    : layers_(std::move(layers)) {
    if (layers_.empty()) return;
    // The pile at its own width from its head to its tip, narrowing toward the tip by its taper; a
    // taper that would cross the sides meets in a point instead.
    const double w = width, head = -stickup, tip = length - stickup;
    const double taper = std::min(length * std::tan(taperDegrees * kPiCurves / 180), w / 2);
    outline_.push_back({QPointF(-w / 2, head), QPointF(w / 2, head), QPointF(-w / 2 + taper, tip),
                        QPointF(w / 2 - taper, tip)});
}

SoilProfile SoilProfile::of(const ProjectData& data, const GridTable& soilLayers) {
    std::vector<SoilBand> layers;
    double top = 0;
    for (int i = 0; i < soilLayers.rowCount(); ++i) {
        const double bottom = soilLayers.cell(ProjectTables::BottomDepthColumn, i).toDouble();
        layers.push_back({top, bottom, soilLayers.cell(ProjectTables::SoilTypeColumn, i).toInt()});
        top = bottom;
    }
    return SoilProfile(std::move(layers), pileWidth(data), data.totalPileLength, data.stickupLength,
                       data.taperAngle);
}

WorldWindow SoilProfile::world(QSize client) const {
    WorldWindow box;
    if (!outline_.empty()) {
        box = {0, 0, 0, 0};
        for (const Quad& q : outline_) {
            box.xMin = std::min({box.xMin, q[0].x(), q[2].x()});
            box.xMax = std::max({box.xMax, q[1].x(), q[3].x()});
            box.yMin = std::min(box.yMin, q[0].y());
            box.yMax = std::max(box.yMax, q[3].y());
        }
        for (const SoilBand& layer : layers_) box.yMax = std::max(box.yMax, layer.bottom);
        box = {box.xMin * kMargin, box.xMax * kMargin, box.yMin * kMargin, box.yMax * kMargin};
    }
    // A pile and soil of no depth at all leave the opening window; a pile of no width takes its
    // width from the client area's shape alone.
    if (!(box.height() > 0) || !std::isfinite(box.height())) box = WorldWindow();
    if (client.width() <= 0 || client.height() <= 0) return box;
    const double clientRatio = double(client.width()) / client.height();
    if (!(box.width() > 0)) {
        const double half = box.height() * clientRatio / 2;
        return {-half, half, box.yMin, box.yMax};
    }
    const double worldRatio = box.width() / box.height();
    if (clientRatio > worldRatio) {
        const double q = clientRatio / worldRatio;
        return {box.xMin * q, box.xMax * q, box.yMin, box.yMax};
    }
    const double q = worldRatio / clientRatio;
    return {box.xMin, box.xMax, box.yMin * q, box.yMax * q};
}

}  // namespace torve::app
