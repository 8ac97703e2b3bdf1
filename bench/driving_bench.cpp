// Speed of driving the largest project's pile: one blow, a bearing graph of ten resistances and a
// driveability run of 60 tip depths on one thread, against a resistance to driving built by hand
// (a shaft growing with depth in slices of 1.5 ft, a base of 400 kips).
#include <benchmark/benchmark.h>

#include "bench/largest_project.h"
#include "engine/driver/driveability_analysis.h"
#include "engine/driver/input_reader.h"
#include "tests/support/project_text.h"

namespace {

torve::InputData largest_input() {
    const std::string cpt = torve::test::cpt_text(1, torve::bench::cpt_rows());
    return torve::parse_run_input(torve::test::text_of(torve::bench::largest_project()), "largest.tv6d", cpt,
                                  "largest.cpt")
        .in;
}

// 10 t ram, 120 kJ rated at 0.8, a 3 t helmet, no cushion.
torve::Hammer hammer() {
    torve::Hammer h;
    h.name = "10 t, 120 kJ";
    h.ram_mass_kg = 10000;
    h.energy_kj = 120;
    h.efficiency = 0.8;
    h.helmet_mass_kg = 3000;
    return h;
}

torve::SrdAtDepth resistance_at(double tip) {
    torve::SrdAtDepth r;
    r.tip_depth = tip;
    r.base = 400;
    for (double z = 0; z < tip - 1e-9; z += 1.5) {
        const double bottom = std::min(tip, z + 1.5);
        r.slice_top.push_back(z);
        r.slice_bottom.push_back(bottom);
        r.slice_shaft.push_back(0.2 * (bottom - z) * (0.5 * (z + bottom)) / 10);  // kips
        r.shaft += r.slice_shaft.back();
    }
    return r;
}

void BM_OneBlow(benchmark::State& state) {
    const torve::InputData in = largest_input();
    const torve::SrdAtDepth r = resistance_at(in.total_pile_length);
    for (auto _ : state) benchmark::DoNotOptimize(torve::drive_one_blow(in, hammer(), r, 1, {}));
}
BENCHMARK(BM_OneBlow)->Unit(benchmark::kMillisecond);

void BM_BearingGraphOfTen(benchmark::State& state) {
    const torve::InputData in = largest_input();
    const torve::SrdAtDepth r = resistance_at(in.total_pile_length);
    std::vector<double> resistances;
    for (int i = 1; i <= 10; ++i) resistances.push_back(100.0 * i);
    for (auto _ : state) benchmark::DoNotOptimize(torve::bearing_graph(in, hammer(), r, resistances, {}, 1));
}
BENCHMARK(BM_BearingGraphOfTen)->Unit(benchmark::kMillisecond);

void BM_DriveabilityOf60Depths(benchmark::State& state) {
    const torve::InputData in = largest_input();
    torve::SrdProfile profile;
    for (int i = 1; i <= 60; ++i) profile.depths.push_back(resistance_at(in.total_pile_length * i / 60));
    for (auto _ : state) {
        const torve::Driveability d = torve::driveability(in, profile, hammer(), {}, 1);
        if (d.status != torve::RunStatus::Completed) state.SkipWithError(d.message.c_str());
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(BM_DriveabilityOf60Depths)->Unit(benchmark::kMillisecond);

}  // namespace
