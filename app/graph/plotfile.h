// The engine's plot data file read into plain data, block by block.
#pragma once

#include <QString>
#include <array>
#include <vector>

#include "engine/model/file_format.h"

namespace torve::app {

class WordReader;

// One row of a capacity curve: penetration depth and the method's values there (ft | m, kips | kN,
// ksf | kPa). Under tension loading the tip resistance is the pile's self weight.
struct CapacityRow {
    double depth = 0;
    double skinFriction = 0;
    double tipResistance = 0;
    double totalCapacity = 0;
    double unitSkinFriction = 0;
};

// A point of a t-z curve: unit load transfer t (ksf | kPa) at movement z (in | m).
struct TransferPoint {
    double loadTransfer = 0;
    double movement = 0;
};

// A t-z curve at a depth below the ground surface (ft | m).
struct TzCurve {
    double depth = 0;
    std::array<TransferPoint, kPointsPerTzCurve> points{};
};

// A row of the load distribution at one load level: depth, axial load and movement of the pile.
struct LoadDistributionRow {
    double depth = 0;
    double load = 0;
    double movement = 0;
};

// A load and the movement it causes, at the pile head or the tip.
struct LoadMovement {
    double load = 0;
    double movement = 0;
};

// Whether the file ends with the t-z curves at the extra print depths: the engine writes them only
// for a project that asks for them, and nothing in the file itself says so.
enum class ExtraTzBlock { Absent, Present };

// Every number of a plot data file in its place. The rows per capacity curve are also the rows per
// load level of the load distribution.
struct PlotFile {
    int units = 1;               // unit-system code of the file: 1 English, 2 S.I.
    int loadTransferMethod = 0;  // method code of the t-z and load-settlement results
    int rowCount = 0;
    std::vector<std::vector<CapacityRow>> capacityCurves;  // one per selected method, in table order
    std::vector<TzCurve> tzCurves;
    std::array<std::vector<LoadDistributionRow>, kLoadLevels> loadDistribution;
    std::array<LoadMovement, kLoadLevels> loadSettlement;  // at the pile head
    std::array<LoadMovement, kLoadLevels> qwCurve;         // at the pile tip
    std::vector<TzCurve> extraTzCurves;
};

// Reads a plot data file. Line breaks are not significant. A missing, truncated or damaged file
// raises UserError with the reader's located message; a count beyond the engine's limits (9 curves,
// 501 rows, a t-z curve per segment or per extra depth) or beyond what the rest of the file can hold
// is refused before room is made for it.
PlotFile readPlotFile(const QString& path, ExtraTzBlock extraTz);
PlotFile readPlotFile(WordReader& reader, ExtraTzBlock extraTz);

}  // namespace torve::app
