// Subcommands of the torve runner; each registers itself on the application.
#pragma once

namespace CLI {
class App;
}

namespace torve::cli {

// Exit codes of the runner.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRunFailed = 1;  // a run failed or stopped at one of its input checks
inline constexpr int kExitUsage = 2;      // the command line could not be understood

// `torve run PROJECT.tv6d...`: analyses projects, several side by side.
void add_run_command(CLI::App& app, int& exit_code);
// `torve downdrag PROJECT.tv6d --soil-settlement S.csv --head-load Q [--csv DIR]`: the pile in
// settling soil, its neutral plane and drag force.
void add_downdrag_command(CLI::App& app, int& exit_code);
// `torve drive PROJECT.tv6d --hammer HAMMER.json [--srd alm-hamre|unified-srd] [--depths A:B:STEP]
// [--csv DIR] [--bearing-graph R1,R2,...] [--jobs N]`: blow count and stresses against tip depth.
void add_drive_command(CLI::App& app, int& exit_code);
// `torve characteristic P1.tv6d P2.tv6d... --method NAME [--stiff] [--csv FILE] [--plot FILE]`: the
// characteristic capacity of one pile from projects with one sounding each.
void add_characteristic_command(CLI::App& app, int& exit_code);
// `torve check PROJECT.tv6d`: every finding of the input checks, as the run reads the project.
void add_check_command(CLI::App& app, int& exit_code);

#ifdef TORVE_WITH_APP_CORE
// `torve convert --to si|english IN.tv6d OUT.tv6d`: a project in the other unit system.
void add_convert_command(CLI::App& app, int& exit_code);
// `torve results PROJECT.tv6d [--csv DIR]`: the results of the project's plot data file.
void add_results_command(CLI::App& app, int& exit_code);
// `torve cpt show FILE` and `torve cpt import FILE [--test ID] [--use qc|qt] --into PROJECT.tv6d`: cone
// data of AGS4, GEF, BRO-XML and CSV files.
void add_cpt_command(CLI::App& app, int& exit_code);
#endif

#ifdef TORVE_WITH_APP_RENDER
// `torve plot PROJECT.tv6d [--graph NAME...] [--format png|svg|pdf] [--size WxH] [--dpi N] [--out DIR]`:
// the result graphs as picture files.
void add_plot_command(CLI::App& app, int& exit_code);
// `torve sheet PROJECT.tv6d [--out FILE.pdf|FILE.html]`: the calculation sheet of a project.
void add_sheet_command(CLI::App& app, int& exit_code);
#endif

}  // namespace torve::cli
