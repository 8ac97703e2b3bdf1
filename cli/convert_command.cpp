// `torve convert`: a project switched to the other unit system, saved with its companion files.
#include <CLI/CLI.hpp>
#include <QFileInfo>
#include <QString>
#include <filesystem>
#include <iostream>

#include "app/controls/usererror.h"
#include "app/project/project.h"
#include "app/project/projectfile.h"
#include "app/project/settlementfile.h"
#include "cli/commands.h"
#include "cli/file_name.h"

namespace torve::cli {
namespace {

struct ConvertSettings {
    std::string to;
    std::string input;
    std::string output;
};

int convert(const ConvertSettings& s) {
    using namespace torve::app;
    const std::optional<QString> in = core_file_name(s.input);
    const std::optional<QString> out = core_file_name(s.output);
    for (const auto& [name, bytes] : {std::pair{in, &s.input}, std::pair{out, &s.output}}) {
        if (!name) {
            std::cerr << unusable_file_name(*bytes) << '\n';
            return kExitRunFailed;
        }
    }
    Project project;
    const bool current = QFileInfo(*in).suffix().toLower() != QStringLiteral("tvd");
    QStringList notices;
    try {
        notices = project.readProject(*in, current ? ProjectFormat::Current : ProjectFormat::Previous);
    } catch (const UserError& e) {
        std::cerr << s.input << ": " << e.message().toStdString() << '\n';
        return kExitRunFailed;
    }
    // CPT points that cannot be read cannot be converted: OUT.cpt would hold none, or the old
    // values under the old unit code, and the next run would use them without a word.
    if (project.cptFileUnread()) {
        std::cerr << native_file_name(besideProject(*in, ".cpt"))
                  << ": the CPT data file cannot be read, so its points cannot be converted; nothing was "
                     "written. Mend the CPT data file, or import the cone data again.\n";
        for (const QString& notice : notices)
            std::cerr << QString(notice).replace(u'\r', u' ').toStdString() << '\n';
        return kExitRunFailed;
    }
    if (project.settlementFileUnread()) {
        std::cerr << native_file_name(settlementFileOf(*in))
                  << ": the soil settlement file cannot be read, so it cannot be converted; nothing was "
                     "written. Mend the soil settlement file, or enter the settlement again.\n";
        return kExitRunFailed;
    }
    for (const QString& notice : notices) std::cerr << notice.toStdString() << '\n';
    // Results of an earlier run travel with the project into its driveability export. A plot file
    // that cannot be read stops the conversion: an export without its resistances would pass for one
    // of a project never analysed.
    const QString plot =
        QFileInfo(*in).path() + u'/' + QFileInfo(*in).completeBaseName() + QStringLiteral(".tv6p");
    if (QFileInfo::exists(plot)) {
        try {
            project.readResults(plot);
        } catch (const UserError& e) {
            std::cerr << native_file_name(plot)
                      << ": the plot data file cannot be read, so the results of the "
                      << "earlier run cannot go into the driveability export; nothing was written. Run the "
                      << "analysis again or remove the plot data file.\n"
                      << QString(e.message()).replace(u'\r', u' ').toStdString() << '\n';
            return kExitRunFailed;
        }
    }
    project.setUnits(s.to == "si" ? UnitSystem::SI : UnitSystem::English);
    ProjectData data = project.data();
    data.fileName = *out;
    project.setData(data);
    try {
        project.saveProject();
    } catch (const UserError& e) {
        std::cerr << e.message().toStdString() << '\n';
        return kExitRunFailed;
    }
    std::cout << s.output << " (" << (s.to == "si" ? "S.I." : "English") << " units)\n"
              << "  CPT points file:        " << native_file_name(project.data().cptFileName) << " ("
              << project.data().cptPoints.size() << " points)\n"
              << "  driveability export:    " << native_file_name(project.data().driveabilityFileName) << " ("
              << project.results().driveability().size() << " resistance points)\n";
    if (hasSettlement(project.data().settlement))
        std::cout << "  soil settlement file:   "
                  << native_file_name(settlementFileOf(project.data().fileName)) << " ("
                  << project.data().settlement.soil.depth.size() << " points)\n";
    std::cout
        // The plot data file holds the results in the old units; it stays with the old project.
        << "  plot data file:         not carried to the new project; run its analysis for its "
           "results (torve run)\n";
    return kExitOk;
}

}  // namespace

void add_convert_command(CLI::App& app, int& exit_code) {
    auto settings = std::make_shared<ConvertSettings>();
    CLI::App* cmd = app.add_subcommand(
        "convert",
        "Convert a project to the other unit system: read IN (.tv6d, or an old .tvd project), convert every "
        "value (pile, soil layers, CPT points, results of an earlier run) and save OUT with its CPT data "
        "file "
        "OUT.cpt and its GRLWeap driveability file OUT.gwi beside it. A CPT data file IN.cpt and a plot data "
        "file IN.tv6p beside IN are taken along. Exits with 1 when IN, IN.cpt or IN.tv6p cannot be read "
        "or OUT cannot be written; an existing OUT is replaced only once the new one is complete.");
    cmd->add_option("--to", settings->to, "Target unit system: si (kN, m, mm) or english (kips, ft, in)")
        ->required()
        ->check(CLI::IsMember({"si", "english"}, CLI::ignore_case))
        ->transform(CLI::IsMember({"si", "english"}, CLI::ignore_case));
    cmd->add_option("input", settings->input, "Project to convert (.tv6d or .tvd)")
        ->required()
        ->check(CLI::ExistingFile);
    cmd->add_option("output", settings->output, "Project file to write (.tv6d)")->required();
    cmd->callback([settings, &exit_code] { exit_code = convert(*settings); });
}

}  // namespace torve::cli
