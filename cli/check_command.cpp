// `torve check`: the check before a run, finding by finding, with an exit code for scripts.
#include <CLI/CLI.hpp>
#include <QFileInfo>
#include <QString>
#include <filesystem>
#include <iostream>

#include "app/controls/usererror.h"
#include "app/project/precheck.h"
#include "app/project/project.h"
#include "cli/commands.h"
#include "cli/file_name.h"
#include "engine/driver/input_reader.h"
#include "engine/model/input_error.h"
#include "engine/model/number_text.h"

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

// What the engine's own readers refuse in the project's input data file and the CPT data file beside
// it, read as `torve run` reads them: the previous format is no input data file to them, and a damaged
// CPT row is named with its line.
struct EngineRefusals {
    std::optional<std::string> input;
    std::optional<std::string> cpt;
};

EngineRefusals engine_refusals(const std::string& name) {
    EngineRefusals r;
    const std::string cpt = std::filesystem::path(name).replace_extension(".cpt").string();
    try {
        parse_input_data(read_text_file(name, "input data file"), name);
    } catch (const InputError& e) {
        r.input = e.what();
    }
    if (!std::filesystem::exists(cpt)) return r;  // a run goes on without CPT points
    try {
        parse_cpt_data(read_text_file(cpt, "CPT data file"), cpt);
    } catch (const InputError& e) {
        r.cpt = e.what();
    }
    return r;
}

void print_outcome(const std::string& name, int errors, int warnings) {
    std::cout << name << ": " << (errors == 0 ? "can run as it is" : "cannot run as it is") << " (" << errors
              << (errors == 1 ? " error, " : " errors, ") << warnings
              << (warnings == 1 ? " warning)\n" : " warnings)\n");
}

int check(const std::string& name) {
    using namespace torve::app;
    std::error_code error;
    if (!std::filesystem::is_regular_file(name, error)) {
        std::cerr << name << ": no such project file\n";
        return kExitRunFailed;
    }
    const std::optional<QString> path = core_file_name(name);
    if (!path) {
        std::cerr << unusable_file_name(name) << '\n';
        return kExitRunFailed;
    }
    const EngineRefusals refused = engine_refusals(name);
    if (refused.input) {
        print_outcome(name, 1, 0);
        std::cout << "  error    " << *refused.input << '\n';
        if (QFileInfo(*path).suffix().toLower() == QStringLiteral("tvd"))
            std::cout << "  (a project of the previous version: torve convert writes it as a current one)\n";
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
    std::vector<Finding> findings = precheck(
        project, ProjectFile::read(*path, current ? ProjectFormat::Current : ProjectFormat::Previous));
    if (refused.cpt) {
        // The engine's message names the row and line; it stands for the core's shorter one.
        if (project.cptFileUnread() && !findings.empty()) findings.erase(findings.begin());
        findings.insert(findings.begin(),
                        {Finding::Severity::Error, {}, 0, {}, QString::fromStdString(*refused.cpt)});
    }
    int errors = 0;
    for (const Finding& f : findings) errors += f.severity == Finding::Severity::Error ? 1 : 0;
    print_outcome(name, errors, static_cast<int>(findings.size()) - errors);
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
        "is, 1 when it cannot (errors; warnings alone do not stop it) or the file is missing, 2 when the "
        "command "
        "line cannot be "
        "understood.");
    // A missing project is a failed check (1), not a command line that cannot be understood.
    cmd->add_option("project", *project, "Project to check (.tv6d or .tvd)")->required();
    cmd->callback([project, &exit_code] { exit_code = check(*project); });
}

}  // namespace torve::cli
