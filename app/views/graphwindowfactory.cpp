// The graph window of a graph object.
#include "app/views/graphwindowfactory.h"

#include "app/views/graphwindow.h"

namespace torve::app {

QWidget* createGraphWindow(Graph& graph, WindowHost& host, QWidget* parent) {
    return new GraphWindow(graph, host, parent);
}

}  // namespace torve::app
