// Making the window that shows a graph object.
#pragma once

class QWidget;

namespace torve::app {

class Graph;
class WindowHost;

// A new window showing `graph`, or nullptr when graphs cannot be shown.
QWidget* createGraphWindow(Graph& graph, WindowHost& host, QWidget* parent = nullptr);

}  // namespace torve::app
