// Friction angle of sand from its SPT blow count and vertical effective stress.
#pragma once

namespace torve {

// Friction angle in degrees for blow count `n` at vertical effective stress `s_psi` (lb/in2),
// from three curves of friction angle against N for overburden stresses of 0, 20 and 40 lb/in2,
// blended linearly by stress. At 40 lb/in2 or more the 40 lb/in2 curve is used, clamped to its
// ends (N 10 and 90).
double friction_angle_from_spt(double n, double s_psi);

}  // namespace torve
