#include "app/graph/characteristicgraph.h"

#include "engine/model/file_format.h"

namespace torve::app {
namespace {

PlotLine curve(const QString& name, const std::vector<double>& depth, const std::vector<double>& force) {
    PlotLine line;
    line.name = name;
    for (std::size_t i = 0; i < depth.size() && i < force.size(); ++i)
        line.points.emplace_back(force[i], depth[i]);
    return line;
}

}  // namespace

Graph characteristicGraph(const CharacteristicCapacity& capacity, bool english) {
    Graph g;
    g.identifier = texts::kCharacteristicGraphId;
    g.caption = texts::kCharacteristicGraphCaption;
    g.xCaption = texts::kCharacteristicCapacityAxis;
    g.xUnits = QStringLiteral("F1");
    g.yCaption = texts::kCharacteristicDepthAxis;
    g.yUnits = QStringLiteral("L2");
    g.setUnits(code_of(english ? UnitSystem::English : UnitSystem::SI));
    const int soundings = static_cast<int>(capacity.capacity.size());
    g.setLineCount(soundings + 1);
    for (int i = 0; i < soundings; ++i) {
        const auto k = static_cast<std::size_t>(i);
        g.line(i) = curve(QString::fromStdString(capacity.names.at(k)), capacity.depth, capacity.capacity[k]);
        g.line(i).number = i + 1;
    }
    g.line(soundings) = curve(texts::kCharacteristicCurve, capacity.depth, capacity.characteristic);
    g.line(soundings).number = soundings + 1;
    return g;
}

}  // namespace torve::app
