// Unit labels of the report, chosen by the project's unit system.
#pragma once

#include <string_view>

#include "engine/model/input_data.h"

namespace torve {

struct UnitLabels {
    std::string_view length;       // A3
    std::string_view diameter;     // A3
    std::string_view force;        // A3
    std::string_view stress;       // A3
    std::string_view unit_weight;  // A5
    std::string_view area;         // A3
    std::string_view modulus;      // A3
};

constexpr UnitLabels unit_labels(UnitSystem units) {
    if (units == UnitSystem::English) return {"FT.", "IN.", "KIP", "KSF", "LB/CF", "IN2", "PSI"};
    return {"M. ", "MM.", "KN.", "KPA", "KN/CM", "M2 ", "KPA"};
}

// A label inside a line of text rather than in its own field, without the blanks that pad it to
// the field's width: "M. " reads "M." there.
constexpr std::string_view unpadded(std::string_view label) {
    return label.substr(0, label.find_last_not_of(' ') + 1);
}

}  // namespace torve
