// The input data file of a project, record by record, as read from and written to disk.
#include "app/project/projectfile.h"

#include <QStringList>
#include <algorithm>

#include "app/controls/numbertext.h"
#include "app/graph/wordreader.h"

namespace torve::app {
namespace {

// The engine's table limits: 80 soil points, 100 t-z print depths, 100 section rows.
constexpr int kMaxSoilPoints = 80;

// A count must be within its limit (0: none) and no larger than what the rest of the file can
// hold, so a damaged count is reported instead of making room for millions of rows.
void checkCount(TWordReader& r, int n, int limit, int wordsPerItem, const char* what) {
    const qsizetype fits = r.WordsRemaining() / wordsPerItem;
    const qsizetype most = limit > 0 ? std::min<qsizetype>(limit, fits) : fits;
    if (n < 0 || n > most)
        r.Fail(QStringLiteral("A number of %1 from 0 to %2 was expected but not found.")
                   .arg(QLatin1String(what))
                   .arg(most));
}

int readCount(TWordReader& r, int limit, int wordsPerItem, const char* what) {
    const int n = r.ReadInteger();
    checkCount(r, n, limit, wordsPerItem, what);
    return n;
}

}  // namespace

TProjectFile TProjectFile::Read(const QString& path, bool currentFormat) {
    TWordReader r(path);
    return Read(r, currentFormat);
}

TProjectFile TProjectFile::Read(TWordReader& r, bool current) {
    TProjectFile f;
    f.currentFormat = current;
    f.title = r.ReadLine();
    f.designer = r.ReadLine();
    f.jobNumber = r.ReadLine();
    f.units = r.ReadInteger();
    f.printEvery = r.ReadInteger();
    const int points = readCount(r, kMaxSoilPoints, current ? 17 : 15, "soil points");
    if (points % 2 != 0)
        r.Fail(QStringLiteral("An even number of soil points (two per layer) was expected but not found."));
    f.perimeter = r.ReadFloat();
    f.tipArea = r.ReadFloat();
    f.outerDiameter = r.ReadFloat();
    f.innerDiameter = r.ReadFloat();
    f.modulus = r.ReadFloat();
    f.totalLength = r.ReadFloat();
    if (current) f.stickupLength = r.ReadFloat();
    f.endSectionLength = r.ReadFloat();
    f.endSectionInnerDiameter = r.ReadFloat();
    f.zeroFrictionLength = r.ReadFloat();
    f.incrementLength = r.ReadFloat();
    f.pileType = r.ReadInteger();
    f.taperAngle = r.ReadFloat();
    f.loadTransferMethod = r.ReadInteger();
    f.offshoreFlag = r.ReadInteger();
    if (current) {
        f.reducedCurves = r.ReadInteger();
        std::array<int, 9> flags{};
        for (int& flag : flags) flag = r.ReadInteger();
        f.capacityMethods = flags;
    }
    f.lastLayerBottom = r.ReadFloat();
    f.sectionArea = r.ReadFloat();
    for (int i = 0; i < points; ++i) {
        SoilPoint p;
        p.depth = r.ReadFloat();
        p.type = r.ReadFloat();
        if (p.type != 1.0 && p.type != 2.0)
            r.Fail(QStringLiteral("A soil type of 1 (sand) or 2 (clay) was expected but not found."));
        p.ko = r.ReadFloat();
        p.unitWeight = r.ReadFloat();
        p.frictionAngle = r.ReadFloat();
        p.nq = r.ReadFloat();
        p.maxFriction = r.ReadFloat();
        p.maxBearing = r.ReadFloat();
        p.undrained = r.ReadFloat();
        p.remoldedOrBlows = r.ReadFloat();
        p.ysr = r.ReadFloat();
        p.pi = r.ReadFloat();
        p.qc = r.ReadFloat();
        p.userFriction = r.ReadFloat();
        p.userBearing = r.ReadFloat();
        if (current) {
            p.sideFactor = r.ReadFloat();
            p.endFactor = r.ReadFloat();
        }
        f.points.push_back(p);
    }
    f.printExtraTz = r.ReadInteger();
    if (f.printExtraTz == 1) {
        const int n = readCount(r, 0, 1, "t-z print depths");
        for (int i = 0; i < n; ++i) f.tzDepths.push_back(r.ReadFloat());
    }
    f.loadingType = r.ReadInteger();
    f.tensionReduction = r.ReadFloat();
    f.drainedClay = r.ReadInteger();
    f.plugCondition = r.ReadInteger();
    f.sectionRowCount = r.ReadInteger();
    if (r.WordsLeftOnLine() > 0) f.areaMode = r.ReadInteger();
    if (f.sectionRowCount < 0) checkCount(r, f.sectionRowCount, 0, 2, "section rows");
    if (f.sectionRowCount > 1) {
        checkCount(r, f.sectionRowCount, 0, 2, "section rows");
        for (int i = 0; i < f.sectionRowCount; ++i) {
            const double depth = r.ReadFloat();
            const double area = r.ReadFloat();
            f.sectionRows.emplace_back(depth, area);
        }
    }
    if (current) {
        f.criticalDepthOption = r.ReadInteger();
        f.criticalDepth = r.ReadFloat();
    }
    return f;
}

QByteArray TProjectFile::Text() const {
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
    for (int flag : capacityMethods.value_or(std::array<int, 9>{})) flags << QString::number(flag);
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

}  // namespace torve::app
