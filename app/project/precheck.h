// The check before a run: the findings of the input checks over a project as a save hands it to the
// analysis, and what the program itself knows that a save would lose.
#pragma once

#include <vector>

#include "engine/model/input_checks.h"

namespace torve::app {

class Project;
class ProjectTables;
struct ProjectData;

using torve::Finding;

// Every finding of the project as a save of the program hands it to the analysis (a print interval of
// 0 set to 1, an increment of 0 to 1, the deepest soil depth to the bottom of the last layer, the
// user-specified unit values to 0 unless that method carries the load transfer), with its CPT points,
// in the order of the checks; the user-specified method's findings give way to one error when a save
// would zero its values.
std::vector<Finding> precheck(const ProjectData& data, const ProjectTables& tables);
// An open project: first a CPT points file it could not read, which the analysis would refuse, then
// the project as a save hands it over.
std::vector<Finding> precheck(const Project& project);

// The project can run as it is: none of the findings is an error.
bool canRun(const std::vector<Finding>& findings);

}  // namespace torve::app
