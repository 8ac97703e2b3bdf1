// What a calculation sheet says.
#include "app/render/calculationsheet.h"

#include <QDate>
#include <optional>

#include "app/controls/expandunits.h"
#include "app/controls/numbertext.h"
#include "app/project/project.h"
#include "app/project/projecttables.h"
#include "app/project/results.h"
#include "app/render/texts.h"
#include "app/table/gridtable.h"

namespace torve::app {
namespace {

// Inputs as the user typed them: up to 6 significant digits, a full stop as the decimal mark.
QString number(double v) {
    return formatGeneral(v + 0.0, 6, QLatin1Char('.'));
}

// A value at the top and the bottom of a layer: one number when they agree.
QString range(double top, double bottom) {
    return top == bottom ? number(top) : number(top) + QStringLiteral(" \u2013 ") + number(bottom);
}

QString unit(const char* unitsTemplate, UnitSystem units) {
    return expandUnits(QLatin1String(unitsTemplate), code_of(units));
}

QString labelled(QLatin1StringView text, const char* unitsTemplate, UnitSystem units) {
    return QString(text).arg(unit(unitsTemplate, units));
}

QString yesNo(bool on) {
    return on ? QString(texts::kSheetYes) : QString(texts::kSheetNo);
}

SheetTable pileTable(const ProjectData& d) {
    const UnitSystem u = d.units;
    SheetTable t{texts::kSheetPile, {texts::kSheetItem, texts::kSheetValue}, {}, 2};
    const int type = static_cast<int>(d.pileType);
    t.rows.push_back({texts::kSheetPileType, type >= 1 && type <= 7
                                                 ? QString(texts::kSheetPileTypes[type - 1])
                                                 : QString::number(type)});
    if (d.circular) {
        t.rows.push_back({labelled(texts::kSheetOutsideDiameter, "L1", u), number(d.outsideDiameter)});
        t.rows.push_back({labelled(texts::kSheetInsideDiameter, "L1", u), number(d.insideDiameter)});
    } else {
        t.rows.push_back({labelled(texts::kSheetPerimeter, "L1", u), number(d.perimeter)});
        t.rows.push_back({labelled(texts::kSheetTipArea, "L^2", u), number(d.tipArea)});
    }
    t.rows.push_back({labelled(texts::kSheetLength, "L2", u), number(d.totalPileLength)});
    t.rows.push_back({labelled(texts::kSheetStickup, "L2", u), number(d.stickupLength)});
    t.rows.push_back({labelled(texts::kSheetZeroFriction, "L2", u), number(d.zeroFrictionLength)});
    t.rows.push_back({labelled(texts::kSheetModulus, "F/L^2", u), number(d.modulusOfElasticity)});
    if (d.taperAngle != 0) t.rows.push_back({texts::kSheetTaper, number(d.taperAngle)});
    const QLatin1StringView plug = d.plugCondition == PlugCondition::Plugged     ? texts::kSheetPlugged
                                   : d.plugCondition == PlugCondition::Unplugged ? texts::kSheetUnplugged
                                                                                 : texts::kSheetPlugComputed;
    t.rows.push_back({texts::kSheetPlug, plug});
    t.rows.push_back({texts::kSheetLoading, d.isUplift() ? texts::kSheetTension : texts::kSheetCompression});
    return t;
}

SheetTable soilTable(const ProjectData& d, const GridTable& layers) {
    const UnitSystem u = d.units;
    SheetTable t{texts::kSheetSoilLayers,
                 {texts::kSheetLayer, texts::kSheetSoil, labelled(texts::kSheetTop, "L2", u),
                  labelled(texts::kSheetBottom, "L2", u), labelled(texts::kSheetUnitWeight, "F/L2^3", u),
                  labelled(texts::kSheetStrength, "F/L2^2", u), texts::kSheetKoNq},
                 {},
                 2};
    double top = 0;
    for (int i = 0; i < layers.rowCount(); ++i) {
        const bool sand = layers.cell(ProjectTables::SoilTypeColumn, i).toInt() == 1;
        const double bottom = layers.cell(ProjectTables::BottomDepthColumn, i).toDouble();
        QStringList row = {QString::number(i + 1), sand ? texts::kSheetSand : texts::kSheetClay, number(top),
                           number(bottom)};
        top = bottom;
        const GridTable* data = layers.cell(ProjectTables::LayerDataColumn, i).subTable();
        if (!data || data->rowCount() < 2) {
            t.rows.push_back(row << QString() << QString() << QString());
            continue;
        }
        auto at = [data](int column) {
            return range(data->cell(column, 0).toDouble(), data->cell(column, 1).toDouble());
        };
        // Blow counts are whole numbers, held as such.
        auto countAt = [data](int column) {
            return range(data->cell(column, 0).toInt(), data->cell(column, 1).toInt());
        };
        // As the sand and clay tables hold them: unit weights in lb/ft^3 | kN/m^3, friction angles
        // in degrees, strengths in lb/ft^2 | kPa.
        row << at(sand ? int(ProjectTables::SandUnitWeight) : int(ProjectTables::ClayUnitWeight));
        if (sand) {
            // An angle of 0 leaves it to the blow counts.
            const bool fromBlows = data->cell(ProjectTables::FrictionAngle, 0).toDouble() == 0 &&
                                   data->cell(ProjectTables::FrictionAngle, 1).toDouble() == 0;
            row << (fromBlows ? QStringLiteral("N ") + countAt(ProjectTables::BlowCount)
                              : QString::fromUtf8("\u03c6 ") + at(ProjectTables::FrictionAngle))
                << at(ProjectTables::EarthPressure) + QStringLiteral(", ") + at(ProjectTables::BearingFactor);
        } else {
            row << QStringLiteral("Su ") + at(ProjectTables::UndrainedStrength) << QString();
        }
        t.rows.push_back(row);
    }
    return t;
}

SheetTable methodsTable(const ProjectData& d) {
    const UnitSystem u = d.units;
    SheetTable t{texts::kSheetMethods, {texts::kSheetItem, texts::kSheetValue}, {}, 2};
    QStringList names;
    for (Method m : kTableOrder)
        if (d.isSelected(m)) names << QString::fromLatin1(method_info(m).name);
    t.rows.push_back({texts::kSheetSelectedMethods, names.join(QStringLiteral(", "))});
    t.rows.push_back(
        {texts::kSheetTransferMethod, QString::fromLatin1(method_info(d.loadTransferMethod).name)});
    t.rows.push_back({labelled(texts::kSheetIncrement, "L2", u), number(d.computationIncrement)});
    QString fractions = texts::kSheetDefaultFractions;
    if (d.workingLoadFractions) {
        QStringList f;
        for (double x : *d.workingLoadFractions) f << number(x);
        fractions = f.join(QStringLiteral(", "));
    }
    t.rows.push_back({texts::kSheetFractions, fractions});
    QString critical = texts::kSheetCriticalFromDensity;
    if (d.criticalDepthOption == CriticalDepthOption::FromStress) critical = texts::kSheetCriticalFromStress;
    if (d.criticalDepthOption == CriticalDepthOption::UserSpecified)
        critical = QString(texts::kSheetCriticalUser).arg(number(d.criticalDepth), unit("L2", u));
    t.rows.push_back({texts::kSheetCriticalDepth, critical});
    if (d.isUplift()) t.rows.push_back({texts::kSheetTensionFactor, number(d.tensionReductionFactor)});
    t.rows.push_back({texts::kSheetReducedResistance, yesNo(d.reducedResistance)});
    t.rows.push_back({texts::kSheetCptPoints, QString::number(d.cptPoints.size())});
    return t;
}

SheetTable capacityTable(const ResultsSummary& s) {
    SheetTable t{texts::kSheetCapacity, s.methodColumns(), {}, 1};
    for (const ResultsSummary::Method& m : s.methods) t.rows.push_back(s.methodCells(m));
    return t;
}

// What the run had beyond the capacity at the end of driving, as its report and graphs tell it: the
// capacity some days after driving, and the pile in settling soil. None for a run of neither.
std::optional<SheetTable> setupAndDowndragTable(const Results& r) {
    SheetTable t{texts::kSheetSetupAndDowndrag, {texts::kSheetItem, texts::kSheetValue}, {}, 2};
    if (const std::optional<double> days = r.setupDays())
        t.rows.push_back({texts::kSheetSetup, QString(texts::kSheetSetupValue).arg(number(*days))});
    if (const std::optional<DowndragAtAGlance>& d = r.downdrag()) {
        const QString force = unit("F1", d->units);
        t.rows.push_back(
            {texts::kSheetDowndrag,
             QString(texts::kSheetDowndragValue)
                 .arg(QString::number(d->neutralPlane, 'f', 2), unit("L2", d->units),
                      QString::number(d->dragForce, 'f', 1), force, QString::number(d->headLoad, 'f', 1))});
    }
    if (t.rows.empty()) return std::nullopt;
    return t;
}

SheetTable workingLoadTable(const ResultsSummary& s) {
    SheetTable t{texts::kSheetWorkingLoads, s.workingLoadColumns(), {}, 1};
    for (const WorkingLoadRow& w : s.workingLoads) t.rows.push_back(s.workingLoadCells(w));
    if (t.rows.empty()) t = {texts::kSheetWorkingLoads, {}, {{texts::kSheetNoWorkingLoads}}, 1};
    return t;
}

SheetTable warningTable(const ResultsSummary& s) {
    SheetTable t{texts::kSheetWarnings, {}, {}, 1};
    for (const ResultsSummary::Warning& w : s.warnings) t.rows.push_back({s.warningSentence(w)});
    if (t.rows.empty()) t.rows.push_back({texts::kSheetNoWarnings});
    return t;
}

}  // namespace

CalculationSheet calculationSheet(const Project& project, const ResultsSummary& summary, const QDate& date) {
    const ProjectData& d = project.data();
    CalculationSheet sheet;
    sheet.title = titleBlockOf(d, texts::kSheetSubject, date);
    sheet.inputs = {pileTable(d), soilTable(d, project.tables().soilLayers), methodsTable(d)};
    sheet.results = {capacityTable(summary)};
    if (std::optional<SheetTable> more = setupAndDowndragTable(project.results()))
        sheet.results.push_back(std::move(*more));
    sheet.results.push_back(workingLoadTable(summary));
    sheet.results.push_back(warningTable(summary));

    sheet.capacity = {texts::kSheetCapacityGraph, project.graph(ResultGraph::TotalCapacity)};
    // The layers at the depths of the curves, which the profile beside it draws to its own scale.
    sheet.capacity.graph.showLayers = sheet.capacity.graph.lineCount(Graph::LayerMarks) > 0;
    sheet.soilProfile = SoilProfile::of(d, project.tables().soilLayers);
    const Graph& head = project.graph(ResultGraph::LoadSettlement);
    const QString method = head.lineCount() > 0 ? head.displayName(0).trimmed() : QString();
    sheet.loadSettlement = {QString(texts::kSheetLoadSettlementGraph).arg(method), head};
    return sheet;
}

}  // namespace torve::app
