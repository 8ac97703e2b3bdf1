#include "engine/driver/sounding_projects.h"

#include <cmath>
#include <exception>
#include <functional>

#include "engine/driver/run_analysis.h"
#include "engine/model/input_error.h"
#include "engine/model/number_text.h"

namespace torve {
namespace {

// Read from the same text, a value is the same double; a file written by another program may give
// it in another number of decimals.
bool same(double a, double b) {
    return std::abs(a - b) <= 1e-9 * std::max({1.0, std::abs(a), std::abs(b)});
}

std::string against(double other, double first) {
    return shortest_real(other) + " against " + shortest_real(first);
}

struct Field {
    const char* what;
    std::function<double(const InputData&)> value;
};

// The pile's quantities, in the order of the project's records.
const std::vector<Field>& pile_fields() {
    static const std::vector<Field> fields = {
        {"the unit system code", [](const InputData& d) { return static_cast<double>(d.units); }},
        {"the print interval", [](const InputData& d) { return static_cast<double>(d.print_interval); }},
        {"the perimeter", [](const InputData& d) { return d.perimeter; }},
        {"the tip area", [](const InputData& d) { return d.tip_area; }},
        {"the outside diameter", [](const InputData& d) { return d.outside_diameter; }},
        {"the inside diameter", [](const InputData& d) { return d.inside_diameter; }},
        {"the modulus of elasticity", [](const InputData& d) { return d.modulus_of_elasticity; }},
        {"the total pile length", [](const InputData& d) { return d.total_pile_length; }},
        {"the stickup length", [](const InputData& d) { return d.stickup_length; }},
        {"the length of the end section", [](const InputData& d) { return d.enhanced_end_section_length; }},
        {"the inside diameter of the end section",
         [](const InputData& d) { return d.enhanced_end_section_inside_diameter; }},
        {"the zero-friction length", [](const InputData& d) { return d.zero_friction_length; }},
        {"the computation increment", [](const InputData& d) { return d.computation_increment; }},
        {"the pile type code", [](const InputData& d) { return static_cast<double>(d.pile_type); }},
        {"the taper angle", [](const InputData& d) { return d.taper_angle; }},
        {"the cross-section area", [](const InputData& d) { return d.cross_section_area; }},
        {"the loading code", [](const InputData& d) { return static_cast<double>(d.loading_type); }},
        {"the tension reduction factor", [](const InputData& d) { return d.tension_reduction_factor; }},
        {"the plug condition code", [](const InputData& d) { return static_cast<double>(d.plug_condition); }},
        {"the section mode code", [](const InputData& d) { return static_cast<double>(d.section_mode); }},
        {"the number of section rows",
         [](const InputData& d) { return static_cast<double>(d.sections.size()); }},
        {"the depth of the soil", [](const InputData& d) { return d.deepest_soil_depth; }},
        {"the number of soil points", [](const InputData& d) { return static_cast<double>(d.soil.size()); }},
    };
    return fields;
}

// A soil point by its layer, as the project's layers pair their top and bottom points.
std::string soil_point(std::size_t i) {
    return std::string(i % 2 == 0 ? "the top" : "the bottom") + " of layer " + std::to_string(i / 2 + 1);
}

std::optional<CapacityTable> table_of(const RunResult& r, Method method) {
    for (const CapacityTable& t : r.methods)
        if (t.method == method) return t;
    return std::nullopt;
}

}  // namespace

std::optional<std::string> pile_and_layer_difference(const InputData& first, const InputData& other) {
    for (const Field& f : pile_fields())
        if (!same(f.value(other), f.value(first)))
            return std::string(f.what) + ": " + against(f.value(other), f.value(first));
    for (std::size_t i = 0; i < first.sections.size(); ++i) {
        const std::string row = "section row " + std::to_string(i + 1);
        if (!same(other.sections[i].depth, first.sections[i].depth))
            return "the depth of " + row + ": " + against(other.sections[i].depth, first.sections[i].depth);
        if (!same(other.sections[i].area, first.sections[i].area))
            return "the area of " + row + ": " + against(other.sections[i].area, first.sections[i].area);
    }
    for (std::size_t i = 0; i < first.soil.size(); ++i) {
        if (!same(other.soil[i].depth, first.soil[i].depth))
            return "the depth of " + soil_point(i) + ": " + against(other.soil[i].depth, first.soil[i].depth);
        if (other.soil[i].soil_type != first.soil[i].soil_type)
            return "the soil of " + soil_point(i) + ": " + (other.soil[i].is_sand() ? "sand" : "clay") +
                   " against " + (first.soil[i].is_sand() ? "sand" : "clay");
    }
    return std::nullopt;
}

CharacteristicAnalysis compute_characteristic(const std::vector<SoundingProject>& projects, Method method,
                                              bool stiff_structure) {
    CharacteristicAnalysis a;
    a.method = method;
    const std::string method_name(method_info(method).name);
    if (projects.empty()) {
        a.status = RunStatus::InputError;
        a.message = "The characteristic capacity needs at least one project.";
        return a;
    }
    const InputData& first = projects.front().input.in;
    a.english = first.units == UnitSystem::English;
    a.tension = first.tension();
    for (const SoundingProject& p : projects) {
        if (const auto difference = pile_and_layer_difference(first, p.input.in)) {
            a.status = RunStatus::InputError;
            a.message = p.name + ": not the same pile and soil layers as " + projects.front().name + ", " +
                        *difference + ".";
            return a;
        }
    }
    std::vector<SoundingCapacity> soundings;
    for (const SoundingProject& p : projects) {
        const RunResult r = compute_analysis(p.input.in, p.input.cpt);
        a.warnings.push_back(r.warnings);
        if (r.status != RunStatus::Completed || r.stop != RunStop::None) {
            a.status = r.status;
            a.message = p.name + ": " + (r.message.empty() ? "the run gave no capacity." : r.message);
            return a;
        }
        const std::optional<CapacityTable> table = table_of(r, method);
        if (!table) {
            a.status = RunStatus::InputError;
            a.message =
                p.name + ": the " + method_name + " method did not run on it" +
                (is_cone_based(method) ? " (a cone-based method runs only with offshore data)." : ".");
            return a;
        }
        soundings.push_back({p.name, table->depth, table->total});
    }
    try {
        a.capacity = characteristic_capacity(soundings, stiff_structure);
    } catch (const InputError& e) {
        a.status = RunStatus::InputError;
        a.message = e.what();
    } catch (const std::exception& e) {
        a.status = RunStatus::InternalError;
        a.message = e.what();
    }
    return a;
}

}  // namespace torve
