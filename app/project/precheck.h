// The check before a run: what keeps a project from running, or a selected method from giving a
// meaningful result, named with its method, layer and depth.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "engine/model/file_format.h"

namespace torve::app {

class Project;
class ProjectTables;
struct ProjectData;
class ProjectFile;

struct Finding {
    enum class Severity {
        // The analysis refuses the project or stops before its results, or a selected method lacks a
        // value it needs and would compute nothing from it.
        Error,
        // A value the analysis takes but that is hardly plausible.
        Warning,
    };
    Severity severity = Severity::Error;
    std::optional<Method> method;  // the method that needs the value; none for the whole project
    int layer = 0;                 // soil layer counted from 1 at the top; 0 for none
    std::optional<double> depth;   // below the ground surface, ft | m
    QString message;

    bool operator==(const Finding&) const = default;
};

// Every finding of the project as a save of the program hands it to the analysis (a print interval of
// 0 set to 1, an increment of 0 to 1, the deepest soil depth to the bottom of the last layer, the
// user-specified unit values to 0 unless that method carries the load transfer), in file order: the
// pile and the options, the soil layers, the other tables, the CPT points, whether the run gets to its
// results, then per selected method the values it lacks layer by layer.
std::vector<Finding> precheck(const ProjectData& data, const ProjectTables& tables);
// The same for the records of a project file as they stand, as `torve run` reads them; `data` gives
// the methods, the unit system and the CPT points (ProjectFile::data and the CPT points file).
std::vector<Finding> precheck(const ProjectData& data, const ProjectFile& asItStands);
// An open project: first a CPT points file it could not read, which the analysis would refuse, then
// the project as a save hands it over, or the given records as they stand.
std::vector<Finding> precheck(const Project& project);
std::vector<Finding> precheck(const Project& project, const ProjectFile& asItStands);

// The project can run as it is: none of the findings is an error.
bool canRun(const std::vector<Finding>& findings);

}  // namespace torve::app
