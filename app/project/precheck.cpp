// The check before a run: the findings of the input checks over a project as a save hands it to the
// analysis, and what the program itself knows that a save would lose.
#include "app/project/precheck.h"

#include <algorithm>

#include "app/project/cptpointsfile.h"
#include "app/project/project.h"
#include "app/project/projectdata.h"
#include "app/project/projectfile.h"
#include "app/project/texts.h"

namespace torve::app {

std::vector<Finding> precheck(const ProjectData& data, const ProjectTables& tables) {
    ProjectData saved = data;
    if (saved.printInterval <= 0) saved.printInterval = 1;
    if (saved.computationIncrement <= 0) saved.computationIncrement = 1.0;
    if (saved.circular) saved.tipArea = 0;
    ProjectFile file = ProjectFile::of(saved, tables);
    const bool keepsUserValues = saved.loadTransferMethod == Method::UserSpecified;
    if (!keepsUserValues)
        for (SoilPointRecord& p : file.records.soil_points)
            p.user_unit_skin_friction = p.user_unit_end_bearing = 0;
    std::vector<Finding> findings = check_project(file.records, cptProfileOf(saved));
    if (keepsUserValues || !saved.isSelected(Method::UserSpecified)) return findings;
    // The layers' user values are saved as 0 whatever they hold: one error says why, in place of
    // the method's findings of every layer.
    const auto user = [](const Finding& f) { return f.method == Method::UserSpecified; };
    const auto at = std::find_if(findings.begin(), findings.end(), user) - findings.begin();
    findings.erase(std::remove_if(findings.begin() + at, findings.end(), user), findings.end());
    Finding zeroed;
    zeroed.place = {RecordId::Options};
    zeroed.field = records::kOptions[4];
    zeroed.method = Method::UserSpecified;
    zeroed.value = code_of(saved.loadTransferMethod);
    zeroed.message = QString(texts::kCheckUserValuesNotKept).toStdString();
    findings.insert(findings.begin() + at, zeroed);
    return findings;
}

std::vector<Finding> precheck(const Project& project) {
    std::vector<Finding> findings;
    if (project.cptFileUnread()) {
        Finding unread;
        unread.place = {RecordId::CptHeader};
        unread.message = QString(texts::kCheckCptFileUnread)
                             .arg(besideProject(project.data().fileName, ".cpt"))
                             .toStdString();
        findings.push_back(unread);
    }
    const std::vector<Finding> rest = precheck(project.data(), project.tables());
    findings.insert(findings.end(), rest.begin(), rest.end());
    return findings;
}

bool canRun(const std::vector<Finding>& findings) {
    return std::none_of(findings.begin(), findings.end(), [](const Finding& f) { return f.is_error(); });
}

}  // namespace torve::app
