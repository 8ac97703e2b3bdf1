// The graph window's legend: the active curves in their colours, movable, a double-click hides one.
#pragma once

#include <QPoint>
#include <QWidget>
#include <vector>

#include "app/render/graphlegend.h"

class QScrollBar;

namespace torve::app {

class Graph;

// Floats over the graph. Lists the active curves in line order, each in its colour, marked " *"
// while drawn. Dragged with the left button it moves, kept inside its parent; a double-click on an
// entry shows or hides that curve. When more curves are active than the parent's height holds, the
// box stops at that height and scrolls.
class LegendBox : public QWidget {
    Q_OBJECT

  public:
    LegendBox(Graph& graph, QWidget* parent);

    // Reads the entries from the graph again and takes the size they need.
    void rebuild();
    const std::vector<LegendEntry>& entries() const { return entries_; }
    // The entry at a point of the box, or -1.
    int entryAt(QPoint point) const;
    // Moves the box to `topLeft`, kept inside the parent: moved left or up as needed, never beyond
    // the left or top edge.
    void place(QPoint topLeft);

  signals:
    // The user showed or hid curve `line`.
    void curveToggled(int line);
    // The user moved the box.
    void moved();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    int rowHeight() const;
    int firstRow() const;

    Graph& graph_;
    std::vector<LegendEntry> entries_;
    QScrollBar* scrollBar_;
    QPoint dragOffset_;
    bool dragging_ = false;
};

}  // namespace torve::app
