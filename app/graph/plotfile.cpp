// The engine's plot data file read into plain data, block by block.
#include "app/graph/plotfile.h"

#include <algorithm>

#include "app/graph/texts.h"
#include "app/graph/wordreader.h"

namespace torve::app {
namespace {

// Counts the engine never writes, or that the rest of the file cannot hold, are damage: refused before
// any room is made for them.
int readCount(WordReader& r, int most, const char* what) {
    const int n = r.readInt();
    if (n < 0 || n > most) r.fail(QString(texts::kCountOutOfRange).arg(QLatin1String(what)).arg(most));
    return n;
}

void checkFits(const WordReader& r, long long count, long long wordsEach) {
    if (count * wordsEach > r.wordsRemaining()) r.failIncomplete();
}

std::vector<TzCurve> readTzCurves(WordReader& r, int most) {
    const int count = readCount(r, most, "t-z curves");
    checkFits(r, count, 3 + 2 * kPointsPerTzCurve);
    std::vector<TzCurve> curves(static_cast<std::size_t>(count));
    for (TzCurve& curve : curves) {
        r.readInt();  // curve number
        r.readInt();  // point count, always kPointsPerTzCurve
        curve.depth = r.readDouble();
        for (TransferPoint& p : curve.points) {
            p.loadTransfer = r.readDouble();
            p.movement = r.readDouble();
        }
    }
    return curves;
}

PlotFile readPlotBlocks(WordReader& r, ExtraTzBlock extraTz, QLatin1StringView& part);

}  // namespace

PlotFile readPlotFile(const QString& path, ExtraTzBlock extraTz) {
    WordReader reader(path);
    QLatin1StringView part = texts::kPlotPartHeader;
    try {
        return readPlotBlocks(reader, extraTz, part);
    } catch (const UserError& e) {
        // The reader's words say what went wrong; the file and the part it was in say where, and
        // what a complete file holds there.
        const int line = e.location() ? e.location()->line : 0;
        throw UserError(e.message() + u'\r' + QString(texts::kPlotPartExpected).arg(path).arg(line).arg(part),
                        e.location());
    }
}

PlotFile readPlotFile(WordReader& r, ExtraTzBlock extraTz) {
    QLatin1StringView part;
    return readPlotBlocks(r, extraTz, part);
}

namespace {

PlotFile readPlotBlocks(WordReader& r, ExtraTzBlock extraTz, QLatin1StringView& part) {
    PlotFile f;
    part = texts::kPlotPartHeader;
    // Block 1: curve count, rows per curve, unit system, load-transfer method.
    const int curves = readCount(r, kMethodCount, "capacity curves");
    f.rowCount = readCount(r, kMaxCapacityRows, "rows per curve");
    part = texts::kPlotPartCapacity;  // the rows announced must be in the file
    checkFits(r, static_cast<long long>(curves) * f.rowCount, 5);
    part = texts::kPlotPartHeader;
    f.units = r.readInt();
    f.loadTransferMethod = r.readInt();
    const auto rows = static_cast<std::size_t>(f.rowCount);

    // Block 2: per curve and row: depth, skin friction, tip (self weight in uplift), total
    // capacity, unit skin friction.
    part = texts::kPlotPartCapacity;
    f.capacityCurves.assign(static_cast<std::size_t>(curves), std::vector<CapacityRow>(rows));
    for (auto& curve : f.capacityCurves) {
        for (CapacityRow& row : curve) {
            row.depth = r.readDouble();
            row.skinFriction = r.readDouble();
            row.tipResistance = r.readDouble();
            row.totalCapacity = r.readDouble();
            row.unitSkinFriction = r.readDouble();
        }
    }

    // Block 3: the t-z curves generated along the shaft.
    // One curve per segment at most; at the extra depths one per depth.
    part = texts::kPlotPartTzCurves;
    f.tzCurves = readTzCurves(r, kMaxSegments + 1);

    // Block 4: load distribution, one row per capacity row at each load level.
    part = texts::kPlotPartLoadDistribution;
    checkFits(r, static_cast<long long>(kLoadLevels) * f.rowCount, 3);
    for (auto& level : f.loadDistribution) {
        level.resize(rows);
        for (LoadDistributionRow& row : level) {
            row.depth = r.readDouble();
            row.load = r.readDouble();
            row.movement = r.readDouble();
        }
    }

    // Block 5: load-settlement at the head and Q-w at the tip, one pair each per load level.
    part = texts::kPlotPartLoadSettlement;
    for (int level = 0; level < kLoadLevels; ++level) {
        const auto k = static_cast<std::size_t>(level);
        f.loadSettlement[k].load = r.readDouble();
        f.loadSettlement[k].movement = r.readDouble();
        f.qwCurve[k].load = r.readDouble();
        f.qwCurve[k].movement = r.readDouble();
    }

    // Block 6: t-z curves at the extra print depths.
    part = texts::kPlotPartExtraTz;
    if (extraTz == ExtraTzBlock::Present) f.extraTzCurves = readTzCurves(r, kMaxTzPrintDepths);
    return f;
}

}  // namespace

}  // namespace torve::app
