// `torve sheet`: the calculation sheet of a project, analysed afresh, as a PDF or HTML file.
#include <CLI/CLI.hpp>
#include <QDate>
#include <QFileInfo>
#include <QString>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>

#include "app/controls/usererror.h"
#include "app/graph/plotfile.h"
#include "app/graph/wordreader.h"
#include "app/project/project.h"
#include "app/project/resultssummary.h"
#include "app/render/calculationsheet.h"
#include "app/render/sheetwriter.h"
#include "cli/commands.h"
#include "cli/file_name.h"
#include "cli/graph_file.h"
#include "cli/sheet_summary.h"
#include "engine/driver/run_analysis.h"
#include "engine/model/whole_file.h"

namespace torve::cli {
namespace {

namespace fs = std::filesystem;

struct SheetSettings {
    std::string project;
    std::string out;
};

// The project read for its inputs, titles and tables; nothing after printing why it cannot be.
bool read_project(const std::string& path, const QString& file, app::Project& project) {
    try {
        project.readProject(file, app::ProjectFormat::Current);
    } catch (const app::UserError& e) {
        // The core's messages part their lines with '\r', which a terminal would print over.
        std::cerr << path << ": " << QString(e.message()).replace(u'\r', u' ').toStdString() << '\n';
        return false;
    }
    return true;
}

int sheet(const SheetSettings& s) {
    using namespace torve::app;
    // Drawing needs a GUI application but no display: the offscreen platform, unless one was named.
    const DrawingApplication application;

    const std::string out = s.out.empty() ? fs::path(s.project).replace_extension(".pdf").string() : s.out;
    const std::optional<QString> outName = core_file_name(out);
    if (!outName) {
        std::cerr << unusable_file_name(out) << '\n';
        return kExitRunFailed;
    }
    const std::optional<SheetFormat> format = sheetFormat(*outName);
    if (!format) {
        std::cerr << "--out " << out << ": expected a file name ending in .pdf, .html, .htm or .png\n";
        return kExitUsage;
    }
    const std::optional<QString> projectName = core_file_name(s.project);
    if (!projectName) {
        std::cerr << unusable_file_name(s.project) << '\n';
        return kExitRunFailed;
    }
    // A project that is not there is a file that cannot be read, as for every other reader.
    std::error_code error;
    if (!fs::is_regular_file(s.project, error)) {
        std::cerr << s.project << ": no such project file\n";
        return kExitRunFailed;
    }
    // The analysis reads the current format only; the desktop core reads an old project, but its
    // run would refuse it record by record.
    if (QFileInfo(*projectName).suffix().toLower() == QStringLiteral("tvd")) {
        std::cerr << s.project
                  << ": a project of the previous version; convert it first (torve convert --to english|si "
                  << s.project << " NEW.tv6d)\n";
        return kExitRunFailed;
    }
    Project project;
    if (!read_project(s.project, *projectName, project)) return kExitRunFailed;

    // The run in memory: the project's own report and plot data file stay as they are.
    RunFiles names;
    names.input = s.project;
    names.report = fs::path(s.project).replace_extension(".tv6o").string();
    names.plot = fs::path(s.project).replace_extension(".tv6p").string();
    names.cpt = fs::path(s.project).replace_extension(".cpt").string();
    std::string input, cpt;
    bool hasCpt = false;
    try {
        input = read_regular_file(s.project);
        if (fs::exists(names.cpt, error)) {
            cpt = read_regular_file(names.cpt);
            hasCpt = true;
        }
    } catch (const FileError& e) {
        std::cerr << e.path() << ": " << e.reason() << '\n';
        return kExitRunFailed;
    }
    std::ostringstream plot, console;
    RunOptions options;
    options.cpt_optional = true;
    const RunTexts texts{input, hasCpt ? std::optional<std::string_view>(cpt) : std::nullopt};
    const RunResult result = run_analysis(names, texts, RunOutputs{nullptr, &plot}, console, options);
    if (result.status != RunStatus::Completed || result.stop != RunStop::None) {
        std::cerr << s.project << ": the analysis "
                  << (result.status == RunStatus::Completed ? "stopped" : "failed")
                  << ", no sheet written: " << result.message << '\n';
        return kExitRunFailed;
    }
    try {
        const std::string text = plot.str();
        WordReader reader =
            WordReader::fromText(QByteArray(text.data(), static_cast<qsizetype>(text.size())));
        const PlotFile file =
            readPlotFile(reader, project.data().printExtraTz ? ExtraTzBlock::Present : ExtraTzBlock::Absent);
        const ResultsSummary summary = summary_of_run(result);
        project.showResults(file, summary.workingLoads);
        const int pages = writeCalculationSheet(*outName, *format,
                                                calculationSheet(project, summary, QDate::currentDate()));
        if (*format == SheetFormat::Png) {
            for (int n = 1; n <= pages; ++n)
                std::cout << native_file_name(sheetPagePicture(*outName, n)) << '\n';
        } else {
            std::cout << native_file_name(*outName);
            if (*format == SheetFormat::Pdf)
                std::cout << " (" << pages << (pages == 1 ? " page" : " pages") << ')';
            std::cout << '\n';
        }
    } catch (const UserError& e) {
        std::cerr << QString(e.message()).replace(u'\r', u' ').toStdString() << '\n';
        return kExitRunFailed;
    }
    return kExitOk;
}

}  // namespace

void add_sheet_command(CLI::App& app, int& exit_code) {
    auto settings = std::make_shared<SheetSettings>();
    CLI::App* cmd = app.add_subcommand(
        "sheet",
        "Write the calculation sheet of a project: analyse PROJECT.tv6d afresh (with PROJECT.cpt when there "
        "is one; the project's report and plot data file are left as they are) and write two to four A4 "
        "pages: the title block (project, job, designer, date, program, file), the inputs, the capacity at "
        "the pile tip of each method, the settlement at the working loads, the warnings, and the capacity, "
        "soil profile and load-settlement graphs. The format follows the name given with --out: .pdf "
        "(default PROJECT.pdf), .html, or .png for one picture per page (FILE-1.png, FILE-2.png, ...). Needs "
        "no display. Exits with 1 when the project cannot be read, "
        "its analysis fails or stops, or the sheet cannot be written; with 2 on a usage error.");
    cmd->add_option("project", settings->project, "Project (.tv6d)")->required();
    cmd->add_option("--out", settings->out,
                    "The sheet's file, .pdf, .html or .png (default: PROJECT.pdf beside it)");
    cmd->callback([settings, &exit_code] { exit_code = sheet(*settings); });
}

}  // namespace torve::cli
