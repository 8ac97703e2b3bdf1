// Which curves a graph lists in its legend and menu.
#include "app/render/graphlegend.h"

#include "app/graph/graph.h"
#include "app/render/graphstyle.h"

namespace torve::app {

void activateCurvesAtOpening(Graph& graph) {
    for (int i = 0; i < graph.lineCount(); ++i) graph.line(i).active = i < kMostCurvesAtOpening;
}

QString LegendEntry::text() const {
    return shown ? name + QStringLiteral(" *") : name;
}

std::vector<LegendEntry> legendEntries(const Graph& graph) {
    std::vector<LegendEntry> entries;
    for (int i = 0; i < graph.lineCount(); ++i) {
        const PlotLine& line = graph.line(i);
        if (!line.active) continue;
        const int position = static_cast<int>(entries.size());
        entries.push_back({i, position, graph.displayName(i), curveColour(position), line.shown});
    }
    return entries;
}

}  // namespace torve::app
