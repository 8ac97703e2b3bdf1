// The driveability graphs of the results: drawn from a driveability results file.
#include <QPointF>
#include <algorithm>
#include <cmath>

#include "app/controls/numbertext.h"
#include "app/project/driveabilityresults.h"
#include "app/project/results.h"
#include "app/project/texts.h"
#include "engine/model/file_format.h"

namespace torve::app {
namespace {

constexpr ResultGraph kDriveGraphs[] = {ResultGraph::DriveSrd,         ResultGraph::DriveBlows,
                                        ResultGraph::DriveCumulative,  ResultGraph::DriveStress,
                                        ResultGraph::Bearing,          ResultGraph::DriveHeadForce,
                                        ResultGraph::DriveHeadVelocity};

constexpr double kMillisecondsPerSecond = 1000;

// The curve of `x` against `y`, point by point; a point of which either value is not a number (a
// blow count at refusal) is left out, since a line has nowhere to go there.
PlotLine curve(const QString& name, const std::vector<double>& x, const std::vector<double>& y,
               double xScale = 1) {
    PlotLine line;
    line.name = name;
    const std::size_t n = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < n; ++i)
        if (std::isfinite(x[i]) && std::isfinite(y[i])) line.points.emplace_back(x[i] * xScale, y[i]);
    return line;
}

void setCurves(Graph& g, std::vector<PlotLine> lines) {
    g.setLineCount(static_cast<int>(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i].number = static_cast<double>(i + 1);
        g.line(static_cast<int>(i)) = std::move(lines[i]);
    }
}

// A mark at each value of `along` (the y axis) whose blow count is not a number, at the largest
// blow count drawn: beyond it the hammer no longer moves the pile.
void markRefusals(Graph& g, const std::vector<double>& blows, const std::vector<double>& along) {
    double largest = 0;
    for (double b : blows)
        if (std::isfinite(b)) largest = std::max(largest, b);
    for (std::size_t i = 0; i < blows.size() && i < along.size(); ++i)
        if (!std::isfinite(blows[i])) g.marks.push_back({QPointF(largest, along[i]), texts::kRefusalMark});
}

}  // namespace

void Results::clearDriveability() {
    for (ResultGraph g : kDriveGraphs) {
        graph(g).setLineCount(0);
        graph(g).marks.clear();
        graph(g).title.clear();
    }
}

void Results::fillDriveability(const DriveabilityResults& d) {
    clearDriveability();
    if (!d.solved) return;
    const bool english = d.english;
    const UnitSystem units = english ? UnitSystem::English : UnitSystem::SI;
    for (ResultGraph g : kDriveGraphs) graph(g).setUnits(code_of(units));
    const QString length = english ? texts::kFeetSuffix : texts::kMetresSuffix;
    const auto depthText = [&](double v) { return formatGeneral(v, 4, QLatin1Char('.')) + length; };
    const QString blowAxis = english ? texts::kBlowsPerFoot : texts::kBlowsPerQuarterMetre;
    const QString stressAxis = english ? texts::kStressKsi : texts::kStressMpa;
    const QString title = QString(texts::kDriveTitle).arg(d.method, d.hammer);

    if (!d.depth.empty()) {
        Graph& srd = graph(ResultGraph::DriveSrd);
        setCurves(srd, {curve(texts::kSrdShaftCurve, d.srdShaft, d.depth),
                        curve(texts::kSrdBaseCurve, d.srdBase, d.depth),
                        curve(texts::kSrdTotalCurve, d.srdTotal, d.depth)});
        srd.title = title;

        Graph& blows = graph(ResultGraph::DriveBlows);
        setCurves(blows, {curve(texts::kBlowCountCurve, d.blowCount, d.depth)});
        blows.xCaption = blowAxis;
        markRefusals(blows, d.blowCount, d.depth);
        blows.title = title;

        Graph& cumulative = graph(ResultGraph::DriveCumulative);
        setCurves(cumulative, {curve(texts::kCumulativeBlowsCurve, d.cumulativeBlows, d.depth)});
        cumulative.xCaption = texts::kCumulativeBlowsAxis;
        cumulative.title = title;

        Graph& stress = graph(ResultGraph::DriveStress);
        setCurves(stress, {curve(texts::kCompressionCurve, d.maxCompression, d.depth),
                           curve(texts::kTensionCurve, d.maxTension, d.depth)});
        stress.xCaption = stressAxis;
        stress.title = title;
    }

    if (!d.bearingResistance.empty()) {
        Graph& bearing = graph(ResultGraph::Bearing);
        setCurves(bearing, {curve(texts::kUltimateResistanceCurve, d.bearingBlowCount, d.bearingResistance)});
        bearing.xCaption = blowAxis;
        markRefusals(bearing, d.bearingBlowCount, d.bearingResistance);
        bearing.title = QString(texts::kBearingTitle).arg(d.method, d.hammer, depthText(d.bearingAt));
    }

    if (!d.time.empty()) {
        const QString blowTitle = QString(texts::kDriveBlowTitle).arg(d.hammer, depthText(d.blowAt));
        Graph& force = graph(ResultGraph::DriveHeadForce);
        setCurves(force, {curve(texts::kHeadForceCurve, d.time, d.headForce, kMillisecondsPerSecond)});
        Graph& velocity = graph(ResultGraph::DriveHeadVelocity);
        setCurves(velocity,
                  {curve(texts::kHeadVelocityCurve, d.time, d.headVelocity, kMillisecondsPerSecond)});
        velocity.yCaption = english ? texts::kVelocityFtPerSecond : texts::kVelocityMPerSecond;
        force.title = blowTitle;
        velocity.title = blowTitle;
    }
}

}  // namespace torve::app
