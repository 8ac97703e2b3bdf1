// Screenshots of the desktop program as a user sees it: runs an example through the real main window,
// driven by the captions of its commands, and saves the windows as PNG files into a folder.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/dialogs/aboutbox.h"
#include "app/main/checkwindow.h"
#include "app/main/helpwindow.h"
#include "app/main/mainwindow.h"
#include "app/main/reportviewer.h"
#include "app/main/resultssummarywindow.h"
#include "app/main/texts.h"
#include "app/project/project.h"
#include "app/views/soilprofileview.h"
#include "app/widgets/dialogid.h"
#include "app/widgets/tablewindow.h"
#include "tests/app/support/actionfinder.h"
#include "tests/app/support/recordedfindings.h"
#include "tests/app/support/widgetfinder.h"

using namespace torve::app;
using namespace Qt::StringLiterals;

namespace {

bool save(QWidget* widget, const QDir& folder, const QString& name) {
    QApplication::processEvents();
    const bool saved = widget->grab().save(folder.filePath(name));
    if (!saved) qWarning("cannot write %s", qPrintable(folder.filePath(name)));
    return saved;
}

// Pictures the check window instead of waiting for an answer; answers No.
class PicturingFindings : public test::RecordedFindings {
  public:
    explicit PicturingFindings(const QDir& out) : out_(out) {}
    bool present(QWidget* parent, const std::vector<Finding>& findings, bool english,
                 FindingsPurpose purpose) override {
        CheckWindow window(findings, english, purpose, parent);
        window.show();
        ok &= QTest::qWaitForWindowExposed(&window);
        QTest::qWait(200);
        ok &= save(&window, out_, name);
        ++pictures;
        return false;
    }
    QString name;
    bool ok = true;
    int pictures = 0;

  private:
    QDir out_;
};

QMdiSubWindow* frameOf(QWidget* w) {
    return qobject_cast<QMdiSubWindow*>(w->parentWidget());
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(texts::kApplicationTitle);
    if (argc < 2) {
        qWarning("usage: torve_screenshots FOLDER");
        return 2;
    }
    // Opening a project makes its folder the current one: the output folder is fixed first.
    const QDir out(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    QTemporaryDir scratch;
    const QString example = QStringLiteral(TORVE_SOURCE_DIR "/examples/sand-over-clay-pipe-english");
    for (const char* extension : {".tv6d", ".cpt"})
        QFile::copy(example + QLatin1String(extension),
                    scratch.filePath(u"sand-over-clay-pipe-english"_s + QLatin1String(extension)));

    // The messages of the run are read here, not answered by a person.
    test::RecordedMessages messages;
    MainWindow window(std::make_unique<AppSettings>(scratch.filePath(u"settings.ini"_s)));
    window.resize(1200, 800);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    if (!window.openProject(scratch.filePath(u"sand-over-clay-pipe-english.tv6d"_s), ProjectFormat::Current))
        return 1;
    test::findAction(test::openMenu(&window, u"Computation"_s), u"Run Analysis"_s)->trigger();
    if (messages.shown.value(0) != texts::kRunCompleted) {
        qWarning("the run did not complete: %s", qPrintable(messages.shown.value(0)));
        return 1;
    }

    // What a user opens after a run, by the menus: the soil layers dialog (Data) and the results
    // summary (Computation) inside the main window at its opening size.
    window.resize(1200, 800);
    test::findAction(test::openMenu(&window, u"Data"_s), u"Soil Layers"_s)->trigger();
    QWidget* layers = test::findByAccessibleName<QWidget>(&window, u"Soill Layers"_s);
    test::findAction(test::openMenu(&window, u"Computation"_s), u"Results Summary"_s)->trigger();
    auto* summary = window.findChild<ResultsSummaryWindow*>();
    if (!layers || !summary) return 1;
    frameOf(layers)->move(0, 0);
    frameOf(summary)->move(470, 230);
    QTest::qWait(200);
    bool ok = save(&window, out, u"main-window.png"_s);
    // The File menu after a run, with the calculation sheet's command.
    QMenu* file = test::openMenu(&window, u"File"_s);
    file->popup(window.mapToGlobal(QPoint(0, window.menuBar()->height())));
    QTest::qWait(100);
    ok &= save(file, out, u"file-menu.png"_s);
    file->hide();
    ok &= save(frameOf(summary), out, u"results-summary.png"_s);
    frameOf(summary)->close();
    frameOf(layers)->close();

    // The t-z print depths in the table window, as the t-z print option's button opens it, and
    // the title dialog.
    window.showTable(window.project().tables().tzPrintDepths);
    auto* table = window.findChild<TableWindow*>();
    test::findAction(test::openMenu(&window, u"Data"_s), u"Title"_s)->trigger();
    QWidget* title = test::findByAccessibleName<QWidget>(&window, u"Project Title"_s);
    if (!table || !title) return 1;
    QTest::qWait(200);
    ok &= save(frameOf(table), out, u"table-window.png"_s);
    ok &= save(frameOf(title), out, u"title-dialog.png"_s);

    // The report in the program's own viewer (no editor set), found at a word.
    window.settings().setWordProcessor({});
    test::findAction(test::openMenu(&window, u"Computation"_s), u"Edit Output Text"_s)->trigger();
    auto* viewer = window.findChild<ReportViewer*>();
    if (!viewer) return 1;
    frameOf(viewer)->move(0, 0);
    test::findByAccessibleName<QPushButton>(viewer, u"Find..."_s)->click();
    QTest::keyClicks(viewer->findField(), u"ULTIMATE"_s);
    QTest::keyClick(viewer->findField(), Qt::Key_Return);
    QTest::qWait(200);
    ok &= save(frameOf(viewer), out, u"report-viewer.png"_s);
    frameOf(viewer)->close();

    AboutBox about(&window);
    about.show();
    QTest::qWait(200);
    ok &= save(&about, out, u"about-box.png"_s);
    about.close();

    // The user's manual at its contents, and the technical manual at a chapter reached by a link.
    test::findAction(test::openMenu(&window, u"Help"_s), u"Contents"_s)->trigger();
    auto* help = window.findChild<HelpWindow*>();
    if (!help) return 1;
    help->resize(900, 700);
    QTest::qWait(200);
    ok &= save(help, out, u"help-contents.png"_s);
    // A chapter with pictures: the check window as the manual shows it.
    help->showManual(HelpWindow::manualsFolder() + u"/user-manual.md"_s, u"checking-the-data"_s);
    QTest::qWait(200);
    ok &= save(help, out, u"help-manual-pictures.png"_s);
    help->close();

    // The Edit menu, opened over the main window.
    QMenu* edit = test::openMenu(&window, u"Edit"_s);
    if (!edit) return 1;
    edit->popup(window.mapToGlobal(QPoint(60, 30)));
    QTest::qWait(200);
    ok &= save(edit, out, u"edit-menu.png"_s);
    edit->close();

    // The soil profile after a switch to S.I. units: depths with the tables' digits.
    window.project().setUnits(torve::UnitSystem::SI);
    window.showDialog(DialogId::SoilProfile);
    QWidget* profile = window.findChild<SoilProfileView*>();
    if (!profile) return 1;
    frameOf(profile)->resize(700, 520);
    frameOf(profile)->move(0, 0);
    QTest::qWait(200);
    ok &= save(frameOf(profile), out, u"soil-profile-si.png"_s);
    frameOf(profile)->close();
    window.project().setUnits(torve::UnitSystem::English);

    // The check window: the question before a run with warnings alone, then everything an untouched
    // new project lacks.
    PicturingFindings findings(out);
    ProjectData data = window.project().data();
    data.totalPileLength = 59.5;  // not a whole number of 1 ft increments
    window.project().setData(data);
    GridTable* sand = window.project().tables().soilLayers.cell(ProjectTables::LayerDataColumn, 0).subTable();
    sand->cell(ProjectTables::FrictionAngle, 0).setDouble(48);
    findings.name = u"check-run-anyway.png"_s;
    test::findAction(test::openMenu(&window, u"Computation"_s), u"Run Analysis"_s)->trigger();
    window.project().setModified(false);
    window.newProject();
    findings.name = u"check-window.png"_s;
    test::findAction(test::openMenu(&window, u"Computation"_s), u"Check Data"_s)->trigger();
    ok &= findings.ok && findings.pictures == 2;
    window.project().setModified(false);
    return ok ? 0 : 1;
}
