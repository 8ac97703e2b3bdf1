// The checks and the phases of a run, from input already read to its results.
#include "engine/driver/compute_analysis.h"

#include <exception>

#include "engine/driver/clay_data_warnings.h"
#include "engine/driver/cone_data_extent.h"
#include "engine/driver/fixed_format.h"
#include "engine/driver/input_error.h"
#include "engine/driver/load_settlement_phase.h"
#include "engine/driver/penetration_phase.h"
#include "engine/driver/run_analysis.h"
#include "engine/driver/soil_spacing.h"
#include "engine/driver/tip_row.h"
#include "engine/model/unit_conversion.h"

namespace torve {

double required_soil_depth(const InputData& in, const Units& units) {
    return in.total_pile_length + 2.0 * in.outside_diameter / units.diameter_per_length;
}

bool soil_points_short(const InputData& in, const Units& units) {
    return in.soil.back().depth < required_soil_depth(in, units);
}

std::vector<DataWarning> data_warnings(const InputData& in, const CptProfile& cpt, const Units& units) {
    std::vector<DataWarning> warnings = clay_data_warnings(in);
    if (auto w = cone_data_extent_warning(in, cpt, units)) warnings.push_back(std::move(*w));
    if (auto w = tip_row_warning(in)) warnings.push_back(std::move(*w));
    return warnings;
}

std::optional<PenetrationResults> compute_penetration(const InputData& in, const CptProfile& cpt,
                                                      RunResult& result, InputData& aligned,
                                                      const std::optional<SetupRequest>& setup) {
    std::optional<SetupRates> rates;
    if (setup) {
        rates = setup_rates(*setup);
        result.setup = SetupApplied{rates->days,
                                    rates->sand,
                                    rates->clay,
                                    setup_factor(rates->sand, rates->days),
                                    setup_factor(rates->clay, rates->days),
                                    {}};
        // The soil a point's own rate applies to: down to the next point, where there is any soil.
        for (std::size_t i = 0; i + 1 < in.soil.size(); ++i) {
            const SoilPoint& p = in.soil[i];
            if (!p.constants.setup_a && !p.constants.setup_t0_days) continue;
            if (!(in.soil[i + 1].depth > p.depth)) continue;
            const SetupRate rate = setup_rate_of(*rates, p.is_sand(), p.constants);
            result.setup->own_rates.push_back({static_cast<int>(i / 2) + 1, p.depth, in.soil[i + 1].depth,
                                               p.is_sand(), rate, setup_factor(rate, rates->days)});
        }
    }
    // What the input reader refuses and the computation could not survive.
    if (in.soil.size() < 2 || !(in.computation_increment > 0))
        throw InputError(
            "The input cannot be computed: it needs two soil points and a positive "
            "computation increment.");
    const Units& units = units_of(in.units);
    result.english = units.english();
    result.tension = in.tension();
    result.load_transfer_method = in.load_transfer_method;
    for (const InputData::Note& note : in.input_notes)
        result.warnings.push_back({std::nullopt, note.depth, note.text});
    const double required = required_soil_depth(in, units);
    // The soil must reach two pile diameters below the tip. A deepest soil point above that only
    // warns (the soil below it is extrapolated); a deepest soil depth above it stops the run.
    if (soil_points_short(in, units)) {
        result.warnings.push_back({std::nullopt, in.soil.back().depth,
                                   "The deepest soil point (" + decimals(in.soil.back().depth, 2) +
                                       ") is shallower than the pile length plus two diameters (" +
                                       decimals(required, 2) + "); the soil below it is extrapolated."});
    }
    if (in.deepest_soil_depth < required) {
        result.stop = RunStop::SoilExtent;
        result.message =
            "The deepest soil depth (record 9) is less than the pile length plus two pile diameters (" +
            decimals(required, 2) + ").";
        return std::nullopt;
    }
    for (DataWarning& w : data_warnings(in, cpt, units))
        result.warnings.push_back({w.method, w.depth, std::move(w.sentence)});
    const long long segments = segment_count(in.deepest_soil_depth, in.computation_increment);
    if (segments > kMaxSegments) {
        result.stop = RunStop::SegmentLimit;
        result.message = "The soil profile needs " + std::to_string(segments) + " segments; at most " +
                         std::to_string(kMaxSegments) + " are allowed. Use a longer computation increment.";
        return std::nullopt;
    }
    aligned = in;
    align_soil_points(aligned.soil, aligned.computation_increment);
    PenetrationResults penetration =
        run_penetration_phase(aligned, units, cpt, static_cast<int>(segments), result, rates);
    for (const CapacityTable& t : result.methods)
        for (RunWarning& w : method_run_warnings(t, result.english)) result.warnings.push_back(std::move(w));
    return penetration;
}

void compute_results(const InputData& in, const CptProfile& cpt, RunResult& result,
                     const std::optional<SetupRequest>& setup) {
    InputData aligned;
    if (const auto penetration = compute_penetration(in, cpt, result, aligned, setup))
        run_load_settlement_phase(aligned, units_of(in.units), *penetration, result);
}

RunResult compute_analysis(const InputData& in, const CptProfile& cpt,
                           const std::optional<SetupRequest>& setup) {
    RunResult result;
    try {
        compute_results(in, cpt_profile_in(cpt, in.units), result, setup);
    } catch (const InputError& e) {
        result.status = RunStatus::InputError;
        result.message = e.what();
    } catch (const std::exception& e) {
        result.status = RunStatus::InternalError;
        result.message = std::string("Internal error of the engine: ") + e.what();
    } catch (...) {
        result.status = RunStatus::InternalError;
        result.message = "Internal error of the engine.";
    }
    return result;
}

}  // namespace torve
