// `torve downdrag`: the pile of a project in settling soil under a sustained head load.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>

#include "cli/commands.h"
#include "engine/driver/downdrag_analysis.h"
#include "engine/driver/project_input.h"
#include "engine/model/input_error.h"
#include "engine/model/number_text.h"
#include "engine/model/soil_settlement_file.h"
#include "engine/model/whole_file.h"

namespace torve::cli {
namespace {

namespace fs = std::filesystem;

struct DowndragSettings {
    std::string project;
    std::string soil_settlement;      // empty: the settlement file kept beside the project
    std::optional<double> head_load;  // none: the head load of the settlement file
    std::string csv_dir;              // empty: no CSV file
};

// The axial load, the movement of the pile and the settlement of the soil along the pile (RFC 4180,
// CRLF line ends), numbers in their shortest form that reads back to the same double.
std::string downdrag_csv(const DowndragResult& d) {
    const char* length = d.english ? "ft" : "m";
    const char* force = d.english ? "kips" : "kN";
    const char* movement = d.english ? "in" : "mm";
    std::string text = std::string("depth (") + length + "),axial load (" + force + "),pile movement (" +
                       movement + "),soil settlement (" + movement + ")\r\n";
    for (std::size_t i = 0; i < d.depth.size(); ++i) {
        text += shortest_real(d.depth[i]) + "," + shortest_real(d.axial_load[i]) + "," +
                shortest_real(d.pile_movement[i]) + "," + shortest_real(d.soil_settlement[i]) + "\r\n";
    }
    return text;
}

void print_result(const std::string& project, const DowndragResult& d) {
    const std::string length = d.english ? " ft" : " m";
    const std::string force = d.english ? " kips" : " kN";
    const std::string movement = d.english ? " in" : " mm";
    std::cout << project << '\n';
    std::cout << "  head load: " << decimals(d.head_load, 1) << force << '\n';
    std::cout << "  neutral plane: " << decimals(d.neutral_plane, 2) << length << '\n';
    std::cout << "  neutral plane by equilibrium alone: "
              << (d.equilibrium_neutral_plane ? decimals(*d.equilibrium_neutral_plane, 2) + length : "none")
              << '\n';
    std::cout << "  drag force: " << decimals(d.drag_force, 1) << force << '\n';
    std::cout << "  maximum axial load: " << decimals(d.max_load, 1) << force << " at "
              << decimals(d.max_load_depth, 2) << length << '\n';
    std::cout << "  head settlement: " << decimals(d.head_settlement, 2) << movement << '\n';
    std::cout << "  toe penetration: " << decimals(d.toe_penetration, 2) << movement << " (toe load "
              << decimals(d.toe_load, 1) << force << ")\n";
}

int downdrag(const DowndragSettings& s) {
    RunInput input;
    SoilSettlement soil;
    std::optional<double> head_load;
    try {
        input = read_project_input(s.project);
        std::error_code error;
        const std::string settlement_file =
            s.soil_settlement.empty() ? settlement_file_beside(s.project) : s.soil_settlement;
        if (s.soil_settlement.empty() && !fs::exists(settlement_file, error))
            throw InputError("The project keeps no soil settlement file (" + settlement_file +
                             "); give one with --soil-settlement.");
        const SettlementRecord record =
            parse_settlement_record(read_text_file(settlement_file, "soil settlement file"), settlement_file);
        soil = record.soil;
        head_load = s.head_load ? s.head_load : record.head_load;
        if (!head_load)
            throw InputError("The soil settlement file " + settlement_file +
                             " gives no head load; give one with --head-load.");
    } catch (const InputError& e) {
        std::cerr << "torve downdrag: " << e.what() << '\n';
        return kExitRunFailed;
    }
    const DowndragResult d = compute_downdrag(input.in, input.cpt, soil, *head_load);
    if (!d.solved) {
        std::cerr << "torve downdrag: " << s.project << ": " << d.message << '\n';
        return kExitRunFailed;
    }
    print_result(s.project, d);
    for (const RunWarning& w : d.warnings)
        std::cout << "  warning: " << warning_sentence(w, d.english) << '\n';
    if (!s.csv_dir.empty()) {
        std::error_code error;
        fs::create_directories(s.csv_dir, error);
        const std::string path =
            (fs::path(s.csv_dir) / (fs::path(s.project).stem().string() + ".downdrag.csv")).string();
        try {
            write_file_whole(path, downdrag_csv(d));
        } catch (const FileError& e) {
            std::cout << "  FAILED: the CSV file " << path << " cannot be written: " << e.reason() << '\n';
            return kExitRunFailed;
        }
        std::cout << "  CSV: " << path << '\n';
    }
    return kExitOk;
}

}  // namespace

void add_downdrag_command(CLI::App& app, int& exit_code) {
    auto settings = std::make_shared<DowndragSettings>();
    CLI::App* cmd = app.add_subcommand(
        "downdrag",
        "Solve the pile of PROJECT.tv6d in settling soil under a sustained head load, on the t-z and "
        "Q-w curves of its load-transfer method: friction is negative where the soil settles past the "
        "pile and positive where the pile moves past the soil. Prints the neutral plane (and the one of "
        "force equilibrium alone), the drag force, the maximum axial load and the head settlement. The "
        "soil settlement file holds a depth below the ground surface and a settlement on each line, in "
        "the project's units (ft and in, or m and mm); without --soil-settlement the one kept beside the "
        "project (PROJECT.settlement.csv) is read, and its head load serves without --head-load. With --csv "
        "DIR, also writes the axial load and "
        "movement along the pile as DIR/PROJECT.downdrag.csv. Exits with 1 when the files cannot be "
        "read or the pile cannot carry the load.");
    cmd->add_option("project", settings->project, "Project file (.tv6d)")
        ->required()
        ->check(CLI::ExistingFile);
    cmd->add_option("--soil-settlement", settings->soil_settlement,
                    "Soil settlement file: depth and settlement on each line (CSV); default: "
                    "PROJECT.settlement.csv, kept beside the project by the desktop program");
    cmd->add_option("--head-load", settings->head_load,
                    "Sustained head load, kips or kN; default: the settlement file's \"# head load\" line");
    cmd->add_option("--csv", settings->csv_dir,
                    "Folder for the CSV file of the load and movement along the pile (created when missing)");
    cmd->callback([settings, &exit_code] { exit_code = downdrag(*settings); });
}

}  // namespace torve::cli
