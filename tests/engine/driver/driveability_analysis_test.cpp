// Driving a project's pile: the blow in the project's units, the bearing graph and the blow count
// against depth, from resistances to driving built by hand.
#include "engine/driver/driveability_analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <thread>
#include <utility>

#include "tests/engine/driver/driving_examples.h"

namespace torve {
namespace {

// A 10 t ram at 3 m/s (45 kJ) on the 914 x 20 mm check pile.
const Hammer kRam = test::drop_hammer(10000, 3);

SrdProfile profile(const InputData& in, const std::vector<double>& depths, double shaft_per_depth,
                   double base) {
    SrdProfile p;
    p.english = in.units == UnitSystem::English;
    for (double d : depths) {
        SrdAtDepth s = test::uniform_resistance(d, shaft_per_depth * d, base);
        // the shaft in two slices, two thirds of it in the lower half
        s.slice_top = {0, d / 2};
        s.slice_bottom = {d / 2, d};
        s.slice_shaft = {s.shaft / 3, 2 * s.shaft / 3};
        p.depths.push_back(s);
    }
    return p;
}

TEST(Driveability, ReportsTheBlowInTheProjectsUnits) {
    // One pile, one resistance: the English project gives the same set, its blows per ft are
    // 0.3048 / 0.25 of the blows per 0.25 m, its forces kips and its stresses ksi.
    const BlowResult si =
        drive_one_blow(test::check_pile_si(), kRam, test::uniform_resistance(40, 1500, 1500), 1, {});
    const BlowResult en =
        drive_one_blow(test::check_pile_english(), kRam,
                       test::uniform_resistance(40 / 0.3048, 1500 / 4.4482216, 1500 / 4.4482216), 1, {});
    ASSERT_FALSE(si.refusal);
    EXPECT_NEAR(en.set_m, si.set_m, 1e-3 * si.set_m);
    EXPECT_NEAR(en.blow_count, si.blow_count * 0.3048 / 0.25, 2e-3 * en.blow_count);
    EXPECT_NEAR(si.blow_count, 0.25 / si.set_m, 1e-12);
    EXPECT_NEAR(en.max_compression, si.max_compression / 6.894757, 2e-3 * en.max_compression);
    EXPECT_NEAR(en.head_force.at(10), si.head_force.at(10) / 4.4482216, 2e-3 * en.head_force.at(10));
    // The head's first peak is near Z v0 / A = 6842 kN / 0.056172 m2 = 121.8 MPa; the lumped pile
    // rings behind the front of a blow without cushion, by up to some 16 % further down.
    EXPECT_GE(si.max_compression, 121.8);
    EXPECT_LE(si.max_compression, 1.2 * 121.8);
    EXPECT_NEAR(si.enthru_kj, 45, 0.5 * 45);
    EXPECT_LE(si.enthru_kj, si.impact_energy_kj);
    EXPECT_EQ(si.segments, 40);
}

TEST(Driveability, TheBearingGraphRisesWithResistanceToRefusal) {
    const InputData in = test::check_pile_si();
    SrdAtDepth at_length = test::uniform_resistance(40, 3000, 1000);
    const BearingGraph g = bearing_graph(in, kRam, at_length, {1000, 2000, 4000, 8000, 30000}, {}, 2);
    ASSERT_EQ(g.status, RunStatus::Completed) << g.message;
    ASSERT_EQ(g.blows.size(), 5u);
    for (std::size_t i = 1; i + 1 < g.blows.size(); ++i)
        EXPECT_GT(g.blows[i].blow_count, g.blows[i - 1].blow_count) << g.resistance[i];
    EXPECT_TRUE(g.blows.back().refusal);  // 30 MN is far beyond what 45 kJ can move
    EXPECT_TRUE(std::isnan(g.blows.back().blow_count));

    struct Bad {
        SrdAtDepth distribution;
        std::vector<double> resistances;
        std::string message;
    };
    const Bad bad[] = {
        {test::uniform_resistance(40, 0, 0),
         {1000},
         "The resistance to driving at 40 m is 0: it gives no distribution over shaft and toe for the "
         "bearing graph."},
        {at_length,
         {1000, -5},
         "The assumed resistance -5 of the bearing graph is negative or not a finite number."},
        {at_length,
         {NAN},
         "The assumed resistance nan of the bearing graph is negative or not a finite number."},
        {test::uniform_resistance(45, 10, 10),
         {1000},
         "The tip depth 45 m is not within the pile's length of 40 m below the ground surface."},
    };
    for (const Bad& b : bad) {
        const BearingGraph e = bearing_graph(in, kRam, b.distribution, b.resistances, {}, 2);
        EXPECT_EQ(e.status, RunStatus::InputError);
        EXPECT_EQ(e.message, b.message);
        EXPECT_TRUE(e.blows.empty());
    }
}

TEST(Driveability, BlowCountAgainstDepthWithTheCumulativeBlows) {
    const InputData in = test::check_pile_si();
    const SrdProfile p = profile(in, {10, 20, 30, 40}, 60, 800);  // 60 kN per m of shaft
    const Driveability one = driveability(in, p, kRam, {}, 1);
    const Driveability two = driveability(in, p, kRam, {}, 2);
    ASSERT_EQ(one.status, RunStatus::Completed) << one.message;
    ASSERT_EQ(one.depth.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(one.blow_count[i], two.blow_count[i]) << "threads change nothing";
        EXPECT_DOUBLE_EQ(one.srd_total[i], 60 * one.depth[i] + 800);
        if (i > 0) {
            EXPECT_GT(one.blow_count[i], one.blow_count[i - 1]);
        }
    }
    // trapezoid of blows per metre (4 x blows per 0.25 m) between depths 10 m apart
    const double b = one.blow_count[0], c = one.blow_count[1];
    EXPECT_DOUBLE_EQ(one.cumulative_blows[0], 0);
    EXPECT_NEAR(one.cumulative_blows[1], 0.5 * (b + c) * 4 * 10, 1e-9);
    EXPECT_GT(one.max_compression[3], 0);

    SrdProfile failed;
    failed.status = RunStatus::InputError;
    failed.message = "fs is missing at 12.5 m";
    const Driveability f = driveability(in, failed, kRam, {});
    EXPECT_EQ(f.status, RunStatus::InputError);
    EXPECT_EQ(f.message, "fs is missing at 12.5 m");
    EXPECT_TRUE(f.depth.empty());
}

TEST(Driveability, SpreadsTheShaftOverTheSegmentsItsSlicesOverlap) {
    // Tip at 20 m of a 40 m pile: the head 20 m above ground; 40 segments of 1 m, the upper 20 in
    // the air. Slices 0-10 m with 100 kN and 10-20 m with 300 kN give 10 and 30 kN per segment.
    const InputData in = test::check_pile_si();
    SrdAtDepth r = test::uniform_resistance(20, 400, 500);
    r.slice_top = {0, 10};
    r.slice_bottom = {10, 20};
    r.slice_shaft = {100, 300};
    const WaveModel m = pile_wave_model(in, kRam, r, 2, {});
    ASSERT_EQ(m.masses.size(), 41u);  // the ram and 40 segments
    EXPECT_EQ(m.masses[20].shaft.ultimate, 0);
    EXPECT_NEAR(m.masses[21].shaft.ultimate, 2 * 10e3, 1e-6);
    EXPECT_NEAR(m.masses[40].shaft.ultimate, 2 * 30e3, 1e-6);
    EXPECT_NEAR(m.masses[40].toe.ultimate, 2 * 500e3, 1e-6);
    EXPECT_NEAR(m.masses[40].toe.quake, 0.0025, 1e-12);
    // sand: 0.16 s/m on the shaft, 0.50 s/m at the toe; each segment 7850 x 0.056172 x 1 = 441 kg
    EXPECT_NEAR(m.masses[30].shaft.damping, 0.16, 1e-12);
    EXPECT_NEAR(m.masses[40].toe.damping, 0.50, 1e-12);
    EXPECT_NEAR(m.masses[1].mass, 440.95, 0.01);
}

// A run of many blows tells its caller after each one, on the caller's own thread, and stops when
// told to: with one thread and with more than there are blows.
TEST(Driveability, TellsEachBlowOnTheCallersThreadAndStopsWhenTold) {
    const InputData in = test::check_pile_si();
    const SrdProfile p = profile(in, {10, 20, 30, 40}, 60, 800);
    const Driveability whole = driveability(in, p, kRam, {}, 1);
    ASSERT_EQ(whole.status, RunStatus::Completed) << whole.message;
    const SrdAtDepth at_length = test::uniform_resistance(40, 3000, 1000);
    const std::vector<double> resistances = {1000, 2000, 4000};
    for (unsigned jobs : {1u, 2u, 8u}) {
        SCOPED_TRACE(jobs);
        const std::thread::id caller = std::this_thread::get_id();
        std::vector<std::pair<int, int>> calls;
        bool elsewhere = false;
        int stop_at = 0;  // 0: never
        const DrivingProgress tell = [&](int done, int total) {
            calls.emplace_back(done, total);
            elsewhere = elsewhere || std::this_thread::get_id() != caller;
            return stop_at == 0 || done < stop_at;
        };
        const Driveability d = driveability(in, p, kRam, {}, jobs, tell);
        ASSERT_EQ(d.status, RunStatus::Completed) << d.message;
        EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{1, 4}, {2, 4}, {3, 4}, {4, 4}}));
        EXPECT_EQ(d.blow_count, whole.blow_count);  // telling changes nothing
        EXPECT_FALSE(elsewhere);

        calls.clear();
        stop_at = 2;
        const Driveability stopped = driveability(in, p, kRam, {}, jobs, tell);
        EXPECT_EQ(stopped.status, RunStatus::Stopped);
        EXPECT_TRUE(stopped.depth.empty());
        EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{1, 4}, {2, 4}}));

        // Told to stop after the last blow, the run is still stopped: its caller asked for no results.
        calls.clear();
        stop_at = 3;
        const BearingGraph g = bearing_graph(in, kRam, at_length, resistances, {}, jobs, tell);
        EXPECT_EQ(g.status, RunStatus::Stopped);
        EXPECT_TRUE(g.blows.empty());
        EXPECT_EQ(calls.size(), 3u);
        EXPECT_FALSE(elsewhere);
    }
}

TEST(Driveability, ACallbackThatThrowsFailsTheRunWithoutLeavingThreadsBehind) {
    const InputData in = test::check_pile_si();
    const SrdProfile p = profile(in, {10, 20, 30, 40}, 60, 800);
    for (unsigned jobs : {1u, 3u}) {
        int calls = 0;
        const Driveability d = driveability(in, p, kRam, {}, jobs, [&calls](int, int) -> bool {
            ++calls;
            throw std::runtime_error("the window went away");
        });
        EXPECT_EQ(d.status, RunStatus::InternalError) << jobs;
        EXPECT_EQ(d.message, "the window went away");
        EXPECT_EQ(calls, 1) << jobs;
    }
}

}  // namespace
}  // namespace torve
