// Paints a graph: the one drawing behind the window, the printer, image files and `torve plot`.
#pragma once

#include <QPointF>
#include <QRect>
#include <QSizeF>
#include <cstddef>
#include <optional>
#include <vector>

#include "app/render/graphlayout.h"
#include "app/render/graphscale.h"

class QPainter;

namespace torve::app {

class Graph;

// The points of a curve (in pixels) that carry a marker: every `every`-th point inside `area`,
// skipping those closer than `spacing` pixels to the last one marked. None when `every` is 0.
std::vector<std::size_t> markerIndices(const std::vector<QPointF>& pixels, int every, double spacing,
                                       const QRectF& area);

// Where the labels of a graph's marks go: `gap` right of its dot and centred on it, else in one of
// the four quarters about the dot (below left first, where a load-settlement curve leaves room),
// else beside it moved down or up a line at a time: the first place that stays in the area,
// crosses none of the `curves` (polylines in pixels), covers no other dot and meets no label
// placed before it. Where there is none, beside the dot (left of it near the area's right edge),
// moved down until it meets no earlier label, or up where the way down would leave the area. One
// box per dot, in the dots' order.
std::vector<QRectF> markLabelBoxes(const std::vector<QPointF>& dots, const std::vector<QSizeF>& sizes,
                                   double gap, const QRectF& area,
                                   const std::vector<std::vector<QPointF>>& curves = {});

// Where a legend box of `size` drawn into an output goes when its top-left corner is asked at `at`
// (fractions of the output's width and height): moved left or up as little as needed to keep an
// eighth of an inch from every edge of the output and from the soil-layer strip.
QRect legendBoxAt(const GraphLayout& layout, QSize size, QPointF at);

// Draws a graph over the given axis ranges onto any QPainter: white ground, titles, ticks, labels
// and dotted grid, the active curves with their markers, the legend where asked, the soil-layer
// strip, and the frame of the plot area. Sizes are worked out from the output's resolution, so a
// page, an image and the screen carry the same drawing. Knows nothing of windows.
class GraphPainter {
  public:
    GraphPainter(const Graph& graph, GraphRanges ranges);

    const Graph& graph() const { return graph_; }

    // The layout of the graph on an output rectangle of `ppi` pixels per inch.
    GraphLayout layout(const QRect& output, QPointF ppi) const;

    // Paints onto `output`. With `legendAt`, the legend is drawn in as a framed box of the shown
    // curves, its top-left corner at that fraction of the output's width and height (kept off the
    // edges and the soil-layer strip, legendBoxAt).
    void paint(QPainter& painter, const QRect& output, QPointF ppi,
               std::optional<QPointF> legendAt = std::nullopt) const;

    // The size of the legend box drawn into an output; empty when no curve is shown.
    QSize legendBoxSize(const GraphLayout& layout) const;
    // Where an output's legend covers the fewest curve points: one of the plot area's corners, as
    // the fraction paint() takes. The bottom-right corner, where the window first puts its legend,
    // wins a tie.
    QPointF quietestLegendPlace(const GraphLayout& layout) const;
    // The same for a legend of `size` pixels (the window's own legend box).
    QPointF quietestLegendPlace(const GraphLayout& layout, QSize size) const;

  private:
    struct Labelling {
        AxisLabelling x, y;
    };
    // The ticks and notation of both axes on an output, so that no two labels touch.
    Labelling labelling(const GraphLayout& layout) const;
    void paintTitles(QPainter& painter, const GraphLayout& layout) const;
    void paintTicks(QPainter& painter, const GraphLayout& layout) const;
    void paintCurves(QPainter& painter, const GraphLayout& layout) const;
    // The graph's marks: a dot and its label at each.
    void paintMarks(QPainter& painter, const GraphLayout& layout) const;
    void paintLegend(QPainter& painter, const GraphLayout& layout, QPointF at) const;
    void paintLayerStrip(QPainter& painter, const GraphLayout& layout) const;
    QRect legendBox(const GraphLayout& layout, QPointF at) const;

    const Graph& graph_;
    GraphRanges ranges_;
};

}  // namespace torve::app
