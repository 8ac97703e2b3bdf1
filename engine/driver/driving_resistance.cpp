// Static resistance to driving.
#include "engine/driver/driving_resistance.h"

namespace torve {

SrdProfile compute_srd(const InputData& in, const CptProfile&, SrdMethod method, const std::vector<double>&) {
    SrdProfile out;
    out.english = in.units == UnitSystem::English;
    out.method = method;
    out.status = RunStatus::InternalError;
    out.message = "The static resistance to driving is not available in this build.";
    return out;
}

}  // namespace torve
