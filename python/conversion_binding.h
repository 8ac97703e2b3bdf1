// The unit conversion of the desktop core, for Project.convert() of the torve package.
#pragma once

#include <pybind11/pybind11.h>

namespace torve::python {

// Registers convert_project(project_text, cpt_text, to) on the module.
void bind_conversion(pybind11::module_& m);

}  // namespace torve::python
