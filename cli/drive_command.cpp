// `torve drive`: the blow count of a hammer against the depth of the pile's tip, and the bearing
// graph at the pile's own length.
#include <CLI/CLI.hpp>
#include <cmath>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <sstream>

#include "cli/commands.h"
#include "engine/driver/driveability_analysis.h"
#include "engine/driver/driving_project.h"
#include "engine/model/input_error.h"
#include "engine/model/number_text.h"
#include "engine/model/whole_file.h"

namespace torve::cli {
namespace {

namespace fs = std::filesystem;

struct DriveSettings {
    std::string project;
    std::string hammer;
    std::string srd = "alm-hamre";
    std::string depths;  // A:B:STEP; empty: every metre (3 ft) down to the pile's length
    std::string csv_dir;
    std::vector<double> bearing_graph;
    unsigned jobs = 0;
    double segment_length = 1.0;
};

// A:B:STEP with 0 < A <= B and STEP > 0, at most kMostTipDepths depths; anything else is a usage
// error.
TipDepthRange depth_range(const std::string& text) {
    TipDepthRange r;
    std::vector<double> v;
    std::stringstream in(text);
    in.imbue(std::locale::classic());
    std::string part;
    while (std::getline(in, part, ':')) {
        double x = 0;
        if (!parse_real(part, x) || !std::isfinite(x))
            throw CLI::ValidationError("--depths", "expected A:B:STEP, found " + text);
        v.push_back(x);
    }
    if (v.size() != 3) throw CLI::ValidationError("--depths", "expected A:B:STEP, found " + text);
    r = {v[0], v[1], v[2]};
    if (!(r.from > 0) || !(r.to >= r.from) || !(r.step > 0))
        throw CLI::ValidationError("--depths", "needs 0 < A <= B and STEP > 0, found " + text);
    if ((r.to - r.from) / r.step > kMostTipDepths)
        throw CLI::ValidationError("--depths",
                                   "gives more than " + std::to_string(kMostTipDepths) + " depths");
    return r;
}

std::string cell(double v, int places, int width) {
    std::string s = std::isnan(v) ? "refusal" : decimals(v, places);
    if (s.size() < static_cast<std::size_t>(width)) s.insert(0, width - s.size(), ' ');
    return s;
}

// The table of a driveability run: RFC 4180, CRLF line ends, numbers that read back to the same
// double; refusal as an empty blow count.
std::string driveability_csv(const Driveability& d) {
    const std::string length = d.english ? "ft" : "m", force = d.english ? "kips" : "kN";
    const std::string stress = d.english ? "ksi" : "MPa", count = d.english ? "blows/ft" : "blows/0.25 m";
    std::string t =
        "tip depth (" + length + "),SRD shaft (" + force + "),SRD base (" + force + "),SRD total (" + force +
        "),blow count (" + count + "),cumulative blows,max compression (" + stress + "),at (" + length +
        " below head),max tension (" + stress + "),at (" + length + " below head),ENTHRU (kJ)\r\n";
    auto num = [](double v) { return std::isnan(v) ? std::string() : shortest_real(v); };
    for (std::size_t i = 0; i < d.depth.size(); ++i)
        t += num(d.depth[i]) + "," + num(d.srd_shaft[i]) + "," + num(d.srd_base[i]) + "," +
             num(d.srd_total[i]) + "," + num(d.blow_count[i]) + "," + num(d.cumulative_blows[i]) + "," +
             num(d.max_compression[i]) + "," + num(d.max_compression_at[i]) + "," + num(d.max_tension[i]) +
             "," + num(d.max_tension_at[i]) + "," + num(d.enthru_kj[i]) + "\r\n";
    return t;
}

std::string bearing_graph_csv(const BearingGraph& g) {
    const std::string force = g.english ? "kips" : "kN", stress = g.english ? "ksi" : "MPa";
    const std::string count = g.english ? "blows/ft" : "blows/0.25 m";
    std::string t = "resistance (" + force + "),blow count (" + count + "),set (m),max compression (" +
                    stress + "),max tension (" + stress + "),ENTHRU (kJ)\r\n";
    auto num = [](double v) { return std::isnan(v) ? std::string() : shortest_real(v); };
    for (std::size_t i = 0; i < g.blows.size(); ++i) {
        const BlowResult& b = g.blows[i];
        t += num(g.resistance[i]) + "," + num(b.blow_count) + "," + num(b.set_m) + "," +
             num(b.max_compression) + "," + num(b.max_tension) + "," + num(b.enthru_kj) + "\r\n";
    }
    return t;
}

// Writes DIR/STEM.NAME.csv; false after printing why it cannot be written.
bool write_csv(const DriveSettings& s, const std::string& name, const std::string& text) {
    std::error_code error;
    fs::create_directories(s.csv_dir, error);
    const std::string path =
        (fs::path(s.csv_dir) / (fs::path(s.project).stem().string() + "." + name + ".csv")).string();
    try {
        write_file_whole(path, text);
    } catch (const FileError& e) {
        std::cout << "  FAILED: the CSV file " << path << " cannot be written: " << e.reason() << '\n';
        return false;
    }
    std::cout << "  CSV: " << path << '\n';
    return true;
}

void print_driveability(const Driveability& d) {
    const std::string length = d.english ? "ft" : "m", force = d.english ? "kips" : "kN";
    const std::string stress = d.english ? "ksi" : "MPa", count = d.english ? "blows/ft" : "blows/0.25 m";
    std::cout << "  " << std::setw(14) << ("tip (" + length + ")") << std::setw(18)
              << ("SRD shaft (" + force + ")") << std::setw(17) << ("SRD base (" + force + ")")
              << std::setw(18) << ("SRD total (" + force + ")") << std::setw(14) << count << std::setw(20)
              << ("compression (" + stress + ")") << std::setw(16) << ("tension (" + stress + ")") << '\n';
    for (std::size_t i = 0; i < d.depth.size(); ++i)
        std::cout << "  " << cell(d.depth[i], 2, 14) << cell(d.srd_shaft[i], 1, 18)
                  << cell(d.srd_base[i], 1, 17) << cell(d.srd_total[i], 1, 18) << cell(d.blow_count[i], 1, 14)
                  << cell(d.max_compression[i], 1, 20) << cell(d.max_tension[i], 1, 16) << '\n';
    if (!d.cumulative_blows.empty())
        std::cout << "  blows to drive from " << decimals(d.depth.front(), 2) << " to "
                  << decimals(d.depth.back(), 2) << " " << length << ": "
                  << cell(d.cumulative_blows.back(), 0, 0) << '\n';
}

void print_bearing_graph(const BearingGraph& g) {
    const std::string length = g.english ? "ft" : "m", force = g.english ? "kips" : "kN";
    const std::string stress = g.english ? "ksi" : "MPa", count = g.english ? "blows/ft" : "blows/0.25 m";
    std::cout << "  bearing graph at " << decimals(g.tip_depth, 2) << " " << length << ":\n";
    std::cout << "  " << std::setw(18) << ("resistance (" + force + ")") << std::setw(14) << count
              << std::setw(12) << "set (mm)" << std::setw(20) << ("compression (" + stress + ")")
              << std::setw(16) << ("tension (" + stress + ")") << '\n';
    for (std::size_t i = 0; i < g.blows.size(); ++i) {
        const BlowResult& b = g.blows[i];
        std::cout << "  " << cell(g.resistance[i], 1, 18) << cell(b.blow_count, 1, 14)
                  << cell(b.refusal ? NAN : b.set_m * 1000, 2, 12) << cell(b.max_compression, 1, 20)
                  << cell(b.max_tension, 1, 16) << '\n';
    }
}

int drive(const DriveSettings& s) {
    const SrdMethod method = s.srd == "unified-srd" ? SrdMethod::UnifiedSrd : SrdMethod::AlmHamre;
    std::optional<TipDepthRange> range;
    if (!s.depths.empty()) range = depth_range(s.depths);
    DrivingProject project;
    try {
        project = read_driving_project(s.project, s.hammer);
    } catch (const InputError& e) {
        std::cerr << "torve drive: " << e.what() << '\n';
        return kExitRunFailed;
    }
    const RunInput& input = project.input;
    const Hammer& hammer = project.hammer;
    const bool english = input.in.units == UnitSystem::English;
    const double length = input.in.total_pile_length;
    DrivingSettings settings;
    settings.segment_length_m = s.segment_length;

    const SrdProfile srd = compute_srd(input.in, input.cpt, method, driving_tip_depths(input.in, range));
    const Driveability d = driveability(input.in, srd, hammer, settings, s.jobs);
    if (d.status != RunStatus::Completed) {
        std::cerr << "torve drive: " << s.project << ": " << d.message << '\n';
        return kExitRunFailed;
    }
    std::cout << s.project << '\n';
    std::cout << "  hammer: " << hammer.name << " (ram " << decimals(hammer.ram_mass_kg, 0) << " kg, "
              << decimals(hammer.rated_energy_kj(), 1) << " kJ rated, efficiency "
              << decimals(hammer.efficiency, 2) << ", " << decimals(hammer.impact_velocity(), 2)
              << " m/s at impact)\n";
    std::cout << "  resistance to driving: "
              << (method == SrdMethod::UnifiedSrd ? "Unified (sand)" : "Alm & Hamre") << '\n';
    print_driveability(d);
    for (const RunWarning& w : srd.warnings)
        std::cout << "  warning: " << warning_sentence(w, english) << '\n';
    int exit_code = kExitOk;
    if (!s.csv_dir.empty() && !write_csv(s, "driveability", driveability_csv(d))) exit_code = kExitRunFailed;

    if (!s.bearing_graph.empty()) {
        const SrdProfile own = compute_srd(input.in, input.cpt, method, {length});
        if (own.status != RunStatus::Completed || own.depths.empty()) {
            std::cerr << "torve drive: " << s.project << ": " << own.message << '\n';
            return kExitRunFailed;
        }
        const BearingGraph g =
            bearing_graph(input.in, hammer, own.depths.back(), s.bearing_graph, settings, s.jobs);
        if (g.status != RunStatus::Completed) {
            std::cerr << "torve drive: " << s.project << ": " << g.message << '\n';
            return kExitRunFailed;
        }
        print_bearing_graph(g);
        if (!s.csv_dir.empty() && !write_csv(s, "bearing-graph", bearing_graph_csv(g)))
            exit_code = kExitRunFailed;
    }
    return exit_code;
}

}  // namespace

void add_drive_command(CLI::App& app, int& exit_code) {
    auto settings = std::make_shared<DriveSettings>();
    CLI::App* cmd = app.add_subcommand(
        "drive",
        "Drive the pile of PROJECT.tv6d with the hammer of HAMMER.json: for each tip depth the static "
        "resistance to driving (SRD) from the project's cone data, and one blow of Smith's wave equation "
        "on the whole pile with that resistance spread along it. Prints per depth the SRD of shaft and "
        "base, the blow count (blows per 0.25 m in S.I., per ft in English projects; \"refusal\" where "
        "the blow leaves no permanent set) and the largest compression and tension stress in the pile. "
        "With --bearing-graph, also the blow count against assumed ultimate resistances at the pile's own "
        "length, spread as the SRD there. With --csv DIR, writes DIR/PROJECT.driveability.csv (and "
        ".bearing-graph.csv). Exits with 1 when a file or value is refused, naming it.");
    cmd->add_option("project", settings->project, "Project file (.tv6d)")
        ->required()
        ->check(CLI::ExistingFile);
    cmd->add_option("--hammer", settings->hammer, "Hammer file (JSON)")->required()->check(CLI::ExistingFile);
    cmd->add_option("--srd", settings->srd, "Method of the resistance to driving (default alm-hamre)")
        ->check(CLI::IsMember({"alm-hamre", "unified-srd"}));
    cmd->add_option(
        "--depths", settings->depths,
        "Tip depths A:B:STEP in ft or m below the ground surface (default: every 3 ft or 1 m down to "
        "the pile's length)");
    cmd->add_option("--csv", settings->csv_dir,
                    "Folder for the CSV files at full precision (created when missing)");
    cmd->add_option("--bearing-graph", settings->bearing_graph,
                    "Assumed ultimate resistances R1,R2,... in kips or kN for the bearing graph")
        ->delimiter(',');
    cmd->add_option("-j,--jobs", settings->jobs,
                    "Number of blows computed side by side (default: one per core)")
        ->check(CLI::PositiveNumber);
    cmd->add_option("--segment-length", settings->segment_length,
                    "Longest pile segment of the wave equation, in m (default 1; at least 10 segments)")
        ->check(CLI::PositiveNumber);
    cmd->callback([settings, &exit_code] { exit_code = drive(*settings); });
}

}  // namespace torve::cli
