// The input data file of a project, record by record, as read from and written to disk.
#include "app/project/projectfile.h"

#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>

#include "app/controls/numbertext.h"
#include "app/controls/usererror.h"
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
    // A count within its limit that the rest of the file cannot hold: the file was cut short.
    if (n >= 0 && (limit <= 0 || n <= limit) && n > fits)
        r.fail(QString(texts::kCountBeyondFile).arg(n).arg(QLatin1String(what)));
    if (n < 0 || n > most) r.fail(QString(texts::kCountExpected).arg(QLatin1String(what)).arg(most));
}

int readCount(WordReader& r, int limit, int wordsPerItem, const char* what) {
    const int n = r.readInt();
    checkCount(r, n, limit, wordsPerItem, what);
    return n;
}

using Tables = ProjectTables;
using namespace Qt::StringLiterals;

// The value itself, or a UserError naming `field` when it is no finite number.
double checkedFinite(double v, const QString& field) {
    if (std::isfinite(v)) return v;
    const QLatin1StringView what = std::isnan(v) ? "NAN"_L1 : (v < 0 ? "-INF"_L1 : "INF"_L1);
    throw UserError(QString(texts::kNotSavedNotFinite).arg(field).arg(what));
}

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

// Reading, one function per record of the file's layout (engine/model/file_format.h); each checks
// that it reads as many fields as the layout names.

// Record 4; returns the number of soil points, whose lines must fit in what is left of the file.
int readUnitsAndCounts(WordReader& r, ProjectFile& f) {
    static_assert(records::kUnitsAndCounts.size() == 3);
    r.beginRecord();
    f.units = r.readInt();
    f.printEvery = r.readInt();
    constexpr int kWordsPerPoint =
        static_cast<int>(records::kSoilPointFirstLine.size() + records::kSoilPointSecondLine.size());
    const int points =
        readCount(r, kMaxSoilPoints, f.currentFormat ? kWordsPerPoint : kWordsPerPoint - 2, "soil points");
    if (points % 2 != 0) r.fail(texts::kEvenSoilPointsExpected);
    return points;
}

void readPileSection(WordReader& r, ProjectFile& f) {
    static_assert(records::kPileSection.size() == 7);
    r.beginRecord();
    for (double* v :
         {&f.perimeter, &f.tipArea, &f.outerDiameter, &f.innerDiameter, &f.modulus, &f.totalLength})
        *v = r.readDouble();
    if (f.currentFormat) f.stickupLength = r.readDouble();
}

void readEndSection(WordReader& r, ProjectFile& f) {
    static_assert(records::kEndSection.size() == 2);
    r.beginRecord();
    f.endSectionLength = r.readDouble();
    f.endSectionInnerDiameter = r.readDouble();
}

void readOptions(WordReader& r, ProjectFile& f) {
    static_assert(records::kOptions.size() == 7);
    r.beginRecord();
    f.zeroFrictionLength = r.readDouble();
    f.incrementLength = r.readDouble();
    f.pileType = r.readInt();
    f.taperAngle = r.readDouble();
    f.loadTransferMethod = r.readInt();
    f.offshoreFlag = r.readInt();
    if (f.currentFormat) f.reducedCurves = r.readInt();
}

void readMethodFlags(WordReader& r, ProjectFile& f) {
    ProjectFile::MethodFlags flags{};
    r.beginRecord();
    // Flags past the ninth are written only when set, on the ninth flag's line: a file without them
    // reads as not selecting those methods, and readers that take nine values keep working.
    for (std::size_t m = 0; m < flags.size(); ++m) {
        if (m >= kAlwaysWrittenMethodFlags && r.wordsLeftOnLine() == 0) break;
        flags[m] = r.readInt();
    }
    f.capacityMethods = flags;
}

void readSoilDepth(WordReader& r, ProjectFile& f) {
    static_assert(records::kSoilDepth.size() == 2);
    r.beginRecord();
    f.lastLayerBottom = r.readDouble();
    f.sectionArea = r.readDouble();
}

ProjectFile::SoilPoint readSoilPoint(WordReader& r, bool current) {
    static_assert(records::kSoilPointFirstLine.size() == 6 && records::kSoilPointSecondLine.size() == 11);
    ProjectFile::SoilPoint p;
    r.beginRecord();
    p.depth = r.readDouble();
    p.type = r.readDouble();
    if (p.type != 1.0 && p.type != 2.0) r.fail(texts::kSoilTypeExpected);
    for (double* v : {&p.ko, &p.unitWeight, &p.frictionAngle, &p.nq}) *v = r.readDouble();
    r.beginRecord();
    for (double* v : {&p.maxFriction, &p.maxBearing, &p.undrained, &p.remoldedOrBlows}) *v = r.readDouble();
    // A sand point's SPT blow count is held as a whole number; a fraction would be rounded away
    // unseen, and the engine would no longer read the project it was given.
    if (p.type == 1.0 &&
        (p.remoldedOrBlows != std::trunc(p.remoldedOrBlows) || std::fabs(p.remoldedOrBlows) > 2147483647.0))
        r.fail(texts::kWholeBlowCountExpected);
    for (double* v : {&p.ysr, &p.pi, &p.qc, &p.userFriction, &p.userBearing}) *v = r.readDouble();
    if (current) {
        p.sideFactor = r.readDouble();
        p.endFactor = r.readDouble();
    }
    return p;
}

void readTzPrint(WordReader& r, ProjectFile& f) {
    static_assert(records::kTzPrint.size() == 2);
    r.beginRecord();
    f.printExtraTz = r.readInt();
    if (f.printExtraTz != 1) return;
    const int n = readCount(r, 0, 1, "t-z print depths");
    for (int i = 0; i < n; ++i) {
        r.beginRecord();
        f.tzDepths.push_back(r.readDouble());
    }
}

void readLoading(WordReader& r, ProjectFile& f) {
    static_assert(records::kLoading.size() == 2);
    r.beginRecord();
    f.loadingType = r.readInt();
    f.tensionReduction = r.readDouble();
}

void readDrainageAndPlug(WordReader& r, ProjectFile& f) {
    static_assert(records::kDrainageAndPlug.size() == 2);
    r.beginRecord();
    f.drainedClay = r.readInt();
    f.plugCondition = r.readInt();
}

void readSectionTable(WordReader& r, ProjectFile& f, bool* modeInferred) {
    static_assert(records::kSectionTable.size() == 2 && records::kSectionRow.size() == 2);
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
    const bool rows = f.currentFormat && f.areaMode
                          ? *f.areaMode >= static_cast<int>(SectionMode::VaryingWithDepth)
                          : f.sectionRowCount > 1;
    if (!rows) return;
    checkCount(r, f.sectionRowCount, 0, 2, "section rows");
    for (int i = 0; i < f.sectionRowCount; ++i) {
        r.beginRecord();
        const double depth = r.readDouble();
        const double area = r.readDouble();
        f.sectionRows.emplace_back(depth, area);
    }
}

void readCriticalDepth(WordReader& r, ProjectFile& f) {
    static_assert(records::kCriticalDepth.size() == 2);
    r.beginRecord();
    f.criticalDepthOption = r.readInt();
    f.criticalDepth = r.readDouble();
}

// Writing, one function per record, each line built field by field in the order of the layout.
// Own fields go in general form with up to 10 significant digits, table values in the shortest form
// that reads back to the same value, and "0.0" where the engine ignores a value.
class LineOut {
  public:
    // `where` completes a field's name in messages ("%2 of soil point 3", %2 the name); empty for
    // own fields.
    explicit LineOut(QString where = {}) : where_(std::move(where)) {}

    LineOut& real(double v, std::string_view field) { return add(formatGeneral(finite(v, field), 10, u'.')); }
    LineOut& cell(double v, std::string_view field) { return add(shortestText(finite(v, field))); }
    LineOut& integer(long long v) { return add(QString::number(v)); }
    LineOut& filler() { return add(QStringLiteral("0.0")); }
    QString text() const { return words_.join(u' '); }

  private:
    LineOut& add(const QString& word) {
        words_ << word;
        return *this;
    }
    double finite(double v, std::string_view field) const {
        const QString name = QString::fromLatin1(field.data(), static_cast<qsizetype>(field.size()));
        return checkedFinite(v, where_.isEmpty() ? name : where_.arg(name));
    }

    QString where_;
    QStringList words_;
};

QString oneLine(const QString& s) {
    QString t = s;
    t.replace(u'\r', u' ');
    t.replace(u'\n', u' ');  // a line break would shift every later record
    return t;
}

QString unitsAndCountsLine(const ProjectFile& f) {
    static_assert(records::kUnitsAndCounts.size() == 3);
    return LineOut()
        .integer(f.units)
        .integer(f.printEvery)
        .integer(static_cast<long long>(f.points.size()))
        .text();
}

QString pileSectionLine(const ProjectFile& f) {
    constexpr auto& n = records::kPileSection;
    static_assert(n.size() == 7);
    return LineOut()
        .real(f.perimeter, n[0])
        .real(f.tipArea, n[1])
        .real(f.outerDiameter, n[2])
        .real(f.innerDiameter, n[3])
        .real(f.modulus, n[4])
        .real(f.totalLength, n[5])
        .real(f.stickupLength.value_or(0), n[6])
        .text();
}

QString endSectionLine(const ProjectFile& f) {
    constexpr auto& n = records::kEndSection;
    static_assert(n.size() == 2);
    return LineOut().real(f.endSectionLength, n[0]).real(f.endSectionInnerDiameter, n[1]).text();
}

QString optionsLine(const ProjectFile& f) {
    constexpr auto& n = records::kOptions;
    static_assert(n.size() == 7);
    return LineOut()
        .real(f.zeroFrictionLength, n[0])
        .real(f.incrementLength, n[1])
        .integer(f.pileType)
        .real(f.taperAngle, n[3])
        .integer(f.loadTransferMethod)
        .integer(f.offshoreFlag)
        .integer(f.reducedCurves.value_or(0))
        .text();
}

QString methodFlagsLine(const ProjectFile& f) {
    LineOut line;
    const ProjectFile::MethodFlags flags = f.capacityMethods.value_or(ProjectFile::MethodFlags{});
    for (std::size_t m = 0; m < flags.size(); ++m)
        if (m < kAlwaysWrittenMethodFlags || flags[m] != 0) line.integer(flags[m]);
    return line.text();
}

QString soilDepthLine(const ProjectFile& f) {
    constexpr auto& n = records::kSoilDepth;
    static_assert(n.size() == 2);
    return LineOut().real(f.lastLayerBottom, n[0]).real(f.sectionArea, n[1]).text();
}

// The two lines of soil point i (from 0). A sand point writes its blow count where a clay point has
// its remolded strength, and fillers where the engine ignores a value of the other soil.
QStringList soilPointLines(const ProjectFile::SoilPoint& p, std::size_t i) {
    constexpr auto& a = records::kSoilPointFirstLine;
    constexpr auto& b = records::kSoilPointSecondLine;
    static_assert(a.size() == 6 && b.size() == 11);
    const bool sand = p.type == 1.0;
    const QString where = QString(texts::kSoilPointField).arg(i + 1);
    LineOut first(where);
    if (i == 0)
        first.filler();  // the first point is at the surface
    else
        first.cell(p.depth, a[0]);
    first.integer(sand ? 1 : 2);
    if (sand)
        first.cell(p.ko, a[2]).cell(p.unitWeight, a[3]).cell(p.frictionAngle, a[4]).cell(p.nq, a[5]);
    else
        first.filler().cell(p.unitWeight, a[3]).filler().filler();
    LineOut second(where);
    second.cell(p.maxFriction, b[0]).cell(p.maxBearing, b[1]);
    if (sand)
        second.filler().integer(static_cast<long long>(p.remoldedOrBlows)).filler().filler();
    else
        second.cell(p.undrained, b[2]).cell(p.remoldedOrBlows, b[3]).cell(p.ysr, b[4]).cell(p.pi, b[5]);
    second.cell(p.qc, b[6])
        .cell(p.userFriction, b[7])
        .cell(p.userBearing, b[8])
        .cell(p.sideFactor.value_or(1), b[9])
        .cell(p.endFactor.value_or(1), b[10]);
    return {first.text(), second.text()};
}

QStringList tzPrintLines(const ProjectFile& f) {
    static_assert(records::kTzPrint.size() == 2);
    if (f.printExtraTz != 1) return {QString::number(f.printExtraTz)};
    QStringList lines{LineOut().integer(1).integer(static_cast<long long>(f.tzDepths.size())).text()};
    for (std::size_t i = 0; i < f.tzDepths.size(); ++i)
        lines << LineOut(QString(texts::kTzDepthField).arg(i + 1))
                     .cell(f.tzDepths[i], records::kTzPrintDepth)
                     .text();
    return lines;
}

QString loadingLine(const ProjectFile& f) {
    constexpr auto& n = records::kLoading;
    static_assert(n.size() == 2);
    return LineOut().integer(f.loadingType).real(f.tensionReduction, n[1]).text();
}

QString drainageAndPlugLine(const ProjectFile& f) {
    static_assert(records::kDrainageAndPlug.size() == 2);
    return LineOut().integer(f.drainedClay).integer(f.plugCondition).text();
}

QStringList sectionLines(const ProjectFile& f) {
    constexpr auto& n = records::kSectionRow;
    static_assert(records::kSectionTable.size() == 2 && n.size() == 2);
    QStringList lines{LineOut()
                          .integer(static_cast<long long>(f.sectionRows.size()))
                          .integer(f.areaMode.value_or(0))
                          .text()};
    for (std::size_t i = 0; i < f.sectionRows.size(); ++i) {
        const auto& [depth, area] = f.sectionRows[i];
        lines
            << LineOut(QString(texts::kSectionRowField).arg(i + 1)).cell(depth, n[0]).cell(area, n[1]).text();
    }
    return lines;
}

QString criticalDepthLine(const ProjectFile& f) {
    constexpr auto& n = records::kCriticalDepth;
    static_assert(n.size() == 2);
    return LineOut()
        .integer(f.criticalDepthOption.value_or(0))
        .real(f.criticalDepth.value_or(0), n[1])
        .text();
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
    ProjectFile f;
    f.currentFormat = format == ProjectFormat::Current;
    f.title = r.readLine();
    f.designer = r.readLine();
    f.jobNumber = r.readLine();
    const int points = readUnitsAndCounts(r, f);
    readPileSection(r, f);
    readEndSection(r, f);
    readOptions(r, f);
    if (f.currentFormat) readMethodFlags(r, f);
    readSoilDepth(r, f);
    for (int i = 0; i < points; ++i) f.points.push_back(readSoilPoint(r, f.currentFormat));
    readTzPrint(r, f);
    readLoading(r, f);
    readDrainageAndPlug(r, f);
    readSectionTable(r, f, modeInferred);
    if (f.currentFormat) readCriticalDepth(r, f);
    return f;
}

QByteArray ProjectFile::text() const {
    // One line per record but for records 10, 11 and 14, whose points, depths and rows take a line
    // each. A value that is no finite number stops the writing: the engine could not read the
    // file, nor could this program open it again.
    QStringList out;
    out << oneLine(title) << oneLine(designer) << oneLine(jobNumber);
    out << unitsAndCountsLine(*this) << pileSectionLine(*this) << endSectionLine(*this) << optionsLine(*this)
        << methodFlagsLine(*this) << soilDepthLine(*this);
    for (std::size_t i = 0; i < points.size(); ++i) out << soilPointLines(points[i], i);
    out << tzPrintLines(*this) << loadingLine(*this) << drainageAndPlugLine(*this) << sectionLines(*this)
        << criticalDepthLine(*this);
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
    pileInto(d);
    methodsInto(d);
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

void ProjectFile::pileInto(ProjectData& d) const {
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
    d.lastLayerBottom = lastLayerBottom;
    d.sectionArea = sectionArea;
}

void ProjectFile::methodsInto(ProjectData& d) const {
    d.loadTransferMethod = static_cast<Method>(loadTransferMethod);
    d.reducedResistance = reducedCurves.value_or(0) == 1;
    if (capacityMethods) {
        for (std::size_t m = 0; m < d.selectedMethods.size(); ++m)
            d.selectedMethods[m] = (*capacityMethods)[m] == 1;
        return;
    }
    // Files of the previous version hold no selection flags; what they computed is in the method table.
    for (const MethodInfo& m : kMethods) {
        const bool offered = !m.cone_based || d.offshoreEdition;
        switch (m.previous_format) {
            case PreviousFormat::NotSelected:
                d.setSelected(m.method, false);
                break;
            case PreviousFormat::Selected:
                d.setSelected(m.method, offered);
                break;
            case PreviousFormat::SelectedWhenLoadTransfer:
                d.setSelected(m.method, offered && d.loadTransferMethod == m.method);
                break;
        }
    }
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
    f.tablesFrom(d, tables);
    f.loadingType = static_cast<int>(d.loadingType);
    f.tensionReduction = d.tensionReduction;
    f.drainedClay = static_cast<int>(d.clayDrainage);
    f.plugCondition = static_cast<int>(d.plugCondition);
    f.areaMode = static_cast<int>(d.sectionMode);
    f.criticalDepthOption = static_cast<int>(d.criticalDepthOption);
    f.criticalDepth = d.criticalDepth;
    return f;
}

void ProjectFile::tablesFrom(const ProjectData& d, const ProjectTables& tables) {
    const GridTable& layers = tables.soilLayers;
    for (int i = 0; i < layers.rowCount(); ++i)
        for (int row = 0; row < 2; ++row) points.push_back(soilPoint(layers, i, row));
    // The deepest soil depth the engine checks the pile against is the bottom of the last layer as
    // the table now holds it, not as some earlier file gave it.
    lastLayerBottom = layers.rowCount() > 0
                          ? layers.cell(Tables::BottomDepthColumn, layers.rowCount() - 1).toDouble()
                          : d.lastLayerBottom;
    printExtraTz = d.printExtraTz ? 1 : 0;
    if (d.printExtraTz)
        for (int i = 0; i < tables.tzPrintDepths.rowCount(); ++i)
            tzDepths.push_back(tables.tzPrintDepths.cell(0, i).toDouble());
    // Section rows go with the varying mode only: the engine reads them for that mode alone, and any
    // other count would shift the critical-depth record it reads next.
    if (static_cast<int>(d.sectionMode) >= static_cast<int>(SectionMode::VaryingWithDepth)) {
        const GridTable& s = tables.sectionAreas;
        for (int i = 0; i < s.rowCount(); ++i)
            sectionRows.emplace_back(s.cell(0, i).toDouble(), s.cell(1, i).toDouble());
    }
    sectionRowCount = static_cast<int>(sectionRows.size());
}

}  // namespace torve::app
