// A downdrag run: the project's capacity and curves, then the pile in the settling soil.
#include "engine/driver/downdrag_analysis.h"

#include <cmath>
#include <exception>

#include "engine/driver/compute_analysis.h"
#include "engine/driver/downdrag_solution.h"
#include "engine/driver/fixed_format.h"
#include "engine/driver/input_error.h"
#include "engine/driver/load_settlement_phase.h"
#include "engine/driver/output_units.h"
#include "engine/model/unit_conversion.h"

namespace torve {

std::optional<std::string> soil_settlement_fault(const SoilSettlement& soil) {
    if (soil.depth.size() != soil.settlement.size())
        return "The soil settlement has " + std::to_string(soil.depth.size()) + " depths and " +
               std::to_string(soil.settlement.size()) + " settlements; each depth needs one settlement.";
    if (soil.depth.empty()) return std::string("The soil settlement has no point.");
    for (std::size_t i = 0; i < soil.depth.size(); ++i) {
        const std::string point = "point " + std::to_string(i + 1);
        if (!std::isfinite(soil.depth[i]))
            return "The soil settlement's depth at " + point + " is not a number.";
        if (!std::isfinite(soil.settlement[i]))
            return "The soil settlement at " + point + " is not a number.";
        if (i > 0 && !(soil.depth[i] > soil.depth[i - 1]))
            return "The soil settlement's depths must increase: " + point +
                   " is not below the one before it.";
    }
    return std::nullopt;
}

namespace {

void solve_into(const InputData& in, const CptProfile& cpt, const SoilSettlement& soil, double head_load,
                DowndragResult& out) {
    if (auto fault = soil_settlement_fault(soil)) throw InputError(*fault);
    if (!std::isfinite(head_load)) throw InputError("The head load is not a number.");
    // Downdrag is solved for a pile pushed down at its head; under a sustained pull the settling soil
    // would load it the other way round.
    if (head_load < 0) throw InputError("The head load must be a compression, 0 or more.");
    if (in.soil.size() < 2 || !(in.computation_increment > 0))
        throw InputError(
            "The input cannot be computed: it needs two soil points and a positive "
            "computation increment.");
    const Units& units = units_of(in.units);
    out.english = units.english();
    out.head_load = head_load;
    RunResult run;
    InputData aligned;
    const auto penetration = compute_penetration(in, cpt_profile_in(cpt, in.units), run, aligned);
    out.warnings = run.warnings;
    if (!penetration) {
        out.stop = run.stop;
        out.message = run.message;
        return;
    }
    if (!penetration->load_transfer) {
        out.message =
            "The method for unit load transfers did not run (a cone-based method needs the offshore data); "
            "the pile has no t-z curves to solve downdrag on.";
        return;
    }
    const SolverPile pile = solver_pile(aligned, units, *penetration, load_transfer_input(*penetration));
    const OutputUnits to_out{units, aligned.stickup_length};
    // Settlements come in the project's movement unit (in or mm), the solver moves in in or m.
    const double per_movement = 1 / units.diameter_per_solver_length;
    SettlementProfile profile;
    for (std::size_t i = 0; i < soil.depth.size(); ++i) {
        profile.depth.push_back((soil.depth[i] + aligned.stickup_length) * units.solver_per_length);
        profile.settlement.push_back(soil.settlement[i] * per_movement);
    }
    const double ground = aligned.stickup_length * units.solver_per_length;
    const double solver_load = head_load * units.solver_force_per_force;
    const DowndragSolution s = solve_downdrag(pile.springs, pile.tip, pile.stiffness, pile.length,
                                              pile.diameter, ground, profile, solver_load, pile.settings);
    if (!s.solved) {
        out.message = "The head load of " + decimals(head_load, 1) + (out.english ? " kips" : " kN") +
                      " lies above what the pile can carry (" + decimals(to_out.force(s.capacity), 1) +
                      (out.english ? " kips" : " kN") + "); there is no downdrag solution.";
        return;
    }
    if (s.unconverged_segments > 0) {
        out.warnings.push_back({aligned.load_transfer_method, std::nullopt,
                                "The downdrag solution has " + std::to_string(s.unconverged_segments) +
                                    " segments whose movement did not converge."});
    }
    const double movement = units.diameter_per_solver_length;  // solver length to in or mm
    out.solved = true;
    out.neutral_plane = to_out.ground_depth(s.neutral_plane);
    if (s.equilibrium_neutral_plane)
        out.equilibrium_neutral_plane = to_out.ground_depth(*s.equilibrium_neutral_plane);
    out.max_load = to_out.force(s.max_load);
    out.max_load_depth = to_out.ground_depth(s.max_load_depth);
    // Against the head load as solved, so that a pile whose load only falls has no drag force at all.
    out.drag_force = out.max_load - to_out.force(s.head_load);
    out.head_settlement = s.head_movement * movement;
    out.toe_movement = s.toe_movement * movement;
    out.toe_penetration = s.toe_penetration * movement;
    out.toe_load = to_out.force(s.toe_load);
    for (const DowndragNode& n : s.nodes) {
        out.depth.push_back(to_out.ground_depth(n.depth));
        out.axial_load.push_back(to_out.force(n.load));
        out.pile_movement.push_back(n.movement * movement);
        out.soil_settlement.push_back(n.soil_settlement * movement);
        out.resistance.push_back(to_out.force(n.resistance));
    }
}

}  // namespace

DowndragResult compute_downdrag(const InputData& in, const CptProfile& cpt, const SoilSettlement& soil,
                                double head_load) {
    DowndragResult out;
    try {
        solve_into(in, cpt, soil, head_load, out);
    } catch (const InputError& e) {
        out.status = RunStatus::InputError;
        out.message = e.what();
    } catch (const std::exception& e) {
        out.status = RunStatus::InternalError;
        out.message = std::string("Internal error of the engine: ") + e.what();
    } catch (...) {
        out.status = RunStatus::InternalError;
        out.message = "Internal error of the engine.";
    }
    return out;
}

}  // namespace torve
