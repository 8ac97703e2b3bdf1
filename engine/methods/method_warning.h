// Warnings a method routine raises while it computes, for the report to print above its table.
#pragma once

namespace torve {

enum class MethodWarning {
    MissingPlasticityIndex,  // a clay segment with a negative plasticity index: the chart's first angle
    CloseToTip,              // a clay segment of the pile closer than 8 R* to the tip: 8 is used
};

}  // namespace torve
