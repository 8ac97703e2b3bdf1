// The graphs of the CPT points: qc, or the SPT blow count or undrained strength derived from it.
#pragma once

#include "engine/model/file_format.h"

namespace torve::app {

class Graph;
struct ProjectData;

// What a CPT graph shows against depth.
enum class CptProfile { Qc, Spt, Su };

// The x value of a point of each profile from its qc (ksf | kPa): qc itself; an SPT blow count of
// qc in kPa / 280 (English qc in ksf times 47.875 kPa per ksf); Su = qc / 15.
double cptProfileValue(CptProfile profile, double qc, UnitSystem units);

// Fills `graph` with the project's CPT points as the profile, with the profile's title, axis
// captions in the project's units and curve name. The points themselves are never changed: a save
// always writes qc.
void showCptProfile(Graph& graph, const ProjectData& project, CptProfile profile);

}  // namespace torve::app
