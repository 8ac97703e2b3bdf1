// Paints the soil profile of a project: the layers with their depths and the pile, to scale.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <vector>

#include "app/render/soilprofile.h"

class QPainter;

namespace torve::app {

// Draws a soil profile over a world window onto a window or a page: ground line with its strokes,
// one line at the bottom of each layer with the layer's depths and soil, and the pile filled in.
class SoilProfilePainter {
  public:
    // Where the drawing's parts start on the output, and its colours.
    struct Style {
        QColor background = Qt::white;
        QColor foreground = Qt::black;
        QFont font;
        double lineStart = 0;      // layer lines run from here to the right edge
        double strokeStart = 100;  // the ground strokes: first one at strokeStart + strokeSpacing
        double strokeSpacing = 20;
        double strokeLength = 15;
        double strokeDrop = 5;
        double textLeft = 0;
        // With a unit ("ft", "m"), a depth scale runs down the right edge, labelled in it.
        QString depthUnit;
    };
    // On a window: strokes from 100 pixels at 20-pixel spacing, lines and texts from the left edge.
    static Style windowStyle(const QColor& background, const QColor& foreground, const QFont& font);
    // On a page `width` pixels wide: lines from 10 % of the width, strokes every 50 pixels from 35 %,
    // texts from 15 %.
    static Style pageStyle(int width, const QFont& font);

    explicit SoilProfilePainter(const SoilProfile& profile);

    void paint(QPainter& painter, const QRect& output, const WorldWindow& world, const Style& style) const;

    // The words beside a layer: "depth= 0 - 30; Sand".
    static QString layerText(const SoilBand& layer);
    // The depths the scale labels for a drawing `height` pixels high showing `world`: whole
    // multiples of a 1, 2 or 5 step from the ground surface down to the window's bottom, at least
    // four text lines apart.
    static std::vector<double> scaleDepths(const WorldWindow& world, int height, double textHeight);
    // The depth at pixel row `y` of an output `height` pixels high.
    static double depthAt(int y, int height, const WorldWindow& world);

  private:
    const SoilProfile& profile_;
};

}  // namespace torve::app
