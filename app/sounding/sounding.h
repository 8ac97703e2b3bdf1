// A cone penetration sounding as a site-investigation file holds it: tests, their columns with the
// file's own units, and rows, before any conversion into the project's CPT points.
#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <limits>
#include <vector>

namespace torve::app {

// The quantities of a sounding a CPT import can use.
enum class SoundingQuantity : std::size_t { PenetrationLength, Depth, Qc, Fs, U2, Qt };
inline constexpr std::size_t kSoundingQuantities = 6;

inline constexpr double kSoundingMissing = std::numeric_limits<double>::quiet_NaN();

// One row of a test; a quantity the row does not give (blank, void, not measured) is NaN.
struct SoundingRow {
    std::array<double, kSoundingQuantities> values{kSoundingMissing, kSoundingMissing, kSoundingMissing,
                                                   kSoundingMissing, kSoundingMissing, kSoundingMissing};
    int line = 0;  // where the row is in the file, counted from 1
    double& operator[](SoundingQuantity q) { return values[static_cast<std::size_t>(q)]; }
    double operator[](SoundingQuantity q) const { return values[static_cast<std::size_t>(q)]; }
};

// One cone penetration test: a location and test of an AGS4 file, a GEF file, a BRO document.
struct SoundingTest {
    QString id;
    // The location the test was made at, where the file names it apart from the test (AGS4 LOCA_ID,
    // to which the id adds the test's number SCPG_TESN); empty in other files.
    QString location;
    // Net area ratio a of the cone, for qt = qc + (1 - a) u2; NaN when the file does not give it.
    double areaRatio = kSoundingMissing;
    // Level of the start of the test (m) in the file's height system (GEF #ZID); NaN when not given.
    // Depths stay measured from the start of the test.
    double startLevel = kSoundingMissing;
    // The unit of each quantity's column as the file writes it, and the column's name in the file;
    // an empty name: the test has no such column, or the column is void in every row.
    std::array<QString, kSoundingQuantities> units;
    std::array<QString, kSoundingQuantities> columns;
    std::vector<SoundingRow> rows;

    bool has(SoundingQuantity q) const { return !columns[static_cast<std::size_t>(q)].isEmpty(); }
    const QString& unit(SoundingQuantity q) const { return units[static_cast<std::size_t>(q)]; }
};

// The tests of one file, in the order the file gives them.
struct Sounding {
    QString format;  // "AGS4", "GEF", "BRO-XML", "CSV"
    std::vector<SoundingTest> tests;
};

// The short name of a quantity in messages and listings: "depth", "qc", ...
QString soundingQuantityName(SoundingQuantity q);

// A column whose every row is void says nothing about the ground: it is dropped from the test, so
// that it is listed as absent rather than making every row incomplete.
void dropEmptyColumns(SoundingTest& test);

}  // namespace torve::app
