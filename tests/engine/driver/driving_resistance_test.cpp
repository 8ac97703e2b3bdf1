// The resistance to driving of a whole pile against tip depth: the shaft recomputed for each tip,
// its slices, both unit systems, and the values a method lacks named with their depth.
#include "engine/driver/driving_resistance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "engine/driver/cone_readings_beside.h"
#include "engine/model/input_error.h"
#include "engine/model/unit_conversion.h"
#include "tests/support/cone_profiles.h"
#include "tests/support/scratch_dir.h"

namespace torve {
namespace {

// A 2 m x 50 mm open steel pipe in one layer of sand to 40 m: qc 15 MPa, gamma' 10 kN/m3
// (sigma'v = 10 z kPa), computed in 0.5 m increments.
InputData uniform_sand() {
    InputData in;
    in.units = UnitSystem::SI;
    in.outside_diameter = 2000;
    in.inside_diameter = 1900;
    in.enhanced_end_section_inside_diameter = 1900;
    in.total_pile_length = 35;
    in.computation_increment = 0.5;
    in.deepest_soil_depth = 40;
    for (double depth : {0.0, 40.0}) {
        SoilPoint p;
        p.depth = depth;
        p.soil_type = SoilType::Sand;
        p.unit_weight = 10;
        in.soil.push_back(p);
    }
    return in;
}

CptProfile uniform_cone() {
    return test::straight_cone(15000, 40, 15000);
}

// The same project in English units, every value converted by the exact definitions.
InputData in_english(InputData in) {
    const double psf_per_kpa = 1000 * kMetresPerFoot * kMetresPerFoot / kNewtonsPerPound;
    const double pcf_per_knm3 = psf_per_kpa * kMetresPerFoot;
    in.units = UnitSystem::English;
    for (double* mm : {&in.outside_diameter, &in.inside_diameter, &in.enhanced_end_section_inside_diameter})
        *mm /= 25.4;
    for (double* m : {&in.total_pile_length, &in.computation_increment, &in.deepest_soil_depth})
        *m /= kMetresPerFoot;
    for (SoilPoint& p : in.soil) {
        p.depth /= kMetresPerFoot;
        p.unit_weight *= pcf_per_knm3;
        p.cone_resistance *= psf_per_kpa;
    }
    return in;
}

TEST(DrivingResistance, ProfileOfTheOpenPipeInUniformSand) {
    // Worked independently by Simpson's rule on a fine grid, in kN. Alm & Hamre's base is the annulus
    // pi (2^2 - 1.9^2) / 4 = 0.30631 m2 under 0.15 qc (qc / 10 L)^0.2; UniSand-SRD's base
    // 0.4 x 15000 x 0.24224 x pi = 4566 kN at every depth. The shaft is within 0.5 % of the exact
    // integral on the 0.1 m grid, the base exact.
    struct Row {
        double tip, ah_shaft, ah_base, us_shaft, us_base;
    };
    const Row rows[] = {
        {5, 1672.5, 2156.6, 2001.7, 4565.7},
        {10, 3256.8, 1877.4, 3375.6, 4565.7},
        {20, 6285.6, 1634.4, 5514.6, 4565.7},
        {30, 9215.4, 1507.1, 7300.1, 4565.7},
    };
    const std::vector<double> tips{5, 10, 20, 30};
    const SrdProfile ah = compute_srd(uniform_sand(), uniform_cone(), SrdMethod::AlmHamre, tips);
    const SrdProfile us = compute_srd(uniform_sand(), uniform_cone(), SrdMethod::UnifiedSrd, tips);
    ASSERT_EQ(ah.status, RunStatus::Completed) << ah.message;
    ASSERT_EQ(us.status, RunStatus::Completed) << us.message;
    ASSERT_EQ(ah.depths.size(), 4u);
    ASSERT_EQ(us.depths.size(), 4u);
    EXPECT_TRUE(us.warnings.empty());
    for (std::size_t i = 0; i < 4; ++i) {
        const Row& r = rows[i];
        SCOPED_TRACE(r.tip);
        EXPECT_EQ(ah.depths[i].tip_depth, r.tip);
        EXPECT_NEAR(ah.depths[i].shaft, r.ah_shaft, 0.005 * r.ah_shaft);
        EXPECT_NEAR(ah.depths[i].base, r.ah_base, 0.1);
        EXPECT_NEAR(us.depths[i].shaft, r.us_shaft, 0.005 * r.us_shaft);
        EXPECT_NEAR(us.depths[i].base, r.us_base, 0.1);
        EXPECT_NEAR(ah.depths[i].total(), r.ah_shaft + r.ah_base, 0.005 * r.ah_shaft + 0.1);
    }
}

TEST(DrivingResistance, ShaftSlicesCoverThePileAndAddUpToItsShaft) {
    // Slices of the computation increment (0.5 m) from the surface; the last one ends at the tip.
    InputData in = uniform_sand();
    const SrdProfile p = compute_srd(in, uniform_cone(), SrdMethod::AlmHamre, {2.3, 7.75});
    ASSERT_EQ(p.status, RunStatus::Completed) << p.message;
    for (const SrdAtDepth& d : p.depths) {
        SCOPED_TRACE(d.tip_depth);
        ASSERT_EQ(d.slice_top.size(), static_cast<std::size_t>(std::ceil(d.tip_depth / 0.5)));
        EXPECT_EQ(d.slice_top.front(), 0);
        EXPECT_EQ(d.slice_bottom.back(), d.tip_depth);
        for (std::size_t i = 0; i < d.slice_top.size(); ++i) {
            EXPECT_LE(d.slice_bottom[i] - d.slice_top[i], 0.5 + 1e-12);
            if (i > 0) {
                EXPECT_EQ(d.slice_top[i], d.slice_bottom[i - 1]);
            }
        }
        EXPECT_NEAR(std::accumulate(d.slice_shaft.begin(), d.slice_shaft.end(), 0.0), d.shaft,
                    1e-9 * d.shaft);
        // Friction fatigue: the slice at the tip carries more than any slice of the same length above.
        EXPECT_GT(d.slice_shaft[d.slice_shaft.size() - 2], d.slice_shaft[1]);
    }
    // An increment above 1 m gives 1 m slices; a zero-friction length takes the friction off the top.
    in.computation_increment = 2;
    in.zero_friction_length = 3;
    const SrdProfile coarse = compute_srd(in, uniform_cone(), SrdMethod::AlmHamre, {10});
    ASSERT_EQ(coarse.status, RunStatus::Completed) << coarse.message;
    ASSERT_EQ(coarse.depths[0].slice_top.size(), 10u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(coarse.depths[0].slice_shaft[static_cast<std::size_t>(i)], 0);
    EXPECT_GT(coarse.depths[0].slice_shaft[3], 0);
}

TEST(DrivingResistance, EnglishProjectGivesTheSameResistanceInItsUnits) {
    // The same pile and sand in ft, in, lb/ft3 and lb/ft2 (qc entered with the layer here, so that
    // both readings of qc are tried): kips x 4.4482216152605 = kN.
    InputData si = uniform_sand();
    for (SoilPoint& p : si.soil) p.cone_resistance = 15000;
    const InputData en = in_english(si);
    const std::vector<double> tips_m{5, 12.5, 30};
    std::vector<double> tips_ft;
    for (double t : tips_m) tips_ft.push_back(t / kMetresPerFoot);
    for (SrdMethod m : {SrdMethod::AlmHamre, SrdMethod::UnifiedSrd}) {
        SCOPED_TRACE(srd_method_name(m));
        const SrdProfile a = compute_srd(si, CptProfile{}, m, tips_m);
        const SrdProfile b = compute_srd(en, CptProfile{}, m, tips_ft);
        ASSERT_EQ(a.status, RunStatus::Completed) << a.message;
        ASSERT_EQ(b.status, RunStatus::Completed) << b.message;
        EXPECT_TRUE(b.english);
        for (std::size_t i = 0; i < tips_m.size(); ++i) {
            EXPECT_NEAR(b.depths[i].shaft * kNewtonsPerPound, a.depths[i].shaft, 1e-9 * a.depths[i].shaft);
            EXPECT_NEAR(b.depths[i].base * kNewtonsPerPound, a.depths[i].base, 1e-9 * a.depths[i].base);
            EXPECT_EQ(b.depths[i].slice_top.size(), a.depths[i].slice_top.size());
        }
    }
    // The English CPT points file (ft, lb/ft2) read into the S.I. project gives the S.I. answer.
    const CptProfile english_cone{1,
                                  {{0, 15000 * 1000 * 0.09290304 / kNewtonsPerPound},
                                   {40 / kMetresPerFoot, 15000 * 1000 * 0.09290304 / kNewtonsPerPound}}};
    const SrdProfile a = compute_srd(uniform_sand(), uniform_cone(), SrdMethod::AlmHamre, {20});
    const SrdProfile b = compute_srd(uniform_sand(), english_cone, SrdMethod::AlmHamre, {20});
    ASSERT_EQ(b.status, RunStatus::Completed) << b.message;
    EXPECT_NEAR(b.depths[0].total(), a.depths[0].total(), 1e-6 * a.depths[0].total());
}

TEST(DrivingResistance, FactorsOnShaftAndBase) {
    const SrdProfile a = compute_srd(uniform_sand(), uniform_cone(), SrdMethod::AlmHamre, {10});
    const SrdProfile b =
        compute_srd(uniform_sand(), uniform_cone(), SrdMethod::AlmHamre, {10}, {0.8, 1.25, 29});
    ASSERT_EQ(b.status, RunStatus::Completed) << b.message;
    EXPECT_NEAR(b.depths[0].shaft, 0.8 * a.depths[0].shaft, 1e-9 * a.depths[0].shaft);
    EXPECT_NEAR(b.depths[0].base, 1.25 * a.depths[0].base, 1e-9 * a.depths[0].base);
    // tan 25 / tan 29 on the whole shaft: Alm & Hamre's friction is proportional to tan delta.
    const SrdProfile c = compute_srd(uniform_sand(), uniform_cone(), SrdMethod::AlmHamre, {10}, {1, 1, 25});
    EXPECT_NEAR(c.depths[0].shaft / a.depths[0].shaft, std::tan(25 * M_PI / 180) / std::tan(29 * M_PI / 180),
                1e-9);
}

// Sand to 6 m over clay to 40 m, with CPT points; clay readings of fs only where `with_fs`.
InputData sand_over_clay() {
    InputData in = uniform_sand();
    in.soil.clear();
    const auto point = [&](double depth, SoilType type) {
        SoilPoint p;
        p.depth = depth;
        p.soil_type = type;
        p.unit_weight = type == SoilType::Sand ? 10 : 8;
        in.soil.push_back(p);
    };
    point(0, SoilType::Sand);
    point(6, SoilType::Sand);
    point(6, SoilType::Clay);
    point(40, SoilType::Clay);
    return in;
}

CptProfile layered_cone(bool with_fs) {
    CptProfile c{2, {{0, 12000}, {5.9, 12000}, {6.1, 1500}, {40, 3000}}};
    if (with_fs) c.readings = {{6.1, 40.0, std::nullopt, 1600.0}, {40, 70.0, 400.0, 3200.0}};
    return c;
}

TEST(DrivingResistance, AlmHamreClayNeedsTheSleeveFrictionAndSaysWhere) {
    const SrdProfile without =
        compute_srd(sand_over_clay(), layered_cone(false), SrdMethod::AlmHamre, {5, 10});
    EXPECT_EQ(without.status, RunStatus::InputError);
    EXPECT_TRUE(without.depths.empty());
    EXPECT_EQ(
        without.message,
        "Alm & Hamre needs the sleeve friction fs in clay (a cone file imported with fs), which the project "
        "does not give at 6.00 m.");

    // With fs (and qt) the clay is computed: its base is 0.6 qt on the annulus, qt read from the
    // readings (1600 + (3200 - 1600) x 3.9 / 33.9 at 10 m) rather than the CPT points' qc.
    const SrdProfile with = compute_srd(sand_over_clay(), layered_cone(true), SrdMethod::AlmHamre, {5, 10});
    ASSERT_EQ(with.status, RunStatus::Completed) << with.message;
    const double qt = 1600 + 1600 * 3.9 / 33.9;
    EXPECT_NEAR(with.depths[1].base, 0.6 * qt * M_PI * (4 - 1.9 * 1.9) / 4, 1e-6);
    EXPECT_GT(with.depths[1].shaft, with.depths[0].shaft);

    // UniSand-SRD takes the clay by Alm & Hamre's rule, and says so.
    const SrdProfile us = compute_srd(sand_over_clay(), layered_cone(true), SrdMethod::UnifiedSrd, {5, 10});
    ASSERT_EQ(us.status, RunStatus::Completed) << us.message;
    ASSERT_EQ(us.warnings.size(), 1u);
    EXPECT_EQ(
        us.warnings[0].text,
        "UniSand-SRD is a method for sand: the clay, first at 6.00 m, takes Alm & Hamre's clay friction and "
        "tip resistance.");
    EXPECT_NEAR(us.depths[1].base, with.depths[1].base, 1e-9);
}

TEST(DrivingResistance, RefusesWhatItCannotCompute) {
    struct Case {
        std::vector<double> tips;
        SrdOptions options;
        std::string message;
    };
    const Case cases[] = {
        {{0}, {}, "Tip depth 1 must be a number below the ground surface."},
        {{5, NAN}, {}, "Tip depth 2 must be a number below the ground surface."},
        {{5, 5}, {}, "The tip depths must increase: 5.00 m is not below the one before it."},
        {{45}, {}, "The tip depth 45.00 m lies below the deepest soil depth (40.00 m)."},
        {{5}, {-1, 1, 29}, "The shaft factor of the resistance to driving must be 0 or more."},
        {{5}, {1, NAN, 29}, "The base factor of the resistance to driving must be 0 or more."},
        {{5}, {1, 1, 90}, "The interface friction angle must lie between 0 and 90 degrees."},
    };
    for (const Case& c : cases) {
        const SrdProfile p =
            compute_srd(uniform_sand(), uniform_cone(), SrdMethod::AlmHamre, c.tips, c.options);
        EXPECT_EQ(p.status, RunStatus::InputError) << c.message;
        EXPECT_EQ(p.message, c.message);
    }
    // Sand without any cone reading: qc is named with the depth.
    const SrdProfile none = compute_srd(uniform_sand(), CptProfile{}, SrdMethod::UnifiedSrd, {5});
    EXPECT_EQ(
        none.message,
        "UniSand-SRD needs the cone resistance qc (CPT points or a qc of the layer), which the project does "
        "not give at 0.00 m.");
}

// A run reads the readings beside the project into its CPT profile, in the points' units; without
// the file the profile stays as it is, and a damaged one is refused with its line.
TEST(DrivingResistance, ReadingsBesideTheProjectReachTheRun) {
    test::ScratchDir dir;
    const std::string project = dir.file("p.tv6d");
    CptProfile cpt = layered_cone(false);
    read_cone_readings_beside(project, cpt);
    EXPECT_TRUE(cpt.readings.empty());
    dir.write("p.cone.csv", "depth_m,fs_kPa,u2_kPa,qt_kPa\n6.1,40,,1600\n40,70,400,3200\n");
    read_cone_readings_beside(project, cpt);
    EXPECT_EQ(cpt.readings, layered_cone(true).readings);
    const SrdProfile p = compute_srd(sand_over_clay(), cpt, SrdMethod::AlmHamre, {10});
    EXPECT_EQ(p.status, RunStatus::Completed) << p.message;
    dir.write("p.cone.csv", "depth_m,fs_kPa,u2_kPa,qt_kPa\n6.1,40,,\n5,1,,\n");
    try {
        read_cone_readings_beside(project, cpt);
        ADD_FAILURE();
    } catch (const InputError& e) {
        EXPECT_EQ(e.place().line, 3u);
        EXPECT_EQ(e.place().file, dir.file("p.cone.csv"));
    }
}

}  // namespace
}  // namespace torve
