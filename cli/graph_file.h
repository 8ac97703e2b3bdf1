// Drawing graphs into picture files from the command line, without a display.
#pragma once

#include <QGuiApplication>
#include <QSizeF>
#include <QString>
#include <optional>
#include <string>

#include "app/graph/graph.h"
#include "app/render/graphexport.h"

namespace torve::cli {

// The GUI application that drawing needs, on the offscreen platform unless one was named; one for
// the length of a command.
class DrawingApplication {
  public:
    DrawingApplication();

  private:
    QGuiApplication application_;
};

// Writes one graph as the window opens it: the first twenty curves active, the legend in the corner
// of the plot area where it hides the fewest points. Nothing when written, else the line that says
// what went wrong, naming the file once.
std::optional<std::string> write_graph(app::Graph graph, const QString& path, app::GraphFileFormat format,
                                       QSizeF inches, double dpi);

}  // namespace torve::cli
