// The characteristic capacity of one pile in one soil from several projects, each with its own
// sounding: the projects checked to be the same pile and layers, each analysed with one method.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/driver/input_reader.h"
#include "engine/driver/run_result.h"
#include "engine/model/characteristic_capacity.h"
#include "engine/model/input_data.h"

namespace torve {

// One project's input as read with its sounding, and the name that messages and tables give it.
struct SoundingProject {
    std::string name;
    RunInput input;
};

// What differs between the pile and soil layers of `other` and those of `first`, in words ("the
// total pile length: 40 against 30"); none when they are the same. The pile is its section, length,
// material, type, end section, taper, increments and loading; the layers are the soil points' depths
// and soil types and the depth of the soil. The properties of the layers may differ, as each
// sounding gives its own.
std::optional<std::string> pile_and_layer_difference(const InputData& first, const InputData& other);

// The characteristic capacity with method `method`, or why there is none.
struct CharacteristicAnalysis {
    RunStatus status = RunStatus::Completed;
    std::string message;  // why there is no answer, naming the project
    bool english = true;
    bool tension = false;
    Method method = Method::Api;
    CharacteristicCapacity capacity;
    // The warnings of each project's run, in the order of the projects.
    std::vector<std::vector<RunWarning>> warnings;

    bool answered() const { return status == RunStatus::Completed && message.empty(); }
};

// Analyses each project (read with `method` its only method, parse_run_input's only_method) and
// combines the capacities of its table. Refuses, naming the project: no project, a project whose
// pile or layers differ from the first one's, a run that fails or stops, a method that does not
// run on the project. Never throws.
CharacteristicAnalysis compute_characteristic(const std::vector<SoundingProject>& projects, Method method,
                                              bool stiff_structure);

}  // namespace torve
