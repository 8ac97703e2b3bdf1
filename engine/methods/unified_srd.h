// UniSand-SRD, Lehane et al. (2022): the Unified cone method's sand friction and base as a pile
// being driven meets them.
#pragma once

namespace torve {

// Diameter of the standard cone, m.
inline constexpr double kConeDiameter = 0.0357;

// The pile's tip as the sand sees it while it is driven. Diameters in m; an inside diameter of 0 is
// a closed end (or a section without a bore).
struct DrivenTip {
    double plug_length_ratio = 0;  // PLR = tanh[0.3 (Di / dCPT)^0.5]; 0 for a closed end
    double area_ratio = 1;         // effective area ratio Are = 1 - PLR (Di / D)^2
    double outside = 0;            // D
    double wall_ratio = 0.5;       // t / D, with t = (D - Di) / 2
};
DrivenTip driven_tip(double outside, double inside);

// Unit friction at height h (m) above the tip, kPa: 0.39 (sigma'rc + delta sigma'rd) with
// sigma'rc = qc / 44 Are^0.3 max(1, h / D)^-0.4 and delta sigma'rd = qc / 10 (qc / sigma_v)^-0.33
// dCPT / D. 0 where qc is 0.
double unified_srd_friction(const DrivenTip& tip, double qc, double sigma_v, double h);

// Unit base resistance over the full area pi D^2 / 4, kPa: 0.4 qc [exp(-2 PLR) + 4 t / D], at most
// 0.4 qc.
double unified_srd_base(const DrivenTip& tip, double qc);

}  // namespace torve
