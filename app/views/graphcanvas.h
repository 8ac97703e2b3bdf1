// The drawing surface of a graph window: the graph, its legend, the read-out and the zoom.
#pragma once

#include <QPointF>
#include <QWidget>
#include <optional>

#include "app/render/graphlayout.h"
#include "app/render/graphscale.h"

class QRubberBand;

namespace torve::app {

class Graph;
class LegendBox;

// Shows one graph through the graph painter, with the legend floating over it. The opening ranges
// are the graph's own; a left-button drag in the plot area zooms to the rectangle (never below a
// twentieth of the opening range), a right click zooms out around the pointer. Moving the pointer
// reports the values under it.
class GraphCanvas : public QWidget {
    Q_OBJECT

  public:
    GraphCanvas(Graph& graph, QWidget* parent = nullptr);

    const GraphRanges& ranges() const { return ranges_; }
    const GraphRanges& fullRange() const { return full_; }
    // The layout on the window as it is now.
    GraphLayout layout() const;
    LegendBox* legend() const { return legend_; }

    // Reads the graph again: the opening ranges when its points changed, the legend's entries and
    // size, the layout after a change of font or title; then repaints.
    void graphChanged(bool pointsChanged = false);
    // Shows or hides the legend (the graph's ShowLegend and whether it has curves).
    void updateLegendVisibility();

    // Zooms to the rectangle between two pixels (clamped into the plot area); nothing unless they
    // differ both across and down.
    void zoomToPixels(QPoint from, QPoint to);
    // Zooms out around the value at a pixel of the plot area.
    void zoomOutAt(QPoint pixel);

    // Paints the graph onto another output (printer page, image), the legend drawn in where
    // legendPlaceOn puts it.
    void paintOutput(QPainter& painter, const QRect& output, QPointF ppi) const;
    // Where the legend goes on another output, as a fraction of its width and height: at the place
    // the user dragged it to on the window, else in the corner of the output's own plot area where
    // it hides the fewest curve points; nothing when hidden.
    std::optional<QPointF> legendPlaceOn(const QRect& output, QPointF ppi) const;
    // The screen's pixels per inch, at which the window draws.
    QPointF ppi() const;
    // Where the legend is as a fraction of the window's width and height; nothing when hidden.
    std::optional<QPointF> legendPlace() const;

  signals:
    // The pointer is over the values `value`.
    void pointerMoved(QPointF value);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void placeLegend();
    void legendMoved();

    Graph& graph_;
    GraphRanges full_;
    GraphRanges ranges_;
    LegendBox* legend_;
    // The legend's top-left corner as a fraction of the window's size, once placed.
    std::optional<QPointF> legendAt_;
    // The user dragged the legend: its place is kept on every output.
    bool legendDragged_ = false;
    QRubberBand* rubberBand_ = nullptr;
    std::optional<QPoint> dragStart_;
};

}  // namespace torve::app
