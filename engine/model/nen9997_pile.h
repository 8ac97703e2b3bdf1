// What the Dutch cone method (NEN 9997-1) holds for a pile, shared by the method and the checks
// before a run: the pile classes it has factors for, the sections it has a shape factor for, and
// the zones of the sounding its base is averaged over. In the method's own units, m and MPa.
#pragma once

#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <string_view>

#include "engine/model/file_format.h"

namespace torve {

// The classes of the standard's table whose factors are established: alpha_p of the base and
// alpha_s of the shaft in sand and gravel (Table 7.c of the 2017 edition).
enum class NenPileClass : int {
    DrivenPrecast = 0,        // driven precast concrete and other full-displacement driven piles
    ScrewInjection = 1,       // screw piles cast in place with grout injection
    VibratedCastInPlace = 2,  // vibrated cast-in-place piles
};

struct NenClassFactors {
    NenPileClass pile_class;
    std::string_view name;
    double alpha_p;
    double alpha_s;
};

inline constexpr std::array<NenClassFactors, 3> kNenPileClasses = {{
    {NenPileClass::DrivenPrecast, "driven precast concrete", 0.7, 0.010},
    {NenPileClass::ScrewInjection, "screw injection", 0.63, 0.009},
    {NenPileClass::VibratedCastInPlace, "vibrated cast-in-place", 0.7, 0.014},
}};

constexpr const NenClassFactors& nen_class_factors(NenPileClass c) {
    return kNenPileClasses[static_cast<std::size_t>(c)];
}

// The class of a pile type. Of this program's driven piles only precast concrete belongs to a class
// with established factors; the steel, timber and shell piles (closed or open tubes, H-piles, the
// tapered shells) have none, and the method gives them no capacity rather than a guess.
constexpr std::optional<NenPileClass> nen_pile_class_of(PileType type) {
    if (type == PileType::PrecastConcrete) return NenPileClass::DrivenPrecast;
    return std::nullopt;
}

// The pile type as the checks and the run's warnings name it.
constexpr std::string_view nen_pile_type_name(PileType type) {
    switch (type) {
        case PileType::SteelPipe:
            return "steel pipe";
        case PileType::Timber:
            return "timber";
        case PileType::PrecastConcrete:
            return "precast concrete";
        case PileType::RaymondStepTaper:
            return "Raymond step-taper";
        case PileType::RaymondUniformTaper:
            return "Raymond uniform-taper";
        case PileType::HPile:
            return "H-pile";
        case PileType::MonotubeTaper:
            return "monotube taper";
    }
    return "unknown";
}

// Zones of the base, in equivalent diameters of the tip: the lower zone reaches between 0.7 and 4
// below the tip, the upper zone 8 above it.
inline constexpr double kNenLowerZoneLeast = 0.7;
inline constexpr double kNenLowerZoneMost = 4.0;
inline constexpr double kNenUpperZone = 8.0;

// Equivalent diameter of the tip, 2 sqrt(A / pi) (a square of side a: 1.128 a).
inline double nen_equivalent_diameter(double tip_area) {
    return 2.0 * std::sqrt(tip_area / std::numbers::pi);
}

// The section factor s: 1 for a circular section (no perimeter entered) and for a square one
// (perimeter^2 = 16 area, within 0.5 %); no value for a rectangle, whose factor the method would
// read from a chart of the side ratio that it does not hold.
inline std::optional<double> nen_section_factor(double perimeter, double tip_area) {
    if (!(perimeter > 0)) return 1.0;
    const double square_perimeter = 4.0 * std::sqrt(tip_area);
    if (std::abs(perimeter - square_perimeter) <= 0.005 * square_perimeter) return 1.0;
    return std::nullopt;
}

}  // namespace torve
