// The factors of the English and the S.I. unit systems.
#include "engine/model/units.h"

#include "engine/model/rounded_constants.h"

namespace torve {
namespace {

constexpr Units kEnglish{
    .system = UnitSystem::English,
    .diameter_per_length = 12,
    .solver_per_length = 12,
    .diameter_per_solver_length = 1,
    .mm_per_diameter = 25.4,
    .diameter_per_inch = 1,
    .inches_per_solver_length = 1,
    .solver_area_per_area = 144,
    .square_diameter_per_area = 144,
    .area_per_square_diameter = 1,
    .area_per_square_foot = 1,
    .read_stress_per_stress = 1000,
    .read_stress_per_psi = 144,
    .stress_per_ksf = 1,
    .solver_force_per_force = 1000,
    .psf_per_solver_stress = 144,
    .stiffness_per_force = 1000,  // lb/in2 x in2 = lb against ksf x ft2 = kips
    .critical_stress = 3.5,
    .atmospheric_pressure = kAtmosphereKsf,
    .steel_unit_weight = 0.49,
    .concrete_unit_weight = 0.15,
    .timber_unit_weight = 0.05,
    .water_unit_weight = 0.0624,
    .dilation_shift = 0.0007874,
    .solver_tolerance = 0.0001,
};

// The S.I. factors are rounded as the engine has always rounded them, so that S.I. reports keep
// their digits: 39.37 in/m, 0.0929 m2/ft2, 6.8948 kPa/psi, 47.88 kPa/ksf, 20.89 psf/kPa, 167.58 kPa
// for 3,500 lb/ft2, and the pile unit weights converted from lb/ft3, with 9.8 kN/m3 for water.
constexpr Units kSi{
    .system = UnitSystem::SI,
    .diameter_per_length = 1000,
    .solver_per_length = 1,
    .diameter_per_solver_length = 1000,
    .mm_per_diameter = 1,
    .diameter_per_inch = 25.4,
    .inches_per_solver_length = 39.37,
    .solver_area_per_area = 1,
    .square_diameter_per_area = 1.0e6,
    .area_per_square_diameter = 1.0e-6,
    .area_per_square_foot = 0.0929,
    .read_stress_per_stress = 1,
    .read_stress_per_psi = 6.8948,
    .stress_per_ksf = 47.88,
    .solver_force_per_force = 1,
    .psf_per_solver_stress = 20.89,
    .stiffness_per_force = 1.0e6,  // kPa x mm2 = 1e-6 kN against kPa x m2 = kN
    .critical_stress = 167.58,
    .atmospheric_pressure = 100,
    .steel_unit_weight = 76.97263,
    .concrete_unit_weight = 23.563051,
    .timber_unit_weight = 7.8543506,
    .water_unit_weight = 9.8,
    .dilation_shift = 0.02,
    // The tolerance stays 0.0001 in: 0.0001 m would be forty times coarser and shifts S.I. head
    // loads by several percent.
    .solver_tolerance = 0.0001 / 39.37,
};

}  // namespace

const Units& units_of(UnitSystem system) {
    return system == UnitSystem::English ? kEnglish : kSi;
}

}  // namespace torve
