// The downdrag solver: walks up the pile from an assumed toe movement, as the load-settlement solver
// does, with each spring read at the movement of the pile relative to the soil.
#include "engine/driver/downdrag_solution.h"

#include <algorithm>
#include <cmath>

#include "engine/driver/working_loads.h"
#include "engine/model/rounded_constants.h"

namespace torve {

double SettlementProfile::at(double d) const {
    if (depth.empty()) return 0;
    if (d <= depth.front()) return settlement.front();
    if (d >= depth.back()) return settlement.back();
    const auto it = std::upper_bound(depth.begin(), depth.end(), d);
    const auto i = static_cast<std::size_t>(it - depth.begin());
    const double f = (d - depth[i - 1]) / (depth[i] - depth[i - 1]);
    return settlement[i - 1] + f * (settlement[i] - settlement[i - 1]);
}

namespace {

// Friction of a spring at a relative movement: the curve for the pile moving down past the soil,
// the same curve turned round for the soil settling past the pile.
double signed_transfer(const TzCurve& spring, double relative) {
    return relative >= 0 ? spring.at(relative) : -spring.at(-relative);
}

double peak_transfer(const TzCurve& spring) {
    return *std::max_element(spring.transfer.begin(), spring.transfer.end());
}

struct Pile {
    const std::vector<TzCurve>& springs;
    const QwCurve& tip;
    const AxialStiffness& stiffness;
    double length;
    double diameter;
    const SettlementProfile& soil;
    const SolverSettings& settings;
    double h() const { return length / static_cast<double>(springs.size()); }
};

struct Walk {
    std::vector<DowndragNode> nodes;  // from the toe up
    double toe_load = 0;
    int unconverged = 0;
    double head_load() const { return nodes.back().load; }
};

// One walk from toe movement `w_toe` up to the head. The arithmetic of each segment is that of the
// load-settlement solver, so that soil that does not settle gives its load levels exactly.
Walk walk_up(const Pile& pile, double w_toe) {
    Walk walk;
    const double h = pile.h();
    const double s_toe = pile.soil.at(pile.length);
    walk.toe_load = std::max(0.0, tip_load_at(pile.tip, w_toe - s_toe));
    walk.nodes.reserve(pile.springs.size() + 1);
    walk.nodes.push_back({pile.length, walk.toe_load, w_toe, s_toe});
    double p_bottom = walk.toe_load, z_bottom = w_toe, assumed = w_toe;
    for (std::size_t s = pile.springs.size(); s-- > 0;) {
        const double mid = (static_cast<double>(s) + 0.5) * h;
        const double ae = pile.stiffness.at(mid);
        const double s_mid = pile.soil.at(mid);
        double dp = 0, p_top = p_bottom;
        bool converged = false;
        for (int k = 0; k < pile.settings.iteration_cap; ++k) {
            const double t = signed_transfer(pile.springs[s], assumed - s_mid);
            dp = t * pile.diameter * kPiCurves * h;
            p_top = p_bottom + dp;
            const double z_mid = z_bottom + ((p_top + p_bottom) / 2 + p_bottom) / 2 * (h / 2) / ae;
            const bool close = std::fabs(z_mid - assumed) <= pile.settings.tolerance;
            assumed = z_mid;
            if (close) {
                converged = true;
                break;
            }
        }
        if (!converged) ++walk.unconverged;
        z_bottom += h * (dp / 2 + p_bottom) / ae;
        p_bottom = p_top;
        const double depth = static_cast<double>(s) * h;
        walk.nodes.push_back({depth, p_bottom, z_bottom, pile.soil.at(depth)});
    }
    return walk;
}

// Depth where the relative movement turns from the soil settling past the pile to the pile moving
// past the soil, going down from the ground; the ground where the pile moves past the soil all
// along, the toe where the soil settles past all of it.
double relative_sign_change(const std::vector<DowndragNode>& down, double ground_depth) {
    std::optional<std::size_t> above;
    for (std::size_t i = 0; i < down.size(); ++i) {
        if (down[i].depth < ground_depth) continue;
        const double r = down[i].movement - down[i].soil_settlement;
        if (r < 0) {
            above = i;
        } else if (above) {
            const DowndragNode& a = down[*above];
            const double ra = a.movement - a.soil_settlement;
            return a.depth + (down[i].depth - a.depth) * (-ra) / (r - ra);
        } else {
            return ground_depth;
        }
    }
    return down.back().depth;
}

// Depth where head load plus peak friction above equals peak friction below plus the toe load: the
// difference grows down the pile, linear within a segment.
// Peak friction from the head down to each segment boundary.
std::vector<double> peak_friction_above(const Pile& pile) {
    std::vector<double> above{0.0};
    for (const TzCurve& spring : pile.springs)
        above.push_back(above.back() + peak_transfer(spring) * pile.diameter * kPiCurves * pile.h());
    return above;
}

std::optional<double> equilibrium_plane(const Pile& pile, double head_load, double toe_load) {
    const double h = pile.h();
    const std::vector<double> above = peak_friction_above(pile);
    const double total = above.back();
    auto difference = [&](std::size_t i) { return head_load + 2 * above[i] - total - toe_load; };
    if (difference(0) > 0) return std::nullopt;  // more load than the pile carries
    for (std::size_t i = 1; i < above.size(); ++i) {
        const double d1 = difference(i);
        if (d1 >= 0) {
            const double d0 = difference(i - 1);
            const double f = d1 > d0 ? -d0 / (d1 - d0) : 0.0;
            return (static_cast<double>(i - 1) + f) * h;
        }
    }
    return pile.length;
}

}  // namespace

DowndragSolution solve_downdrag(const std::vector<TzCurve>& springs, const QwCurve& tip,
                                const AxialStiffness& stiffness, double pile_length, double diameter,
                                double ground_depth, const SettlementProfile& soil, double head_load,
                                const SolverSettings& settings) {
    DowndragSolution out;
    if (springs.empty()) return out;
    const Pile pile{springs, tip, stiffness, pile_length, diameter, soil, settings};
    for (const TzCurve& spring : springs)
        out.capacity += peak_transfer(spring) * diameter * kPiCurves * pile.h();
    out.capacity += *std::max_element(tip.load.begin(), tip.load.end());
    if (head_load > out.capacity) return out;

    // A toe movement far enough below (above) every settlement that every spring and the toe are
    // past their curves' last points brackets the head load; the bracket widens until it does.
    double reach = tip.movement.back();
    for (const TzCurve& spring : springs) reach = std::max(reach, spring.movement.back());
    const auto [s_min, s_max] = std::minmax_element(soil.settlement.begin(), soil.settlement.end());
    const double lowest = soil.settlement.empty() ? 0.0 : *s_min;
    const double highest = soil.settlement.empty() ? 0.0 : *s_max;
    double lo = lowest - 2 * reach, hi = highest + 2 * reach;
    Walk low = walk_up(pile, lo), high = walk_up(pile, hi);
    out.walks = 2;
    for (double step = 2 * reach; low.head_load() > head_load && out.walks < 200; step *= 2, ++out.walks)
        low = walk_up(pile, lo -= step);
    for (double step = 2 * reach; high.head_load() < head_load && out.walks < 200; step *= 2, ++out.walks)
        high = walk_up(pile, hi += step);
    if (low.head_load() > head_load || high.head_load() < head_load) return out;

    // The search closes in on the first toe movement that carries the head load, so that a load on
    // a plateau of the curves (the toe and every spring at their peak) takes the movement on the way
    // up; it ends with the load within a millionth and the toe movement within the solver's own
    // tolerance on a movement, a hundredth of it.
    const double tolerance = 1e-6 * std::max(std::fabs(head_load), 1.0);
    const double close_movement = settings.tolerance / 100;
    auto off = [&](const Walk& w) { return std::fabs(w.head_load() - head_load); };
    while ((std::min(off(low), off(high)) > tolerance || hi - lo > close_movement) && out.walks < 400 &&
           hi - lo > 1e-14 * (1 + std::fabs(hi))) {
        const double mid = (lo + hi) / 2;
        Walk w = walk_up(pile, mid);
        ++out.walks;
        if (w.head_load() < head_load) {
            lo = mid;
            low = std::move(w);
        } else {
            hi = mid;
            high = std::move(w);
        }
    }
    const bool low_closer = off(low) < off(high);
    const Walk& best = low_closer ? low : high;
    const double w_best = low_closer ? lo : hi;

    out.solved = true;
    out.nodes.assign(best.nodes.rbegin(), best.nodes.rend());
    out.head_load = out.nodes.front().load;
    out.head_movement = out.nodes.front().movement;
    out.toe_load = best.toe_load;
    out.toe_movement = w_best;
    out.toe_penetration = w_best - soil.at(pile_length);
    out.unconverged_segments = best.unconverged;
    const auto peak =
        std::max_element(out.nodes.begin(), out.nodes.end(),
                         [](const DowndragNode& a, const DowndragNode& b) { return a.load < b.load; });
    out.max_load = peak->load;
    out.max_load_depth = peak->depth;
    out.neutral_plane = relative_sign_change(out.nodes, ground_depth);
    out.equilibrium_neutral_plane = equilibrium_plane(pile, head_load, out.toe_load);
    const std::vector<double> above = peak_friction_above(pile);
    for (std::size_t i = 0; i < out.nodes.size() && i < above.size(); ++i)
        out.nodes[i].resistance = out.toe_load + above.back() - above[i];
    return out;
}

}  // namespace torve
