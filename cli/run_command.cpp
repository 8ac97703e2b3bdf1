// `torve run`: analyses one or more projects through the engine's C++ interface.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <atomic>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <thread>

#include "cli/commands.h"
#include "cli/results_csv.h"
#include "cli/run_summary.h"
#include "engine/driver/run_analysis.h"
#include "engine/methods/shaft_setup.h"
#include "engine/model/input_error.h"
#include "engine/model/whole_file.h"

namespace torve::cli {
namespace {

namespace fs = std::filesystem;

struct RunSettings {
    std::vector<std::string> projects;
    unsigned jobs = 0;
    bool show_console = false;
    std::string csv_dir;  // empty: no CSV files
    // The capacity that many days after driving; A and t0 replace those of both soil types.
    std::optional<double> setup_days;
    std::optional<double> setup_a;
    std::optional<double> setup_t0;
};

// The set-up the command line asks for, or none; a value out of range or set-up values without
// the days raise CLI::ValidationError.
std::optional<SetupRequest> setup_request(const RunSettings& s) {
    if (!s.setup_days) {
        if (s.setup_a || s.setup_t0) throw CLI::ValidationError("--setup-a and --setup-t0 need --setup-days");
        return std::nullopt;
    }
    const SetupRequest request{*s.setup_days, s.setup_a, s.setup_t0};
    try {
        setup_rates(request);
    } catch (const InputError& e) {
        throw CLI::ValidationError(e.what());
    }
    return request;
}

struct ProjectRun {
    std::string project;
    RunFiles files;
    RunResult result;
    std::string console;
    // The earlier run whose outputs are the same files ("p.tv6d ./p.tv6d"): this one is not run, since
    // two runs side by side would write one report together.
    std::optional<std::size_t> same_as;
};

// Where the report of a run is: its folder resolved through links and "..", the file itself when it
// exists (a hard link), so that two names of one project meet.
bool same_outputs(const RunFiles& a, const RunFiles& b) {
    std::error_code error;
    if (fs::equivalent(a.report, b.report, error)) return true;
    const fs::path ca = fs::weakly_canonical(a.report, error);
    if (error) return a.report == b.report;
    const fs::path cb = fs::weakly_canonical(b.report, error);
    return !error && ca == cb;
}

// Absolute where the system can open the file by that name; in a folder deeper than the system can
// name whole, the path as given, which it still opens from there.
fs::path absolute_if_possible(const std::string& project) {
    std::error_code error;
    const fs::path p = fs::absolute(project, error);
    if (error) return project;
    std::error_code unreachable;
    if (!fs::exists(p, unreachable) && fs::exists(project, error)) return project;
    return p;
}

RunFiles files_beside(const std::string& project) {
    const fs::path p = absolute_if_possible(project);
    RunFiles f;
    f.input = p.string();
    f.report = fs::path(p).replace_extension(".tv6o").string();
    f.plot = fs::path(p).replace_extension(".tv6p").string();
    f.cpt = fs::path(p).replace_extension(".cpt").string();
    return f;
}

// The tables of a completed run as PROJECT.NAME.csv in the folder; the files written, or the
// message of the one that could not be.
struct CsvOutcome {
    std::vector<std::string> files;
    std::string failure;
};

CsvOutcome write_csv_tables(const std::string& dir, const std::string& project, const RunResult& result) {
    CsvOutcome o;
    const std::string stem = fs::path(project).stem().string();
    for (const CsvTable& t : results_csv(result)) {
        const std::string path = (fs::path(dir) / (stem + "." + t.name + ".csv")).string();
        // Replaced only when complete, so that a failed write (a full disk) leaves the file there.
        try {
            write_file_whole(path, t.text);
        } catch (const FileError& e) {
            o.failure = "the CSV file " + path + " cannot be written: " + e.reason();
            return o;
        }
        o.files.push_back(path);
    }
    return o;
}

// The CSV files of two projects of one name would be one file; the first pair of such projects.
std::optional<std::pair<std::string, std::string>> same_csv_names(const std::vector<ProjectRun>& runs) {
    std::map<std::string, std::string> seen;
    for (const ProjectRun& r : runs) {
        if (r.same_as) continue;
        const auto [at, inserted] = seen.emplace(fs::path(r.project).stem().string(), r.project);
        if (!inserted) return std::pair{at->second, r.project};
    }
    return std::nullopt;
}

std::string relative_to_project(const std::string& project, const std::string& absolute_output) {
    return fs::path(project).replace_extension(fs::path(absolute_output).extension()).string();
}

int run_all(const RunSettings& s) {
    const std::optional<SetupRequest> setup = setup_request(s);
    std::vector<ProjectRun> runs(s.projects.size());
    for (std::size_t i = 0; i < runs.size(); ++i) {
        runs[i].project = s.projects[i];
        runs[i].files = files_beside(s.projects[i]);
        for (std::size_t j = 0; j < i && !runs[i].same_as; ++j)
            if (!runs[j].same_as && same_outputs(runs[i].files, runs[j].files)) runs[i].same_as = j;
    }
    if (!s.csv_dir.empty()) {
        if (const auto clash = same_csv_names(runs)) {
            std::cerr << "torve run: " << clash->first << " and " << clash->second
                      << " have one name: their CSV files in " << s.csv_dir
                      << " would be the same files. Run them with --csv into different folders.\n";
            return kExitUsage;
        }
        std::error_code error;
        fs::create_directories(s.csv_dir, error);
        if (error || !fs::is_directory(s.csv_dir, error)) {
            std::cerr << "torve run: the folder " << s.csv_dir << " cannot be created\n";
            return kExitRunFailed;
        }
    }
    // Each run has its own context, so they go side by side; results print in command-line order.
    const unsigned hw = std::max(1u, std::thread::hardware_concurrency());
    const unsigned jobs = std::min<unsigned>(s.jobs ? s.jobs : hw, static_cast<unsigned>(runs.size()));
    std::atomic<std::size_t> next{0};
    auto worker = [&] {
        for (std::size_t i = next++; i < runs.size(); i = next++) {
            if (runs[i].same_as) continue;
            std::ostringstream console;
            RunOptions options;
            options.cpt_optional = true;
            options.setup = setup;
            runs[i].result = run_analysis(runs[i].files, console, options);
            runs[i].console = console.str();
        }
    };
    std::vector<std::jthread> pool;
    for (unsigned k = 0; k < jobs; ++k) pool.emplace_back(worker);
    pool.clear();  // joins

    int exit_code = kExitOk;
    for (const ProjectRun& r : runs) {
        if (r.same_as) {
            std::cout << r.project << "\n  the same project as " << runs[*r.same_as].project
                      << " (the same report and plot file): analysed once, above\n";
            continue;
        }
        if (s.show_console) std::cout << r.console;
        // A failed run has no tables; a stopped one writes its empty tables over those of an earlier run.
        CsvOutcome csv;
        if (!s.csv_dir.empty() && r.result.status == RunStatus::Completed)
            csv = write_csv_tables(s.csv_dir, r.project, r.result);
        print_run_summary(std::cout, r.project, relative_to_project(r.project, r.files.report),
                          relative_to_project(r.project, r.files.plot), csv.files, r.result);
        if (!csv.failure.empty()) std::cout << "  FAILED: " << csv.failure << '\n';
        if (r.result.status != RunStatus::Completed || r.result.stop != RunStop::None || !csv.failure.empty())
            exit_code = kExitRunFailed;
    }
    return exit_code;
}

}  // namespace

void add_run_command(CLI::App& app, int& exit_code) {
    auto settings = std::make_shared<RunSettings>();
    CLI::App* cmd =
        app.add_subcommand("run",
                           "Analyse projects: for each PROJECT.tv6d write the report "
                           "PROJECT.tv6o and the plot data file PROJECT.tv6p "
                           "beside it, using the CPT data file PROJECT.cpt when there is one. "
                           "Prints where the files are and the "
                           "capacity of each selected method at the pile tip. With --csv DIR, "
                           "also write the tables of the results at full precision as "
                           "DIR/PROJECT.capacity.csv, .load-settlement.csv, .load-distribution.csv, "
                           ".tz-curves.csv, .tip-curve.csv and, with t-z print depths, "
                           ".extra-tz-curves.csv. With --setup-days T, the shaft capacity is that of T "
                           "days after driving (and .setup.csv names the factors). Exits with 1 when a run "
                           "failed or stopped at one "
                           "of its input checks.");
    cmd->add_option("projects", settings->projects, "Project files (.tv6d) to analyse")
        ->required()
        ->check(CLI::ExistingFile);
    cmd->add_option("-j,--jobs", settings->jobs,
                    "Number of projects analysed side by side (default: one per processor core)")
        ->check(CLI::PositiveNumber);
    cmd->add_flag("--console", settings->show_console,
                  "Also print the engine's own console lines for each project");
    cmd->add_option("--csv", settings->csv_dir,
                    "Folder for the CSV files of the results at full precision (created when missing)");
    cmd->add_option("--setup-days", settings->setup_days,
                    "Days after driving: the skin friction and the t-z curves grow by the set-up "
                    "1 + A log10(t/t0) of each soil type (sand A 0.2, t0 0.5 day; clay A 0.6, t0 1 day)");
    cmd->add_option("--setup-a", settings->setup_a, "Set-up factor A for every soil, instead of 0.2 and 0.6");
    cmd->add_option("--setup-t0", settings->setup_t0,
                    "Reference time t0 in days for every soil, instead of 0.5 and 1");
    cmd->callback([settings, &exit_code] { exit_code = run_all(*settings); });
}

}  // namespace torve::cli
