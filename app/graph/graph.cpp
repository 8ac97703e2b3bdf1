// A graph: titles, units and four sets of lines, shown by a graph window.
#include "app/graph/graph.h"

#include <QLocale>
#include <algorithm>

#include "app/controls/expandunits.h"

namespace torve::app {

void Graph::setUnits(int units) {
    units_ = std::clamp(units, 1, 3);
}

QString Graph::xTitle() const {
    return xUnits.isEmpty()
               ? xCaption
               : xCaption + QStringLiteral(" (") + expandUnits(xUnits, units_, UnitCodes::Axis) + u')';
}

QString Graph::yTitle() const {
    return yUnits.isEmpty()
               ? yCaption
               : yCaption + QStringLiteral(" (") + expandUnits(yUnits, units_, UnitCodes::Axis) + u')';
}

int Graph::lineCount(LineSet set) const {
    return static_cast<int>(sets_.at(static_cast<std::size_t>(set)).size());
}

PlotLine& Graph::line(int index, LineSet set) {
    return sets_.at(static_cast<std::size_t>(set)).at(static_cast<std::size_t>(index));
}

const PlotLine& Graph::line(int index, LineSet set) const {
    return sets_.at(static_cast<std::size_t>(set)).at(static_cast<std::size_t>(index));
}

void Graph::setLineCount(int count, LineSet set) {
    auto& lines = sets_.at(static_cast<std::size_t>(set));
    count = std::max(count, 0);
    if (count < static_cast<int>(lines.size())) lines.resize(static_cast<std::size_t>(count));
    while (static_cast<int>(lines.size()) < count) {
        PlotLine line;
        line.number = static_cast<double>(lineCount(Curves) + 1);
        lines.push_back(std::move(line));
    }
}

void Graph::setPointCount(int count, LineSet set) {
    count = std::max(count, 0);
    for (PlotLine& line : sets_.at(static_cast<std::size_t>(set)))
        line.points.resize(static_cast<std::size_t>(count));
}

QString Graph::displayName(int index, LineSet set) const {
    const PlotLine& l = line(index, set);
    if (!l.name.isEmpty()) return l.name;
    if (index < lineNames.size()) return lineNames[index];
    return curveName + QString::number(l.number, 'g', QLocale::FloatingPointShortest);
}

}  // namespace torve::app
