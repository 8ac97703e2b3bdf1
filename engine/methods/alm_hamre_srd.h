// Alm & Hamre (2001): the unit resistances of a pile being driven, from the cone, in sand and clay.
#pragma once

namespace torve {

// Every value in kPa and m. sigma_v is the vertical effective stress, qc the cone resistance (qt in
// clay), h the height of the soil level above the pile tip.
struct FrictionFatigue {
    double initial = 0;   // tau_i, at the tip
    double residual = 0;  // tau_res, far above it
    double decay = 0;     // k, 1/m
    // tau(h) = tau_res + (tau_i - tau_res) exp(-k h).
    double at(double h) const;
};

// The atmospheric pressure the sand friction is scaled by.
inline constexpr double kAlmHamreAtmosphere = 100;

// Sand: tau_i = 0.0132 qc (sigma_v / pa)^0.13 tan(delta), tau_res = 0.2 tau_i,
// k = (qc / sigma_v)^0.5 / 80. No friction where qc or sigma_v is 0.
FrictionFatigue alm_hamre_sand_friction(double qc, double sigma_v, double delta_degrees);

// Clay: tau_i = fs, tau_res = 0.004 qt (1 - 0.0025 qt / sigma_v) held within [0, tau_i], since a
// friction left after many passes of the tip can neither pull the pile down nor exceed the first;
// k = (qt / sigma_v)^0.5 / 80.
FrictionFatigue alm_hamre_clay_friction(double qt, double sigma_v, double fs);

// Stress on the steel annulus of a coring pile: sand 0.15 qc (qc / sigma_v)^0.2, clay 0.6 qt.
double alm_hamre_sand_tip(double qc, double sigma_v);
double alm_hamre_clay_tip(double qt);

}  // namespace torve
