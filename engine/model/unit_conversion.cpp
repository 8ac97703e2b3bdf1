// Values taken from one unit system to the other.
#include "engine/model/unit_conversion.h"

#include <charconv>
#include <cmath>

#include "engine/model/cone_readings_file.h"

namespace torve {
namespace {

constexpr double kPoundsPerKip = 1000;

}  // namespace

double converted_value(double value, double factor) {
    const double v = value * factor;
    if (v == 0 || !std::isfinite(v)) return v;
    // Rounded through the decimal text, which is exact both ways.
    char buf[64];
    const auto written =
        std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, kSnapDigits - 1);
    double nearest = v;
    std::from_chars(buf, written.ptr, nearest);
    return std::fabs(nearest - v) <= kSnapTolerance * std::fabs(v) ? nearest : v;
}

std::optional<UnitSystem> cpt_unit_system(int unit_code) {
    if (unit_code == code_of(UnitSystem::English)) return UnitSystem::English;
    if (unit_code == code_of(UnitSystem::SI)) return UnitSystem::SI;
    return std::nullopt;
}

CptFactors cpt_factors(UnitSystem file, UnitSystem project, bool qc_in_ksf) {
    CptFactors f;
    if (file != project) {
        // ksf per kPa: (kips per kN) / (ft per m)^2, as the desktop program's tables take it.
        const double ksf_per_kpa = (1 / kNewtonsPerPound) / std::pow(1 / kMetresPerFoot, 2);
        f.depth = project == UnitSystem::SI ? kMetresPerFoot : 1 / kMetresPerFoot;
        f.qc = project == UnitSystem::SI ? 1 / ksf_per_kpa : ksf_per_kpa;
    }
    // The files hold English qc in lb/ft2.
    if (file == UnitSystem::English) f.qc /= kPoundsPerKip;
    if (project == UnitSystem::English && !qc_in_ksf) f.qc *= kPoundsPerKip;
    return f;
}

CptProfile cpt_profile_in(const CptProfile& file, UnitSystem project) {
    CptProfile out = file;
    out.unit_code = code_of(project);
    const std::optional<UnitSystem> from = cpt_unit_system(file.unit_code);
    if (!from || *from == project) return out;
    // Through ksf, as the desktop program holds English points: a run on the file gives what a run
    // on the project gives once the desktop program has opened and saved it.
    const CptFactors f = cpt_factors(*from, project, true);
    const double to_file_qc = project == UnitSystem::English ? kPoundsPerKip : 1;
    for (CptPoint& p : out.points)
        p = {converted_value(p.depth, f.depth), converted_value(p.qc, f.qc) * to_file_qc};
    out.readings = cone_readings_in(file.readings, *from, project, false);
    return out;
}

}  // namespace torve
