// The results of the last plot data file read: the result graphs and the driveability values.
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "app/graph/graph.h"
#include "app/project/workingloads.h"
#include "engine/model/file_format.h"

namespace torve::app {

// The downdrag the graphs show, at a glance: in the unit system given, depths ft | m, loads kips | kN.
struct DowndragAtAGlance {
    UnitSystem units = UnitSystem::SI;
    double headLoad = 0;
    double neutralPlane = 0;
    double dragForce = 0;
};

class GridTable;
struct DowndragResults;
struct DriveabilityResults;
struct PlotFile;
struct ProjectData;

// The result graphs; each keeps the identifier that the files written from it are named after
// ("pltSkin.csv").
enum class ResultGraph {
    SkinFriction,      // "pltSkin"
    UnitSkinFriction,  // "pltUSkin"
    TipResistance,     // "pltTip"
    TotalCapacity,     // "pltTotal"
    Combined,          // "pltCombine"
    LoadDistribution,  // "pltLoad"
    LoadSettlement,    // "pltAxial"
    TipQw,             // "PltQw"
    TzCurves,          // "pltTZcurves"
    ExtraTzCurves,     // "PltExtraTZ"
    // Of the downdrag results file: axial load and resistance, then movements, against depth.
    Downdrag,          // "pltDowndrag"
    DowndragMovement,  // "pltDowndragMove"
    // Of the driveability results file: against the tip's depth the resistance to driving, the blow
    // count, the blows to drive the pile there and the largest stresses; the bearing graph at the
    // pile's length; the head of the pile through the blow at the last depth.
    DriveSrd,           // "pltDriveSrd"
    DriveBlows,         // "pltDriveBlows"
    DriveCumulative,    // "pltDriveCumulative"
    DriveStress,        // "pltDriveStress"
    Bearing,            // "pltBearing"
    DriveHeadForce,     // "pltDriveHead"
    DriveHeadVelocity,  // "pltDriveVelocity"
};
inline constexpr int kResultGraphCount = 19;
// The graphs drawn from the plot data file; those after them come from the downdrag results, and
// from kFirstDriveGraph on from the driveability results.
inline constexpr int kPlotFileGraphCount = 10;
inline constexpr int kFirstDriveGraph = 12;

// A point of the load-transfer method's capacity curve kept for the driveability export: depth
// (ft | m), side resistance per length (kips/ft | kN/m) and tip resistance (kips | kN).
struct DriveabilityPoint {
    double depth = 0;
    double sideResistance = 0;
    double tipResistance = 0;
};

class Results {
  public:
    // The export keeps at most this many points: 500 segments and the surface.
    static constexpr int kMaxDriveabilityPoints = kMaxCapacityRows;

    // Empty graphs with their captions, axes and units templates.
    Results();

    Graph& graph(ResultGraph g) { return graphs_[static_cast<std::size_t>(g)]; }
    const Graph& graph(ResultGraph g) const { return graphs_[static_cast<std::size_t>(g)]; }
    // Rows per capacity curve of the plot file last read.
    int plotRows() const { return plotRows_; }
    const std::vector<DriveabilityPoint>& driveability() const { return driveability_; }

    // Distributes a plot file over the graphs: one capacity curve per method the project selects
    // (named by the method, in table order), the combined graph from the load-transfer method's
    // curves, the t-z curves named by their depths, the load distribution, the load-settlement and
    // Q-w curves from the origin, and the soil-layer marks of `soilLayers` on the depth graphs. The
    // load-transfer method's depths, unit skin friction x circumference and tip resistances are kept
    // for the driveability export.
    void fill(const PlotFile& file, const ProjectData& project, const GridTable& soilLayers);
    // Marks the working loads that have a movement on the load-settlement curve, each labelled with
    // its method and fraction ("API × 0.5"); they replace the marks of earlier loads. Movements
    // in in or mm, as the graph shows them.
    void markWorkingLoads(const std::vector<WorkingLoadRow>& rows);
    // The downdrag graphs of a run in `units` (the project's): axial load and resistance, pile
    // movement and soil settlement against depth, each with the neutral plane drawn across it and the
    // neutral plane of equilibrium alone where there is one. Results without a solution leave them
    // empty.
    void fillDowndrag(const DowndragResults& downdrag, UnitSystem units);
    void clearDowndrag();
    // The downdrag the graphs were last filled from, in the project's units; none without a solution.
    const std::optional<DowndragAtAGlance>& downdrag() const { return downdrag_; }
    // The driveability graphs of a run, in the results' own units: the resistance to driving
    // (shaft, base, total), the blow count, the blows to drive and the largest compression and
    // tension against the tip's depth, downward, with each depth of refusal marked; the blow count
    // against the assumed resistance at the pile's length; the force and the velocity at the head
    // through the last blow, in ms. Results without a solution leave them empty.
    void fillDriveability(const DriveabilityResults& drive);
    void clearDriveability();
    // The days after driving whose capacity the run gave; none: the end of driving. The capacity
    // graphs say so in their title, unless the user has given them a title of their own.
    void setSetupDays(std::optional<double> days);
    std::optional<double> setupDays() const { return setupDays_; }
    // No curves, English units, no driveability values: a project never analysed.
    void clear();
    // The driveability values in another unit system; the graphs keep the units of their file.
    void convertUnits(UnitSystem from, UnitSystem to);

  private:
    // The capacity curves, the combined graph and the driveability values; returns the name of the
    // load-transfer method's curve, empty without one.
    QString fillCapacityCurves(const PlotFile& file, const ProjectData& project);
    // The load distribution, the load-settlement curve (named `transferName`) and the Q-w curve.
    void fillLoadCurves(const PlotFile& file, bool uplift, const QString& transferName);

    std::array<Graph, kResultGraphCount> graphs_;
    int plotRows_ = 0;
    // The names the load-distribution curves were last given, to tell them from names the user set.
    std::array<QString, kLoadLevels> headLoadNames_;
    // The title the combined graph was given by the last run: the method of its curves.
    QString combinedTitle_;
    std::vector<DriveabilityPoint> driveability_;
    std::optional<double> setupDays_;
    std::optional<DowndragAtAGlance> downdrag_;
    // The title each capacity graph was given by the set-up of the last run.
    std::array<QString, kResultGraphCount> setupTitles_;
};

}  // namespace torve::app
