// `torve characteristic`: the characteristic capacity of one pile from projects with a sounding each.
#include <CLI/CLI.hpp>
#include <cctype>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <sstream>

#include "cli/commands.h"
#include "cli/csv_row.h"
#include "engine/driver/project_input.h"
#include "engine/driver/sounding_projects.h"
#include "engine/model/input_error.h"
#include "engine/model/number_text.h"
#include "engine/model/whole_file.h"

#ifdef TORVE_WITH_APP_RENDER
#include "app/graph/characteristicgraph.h"
#include "cli/file_name.h"
#include "cli/graph_file.h"
#endif

namespace torve::cli {
namespace {

struct CharacteristicSettings {
    std::vector<std::string> projects;
    std::string method;
    bool stiff = false;
    std::string csv;   // empty: no CSV file
    std::string plot;  // empty: no picture
};

std::string lower(std::string_view text) {
    std::string out;
    for (char c : text) out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// The method of the table by its short name, in any case ("api rp 2a"); the list of the names
// otherwise, which the usage error shows.
Method method_named(const std::string& name) {
    std::string names;
    for (const MethodInfo& m : kMethods) {
        if (lower(m.name) == lower(name)) return m.method;
        names += (names.empty() ? "" : ", ") + std::string(m.name);
    }
    throw CLI::ValidationError("--method " + name + ": no such method; the methods are " + names);
}

// The characteristic table at full precision: a column per project named after it.
std::string characteristic_csv(const CharacteristicAnalysis& a) {
    const std::string length = a.english ? " (ft)" : " (m)";
    const std::string force = a.english ? " (kips)" : " (kN)";
    const CharacteristicCapacity& c = a.capacity;
    std::string text;
    {
        CsvRow header(text);
        header.field("depth" + length);
        for (const std::string& name : c.names) header.field(name + force);
        header.field("mean" + force).field("minimum" + force).field("xi3").field("xi4");
        header.field("R_c,k" + force).field("R_c,d" + force);
    }
    for (std::size_t i = 0; i < c.depth.size(); ++i) {
        CsvRow row(text);
        row.number(c.depth[i]);
        for (const std::vector<double>& capacity : c.capacity) row.number(capacity[i]);
        row.number(c.mean[i]).number(c.minimum[i]).number(c.xi.xi3).number(c.xi.xi4);
        row.number(c.characteristic[i]).number(c.design[i]);
    }
    return text;
}

void print_table(std::ostream& out, const CharacteristicAnalysis& a,
                 const std::vector<std::string>& projects) {
    const CharacteristicCapacity& c = a.capacity;
    const std::string length = a.english ? "(ft)" : "(m)";
    const std::string force = a.english ? "(kips)" : "(kN)";
    out << "Characteristic capacity by " << method_info(a.method).name << " from " << c.names.size()
        << (c.names.size() == 1 ? " sounding" : " soundings")
        << (c.stiff_structure ? ", stiff structure" : "") << '\n';
    out << "  xi3 " << decimals(c.xi.xi3, 4) << ", xi4 " << decimals(c.xi.xi4, 4)
        << "; R_c,k = min(mean / xi3, min / xi4), R_c,d = R_c,k / " << decimals(kBearingResistanceFactor, 1)
        << '\n';
    for (std::size_t k = 0; k < projects.size(); ++k) out << "  [" << k + 1 << "] " << projects[k] << '\n';
    constexpr int kWidth = 10;
    const auto cell = [&out](const std::string& text) { out << std::setw(kWidth) << text; };
    cell("depth");
    for (std::size_t k = 0; k < c.names.size(); ++k) cell("[" + std::to_string(k + 1) + "]");
    for (const char* title : {"mean", "min", "xi3", "xi4", "R_c,k", "R_c,d"}) cell(title);
    out << '\n';
    cell(length);
    for (std::size_t k = 0; k < c.names.size(); ++k) cell(force);
    for (const std::string& unit : {force, force, std::string(), std::string(), force, force}) cell(unit);
    out << '\n';
    for (std::size_t i = 0; i < c.depth.size(); ++i) {
        cell(decimals(c.depth[i], 2));
        for (const std::vector<double>& capacity : c.capacity) cell(decimals(capacity[i], 1));
        cell(decimals(c.mean[i], 1));
        cell(decimals(c.minimum[i], 1));
        cell(decimals(c.xi.xi3, 4));
        cell(decimals(c.xi.xi4, 4));
        cell(decimals(c.characteristic[i], 1));
        cell(decimals(c.design[i], 1));
        out << '\n';
    }
}

#ifdef TORVE_WITH_APP_RENDER
// The graph of the capacities with R_c,k, in the format its extension names, 6 x 4 inches at 96 dpi
// as `torve plot` draws by default. Nothing when written, else what went wrong.
std::optional<std::string> write_characteristic_graph(const CharacteristicAnalysis& a,
                                                      const std::string& path) {
    const std::optional<QString> name = core_file_name(path);
    if (!name) return unusable_file_name(path);
    const std::optional<app::GraphFileFormat> format = app::graphFileFormat(*name);
    if (!format) return path + ": expected a picture file ending in .png, .svg, .pdf or .bmp";
    const DrawingApplication application;
    return write_graph(app::characteristicGraph(a.capacity, a.english), *name, *format, QSizeF(6, 4), 96);
}
#endif

// The first two names of one file: a sounding named twice would count twice and lower the factors.
std::optional<std::pair<std::string, std::string>> named_twice(const std::vector<std::string>& projects) {
    for (std::size_t j = 1; j < projects.size(); ++j)
        for (std::size_t i = 0; i < j; ++i) {
            std::error_code error;
            if (std::filesystem::equivalent(projects[i], projects[j], error))
                return std::pair{projects[i], projects[j]};
        }
    return std::nullopt;
}

int characteristic(const CharacteristicSettings& s) {
    const Method method = method_named(s.method);
    if (const auto twice = named_twice(s.projects)) {
        std::cerr << "torve characteristic: " << twice->first << " and " << twice->second
                  << " are one project: each sounding counts once.\n";
        return kExitRunFailed;
    }
    std::vector<SoundingProject> projects;
    try {
        for (const std::string& p : s.projects) projects.push_back({p, read_project_input(p, method)});
    } catch (const InputError& e) {
        std::cerr << "torve characteristic: " << e.what() << '\n';
        return kExitRunFailed;
    }
    const CharacteristicAnalysis a = compute_characteristic(projects, method, s.stiff);
    if (!a.answered()) {
        std::cerr << "torve characteristic: " << a.message << '\n';
        return kExitRunFailed;
    }
    print_table(std::cout, a, s.projects);
    for (std::size_t k = 0; k < a.warnings.size(); ++k)
        for (const RunWarning& w : a.warnings[k])
            std::cout << "  warning [" << k + 1 << "]: " << warning_sentence(w, a.english) << '\n';
    if (!s.csv.empty()) {
        try {
            write_file_whole(s.csv, characteristic_csv(a));
        } catch (const FileError& e) {
            std::cout << "  FAILED: the CSV file " << s.csv << " cannot be written: " << e.reason() << '\n';
            return kExitRunFailed;
        }
        std::cout << "  CSV: " << s.csv << '\n';
    }
#ifdef TORVE_WITH_APP_RENDER
    if (!s.plot.empty()) {
        if (const auto failure = write_characteristic_graph(a, s.plot)) {
            std::cout << "  FAILED: " << *failure << '\n';
            return kExitRunFailed;
        }
        std::cout << "  graph: " << s.plot << '\n';
    }
#endif
    return kExitOk;
}

}  // namespace

void add_characteristic_command(CLI::App& app, int& exit_code) {
    auto settings = std::make_shared<CharacteristicSettings>();
    CLI::App* cmd = app.add_subcommand(
        "characteristic",
        "The characteristic capacity of one pile from several soundings: PROJECT.tv6d files of the same "
        "pile and soil layers, each with its own CPT data file PROJECT.cpt (or its own layer properties), "
        "each analysed with the method NAME alone. Per depth of the capacity table prints each project's "
        "capacity, their mean and least, the correlation factors xi3 and xi4 for the number of soundings "
        "(divided by 1.1 with --stiff), R_c,k = min(mean / xi3, min / xi4) and the design capacity "
        "R_c,d = R_c,k / 1.2. With --csv FILE also writes the table at full precision"
#ifdef TORVE_WITH_APP_RENDER
        ", with --plot FILE the graph of the capacities with R_c,k (.png, .svg, .pdf)"
#endif
        ". Exits with 1 when a project cannot be read, differs in its pile or layers from the first, or "
        "gives no capacity with the method, with 2 on a usage error.");
    cmd->add_option("projects", settings->projects, "Project files (.tv6d), one per sounding")
        ->required()
        ->check(CLI::ExistingFile);
    cmd->add_option("--method", settings->method, "Method by its name in the results (API RP 2A, NGI, ...)")
        ->required();
    cmd->add_flag("--stiff", settings->stiff,
                  "The structure is stiff enough to move load from weak piles to strong ones");
    cmd->add_option("--csv", settings->csv, "CSV file of the table at full precision");
#ifdef TORVE_WITH_APP_RENDER
    cmd->add_option("--plot", settings->plot, "Picture file of the graph (.png, .svg or .pdf)");
#endif
    cmd->callback([settings, &exit_code] { exit_code = characteristic(*settings); });
}

}  // namespace torve::cli
