// Capacity from the user's unit skin friction and unit end bearing.
#include "engine/methods/user_specified_method.h"

#include "engine/methods/tip_resistance.h"
#include "engine/model/rounded_constants.h"

namespace torve {

CapacityCurve user_specified_capacity(const MethodInputs& m) {
    const PileGeometry& pile = m.pile;
    const auto rows = static_cast<std::size_t>(pile.rows);
    CapacityCurve c;
    c.method = Method::UserSpecified;
    c.skin_friction.assign(rows, 0.0);
    c.end_bearing.assign(rows, 0.0);
    c.ultimate.assign(rows, 0.0);
    c.unit_skin_friction.assign(rows, 0.0);
    c.unit_end_bearing.assign(rows, 0.0);
    c.tip_control.assign(rows, kFullSection);
    c.side_resistance.assign(rows, 0.0);
    c.tip_unfactored.assign(rows, 0.0);
    if (!m.profile.has_user_values) return c;

    // Full circular section, or the entered noncircular tip area.
    const double tip_area = pile.tip_area > 1e-4 ? pile.tip_area : pile.od * pile.od * kQuarterPiUserTip;
    const double dz = pile.increment;
    double unfactored = 0;
    for (std::size_t j = 0; j < rows; ++j) {
        // Row j lies at the bottom of segment j - 1; the surface row takes the first segment.
        const Segment& s = m.profile.at(j == 0 ? 0 : static_cast<int>(j) - 1);
        c.unit_skin_friction[j] = s.user_friction;
        c.unit_end_bearing[j] = s.user_bearing;
        c.end_bearing[j] = tip_area * s.user_bearing;
        if (j > 0) {
            const double dq = pile.perimeter * s.user_friction * dz;
            unfactored += dq;
            c.skin_friction[j] =
                c.skin_friction[j - 1] + dq * m.profile.at(static_cast<int>(j)).lrfd_friction;
        }
        c.side_resistance[j] = m.in.reduced_resistance == 1 ? c.skin_friction[j] : unfactored;
        c.tip_unfactored[j] = c.end_bearing[j];
        c.ultimate[j] = c.skin_friction[j] + c.end_bearing[j];
    }
    return c;
}

}  // namespace torve
