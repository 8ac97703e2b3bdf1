// From a test of a cone data file to the project's CPT points.
#include "app/sounding/soundingimport.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

#include "app/controls/usererror.h"
#include "app/project/cptpointsfile.h"
#include "app/sounding/texts.h"
#include "app/table/unitratio.h"
#include "app/table/units.h"

namespace torve::app {
namespace {

// A unit of a cone data file: its size in the base unit of its own system (m or kPa; ft or ksf),
// and which system that is, so that a value already in the project's system is scaled only.
struct FileUnit {
    double size;
    bool english;
};

QString normalUnit(QString unit) {
    unit = unit.trimmed().toLower().remove(u' ');
    unit.replace(QStringLiteral("^2"), QStringLiteral("2")).replace(QChar(0xB2), u'2');
    return unit;
}

std::optional<FileUnit> lengthUnit(const QString& unit) {
    const QString u = normalUnit(unit);
    if (u == u"m") return FileUnit{1, false};
    if (u == u"cm") return FileUnit{0.01, false};
    if (u == u"mm") return FileUnit{0.001, false};
    if (u == u"ft") return FileUnit{1, true};
    return std::nullopt;
}

std::optional<FileUnit> stressUnit(const QString& unit) {
    const QString u = normalUnit(unit);
    if (u == u"mpa" || u == u"mn/m2") return FileUnit{1000, false};
    if (u == u"kpa" || u == u"kn/m2") return FileUnit{1, false};
    if (u == u"pa" || u == u"n/m2") return FileUnit{0.001, false};
    if (u == u"ksf") return FileUnit{1, true};
    // A short ton force is 2 kips; a square foot is 144 square inches.
    if (u == u"tsf") return FileUnit{2, true};
    if (u == u"psi") return FileUnit{0.144, true};
    return std::nullopt;
}

// English units per S.I. unit of stress (ksf per kPa), as the project converts its CPT points.
double ksfPerKiloPascal() {
    return unitRatio(QStringLiteral("F1/L2^2"));
}

// The factor from a file's unit to the project's.
double lengthFactor(FileUnit u, UnitSystem to) {
    if (u.english == (to == UnitSystem::English)) return u.size;
    return u.english ? u.size * kMetresPerFoot : u.size / kMetresPerFoot;
}

double stressFactor(FileUnit u, UnitSystem to) {
    if (u.english == (to == UnitSystem::English)) return u.size;
    return u.english ? u.size / ksfPerKiloPascal() : u.size * ksfPerKiloPascal();
}

struct Column {
    bool present = false;
    double factor = 1;
};

Column column(const SoundingTest& test, SoundingQuantity q, const QString& file, UnitSystem to) {
    if (!test.has(q)) return {};
    const bool length = q == SoundingQuantity::Depth || q == SoundingQuantity::PenetrationLength;
    const QString expected = length ? QString(texts::kLengthUnits) : QString(texts::kStressUnits);
    const QString& unit = test.unit(q);
    const QString name = test.columns[static_cast<std::size_t>(q)];
    if (unit.trimmed().isEmpty())
        throw UserError(QString(texts::kSoundingNoUnit).arg(file, soundingQuantityName(q), name, expected));
    const std::optional<FileUnit> u = length ? lengthUnit(unit) : stressUnit(unit);
    if (!u)
        throw UserError(
            QString(texts::kSoundingUnit).arg(file, soundingQuantityName(q), name, unit, expected));
    return {true, length ? lengthFactor(*u, to) : stressFactor(*u, to)};
}

QString lengthName(UnitSystem u) {
    return u == UnitSystem::English ? QStringLiteral("ft") : QStringLiteral("m");
}
QString stressName(UnitSystem u) {
    return u == UnitSystem::English ? QStringLiteral("ksf") : QStringLiteral("kPa");
}

}  // namespace

std::optional<double> metresPer(const QString& unit) {
    const std::optional<FileUnit> u = lengthUnit(unit);
    if (!u) return std::nullopt;
    return lengthFactor(*u, UnitSystem::SI);
}

std::optional<double> kiloPascalsPer(const QString& unit) {
    const std::optional<FileUnit> u = stressUnit(unit);
    if (!u) return std::nullopt;
    return stressFactor(*u, UnitSystem::SI);
}

namespace {

// The interval of each of `count` values in order of depth, with `bins` equal intervals between the
// first depth and the last: the last value lies on the bottom of the last interval and belongs to it.
template <typename DepthOf>
std::vector<int> depthBins(std::size_t count, DepthOf depthOf, int bins, double* interval) {
    std::vector<int> bin(count, 0);
    if (count == 0) return bin;
    // In long doubles the span of any two finite depths is finite, so every index is a number.
    const long double top = depthOf(0);
    const long double span = (static_cast<long double>(depthOf(count - 1)) - top) / bins;
    if (interval) *interval = static_cast<double>(span);
    for (std::size_t i = 0; i < count; ++i)
        bin[i] = span > 0 ? static_cast<int>(std::min<long double>(bins - 1, (depthOf(i) - top) / span)) : 0;
    return bin;
}

}  // namespace

double averageOverDepth(std::vector<CptPoint>& points, int bins) {
    if (points.empty() || bins < 1) return 0;
    double interval = 0;
    const std::vector<int> bin = depthBins(
        points.size(), [&](std::size_t i) { return points[i].depth; }, bins, &interval);
    std::vector<CptPoint> averaged;
    averaged.reserve(static_cast<std::size_t>(bins));
    // Long doubles hold the sums of values near the largest double without overflowing.
    long double depthSum = 0, valueSum = 0;
    int count = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        depthSum += points[i].depth;
        valueSum += points[i].qc;
        ++count;
        if (i + 1 == points.size() || bin[i + 1] != bin[i]) {
            averaged.push_back(
                {static_cast<double>(depthSum / count), static_cast<double>(valueSum / count)});
            depthSum = valueSum = 0;
            count = 0;
        }
    }
    points = std::move(averaged);
    return interval;
}

void averageReadingsOverDepth(std::vector<ConeReading>& readings, int bins) {
    if (readings.empty() || bins < 1) return;
    const std::vector<int> bin = depthBins(
        readings.size(), [&](std::size_t i) { return readings[i].depth; }, bins, nullptr);
    constexpr std::optional<double> ConeReading::*fields[] = {&ConeReading::fs, &ConeReading::u2,
                                                              &ConeReading::qt};
    std::vector<ConeReading> averaged;
    long double depthSum = 0;
    long double sums[3] = {0, 0, 0};
    int counts[3] = {0, 0, 0};
    int count = 0;
    for (std::size_t i = 0; i < readings.size(); ++i) {
        depthSum += readings[i].depth;
        ++count;
        for (std::size_t f = 0; f < 3; ++f) {
            if (const std::optional<double>& v = readings[i].*fields[f]) {
                sums[f] += *v;
                ++counts[f];
            }
        }
        if (i + 1 == readings.size() || bin[i + 1] != bin[i]) {
            ConeReading r;
            r.depth = static_cast<double>(depthSum / count);
            for (std::size_t f = 0; f < 3; ++f) {
                if (counts[f] > 0) r.*fields[f] = static_cast<double>(sums[f] / counts[f]);
                sums[f] = 0;
                counts[f] = 0;
            }
            averaged.push_back(r);
            depthSum = 0;
            count = 0;
        }
    }
    readings = std::move(averaged);
}

SoundingImport importSounding(const SoundingTest& test, const QString& file, UnitSystem units,
                              ConeChoice choice) {
    using Q = SoundingQuantity;
    SoundingImport r;
    r.test = test.id;
    r.units = units;
    r.rowsRead = static_cast<int>(test.rows.size());
    r.depthFrom = test.has(Q::Depth) ? Q::Depth : Q::PenetrationLength;
    const Column depth = column(test, r.depthFrom, file, units);
    const Column qc = column(test, Q::Qc, file, units);
    const Column givenQt = column(test, Q::Qt, file, units);
    const bool ratioKnown = std::isfinite(test.areaRatio) && test.areaRatio >= 0 && test.areaRatio <= 1;
    const Column u2 = ratioKnown ? column(test, Q::U2, file, units) : Column{};
    r.areaRatio = ratioKnown ? test.areaRatio : kSoundingMissing;
    r.qtGivenOnly = !u2.present;
    if (!qc.present && !givenQt.present && choice != ConeChoice::Qt)
        throw UserError(QString(texts::kSoundingNoPoints).arg(test.id, QStringLiteral("qc")));
    if (choice == ConeChoice::Qt && !u2.present && !givenQt.present)
        throw UserError(QString(texts::kSoundingNoQt).arg(test.id));

    const auto refuseInfinite = [&](int line, Q q) {
        const bool length = q == Q::Depth || q == Q::PenetrationLength;
        throw UserError(QString(texts::kSoundingNotFinite)
                            .arg(file)
                            .arg(line)
                            .arg(soundingQuantityName(q), length ? lengthName(units) : stressName(units)));
    };
    const auto converted = [&](const SoundingRow& row, Q q, const Column& c) {
        const double v = row[q] * c.factor;
        if (std::isinf(v)) refuseInfinite(row.line, q);
        return v;
    };
    // qt of a row from qc and u2 where both are known, else as the file gives it; NaN when neither.
    const auto qtOf = [&](const SoundingRow& row) {
        if (qc.present && u2.present && !std::isnan(row[Q::Qc]) && !std::isnan(row[Q::U2])) {
            const double v = converted(row, Q::Qc, qc) + (1 - test.areaRatio) * converted(row, Q::U2, u2);
            if (std::isinf(v)) refuseInfinite(row.line, Q::Qt);
            return v;
        }
        if (givenQt.present && !std::isnan(row[Q::Qt])) return converted(row, Q::Qt, givenQt);
        return kSoundingMissing;
    };

    bool useQt = choice == ConeChoice::Qt;
    if (choice == ConeChoice::Default && (u2.present || givenQt.present)) {
        int withQt = 0;
        for (const SoundingRow& row : test.rows) {
            if (std::isnan(row[r.depthFrom]) || std::isnan(row[Q::Qc])) continue;
            if (std::isnan(qtOf(row)))
                ++r.qtIncomplete;
            else
                ++withQt;
        }
        useQt = withQt > 0 && r.qtIncomplete == 0;
        if (useQt || withQt == 0) r.qtIncomplete = 0;
    }
    if (!qc.present && !useQt)
        throw UserError(QString(texts::kSoundingNoPoints).arg(test.id, QStringLiteral("qc")));
    r.usedQt = useQt;

    // fs and u2 only go along with the points: a column in a unit unknown here is left behind
    // rather than refusing the cone resistance the import is for.
    const auto alongside = [&](Q q) {
        try {
            return column(test, q, file, units);
        } catch (const UserError&) {
            return Column{};
        }
    };
    const Column fs = alongside(Q::Fs);
    const Column rawU2 = u2.present ? u2 : alongside(Q::U2);
    const bool keepReadings = fs.present || rawU2.present || u2.present || givenQt.present;
    const auto reading = [&](const SoundingRow& row, double depthValue) {
        ConeReading c;
        c.depth = depthValue;
        if (fs.present && !std::isnan(row[Q::Fs])) c.fs = converted(row, Q::Fs, fs);
        if (rawU2.present && !std::isnan(row[Q::U2])) c.u2 = converted(row, Q::U2, rawU2);
        if (const double qt = qtOf(row); !std::isnan(qt)) c.qt = qt;
        return c;
    };
    r.points.reserve(test.rows.size());
    std::vector<ConeReading> readings;
    for (const SoundingRow& row : test.rows) {
        if (std::isnan(row[r.depthFrom])) {
            ++r.skippedNoDepth;
            continue;
        }
        const double value = useQt                    ? qtOf(row)
                             : std::isnan(row[Q::Qc]) ? kSoundingMissing
                                                      : converted(row, Q::Qc, qc);
        if (std::isnan(value)) {
            ++r.skippedNoValue;
            continue;
        }
        const CptPoint point{converted(row, r.depthFrom, depth), value};
        // Refused here, with its line, what the next run would refuse in the CPT points file.
        if (const std::optional<QString> refused = cptPointRefusal(point, units))
            throw UserError(QString(texts::kSoundingRefused).arg(file).arg(row.line).arg(*refused));
        r.points.push_back(point);
        if (keepReadings) readings.push_back(reading(row, point.depth));
    }
    if (r.points.empty())
        throw UserError(QString(texts::kSoundingNoPoints)
                            .arg(test.id, useQt ? QStringLiteral("qt") : QStringLiteral("qc")));
    const auto byDepth = [](const CptPoint& a, const CptPoint& b) { return a.depth < b.depth; };
    if (!std::is_sorted(r.points.begin(), r.points.end(), byDepth)) {
        std::stable_sort(r.points.begin(), r.points.end(), byDepth);
        // Sorted the same way, the readings stay beside their points.
        std::stable_sort(readings.begin(), readings.end(),
                         [](const ConeReading& a, const ConeReading& b) { return a.depth < b.depth; });
        r.sorted = true;
    }
    r.usable = static_cast<int>(r.points.size());
    if (r.usable > kMaxCptRows) {
        r.interval = averageOverDepth(r.points, kMaxCptRows);
        averageReadingsOverDepth(readings, kMaxCptRows);
    }
    const bool anyReading = std::any_of(readings.begin(), readings.end(),
                                        [](const ConeReading& c) { return c.fs || c.u2 || c.qt; });
    if (anyReading) r.readings = std::move(readings);
    return r;
}

QStringList SoundingImport::summary(const QString& format) const {
    const QLocale c = QLocale::c();
    const auto number = [&](double v) { return c.toString(v, 'g', 6); };
    QStringList lines;
    lines << QString(texts::kSummaryTest).arg(test, format);
    lines << QString(texts::kSummaryRows).arg(rowsRead);
    if (skippedNoDepth > 0) lines << QString(texts::kSummarySkippedDepth).arg(skippedNoDepth);
    if (skippedNoValue > 0)
        lines << QString(texts::kSummarySkippedQc)
                     .arg(skippedNoValue)
                     .arg(usedQt ? QStringLiteral("qt") : QStringLiteral("qc"));
    lines << QString(texts::kSummaryDepthFrom).arg(soundingQuantityName(depthFrom));
    if (!usedQt)
        lines << QString(texts::kSummaryUsesQc);
    else if (qtGivenOnly)
        lines << QString(texts::kSummaryUsesQtGiven);
    else
        lines << QString(texts::kSummaryUsesQt).arg(number(areaRatio));
    if (qtIncomplete > 0) lines << QString(texts::kSummaryQtIncomplete).arg(qtIncomplete);
    if (sorted) lines << QString(texts::kSummarySorted);
    const QString length = lengthName(units);
    if (interval > 0 || usable > static_cast<int>(points.size()))
        lines << QString(texts::kSummaryAveraged)
                     .arg(usable)
                     .arg(points.size())
                     .arg(number(interval), length)
                     .arg(kMaxCptRows);
    if (!readings.empty()) {
        QStringList kept;
        for (const auto& [field, name] :
             {std::pair{&ConeReading::fs, "fs"}, std::pair{&ConeReading::u2, "u2"},
              std::pair{&ConeReading::qt, "qt"}}) {
            // Copied first: clang 14 refuses to capture a structured binding.
            const auto member = field;
            if (std::any_of(readings.begin(), readings.end(),
                            [member](const ConeReading& c) { return (c.*member).has_value(); }))
                kept << QLatin1String(name);
        }
        lines << QString(texts::kSummaryReadings).arg(kept.join(QStringLiteral(", ")));
    }
    if (!points.empty())
        lines << QString(texts::kSummaryPoints)
                     .arg(points.size())
                     .arg(number(points.front().depth), number(points.back().depth), length);
    return lines;
}

}  // namespace torve::app
