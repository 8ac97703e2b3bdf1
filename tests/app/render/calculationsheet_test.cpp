// The calculation sheet of analysed examples against the run that analysed them: the texts of its
// HTML form, the pages of its PDF form and of its page layout.
#include <QDate>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <map>
#include <sstream>

#include "app/project/downdragresults.h"
#include "app/project/project.h"
#include "app/project/resultssummary.h"
#include "app/render/calculationsheet.h"
#include "app/render/sheetwriter.h"
#include "engine/driver/run_analysis.h"
#include "tests/support/scratch_dir.h"

using namespace torve::app;

namespace {

struct AnalysedExample {
    torve::test::ScratchDir dir;
    torve::RunResult run;
    Project project;
    CalculationSheet sheet;

    // The example run by the engine into the scratch folder, then read back as the desktop reads a
    // project after its run: the project, its plot data file, its report and run notes.
    explicit AnalysedExample(const char* name, const char* folder = "examples",
                             const torve::RunOptions& options = {}) {
        const std::string source = torve::test::source_path(folder) + "/" + name;
        for (const char* ext : {".tv6d", ".cpt"})
            QFile::copy(QString::fromStdString(source + ext),
                        QString::fromStdString(dir.file(std::string(name) + ext)));
        torve::RunFiles files;
        files.input = dir.file(std::string(name) + ".tv6d");
        files.report = dir.file(std::string(name) + ".tv6o");
        files.plot = dir.file(std::string(name) + ".tv6p");
        files.cpt = dir.file(std::string(name) + ".cpt");
        std::ostringstream console;
        run = torve::run_analysis(files, console, options);
        // The desktop keeps the console lines as the run notes beside the report.
        QFile notes(QString::fromStdString(dir.file(std::string(name) + ".tv6r")));
        if (notes.open(QIODevice::WriteOnly)) notes.write(QByteArray::fromStdString(console.str()));
        notes.close();
        const QString input = QString::fromStdString(files.input);
        project.readProject(input, ProjectFormat::Current);
        project.readResults(QString::fromStdString(files.plot));
        const ResultsSummary summary = summarizeRunBeside(project.results(), project.data().isUplift(),
                                                          QString::fromStdString(files.report));
        sheet = calculationSheet(project, summary, QDate(2026, 12, 9));
    }
};

int countPages(const QByteArray& pdf) {
    // Each page object is "/Type /Page", the tree above them "/Type /Pages".
    return static_cast<int>(
        QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

}  // namespace

class CalculationSheetTest : public QObject {
    Q_OBJECT

  private slots:
    void htmlHoldsTheRunsResults_data() {
        QTest::addColumn<QString>("example");
        QTest::addColumn<QString>("folder");
        QTest::newRow("English, four methods")
            << QStringLiteral("sand-over-clay-pipe-english") << QStringLiteral("examples");
        QTest::newRow("S.I., a warning")
            << QStringLiteral("unified-sand-over-clay-si") << QStringLiteral("tests/reference/cases");
    }
    void htmlHoldsTheRunsResults() {
        QFETCH(QString, example);
        QFETCH(QString, folder);
        AnalysedExample t(example.toUtf8().constData(), folder.toUtf8().constData());
        QCOMPARE(t.run.status, torve::RunStatus::Completed);
        const QString html = QString::fromUtf8(calculationSheetHtml(t.sheet));
        const ProjectData& d = t.project.data();
        // The title block.
        for (const QString& text : {d.title.trimmed(), d.jobNumber.trimmed(), d.designer.trimmed(),
                                    example + QStringLiteral(".tv6d"), QStringLiteral("2026-12-09"),
                                    QStringLiteral("TORVE " TORVE_VERSION)})
            QVERIFY2(html.contains(text.toHtmlEscaped()), qPrintable(text));
        // The capacity at the tip of every method that ran, to the tenth the summary shows.
        QVERIFY(!t.run.methods.empty());
        for (const torve::CapacityTable& m : t.run.methods) {
            const QString row =
                QStringLiteral("<td>%1</td><td class=\"n\">%2</td>")
                    .arg(QLatin1String(torve::method_info(m.method).curve_label.data(),
                                       qsizetype(torve::method_info(m.method).curve_label.size())))
                    .arg(QString::number(m.depth.back(), 'f', 2));
            QVERIFY2(html.contains(row), qPrintable(row));
            QVERIFY2(html.contains(QStringLiteral("<td class=\"n\">%1</td></tr>")
                                       .arg(QString::number(m.total.back(), 'f', 1))),
                     qPrintable(QString::number(m.total.back(), 'f', 1)));
        }
        // The working loads, each of them: the report gives their loads and movements to four
        // significant digits, the sheet to a tenth of a kip or kN and to 0.0001 in or 0.01 mm.
        const SheetTable& working = t.sheet.results[1];
        QCOMPARE(working.rows.size(), t.run.working_loads.size());
        QVERIFY(!t.run.working_loads.empty());
        for (std::size_t i = 0; i < working.rows.size(); ++i) {
            const torve::WorkingLoad& w = t.run.working_loads[i];
            const QStringList& cells = working.rows[i];
            QCOMPARE(cells[0], QString::fromLatin1(torve::method_info(w.method).name.data(),
                                                   qsizetype(torve::method_info(w.method).name.size())));
            QCOMPARE(cells[1].toDouble(), std::round(w.fraction * 1e4) / 1e4);
            QVERIFY(std::abs(cells[2].toDouble() - w.load) <= 5e-4 * w.load + 0.05);
            QVERIFY(w.head_movement);
            const double movement = *w.head_movement * (t.run.english ? 1 : 1000);
            QVERIFY2(std::abs(cells[3].toDouble() - movement) <= 5e-4 * movement + 0.005,
                     qPrintable(cells[3]));
            QVERIFY(html.contains(QStringLiteral("<td class=\"n\">%1</td></tr>").arg(cells[3])));
        }
        // Every warning of the run, with its method and depth, or the word that there are none.
        for (const torve::RunWarning& w : t.run.warnings) {
            const QString sentence = QString::fromStdString(torve::warning_sentence(w, t.run.english));
            QVERIFY2(
                html.contains(QStringLiteral("<td>") + sentence.toHtmlEscaped() + QStringLiteral("</td>")),
                qPrintable(sentence));
        }
        QCOMPARE(html.contains(QStringLiteral("The run gave no warnings.")), t.run.warnings.empty());
        // The graphs as two pictures within the page: the capacity beside the soil profile, and the
        // load-settlement curve.
        QCOMPARE(html.count(QStringLiteral("src=\"data:image/png;base64,")), 2);
    }

    void pdfHasTheLayoutsPages() {
        AnalysedExample t("open-pipe-offshore-si");
        const QString path = QString::fromStdString(t.dir.file("sheet.pdf"));
        const int pages = writeCalculationSheet(path, SheetFormat::Pdf, t.sheet);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(pdf.trimmed().endsWith("%%EOF"));
        QCOMPARE(countPages(pdf), pages);
        QCOMPARE(static_cast<int>(sheetLayout(t.sheet, 300).pages.size()), pages);
        QVERIFY2(pages >= 2 && pages <= 4, qPrintable(QString::number(pages)));
        // The pictures of the pages are those pages.
        QCOMPARE(static_cast<int>(calculationSheetImages(t.sheet, 50).size()), pages);
    }

    // A run of the capacity some days after driving, and with a downdrag, says so in a table of its
    // own after the capacity; a run of neither has no such table.
    void setupAndDowndragAreStated() {
        const auto extra = [](const CalculationSheet& sheet) -> const SheetTable* {
            for (const SheetTable& t : sheet.results)
                if (t.caption == QStringLiteral("Set-up and downdrag")) return &t;
            return nullptr;
        };
        AnalysedExample plain("open-pipe-offshore-si");
        QVERIFY(!extra(plain.sheet));
        QCOMPARE(plain.sheet.results.size(), 3u);

        torve::RunOptions aged;
        aged.setup = torve::SetupRequest{30, std::nullopt, std::nullopt};
        AnalysedExample t("open-pipe-offshore-si", "examples", aged);
        QCOMPARE(t.run.status, torve::RunStatus::Completed);
        const SheetTable* setup = extra(t.sheet);
        QVERIFY(setup);
        QCOMPARE(t.sheet.results[1].caption, setup->caption);
        QCOMPARE(setup->rows.size(), 1u);
        QCOMPARE(setup->rows[0], (QStringList{QStringLiteral("Set-up"),
                                              QStringLiteral("capacity 30 days after driving: skin friction "
                                                             "and load transfer times 1 + A log10(t/t0)")}));

        DowndragResults downdrag;
        downdrag.solved = true;
        downdrag.headLoad = 2000;
        downdrag.neutralPlane = 19.6749;
        downdrag.dragForce = 1857.64;
        downdrag.depth = {-10, 0, 40};
        downdrag.axialLoad = downdrag.resistance = downdrag.pileMovement =
            downdrag.soilSettlement = {0, 0, 0};
        t.project.showDowndrag(downdrag);
        const CalculationSheet both = calculationSheet(t.project, ResultsSummary(), QDate(2026, 12, 9));
        const SheetTable* rows = extra(both);
        QVERIFY(rows);
        QCOMPARE(rows->rows.size(), 2u);
        QCOMPARE(rows->rows[1], (QStringList{QStringLiteral("Downdrag"),
                                             QStringLiteral("neutral plane at 19.67 m, drag force 1857.6 kN "
                                                            "under a sustained head load of 2000.0 kN")}));
        QVERIFY(QString::fromUtf8(calculationSheetHtml(both))
                    .contains(QStringLiteral("neutral plane at 19.67 m")));
        // In the other unit system: 19.6749 m = 64.55 ft, 1857.64 kN = 417.6 kips, 2000 kN = 449.6 kips.
        t.project.setUnits(torve::UnitSystem::English);
        const CalculationSheet converted = calculationSheet(t.project, ResultsSummary(), QDate(2026, 12, 9));
        const SheetTable* english = extra(converted);
        QVERIFY(english);
        QCOMPARE(english->rows[1][1],
                 QStringLiteral("neutral plane at 64.55 ft, drag force 417.6 kips under a "
                                "sustained head load of 449.6 kips"));
        // A downdrag without a solution, or none, leaves the line out.
        t.project.showDowndrag(DowndragResults{});
        const CalculationSheet unsolved = calculationSheet(t.project, ResultsSummary(), QDate(2026, 12, 9));
        const SheetTable* setupOnly = extra(unsolved);
        QVERIFY(setupOnly);
        QCOMPARE(setupOnly->rows.size(), 1u);
    }

    // Forty soil layers (the most a project holds) run the soil table over a page: every part of a
    // table has its head and at least one row, and the parts take each row once, in order.
    void tablesNeverLeaveTheirHeads() {
        AnalysedExample t("sand-over-clay-pipe-english");
        GridTable& layers = t.project.tables().soilLayers;
        layers.setRowCount(40);
        for (int i = 0; i < 40; ++i)
            layers.cell(ProjectTables::BottomDepthColumn, i).setDouble(3.0 * (i + 1));
        const CalculationSheet sheet = calculationSheet(t.project, ResultsSummary(), QDate(2026, 12, 9));
        QCOMPARE(sheet.inputs[1].rows.size(), 40u);
        const SheetLayout l = sheetLayout(sheet, 300);
        std::map<int, int> nextRow;
        int parts = 0;
        for (const SheetPage& page : l.pages)
            for (const PlacedBlock& p : page) {
                if (l.blocks[static_cast<std::size_t>(p.block)].kind != SheetBlock::Kind::Table) continue;
                const auto rows = static_cast<int>(l.blocks[static_cast<std::size_t>(p.block)].rows.size());
                if (rows == 0) continue;
                ++parts;
                QVERIFY(p.endRow > p.firstRow);
                QCOMPARE(p.firstRow, nextRow[p.block]);
                QCOMPARE(p.continued, p.firstRow > 0);
                nextRow[p.block] = p.endRow;
            }
        for (const auto& [block, row] : nextRow)
            QCOMPARE(row, static_cast<int>(l.blocks[static_cast<std::size_t>(block)].rows.size()));
        QVERIFY(parts > static_cast<int>(nextRow.size()));  // the soil table did run over a page
        QVERIFY(l.pages.size() <= 4);
    }
};

QTEST_MAIN(CalculationSheetTest)
#include "calculationsheet_test.moc"
