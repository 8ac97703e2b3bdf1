// The run and its results in torve._engine: projects analysed on threads of their own with the
// interpreter lock released, their results handed out as arrays of the engine's doubles.
#pragma once

#include <pybind11/pybind11.h>

#include <functional>
#include <string>

#include "engine/driver/run_analysis.h"
#include "engine/model/input_data.h"

namespace torve::python {

// What one run needs, taken from a project while the interpreter lock is held.
struct RunRequest {
    RunFiles names;  // the names the report shows
    InputData input;
    CptProfile cpt;
};

// The names `torve run` shows for the project file of that name: absolute paths beside it.
RunFiles run_names(const std::string& project_file);

// Registers run_projects(projects, jobs, report, time) on the module; `request_of` turns each
// project into its request, raising for one that cannot run.
void bind_run(pybind11::module_& m, std::function<RunRequest(const pybind11::handle& project)> request_of);

}  // namespace torve::python
