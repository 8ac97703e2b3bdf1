// torve._engine.characteristic: the characteristic capacity of one pile from projects with a sounding
// each, as arrays of the engine's doubles.
#pragma once

#include <pybind11/pybind11.h>

#include <functional>
#include <string>

#include "python/run_binding.h"

namespace torve::python {

// What one project gives the characteristic capacity: its request with `method` its only method,
// and the name its column takes (its file; empty for a project never saved, which is then named by
// its place in the list).
struct SoundingRequest {
    RunRequest request;
    std::string name;
};

// Registers characteristic(projects, method, stiff) on the module; `request_of` turns each project
// into its request, raising for one that cannot run.
void bind_characteristic(
    pybind11::module_& m,
    std::function<SoundingRequest(const pybind11::handle& project, Method method)> request_of);

}  // namespace torve::python
