// `torve plot`: the graphs of an analysed project as picture files, drawn without a display.
#include <CLI/CLI.hpp>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>

#include "app/controls/usererror.h"
#include "app/graph/graph.h"
#include "app/project/downdragresults.h"
#include "app/project/driveabilityresults.h"
#include "app/project/project.h"
#include "app/project/settlementfile.h"
#include "app/render/graphexport.h"
#include "app/render/graphlegend.h"
#include "app/render/graphpainter.h"
#include "cli/analysed_project.h"
#include "cli/commands.h"
#include "cli/file_name.h"
#include "cli/graph_file.h"
#include "engine/driver/downdrag_results_file.h"
#include "engine/driver/driveability_results_file.h"
#include "engine/driver/project_input.h"
#include "engine/model/input_error.h"

namespace torve::cli {
namespace {

struct PlotSettings {
    std::string project;
    std::vector<std::string> graphs;
    // The driveability graphs: the hammer file, the method and the tip depths A:B:STEP (empty:
    // every metre or 3 ft down to the pile's length).
    std::string hammer;
    std::string srd = "alm-hamre";
    std::string depths;
    std::string format = "png";
    std::string size = "6x4";
    double dpi = 96;
    std::string out;
};

// The graphs of the desktop program's Graphics menu, in its order.
constexpr app::ResultGraph kMenuGraphs[] = {
    app::ResultGraph::UnitSkinFriction,  app::ResultGraph::SkinFriction,
    app::ResultGraph::TipResistance,     app::ResultGraph::TotalCapacity,
    app::ResultGraph::LoadDistribution,  app::ResultGraph::Combined,
    app::ResultGraph::LoadSettlement,    app::ResultGraph::TzCurves,
    app::ResultGraph::ExtraTzCurves,     app::ResultGraph::TipQw,
    app::ResultGraph::Downdrag,          app::ResultGraph::DowndragMovement,
    app::ResultGraph::DriveSrd,          app::ResultGraph::DriveBlows,
    app::ResultGraph::DriveCumulative,   app::ResultGraph::DriveStress,
    app::ResultGraph::Bearing,           app::ResultGraph::DriveHeadForce,
    app::ResultGraph::DriveHeadVelocity,
};

bool is_drive_graph(app::ResultGraph g) {
    return static_cast<int>(g) >= app::kFirstDriveGraph;
}

// A picture holds a graph only from an inch either way.
constexpr double kLeastInches = 1;

// "WxH" in inches, each at least an inch.
std::optional<QSizeF> parse_size(const std::string& text) {
    const auto x = text.find_first_of("xX");
    if (x == std::string::npos) return std::nullopt;
    char* end = nullptr;
    const std::string w = text.substr(0, x), h = text.substr(x + 1);
    const double width = std::strtod(w.c_str(), &end);
    if (w.empty() || *end != '\0') return std::nullopt;
    const double height = std::strtod(h.c_str(), &end);
    if (h.empty() || *end != '\0') return std::nullopt;
    if (!(width >= kLeastInches) || !(height >= kLeastInches) || width > 1000 || height > 1000)
        return std::nullopt;
    return QSizeF(width, height);
}

// The graph a name stands for, its identifier taken without regard to case ("pltTotal").
std::optional<app::ResultGraph> graph_named(const app::Project& project, const std::string& name) {
    for (app::ResultGraph g : kMenuGraphs)
        if (project.graph(g).identifier.compare(QString::fromStdString(name), Qt::CaseInsensitive) == 0)
            return g;
    return std::nullopt;
}

bool produced(const app::Graph& graph) {
    for (int i = 0; i < graph.lineCount(); ++i)
        if (!graph.line(i).points.empty()) return true;
    return false;
}

// The menu offers the tip graphs only under compression and the extra t-z curves only when asked.
bool offered(const app::Project& project, app::ResultGraph g) {
    const bool uplift = project.data().isUplift();
    if (g == app::ResultGraph::TipResistance || g == app::ResultGraph::TipQw) return !uplift;
    if (g == app::ResultGraph::ExtraTzCurves) return project.data().printExtraTz;
    return true;
}

// A project that keeps a soil settlement with its head load has its downdrag graphs, solved here
// when no run of the desktop program left them beside it.
int solve_downdrag_graphs(const std::string& path, app::Project& project) {
    using namespace torve::app;
    const SettlementRecord& settlement = project.data().settlement;
    if (!hasSettlementProfile(settlement) || !settlement.head_load ||
        project.graph(ResultGraph::Downdrag).lineCount() > 0)
        return kExitOk;
    try {
        const RunInput input = read_project_input(path);
        const DowndragResult d =
            compute_downdrag(input.in, input.cpt, settlement.soil, *settlement.head_load);
        project.showDowndrag(parseDowndragResults(QByteArray::fromStdString(downdrag_results_text(d)),
                                                  QString::fromStdString(path)));
    } catch (const InputError& e) {
        std::cerr << path << ": " << e.what() << '\n';
        return kExitRunFailed;
    } catch (const app::UserError& e) {
        std::cerr << path << ": " << e.message().toStdString() << '\n';
        return kExitRunFailed;
    }
    return kExitOk;
}

// A:B:STEP with 0 < A <= B and STEP > 0, as torve drive takes them; none for any other text.
std::optional<std::array<double, 3>> depth_range(const std::string& text) {
    std::array<double, 3> v{};
    std::size_t start = 0;
    for (std::size_t k = 0; k < v.size(); ++k) {
        const std::size_t colon = k + 1 < v.size() ? text.find(':', start) : text.size();
        if (colon == std::string::npos) return std::nullopt;
        const std::string part = text.substr(start, colon - start);
        char* end = nullptr;
        v[k] = std::strtod(part.c_str(), &end);
        if (part.empty() || *end != '\0' || !std::isfinite(v[k])) return std::nullopt;
        start = colon + 1;
    }
    if (!(v[0] > 0) || !(v[1] >= v[0]) || !(v[2] > 0)) return std::nullopt;
    return v;
}

// The driveability graphs of the project driven with the hammer of `s`, solved here as the desktop
// program's run solves them: the results text the engine writes, read back by the program's reader.
int solve_drive_graphs(const PlotSettings& s, app::Project& project) {
    using namespace torve::app;
    DriveabilityRequest request;
    request.project = s.project;
    request.hammer = s.hammer;
    request.method = s.srd == "unified-srd" ? SrdMethod::UnifiedSrd : SrdMethod::AlmHamre;
    if (!s.depths.empty()) {
        const auto range = depth_range(s.depths);
        if (!range) {
            std::cerr << "--depths " << s.depths << ": expected A:B:STEP with 0 < A <= B and STEP > 0\n";
            return kExitUsage;
        }
        request.from = (*range)[0];
        request.to = (*range)[1];
        request.step = (*range)[2];
    }
    const QTemporaryDir scratch;
    if (!scratch.isValid()) {
        std::cerr << "a temporary folder for the driveability results cannot be created\n";
        return kExitRunFailed;
    }
    const QString results = scratch.filePath(QStringLiteral("drive.txt"));
    request.results = QFile::encodeName(results).toStdString();
    const int status = run_driveability_request(request, {}, std::cerr);
    try {
        // A refused file or value leaves a results file that names it; without one the engine has
        // told the console why.
        QFile file(results);
        if (!file.open(QIODevice::ReadOnly)) {
            if (status == 0)
                std::cerr << native_file_name(results) << ": the driveability results cannot be read\n";
            return kExitRunFailed;
        }
        const DriveabilityResults drive = parseDriveabilityResults(file.readAll(), results);
        if (!drive.solved) {
            std::cerr << s.project << ": " << QString(drive.message).replace(u'\r', u' ').toStdString()
                      << '\n';
            return kExitRunFailed;
        }
        if (status != 0) return kExitRunFailed;
        project.showDriveability(drive);
    } catch (const app::UserError& e) {
        std::cerr << e.message().toStdString() << '\n';
        return kExitRunFailed;
    }
    return kExitOk;
}

int plot(const PlotSettings& s) {
    using namespace torve::app;
    // Drawing needs a GUI application but no display: the offscreen platform, unless one was named.
    const DrawingApplication application;

    const auto inches = parse_size(s.size);
    if (!inches) {
        std::cerr << "--size " << s.size << ": expected WxH in inches, each from 1 to 1000 (6x4)\n";
        return kExitUsage;
    }
    Project project;
    // Driving the pile needs no analysis before it: a project without its plot data file gives the
    // driveability graphs alone. A driveability graph asked for without a hammer is a usage error,
    // told before any file is read.
    const bool drive = !s.hammer.empty();
    for (const std::string& name : s.graphs) {
        const auto g = graph_named(project, name);
        if (g && is_drive_graph(*g) && !drive) {
            std::cerr << "--graph " << name << ": a driveability graph, drawn with --hammer HAMMER.json\n";
            return kExitUsage;
        }
    }
    if (const int code = read_analysed_project(s.project, project, !drive); code != kExitOk) return code;

    if (const int code = solve_downdrag_graphs(s.project, project); code != kExitOk) return code;
    if (drive)
        if (const int code = solve_drive_graphs(s, project); code != kExitOk) return code;

    if (!std::isfinite(s.dpi)) {  // a range check lets a NaN through
        std::cerr << "--dpi " << s.dpi << ": expected a number of pixels per inch from 10 to 1200\n";
        return kExitUsage;
    }
    std::vector<ResultGraph> chosen;
    for (const std::string& name : s.graphs) {
        const auto g = graph_named(project, name);
        if (!g) {
            std::cerr << "--graph " << name << ": no such graph; the graphs are";
            for (ResultGraph m : kMenuGraphs) std::cerr << ' ' << project.graph(m).identifier.toStdString();
            std::cerr << '\n';
            return kExitUsage;
        }
        if (!offered(project, *g) || !produced(project.graph(*g))) {
            std::cerr << s.project << ": the run produced no " << project.graph(*g).identifier.toStdString()
                      << " graph\n";
            return kExitRunFailed;
        }
        // The same graph named twice (in any case) is one picture, written once.
        if (std::find(chosen.begin(), chosen.end(), *g) == chosen.end()) chosen.push_back(*g);
    }
    if (s.graphs.empty())
        for (ResultGraph g : kMenuGraphs)
            if (offered(project, g) && produced(project.graph(g))) chosen.push_back(g);

    // The folder as the platform spells it: a name its encoding cannot carry would be written
    // somewhere else.
    const std::optional<QString> out = core_file_name(s.out);
    if (!s.out.empty() && !out) {
        std::cerr << unusable_file_name(s.out) << '\n';
        return kExitRunFailed;
    }
    const QString dir = s.out.empty() ? QFileInfo(*core_file_name(s.project)).path() : *out;
    if (!QDir().mkpath(dir)) {
        std::cerr << native_file_name(dir) << ": folder cannot be created\n";
        return kExitRunFailed;
    }
    const GraphFileFormat format = s.format == "svg"   ? GraphFileFormat::Svg
                                   : s.format == "pdf" ? GraphFileFormat::Pdf
                                                       : GraphFileFormat::Png;
    for (ResultGraph g : chosen) {
        const Graph& graph = project.graph(g);
        const QString path = dir + u'/' + graph.identifier + u'.' + QString::fromStdString(s.format);
        if (const auto failure = write_graph(graph, path, format, *inches, s.dpi)) {
            std::cerr << *failure << '\n';
            return kExitRunFailed;
        }
        std::cout << native_file_name(path) << '\n';
    }
    return kExitOk;
}

}  // namespace

void add_plot_command(CLI::App& app, int& exit_code) {
    auto settings = std::make_shared<PlotSettings>();
    CLI::App* cmd = app.add_subcommand(
        "plot",
        "Draw the graphs of an analysed project: read PROJECT.tv6d and its plot data file PROJECT.tv6p and "
        "write every graph of the desktop program's Graphics menu that the run produced (or those named "
        "with --graph) as picture files named after the graphs: pltUSkin, pltSkin, pltTip, pltTotal, "
        "pltLoad, "
        "pltCombine, pltAxial, pltTZcurves, PltExtraTZ, PltQw, and pltDowndrag and pltDowndragMove of a "
        "project run with a soil settlement. With --hammer HAMMER.json the pile is also driven at each tip "
        "depth (--srd, --depths A:B:STEP as torve drive takes them; no analysis needed) and the driveability "
        "graphs drawn: pltDriveSrd, pltDriveBlows, pltDriveCumulative, pltDriveStress, pltBearing, "
        "pltDriveHead and pltDriveVelocity. The size is given in inches (default 6x4) at "
        "--dpi pixels per inch (default 96: 576 x 384 pixels); a PDF is one page of that size. Needs no "
        "display. "
        "Exits with 1 when a file cannot be read or written, with 2 on a usage error.");
    cmd->add_option("project", settings->project, "Analysed project (.tv6d)")
        ->required()
        ->check(CLI::ExistingFile);
    cmd->add_option("--graph", settings->graphs, "Graph to draw, by name (repeatable; default: every graph)");
    cmd->add_option("--hammer", settings->hammer, "Hammer file (JSON): draw the driveability graphs too")
        ->check(CLI::ExistingFile);
    cmd->add_option("--srd", settings->srd,
                    "Static resistance to driving with --hammer: alm-hamre (default) or unified-srd")
        ->check(CLI::IsMember({"alm-hamre", "unified-srd"}));
    cmd->add_option("--depths", settings->depths,
                    "Tip depths A:B:STEP with --hammer (ft or m; default every 3 ft or 1 m down to the "
                    "pile's length)");
    cmd->add_option("--format", settings->format, "Picture format: png (default), svg or pdf")
        ->check(CLI::IsMember({"png", "svg", "pdf"}));
    cmd->add_option("--size", settings->size,
                    "Picture size WxH in inches, each from 1 to 1000 (default 6x4; a PDF page of that size)");
    cmd->add_option("--dpi", settings->dpi, "Pixels per inch of the picture (default 96)")
        ->check(CLI::Range(10.0, 1200.0));
    cmd->add_option("--out", settings->out,
                    "Folder for the pictures (default: the project's folder; created when missing)");
    cmd->callback([settings, &exit_code] { exit_code = plot(*settings); });
}

}  // namespace torve::cli
