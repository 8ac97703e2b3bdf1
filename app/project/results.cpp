// The results of the last plot data file read: the result graphs and the driveability values.
#include "app/project/results.h"

#include <QLocale>
#include <algorithm>

#include "app/controls/numbertext.h"
#include "app/graph/plotfile.h"
#include "app/project/downdragresults.h"
#include "app/project/projectdata.h"
#include "app/project/projecttables.h"
#include "app/project/texts.h"
#include "app/table/gridtable.h"
#include "app/table/unitratio.h"
#include "app/table/units.h"

namespace torve::app {
namespace {

struct Declaration {
    ResultGraph graph;
    const char* identifier;
    const char* caption;
    const char* xCaption;
    const char* xUnits;
    const char* yCaption;
    const char* yUnits;
};

// Captions and axes of the result graphs; the texts are the program's own, spelling included. The
// t-z curves carry their load transfer in ksf or kPa, as the plot data file holds it, and their
// movement in in or mm, as every movement the program shows.
constexpr Declaration kDeclarations[] = {
    {ResultGraph::SkinFriction, "pltSkin", "Acculumated Skin Friction vs Depth", "Accumulated Skin Friction ",
     "F1", "Depth ", "L2"},
    {ResultGraph::UnitSkinFriction, "pltUSkin", "Unit Skin Friction vs Depth", "Unit Skin Friction",
     "F1/L2^2", "Depth", "L2"},
    {ResultGraph::TipResistance, "pltTip", "Tip Resistance vs Depth", "Tip Resistance ", "F1", "Depth ",
     "L2"},
    {ResultGraph::TotalCapacity, "pltTotal", "Total Capacity vs Depth", "Total Capacity ", "F1", "Depth ",
     "L2"},
    {ResultGraph::Combined, "pltCombine", "Axial Capacity vs Depth", "Axial Capacity", "F1", "Depth", "L2"},
    {ResultGraph::LoadDistribution, "pltLoad", "Load Distribution", "Axial Load ", "F1", "Depth ", "L2"},
    {ResultGraph::LoadSettlement, "pltAxial", "Axial Load vs Settlement", "Axial Load ", "F1", "", ""},
    {ResultGraph::TipQw, "PltQw", "Tip Rsistance (Q-w) Curve", "Tip Resistance, Q", "F1", "Tip Movement,w",
     "L1"},
    {ResultGraph::TzCurves, "pltTZcurves", "t-z Curves", "Displacement, z", "L1", "Unit Load Transfer, t",
     "F1/L2^2"},
    {ResultGraph::ExtraTzCurves, "PltExtraTZ", "Extra t-z Curves", "Displacement, z", "L1",
     "Unit Load Transfer, t", "F1/L2^2"},
    {ResultGraph::Downdrag, "pltDowndrag", "Downdrag: Axial Load and Resistance vs Depth", "Axial Load ",
     "F1", "Depth ", "L2"},
    {ResultGraph::DowndragMovement, "pltDowndragMove", "Downdrag: Movement vs Depth", "Movement ", "L1",
     "Depth ", "L2"},
    // The driveability graphs name their blow counts, stresses, times and velocities in their
    // captions as the results give them; a units template knows none of those units.
    {ResultGraph::DriveSrd, "pltDriveSrd", "Static Resistance to Driving vs Depth", "SRD", "F1", "Depth",
     "L2"},
    {ResultGraph::DriveBlows, "pltDriveBlows", "Blow Count vs Depth", "Blow Count", "", "Depth", "L2"},
    {ResultGraph::DriveCumulative, "pltDriveCumulative", "Cumulative Blows vs Depth", "Cumulative Blows", "",
     "Depth", "L2"},
    {ResultGraph::DriveStress, "pltDriveStress", "Maximum Driving Stresses vs Depth", "Stress", "", "Depth",
     "L2"},
    {ResultGraph::Bearing, "pltBearing", "Bearing Graph", "Blow Count", "", "Ultimate Resistance", "F1"},
    {ResultGraph::DriveHeadForce, "pltDriveHead", "Pile Head Force vs Time", "Time, ms", "", "Force", "F1"},
    {ResultGraph::DriveHeadVelocity, "pltDriveVelocity", "Pile Head Velocity vs Time", "Time, ms", "",
     "Velocity", ""},
};

// The graphs whose curves the set-up of the shaft changes.
constexpr ResultGraph kSetupGraphs[] = {ResultGraph::SkinFriction,     ResultGraph::UnitSkinFriction,
                                        ResultGraph::TotalCapacity,    ResultGraph::Combined,
                                        ResultGraph::LoadDistribution, ResultGraph::LoadSettlement,
                                        ResultGraph::TzCurves};

// A line across the graph at `depth`, from the least to the largest value of `values`.
PlotLine depthLine(double depth, const std::vector<double>& values, const QString& name) {
    PlotLine line;
    line.name = name;
    const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
    line.points = {QPointF(std::min(*lo, 0.0), depth), QPointF(*hi, depth)};
    return line;
}

// The depth graphs, which carry the soil-layer marks.
constexpr ResultGraph kDepthGraphs[] = {ResultGraph::UnitSkinFriction, ResultGraph::SkinFriction,
                                        ResultGraph::TipResistance,    ResultGraph::TotalCapacity,
                                        ResultGraph::LoadDistribution, ResultGraph::Combined};

// One mark per soil layer at the layer's bottom depth: " SAND " at x = 7 or " CLAY " at x = 1, the
// codes of the layer strip's fill patterns. Only for a graph with at least one line holding a point;
// a graph left without curves loses the marks of an earlier file too.
void addLayerMarks(Graph& graph, const GridTable& layers) {
    bool hasPoint = false;
    for (int i = 0; i < graph.lineCount(); ++i) hasPoint = hasPoint || !graph.line(i).points.empty();
    if (!hasPoint) {
        graph.setLineCount(0, Graph::LayerMarks);
        return;
    }
    graph.setLineCount(layers.rowCount(), Graph::LayerMarks);
    for (int i = 0; i < layers.rowCount(); ++i) {
        PlotLine& mark = graph.line(i, Graph::LayerMarks);
        mark.name = texts::kLayerMark + QString::number(i + 1);
        mark.points.assign(1, QPointF());
        const int type = layers.cell(ProjectTables::SoilTypeColumn, i).toInt();
        if (type == 1) {
            mark.name = texts::kSandMark;
            mark.points[0].setX(7);
        } else if (type == 2) {
            mark.name = texts::kClayMark;
            mark.points[0].setX(1);
        }
        mark.points[0].setY(layers.cell(ProjectTables::BottomDepthColumn, i).toDouble());
    }
}

// The plot data file holds S.I. movements in metres; the graphs show them in millimetres, as the
// report and the results summary do, so that one movement reads the same everywhere.
double movementScale(int units) {
    return units == code_of(UnitSystem::English) ? 1.0 : 1000.0;
}

void fillTzCurves(Graph& graph, const std::vector<TzCurve>& curves, int units) {
    const double scale = movementScale(units);
    graph.setLineCount(static_cast<int>(curves.size()));
    graph.setPointCount(kPointsPerTzCurve);
    for (std::size_t i = 0; i < curves.size(); ++i) {
        PlotLine& line = graph.line(static_cast<int>(i));
        line.name = QString::number(curves[i].depth, 'g', QLocale::FloatingPointShortest) +
                    (units == code_of(UnitSystem::English) ? texts::kFeetSuffix : texts::kMetresSuffix);
        for (std::size_t k = 0; k < curves[i].points.size(); ++k)
            line.points[k] = QPointF(curves[i].points[k].movement * scale, curves[i].points[k].loadTransfer);
    }
}

// The curve of each selected method, in table order, with its name; the cone-based methods only in
// the offshore edition. Returns the index of the load-transfer method's curve, or -1.
int nameCapacityCurves(std::array<Graph*, 4> graphs, const ProjectData& project, int curves, int transferCode,
                       QString& transferName) {
    int transferLine = -1;
    int line = 0;
    for (Method m : kTableOrder) {
        if (!project.isSelected(m) || (is_cone_based(m) && !project.offshoreEdition)) continue;
        const QString label = QString::fromLatin1(method_info(m).curve_label);
        if (code_of(m) == transferCode) {
            transferLine = line;
            transferName = label;
        }
        if (line < curves)
            for (Graph* g : graphs) g->line(line).name = label;
        ++line;
    }
    return transferLine < curves ? transferLine : -1;
}

}  // namespace

Results::Results() {
    for (const Declaration& d : kDeclarations) {
        Graph& g = graph(d.graph);
        g.identifier = QLatin1String(d.identifier);
        g.caption = QLatin1String(d.caption);
        g.xCaption = QLatin1String(d.xCaption);
        g.xUnits = QLatin1String(d.xUnits);
        g.yCaption = QLatin1String(d.yCaption);
        g.yUnits = QLatin1String(d.yUnits);
    }
    // The bearing graph and the head's graphs rise from the origin; those of time carry thousands of
    // points, which markers would draw as one black band.
    for (ResultGraph g : {ResultGraph::Bearing, ResultGraph::DriveHeadForce, ResultGraph::DriveHeadVelocity})
        graph(g).xOnTop = false;
    graph(ResultGraph::DriveHeadForce).markers = 0;
    graph(ResultGraph::DriveHeadVelocity).markers = 0;
}

void Results::clear() {
    for (Graph& g : graphs_) {
        g.setLineCount(0, Graph::Curves);
        g.setLineCount(0, Graph::LayerMarks);
        g.setUnits(1);
    }
    plotRows_ = 0;
    driveability_.clear();
    downdrag_.reset();
    clearDriveability();
    setSetupDays(std::nullopt);
}

void Results::fill(const PlotFile& file, const ProjectData& project, const GridTable& soilLayers) {
    plotRows_ = file.rowCount;
    // The driveability graphs are of a run of their own, in the units of their results.
    for (std::size_t i = 0; i < static_cast<std::size_t>(kFirstDriveGraph); ++i) {
        graphs_[i].setUnits(file.units);
        graphs_[i].marks.clear();
    }
    const QString transferName = fillCapacityCurves(file, project);
    fillTzCurves(graph(ResultGraph::TzCurves), file.tzCurves, file.units);
    fillLoadCurves(file, project.isUplift(), transferName);
    fillTzCurves(graph(ResultGraph::ExtraTzCurves), file.extraTzCurves, file.units);
    for (ResultGraph g : kDepthGraphs) addLayerMarks(graph(g), soilLayers);
}

QString Results::fillCapacityCurves(const PlotFile& file, const ProjectData& project) {
    const int curves = static_cast<int>(file.capacityCurves.size());
    Graph& skin = graph(ResultGraph::SkinFriction);
    Graph& unitSkin = graph(ResultGraph::UnitSkinFriction);
    Graph& tip = graph(ResultGraph::TipResistance);
    Graph& total = graph(ResultGraph::TotalCapacity);
    Graph& combined = graph(ResultGraph::Combined);
    const std::array<Graph*, 4> capacity = {&skin, &unitSkin, &tip, &total};
    for (Graph* g : capacity) g->setLineCount(curves);
    combined.setLineCount(3);
    for (Graph* g : {&skin, &unitSkin, &tip, &total, &combined}) g->setPointCount(file.rowCount);

    QString transferName;
    const int transfer = nameCapacityCurves(capacity, project, curves, file.loadTransferMethod, transferName);
    combined.line(0).name = texts::kSkinFrictionCurve;
    combined.line(1).name = project.isUplift() ? texts::kSelfWeightCurve : texts::kTipResistanceCurve;
    combined.line(2).name = texts::kTotalCapacityCurve;

    driveability_.clear();
    const double circumference = project.circumference();
    for (int i = 0; i < curves; ++i) {
        const std::vector<CapacityRow>& curve = file.capacityCurves[static_cast<std::size_t>(i)];
        for (std::size_t j = 0; j < curve.size(); ++j) {
            const CapacityRow& row = curve[j];
            skin.line(i).points[j] = QPointF(row.skinFriction, row.depth);
            tip.line(i).points[j] = QPointF(row.tipResistance, row.depth);
            total.line(i).points[j] = QPointF(row.totalCapacity, row.depth);
            unitSkin.line(i).points[j] = QPointF(row.unitSkinFriction, row.depth);
            if (i == transfer && static_cast<int>(j) < kMaxDriveabilityPoints)
                driveability_.push_back({row.depth, row.unitSkinFriction * circumference, row.tipResistance});
        }
    }
    // The combined graph shows the load-transfer method's curves, and says whose: its caption and,
    // unless the user has given it a title of their own since, its title name the method.
    QString declared;
    for (const Declaration& d : kDeclarations)
        if (d.graph == ResultGraph::Combined) declared = QLatin1String(d.caption);
    const QString method = transfer >= 0 ? transferName : QString();
    const QString title = method.isEmpty() ? QString() : QString(texts::kCombinedMethodTitle).arg(method);
    combined.caption = method.isEmpty() ? declared : declared + QStringLiteral(" - ") + method;
    if (combined.title.isEmpty() || combined.title == combinedTitle_) combined.title = title;
    combinedTitle_ = title;
    if (transfer >= 0) {
        combined.line(0).points = skin.line(transfer).points;
        combined.line(1).points = tip.line(transfer).points;
        combined.line(2).points = total.line(transfer).points;
    } else {
        combined.setPointCount(0);
    }
    return transferName;
}

void Results::fillLoadCurves(const PlotFile& file, bool uplift, const QString& transferName) {
    const bool english = file.units == code_of(UnitSystem::English);
    Graph& load = graph(ResultGraph::LoadDistribution);
    Graph& head = graph(ResultGraph::LoadSettlement);
    Graph& qw = graph(ResultGraph::TipQw);
    load.setLineCount(kLoadLevels);
    load.setPointCount(file.rowCount);
    for (int level = 0; level < kLoadLevels; ++level) {
        const auto l = static_cast<std::size_t>(level);
        const auto& rows = file.loadDistribution[l];
        PlotLine& line = load.line(level);
        for (std::size_t j = 0; j < rows.size(); ++j) line.points[j] = QPointF(rows[j].load, rows[j].depth);
        // Each curve is named by the load at the head it distributes, unless the user has named it
        // since the last run.
        const QString name = formatGeneral(file.loadSettlement[l].load, 4, QLatin1Char('.')) +
                             (english ? texts::kKipsSuffix : texts::kKiloNewtonSuffix);
        if (line.name.isEmpty() || line.name == headLoadNames_[l]) line.name = name;
        headLoadNames_[l] = name;
    }

    // Load-settlement at the head and Q-w at the tip, from the origin; uplift is drawn upward.
    for (Graph* g : {&head, &qw}) {
        g->setLineCount(1);
        g->setPointCount(kLoadLevels + 1);
        g->line(0).points[0] = QPointF();
        g->xOnTop = !uplift;
    }
    head.line(0).name = transferName;
    const double scale = movementScale(file.units);
    for (std::size_t k = 0; k < static_cast<std::size_t>(kLoadLevels); ++k) {
        head.line(0).points[k + 1] =
            QPointF(file.loadSettlement[k].load, file.loadSettlement[k].movement * scale);
        qw.line(0).points[k + 1] = QPointF(file.qwCurve[k].load, file.qwCurve[k].movement * scale);
    }
    // The titles name their unit, in or mm; a units template would not say "in." as the program does.
    qw.yCaption = english ? texts::kSettlementIn : texts::kSettlementM;
    qw.yUnits.clear();
    head.yCaption = uplift ? QString(english ? texts::kUpliftIn : texts::kUpliftM) : qw.yCaption;
}

void Results::clearDowndrag() {
    for (ResultGraph g : {ResultGraph::Downdrag, ResultGraph::DowndragMovement}) {
        graph(g).setLineCount(0);
        graph(g).marks.clear();
    }
    downdrag_.reset();
}

void Results::fillDowndrag(const DowndragResults& d, UnitSystem units) {
    clearDowndrag();
    if (!d.solved || d.depth.empty()) return;
    downdrag_ = DowndragAtAGlance{units, d.headLoad, d.neutralPlane, d.dragForce};
    const bool english = units == UnitSystem::English;
    const QString length = english ? texts::kFeetSuffix : texts::kMetresSuffix;
    const auto depthText = [&](double v) { return formatGeneral(v, 4, QLatin1Char('.')) + length; };
    const auto forceText = [&](double v) {
        return formatGeneral(v, 5, QLatin1Char('.')) +
               (english ? texts::kKipsSuffix : texts::kKiloNewtonSuffix);
    };
    const auto curve = [&](const QString& name, const std::vector<double>& x) {
        PlotLine line;
        line.name = name;
        for (std::size_t i = 0; i < x.size() && i < d.depth.size(); ++i)
            line.points.emplace_back(x[i], d.depth[i]);
        return line;
    };
    const auto planes = [&](Graph& g, const std::vector<double>& across) {
        std::vector<double> values = across;
        g.setLineCount(g.lineCount() + 1);
        g.line(g.lineCount() - 1) = depthLine(
            d.neutralPlane, values, QString(texts::kNeutralPlaneLine).arg(depthText(d.neutralPlane)));
        if (d.equilibriumNeutralPlane) {
            g.setLineCount(g.lineCount() + 1);
            g.line(g.lineCount() - 1) =
                depthLine(*d.equilibriumNeutralPlane, values,
                          QString(texts::kEquilibriumPlaneLine).arg(depthText(*d.equilibriumNeutralPlane)));
        }
    };
    Graph& load = graph(ResultGraph::Downdrag);
    load.setUnits(code_of(units));
    load.setLineCount(2);
    load.line(0) = curve(texts::kAxialLoadCurve, d.axialLoad);
    load.line(1) = curve(texts::kResistanceCurve, d.resistance);
    std::vector<double> forces = d.axialLoad;
    forces.insert(forces.end(), d.resistance.begin(), d.resistance.end());
    planes(load, forces);
    load.marks.push_back({QPointF(d.maxLoad, d.maxLoadDepth), forceText(d.maxLoad)});
    load.title = QString(texts::kDowndragTitle).arg(forceText(d.headLoad), forceText(d.dragForce));

    Graph& move = graph(ResultGraph::DowndragMovement);
    move.setUnits(code_of(units));
    move.setLineCount(2);
    move.line(0) = curve(texts::kPileMovementCurve, d.pileMovement);
    move.line(1) = curve(texts::kSoilSettlementCurve, d.soilSettlement);
    std::vector<double> movements = d.pileMovement;
    movements.insert(movements.end(), d.soilSettlement.begin(), d.soilSettlement.end());
    planes(move, movements);
    for (Graph* g : {&load, &move})
        for (int i = 0; i < g->lineCount(); ++i) g->line(i).number = i + 1;
}

void Results::setSetupDays(std::optional<double> days) {
    setupDays_ = days;
    const QString title =
        days ? QString(texts::kSetupTitle).arg(formatGeneral(*days, 6, QLatin1Char('.'))) : QString();
    for (ResultGraph g : kSetupGraphs) {
        Graph& shown = graph(g);
        QString& given = setupTitles_[static_cast<std::size_t>(g)];
        // The combined graph names its method in the title; the set-up follows it there.
        if (g == ResultGraph::Combined) {
            const QString own = combinedTitle_.isEmpty() ? title
                                : title.isEmpty()        ? combinedTitle_
                                                         : combinedTitle_ + QStringLiteral(", ") + title;
            if (shown.title.isEmpty() || shown.title == given || shown.title == combinedTitle_)
                shown.title = own;
            given = own;
            continue;
        }
        if (shown.title.isEmpty() || shown.title == given) shown.title = title;
        given = title;
    }
}

void Results::markWorkingLoads(const std::vector<WorkingLoadRow>& rows) {
    Graph& head = graph(ResultGraph::LoadSettlement);
    head.marks.clear();
    // A load beyond the curve has no movement to stand at.
    for (const WorkingLoadRow& row : rows)
        if (row.movement)
            head.marks.push_back({QPointF(row.load, *row.movement),
                                  QString(texts::kWorkingLoadMark)
                                      .arg(row.method, formatGeneral(row.fraction, 3, QLatin1Char('.')))});
}

void Results::convertUnits(UnitSystem from, UnitSystem to) {
    if (from == to) return;
    // By the templates of the graph axes the values come from.
    auto factor = [&](const char* unitsTemplate) {
        const double r = unitRatio(QLatin1String(unitsTemplate));
        return to == UnitSystem::SI ? 1.0 / r : r;
    };
    const double length = to == UnitSystem::SI ? kMetresPerFoot : kFeetPerMetre;
    const double force = factor("F1");  // kips | kN
    const double forcePerLength = factor("F1/L2");
    for (DriveabilityPoint& p : driveability_) {
        p.depth *= length;
        p.sideResistance *= forcePerLength;
        p.tipResistance *= force;
    }
    if (downdrag_ && downdrag_->units == from) {
        downdrag_->units = to;
        downdrag_->neutralPlane *= length;
        downdrag_->headLoad *= force;
        downdrag_->dragForce *= force;
    }
}

}  // namespace torve::app
