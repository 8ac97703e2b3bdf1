// `torve check`: the check before a run, finding by finding, with an exit code for scripts.
#include <CLI/CLI.hpp>
#include <QFileInfo>
#include <QString>
#include <iostream>

#include "app/controls/usererror.h"
#include "app/project/precheck.h"
#include "app/project/project.h"
#include "cli/commands.h"
#include "cli/file_name.h"
#include "engine/driver/fixed_format.h"

namespace torve::cli {
namespace {

// "error    API RP 2A, layer 2 at 20.00 ft: no undrained shear strength su"
std::string line(const app::Finding& f, bool english) {
    std::string where;
    if (f.method) where = std::string(method_info(*f.method).name);
    if (f.layer > 0) where += (where.empty() ? "" : ", ") + ("layer " + std::to_string(f.layer));
    if (f.depth)
        where += (where.empty() ? "" : " ") + ("at " + decimals(*f.depth, 2) + (english ? " ft" : " m"));
    const char* severity = f.severity == app::Finding::Severity::Error ? "error    " : "warning  ";
    return std::string("  ") + severity + (where.empty() ? "" : where + ": ") + f.message.toStdString();
}

int check(const std::string& name) {
    using namespace torve::app;
    const std::optional<QString> path = core_file_name(name);
    if (!path) {
        std::cerr << unusable_file_name(name) << '\n';
        return kExitRunFailed;
    }
    Project project;
    const bool current = QFileInfo(*path).suffix().toLower() != QStringLiteral("tvd");
    try {
        project.readProject(*path, current ? ProjectFormat::Current : ProjectFormat::Previous);
    } catch (const UserError& e) {
        std::cerr << name << ": " << QString(e.message()).replace(u'\r', u' ').toStdString() << '\n';
        return kExitRunFailed;
    }
    // torve run reads the file as it stands, without the normalising of a save by the program.
    const std::vector<Finding> findings = precheck(
        project, ProjectFile::read(*path, current ? ProjectFormat::Current : ProjectFormat::Previous));
    int errors = 0;
    for (const Finding& f : findings) errors += f.severity == Finding::Severity::Error ? 1 : 0;
    const int warnings = static_cast<int>(findings.size()) - errors;
    std::cout << name << ": " << (errors == 0 ? "can run as it is" : "cannot run as it is") << " (" << errors
              << (errors == 1 ? " error, " : " errors, ") << warnings
              << (warnings == 1 ? " warning)\n" : " warnings)\n");
    const bool english = project.data().units == UnitSystem::English;
    for (const Finding& f : findings) std::cout << line(f, english) << '\n';
    return errors == 0 ? kExitOk : kExitRunFailed;
}

}  // namespace

void add_check_command(CLI::App& app, int& exit_code) {
    auto project = std::make_shared<std::string>();
    CLI::App* cmd = app.add_subcommand(
        "check",
        "Check a project before a run: name, per selected method, each missing or implausible value with its "
        "layer and depth (no qc for a cone method, no PI or YSR for ICP/MTD clay, a soil profile shallower "
        "than the pile tip plus two diameters, a taper that leaves a negative tip diameter, CPT depths out "
        "of order, and every value the analysis would refuse). Exits with 0 when the project can run as it "
        "is, 1 when it cannot (errors; warnings alone do not stop it), 2 when the command line cannot be "
        "understood.");
    cmd->add_option("project", *project, "Project to check (.tv6d or .tvd)")
        ->required()
        ->check(CLI::ExistingFile);
    cmd->callback([project, &exit_code] { exit_code = check(*project); });
}

}  // namespace torve::cli
