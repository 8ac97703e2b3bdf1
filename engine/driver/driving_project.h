// A project read for driving its pile: the project with the files beside it, the cone readings
// its resistance to driving needs, the hammer, and the tip depths it is driven to.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/driver/hammer.h"
#include "engine/driver/input_reader.h"

namespace torve {

struct DrivingProject {
    RunInput input;
    Hammer hammer;
};

// Reads the project as read_project_input does, gives its CPT points the cone readings kept beside
// it (Alm & Hamre in clay needs their sleeve friction) and reads the hammer file. Raises InputError
// naming the file or the value refused.
DrivingProject read_driving_project(const std::string& project, const std::string& hammer_file);

// Tip depths A, A+S, ... and B, in ft or m below the ground surface.
struct TipDepthRange {
    double from = 0, to = 0, step = 0;
};

// The most tip depths a range may give: more would only keep the machine busy for a picture no
// finer than the pile's segments.
inline constexpr int kMostTipDepths = 2000;

// The depths of `range`, or without one every 3 ft or 1 m down to the pile's length. A range that
// starts below the pile's length starts at it: the shallowest depth is always one the pile reaches.
// The range must have 0 < from <= to and step > 0 (a caller checks it).
std::vector<double> driving_tip_depths(const InputData& in, std::optional<TipDepthRange> range);

// The assumed ultimate resistances of a bearing graph that the user gave none of: ten, evenly from
// a fifth to twice `srd_total`, the resistance to driving at the pile's length.
std::vector<double> default_bearing_resistances(double srd_total);

}  // namespace torve
