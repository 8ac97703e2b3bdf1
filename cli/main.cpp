// torve: command-line runner for engineers who script their pile analyses.
#include <CLI/CLI.hpp>

#include "cli/commands.h"

int main(int argc, char** argv) {
    CLI::App app{
        "torve - axial capacity and load-settlement analysis of a single driven pile.\n"
        "Reads TORVE project files (.tv6d) and writes the report (.tv6o) and plot data file (.tv6p), "
        "the graphs as pictures (torve plot) and the calculation sheet as PDF or HTML (torve sheet)."};
    app.require_subcommand(1);
    app.set_version_flag("--version", "torve " TORVE_VERSION);
    int exit_code = torve::cli::kExitOk;
    torve::cli::add_run_command(app, exit_code);
    torve::cli::add_check_command(app, exit_code);
    torve::cli::add_downdrag_command(app, exit_code);
    torve::cli::add_drive_command(app, exit_code);
    torve::cli::add_characteristic_command(app, exit_code);
#ifdef TORVE_WITH_APP_CORE
    torve::cli::add_convert_command(app, exit_code);
    torve::cli::add_results_command(app, exit_code);
    torve::cli::add_cpt_command(app, exit_code);
#endif
#ifdef TORVE_WITH_APP_RENDER
    torve::cli::add_plot_command(app, exit_code);
    torve::cli::add_sheet_command(app, exit_code);
#endif
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? 0 : torve::cli::kExitUsage;
    }
    return exit_code;
}
