// `torve cpt show` and `torve cpt import`: cone data of AGS4, GEF, BRO-XML and CSV files listed, and
// imported into a project's CPT points.
#include <CLI/CLI.hpp>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QString>
#include <iostream>
#include <memory>

#include "app/controls/usererror.h"
#include "app/project/atomicfile.h"
#include "app/project/conereadingsfile.h"
#include "app/project/cptpointsfile.h"
#include "app/project/project.h"
#include "app/project/projectfile.h"
#include "app/sounding/soundingfile.h"
#include "app/sounding/soundingimport.h"
#include "cli/commands.h"
#include "cli/file_name.h"

namespace torve::cli {
namespace {

using app::SoundingQuantity;

struct CptSettings {
    std::string file;
    std::vector<std::string> columns;
    std::string test;
    std::string use = "default";
    std::string into;
};

// "--column qc=Cone:MPa": the CSV column headed Cone holds qc in MPa.
std::optional<app::CsvColumnChoice> column_choice(const std::string& text) {
    const QString t = QString::fromStdString(text);
    const qsizetype eq = t.indexOf(u'=');
    if (eq <= 0) return std::nullopt;
    const QString quantity = t.first(eq).trimmed().toLower();
    const QString rest = t.sliced(eq + 1);
    const qsizetype colon = rest.lastIndexOf(u':');
    app::CsvColumnChoice c;
    c.heading = colon < 0 ? rest : rest.first(colon);
    c.unit = colon < 0 ? QString() : rest.sliced(colon + 1);
    for (std::size_t q = 0; q < app::kSoundingQuantities; ++q) {
        const auto quantityQ = static_cast<SoundingQuantity>(q);
        QString name = app::soundingQuantityName(quantityQ);
        if (quantity == name || quantity == name.replace(u' ', u'_')) {
            c.quantity = quantityQ;
            return c.heading.isEmpty() ? std::nullopt : std::optional(c);
        }
    }
    return std::nullopt;
}

std::optional<app::Sounding> read_sounding(const CptSettings& s, const QString& file) {
    std::vector<app::CsvColumnChoice> columns;
    for (const std::string& c : s.columns) {
        const std::optional<app::CsvColumnChoice> choice = column_choice(c);
        if (!choice) {
            std::cerr << "--column " << c << ": QUANTITY=HEADING[:UNIT] was expected, QUANTITY one of depth, "
                      << "penetration_length, qc, fs, u2, qt\n";
            return std::nullopt;
        }
        columns.push_back(*choice);
    }
    try {
        return app::readSoundingFile(file, columns);
    } catch (const app::UserError& e) {
        std::cerr << e.message().toStdString() << '\n';
        return std::nullopt;
    }
}

int show(const CptSettings& s) {
    const std::optional<QString> file = core_file_name(s.file);
    if (!file) {
        std::cerr << unusable_file_name(s.file) << '\n';
        return kExitRunFailed;
    }
    const std::optional<app::Sounding> sounding = read_sounding(s, *file);
    if (!sounding) return kExitRunFailed;
    std::cout << s.file << ": " << sounding->format.toStdString() << ", " << sounding->tests.size()
              << (sounding->tests.size() == 1 ? " test\n" : " tests\n");
    int number = 0;
    for (const app::SoundingTest& t : sounding->tests) {
        std::cout << "  " << ++number << "  " << t.id.toStdString() << ": " << t.rows.size() << " rows";
        if (!std::isnan(t.areaRatio))
            std::cout << ", area ratio " << QLocale::c().toString(t.areaRatio, 'g', 6).toStdString();
        if (!std::isnan(t.startLevel))
            std::cout << ", starting at level " << QLocale::c().toString(t.startLevel, 'g', 10).toStdString()
                      << " m";
        std::cout << '\n';
        for (std::size_t q = 0; q < app::kSoundingQuantities; ++q) {
            if (t.columns[q].isEmpty()) continue;
            std::cout << "       "
                      << app::soundingQuantityName(static_cast<SoundingQuantity>(q)).toStdString()
                      << ": column " << t.columns[q].toStdString() << ", "
                      << (t.units[q].isEmpty() ? std::string("no unit") : t.units[q].toStdString()) << '\n';
        }
    }
    return kExitOk;
}

int import(const CptSettings& s) {
    using namespace torve::app;
    const std::optional<QString> file = core_file_name(s.file);
    const std::optional<QString> into = core_file_name(s.into);
    for (const auto& [name, bytes] : {std::pair{file, &s.file}, std::pair{into, &s.into}}) {
        if (!name) {
            std::cerr << unusable_file_name(*bytes) << '\n';
            return kExitRunFailed;
        }
    }
    const std::optional<Sounding> sounding = read_sounding(s, *file);
    if (!sounding) return kExitRunFailed;
    Project project;
    try {
        for (const QString& notice : project.readProject(*into, ProjectFormat::Current))
            std::cerr << QString(notice).replace(u'\r', u' ').toStdString() << '\n';
    } catch (const UserError& e) {
        // The reader's words say what is wrong at which line; the project is the file they are of.
        std::cerr << s.into << ": " << QString(e.message()).replace(u'\r', u' ').toStdString() << '\n';
        return kExitRunFailed;
    }
    try {
        const SoundingTest& test = soundingTest(*sounding, QString::fromStdString(s.test), *file);
        const ConeChoice choice = s.use == "qc"   ? ConeChoice::Qc
                                  : s.use == "qt" ? ConeChoice::Qt
                                                  : ConeChoice::Default;
        SoundingImport result = importSounding(test, *file, project.data().units, choice);
        const QStringList summary = result.summary(sounding->format);
        project.setCptPoints(std::move(result.points), std::move(result.readings));
        const QString cpt = besideProject(*into, ".cpt");
        const QString cone = besideProject(*into, ".cone.csv");
        std::vector<std::pair<QString, QByteArray>> files{{cpt, cptPointsFileText(project.data())}};
        if (!project.data().coneReadings.empty())
            files.emplace_back(cone, coneReadingsFileText(project.data()));
        writeFilesTogether(files);
        // Readings of the points replaced would otherwise be taken for those of the new ones.
        if (project.data().coneReadings.empty() && QFileInfo::exists(cone)) QFile::remove(cone);
        for (const QString& line : summary) std::cout << line.toStdString() << '\n';
        std::cout << "CPT points file: " << native_file_name(cpt) << '\n';
        if (!project.data().coneReadings.empty())
            std::cout << "Cone readings file: " << native_file_name(cone) << '\n';
    } catch (const UserError& e) {
        std::cerr << QString(e.message()).replace(u'\r', u' ').toStdString() << '\n';
        return kExitRunFailed;
    }
    return kExitOk;
}

}  // namespace

void add_cpt_command(CLI::App& app, int& exit_code) {
    auto settings = std::make_shared<CptSettings>();
    CLI::App* cpt =
        app.add_subcommand("cpt", "Cone data of AGS4, GEF, BRO-XML and CSV files: list or import.");
    cpt->require_subcommand(1);
    const auto add_columns = [&](CLI::App* cmd) {
        cmd->add_option(
            "--column", settings->columns,
            "For a CSV file whose headings are not recognised: QUANTITY=HEADING[:UNIT], QUANTITY "
            "one of depth, penetration_length, qc, fs, u2, qt (e.g. qc=Cone:MPa); may be repeated");
    };
    CLI::App* show_cmd = cpt->add_subcommand(
        "show",
        "List the tests of FILE (.ags, .gef, .xml or .csv) with their rows, area ratio and the columns "
        "found, with their units. Exits with 1 when FILE cannot be read.");
    show_cmd->add_option("file", settings->file, "Cone data file")->required()->check(CLI::ExistingFile);
    add_columns(show_cmd);
    show_cmd->callback([settings, &exit_code] { exit_code = show(*settings); });

    CLI::App* import_cmd = cpt->add_subcommand(
        "import",
        "Import a test of FILE into the CPT points of PROJECT: depth from the depth column (else penetration "
        "length), qt = qc + (1 - a) u2 or qc, converted to the project's units; rows without depth or cone "
        "resistance are skipped, rows out of order sorted, more than 1000 rows averaged over equal depth "
        "intervals. Writes the project's CPT points file PROJECT.cpt beside it, and PROJECT.cone.csv with "
        "the "
        "test's fs, u2 and qt where it has them (the project file itself is left as it is), and prints what "
        "the import did. Exits with 1 when FILE or PROJECT cannot be read or "
        "the points cannot be written.");
    import_cmd->add_option("file", settings->file, "Cone data file (.ags, .gef, .xml or .csv)")
        ->required()
        ->check(CLI::ExistingFile);
    import_cmd->add_option(
        "--test", settings->test,
        "The test to import, by its name or its number as `torve cpt show` lists them, or "
        "by its location (AGS4 LOCA_ID) when no other test was made there; needed when FILE "
        "holds more than one");
    import_cmd
        ->add_option("--use", settings->use,
                     "Cone resistance of the points: qt or qc (default: qt when every row with qc has it)")
        ->check(CLI::IsMember({"qc", "qt"}, CLI::ignore_case))
        ->transform(CLI::IsMember({"qc", "qt"}, CLI::ignore_case));
    import_cmd->add_option("--into", settings->into, "Project (.tv6d)")->required()->check(CLI::ExistingFile);
    add_columns(import_cmd);
    import_cmd->callback([settings, &exit_code] { exit_code = import(*settings); });
}

}  // namespace torve::cli
