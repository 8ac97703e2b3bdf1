// The input data file of a project, record by record, as read from and written to disk.
#include "app/project/projectfile.h"

#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "app/controls/numbertext.h"
#include "app/graph/wordreader.h"
#include "app/project/projectdata.h"
#include "app/project/projecttables.h"
#include "app/project/texts.h"

namespace torve::app {
namespace {

// A count must be within its limit (0: none) and no larger than what the rest of the file can
// hold, so a damaged count is reported instead of making room for millions of rows.
void checkCount(const WordReader& r, int n, int limit, int wordsPerItem, const char* what) {
    const qsizetype fits = r.wordsRemaining() / wordsPerItem;
    const qsizetype most = limit > 0 ? std::min<qsizetype>(limit, fits) : fits;
    if (n < 0 || n > most) r.fail(QString(texts::kCountExpected).arg(QLatin1String(what)).arg(most));
}

int readCount(WordReader& r, int limit, int wordsPerItem, const char* what) {
    const int n = r.readInt();
    checkCount(r, n, limit, wordsPerItem, what);
    return n;
}

using Tables = ProjectTables;

void fillSoilPoint(GridTable& data, int row, const ProjectFile::SoilPoint& p, bool sand) {
    auto set = [&](int col, double v) { data.cell(col, row).setDouble(v); };
    set(Tables::SandUnitWeight, p.unitWeight);
    if (sand) {
        set(Tables::FrictionAngle, p.frictionAngle);
        data.cell(Tables::BlowCount, row).setInt(static_cast<int>(std::lround(p.remoldedOrBlows)));
        set(Tables::EarthPressure, p.ko);
        set(Tables::BearingFactor, p.nq);
    } else {
        set(Tables::UndrainedStrength, p.undrained);
        set(Tables::RemoldedStrength, p.remoldedOrBlows);
        set(Tables::PlasticityIndex, p.pi);
        set(Tables::YieldStressRatio, p.ysr);
    }
    set(Tables::SandQc, p.qc);
    set(Tables::SandUserFriction, p.userFriction);
    set(Tables::SandUserBearing, p.userBearing);
}

void fillSoilLayers(GridTable& layers, const std::vector<ProjectFile::SoilPoint>& points) {
    const int count = static_cast<int>(points.size() / 2);
    layers.setRowCount(count);
    for (int i = 0; i < count; ++i) {
        const ProjectFile::SoilPoint& top = points[static_cast<std::size_t>(2 * i)];
        const ProjectFile::SoilPoint& bottom = points[static_cast<std::size_t>(2 * i + 1)];
        const bool sand = top.type == 1.0;
        layers.cell(Tables::SoilTypeColumn, i).setInt(sand ? 1 : 2);
        layers.cell(Tables::BottomDepthColumn, i).setDouble(bottom.depth);
        layers.cell(Tables::MaxSideFrictionColumn, i).setDouble(bottom.maxFriction);
        layers.cell(Tables::MaxEndBearingColumn, i).setDouble(bottom.maxBearing);
        if (bottom.sideFactor) layers.cell(Tables::SideFactorColumn, i).setDouble(*bottom.sideFactor);
        if (bottom.endFactor) layers.cell(Tables::EndFactorColumn, i).setDouble(*bottom.endFactor);
        if (GridTable* data = layers.cell(Tables::LayerDataColumn, i).subTable()) {
            fillSoilPoint(*data, 0, top, sand);
            fillSoilPoint(*data, 1, bottom, sand);
        }
    }
}

ProjectFile::SoilPoint soilPoint(const GridTable& layers, int layer, int row) {
    ProjectFile::SoilPoint p;
    const bool sand = layers.cell(Tables::SoilTypeColumn, layer).toInt() != 2;
    p.type = sand ? 1 : 2;
    p.depth = row == 1 ? layers.cell(Tables::BottomDepthColumn, layer).toDouble()
                       : (layer == 0 ? 0.0 : layers.cell(Tables::BottomDepthColumn, layer - 1).toDouble());
    p.maxFriction = layers.cell(Tables::MaxSideFrictionColumn, layer).toDouble();
    p.maxBearing = layers.cell(Tables::MaxEndBearingColumn, layer).toDouble();
    p.sideFactor = layers.cell(Tables::SideFactorColumn, layer).toDouble();
    p.endFactor = layers.cell(Tables::EndFactorColumn, layer).toDouble();
    const GridTable* data = layers.cell(Tables::LayerDataColumn, layer).subTable();
    if (!data || row >= data->rowCount()) return p;
    auto get = [&](int col) { return data->cell(col, row).toDouble(); };
    p.unitWeight = get(Tables::SandUnitWeight);
    if (sand) {
        p.frictionAngle = get(Tables::FrictionAngle);
        p.remoldedOrBlows = data->cell(Tables::BlowCount, row).toInt();
        p.ko = get(Tables::EarthPressure);
        p.nq = get(Tables::BearingFactor);
    } else {
        p.undrained = get(Tables::UndrainedStrength);
        p.remoldedOrBlows = get(Tables::RemoldedStrength);
        p.pi = get(Tables::PlasticityIndex);
        p.ysr = get(Tables::YieldStressRatio);
    }
    p.qc = get(Tables::SandQc);
    p.userFriction = get(Tables::SandUserFriction);
    p.userBearing = get(Tables::SandUserBearing);
    return p;
}

}  // namespace

QString besideProject(const QString& path, const char* extension) {
    const QFileInfo info(path);
    const QString base = info.suffix().isEmpty() ? path : path.left(path.size() - info.suffix().size() - 1);
    return base + QLatin1String(extension);
}

ProjectFile ProjectFile::read(const QString& path, ProjectFormat format) {
    WordReader r(path, WordSyntax::EngineRecords);
    return read(r, format);
}

// Record by record as the engine reads the file: each record starts on a new line, what is left on
// its last line is passed over, and a record longer than its line goes on to the next lines.
ProjectFile ProjectFile::read(WordReader& r, ProjectFormat format, bool* modeInferred) {
    const bool current = format == ProjectFormat::Current;
    ProjectFile f;
    f.currentFormat = current;
    f.title = r.readLine();
    f.designer = r.readLine();
    f.jobNumber = r.readLine();
    r.beginRecord();
    f.units = r.readInt();
    f.printEvery = r.readInt();
    const int points = readCount(r, kMaxSoilPoints, current ? 17 : 15, "soil points");
    if (points % 2 != 0) r.fail(texts::kEvenSoilPointsExpected);
    r.beginRecord();
    f.perimeter = r.readDouble();
    f.tipArea = r.readDouble();
    f.outerDiameter = r.readDouble();
    f.innerDiameter = r.readDouble();
    f.modulus = r.readDouble();
    f.totalLength = r.readDouble();
    if (current) f.stickupLength = r.readDouble();
    r.beginRecord();
    f.endSectionLength = r.readDouble();
    f.endSectionInnerDiameter = r.readDouble();
    r.beginRecord();
    f.zeroFrictionLength = r.readDouble();
    f.incrementLength = r.readDouble();
    f.pileType = r.readInt();
    f.taperAngle = r.readDouble();
    f.loadTransferMethod = r.readInt();
    f.offshoreFlag = r.readInt();
    if (current) {
        f.reducedCurves = r.readInt();
        std::array<int, kMethodCount> flags{};
        r.beginRecord();
        for (std::size_t m = 0; m < flags.size(); ++m) {
            if (m >= kAlwaysWrittenMethodFlags && r.wordsLeftOnLine() == 0) break;  // not selected
            flags[m] = r.readInt();
        }
        f.capacityMethods = flags;
    }
    r.beginRecord();
    f.lastLayerBottom = r.readDouble();
    f.sectionArea = r.readDouble();
    for (int i = 0; i < points; ++i) {
        SoilPoint p;
        r.beginRecord();
        p.depth = r.readDouble();
        p.type = r.readDouble();
        if (p.type != 1.0 && p.type != 2.0) r.fail(texts::kSoilTypeExpected);
        p.ko = r.readDouble();
        p.unitWeight = r.readDouble();
        p.frictionAngle = r.readDouble();
        p.nq = r.readDouble();
        r.beginRecord();
        p.maxFriction = r.readDouble();
        p.maxBearing = r.readDouble();
        p.undrained = r.readDouble();
        p.remoldedOrBlows = r.readDouble();
        // A sand point's SPT blow count is held as a whole number; a fraction would be rounded away
        // unseen, and the engine would no longer read the project it was given.
        if (p.type == 1.0 && (p.remoldedOrBlows != std::trunc(p.remoldedOrBlows) ||
                              std::fabs(p.remoldedOrBlows) > 2147483647.0))
            r.fail(texts::kWholeBlowCountExpected);
        p.ysr = r.readDouble();
        p.pi = r.readDouble();
        p.qc = r.readDouble();
        p.userFriction = r.readDouble();
        p.userBearing = r.readDouble();
        if (current) {
            p.sideFactor = r.readDouble();
            p.endFactor = r.readDouble();
        }
        f.points.push_back(p);
    }
    r.beginRecord();
    f.printExtraTz = r.readInt();
    if (f.printExtraTz == 1) {
        const int n = readCount(r, 0, 1, "t-z print depths");
        for (int i = 0; i < n; ++i) {
            r.beginRecord();
            f.tzDepths.push_back(r.readDouble());
        }
    }
    r.beginRecord();
    f.loadingType = r.readInt();
    f.tensionReduction = r.readDouble();
    r.beginRecord();
    f.drainedClay = r.readInt();
    f.plugCondition = r.readInt();
    r.beginRecord();
    f.sectionRowCount = r.readInt();
    // Files of earlier layouts may end the line after the count; the mode is then inferred from the
    // rows and the constant area (data()), and rows follow when there is more than one. The engine
    // cannot read such a line; a save writes the mode.
    if (r.wordsLeftOnLine() > 0)
        f.areaMode = r.readInt();
    else if (modeInferred)
        *modeInferred = true;
    if (f.sectionRowCount < 0) checkCount(r, f.sectionRowCount, 0, 2, "section rows");
    // With the mode given, rows follow as the engine reads them: for the area varying with depth, even
    // a single one, and for no other mode. The previous version wrote them whenever there was more
    // than one.
    const bool rows = current && f.areaMode ? *f.areaMode >= static_cast<int>(SectionMode::VaryingWithDepth)
                                            : f.sectionRowCount > 1;
    if (rows) {
        checkCount(r, f.sectionRowCount, 0, 2, "section rows");
        for (int i = 0; i < f.sectionRowCount; ++i) {
            r.beginRecord();
            const double depth = r.readDouble();
            const double area = r.readDouble();
            f.sectionRows.emplace_back(depth, area);
        }
    }
    if (current) {
        r.beginRecord();
        f.criticalDepthOption = r.readInt();
        f.criticalDepth = r.readDouble();
    }
    return f;
}

QByteArray ProjectFile::text() const {
    // Own fields in general form with up to 10 significant digits; table values in the shortest
    // form that reads back to the same value; "0.0" where the engine ignores a value.
    auto real = [](double v) { return formatGeneral(v, 10, u'.'); };
    auto cell = [](double v) { return shortestText(v); };
    auto oneLine = [](const QString& s) {
        QString t = s;
        t.replace(u'\r', u' ');
        t.replace(u'\n', u' ');  // a line break would shift every later record
        return t;
    };
    const QString filler = QStringLiteral("0.0");
    QStringList out;
    out << oneLine(title) << oneLine(designer) << oneLine(jobNumber);
    out << QStringLiteral("%1 %2 %3").arg(units).arg(printEvery).arg(points.size());
    out << QStringList{real(perimeter),
                       real(tipArea),
                       real(outerDiameter),
                       real(innerDiameter),
                       real(modulus),
                       real(totalLength),
                       real(stickupLength.value_or(0))}
               .join(u' ');
    out << real(endSectionLength) + u' ' + real(endSectionInnerDiameter);
    out << QStringList{real(zeroFrictionLength),
                       real(incrementLength),
                       QString::number(pileType),
                       real(taperAngle),
                       QString::number(loadTransferMethod),
                       QString::number(offshoreFlag),
                       QString::number(reducedCurves.value_or(0))}
               .join(u' ');
    QStringList flags;
    const std::array<int, kMethodCount> methodFlags =
        capacityMethods.value_or(std::array<int, kMethodCount>{});
    for (std::size_t m = 0; m < methodFlags.size(); ++m)
        if (m < kAlwaysWrittenMethodFlags || methodFlags[m] != 0) flags << QString::number(methodFlags[m]);
    out << flags.join(u' ');
    out << real(lastLayerBottom) + u' ' + real(sectionArea);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const SoilPoint& p = points[i];
        const bool sand = p.type == 1.0;
        const QString depth = i == 0 ? filler : cell(p.depth);
        if (sand) {
            out << QStringList{depth,
                               QStringLiteral("1"),
                               cell(p.ko),
                               cell(p.unitWeight),
                               cell(p.frictionAngle),
                               cell(p.nq)}
                       .join(u' ');
            out << QStringList{cell(p.maxFriction),
                               cell(p.maxBearing),
                               filler,
                               QString::number(static_cast<long long>(p.remoldedOrBlows)),
                               filler,
                               filler,
                               cell(p.qc),
                               cell(p.userFriction),
                               cell(p.userBearing),
                               cell(p.sideFactor.value_or(1)),
                               cell(p.endFactor.value_or(1))}
                       .join(u' ');
        } else {
            out << QStringList{depth, QStringLiteral("2"), filler, cell(p.unitWeight), filler, filler}.join(
                u' ');
            out << QStringList{cell(p.maxFriction),
                               cell(p.maxBearing),
                               cell(p.undrained),
                               cell(p.remoldedOrBlows),
                               cell(p.ysr),
                               cell(p.pi),
                               cell(p.qc),
                               cell(p.userFriction),
                               cell(p.userBearing),
                               cell(p.sideFactor.value_or(1)),
                               cell(p.endFactor.value_or(1))}
                       .join(u' ');
        }
    }
    if (printExtraTz == 1) {
        out << QStringLiteral("1 %1").arg(tzDepths.size());
        for (double d : tzDepths) out << cell(d);
    } else {
        out << QString::number(printExtraTz);
    }
    out << QString::number(loadingType) + u' ' + real(tensionReduction);
    out << QStringLiteral("%1 %2").arg(drainedClay).arg(plugCondition);
    out << QStringLiteral("%1 %2").arg(sectionRows.size()).arg(areaMode.value_or(0));
    for (const auto& [depth, area] : sectionRows) out << cell(depth) + u' ' + cell(area);
    out << QString::number(criticalDepthOption.value_or(0)) + u' ' + real(criticalDepth.value_or(0));
    return (out.join(u'\n') + u'\n').toUtf8();
}

ProjectData ProjectFile::data(const QString& path, bool offshoreEdition) const {
    ProjectData d;
    d.offshoreEdition = offshoreEdition;
    d.fileName = path;
    d.units = unitSystemFromCode(units);
    d.title = title;
    d.designer = designer;
    d.jobNumber = jobNumber;
    d.printEvery = printEvery;
    d.circular = perimeter == 0;  // a circular pile is written with perimeter 0
    d.perimeter = perimeter;
    d.tipArea = tipArea;
    d.outerDiameter = outerDiameter;
    d.innerDiameter = innerDiameter;
    d.modulus = modulus;
    d.totalLength = totalLength;
    d.stickupLength = stickupLength.value_or(0);
    d.endSectionLength = endSectionLength;
    d.endSectionInnerDiameter = endSectionInnerDiameter;
    d.zeroFrictionLength = zeroFrictionLength;
    d.incrementLength = incrementLength;
    d.pileType = static_cast<PileType>(pileType);
    d.taperAngle = taperAngle;
    d.loadTransferMethod = static_cast<Method>(loadTransferMethod);
    d.reducedResistance = reducedCurves.value_or(0) == 1;
    if (capacityMethods) {
        for (std::size_t m = 0; m < d.selectedMethods.size(); ++m)
            d.selectedMethods[m] = (*capacityMethods)[m] == 1;
    } else {
        // Files of the previous version computed the four onshore methods, the user-specified one
        // when it carried the load transfer, and the offshore ones in the offshore edition.
        for (const MethodInfo& m : kMethods) {
            const bool onshore = code_of(m.method) <= code_of(Method::Api);
            const bool earlierOffshore = is_cone_based(m.method) && m.method != Method::Unified;
            d.setSelected(m.method, onshore || (earlierOffshore && offshoreEdition));
        }
        d.setSelected(Method::UserSpecified, d.loadTransferMethod == Method::UserSpecified);
    }
    d.lastLayerBottom = lastLayerBottom;
    d.sectionArea = sectionArea;
    d.printExtraTz = printExtraTz == 1;
    d.loadingType = static_cast<LoadingType>(loadingType);
    d.tensionReduction = tensionReduction;
    d.clayDrainage = static_cast<ClayDrainage>(drainedClay);
    d.plugCondition = static_cast<PlugCondition>(plugCondition);
    if (areaMode)
        d.sectionMode = static_cast<SectionMode>(*areaMode);
    else if (sectionRowCount >= 2)
        d.sectionMode = SectionMode::VaryingWithDepth;
    else
        d.sectionMode = sectionArea != 0 ? SectionMode::Constant : SectionMode::FromDiameters;
    d.criticalDepthOption = static_cast<CriticalDepthOption>(criticalDepthOption.value_or(0));
    d.criticalDepth = criticalDepth.value_or(0);
    return d;
}

void ProjectFile::fillTables(ProjectTables& tables) const {
    for (GridTable* t : tables.all()) {
        t->setRowCount(0);
        t->setUnits(unitSystemFromCode(units));
    }
    fillSoilLayers(tables.soilLayers, points);
    if (printExtraTz == 1) {
        tables.tzPrintDepths.setRowCount(static_cast<int>(tzDepths.size()));
        for (std::size_t i = 0; i < tzDepths.size(); ++i)
            tables.tzPrintDepths.cell(0, static_cast<int>(i)).setDouble(tzDepths[i]);
    }
    tables.sectionAreas.setRowCount(static_cast<int>(sectionRows.size()));
    for (std::size_t i = 0; i < sectionRows.size(); ++i) {
        tables.sectionAreas.cell(0, static_cast<int>(i)).setDouble(sectionRows[i].first);
        tables.sectionAreas.cell(1, static_cast<int>(i)).setDouble(sectionRows[i].second);
    }
    for (GridTable* t : tables.all()) {
        // A single section row stays one row: the engine takes one row for an area varying with
        // depth, and a second, empty row would be saved as an area of 0, which it refuses.
        const bool asRead = t == &tables.sectionAreas && t->rowCount() > 0;
        if (!asRead && t->rowCount() < t->minRows()) t->setRowCount(t->minRows());
    }
}

ProjectFile ProjectFile::of(const ProjectData& d, const ProjectTables& tables) {
    ProjectFile f;
    f.title = d.title;
    f.designer = d.designer;
    f.jobNumber = d.jobNumber;
    f.units = static_cast<int>(d.units);
    f.printEvery = d.printEvery;
    f.perimeter = d.circular ? 0 : d.perimeter;
    f.tipArea = d.tipArea;
    f.outerDiameter = d.outerDiameter;
    f.innerDiameter = d.innerDiameter;
    f.modulus = d.modulus;
    f.totalLength = d.totalLength;
    f.stickupLength = d.stickupLength;
    f.endSectionLength = d.endSectionLength;
    f.endSectionInnerDiameter = d.endSectionInnerDiameter;
    f.zeroFrictionLength = d.zeroFrictionLength;
    f.incrementLength = d.incrementLength;
    f.pileType = static_cast<int>(d.pileType);
    f.taperAngle = d.taperAngle;
    f.loadTransferMethod = code_of(d.loadTransferMethod);
    f.offshoreFlag = d.offshoreEdition ? 1 : 0;
    f.reducedCurves = d.reducedResistance ? 1 : 0;
    std::array<int, kMethodCount> flags{};
    for (std::size_t m = 0; m < flags.size(); ++m) flags[m] = d.selectedMethods[m] ? 1 : 0;
    f.capacityMethods = flags;
    f.sectionArea = d.sectionArea;
    const GridTable& layers = tables.soilLayers;
    for (int i = 0; i < layers.rowCount(); ++i)
        for (int row = 0; row < 2; ++row) f.points.push_back(soilPoint(layers, i, row));
    // The deepest soil depth the engine checks the pile against is the bottom of the last layer as
    // the table now holds it, not as some earlier file gave it.
    f.lastLayerBottom = layers.rowCount() > 0
                            ? layers.cell(Tables::BottomDepthColumn, layers.rowCount() - 1).toDouble()
                            : d.lastLayerBottom;
    f.printExtraTz = d.printExtraTz ? 1 : 0;
    if (d.printExtraTz)
        for (int i = 0; i < tables.tzPrintDepths.rowCount(); ++i)
            f.tzDepths.push_back(tables.tzPrintDepths.cell(0, i).toDouble());
    f.loadingType = static_cast<int>(d.loadingType);
    f.tensionReduction = d.tensionReduction;
    f.drainedClay = static_cast<int>(d.clayDrainage);
    f.plugCondition = static_cast<int>(d.plugCondition);
    f.areaMode = static_cast<int>(d.sectionMode);
    // Section rows go with the varying mode only: the engine reads them for that mode alone, and any
    // other count would shift the critical-depth record it reads next.
    if (static_cast<int>(d.sectionMode) >= static_cast<int>(SectionMode::VaryingWithDepth)) {
        const GridTable& s = tables.sectionAreas;
        for (int i = 0; i < s.rowCount(); ++i)
            f.sectionRows.emplace_back(s.cell(0, i).toDouble(), s.cell(1, i).toDouble());
    }
    f.sectionRowCount = static_cast<int>(f.sectionRows.size());
    f.criticalDepthOption = static_cast<int>(d.criticalDepthOption);
    f.criticalDepth = d.criticalDepth;
    return f;
}

}  // namespace torve::app
