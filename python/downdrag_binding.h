// torve._engine.downdrag: the pile of a project in settling soil, its results as Python values.
#pragma once

#include <pybind11/pybind11.h>

#include <functional>

#include "python/run_binding.h"

namespace torve::python {

// Registers downdrag(project, depths, settlements, head_load) on the module; `request_of` turns the
// project into what a run needs, raising for one that cannot run.
void bind_downdrag(pybind11::module_& m,
                   std::function<RunRequest(const pybind11::handle& project)> request_of);

}  // namespace torve::python
