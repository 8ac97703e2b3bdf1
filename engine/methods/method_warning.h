// Warnings a method routine raises while it computes, for the report to print above its table.
#pragma once

namespace torve {

struct MethodWarning {
    enum Kind {
        MissingPlasticityIndex,  // a clay segment with a negative plasticity index: the chart's first angle
        CloseToTip,              // a clay segment of the pile closer than 8 R* to the tip: 8 is used
    };
    Kind kind = CloseToTip;
    double depth = 0;  // top of the segment that raised it, below the ground surface, ft or m

    bool operator==(const MethodWarning&) const = default;
};

}  // namespace torve
