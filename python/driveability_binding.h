// torve._engine.driveability and torve._engine.wave_equation: a hammer driving a project's pile,
// its results as Python values.
#pragma once

#include <pybind11/pybind11.h>

#include <functional>

#include "python/run_binding.h"

namespace torve::python {

// Registers driveability(project, hammer_json, srd, depths, jobs, shaft_factor, base_factor,
// friction_angle) and wave_equation(project,
// hammer_json, resistance, srd, shaft_fraction, segment_length) on the module.
void bind_driveability(pybind11::module_& m,
                       std::function<RunRequest(const pybind11::handle& project)> request_of);

}  // namespace torve::python
