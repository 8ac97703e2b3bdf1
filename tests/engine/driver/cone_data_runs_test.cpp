// Runs of the cone-based methods on CPT data as the files give them: a profile written in the other
// unit system, and cone resistances so small that their ratios to the stresses come to nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "engine/driver/input_reader.h"
#include "engine/driver/run_analysis.h"
#include "engine/model/input_checks.h"
#include "engine/model/input_error.h"
#include "engine/model/project_codec.h"
#include "engine/model/unit_conversion.h"
#include "engine/model/whole_file.h"
#include "tests/support/project_text.h"
#include "tests/support/scratch_dir.h"

namespace torve {
namespace {

constexpr Method kConeMethods[] = {Method::Ngi, Method::IcpMtd, Method::Fugro, Method::Uwa, Method::Unified};

// An open pipe 914 x 864 mm, 20 m into sand to 40 m whose qc comes from the CPT points alone
// (S.I.), or its English counterpart 36 x 34 in, 60 ft into sand to 120 ft; every cone-based method
// selected, UWA giving the load transfers.
ProjectRecords pipe_in_sand(UnitSystem units) {
    ProjectRecords p = test::project();
    p.method_selection_flags = MethodFlags{};
    for (Method m : kConeMethods) (*p.method_selection_flags)[index_of(m)] = 1;
    p.load_transfer_method_code = code_of(Method::Uwa);
    p.offshore_data_flag = 1;
    if (units == UnitSystem::SI) {
        p.unit_system_code = 2;
        p.outside_diameter = 914, p.inside_diameter = 864, p.modulus_of_elasticity = 2.0e8;
        p.total_pile_length = 20, p.deepest_soil_depth = 40, p.computation_increment = 0.5;
        test::add_layer(p, test::sand_layer(0, 40, 10, 35, 0.8, 40));
    } else {
        p.outside_diameter = 36, p.inside_diameter = 34;
        p.total_pile_length = 60, p.deepest_soil_depth = 120;
        test::add_layer(p, test::sand_layer(0, 120, 60, 35, 0.8, 40));
    }
    return p;
}

RunResult run_of(const ProjectRecords& p, const std::string& cpt_text) {
    const RunInput in = parse_run_input(test::text_of(p), "p.tv6d", cpt_text, "p.cpt");
    return compute_analysis(in.in, in.cpt);
}

const CapacityTable& table_of(const RunResult& r, Method m) {
    for (const CapacityTable& t : r.methods)
        if (t.method == m) return t;
    throw std::runtime_error("no table");
}

// The same sounding written in kPa and m, or in lb/ft2 and ft (by 1 lb/ft2 = 0.04788025898 kPa and
// 1 ft = 0.3048 m): every method gives the same capacity from both. Read as if in the project's
// units, as the run used to read the English file, UWA's capacity at the tip came out 20.9 times
// the qc: far higher than from the same file in kPa.
TEST(ConeDataUnits, AProfileOfTheOtherSystemIsReadInTheProjectsUnits) {
    const ProjectRecords p = pipe_in_sand(UnitSystem::SI);
    const CptProfile kpa{2, {{0, 1000}, {10, 8000}, {40, 20000}}};
    CptProfile psf = cpt_profile_in(kpa, UnitSystem::English);
    ASSERT_EQ(psf.unit_code, 1);
    const RunResult si = run_of(p, write_cpt_records(kpa));
    const RunResult english = run_of(p, write_cpt_records(psf));
    ASSERT_EQ(si.status, RunStatus::Completed) << si.message;
    ASSERT_EQ(english.status, RunStatus::Completed) << english.message;
    for (Method m : kConeMethods) {
        SCOPED_TRACE(std::string(method_info(m).name));
        EXPECT_DOUBLE_EQ(table_of(english, m).total.back(), table_of(si, m).total.back());
    }
    // The run names the file it converted among its warnings, the check's words after the file's.
    const auto named = [](const RunResult& r) {
        return std::count_if(r.warnings.begin(), r.warnings.end(), [](const RunWarning& w) {
            return w.text.rfind(
                       "CPT data file \"p.cpt\", record 1 (unit code and row count): expected the "
                       "project's unit-system code 2 (S.I.), found 1 (English)",
                       0) == 0;
        });
    };
    EXPECT_EQ(named(english), 1);
    EXPECT_EQ(named(si), 0);
    ASSERT_EQ(english.load_levels.size(), si.load_levels.size());
    EXPECT_DOUBLE_EQ(english.load_levels.back().head_load, si.load_levels.back().head_load);
    // The English numbers taken as kPa: 20.9 times the qc, a far larger capacity.
    psf.unit_code = 2;
    const RunResult misread = run_of(p, write_cpt_records(psf));
    EXPECT_GT(table_of(misread, Method::Uwa).total.back(), 5 * table_of(si, Method::Uwa).total.back());
    // The in-memory run reads the profile the same way as the run from files.
    const InputData in = parse_input_data(test::text_of(p), "p.tv6d");
    psf.unit_code = 1;
    EXPECT_DOUBLE_EQ(table_of(compute_analysis(in, psf), Method::Uwa).total.back(),
                     table_of(si, Method::Uwa).total.back());
}

// A CPT file under a code of no unit system is refused by the run, named by the file and record.
TEST(ConeDataUnits, ACodeOfNoSystemIsRefused) {
    try {
        parse_run_input(test::text_of(pipe_in_sand(UnitSystem::SI)), "p.tv6d", " 0 1\n 0 1000\n", "p.cpt");
        ADD_FAILURE() << "read";
    } catch (const InputError& e) {
        EXPECT_EQ(
            std::string(e.what()),
            "CPT data file \"p.cpt\", record 1 (unit code and row count), line 1: expected a unit-system "
            "code of 1 (English) or 2 (S.I.), found 0: the units of the CPT points are not known.");
    }
}

bool all_finite(const RunResult& r) {
    for (const CapacityTable& t : r.methods)
        for (const auto* column : {&t.skin_friction, &t.end_bearing, &t.total, &t.unit_skin_friction})
            for (double v : *column)
                if (!std::isfinite(v)) return false;
    for (const LoadLevelResult& l : r.load_levels)
        if (!std::isfinite(l.head_load) || !std::isfinite(l.head_movement)) return false;
    return true;
}

// qc over the subnormals and tiny values, in a CPT file of either system: every cone-based method
// completes with finite capacities and curves (qc = 5e-324 gave UWA's shear modulus 185 qc /
// qc1N^0.75 with qc1N = 0, so an infinite dilation and NaN everywhere after it, and Unified's
// (qc/s'v)^-0.33 likewise), and the check warns of the readings and refuses nothing, as the run
// goes on.
TEST(ConeDataUnits, TinyConeResistancesGiveFiniteResults) {
    const double qcs[] = {
        4.9406564584124654e-324, 1e-320, 2.2250738585072014e-308, 1e-300, 1e-200, 1e-12, 1e-6};
    for (UnitSystem units : {UnitSystem::SI, UnitSystem::English}) {
        const ProjectRecords p = pipe_in_sand(units);
        const double deepest = p.deepest_soil_depth;
        for (double qc : qcs) {
            SCOPED_TRACE(testing::Message()
                         << (units == UnitSystem::SI ? "S.I., qc " : "English, qc ") << qc);
            const CptProfile cpt{code_of(units), {{0, qc}, {deepest, qc}}};
            const RunResult r = run_of(p, write_cpt_records(cpt));
            ASSERT_EQ(r.status, RunStatus::Completed) << r.message;
            ASSERT_EQ(r.methods.size(), std::size(kConeMethods));
            EXPECT_TRUE(all_finite(r));
            const std::vector<Finding> findings = check_project(p, cpt);
            EXPECT_EQ(first_refusal(findings), nullptr);
            EXPECT_TRUE(std::any_of(findings.begin(), findings.end(), [](const Finding& f) {
                return f.place.id == RecordId::CptRow && f.field == "cone resistance" && !f.is_error();
            }));
        }
    }
}

// A qc step of 10 to 2 MPa and back (12.5 and 13.5 m, rows of 0.5 m) on segment ends, or 0.1 mm
// below them: a segment above the step read its bottom at the value below the step, so the two
// soundings gave the Unified shaft 1310.3 and 1305.5 kN at the 15 m tip. Moving a step by 0.1 mm
// moves the friction of 0.1 mm of shaft alone: less than 0.05 kN here, at every depth.
TEST(ConeDataSteps, AStepOnASegmentEndReadsAsOneAHairBelowIt) {
    const auto run = [](const std::string& name) {
        const std::string base = "tests/data/reproducers/cpt-step-" + name + "-segment-ends";
        const RunInput in =
            parse_run_input(read_regular_file(test::source_path(base + ".tv6d")), base + ".tv6d",
                            read_regular_file(test::source_path(base + ".cpt")), base + ".cpt");
        return compute_analysis(in.in, in.cpt);
    };
    const RunResult on = run("on"), off = run("off");
    ASSERT_EQ(on.methods.size(), off.methods.size());
    ASSERT_FALSE(on.methods.empty());
    for (std::size_t m = 0; m < on.methods.size(); ++m) {
        const CapacityTable &a = on.methods[m], &b = off.methods[m];
        ASSERT_EQ(a.depth.size(), b.depth.size());
        for (std::size_t i = 0; i < a.depth.size(); ++i)
            EXPECT_NEAR(a.skin_friction[i], b.skin_friction[i], 0.05)
                << code_of(a.method) << " at " << a.depth[i];
    }
}

}  // namespace
}  // namespace torve
