// The load-settlement phase against the capacity of the method it uses: for every method, on the
// shipped examples and on profiles whose friction gathers near the tip, the springs carry the
// method's skin friction at the tip and the pile head never more than its ultimate capacity.
#include "engine/driver/load_settlement_phase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/driver/input_reader.h"
#include "engine/driver/penetration_phase.h"
#include "engine/driver/run_analysis.h"
#include "engine/driver/soil_spacing.h"
#include "engine/methods/shaft_springs.h"
#include "engine/model/rounded_constants.h"
#include "tests/support/project_text.h"
#include "tests/support/scratch_dir.h"

namespace torve {
namespace {

struct Case {
    std::string name;
    std::string input;
    std::string cpt;  // empty: no CPT data file
};

Case example(const std::string& name) {
    const std::string base = "examples/" + name;
    return {name, test::read_file(test::source_path(base + ".tv6d")),
            test::read_file(test::source_path(base + ".cpt"))};
}

void set_clay(SoilPointRecord& p, double su, double qc) {
    p.undrained_shear_strength = su;
    p.remolded_shear_strength_or_blow_count = su / 2;
    p.yield_stress_ratio = 2;
    p.plasticity_index = 30;
    p.cone_resistance = qc;
}

// Open pipe 1220 x 1170 mm, 35 m, sand over clay over sand (S.I.): the cone methods' friction
// rises towards the tip in the lower sand.
Case sand_clay_sand() {
    ProjectRecords p = test::project();
    p.unit_system_code = 2;
    p.print_interval = 5;
    p.outside_diameter = 1220;
    p.inside_diameter = 1170;
    p.modulus_of_elasticity = 2.1e8;
    p.total_pile_length = 35;
    p.computation_increment = 0.5;
    p.deepest_soil_depth = 45;
    p.offshore_data_flag = 1;
    auto upper = test::sand_layer(0, 15, 10, 34, 0.8, 40);
    upper.first.cone_resistance = 12000;
    upper.second.cone_resistance = 18000;
    auto clay = test::clay_layer(15, 25, 8, 80, 40);
    set_clay(clay.first, 80, 1500);
    set_clay(clay.second, 100, 2000);
    auto lower = test::sand_layer(25, 45, 10, 36, 0.8, 40);
    lower.first.cone_resistance = 20000;
    lower.second.cone_resistance = 30000;
    for (const auto& layer : {upper, clay, lower}) test::add_layer(p, layer);
    return {"sand-clay-sand 1.22 m pipe", test::text_of(p), ""};
}

// Open pipe 1000 x 975 mm, 20 m in clay (S.I.): the clay friction of the cone methods grows
// steeply over the last few metres above the tip. The printed curves, read linearly between
// their three depths per layer, carried 3410.3 kN at the head against a Unified capacity of
// 2276.8 kN.
Case open_pile_in_clay() {
    ProjectRecords p = test::project();
    p.unit_system_code = 2;
    p.print_interval = 5;
    p.outside_diameter = 1000;
    p.inside_diameter = 975;
    p.modulus_of_elasticity = 2.1e8;
    p.total_pile_length = 20;
    p.computation_increment = 0.5;
    p.deepest_soil_depth = 40;
    p.offshore_data_flag = 1;
    auto clay = test::clay_layer(0, 40, 8, 20, 10);
    set_clay(clay.first, 20, 300);
    set_clay(clay.second, 160, 3000);
    test::add_layer(p, clay);
    return {"open 1.0 m pile in clay", test::text_of(p), ""};
}

// 24 in closed pile, 60 ft with 5 ft of stickup, sand over clay (English), in compression and in
// tension.
Case closed_pile_english(bool tension) {
    ProjectRecords p = test::project();
    p.stickup_length = 5;
    p.offshore_data_flag = 1;
    auto sand = test::sand_layer(0, 20, 60, 30, 0.8, 20);
    sand.first.cone_resistance = 150000;
    sand.second.cone_resistance = 250000;
    auto clay = test::clay_layer(20, 100, 50, 1500, 700);
    set_clay(clay.first, 1500, 30000);
    set_clay(clay.second, 2500, 50000);
    test::add_layer(p, sand);
    test::add_layer(p, clay);
    if (tension) {
        p.loading_type_code = 1;
        p.tension_reduction_factor = 0.7;
    }
    return {tension ? "closed English pile in tension" : "closed English pile", test::text_of(p), ""};
}

std::vector<Case> cases() {
    return {example("open-pipe-offshore-si"),
            example("sand-over-clay-pipe-english"),
            example("precast-concrete-user-english"),
            sand_clay_sand(),
            open_pile_in_clay(),
            closed_pile_english(false),
            closed_pile_english(true)};
}

// The case's input with only `method` selected, as the load-transfer method, and with offshore
// data, so that every method runs on it.
InputData input_for(const Case& c, Method method) {
    InputData in = parse_input_data(c.input, "p.tv6d");
    in.offshore_data = 1;
    in.selected.fill(0);
    in.selected[index_of(method)] = 1;
    in.load_transfer_method = method;
    return in;
}

CptProfile cpt_of(const Case& c) {
    return c.cpt.empty() ? CptProfile{} : parse_cpt_data(c.cpt, "p.cpt");
}

TEST(LoadSettlementPhase, SpringsCarryTheSkinFrictionAtTheTip) {
    for (const Case& c : cases()) {
        for (Method method : kTableOrder) {
            InputData in = input_for(c, method);
            const Units units = units_of(in.units);
            const int n = static_cast<int>(segment_count(in.deepest_soil_depth, in.computation_increment));
            align_soil_points(in.soil, in.computation_increment);
            const PenetrationResults p = compute_penetration(in, units, cpt_of(c), n);
            ASSERT_TRUE(p.load_transfer.has_value()) << c.name;
            LoadTransferInput input;
            input.side_resistance = p.load_transfer->side_resistance;
            input.cone_resistance = p.load_transfer->cone_resistance;
            const double length = (in.stickup_length + in.total_pile_length) * units.solver_per_length;
            const std::vector<TzCurve> springs =
                shaft_springs(in, units, p.pile, p.profile, input, length, n);
            ASSERT_EQ(springs.size(), static_cast<std::size_t>(n));
            // Each spring at its tmax over its segment's shaft area, back in kips or kN.
            const double area = kPiCurves * p.pile.od_input / units.diameter_per_solver_length * length / n;
            double carried = 0;
            for (const TzCurve& s : springs) carried += s.tmax * area / units.solver_force_per_force;
            const double skin = p.load_transfer->skin_friction.back();
            EXPECT_NEAR(carried, skin, 1e-9 * std::max(skin, 1.0))
                << c.name << ", " << method_info(method).curve_label;
        }
    }
}

TEST(LoadSettlementPhase, HeadNeverCarriesMoreThanTheCapacityAtTheTip) {
    for (const Case& c : cases()) {
        for (Method method : kTableOrder) {
            const std::string what = c.name + ", " + std::string(method_info(method).curve_label);
            const RunResult r = compute_analysis(input_for(c, method), cpt_of(c));
            ASSERT_EQ(r.status, RunStatus::Completed) << what << ": " << r.message;
            ASSERT_EQ(r.methods.size(), 1u) << what;
            ASSERT_EQ(r.load_levels.size(), static_cast<std::size_t>(kLoadLevels)) << what;
            const double ultimate = r.methods.front().total.back();
            double largest = 0;
            for (const LoadLevelResult& level : r.load_levels) largest = std::max(largest, level.head_load);
            EXPECT_LE(largest, 1.005 * ultimate) << what << ": head " << largest << ", capacity " << ultimate;
        }
    }
}

}  // namespace
}  // namespace torve
