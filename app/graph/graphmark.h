// A named point of a graph, drawn over its curves: a working load on the load-settlement curve.
#pragma once

#include <QPointF>
#include <QString>

namespace torve::app {

struct GraphMark {
    QPointF at;  // in the graph's values
    QString label;
    bool operator==(const GraphMark&) const = default;
};

}  // namespace torve::app
