// Static resistance to driving.
#include "engine/driver/driving_resistance.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <numbers>

#include "engine/driver/input_error.h"
#include "engine/methods/alm_hamre_srd.h"
#include "engine/methods/driving_ground.h"
#include "engine/methods/unified_srd.h"
#include "engine/model/number_text.h"
#include "engine/model/unit_conversion.h"

namespace torve {
namespace {

// The trapezoid steps of the shaft integral, m: friction fatigue is smooth enough that the shaft
// force is within 0.5 % of the exact integral on this grid.
constexpr double kGridMetres = 0.1;
// Two depths closer than this (in ft or m) are one node of the grid.
constexpr double kSameDepth = 1e-9;
// The UniSand-SRD base takes qc averaged over 1.5 diameters above and below the tip.
constexpr double kBaseAveragingDiameters = 1.5;

struct Pile {
    double outside = 0;  // D, m
    double perimeter = 0;
    DrivenTip tip;
    double annulus = 0;  // steel area at the tip, m2 (the full base of a closed section)
    double base = 0;     // full base area, m2
};

Pile pile_of(const InputData& in) {
    const bool english = in.units == UnitSystem::English;
    const double metres_per_diameter = english ? 0.0254 : 0.001;
    Pile p;
    p.outside = in.outside_diameter * metres_per_diameter;
    // The inside diameter at the tip: that of the end section, which the reader gives the pile's own
    // when there is none.
    const double inside =
        std::clamp(in.enhanced_end_section_inside_diameter * metres_per_diameter, 0.0, p.outside);
    p.tip = driven_tip(p.outside, inside);
    p.perimeter = std::numbers::pi * p.outside;
    p.base = std::numbers::pi * p.outside * p.outside / 4;
    p.annulus = std::numbers::pi * (p.outside * p.outside - inside * inside) / 4;
    if (in.perimeter > 1e-10) {
        // A noncircular section: the reader's equivalent diameter, closed, with its own tip area.
        const double area = in.tip_area * (english ? kMetresPerFoot * kMetresPerFoot : 1);
        if (area > 0) p.base = p.annulus = area;
    }
    return p;
}

class SrdComputation {
  public:
    SrdComputation(const InputData& in, const CptProfile& cpt, SrdMethod method, const SrdOptions& options,
                   SrdProfile& out)
        : in_(in), ground_(in, cpt), method_(method), options_(options), pile_(pile_of(in)), out_(out) {}

    SrdAtDepth at(double tip);

  private:
    std::string depth_text(double depth) const {
        return decimals(depth, 2) + (in_.units == UnitSystem::English ? " ft" : " m");
    }
    [[noreturn]] void missing(const std::string& what, double depth) const {
        throw InputError(srd_method_name(method_) + " needs " + what +
                         ", which the project does not give at " + depth_text(depth) + ".");
    }
    double cone(std::size_t layer, double depth) const {
        if (auto q = ground_.cone_resistance(layer, depth)) return *q;
        missing("the cone resistance qc (CPT points or a qc of the layer)", depth);
    }
    // Unit shaft friction, kPa, at `depth` in `layer` with the tip at `tip`.
    double friction(std::size_t layer, double depth, double tip);
    double base(double tip);
    void note_clay(std::size_t layer);

    const InputData& in_;
    DrivingGround ground_;
    SrdMethod method_;
    SrdOptions options_;
    Pile pile_;
    SrdProfile& out_;
    bool clay_noted_ = false;
};

void SrdComputation::note_clay(std::size_t layer) {
    if (method_ != SrdMethod::UnifiedSrd || clay_noted_) return;
    clay_noted_ = true;
    out_.warnings.push_back({std::nullopt, ground_.layer_top(layer),
                             "UniSand-SRD is a method for sand: the clay, first at " +
                                 depth_text(ground_.layer_top(layer)) +
                                 ", takes Alm & Hamre's clay friction and tip resistance."});
}

double SrdComputation::friction(std::size_t layer, double depth, double tip) {
    const double h = (tip - depth) * ground_.metres_per_depth();
    const double sigma = ground_.effective_stress(depth);
    if (!ground_.sand(layer)) {
        note_clay(layer);
        const double qt = cone(layer, depth);
        const std::optional<double> fs = ground_.sleeve_friction(layer, depth);
        if (!fs) missing("the sleeve friction fs in clay (a cone file imported with fs)", depth);
        return alm_hamre_clay_friction(qt, sigma, *fs).at(h);
    }
    const double qc = cone(layer, depth);
    if (method_ == SrdMethod::UnifiedSrd) return unified_srd_friction(pile_.tip, qc, sigma, h);
    return alm_hamre_sand_friction(qc, sigma, options_.interface_friction_angle).at(h);
}

double SrdComputation::base(double tip) {
    const std::size_t layer = ground_.layer_at(tip);
    const double sigma = ground_.effective_stress(tip);
    if (!ground_.sand(layer)) {
        note_clay(layer);
        return alm_hamre_clay_tip(cone(layer, tip)) * pile_.annulus;
    }
    if (method_ == SrdMethod::AlmHamre) {
        if (!(sigma > 0))
            throw InputError(
                "Alm & Hamre's tip resistance in sand needs an effective stress above 0 at the tip, "
                "which the soil's unit weights do not give at " +
                depth_text(tip) + ".");
        return alm_hamre_sand_tip(cone(layer, tip), sigma) * pile_.annulus;
    }
    // qc averaged over 1.5 D above and below the tip, each part in its own layer.
    const double reach = kBaseAveragingDiameters * pile_.outside / ground_.metres_per_depth();
    const double top = std::max(0.0, tip - reach), bottom = tip + reach;
    std::vector<double> nodes{top, bottom};
    for (double b : ground_.boundaries())
        if (b > top && b < bottom) nodes.push_back(b);
    std::sort(nodes.begin(), nodes.end());
    double sum = 0;
    for (std::size_t i = 0; i + 1 < nodes.size(); ++i) {
        const double a = nodes[i], b = nodes[i + 1];
        const std::size_t l = ground_.layer_at(0.5 * (a + b));
        const int steps =
            std::max(1, static_cast<int>(std::ceil((b - a) * ground_.metres_per_depth() / kGridMetres)));
        const double dz = (b - a) / steps;
        for (int k = 0; k < steps; ++k) sum += 0.5 * (cone(l, a + k * dz) + cone(l, a + (k + 1) * dz)) * dz;
    }
    const double qc = bottom > top ? sum / (bottom - top) : cone(layer, tip);
    return unified_srd_base(pile_.tip, qc) * pile_.base;
}

SrdAtDepth SrdComputation::at(double tip) {
    SrdAtDepth r;
    r.tip_depth = tip;
    const double slice = srd_slice_length(in_);
    std::vector<double> nodes{0, tip};
    const auto add = [&](double d) {
        if (d > 0 && d < tip) nodes.push_back(d);
    };
    for (int k = 1; k * slice < tip; ++k) add(k * slice);
    for (double d : ground_.boundaries()) add(d);
    for (double d : ground_.reading_depths()) add(d);
    add(in_.zero_friction_length);
    std::sort(nodes.begin(), nodes.end());
    nodes.erase(
        std::unique(nodes.begin(), nodes.end(), [](double a, double b) { return b - a < kSameDepth; }),
        nodes.end());

    const double to_m = ground_.metres_per_depth();
    const double force = in_.units == UnitSystem::English ? 1 / kNewtonsPerPound : 1;  // kips per kN
    const double per_interval = pile_.perimeter * to_m * force * options_.shaft_factor;
    long long slice_number = -1;
    for (std::size_t i = 0; i + 1 < nodes.size(); ++i) {
        const double a = nodes[i], b = nodes[i + 1];
        const double mid = 0.5 * (a + b);
        // Slices end at multiples of the slice length and at the tip: each interval lies in one.
        const auto number = static_cast<long long>(std::floor(mid / slice));
        if (r.slice_top.empty() || number != slice_number) {
            slice_number = number;
            r.slice_top.push_back(static_cast<double>(number) * slice);
            r.slice_bottom.push_back(std::min(static_cast<double>(number + 1) * slice, tip));
            r.slice_shaft.push_back(0);
        }
        if (mid < in_.zero_friction_length) continue;
        const std::size_t layer = ground_.layer_at(mid);
        const int steps = std::max(1, static_cast<int>(std::ceil((b - a) * to_m / kGridMetres - 1e-9)));
        const double dz = (b - a) / steps;
        double integral = 0;
        double upper = friction(layer, a, tip);
        for (int k = 1; k <= steps; ++k) {
            const double lower = friction(layer, k == steps ? b : a + k * dz, tip);
            integral += 0.5 * (upper + lower) * dz;
            upper = lower;
        }
        const double f = integral * per_interval;
        r.slice_shaft.back() += f;
    }
    for (double f : r.slice_shaft) r.shaft += f;
    r.base = base(tip) * force * options_.base_factor;
    return r;
}

void check_request(const InputData& in, const std::vector<double>& tips, const SrdOptions& options) {
    if (in.soil.size() < 2 || !(in.computation_increment > 0))
        throw InputError(
            "The input cannot be computed: it needs two soil points and a positive computation increment.");
    if (!(in.outside_diameter > 0))
        throw InputError("The resistance to driving needs a pile diameter above 0.");
    for (const auto& [value, name] :
         {std::pair{options.shaft_factor, "shaft factor"}, std::pair{options.base_factor, "base factor"}}) {
        if (!std::isfinite(value) || value < 0)
            throw InputError(std::string("The ") + name + " of the resistance to driving must be 0 or more.");
    }
    const double delta = options.interface_friction_angle;
    if (!std::isfinite(delta) || !(delta > 0) || !(delta < 90))
        throw InputError("The interface friction angle must lie between 0 and 90 degrees.");
    const std::string unit = in.units == UnitSystem::English ? " ft" : " m";
    for (std::size_t i = 0; i < tips.size(); ++i) {
        const double t = tips[i];
        if (!std::isfinite(t) || !(t > 0))
            throw InputError("Tip depth " + std::to_string(i + 1) +
                             " must be a number below the ground surface.");
        if (i > 0 && !(t > tips[i - 1]))
            throw InputError("The tip depths must increase: " + decimals(t, 2) + unit +
                             " is not below the one before it.");
        if (t > in.deepest_soil_depth)
            throw InputError("The tip depth " + decimals(t, 2) + unit +
                             " lies below the deepest soil depth (" + decimals(in.deepest_soil_depth, 2) +
                             unit + ").");
    }
}

}  // namespace

std::string srd_method_name(SrdMethod method) {
    return method == SrdMethod::AlmHamre ? "Alm & Hamre" : "UniSand-SRD";
}

double srd_slice_length(const InputData& in) {
    const double metre = in.units == UnitSystem::English ? 1 / kMetresPerFoot : 1;
    return in.computation_increment > 0 ? std::min(in.computation_increment, metre) : metre;
}

SrdProfile compute_srd(const InputData& in, const CptProfile& cpt, SrdMethod method,
                       const std::vector<double>& tip_depths) {
    return compute_srd(in, cpt, method, tip_depths, SrdOptions{});
}

SrdProfile compute_srd(const InputData& in, const CptProfile& cpt, SrdMethod method,
                       const std::vector<double>& tip_depths, const SrdOptions& options) {
    SrdProfile out;
    out.english = in.units == UnitSystem::English;
    out.method = method;
    try {
        check_request(in, tip_depths, options);
        for (const InputData::Note& note : in.input_notes)
            out.warnings.push_back({std::nullopt, note.depth, note.text});
        const CptProfile own = cpt_profile_in(cpt, in.units);
        SrdComputation c(in, own, method, options, out);
        out.depths.reserve(tip_depths.size());
        for (double tip : tip_depths) out.depths.push_back(c.at(tip));
    } catch (const InputError& e) {
        out.status = RunStatus::InputError;
        out.message = e.what();
        out.depths.clear();
    } catch (const std::exception& e) {
        out.status = RunStatus::InternalError;
        out.message = std::string("Internal error of the engine: ") + e.what();
        out.depths.clear();
    } catch (...) {
        out.status = RunStatus::InternalError;
        out.message = "Internal error of the engine.";
        out.depths.clear();
    }
    return out;
}

}  // namespace torve
