// Digitized charts of the FHWA method: Tomlinson's adhesion (clay), Nordlund's side friction
// (sand) and the end-bearing factors of sand.
#pragma once

#include "engine/model/file_format.h"

namespace torve::fhwa {

// Tomlinson's three driving situations, each with its own adhesion chart.
enum class AdhesionCase : int {
    SandOverStiffClay = 1,
    SoftClayOverStiffClay = 2,
    NoOverlyingStrata = 3,
};

// Adhesion factor alpha for the undrained shear strength su (ksf) and the penetration ratio
// R = embedded length / pile diameter.
double tomlinson_alpha(AdhesionCase chart, double su_ksf, double penetration_ratio);

// delta/phi for the pile type (one chart row per type) and the displaced volume V (ft3/ft).
double nordlund_delta_ratio(PileType pile_type, double volume);

// Correction factor CF applied to K-delta when delta differs from phi.
double nordlund_correction(double delta_ratio, double phi);

// Coefficient of lateral earth pressure K-delta for phi (degrees), the displaced volume V (ft3/ft)
// and the taper angle omega (degrees).
double nordlund_k_delta(double phi, double volume, double omega);

// Bearing capacity factor N'q of sand by phi.
double bearing_factor(double phi);

// Dimensionless factor alpha_t of sand by phi and the ratio D/b of embedded length to diameter.
double bearing_depth_factor(double phi, double depth_ratio);

// Limiting unit end bearing q_L of sand by phi, in tsf.
double bearing_limit_tsf(double phi);

}  // namespace torve::fhwa
