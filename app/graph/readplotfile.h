// Reading the engine's plot data file into the workspace's graph objects.
#pragma once

class QString;

namespace torve::app {

class TGraphPlot;
class TGridTable;
class TProgramData;
class TWordReader;

// What the main window shows after a run when the plot file cannot be read.
inline constexpr const char* kPlotReadFailed = "An error occured in running the main program.";

// Distributes the numbers of a plot data file over the graph objects of the project's workspace
// (capacity curves per method, combined graph, t-z curves, load distribution, load-settlement and
// Q-w curves, extra t-z curves), keeps the load-transfer method's curve for the driveability
// export, and adds the soil-layer marks. Returns false on a missing, truncated or damaged file,
// with the reader's located message in `error`; the graphs keep what was read up to there.
bool ReadPlotFile(const QString& path, TProgramData& project, QString* error = nullptr);
bool ReadPlotFile(TWordReader& reader, TProgramData& project, QString* error = nullptr);

// One mark per soil layer of `layers` in the plot's LayerLines, at the layer's bottom depth: " SAND "
// at x = 7 or " CLAY " at x = 1. Only for a plot with at least one line holding a point.
void AddLayerMarks(TGraphPlot& plot, const TGridTable& layers);

}  // namespace torve::app
