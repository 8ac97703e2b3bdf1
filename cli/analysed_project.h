// Reading an analysed project and its plot data file, for the commands that show results.
#pragma once

#include <string>

namespace torve::app {
class Project;
}

namespace torve::cli {

// Reads the project at `path` (.tv6d, or .tvd of the previous version) and the plot data file
// beside it into `project`. Returns kExitOk, or kExitRunFailed after printing which file could not
// be read and where. Unless `plotRequired`, a project without a plot data file is read alone.
int read_analysed_project(const std::string& path, app::Project& project, bool plotRequired = true);

}  // namespace torve::cli
