// Capacity of one method against penetration: skin friction, end bearing and their sum.
#pragma once

#include <optional>
#include <vector>

#include "engine/methods/method_inputs.h"
#include "engine/methods/side_friction.h"

namespace torve {

// The averages of qc under and over the tip that the Dutch cone method's base comes from, in the
// routine stress unit, with the depth d of the lower zone (ft or m); `complete` is false where the
// readings end too close below the tip to give a base.
struct KoppejanAverages {
    double qc_i = 0;
    double qc_ii = 0;
    double qc_iii = 0;
    double lower_depth = 0;
    bool complete = false;
};

struct CapacityCurve {
    Method method = Method::Api;
    std::vector<double> skin_friction;  // cumulative, with the LRFD factors on unit friction
    std::vector<double>
        end_bearing;  // tip resistance (self weight under tension), times the LRFD factor on unit bearing
    std::vector<double> ultimate;  // skin friction + end bearing
    std::vector<double> unit_skin_friction;
    // The method's unit end bearing at each row's depth, before the LRFD factor on unit bearing.
    std::vector<double> unit_end_bearing;
    std::vector<int> tip_control;  // TipControl of each row; kSoilPlug rows print an asterisk
    // Inputs of the load-transfer curves when this method is the load-transfer method.
    std::vector<double> side_resistance;  // unfactored (Qs) or reduced (Qf) skin friction
    std::vector<double> tip_unfactored;   // end-bearing column before the LRFD factor on unit bearing
    std::vector<MethodWarning> warnings;  // printed above the method's table
    // Unified method only: qc at every segment's top and bottom, which its sand t-z curves read, and
    // the first depth of the pile without cone resistance, which the report names.
    SegmentPairs cone_resistance;
    std::optional<double> first_depth_without_cone;
    // Dutch cone method only: the averages of its base at every row, which its report table shows.
    std::vector<KoppejanAverages> koppejan;
};

// The rule set of one design method: its side friction and its unit end bearing. The tip chain, the
// self weight and the capacity table are common to every method.
struct DesignRules {
    Method method = Method::Api;
    SideFriction (*side_friction)(const MethodInputs&) = nullptr;
    SegmentPairs (*end_bearing)(const MethodInputs&) = nullptr;
};

// Runs a design method's side friction, its end bearing, the tip chain and (under tension) the
// self weight, and forms the capacity table values of every penetration row.
CapacityCurve design_method_capacity(const DesignRules& rules, const MethodInputs& m);

// Turns per-row skin friction and end-bearing column values into a capacity curve: the end
// bearing of row j is multiplied by the LRFD factor on unit bearing of the segment beginning there.
// `unit_end_bearing` is the method's unit end bearing at each row.
CapacityCurve assemble_capacity(Method method, const MethodInputs& m, const SideFriction& side,
                                const std::vector<double>& end_column, std::vector<int> tip_control,
                                std::vector<double> unit_end_bearing);

}  // namespace torve
