// The graphs of the CPT points: qc, or the SPT blow count or undrained strength derived from it.
#include "app/project/cptprofile.h"

#include "app/graph/graph.h"
#include "app/project/projectdata.h"
#include "app/project/texts.h"

namespace torve::app {

double cptProfileValue(CptProfile profile, double qc, UnitSystem units) {
    switch (profile) {
        case CptProfile::Qc:
            return qc;
        case CptProfile::Spt:
            // qc (kPa) / N = 280: the blow count conversion of the CPT dialog; 47.875 kPa per ksf.
            return units == UnitSystem::English ? qc * 47.875 / 280.0 : qc / 280.0;
        case CptProfile::Su:
            return qc / 15.0;  // cone factor Nk = 15
    }
    return qc;
}

void showCptProfile(Graph& graph, const ProjectData& project, CptProfile profile) {
    const bool english = project.units == UnitSystem::English;
    switch (profile) {
        case CptProfile::Qc:
            graph.caption = texts::kCptProfile;
            graph.xCaption = english ? texts::kQcKsf : texts::kQcKpa;
            break;
        case CptProfile::Spt:
            graph.caption = texts::kConvertedSptTitle;
            graph.xCaption = texts::kSptN;
            break;
        case CptProfile::Su:
            graph.caption = texts::kConvertedSuTitle;
            graph.xCaption = english ? texts::kSuKsf : texts::kSuKpa;
            break;
    }
    graph.yCaption = english ? texts::kDepthFt : texts::kDepthM;
    graph.setUnits(static_cast<int>(project.units));
    graph.setLineCount(1);
    PlotLine& line = graph.line(0);
    line.name = profile == CptProfile::Qc
                    ? texts::kCptData
                    : (profile == CptProfile::Spt ? texts::kConvertedSpt : texts::kConvertedSu);
    line.points.clear();
    for (const CptPoint& p : project.cptPoints)
        line.points.emplace_back(cptProfileValue(profile, p.qc, project.units), p.depth);
}

}  // namespace torve::app
