// Every check of a project's input, in one place: the values the analysis refuses, the counts over
// its table limits, whether a run gets to its results, values hardly plausible, and per selected
// method the values it lacks.
#include "engine/model/input_checks.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "engine/model/nen9997_pile.h"
#include "engine/model/number_text.h"
#include "engine/model/rounded_constants.h"
#include "engine/model/taper_limit.h"
#include "engine/model/text_encoding.h"
#include "engine/model/unit_conversion.h"
#include "engine/model/units.h"

namespace torve {
namespace {

using Severity = Finding::Severity;

// The reader's thresholds are single-precision literals, as the grid allowance is.
constexpr double kNoncircular = static_cast<double>(1.0e-10f);  // a perimeter above it: noncircular
constexpr double kNoEndSection = static_cast<double>(1.0e-5f);  // an end section shorter: none

// Effective unit weights outside these ranges (lb/ft^3 | kN/m^3) are hardly soil; above 45 degrees a
// friction angle is beyond the charts of every method.
constexpr double kLightest[] = {20, 3}, kHeaviest[] = {160, 25};
constexpr double kSteepestFriction = 45;

// The moduli of the pile materials, in the project's modulus unit (lb/in^2 | kPa): a value outside
// them is most often one typed in another unit (210 for 210 GPa).
struct MaterialModulus {
    const char* material;
    double least[2], most[2];  // English, S.I.
};
constexpr MaterialModulus kSteel{"steel", {2.2e7, 1.5e8}, {3.6e7, 2.5e8}};
constexpr MaterialModulus kConcrete{"concrete", {2.0e6, 1.5e7}, {9.0e6, 6.0e7}};
constexpr MaterialModulus kTimber{"timber", {7.0e5, 5.0e6}, {3.6e6, 2.5e7}};
// A steel shell filled with concrete: anything from the concrete's modulus to the steel's.
constexpr MaterialModulus kShell{"concrete-filled steel shell", {2.0e6, 1.5e7}, {3.6e7, 2.5e8}};

const MaterialModulus& material_of(int pile_type_code) {
    switch (pile_type_code) {
        case 2:
            return kTimber;
        case 3:
            return kConcrete;
        case 4:
        case 5:
            return kShell;
        default:
            return kSteel;
    }
}

std::string quoted(const std::string& s) {
    return quoted_text(s);
}

std::string number(double v) {
    return shortest_real(v);
}

// A limit computed from other values, shown so that the values it refuses break the limit shown:
// as it stands when that is short, else at three decimals rounded toward the values it lets through.
std::string upper_limit(double v) {
    const std::string plain = number(v);
    return plain.size() <= 8 ? plain : decimals(rounded_down(v, 3), 3);
}
std::string lower_limit(double v) {
    const std::string plain = number(v);
    return plain.size() <= 8 ? plain : decimals(rounded_up(v, 3), 3);
}

UnitSystem system_of(const ProjectRecords& f) {
    return f.unit_system_code == code_of(UnitSystem::SI) ? UnitSystem::SI : UnitSystem::English;
}

// The outside diameter the analysis computes with: a noncircular section's is that of the solid
// circle of its perimeter.
double outside_diameter(const ProjectRecords& f) {
    return f.perimeter > kNoncircular ? f.perimeter / kPiSinglePrecision : f.outside_diameter;
}

// The findings of one record, in the order of its fields. Each check names its field and value; a
// value beyond kLargestReal is named for that alone.
class RecordCheck {
  public:
    RecordCheck(RecordPlace place, std::vector<Finding>& out) : place_(place), out_(out) {}

    // The soil point the record belongs to, which gives the findings their layer and depth.
    void at_soil_point(int index, double depth) {
        layer_ = index / 2 + 1;
        depth_ = depth;
    }
    void at_depth(double depth) { depth_ = depth; }

    void add(Severity severity, std::string_view field, std::optional<double> value, std::string message) {
        out_.push_back({severity, place_, std::string(field), std::nullopt, layer_, depth_, value,
                        std::move(message), false});
    }
    // "expected <what>, found <value><after>.", `after` saying what the value does to a run.
    void expected(std::string_view field, double value, const std::string& what,
                  const std::string& after = {}, Severity severity = Severity::Error) {
        add(severity, field, value, "expected " + what + ", found " + number(value) + after + ".");
    }
    // False for a value the analysis cannot take in at all, which is then named for that alone.
    bool in_range(std::string_view field, double value) {
        if (std::fabs(value) <= kLargestReal) return true;
        expected(field, value, "at most 1E+15 in magnitude for the " + std::string(field));
        return false;
    }
    void count(CountOf of, std::string_view field, long long n) {
        if (const auto message = count_limit_message(of, n))
            add(Severity::Error, field, static_cast<double>(n), *message);
    }

  private:
    RecordPlace place_;
    std::vector<Finding>& out_;
    int layer_ = 0;
    std::optional<double> depth_;
};

void units_and_counts(const ProjectRecords& f, RecordCheck& c, long long points) {
    constexpr auto& n = records::kUnitsAndCounts;
    if (f.unit_system_code != 1 && f.unit_system_code != 2)
        c.expected(n[0], f.unit_system_code, "a unit-system code of 1 (English) or 2 (S.I.)");
    if (f.print_interval < 1) c.expected(n[1], f.print_interval, "a print interval of at least 1");
    c.count(CountOf::SoilPoints, n[2], points);
}

void pile_section(const ProjectRecords& f, RecordCheck& c) {
    constexpr auto& n = records::kPileSection;
    if (c.in_range(n[0], f.perimeter) && f.perimeter < 0)
        c.expected(n[0], f.perimeter, "a perimeter of 0 or more");
    if (c.in_range(n[1], f.tip_area) && f.tip_area < 0)
        c.expected(n[1], f.tip_area, "a tip area of 0 or more");
    const bool outside = c.in_range(n[2], f.outside_diameter);
    const bool inside = c.in_range(n[3], f.inside_diameter);
    if (inside && f.inside_diameter < 0)
        c.expected(n[3], f.inside_diameter, "an inside diameter of 0 or more");
    if (c.in_range(n[4], f.modulus_of_elasticity) && f.modulus_of_elasticity <= 0)
        c.expected(n[4], f.modulus_of_elasticity, "a positive modulus of elasticity");
    if (c.in_range(n[5], f.total_pile_length) && f.total_pile_length <= 0)
        c.expected(n[5], f.total_pile_length, "a positive total pile length");
    const double stickup = f.stickup_length.value_or(0);
    if (c.in_range(n[6], stickup) && stickup < 0) c.expected(n[6], stickup, "a stickup length of 0 or more");
    // A noncircular section computes with the diameter of its perimeter; its own diameters go unused.
    if (f.perimeter > kNoncircular || !outside || !inside) return;
    if (f.outside_diameter <= 0)
        c.expected(n[2], f.outside_diameter, "a positive outside diameter for a circular pile");
    else if (f.inside_diameter >= f.outside_diameter)
        c.expected(n[3], f.inside_diameter,
                   "an inside diameter below the outside diameter " + upper_limit(f.outside_diameter));
}

void end_section(const ProjectRecords& f, RecordCheck& c) {
    constexpr auto& n = records::kEndSection;
    const bool length = c.in_range(n[0], f.enhanced_end_section_length);
    if (length && f.enhanced_end_section_length < 0)
        c.expected(n[0], f.enhanced_end_section_length, "an enhanced end section length of 0 or more");
    if (!c.in_range(n[1], f.enhanced_end_section_inside_diameter)) return;
    const double eid = f.enhanced_end_section_inside_diameter;
    const double od = outside_diameter(f);
    if (eid < 0) {
        c.expected(n[1], eid, "an enhanced end section inside diameter of 0 or more");
    } else if (length && f.enhanced_end_section_length >= kNoEndSection && od > 0 && eid >= od) {
        // An end section shorter than the threshold is none: the whole pile is one, of its own diameter.
        c.expected(n[1], eid,
                   "an enhanced end section inside diameter below the outside diameter " + upper_limit(od));
    }
}

// The modulus stands in record 5, but the pile type that tells its material in record 7.
void modulus_of_material(const ProjectRecords& f, std::vector<Finding>& out) {
    const double e = f.modulus_of_elasticity;
    if (!(e > 0) || e > kLargestReal || f.pile_type_code < 1 || f.pile_type_code > 7) return;
    const MaterialModulus& m = material_of(f.pile_type_code);
    const int s = system_of(f) == UnitSystem::English ? 0 : 1;
    if (e >= m.least[s] && e <= m.most[s]) return;
    RecordCheck modulus({RecordId::PileSection}, out);
    modulus.expected(records::kPileSection[4], e,
                     "a modulus of elasticity from " + number(m.least[s]) + " to " + number(m.most[s]) +
                         (s == 0 ? " lb/in2" : " kPa") + " for a pile of " + m.material,
                     ": hardly the pile's material, perhaps a modulus in another unit", Severity::Warning);
}

void options(const ProjectRecords& f, RecordCheck& c, std::vector<Finding>& out) {
    constexpr auto& n = records::kOptions;
    if (c.in_range(n[0], f.zero_friction_length)) {
        if (f.zero_friction_length < 0)
            c.expected(n[0], f.zero_friction_length, "a zero-friction length of 0 or more");
        else if (f.total_pile_length > 0 && f.zero_friction_length > f.total_pile_length)
            c.expected(
                n[0], f.zero_friction_length,
                "a zero-friction length of at most the total pile length " + upper_limit(f.total_pile_length),
                ": no part of the pile takes friction", Severity::Warning);
    }
    if (c.in_range(n[1], f.computation_increment) && f.computation_increment <= 0)
        c.expected(n[1], f.computation_increment, "a positive computation increment");
    if (f.pile_type_code < 1 || f.pile_type_code > 7)
        c.expected(n[2], f.pile_type_code, "a pile-type code from 1 to 7");
    if (c.in_range(n[3], f.taper_angle)) {
        const double od = outside_diameter(f);
        const double length = f.total_pile_length * units_of(system_of(f)).diameter_per_length;
        if (f.taper_angle < 0 || f.taper_angle >= 90) {
            c.expected(n[3], f.taper_angle, "a taper angle from 0 to below 90 degrees");
        } else if (std::fabs(od) <= kLargestReal && std::fabs(length) <= kLargestReal &&
                   taper_too_large(f.taper_angle, od, length)) {
            c.expected(n[3], f.taper_angle,
                       "a taper angle of at most " +
                           decimals(rounded_down(largest_taper_angle(od, length), 3), 3) + " degrees",
                       ": a larger one gives a negative tip diameter");
        }
    }
    if (!is_valid_method_code(f.load_transfer_method_code))
        c.expected(n[4], f.load_transfer_method_code,
                   "a load-transfer method code from 1 to " + std::to_string(kMethodCount));
    modulus_of_material(f, out);
}

void soil_depth(const ProjectRecords& f, RecordCheck& c) {
    constexpr auto& n = records::kSoilDepth;
    if (c.in_range(n[0], f.deepest_soil_depth)) {
        const double increment = f.computation_increment;
        if (f.deepest_soil_depth <= 0) {
            c.expected(n[0], f.deepest_soil_depth, "a positive deepest soil depth");
        } else if (increment > 0 && increment <= kLargestReal &&
                   f.deepest_soil_depth / increment + kGridAllowance < 1.0) {
            c.expected(n[0], f.deepest_soil_depth,
                       "a deepest soil depth of at least one computation increment, " + number(increment),
                       ": no soil segment can be formed");
        }
    }
    if (c.in_range(n[1], f.cross_section_area) && f.cross_section_area < 0)
        c.expected(n[1], f.cross_section_area, "a cross-section area of 0 or more");
}

void soil_point_first(const ProjectRecords& f, RecordCheck& c, int i) {
    constexpr auto& a = records::kSoilPointFirstLine;
    const SoilPointRecord& p = f.soil_points[static_cast<std::size_t>(i)];
    c.at_soil_point(i, p.depth);
    if (c.in_range(a[0], p.depth)) {
        const double above = i > 0 ? f.soil_points[static_cast<std::size_t>(i - 1)].depth : 0;
        if (p.depth < 0)
            c.expected(a[0], p.depth, "a depth of 0 or more");
        else if (p.depth < above)
            c.expected(a[0], p.depth,
                       "a depth of at least " + number(above) + ", that of the soil point above");
    }
    const bool sand = p.soil_type_code == static_cast<int>(SoilType::Sand);
    if (!sand && p.soil_type_code != static_cast<int>(SoilType::Clay))
        c.expected(a[1], p.soil_type_code, "a soil-type code of 1 (sand) or 2 (clay)");
    if (c.in_range(a[2], p.coefficient_of_lateral_earth_pressure) && sand &&
        p.coefficient_of_lateral_earth_pressure < 0)
        c.expected(a[2], p.coefficient_of_lateral_earth_pressure,
                   "a coefficient of lateral earth pressure of 0 or more");
    if (c.in_range(a[3], p.effective_unit_weight)) {
        const int s = system_of(f) == UnitSystem::English ? 0 : 1;
        if (p.effective_unit_weight <= 0) {
            c.expected(a[3], p.effective_unit_weight, "a positive effective unit weight");
        } else if (p.effective_unit_weight < kLightest[s] || p.effective_unit_weight > kHeaviest[s]) {
            c.expected(
                a[3], p.effective_unit_weight,
                "an effective unit weight from " + number(kLightest[s]) + " to " + number(kHeaviest[s]),
                ": hardly a soil", Severity::Warning);
        }
    }
    if (c.in_range(a[4], p.friction_angle)) {
        if (p.friction_angle < 0 || p.friction_angle >= 90)
            c.expected(a[4], p.friction_angle, "a friction angle from 0 to below 90 degrees");
        else if (sand && p.friction_angle > kSteepestFriction)
            c.expected(a[4], p.friction_angle, "a friction angle of at most 45 degrees",
                       ": the charts of every method end there", Severity::Warning);
    }
    if (c.in_range(a[5], p.bearing_capacity_factor) && sand && p.bearing_capacity_factor < 0)
        c.expected(a[5], p.bearing_capacity_factor, "a bearing capacity factor of 0 or more");
}

void soil_point_second(const ProjectRecords& f, RecordCheck& c, int i) {
    constexpr auto& b = records::kSoilPointSecondLine;
    const SoilPointRecord& p = f.soil_points[static_cast<std::size_t>(i)];
    c.at_soil_point(i, p.depth);
    const double second[] = {p.maximum_unit_friction,
                             p.maximum_unit_bearing,
                             p.undrained_shear_strength,
                             p.remolded_shear_strength_or_blow_count,
                             p.yield_stress_ratio,
                             p.plasticity_index,
                             p.cone_resistance,
                             p.user_unit_skin_friction,
                             p.user_unit_end_bearing,
                             p.lrfd_factor_on_unit_friction.value_or(1),
                             p.lrfd_factor_on_unit_bearing.value_or(1),
                             p.soil_type_factor_fst};
    static_assert(std::size(second) == b.size(), "a field to check");
    bool in_range[std::size(second)];
    for (std::size_t k = 0; k < b.size(); ++k) in_range[k] = c.in_range(b[k], second[k]);
    // A negative strength makes a negative friction; a clay's PI and YSR below zero are the clay
    // rule's mark of data not given, and a negative qc means none of the layer's own.
    if (p.soil_type_code != static_cast<int>(SoilType::Clay)) return;
    if (in_range[2] && p.undrained_shear_strength < 0)
        c.expected(b[2], p.undrained_shear_strength, "an undrained shear strength of 0 or more");
    if (in_range[3] && p.remolded_shear_strength_or_blow_count < 0)
        c.expected(b[3], p.remolded_shear_strength_or_blow_count, "a remolded shear strength of 0 or more");
    // Fst scales the clay's friction down in sensitive clay (0.3 to 0.7); 0 would leave the layer
    // without friction, and a factor above 1 raises it beyond what the method was fitted to.
    if (in_range[11] && p.soil_type_factor_fst <= 0)
        c.expected(b[11], p.soil_type_factor_fst, "a positive soil-type factor Fst");
    else if (in_range[11] && p.soil_type_factor_fst > 1)
        c.expected(b[11], p.soil_type_factor_fst, "a soil-type factor Fst of at most 1",
                   ": the clay takes more friction than an insensitive clay", Severity::Warning);
}

void t_z_print(const ProjectRecords& f, RecordCheck& c, long long depths) {
    if (f.t_z_print_flag == 1) c.count(CountOf::TzPrintDepths, records::kTzPrint[1], depths);
}

void loading(const ProjectRecords& f, RecordCheck& c) {
    if (f.loading_type_code != 0 && f.loading_type_code != 1)
        c.expected(records::kLoading[0], f.loading_type_code,
                   "a loading type code of 0 (compression) or 1 (tension)");
    // Under tension the factor multiplies every unit friction: at 0 the pile holds by its weight alone.
    if (c.in_range(records::kLoading[1], f.tension_reduction_factor) && f.loading_type_code == 1 &&
        !(f.tension_reduction_factor > 0))
        c.expected(records::kLoading[1], f.tension_reduction_factor, "a tension reduction factor above 0",
                   ": no shaft friction in tension", Severity::Warning);
}

// Any drainage option other than 1 means undrained clay.
void drainage_and_plug(const ProjectRecords& f, RecordCheck& c) {
    if (f.plug_condition_code < 0 || f.plug_condition_code > 2)
        c.expected(records::kDrainageAndPlug[1], f.plug_condition_code, "a plug condition code of 0, 1 or 2");
    if (f.unified_clay_base_option != 0 && f.unified_clay_base_option != 1)
        c.expected(records::kDrainageAndPlug[2], f.unified_clay_base_option,
                   "a Unified clay base option of 0 (effective area ratio) or 1 (load tests)");
}

void section_table(const ProjectRecords& f, RecordCheck& c, long long rows, std::vector<Finding>& out) {
    constexpr auto& n = records::kSectionTable;
    c.count(CountOf::SectionRows, n[0], f.number_of_section_rows);
    // The engine reads a mode always; only the desktop program's reading leaves one out, to infer it.
    if (!f.section_mode) {
        c.add(Severity::Error, n[1], std::nullopt, "expected a section mode of 0, 1 or 2, found none.");
        return;
    }
    const int mode = *f.section_mode;
    if (mode < 0) c.expected(n[1], mode, "a section mode of 0, 1 or 2");
    if (mode == static_cast<int>(SectionMode::Constant) && f.cross_section_area <= 0) {
        // The area stands in record 9, read before the mode that needs it.
        RecordCheck area({RecordId::SoilDepth}, out);
        area.expected(records::kSoilDepth[1], f.cross_section_area,
                      "a positive cross-section area for the constant area of section mode 1");
    }
    if (mode >= static_cast<int>(SectionMode::VaryingWithDepth) && rows < 1)
        c.expected(n[0], static_cast<double>(rows),
                   "at least one section row for an area varying with depth (section mode 2)");
}

void section_row(const ProjectRecords& f, RecordCheck& c, int i) {
    const SectionRowRecord& s = f.section_rows[static_cast<std::size_t>(i)];
    c.at_depth(s.section_depth);
    c.in_range(records::kSectionRow[0], s.section_depth);
    if (c.in_range(records::kSectionRow[1], s.cross_section_area) && s.cross_section_area <= 0)
        c.expected(records::kSectionRow[1], s.cross_section_area, "a positive cross-section area");
}

void critical_depth(const ProjectRecords& f, RecordCheck& c) {
    constexpr auto& n = records::kCriticalDepth;
    const int option = f.critical_depth_option.value_or(0);
    if (option < 0 || option > 2) c.expected(n[0], option, "a critical-depth option of 0, 1 or 2");
    c.in_range(n[1], f.critical_depth.value_or(0));
}

// A working load is a share of the capacity at the tip: above none, and at most all of it.
void working_loads(const ProjectRecords& f, RecordCheck& c, long long count) {
    constexpr auto& n = records::kWorkingLoads;
    if (!f.working_load_fractions) return;
    if (count < 1 || count > kMaxWorkingLoads)
        c.add(Severity::Error, n[0], static_cast<double>(count),
              "expected from 1 to " + std::to_string(kMaxWorkingLoads) + " working loads, found " +
                  std::to_string(count) + ".");
    for (double fraction : *f.working_load_fractions)
        if (c.in_range(n[1], fraction) && !(fraction > 0 && fraction <= 1))
            c.expected(n[1], fraction,
                       "a working-load fraction above 0 and at most 1 of the capacity at the tip");
}

// Whether a run gets to its results: the soil must reach two diameters below the tip and fit the
// segment table; the penetration rows stop at the last whole increment above the tip.
void reaches_results(const ProjectRecords& f, std::vector<Finding>& out) {
    const double length = f.total_pile_length, increment = f.computation_increment;
    const double deepest = f.deepest_soil_depth;
    const double od = outside_diameter(f);
    const auto finite = [](double v) { return std::fabs(v) <= kLargestReal; };
    if (!(length > 0) || !(increment > 0) || !finite(length) || !finite(increment) || !finite(od) ||
        !finite(deepest))
        return;
    const int layers = static_cast<int>(f.soil_points.size() / 2);
    const double required = length + 2.0 * od / units_of(system_of(f)).diameter_per_length;
    const std::string_view deepest_field = records::kSoilDepth[0];
    if (deepest < required) {
        out.push_back({Severity::Error,
                       {RecordId::SoilDepth},
                       std::string(deepest_field),
                       std::nullopt,
                       layers,
                       deepest,
                       deepest,
                       "expected a deepest soil depth of at least " + lower_limit(required) +
                           ", the pile length plus two diameters, found " + number(deepest) +
                           ": the run stops before its results.",
                       true});
    }
    // A length left over from a change of units (40 m in increments of 0.3048 m) makes every table
    // end short of the tip.
    const double increments = std::trunc(length / increment + kGridAllowance);
    if (length / increment - increments > kGridAllowance) {
        const double last = increments * increment;
        out.push_back({Severity::Warning,
                       {RecordId::PileSection},
                       std::string(records::kPileSection[5]),
                       std::nullopt,
                       0,
                       last,
                       length,
                       "expected a total pile length of a whole number of computation increments of " +
                           number(increment) + ", found " + number(length) +
                           ": every table and the summary end at the penetration " + decimals(last, 2) +
                           ", short of the tip.",
                       false});
    }
    const double segments = std::trunc(deepest / increment + kGridAllowance);
    if (segments > kMaxSegments) {
        out.push_back({Severity::Error,
                       {RecordId::SoilDepth},
                       std::string(deepest_field),
                       std::nullopt,
                       layers,
                       deepest,
                       deepest,
                       "expected a deepest soil depth of at most " + std::to_string(kMaxSegments) +
                           " computation increments, found " + number(deepest) + ", " +
                           decimals(std::min(segments, 1.0e12), 0) + " increments of " + number(increment) +
                           ": the run stops before its results.",
                       true});
    }
}

// What a method needs of a layer and the layer lacks, named once at the first of its two points
// that lacks it. Values the value checks refuse below zero count as given: they are named there.
class LayerNeeds {
  public:
    LayerNeeds(const MethodInfo& info, const ProjectRecords& f, const CptProfile& cpt, std::size_t top,
               std::vector<Finding>& out)
        : info_(info), f_(f), cpt_(cpt), top_(top), out_(out) {}

    void check() {
        const bool sand = f_.soil_points[top_].is_sand();
        if (info_.user_values)
            lacking(
                RecordId::SoilPointSecondLine, 7,
                [](const SoilPointRecord& p) {
                    return !(p.user_unit_skin_friction > 0) && !(p.user_unit_end_bearing > 0);
                },
                [](const SoilPointRecord& p) { return p.user_unit_skin_friction; },
                "a user unit skin friction or end bearing above 0", {}, Severity::Warning);
        if (sand) {
            if (info_.sand.friction_angle)
                lacking(
                    RecordId::SoilPointFirstLine, 4,
                    [](const SoilPointRecord& p) {
                        return p.friction_angle == 0 && !(p.remolded_shear_strength_or_blow_count > 0);
                    },
                    [](const SoilPointRecord& p) { return p.friction_angle; },
                    "a friction angle or an SPT blow count above 0");
            if (info_.sand.ko)
                lacking(
                    RecordId::SoilPointFirstLine, 2,
                    [](const SoilPointRecord& p) { return p.coefficient_of_lateral_earth_pressure == 0; },
                    [](const SoilPointRecord& p) { return p.coefficient_of_lateral_earth_pressure; },
                    "a coefficient of lateral earth pressure above 0");
            if (info_.sand.nq)
                lacking(
                    RecordId::SoilPointFirstLine, 5,
                    [](const SoilPointRecord& p) { return p.bearing_capacity_factor == 0; },
                    [](const SoilPointRecord& p) { return p.bearing_capacity_factor; },
                    "a bearing capacity factor above 0");
        } else {
            if (info_.clay.su)
                lacking(
                    RecordId::SoilPointSecondLine, 2,
                    [](const SoilPointRecord& p) { return p.undrained_shear_strength == 0; },
                    [](const SoilPointRecord& p) { return p.undrained_shear_strength; },
                    "an undrained shear strength above 0");
            if (info_.clay.sur)
                lacking(
                    RecordId::SoilPointSecondLine, 3,
                    [](const SoilPointRecord& p) { return p.remolded_shear_strength_or_blow_count == 0; },
                    [](const SoilPointRecord& p) { return p.remolded_shear_strength_or_blow_count; },
                    "a remolded shear strength above 0");
            // The methods of the ICP-05 clay rule go on without them, and their runs warn of it.
            const Severity rule = info_.clay_data_warnings ? Severity::Warning : Severity::Error;
            if (info_.clay.ysr)
                lacking(
                    RecordId::SoilPointSecondLine, 4,
                    [](const SoilPointRecord& p) { return !(p.yield_stress_ratio > 0); },
                    [](const SoilPointRecord& p) { return p.yield_stress_ratio; },
                    "a yield stress ratio above 0",
                    rule == Severity::Warning ? ": the method's clay friction there is zero" : "", rule);
            if (info_.clay.pi)
                lacking(
                    RecordId::SoilPointSecondLine, 5,
                    [](const SoilPointRecord& p) { return !(p.plasticity_index > 0); },
                    [](const SoilPointRecord& p) { return p.plasticity_index; }, "a plasticity index above 0",
                    rule == Severity::Warning ? ": the method takes the interface friction angle of PI 0"
                                              : "",
                    rule);
        }
        // The cone methods take qc from the layer, else from the CPT points, else from a sand's blow count.
        if ((sand ? info_.sand.qc : info_.clay.qc) && cpt_.points.empty())
            lacking(
                RecordId::SoilPointSecondLine, 6,
                [sand](const SoilPointRecord& p) {
                    return !has_own_cone_resistance(p.cone_resistance) &&
                           !(sand && p.remolded_shear_strength_or_blow_count > 0);
                },
                [](const SoilPointRecord& p) { return p.cone_resistance; },
                "a cone resistance of at least " + number(kLeastOwnConeResistance) +
                    (sand ? ", CPT points or an SPT blow count" : " or CPT points"));
    }

  private:
    template <class Missing, class Value>
    void lacking(RecordId line, std::size_t field, Missing missing, Value value, const std::string& what,
                 const std::string& after = {}, Severity severity = Severity::Error) {
        for (std::size_t i = top_; i < top_ + 2; ++i) {
            const SoilPointRecord& p = f_.soil_points[i];
            if (!missing(p)) continue;
            const std::string_view name = line == RecordId::SoilPointFirstLine
                                              ? records::kSoilPointFirstLine[field]
                                              : records::kSoilPointSecondLine[field];
            const int points = static_cast<int>(f_.soil_points.size());
            out_.push_back({severity,
                            {line, static_cast<int>(i), points},
                            std::string(name),
                            info_.method,
                            static_cast<int>(top_ / 2) + 1,
                            p.depth,
                            value(p),
                            "expected " + what + ", found " + number(value(p)) + after + ".",
                            false});
            return;
        }
    }

    const MethodInfo& info_;
    const ProjectRecords& f_;
    const CptProfile& cpt_;
    std::size_t top_;
    std::vector<Finding>& out_;
};

}  // namespace

// A text holds no control character: a line break would split its record in the file, and every
// control character is written and read as a blank, so that a text held with one would change on
// the way through a file.
void text_record(RecordCheck& c, std::string_view field, const std::string& text) {
    const char32_t control = first_control_character(text);
    if (is_control_character(control))
        c.add(Severity::Error, field, std::nullopt,
              "expected a " + std::string(field) +
                  " without control characters (a line break, a tab), found " + character_name(control) +
                  ".");
    // The readers take a byte-order mark at the start of the file for the file's, not the title's.
    if (field == "title" && text.starts_with("\xEF\xBB\xBF"))
        c.add(Severity::Error, field, std::nullopt,
              "expected a title that does not start with a byte-order mark (U+FEFF), which the file would "
              "lose.");
}

// The analysis prints a t-z curve at a depth inside the soil profile only; the depth stays in the
// project (files hold such depths), and the run says that it prints no curve there.
void t_z_print_depth(const ProjectRecords& f, RecordCheck& c, double depth) {
    if (f.soil_points.empty()) return;
    const double bottom = f.soil_points.back().depth;
    if (depth >= 0 && depth <= bottom) return;
    c.expected(records::kTzPrintDepth, depth,
               "a t-z print depth within the soil profile (0 to " + number(bottom) + ")",
               ": no t-z curve is printed there", Severity::Warning);
}

std::vector<Finding> record_findings(const ProjectRecords& f, const RecordPlace& place, long long count) {
    std::vector<Finding> out;
    RecordCheck c(place, out);
    switch (place.id) {
        case RecordId::UnitsAndCounts:
            units_and_counts(f, c, count);
            break;
        case RecordId::PileSection:
            pile_section(f, c);
            break;
        case RecordId::EndSection:
            end_section(f, c);
            break;
        case RecordId::Options:
            options(f, c, out);
            break;
        case RecordId::SoilDepth:
            soil_depth(f, c);
            break;
        case RecordId::SoilPointFirstLine:
            soil_point_first(f, c, place.index);
            break;
        case RecordId::SoilPointSecondLine:
            soil_point_second(f, c, place.index);
            break;
        case RecordId::TzPrint:
            t_z_print(f, c, count);
            break;
        case RecordId::TzPrintDepth: {
            const double depth = f.t_z_print_depths[static_cast<std::size_t>(place.index)];
            c.at_depth(depth);
            if (c.in_range(records::kTzPrintDepth, depth)) t_z_print_depth(f, c, depth);
            break;
        }
        case RecordId::Title:
            text_record(c, "title", f.title);
            break;
        case RecordId::Designer:
            text_record(c, "designer", f.designer);
            break;
        case RecordId::JobNumber:
            text_record(c, "job number", f.job_number);
            break;
        case RecordId::Loading:
            loading(f, c);
            break;
        case RecordId::DrainageAndPlug:
            drainage_and_plug(f, c);
            break;
        case RecordId::SectionTable:
            section_table(f, c, count, out);
            break;
        case RecordId::SectionRow:
            section_row(f, c, place.index);
            break;
        case RecordId::CriticalDepth:
            critical_depth(f, c);
            break;
        case RecordId::WorkingLoads:
            working_loads(f, c, count);
            break;
        default:
            break;
    }
    return out;
}

std::vector<Finding> cpt_record_findings(const CptProfile& profile, const RecordPlace& place,
                                         long long count) {
    std::vector<Finding> out;
    RecordCheck c(place, out);
    if (place.id == RecordId::CptHeader) {
        c.count(CountOf::CptRows, "number of CPT rows", count);
        return out;
    }
    const std::size_t i = static_cast<std::size_t>(place.index);
    const CptPoint& p = profile.points[i];
    c.at_depth(p.depth);
    // The profile is looked up by depth; rows going upward would shift every qc read from it.
    if (c.in_range("depth", p.depth) && i > 0 && p.depth < profile.points[i - 1].depth)
        c.expected(
            "depth", p.depth,
            "a depth of at least " + number(profile.points[i - 1].depth) + ", that of the CPT row above");
    // A reading above 0 but below the least a layer's own qc counts with is no cone resistance the
    // methods can tell from none: they compute next to nothing from it, as from 0.
    if (c.in_range("cone resistance", p.qc) && p.qc > 0 && !has_own_cone_resistance(p.qc))
        c.expected("cone resistance", p.qc, "a cone resistance of 0 or at least 0.00001",
                   ": the cone-based methods find next to no resistance there", Severity::Warning);
    return out;
}

std::optional<Finding> cpt_row_refusal(const CptPoint& row) {
    for (Finding& f : cpt_record_findings(CptProfile{0, {row}}, {RecordId::CptRow, 0, 1}, 1))
        if (f.refuses()) return std::move(f);
    return std::nullopt;
}

std::vector<Finding> cpt_unit_findings(const ProjectRecords& f, const CptProfile& cpt) {
    std::vector<Finding> out;
    // A file without points holds no value to read in either system.
    if (cpt.points.empty()) return out;
    RecordCheck c({RecordId::CptHeader}, out);
    const std::optional<UnitSystem> file = cpt_unit_system(cpt.unit_code);
    const auto name = [](UnitSystem u) { return u == UnitSystem::SI ? "S.I." : "English"; };
    if (!file) {
        c.expected("unit-system code", cpt.unit_code, "a unit-system code of 1 (English) or 2 (S.I.)",
                   ": the units of the CPT points are not known");
        return out;
    }
    const UnitSystem project = system_of(f);
    if (*file == project) return out;
    c.expected("unit-system code", cpt.unit_code,
               std::string("the project's unit-system code ") + std::to_string(code_of(project)) + " (" +
                   name(project) + ")",
               std::string(" (") + name(*file) + "): the CPT data file's depths and qc are converted to " +
                   name(project) + " units for the run",
               Severity::Warning);
    return out;
}

// The cone-based methods run only on a file with offshore data, which a save of the desktop program
// always marks; without it a selected one would be left out of the results, and a cone-based method
// for unit load transfers would leave its curves without resistance.
void cone_methods_run(const ProjectRecords& f, const MethodFlags& flags, std::vector<Finding>& out) {
    if (f.offshore_data_flag == 1) return;
    for (const MethodInfo& m : kMethods) {
        if (!m.cone_based) continue;
        const bool selected = flags[index_of(m.method)] == 1;
        const bool transfer = f.load_transfer_method_code == code_of(m.method);
        if (!selected && !transfer) continue;
        const std::string role = selected && transfer ? "selected cone-based method for unit load transfers "
                                 : selected           ? "selected cone-based method "
                                                      : "cone-based method for unit load transfers ";
        out.push_back({Severity::Error,
                       {RecordId::Options},
                       std::string(records::kOptions[5]),
                       m.method,
                       0,
                       std::nullopt,
                       static_cast<double>(f.offshore_data_flag),
                       "expected an offshore-data flag of 1 for the " + role + std::string(m.name) +
                           ", found " + number(f.offshore_data_flag) +
                           ": without it the method does not run.",
                       false});
    }
}

// What the Dutch cone method lacks for the project's pile: factors for its pile class or a shape
// factor for its section (the method would give it no capacity), and a sounding that reaches 8
// equivalent diameters above and 4 below the tip, where the tip's layer reads the CPT rows.
void dutch_cone_pile(const ProjectRecords& f, const CptProfile& cpt, std::vector<Finding>& out) {
    const Method method = Method::Nen9997;
    const std::string name(method_info(method).name);
    const auto pile_type = static_cast<PileType>(f.pile_type_code);
    const bool known_type = f.pile_type_code >= 1 && f.pile_type_code <= 7;
    const auto finding = [&](Severity severity, RecordPlace place, std::string_view field,
                             std::optional<double> depth, double value, std::string message) {
        out.push_back(
            {severity, place, std::string(field), method, 0, depth, value, std::move(message), false});
    };
    if (known_type && !nen_pile_class_of(pile_type)) {
        finding(Severity::Error, {RecordId::Options}, records::kOptions[2], std::nullopt, f.pile_type_code,
                "expected a pile type of a class the method has factors for (3, precast concrete), found " +
                    number(f.pile_type_code) + " (" + std::string(nen_pile_type_name(pile_type)) +
                    "): the method gives it no capacity.");
        return;
    }
    const Units& units = units_of(system_of(f));
    const double m_per_length = system_of(f) == UnitSystem::SI ? 1.0 : 0.3048;
    const double m_per_diameter = m_per_length / units.diameter_per_length;
    const double od = f.outside_diameter * m_per_diameter;
    // The tip area is entered in in2 or m2; a circular pile has none entered.
    const double area = f.tip_area > 0 ? f.tip_area * m_per_length * m_per_length / units.solver_area_per_area
                                       : std::numbers::pi / 4 * od * od;
    if (!(area > 0) || !std::isfinite(area)) return;
    if (f.perimeter > kNoncircular && !nen_section_factor(f.perimeter * m_per_diameter, area)) {
        finding(Severity::Error, {RecordId::PileSection}, records::kPileSection[0], std::nullopt, f.perimeter,
                "expected the perimeter of a square section, 4 sqrt(tip area) = " +
                    decimals(4 * std::sqrt(area) / m_per_diameter, 3) + ", found " + number(f.perimeter) +
                    ": the method has no section factor for a rectangle and gives it no capacity.");
        return;
    }
    // The method's own tension factors are not among its tables here: rather than a tension
    // capacity that looks like the method's, the run says what it takes instead.
    if (f.loading_type_code == 1)
        finding(Severity::Warning, {RecordId::Loading}, records::kLoading[0], std::nullopt,
                f.loading_type_code,
                "expected compression loading, found 1 (tension): the method has no tension factor of its "
                "own here, so its shaft friction in tension is its friction in compression times the "
                "tension reduction factor, and its base the pile's self weight.");
    if (cpt.points.empty() || f.soil_points.empty()) return;
    // The layer of the tip reads the CPT rows unless it has a qc of its own.
    const double tip = f.total_pile_length;
    for (std::size_t i = 0; i + 1 < f.soil_points.size(); i += 2) {
        const bool holds_tip = f.soil_points[i].depth <= tip && tip <= f.soil_points[i + 1].depth;
        if (holds_tip && (has_own_cone_resistance(f.soil_points[i].cone_resistance) ||
                          has_own_cone_resistance(f.soil_points[i + 1].cone_resistance)))
            return;
    }
    const CptProfile rows = cpt_profile_in(cpt, system_of(f));
    const double d_eq = nen_equivalent_diameter(area) / m_per_length;  // ft or m
    const double first = rows.points.front().depth, last = rows.points.back().depth;
    const int count = static_cast<int>(rows.points.size());
    const double least_below = tip + kNenLowerZoneLeast * d_eq, most_below = tip + kNenLowerZoneMost * d_eq;
    const double above = std::max(tip - kNenUpperZone * d_eq, 0.0);
    if (last < most_below - kGridAllowance) {
        const bool no_base = last < least_below - kGridAllowance;
        finding(
            Severity::Warning, {RecordId::CptRow, count - 1, count}, "depth", last, last,
            "expected CPT rows down to 4 equivalent diameters below the tip, " + lower_limit(most_below) +
                ", found the last at " + number(last) +
                (no_base ? ": less than 0.7 diameters below the tip, so the method takes no base resistance "
                           "there."
                         : ": the method seeks the lower zone of its base only down to the last row."));
    }
    if (first > above + kGridAllowance)
        finding(Severity::Warning, {RecordId::CptRow, 0, count}, "depth", first, first,
                "expected CPT rows from 8 equivalent diameters above the tip, " + upper_limit(above) +
                    ", found the first at " + number(first) +
                    ": the method averages the upper zone of its base only from the first row.");
}

std::vector<Finding> layer_constant_findings(const ProjectRecords& f) {
    std::vector<Finding> out;
    const int points = static_cast<int>(f.soil_points.size());
    const bool si = system_of(f) == UnitSystem::SI;
    const std::string quake = si ? " mm" : " in";
    const std::string damping = si ? " s/m" : " s/ft";
    // What each constant must be, in the order of kLayerConstantFields: a quake is the soil's
    // elastic movement and cannot be nil, damping and A may be (no damping, no gain), and t0 divides.
    const struct {
        bool zero_allowed;
        std::string what;
    } rules[] = {{false, "a shaft quake above 0" + quake},
                 {false, "a toe quake above 0" + quake},
                 {true, "a shaft damping of 0" + damping + " or more"},
                 {true, "a toe damping of 0" + damping + " or more"},
                 {true, "a set-up factor A of 0 or more"},
                 {false, "a set-up time t0 above 0 days"}};
    for (int i = 0; i < points; ++i) {
        const SoilPointRecord& p = f.soil_points[static_cast<std::size_t>(i)];
        RecordCheck c({RecordId::LayerConstants, i, points}, out);
        c.at_soil_point(i, p.depth);
        for (std::size_t k = 0; k < kLayerConstantFields.size(); ++k) {
            const std::optional<double>& v = p.constants.*kLayerConstantFields[k];
            if (!v) continue;
            const std::string_view field = kLayerConstantNames[k];
            if (!std::isfinite(*v)) {
                c.add(Severity::Error, field, *v,
                      "expected " + rules[k].what + ", found a value that is not a finite number.");
                continue;
            }
            if (!c.in_range(field, *v)) continue;
            if (rules[k].zero_allowed ? *v < 0 : *v <= 0) c.expected(field, *v, rules[k].what);
        }
    }
    return out;
}

std::vector<Finding> whole_project_findings(const ProjectRecords& f, const CptProfile& cpt) {
    std::vector<Finding> out;
    reaches_results(f, out);
    const MethodFlags flags = f.method_selection_flags.value_or(MethodFlags{});
    cone_methods_run(f, flags, out);
    const bool dutch =
        flags[index_of(Method::Nen9997)] == 1 || f.load_transfer_method_code == code_of(Method::Nen9997);
    if (dutch && f.offshore_data_flag == 1) dutch_cone_pile(f, cpt, out);
    for (const MethodInfo& m : kMethods) {
        if (flags[index_of(m.method)] != 1 || (m.cone_based && f.offshore_data_flag != 1)) continue;
        for (std::size_t i = 0; i + 1 < f.soil_points.size(); i += 2) LayerNeeds(m, f, cpt, i, out).check();
    }
    return out;
}

std::vector<Finding> check_project(const ProjectRecords& f, const CptProfile& cpt) {
    std::vector<Finding> out;
    const auto add = [&out](std::vector<Finding> more) {
        out.insert(out.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
    };
    const int points = static_cast<int>(f.soil_points.size());
    const int depths = static_cast<int>(f.t_z_print_depths.size());
    const int rows = static_cast<int>(f.section_rows.size());
    const bool varying = f.section_mode.value_or(0) >= static_cast<int>(SectionMode::VaryingWithDepth);
    for (const RecordId id : {RecordId::Title, RecordId::Designer, RecordId::JobNumber})
        add(record_findings(f, {id}, 0));
    add(record_findings(f, {RecordId::UnitsAndCounts}, points));
    for (const RecordId id :
         {RecordId::PileSection, RecordId::EndSection, RecordId::Options, RecordId::SoilDepth})
        add(record_findings(f, {id}, 0));
    for (int i = 0; i < points; ++i) {
        add(record_findings(f, {RecordId::SoilPointFirstLine, i, points}, points));
        add(record_findings(f, {RecordId::SoilPointSecondLine, i, points}, points));
    }
    add(record_findings(f, {RecordId::TzPrint}, depths));
    for (int i = 0; f.t_z_print_flag == 1 && i < depths; ++i)
        add(record_findings(f, {RecordId::TzPrintDepth, i, depths}, depths));
    add(record_findings(f, {RecordId::Loading}, 0));
    add(record_findings(f, {RecordId::DrainageAndPlug}, 0));
    add(record_findings(f, {RecordId::SectionTable}, varying ? rows : f.number_of_section_rows));
    for (int i = 0; varying && i < rows; ++i) add(record_findings(f, {RecordId::SectionRow, i, rows}, rows));
    add(record_findings(f, {RecordId::CriticalDepth}, 0));
    if (f.working_load_fractions)
        add(record_findings(f, {RecordId::WorkingLoads},
                            static_cast<long long>(f.working_load_fractions->size())));
    const int cpt_rows = static_cast<int>(cpt.points.size());
    add(cpt_record_findings(cpt, {RecordId::CptHeader}, cpt_rows));
    for (int i = 0; i < cpt_rows; ++i)
        add(cpt_record_findings(cpt, {RecordId::CptRow, i, cpt_rows}, cpt_rows));
    add(cpt_unit_findings(f, cpt));
    add(layer_constant_findings(f));
    add(whole_project_findings(f, cpt));
    return out;
}

const Finding* first_refusal(const std::vector<Finding>& findings) {
    for (const Finding& f : findings)
        if (f.refuses()) return &f;
    return nullptr;
}

void refuse_first(const std::vector<Finding>& findings, const RecordLines& lines, const std::string& label,
                  const std::string& file_name) {
    const Finding* f = first_refusal(findings);
    if (!f) return;
    InputPlace place{file_name, record_title(f->place), lines.of(f->place)};
    std::string where = label + ", " + place.record;
    if (place.line > 0) where += ", line " + std::to_string(place.line);
    throw InputError(where + ": " + f->message, std::move(place));
}

std::optional<std::string> count_limit_message(CountOf what, long long n) {
    switch (what) {
        case CountOf::SoilPoints:
            if (n >= 2 && n <= kMaxSoilPoints) return std::nullopt;
            return "expected from 2 to " + std::to_string(kMaxSoilPoints) +
                   " soil points (a top and a bottom point per layer), found " + std::to_string(n) + ".";
        case CountOf::TzPrintDepths:
            if (n >= 0 && n <= kMaxTzPrintDepths) return std::nullopt;
            return "expected from 0 to " + std::to_string(kMaxTzPrintDepths) + " t-z print depths, found " +
                   std::to_string(n) + ".";
        case CountOf::SectionRows:
            if (n >= 0 && n <= kMaxSectionRows) return std::nullopt;
            return "expected from 0 to " + std::to_string(kMaxSectionRows) + " section rows, found " +
                   std::to_string(n) + ".";
        case CountOf::CptRows:
            if (n >= 0 && n <= kMaxCptRows) return std::nullopt;
            return "expected from 0 to " + std::to_string(kMaxCptRows) + " CPT rows, found " +
                   std::to_string(n) + ".";
    }
    return std::nullopt;
}

InputValueChecks::InputValueChecks(std::string file_name) : file_name_(std::move(file_name)) {}

void InputValueChecks::read(const ReadResult<ProjectRecords>& so_far, const RecordPlace& place,
                            long long count) {
    refuse_first(record_findings(so_far.records, place, count), so_far.lines, input_file_label(file_name_),
                 file_name_);
}

void InputValueChecks::read(const ReadResult<CptProfile>& so_far, const RecordPlace& place, long long count) {
    refuse_first(cpt_record_findings(so_far.records, place, count), so_far.lines, cpt_file_label(file_name_),
                 file_name_);
}

std::string input_file_label(const std::string& file_name) {
    return "Input data file " + quoted(file_name);
}

std::string cpt_file_label(const std::string& file_name) {
    return "CPT data file " + quoted(file_name);
}

}  // namespace torve
