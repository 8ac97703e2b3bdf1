// From a test of a cone data file to the project's CPT points.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "app/project/projectdata.h"
#include "app/sounding/sounding.h"

namespace torve::app {

// Which cone resistance the points take: qt when every row with qc has it (else qc), or the one named.
enum class ConeChoice { Default, Qc, Qt };

// The points of an import and what became of the test's rows on the way.
struct SoundingImport {
    std::vector<CptPoint> points;  // depth (ft | m), cone resistance (ksf | kPa), by depth
    // fs, u2 and qt at the depths of the points (ksf | kPa), averaged with them; empty when the test
    // gives none of them.
    std::vector<ConeReading> readings;
    QString test;
    UnitSystem units = UnitSystem::SI;
    SoundingQuantity depthFrom = SoundingQuantity::Depth;
    bool usedQt = false;
    bool qtGivenOnly = false;  // qt taken from the file's qt column alone, not from u2
    double areaRatio = kSoundingMissing;
    int rowsRead = 0;
    int skippedNoDepth = 0;
    int skippedNoValue = 0;  // rows with a depth but without qc (or qt when qt is used)
    int qtIncomplete = 0;    // rows with qc but without qt, when qt was available but qc is used
    bool sorted = false;
    int usable = 0;       // rows kept before averaging
    double interval = 0;  // depth interval of the averaging (ft | m); 0 when no averaging was needed

    // The lines the import reports to the user.
    QStringList summary(const QString& format) const;
};

// Meters per unit of length and kPa per unit of stress as cone data files write them, case aside in
// the prefixes only: m, cm, mm, ft; MPa, MN/m2, kPa, kN/m2, Pa, ksf, tsf, psi. Nullopt for others.
std::optional<double> metresPer(const QString& unit);
std::optional<double> kiloPascalsPer(const QString& unit);

// The points of `test` in the project's `units`: depth from the depth column (else penetration
// length), qc or qt as `choice` says, with qt = qc + (1 - a) u2 where u2 and the area ratio a are
// known and the file's own qt elsewhere. Rows without depth or the value are skipped and counted;
// rows out of order of depth are sorted; more than kMaxCptRows rows are averaged over equal depth
// intervals into at most kMaxCptRows points. Raises UserError naming `file` for a unit it does not
// know, a value that is not finite once converted, no qt when qt is asked for, or no usable row.
SoundingImport importSounding(const SoundingTest& test, const QString& file, UnitSystem units,
                              ConeChoice choice);

// Averages points in order of depth over `bins` equal intervals of depth between the first and the
// last, one point per interval that holds any: the mean depth and the mean value of its points.
// Returns the interval.
double averageOverDepth(std::vector<CptPoint>& points, int bins);

// The readings over the same intervals: each of fs, u2 and qt the mean of the readings of the
// interval that give it, absent where none does.
void averageReadingsOverDepth(std::vector<ConeReading>& readings, int bins);

}  // namespace torve::app
