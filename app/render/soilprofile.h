// The soil layers and the pile of a project in one elevation, in world coordinates (ft | m).
#pragma once

#include <QPointF>
#include <QSize>
#include <array>
#include <vector>

namespace torve::app {

class GridTable;
struct ProjectData;

// The extent of the drawing: x across, y the depth below the ground surface, growing downward.
struct WorldWindow {
    double xMin = -10, xMax = 10, yMin = 0, yMax = 10;
    double width() const { return xMax - xMin; }
    double height() const { return yMax - yMin; }
};

// A soil layer from the previous layer's bottom (the ground surface for the first) to its own.
struct SoilBand {
    double top = 0;
    double bottom = 0;
    int soilType = 1;  // 1 sand, 2 clay
};

// The soil layers of the "Soil Properties" table and the outline of the pile, with the world window
// that holds them at equal scales across and down.
class SoilProfile {
  public:
    // A quadrilateral by its four corners: top left, top right, bottom left, bottom right.
    using Quad = std::array<QPointF, 4>;

    SoilProfile() = default;
    // The layers and a pile of `width` (ft | m) and `length` with `stickup` of it above the ground,
    // narrowing toward its tip by `taperDegrees` on each side.
    SoilProfile(std::vector<SoilBand> layers, double width, double length, double stickup,
                double taperDegrees);
    // The project's: the pile width is the section's diameter, or a quarter of the perimeter of a
    // noncircular section, in ft or m. No layers, no pile.
    static SoilProfile of(const ProjectData& data, const GridTable& soilLayers);

    const std::vector<SoilBand>& layers() const { return layers_; }
    const std::vector<Quad>& outline() const { return outline_; }

    // The box of the ground-surface origin, the pile and the deepest layer, 5 % larger, widened
    // across or down to the shape of a client area of `client` pixels, so that both axes share
    // one scale.
    WorldWindow world(QSize client) const;

  private:
    std::vector<SoilBand> layers_;
    std::vector<Quad> outline_;
};

}  // namespace torve::app
