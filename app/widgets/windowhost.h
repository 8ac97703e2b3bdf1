// What a child window may ask of the main window that hosts it.
#pragma once

#include "app/widgets/dialogid.h"

class QString;

namespace torve::app {

class AppSettings;
class Graph;
class GridTable;
class Project;

// Child windows hold a reference to their host and never reach into the main window itself, so
// that each can be built and tested alone with a fake host.
class WindowHost {
  public:
    virtual ~WindowHost() = default;
    // The open project; replaced on New and Open, which close every child window first.
    virtual Project& project() = 0;
    // The user's settings: text editor path and recent files.
    virtual AppSettings& settings() = 0;
    // Opens the input dialog `id`, or brings it forward when it is open.
    virtual void showDialog(DialogId id) = 0;
    // Opens the table window of `table`, or brings it forward.
    virtual void showTable(GridTable& table) = 0;
    // Opens the graph window of `graph`, or brings it forward.
    virtual void showGraph(Graph& graph) = 0;
    // Opens a text file in the user's text editor.
    virtual void viewFile(const QString& path) = 0;
};

}  // namespace torve::app
