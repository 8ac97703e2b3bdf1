// `torve check`: every finding of the input checks over a project as `torve run` reads it, with an
// exit code for scripts.
#include <CLI/CLI.hpp>
#include <cctype>
#include <filesystem>
#include <iostream>

#include "cli/commands.h"
#include "engine/driver/input_reader.h"
#include "engine/model/input_checks.h"
#include "engine/model/input_error.h"
#include "engine/model/layer_constants_file.h"
#include "engine/model/number_text.h"

namespace torve::cli {
namespace {

// "error    API RP 2A, layer 2 at 20.00 ft: expected an undrained shear strength above 0, found 0."
// A finding of the CPT data file's own header names that file, whose code or count it concerns.
std::string line(const Finding& f, bool english, const std::string& cpt_name) {
    std::string where;
    if (f.place.id == RecordId::CptHeader && !f.field.empty())
        where = cpt_file_label(cpt_name) + ", " + record_title(f.place);
    if (f.place.id == RecordId::LayerConstants) where = "soil layer constants file";
    if (f.method) where = std::string(method_info(*f.method).name);
    if (f.layer > 0) where += (where.empty() ? "" : ", ") + ("layer " + std::to_string(f.layer));
    if (f.depth)
        where += (where.empty() ? "" : " ") + ("at " + decimals(*f.depth, 2) + (english ? " ft" : " m"));
    const char* severity = f.is_error() ? "error    " : "warning  ";
    return std::string("  ") + severity + (where.empty() ? "" : where + ": ") + f.message;
}

void print_outcome(const std::string& name, int errors, int warnings) {
    std::cout << name << ": " << (errors == 0 ? "can run as it is" : "cannot run as it is") << " (" << errors
              << (errors == 1 ? " error, " : " errors, ") << warnings
              << (warnings == 1 ? " warning)\n" : " warnings)\n");
}

int check(const std::string& name) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(name, error)) {
        std::cerr << name << ": no such project file\n";
        return kExitRunFailed;
    }
    // The files as torve run reads them: a file the engine's reader cannot take is named alone; the
    // previous version's layout is no input data file to it.
    ProjectRecords records;
    try {
        records = read_project_records(read_text_file(name, "input data file"), name).records;
        // The soil layer constants beside it, as a run takes them; their values are checked below.
        if (const auto layers = read_layer_constants_beside(name))
            read_layer_constants(*layers, layer_constants_file_name(name), records);
    } catch (const InputError& e) {
        print_outcome(name, 1, 0);
        std::cout << "  error    " << e.what() << '\n';
        std::string extension = std::filesystem::path(name).extension().string();
        for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (extension == ".tvd")
            std::cout << "  (a project of the previous version: torve convert writes it as a current one)\n";
        return kExitRunFailed;
    }
    // A run goes on without a CPT data file; one it cannot read is an error of its own, and the
    // project is checked as without CPT points.
    std::vector<Finding> findings;
    CptProfile cpt;
    const std::string cpt_name = std::filesystem::path(name).replace_extension(".cpt").string();
    if (std::filesystem::exists(cpt_name)) {
        try {
            cpt = read_cpt_records(read_text_file(cpt_name, "CPT data file"), cpt_name).records;
        } catch (const InputError& e) {
            Finding unread;
            unread.place = {RecordId::CptHeader};
            unread.message = e.what();
            findings.push_back(unread);
        }
    }
    const std::vector<Finding> rest = check_project(records, cpt);
    findings.insert(findings.end(), rest.begin(), rest.end());
    int errors = 0;
    for (const Finding& f : findings) errors += f.is_error() ? 1 : 0;
    print_outcome(name, errors, static_cast<int>(findings.size()) - errors);
    const bool english = records.unit_system_code != code_of(UnitSystem::SI);
    for (const Finding& f : findings) std::cout << line(f, english, cpt_name) << '\n';
    return errors == 0 ? kExitOk : kExitRunFailed;
}

}  // namespace

void add_check_command(CLI::App& app, int& exit_code) {
    auto project = std::make_shared<std::string>();
    CLI::App* cmd = app.add_subcommand(
        "check",
        "Check a project before a run: name every value the analysis would refuse, with its field and "
        "the limit it breaks, where a run would stop before its results (a soil profile shallower than "
        "the pile tip plus two diameters, more segments than the analysis holds), values hardly "
        "plausible, and per selected method each value a layer lacks, with its layer and depth (no qc "
        "for a cone method, no PI or YSR for ICP/MTD clay); the soil layer constants file NAME.layers.csv "
        "beside it, when there is one, with its quakes above 0, damping and set-up factor A of 0 or more "
        "and set-up time t0 above 0. Exits with 0 when the project can run as it "
        "is, 1 when it cannot (errors; warnings alone do not stop it) or the file is missing, 2 when the "
        "command line cannot be understood.");
    // A missing project is a failed check (1), not a command line that cannot be understood.
    cmd->add_option("project", *project, "Project to check (.tv6d or .tvd)")->required();
    cmd->callback([project, &exit_code] { exit_code = check(*project); });
}

}  // namespace torve::cli
