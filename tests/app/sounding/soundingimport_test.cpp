// From a test of a cone data file to the CPT points: qc or qt, depth, skipped rows, sorting, the
// averaging of long soundings and the units, with values worked out by hand beside each case.
#include "app/sounding/soundingimport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cmath>

#include "app/controls/usererror.h"
#include "app/sounding/agsreader.h"
#include "app/sounding/csvreader.h"
#include "app/sounding/soundingfile.h"

namespace {

using namespace torve::app;
using torve::CptPoint;
using Q = SoundingQuantity;
using torve::UnitSystem;

QString example(const char* name) {
    return QStringLiteral(TORVE_SOURCE_DIR "/examples/cpt/") + QLatin1StringView(name);
}

SoundingImport importExample(const char* name, const QString& test, UnitSystem units, ConeChoice choice) {
    const QString path = example(name);
    const Sounding s = readSoundingFile(path);
    return importSounding(soundingTest(s, test, path), path, units, choice);
}

void expectPoints(const SoundingImport& r, const std::vector<CptPoint>& expected, const char* what) {
    ASSERT_EQ(r.points.size(), expected.size()) << what;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(r.points[i].depth, expected[i].depth, 1e-9 * std::abs(expected[i].depth))
            << what << " point " << i;
        EXPECT_NEAR(r.points[i].qc, expected[i].qc, 1e-9 * std::abs(expected[i].qc))
            << what << " point " << i;
    }
}

TEST(SoundingImport, ExamplesGiveQtOrQcInKiloPascals) {
    struct Case {
        const char* file;
        const char* test;
        ConeChoice choice;
        bool usedQt;
        int skipped;
        std::vector<CptPoint> points;
    };
    const Case cases[] = {
        // CPT-01, a = 0.80, qc in MN/m2, u2 in kN/m2: qt = 1000 qc + 0.2 u2; 0.5 m has no u2 and takes
        // the file's qt 1.200 MN/m2; 2.0 m has no qc and no qt.
        {"two-soundings.ags",
         "CPT-01/1",
         ConeChoice::Default,
         true,
         1,
         {{0.5, 1200}, {1.0, 2000 + 0.2 * 100}, {1.5, 3500 + 0.2 * 50}, {2.5, 6250 - 0.2 * 20}}},
        {"two-soundings.ags",
         "CPT-01/1",
         ConeChoice::Qc,
         false,
         1,
         {{0.5, 1200}, {1.0, 2000}, {1.5, 3500}, {2.5, 6250}}},
        // The second test by its number; a = 0.75.
        {"two-soundings.ags",
         "2",
         ConeChoice::Qt,
         true,
         0,
         {{0.2, 800}, {0.4, 1600 + 0.25 * 40}, {0.6, 2400 + 0.25 * 80}}},
        // Penetration length, a = 0.70, everything in MPa; 0.2 m is void.
        {"sounding.gef",
         "",
         ConeChoice::Default,
         true,
         1,
         {{0.4, 1500 + 0.3 * 20}, {0.6, 2500 + 0.3 * 50}, {0.8, 4000 - 0.3 * 10}, {1.0, 3000 + 0.3 * 100}}},
        // Depth rather than penetration length; the first row has no qc, the second no u2, so qc.
        {"sounding.xml", "", ConeChoice::Default, false, 1, {{0.099, 1200}, {0.198, 2400}, {0.297, 3000}}},
        {"sounding.xml", "", ConeChoice::Qt, true, 2, {{0.198, 2400 + 0.25 * 40}, {0.297, 3000 + 0.25 * 60}}},
        // No area ratio and no qt: qc; 1.5 m has none.
        {"sounding.csv", "", ConeChoice::Default, false, 1, {{0.5, 1250}, {1.0, 2500}, {2.0, 5000}}},
    };
    for (const Case& c : cases) {
        const SoundingImport r = importExample(c.file, QString::fromLatin1(c.test), UnitSystem::SI, c.choice);
        EXPECT_EQ(r.usedQt, c.usedQt) << c.file << " " << c.test;
        EXPECT_EQ(r.skippedNoValue, c.skipped) << c.file << " " << c.test;
        EXPECT_EQ(r.interval, 0) << c.file;
        expectPoints(r, c.points, c.file);
    }
    EXPECT_EQ(importExample("sounding.gef", {}, UnitSystem::SI, ConeChoice::Default).depthFrom,
              Q::PenetrationLength);
    EXPECT_EQ(importExample("sounding.xml", {}, UnitSystem::SI, ConeChoice::Default).qtIncomplete, 1);
}

// 1 m = 1 / 0.3048 ft; 1 ksf = 1000 lbf / ft^2 = 4448.2216152605 N / 0.09290304 m^2 = 47.880259 kPa.
constexpr double kKiloPascalsPerKsf = 4.4482216152605 / (0.3048 * 0.3048);

TEST(SoundingImport, EnglishProjectsTakeFeetAndKsf) {
    const SoundingImport r = importExample("sounding.csv", {}, UnitSystem::English, ConeChoice::Qc);
    const std::vector<CptPoint> expected{{0.5 / 0.3048, 1250 / kKiloPascalsPerKsf},
                                         {1.0 / 0.3048, 2500 / kKiloPascalsPerKsf},
                                         {2.0 / 0.3048, 5000 / kKiloPascalsPerKsf}};
    ASSERT_EQ(r.points.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_DOUBLE_EQ(r.points[i].depth, expected[i].depth) << i;
        EXPECT_NEAR(r.points[i].qc, expected[i].qc, 1e-14 * expected[i].qc) << i;
    }
    const SoundingImport exact =
        importSounding(readCsvSounding("depth_ft,qc_ksf\n3.5,12.25\n", QStringLiteral("e.csv")).tests[0],
                       QStringLiteral("e.csv"), UnitSystem::English, ConeChoice::Qc);
    // Feet and ksf into an English project are taken as they are, not through metres and kPa.
    EXPECT_EQ(exact.points[0].depth, 3.5);
    EXPECT_EQ(exact.points[0].qc, 12.25);
}

TEST(SoundingImport, UnitsOfConeDataFiles) {
    const std::pair<const char*, double> stresses[] = {{"MPa", 1000},
                                                       {"MN/m2", 1000},
                                                       {"MN/m^2", 1000},
                                                       {"mpa", 1000},
                                                       {"kPa", 1},
                                                       {"kN/m2", 1},
                                                       {"Pa", 0.001},
                                                       {"ksf", kKiloPascalsPerKsf},
                                                       {"tsf", 2 * kKiloPascalsPerKsf},
                                                       {"psi", kKiloPascalsPerKsf * 0.144}};
    for (const auto& [unit, kPa] : stresses) {
        const std::optional<double> f = kiloPascalsPer(QString::fromLatin1(unit));
        ASSERT_TRUE(f) << unit;
        EXPECT_NEAR(*f, kPa, 1e-14 * kPa) << unit;
    }
    const std::pair<const char*, double> lengths[] = {{"m", 1}, {"cm", 0.01}, {"mm", 0.001}, {"ft", 0.3048}};
    for (const auto& [unit, m] : lengths) EXPECT_EQ(metresPer(QString::fromLatin1(unit)), m) << unit;
    for (const char* unknown : {"bar", "kg/cm2", "", "in"})
        EXPECT_FALSE(kiloPascalsPer(QString::fromLatin1(unknown))) << unknown;
}

TEST(SoundingImport, RefusalsNameTheFileAndTheCause) {
    struct Case {
        const char* csv;
        ConeChoice choice;
        const char* expected;
    };
    const Case cases[] = {
        {"depth_m,qc_bar\n1,2\n", ConeChoice::Default, "gives qc (column qc_bar) in bar; a unit of stress"},
        {"depth,qc_MPa\n1,2\n", ConeChoice::Default, "gives no unit for depth (column depth)"},
        // 1e306 MPa is 1e309 kPa, beyond the largest double.
        {"depth_m,qc_MPa\n1,2\n2,1e306\n", ConeChoice::Default,
         "at line 3, qc is beyond the range of numbers once converted to kPa"},
        {"depth_m,qc_MPa\n1,2\n", ConeChoice::Qt, "gives no qt"},
        {"depth_m,qc_MPa\n,2\n1,\n", ConeChoice::Default, "no row with both a depth and qc"},
    };
    for (const Case& c : cases) {
        const QString file = QStringLiteral("cone.csv");
        try {
            importSounding(readCsvSounding(c.csv, file).tests[0], file, UnitSystem::SI, c.choice);
            ADD_FAILURE() << c.csv;
        } catch (const UserError& e) {
            EXPECT_TRUE(e.message().contains(QLatin1StringView(c.expected))) << e.message().toStdString();
        }
    }
}

// What the next run would refuse in the CPT points file is refused at the import, with the line of
// the cone data file, in the project's units as that file holds them: qc above 1E+15 lb/ft2 or kPa,
// a depth above 1E+15 ft or m. They were imported, and the run then stopped on the CPT points file.
TEST(SoundingImport, ValuesTheRunWouldRefuseAreRefusedWithTheirLine) {
    struct Case {
        const char* csv;
        UnitSystem units;
        const char* expected;  // empty: imported
    };
    const Case cases[] = {
        {"depth_m,qc_kPa\n1,2\n2,2.2e33\n", UnitSystem::SI,
         "at line 3, as the CPT points file would hold it, expected at most 1E+15 in magnitude for the cone "
         "resistance, found 2.2e+33."},
        {"depth_m,qc_MPa\n4.4e90,2\n", UnitSystem::SI,
         "at line 2, as the CPT points file would hold it, expected at most 1E+15 in magnitude for the "
         "depth, found 4.4e+90."},
        // 1e14 kPa = 2.09e12 ksf: within range as the project shows it, 2.09e15 lb/ft2 in the file.
        {"depth_m,qc_kPa\n1,1e14\n", UnitSystem::English, "for the cone resistance, found 2088543423315"},
        {"depth_m,qc_kPa\n1,1e14\n", UnitSystem::SI, ""},
        // 1e305 MPa is finite in kPa and in ksf, but not in lb/ft2.
        {"depth_m,qc_MPa\n1,2\n2,1e305\n", UnitSystem::English, "found inf."},
        {"depth_m,qc_kPa\n1,-1e15\n2,1e15\n", UnitSystem::SI, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.csv);
        const QString file = QStringLiteral("cone.csv");
        try {
            importSounding(readCsvSounding(c.csv, file).tests[0], file, c.units, ConeChoice::Default);
            EXPECT_EQ(*c.expected, '\0') << "imported";
        } catch (const UserError& e) {
            EXPECT_TRUE(
                e.message().startsWith(QStringLiteral("The cone data file cone.csv cannot be imported")))
                << e.message().toStdString();
            EXPECT_NE(*c.expected, '\0') << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(QLatin1StringView(c.expected))) << e.message().toStdString();
        }
    }
}

// Files that hold no cone data are refused by name before a number is read from them: a script's
// digits ("for i in range(10)") would otherwise become depths and qc.
TEST(SoundingImport, FilesOfOtherKindsAreRefusedUnread) {
    struct Case {
        const char* name;
        QByteArray bytes;
        const char* expected;  // in the message; empty: the file may be cone data
    };
    const Case cases[] = {
        {"study.py", "for depth in range(10):\n    print(depth, 2 * depth)\n", "a .py file holds no columns"},
        {"STUDY.PY", "1 2\n", "a .py file holds no columns"},  // by extension, whatever the case
        {"cone.xlsx", "PK\x03\x04", "is a spreadsheet"},
        {"pile.tv6d", "Title\n", "a .tv6d file holds no columns"},
        {"cone.txt", QByteArray("1 2\n\0\x01", 7), "holds binary data"},
        {"cone.txt", "1.0 2500\n2.0 3100\n", ""},
        {"cone.dat", "1.0 2500\n", ""},
        {"points.cpt", " 2 1\n  1.00E+00  2.50E+03\n", ""},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        const QString path = dir.filePath(QLatin1StringView(c.name));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.bytes);
        f.close();
        const QString refused = notConeDataFile(path);
        if (*c.expected == 0) {
            EXPECT_TRUE(refused.isEmpty()) << c.name << ": " << refused.toStdString();
            continue;
        }
        EXPECT_TRUE(refused.startsWith(path)) << refused.toStdString();
        EXPECT_TRUE(refused.contains(QLatin1StringView(c.expected)))
            << c.name << ": " << refused.toStdString();
        // The reader of the exchange formats, which takes any other file for CSV, refuses it too.
        try {
            readSoundingFile(path);
            ADD_FAILURE() << c.name << " was read";
        } catch (const UserError& e) {
            EXPECT_EQ(e.message(), refused);
        }
    }
}

// An AGS4 file names a test by its location and its number: CPT-A holds two tests, CPT-B and 3 one
// each, CPT-C one without a number, so its id is the location alone. Tests in file order: 1 CPT-A/1,
// 2 CPT-A/2, 3 CPT-B/1, 4 3/1, 5 CPT-C.
TEST(SoundingImport, TestChosenByNameLocationOrNumber) {
    const QString file = QStringLiteral("site.ags");
    const Sounding s = readAgsSounding(
        "\"GROUP\",\"SCPT\"\n"
        "\"HEADING\",\"LOCA_ID\",\"SCPG_TESN\",\"SCPT_DPTH\",\"SCPT_RES\"\n"
        "\"UNIT\",\"\",\"\",\"m\",\"MPa\"\n"
        "\"DATA\",\"CPT-A\",\"1\",\"1.0\",\"1.0\"\n"
        "\"DATA\",\"CPT-A\",\"2\",\"1.0\",\"2.0\"\n"
        "\"DATA\",\"CPT-B\",\"1\",\"1.0\",\"3.0\"\n"
        "\"DATA\",\"3\",\"1\",\"1.0\",\"4.0\"\n"
        "\"DATA\",\"CPT-C\",\"\",\"1.0\",\"5.0\"\n",
        file);
    const QString all = QStringLiteral("CPT-A/1, CPT-A/2, CPT-B/1, 3/1, CPT-C");
    struct Case {
        const char* id;
        const char* chosen;  // the test's id, or nothing when refused
        QString message;     // when refused
    };
    const Case cases[] = {
        {"CPT-B/1", "CPT-B/1", {}},
        {"CPT-B", "CPT-B/1", {}},  // the location's only test
        {"CPT-C", "CPT-C", {}},
        {"2", "CPT-A/2", {}},
        // A location is a name, and names come before numbers: the third test is CPT-B/1.
        {"3", "3/1", {}},
        {"CPT-A", nullptr,
         QStringLiteral("The cone data file site.ags has 2 tests at location CPT-A; choose one of "
                        "CPT-A/1, CPT-A/2.")},
        {"CPT-D", nullptr,
         QStringLiteral("The cone data file site.ags has no test CPT-D; it has ") + all + u'.'},
        // Neither part of an id nor another case of a location names a test.
        {"CPT", nullptr, QStringLiteral("The cone data file site.ags has no test CPT; it has ") + all + u'.'},
        {"cpt-b", nullptr,
         QStringLiteral("The cone data file site.ags has no test cpt-b; it has ") + all + u'.'},
        {"6", nullptr, QStringLiteral("The cone data file site.ags has no test 6; it has ") + all + u'.'},
        {"", nullptr,
         QStringLiteral("The cone data file site.ags holds 5 tests; choose one of ") + all + u'.'},
    };
    for (const Case& c : cases) {
        try {
            const SoundingTest& t = soundingTest(s, QString::fromLatin1(c.id), file);
            if (c.chosen)
                EXPECT_EQ(t.id, QString::fromLatin1(c.chosen)) << c.id;
            else
                ADD_FAILURE() << c.id << " chose " << t.id.toStdString();
        } catch (const UserError& e) {
            EXPECT_EQ(e.message(), c.message) << c.id;
        }
    }
}

// Where only some rows have u2, qc is the default and qt leaves the others out.
TEST(SoundingImport, QtMissingInSomeRows) {
    const QString file = QStringLiteral("part.csv");
    SoundingTest t = readCsvSounding("depth_m,qc_MPa,u2_MPa\n1,2,0.1\n2,3,\n3,4,0.2\n", file).tests[0];
    t.areaRatio = 0.5;
    const SoundingImport byDefault = importSounding(t, file, UnitSystem::SI, ConeChoice::Default);
    EXPECT_FALSE(byDefault.usedQt);
    EXPECT_EQ(byDefault.qtIncomplete, 1);
    expectPoints(byDefault, {{1, 2000}, {2, 3000}, {3, 4000}}, "default");
    const SoundingImport qt = importSounding(t, file, UnitSystem::SI, ConeChoice::Qt);
    EXPECT_EQ(qt.skippedNoValue, 1);
    expectPoints(qt, {{1, 2000 + 0.5 * 100}, {3, 4000 + 0.5 * 200}}, "qt");
    EXPECT_TRUE(qt.summary(QStringLiteral("CSV")).contains(QStringLiteral("Rows without qt skipped: 1.")));
}

TEST(SoundingImport, RowsOutOfOrderAreSortedAndSaidSo) {
    const QString file = QStringLiteral("up.csv");
    const SoundingImport r =
        importSounding(readCsvSounding("depth_m,qc_kPa\n2,20\n1,10\n3,30\n", file).tests[0], file,
                       UnitSystem::SI, ConeChoice::Qc);
    EXPECT_TRUE(r.sorted);
    expectPoints(r, {{1, 10}, {2, 20}, {3, 30}}, "sorted");
}

// 2001 rows every 0.25 m from 0 to 500 m, qc = 4 x depth: intervals of 500 / 1000 = 0.5 m, two rows
// each (k = 2j, 2j + 1: mean depth 0.5 j + 0.125), the last interval also the bottom row (k = 1998 to
// 2000: mean depth 499.75). The bottom of the sounding is kept, not cut off.
TEST(SoundingImport, LongSoundingsAreAveragedOverEqualDepthIntervals) {
    QByteArray csv = "depth_m,qc_kPa\n";
    for (int k = 0; k <= 2000; ++k) csv += QByteArray::number(0.25 * k) + ',' + QByteArray::number(k) + '\n';
    const QString file = QStringLiteral("long.csv");
    const SoundingImport r =
        importSounding(readCsvSounding(csv, file).tests[0], file, UnitSystem::SI, ConeChoice::Qc);
    EXPECT_EQ(r.usable, 2001);
    EXPECT_EQ(r.interval, 0.5);
    ASSERT_EQ(r.points.size(), 1000u);
    EXPECT_EQ(r.points[0].depth, 0.125);
    EXPECT_EQ(r.points[0].qc, 0.5);
    EXPECT_EQ(r.points[500].depth, 250.125);
    EXPECT_EQ(r.points[999].depth, 499.75);
    EXPECT_EQ(r.points[999].qc, 1999);
    EXPECT_TRUE(r.summary(QStringLiteral("CSV"))
                    .contains(QStringLiteral("2001 rows averaged into 1000 points over equal depth intervals "
                                             "of 0.5 m (at most 1000 points can "
                                             "be used).")));

    // Intervals without a row give no point: rows at 0 and 10 m and 1000 rows between 9 and 10 m
    // fill the first interval (0 to 0.01 m) and the last hundred.
    std::vector<CptPoint> gap{{0, 1}};
    for (int k = 0; k < 1000; ++k) gap.push_back({9 + k / 1000.0, 2});
    gap.push_back({10, 3});
    EXPECT_DOUBLE_EQ(averageOverDepth(gap, 1000), 0.01);
    EXPECT_LE(gap.size(), 101u);
    EXPECT_EQ(gap.front().depth, 0);
    EXPECT_EQ(gap.front().qc, 1);

    // Depths spanning more than the largest double: the bottom half and the top half of the span,
    // each in its own interval.
    std::vector<CptPoint> wide{{-1e308, 1}, {-1e308, 3}, {1e308, 5}};
    averageOverDepth(wide, 2);
    ASSERT_EQ(wide.size(), 2u);
    EXPECT_EQ(wide[0].qc, 2);
    EXPECT_EQ(wide[1].depth, 1e308);
}

// fs, u2 and qt go along with the points, row for row, in the project's units, sorted with them and
// averaged over the same intervals; a test without any of them gives no readings.
TEST(SoundingImport, SleeveFrictionPorePressureAndQtGoAlongWithThePoints) {
    const QString file = QStringLiteral("fs.csv");
    // Rows out of order; 1.0 m has no fs; qt as the file gives it (no area ratio in a CSV).
    const SoundingImport r = importSounding(
        readCsvSounding("depth_m,qc_MPa,fs_kPa,u2_kPa,qt_MPa\n2,2.0,40,100,2.1\n1,1.0,,50,1.05\n3,3.0,60,,\n",
                        file)
            .tests[0],
        file, UnitSystem::SI, ConeChoice::Qc);
    expectPoints(r, {{1, 1000}, {2, 2000}, {3, 3000}}, "qc");
    const std::vector<torve::ConeReading> expected{
        {1, std::nullopt, 50.0, 1050.0}, {2, 40.0, 100.0, 2100.0}, {3, 60.0, std::nullopt, std::nullopt}};
    EXPECT_EQ(r.readings, expected);
    EXPECT_TRUE(
        r.summary(QStringLiteral("CSV"))
            .contains(QStringLiteral("Kept with the project beside the CPT points (PROJECT.cone.csv): "
                                     "fs, u2, qt.")));

    // In ft and ksf: 2 m = 6.5617 ft, 40 kPa = 40 / 47.880259 ksf.
    const SoundingImport en =
        importSounding(readCsvSounding("depth_m,qc_kPa,fs_kPa\n2,2000,40\n", file).tests[0], file,
                       UnitSystem::English, ConeChoice::Qc);
    ASSERT_EQ(en.readings.size(), 1u);
    EXPECT_NEAR(en.readings[0].depth, 2 / 0.3048, 1e-12);
    EXPECT_NEAR(*en.readings[0].fs, 40 / kKiloPascalsPerKsf, 1e-12);

    const SoundingImport none = importSounding(readCsvSounding("depth_m,qc_kPa\n1,10\n", file).tests[0], file,
                                               UnitSystem::SI, ConeChoice::Qc);
    EXPECT_TRUE(none.readings.empty());

    // Averaged as the points are: rows k = 0 .. 2000 every 0.25 m with fs = k on even rows only; the
    // interval of rows 2j and 2j + 1 keeps fs of row 2j alone.
    QByteArray csv = "depth_m,qc_kPa,fs_kPa\n";
    for (int k = 0; k <= 2000; ++k)
        csv +=
            QByteArray::number(0.25 * k) + ",1," + (k % 2 == 0 ? QByteArray::number(k) : QByteArray()) + '\n';
    const SoundingImport longer =
        importSounding(readCsvSounding(csv, file).tests[0], file, UnitSystem::SI, ConeChoice::Qc);
    ASSERT_EQ(longer.readings.size(), longer.points.size());
    EXPECT_EQ(longer.readings[1].depth, longer.points[1].depth);
    EXPECT_EQ(longer.readings[1].fs, 2.0);
    EXPECT_EQ(longer.readings[999].fs, 1999.0);  // rows 1998 and 2000
}

}  // namespace
