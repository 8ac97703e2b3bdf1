// Which curves a graph lists in its legend and menu, with their colours and texts.
#pragma once

#include <QColor>
#include <QString>
#include <vector>

namespace torve::app {

class Graph;

// A graph opens with at most this many curves active; the others wait in the curve-activation
// dialog.
inline constexpr int kMostCurvesAtOpening = 20;

// Every curve active, but those after the first kMostCurvesAtOpening.
void activateCurvesAtOpening(Graph& graph);

// One active curve as the legend lists it.
struct LegendEntry {
    int line = 0;      // index of the curve in the graph
    int position = 0;  // place among the active curves, which gives the colour
    QString name;
    QColor colour;
    bool shown = true;
    // The name, marked " *" while the curve is drawn.
    QString text() const;
};

// The active curves in line order.
std::vector<LegendEntry> legendEntries(const Graph& graph);

}  // namespace torve::app
