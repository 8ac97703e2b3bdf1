// Where the parts of a graph go on an output, and the pixel of a value there.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>

#include "app/render/graphscale.h"

namespace torve::app {

class Graph;

// The plot area, the soil-layer strip and the value-pixel mapping of a graph on one output (the
// window, a printer page, an image), worked out from the output's size and resolution and the
// height of the axis font. Rectangles are made from their corner pixels: right() and bottom() are
// the edges themselves.
class GraphLayout {
  public:
    GraphLayout() = default;
    // `fontHeight` is the height h of the axis font on the output, `ppi` its pixels per inch.
    GraphLayout(const QRect& output, double fontHeight, QPointF ppi, const Graph& graph, GraphRanges ranges);

    const QRect& output() const { return output_; }
    const QRect& plotArea() const { return area_; }
    // Empty unless the graph shows its soil layers.
    const QRect& layerStrip() const { return strip_; }
    const GraphRanges& ranges() const { return ranges_; }
    double fontHeight() const { return h_; }
    QPointF ppi() const { return ppi_; }
    bool xOnTop() const { return xOnTop_; }

    // An output of less than an inch either way holds nothing but white.
    bool tooSmall() const;
    // How many axis labels fit along the area (width or height over 6 h).
    int labelsAcross() const;
    int labelsDown() const;

    int xPixel(double x) const;
    int yPixel(double y) const;
    QPoint toPixel(QPointF value) const { return {xPixel(value.x()), yPixel(value.y())}; }
    // The value at a pixel of the area; (0, 0) for a pixel left or right of it.
    QPointF toValue(QPoint pixel) const;
    // The nearest pixel of the area.
    QPoint clampIntoArea(QPoint pixel) const;

  private:
    QRect output_;
    QRect area_;
    QRect strip_;
    GraphRanges ranges_;
    double h_ = 0;
    QPointF ppi_{96, 96};
    bool xOnTop_ = true;
};

}  // namespace torve::app
