// `torve results`: the capacity curves and other results of a project's plot data file.
#include <CLI/CLI.hpp>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <charconv>
#include <iostream>

#include "app/controls/usererror.h"
#include "app/project/atomicfile.h"
#include "app/project/cptprofile.h"
#include "app/project/project.h"
#include "app/project/workingloads.h"
#include "cli/analysed_project.h"
#include "cli/commands.h"
#include "cli/file_name.h"
#include "engine/driver/fixed_format.h"

namespace torve::cli {
namespace {

// The plot data file holds its numbers as it prints them, and so does everything read from it.
constexpr const char* kPrecisionNote =
    "  precision: as the plot data file holds them, to about 4 significant digits (depths to 0.01, forces "
    "to 0.1);\n"
    "  torve run --csv DIR writes the same tables at full precision";

struct ResultsSettings {
    std::string project;
    std::string csv_dir;
};

std::string number(double v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

// RFC 4180: a field with a comma, quote or line break is quoted, quotes doubled.
std::string csv_field(const QString& text) {
    std::string s = text.toStdString();
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string q = "\"";
    for (char c : s) q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + '"';
}

// One CSV file per graph object: a header row, then one row per point of every curve. Raises
// UserError when the file cannot be written.
void write_csv(const QString& dir, const QString& name, const app::Graph& plot) {
    std::string text =
        "curve," + csv_field(plot.xTitle().trimmed()) + "," + csv_field(plot.yTitle().trimmed()) + "\r\n";
    for (int i = 0; i < plot.lineCount(); ++i) {
        const std::string curve = csv_field(plot.displayName(i).trimmed());
        for (const QPointF& p : plot.line(i).points)
            text += curve + "," + number(p.x()) + "," + number(p.y()) + "\r\n";
    }
    app::writeFileAtomically(dir + u'/' + name + QStringLiteral(".csv"),
                             QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

// Every result graph under its identifier, then the CPT profile under the name of the graph that
// held it in the program, "MotionInput".
int write_csv_files(const app::Project& project, const QString& dir, const std::string& csv_dir) {
    using namespace torve::app;
    if (!QDir().mkpath(dir)) {
        std::cerr << csv_dir << ": folder cannot be created\n";
        return kExitRunFailed;
    }
    std::vector<Graph> plots;
    for (int g = 0; g < kResultGraphCount; ++g) {
        const Graph& graph = project.graph(static_cast<ResultGraph>(g));
        // The downdrag graphs only of a run that solved one.
        if (g >= kPlotFileGraphCount && graph.lineCount() == 0) continue;
        plots.push_back(graph);
    }
    Graph cpt;
    showCptProfile(cpt, project.data(), CptProfile::Qc);
    cpt.identifier = QStringLiteral("MotionInput");
    plots.push_back(cpt);
    for (const Graph& p : plots) {
        const std::string name = p.identifier.toStdString();
        try {
            write_csv(dir, p.identifier, p);
        } catch (const UserError& e) {
            std::cerr << e.message().toStdString() << '\n';
            return kExitRunFailed;
        }
        std::cout << csv_dir << "/" << name << ".csv\n";
    }
    std::cout << kPrecisionNote << '\n';
    return kExitOk;
}

// Per method the values at the deepest penetration and the largest ultimate capacity, then the
// head movement at the largest load.
void print_summary(const app::Project& project, const std::string& name) {
    using namespace torve::app;
    const Graph& totals = project.graph(ResultGraph::TotalCapacity);
    const Graph& skins = project.graph(ResultGraph::SkinFriction);
    const Graph& tips = project.graph(ResultGraph::TipResistance);
    const bool english = totals.units() == code_of(UnitSystem::English);
    const char* force = english ? "kips" : "kN";
    const char* length = english ? "ft" : "m";
    std::cout << name << '\n';
    std::cout << "  " << project.data().title.toStdString() << '\n';
    std::cout << "  capacity at the deepest penetration of each method, " << force << ":\n";
    std::cout << "    method        penetration   skin friction   "
              << (project.data().isUplift() ? "self weight" : "end bearing")
              << "      ultimate   max. ultimate\n";
    for (int i = 0; i < totals.lineCount(); ++i) {
        const auto& total = totals.line(i).points;
        if (total.empty()) continue;
        double best = total.front().x();
        for (const QPointF& p : total) best = std::max(best, p.x());
        std::cout << "    " << format_a(totals.displayName(i).toStdString(), 12)
                  << format_f(total.back().y(), 11, 2) << ' ' << length
                  << format_f(skins.line(i).points.back().x(), 16, 1)
                  << format_f(tips.line(i).points.back().x(), 14, 1) << format_f(total.back().x(), 14, 1)
                  << format_f(best, 16, 1) << '\n';
    }
    const Graph& axial = project.graph(ResultGraph::LoadSettlement);
    const auto& head = axial.line(0).points;
    if (!head.empty())
        std::cout << "  head movement at the largest load level (" << decimals(head.back().x(), 1) << ' '
                  << force << "): " << decimals(head.back().y(), english ? 4 : 2) << (english ? " in" : " mm")
                  << '\n';
    // The run solved the head movement at each working load and left it in its report.
    const QFileInfo file(core_file_name(name).value_or(QString()));
    const QString report = file.path() + u'/' + file.completeBaseName() + QStringLiteral(".tv6o");
    const std::vector<WorkingLoadRow> working = readWorkingLoads(workingLoadLines(report));
    if (!working.empty()) {
        std::cout << "  head movement at the working loads (from the report), " << force << " and "
                  << (english ? "in" : "mm") << ":\n";
        std::cout << "    method            fraction     head load      movement\n";
        for (const WorkingLoadRow& w : working) {
            std::cout << "    " << format_a(w.method.toStdString(), 16) << format_f(w.fraction, 10, 4)
                      << format_f(w.load, 14, 1);
            if (w.movement)
                std::cout << format_f(*w.movement, 14, english ? 4 : 2) << '\n';
            else
                std::cout << "  beyond the curve\n";
        }
    }
    std::cout << "  t-z curves: " << project.graph(ResultGraph::TzCurves).lineCount()
              << ", extra t-z curves: " << project.graph(ResultGraph::ExtraTzCurves).lineCount() << '\n';
    std::cout << kPrecisionNote << '\n';
}

int results(const ResultsSettings& s) {
    const std::optional<QString> csvDir = core_file_name(s.csv_dir);
    if (!csvDir) {
        std::cerr << unusable_file_name(s.csv_dir) << '\n';
        return kExitRunFailed;
    }
    app::Project project;
    if (const int code = read_analysed_project(s.project, project); code != kExitOk) return code;
    if (!s.csv_dir.empty()) return write_csv_files(project, *csvDir, s.csv_dir);
    print_summary(project, s.project);
    return kExitOk;
}

}  // namespace

void add_results_command(CLI::App& app, int& exit_code) {
    auto settings = std::make_shared<ResultsSettings>();
    CLI::App* cmd = app.add_subcommand(
        "results",
        "Show the results of an analysed project: read PROJECT.tv6d and its plot data file PROJECT.tv6p and "
        "print, for each method, the skin friction, end bearing (self weight under tension) and ultimate "
        "capacity at the deepest penetration and the largest ultimate capacity, and the head movement at the "
        "largest load. With --csv DIR, write every graph instead as a CSV file in DIR (one row per point: "
        "curve name, then x and y with their units in the header row). The values are those of the plot data "
        "file, to about 4 significant digits; `torve run --csv DIR` writes the tables at full precision. "
        "Exits "
        "with 1 when the project or its plot data file is missing or cannot be read.");
    cmd->add_option("project", settings->project, "Analysed project (.tv6d)")
        ->required()
        ->check(CLI::ExistingFile);
    cmd->add_option("--csv", settings->csv_dir, "Folder for one CSV file per graph (created when missing)");
    cmd->callback([settings, &exit_code] { exit_code = results(*settings); });
}

}  // namespace torve::cli
