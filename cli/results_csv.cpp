// CSV texts of a run's tables.
#include "cli/results_csv.h"

#include "cli/csv_row.h"

namespace torve::cli {
namespace {

struct UnitNames {
    std::string length, force, stress, movement;
};

UnitNames unit_names(bool english) {
    if (english) return {" (ft)", " (kips)", " (ksf)", " (in)"};
    return {" (m)", " (kN)", " (kPa)", " (m)"};
}

std::string capacity(const RunResult& r, const UnitNames& u) {
    std::string t;
    CsvRow(t)
        .field("method")
        .field("depth" + u.length)
        .field("skin_friction" + u.force)
        .field((r.tension ? "self_weight" : "end_bearing") + u.force)
        .field("total" + u.force)
        .field("unit_skin_friction" + u.stress)
        .field("unit_end_bearing" + u.stress)
        .field("plug_controlled");
    for (const CapacityTable& m : r.methods) {
        const std::string_view name = method_info(m.method).name;
        for (std::size_t i = 0; i < m.depth.size(); ++i) {
            CsvRow(t)
                .field(name)
                .number(m.depth[i])
                .number(m.skin_friction[i])
                .number(m.end_bearing[i])
                .number(m.total[i])
                .number(m.unit_skin_friction[i])
                .number(m.unit_end_bearing[i])
                .integer(m.plug_controlled[i] ? 1 : 0);
        }
    }
    return t;
}

std::string load_settlement(const RunResult& r, const UnitNames& u) {
    std::string t;
    CsvRow(t)
        .field("level")
        .field("head_load" + u.force)
        .field("head_movement" + u.movement)
        .field("tip_load" + u.force)
        .field("tip_movement" + u.movement);
    for (std::size_t k = 0; k < r.load_levels.size(); ++k) {
        const LoadLevelResult& l = r.load_levels[k];
        CsvRow(t)
            .integer(static_cast<long long>(k) + 1)
            .number(l.head_load)
            .number(l.head_movement)
            .number(l.tip_load)
            .number(l.tip_movement);
    }
    return t;
}

std::string load_distribution(const RunResult& r, const UnitNames& u) {
    std::string t;
    CsvRow(t).field("level").field("depth" + u.length).field("load" + u.force).field("movement" + u.movement);
    for (std::size_t k = 0; k < r.load_levels.size(); ++k) {
        for (const PileState& p : r.load_levels[k].distribution)
            CsvRow(t)
                .integer(static_cast<long long>(k) + 1)
                .number(p.depth)
                .number(p.load)
                .number(p.movement);
    }
    return t;
}

void curve_header(std::string& t, const UnitNames& u) {
    CsvRow(t)
        .field("curve")
        .field("depth" + u.length)
        .field("point")
        .field("load_transfer" + u.stress)
        .field("movement" + u.movement);
}

void curve_rows(std::string& t, long long number, const TransferCurve& c) {
    for (std::size_t k = 0; k < kPointsPerTzCurve; ++k) {
        CsvRow(t)
            .integer(number)
            .number(c.depth)
            .integer(static_cast<long long>(k) + 1)
            .number(c.load_transfer[k])
            .number(c.movement[k]);
    }
}

std::string tz_curves(const RunResult& r, const UnitNames& u) {
    std::string t;
    curve_header(t, u);
    for (std::size_t i = 0; i < r.tz_curves.size(); ++i)
        curve_rows(t, static_cast<long long>(i) + 1, r.tz_curves[i]);
    return t;
}

std::string tip_curve(const RunResult& r, const UnitNames& u) {
    std::string t;
    CsvRow(t).field("point").field("load" + u.force).field("movement" + u.movement);
    // A stopped run has no curve: a header alone.
    if (r.load_levels.empty()) return t;
    for (std::size_t k = 0; k < kPointsPerTzCurve; ++k)
        CsvRow(t)
            .integer(static_cast<long long>(k) + 1)
            .number(r.tip_curve.load[k])
            .number(r.tip_curve.movement[k]);
    return t;
}

// Numbered by the print depths, with one row without values for a depth outside the soil, which
// has no curve.
std::string extra_tz_curves(const RunResult& r, const UnitNames& u) {
    std::string t;
    curve_header(t, u);
    for (std::size_t i = 0; i < r.extra_tz_curves.size(); ++i) {
        const PrintDepthCurve& c = r.extra_tz_curves[i];
        if (c.curve) {
            curve_rows(t, static_cast<long long>(i) + 1, *c.curve);
        } else {
            CsvRow(t).integer(static_cast<long long>(i) + 1).number(c.depth).empty().empty().empty();
        }
    }
    return t;
}

// The time after driving of the whole run and each soil type's set-up: the capacity, the load
// transfer and the load-settlement curve of the other files are those of this time.
std::string setup(const SetupApplied& s) {
    std::string t;
    CsvRow(t).field("days_after_driving").field("soil").field("a").field("t0_days").field("factor");
    CsvRow(t).number(s.days).field("sand").number(s.sand.a).number(s.sand.t0_days).number(s.sand_factor);
    CsvRow(t).number(s.days).field("clay").number(s.clay.a).number(s.clay.t0_days).number(s.clay_factor);
    return t;
}

}  // namespace

std::vector<CsvTable> results_csv(const RunResult& r) {
    const UnitNames u = unit_names(r.english);
    std::vector<CsvTable> out = {{"capacity", capacity(r, u)},
                                 {"load-settlement", load_settlement(r, u)},
                                 {"load-distribution", load_distribution(r, u)},
                                 {"tz-curves", tz_curves(r, u)},
                                 {"tip-curve", tip_curve(r, u)}};
    if (!r.extra_tz_curves.empty()) out.push_back({"extra-tz-curves", extra_tz_curves(r, u)});
    if (r.setup) out.push_back({"setup", setup(*r.setup)});
    return out;
}

}  // namespace torve::cli
