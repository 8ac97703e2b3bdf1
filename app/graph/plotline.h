// A named series of points of a graph.
#pragma once

#include <QPointF>
#include <QString>
#include <vector>

namespace torve::app {

struct PlotLine {
    std::vector<QPointF> points;
    QString name;        // empty: the graph supplies a name (Graph::displayName)
    double number = 0;   // set at creation to the count of the graph's curves + 1
    bool active = true;  // listed in the graph window's legend and menu
    bool shown = true;   // drawn
};

}  // namespace torve::app
