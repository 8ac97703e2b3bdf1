// The CPT points file the engine reads beside the project: depth and qc of each point.
#pragma once

#include <QByteArray>
#include <utility>
#include <vector>

class QString;

namespace torve::app {

class TProgramData;

// The points as the file holds them: depth in ft or m, qc in lb/ft^2 or kPa (the engine's units).
struct TCptPoints {
    int units = 1;
    std::vector<std::pair<double, double>> rows;
};

// The engine takes at most this many CPT rows.
inline constexpr int kMaxCptRows = 1000;

// The file of the project's CPT points: " 1 " (English) or " 2 " (S.I.) followed by the count,
// then per point two blanks, the depth, two blanks and qc, both as 1.25E+02. MotionInput holds qc
// in ksf in English units, the engine reads lb/ft^2, so English values are written times 1000.
QByteArray CptPointsFileText(const TProgramData& project);

// Reads a CPT points file (raises EInOutError with a located message; more than kMaxCptRows rows
// are refused).
TCptPoints ReadCptPointsFile(const QString& path);

// Puts points read from a CPT points file into MotionInput, in the project's unit system, and sets
// CptCount.
void SetCptPoints(TProgramData& project, const TCptPoints& points);

// Titles and axis captions of the CPT graphs for the project's unit system.
void SetCptCaptions(TProgramData& project);

}  // namespace torve::app
