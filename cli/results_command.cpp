// `torve results`: the capacity curves and other results of a project's plot data file.
#include <CLI/CLI.hpp>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>
#include <charconv>
#include <iostream>

#include "app/graph/einouterror.h"
#include "app/graph/readplotfile.h"
#include "app/project/programdata.h"
#include "app/project/workspace.h"
#include "cli/commands.h"
#include "engine/driver/fixed_format.h"

namespace torve::cli {
namespace {

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

// One CSV file per graph object: a header row, then one row per point of every curve.
bool write_csv(const QString& dir, const QString& name, const app::TGraphPlot& plot) {
    std::string text =
        "curve," + csv_field(plot.XTitle().trimmed()) + "," + csv_field(plot.YTitle().trimmed()) + "\r\n";
    for (int i = 0; i < plot.LineCount(); ++i) {
        const app::TLine& line = plot.Line(i);
        const std::string curve = csv_field(line.DisplayName().trimmed());
        for (const app::TFloatPoint& p : line.Points)
            text += curve + "," + number(p.X) + "," + number(p.Y) + "\r\n";
    }
    QSaveFile f(dir + u'/' + name + QStringLiteral(".csv"));
    return f.open(QIODevice::WriteOnly) &&
           f.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()) &&
           f.commit();
}

int results(const ResultsSettings& s) {
    using namespace torve::app;
    TWorkspace ws;
    TProgramData project(ws);
    const QString path = QString::fromStdString(s.project);
    const bool current = QFileInfo(path).suffix().toLower() != QStringLiteral("tvd");
    try {
        project.ReadProject(path, current);
    } catch (const EInOutError& e) {
        std::cerr << s.project << ": " << e.message().toStdString() << '\n';
        return kExitRunFailed;
    }
    const QString plot =
        QFileInfo(path).path() + u'/' + QFileInfo(path).completeBaseName() + QStringLiteral(".tv6p");
    if (!QFileInfo::exists(plot)) {
        std::cerr << plot.toStdString() << ": no plot data file; run the analysis first (torve run)\n";
        return kExitRunFailed;
    }
    QString error;
    if (!ReadPlotFile(plot, project, &error)) {
        std::cerr << plot.toStdString() << ": " << app::kPlotReadFailed << '\n'
                  << error.replace(u'\r', u' ').toStdString() << '\n';
        return kExitRunFailed;
    }
    if (!s.csv_dir.empty()) {
        const QString dir = QString::fromStdString(s.csv_dir);
        if (!QDir().mkpath(dir)) {
            std::cerr << s.csv_dir << ": folder cannot be created\n";
            return kExitRunFailed;
        }
        const std::pair<const char*, const TGraphPlot*> plots[] = {
            {"pltSkin", &ws.pltSkin},         {"pltUSkin", &ws.pltUSkin},
            {"pltTip", &ws.pltTip},           {"pltTotal", &ws.pltTotal},
            {"pltCombine", &ws.pltCombine},   {"pltLoad", &ws.pltLoad},
            {"pltAxial", &ws.pltAxial},       {"PltQw", &ws.PltQw},
            {"pltTZcurves", &ws.pltTZcurves}, {"PltExtraTZ", &ws.PltExtraTZ},
            {"MotionInput", &ws.MotionInput}};
        for (const auto& [name, p] : plots) {
            if (!write_csv(dir, QLatin1String(name), *p)) {
                std::cerr << s.csv_dir << "/" << name << ".csv cannot be written\n";
                return kExitRunFailed;
            }
            std::cout << s.csv_dir << "/" << name << ".csv\n";
        }
        return kExitOk;
    }
    const bool english = ws.pltTotal.Units() == 1;
    const char* force = english ? "kips" : "kN";
    const char* length = english ? "ft" : "m";
    std::cout << s.project << '\n';
    std::cout << "  " << project.Title.toStdString() << '\n';
    std::cout << "  capacity at the deepest penetration of each method, " << force << ":\n";
    std::cout << "    method        penetration   skin friction   "
              << (project.LoadingType ? "self weight" : "end bearing") << "      ultimate   max. ultimate\n";
    for (int i = 0; i < ws.pltTotal.LineCount(); ++i) {
        const auto& total = ws.pltTotal.Line(i).Points;
        if (total.empty()) continue;
        double best = total.front().X;
        for (const TFloatPoint& p : total) best = std::max(best, p.X);
        std::cout << "    " << format_a(ws.pltTotal.Line(i).DisplayName().toStdString(), 12)
                  << format_f(total.back().Y, 11, 2) << ' ' << length
                  << format_f(ws.pltSkin.Line(i).Points.back().X, 16, 1)
                  << format_f(ws.pltTip.Line(i).Points.back().X, 14, 1) << format_f(total.back().X, 14, 1)
                  << format_f(best, 16, 1) << '\n';
    }
    const auto& head = ws.pltAxial.Line(0).Points;
    if (!head.empty())
        std::cout << "  head movement at the largest load level (" << decimals(head.back().X, 1) << ' '
                  << force << "): " << decimals(head.back().Y, 4) << (english ? " in" : " m") << '\n';
    std::cout << "  t-z curves: " << ws.pltTZcurves.LineCount()
              << ", extra t-z curves: " << ws.PltExtraTZ.LineCount() << '\n';
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
        "curve name, then x and y with their units in the header row). Exits with 1 when the project or its "
        "plot data file is missing or cannot be read.");
    cmd->add_option("project", settings->project, "Analysed project (.tv6d)")
        ->required()
        ->check(CLI::ExistingFile);
    cmd->add_option("--csv", settings->csv_dir, "Folder for one CSV file per graph (created when missing)");
    cmd->callback([settings, &exit_code] { exit_code = results(*settings); });
}

}  // namespace torve::cli
