// The main window as the user meets it: runs through the engine library and what each outcome
// tells, saving before a run, the question to save, recent files, captions, the commit of a child
// window before a command, and the Graphics menu's rules.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include "app/dialogs/aboutbox.h"
#include "app/dialogs/soildatadialog.h"
#include "app/dialogs/soillayersdialog.h"
#include "app/main/helpwindow.h"
#include "app/main/mainwindow.h"
#include "app/main/projecthistory.h"
#include "app/main/recentfiles.h"
#include "app/main/reportviewer.h"
#include "app/main/resultssummarywindow.h"
#include "app/main/texts.h"
#include "app/project/project.h"
#include "app/views/graphwindow.h"
#include "app/widgets/dialogid.h"
#include "app/widgets/gridtablemodel.h"
#include "app/widgets/gridtableview.h"
#include "app/widgets/tablewindow.h"
#include "tests/app/support/actionfinder.h"
#include "tests/app/support/examplecopy.h"
#include "tests/app/support/recordedfindings.h"
#include "tests/app/support/testwindow.h"
#include "tests/app/support/widgetfinder.h"

using namespace torve;
using namespace torve::app;
using namespace Qt::StringLiterals;

namespace {

using torve::app::test::copyExample;
using torve::app::test::TestWindow;

// Every names.dat under `dir`.
QStringList namesFilesIn(const QString& dir) {
    QStringList found;
    for (const QFileInfo& f : QDir(dir).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (f.isDir())
            found += namesFilesIn(f.filePath());
        else if (f.fileName().toLower() == QLatin1String("names.dat"))
            found += f.filePath();
    }
    return found;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void runOutcomes_data();
    void runOutcomes();
    void downdragAndSetupThroughTheRun();
    void aFailedSaveStopsTheRun();
    void runOfANewProjectCancelledAtSaveAs();
    void aNewProjectShowsEverythingItLacks();
    void warningsAskRunAnyway_data();
    void warningsAskRunAnyway();
    void askToSave_data();
    void askToSave();
    void recentFiles();
    void startupArgumentWithoutExtension();
    void droppedFilesOpenTheFirst();
    void aRefusingChildStopsTheCommand();
    void titleMarksModifiedDesignerDoesNot();
    void soilTableColumnsFollowTheProject_data();
    void soilTableColumnsFollowTheProject();
    void helpAndAbout();
    void childWindowsFitTheWorkingArea_data();
    void childWindowsFitTheWorkingArea();
    void aMaximizedGraphLeavesLaterWindowsInTheirFrames();
    void resultsAtAGlanceAfterARun();
    void calculationSheetOfTheLastRun();
    void undoAndRedoOfEdits();
    void editMenuAndShortcuts();
    void savedProjectsAreRecentFiles();
    void aStartupProjectWithResultsEnablesTheGraphButtons();
    void aFindingTakesTheUserToItsField_data();
    void aFindingTakesTheUserToItsField();
    void theHelpWindowShowsTheManualsPictures();

  private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void MainWindowTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
}

enum class Change { None, Tension, ModulusOutOfRange, PileBelowSoil, TooManySegments, NoLibrary };
Q_DECLARE_METATYPE(Change)

void MainWindowTest::runOutcomes_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("message");  // its beginning
    QTest::addColumn<bool>("plotLoaded");
    QTest::addColumn<QString>("checkStops");  // the check's first finding, when it stops the run
    QTest::addColumn<QString>("status");      // the status bar's, its beginning, after a run
    QTest::newRow("completed") << Change::None << QString(texts::kRunCompleted) << true << QString()
                               << u"Completed in "_s;
    QTest::newRow("tension") << Change::Tension << QString(texts::kRunCompleted) << true << QString()
                             << u"Completed in "_s;
    // What the engine would refuse or stop at, the check names first, with every other finding, and
    // the engine is not started.
    QTest::newRow("engine error") << Change::ModulusOutOfRange << QString() << false
                                  << u"expected at most 1E+15 in magnitude for the modulus of elasticity"_s
                                  << QString();
    // 60 ft soil under a 100 ft pile of 2 ft diameter: 104 ft needed.
    QTest::newRow("soil too shallow")
        << Change::PileBelowSoil << QString() << false
        << u"expected a deepest soil depth of at least 104, the pile length plus two diameters, found 90"_s
        << QString();
    // 90 ft of soil in 0.1 ft increments: 900 segments of at most 500.
    QTest::newRow("too many segments")
        << Change::TooManySegments << QString() << false
        << u"expected a deepest soil depth of at most 500 computation increments, found 90, 900 increments"_s
        << QString();
    QTest::newRow("no engine library")
        << Change::NoLibrary << QString(texts::kInitializeFailed) << false << QString() << u"Not run"_s;
}

void MainWindowTest::downdragAndSetupThroughTheRun() {
    // The soil settlement and the set-up go with the project into the library's run, and come back
    // as the downdrag graphs and the capacity graphs' titles.
    test::RecordedMessages messages;
    TestWindow w(dir_->filePath(u"settings.ini"_s));
    const QString path = copyExample(*dir_, u"sand-over-clay-pipe-english"_s);
    QVERIFY(w.openProject(path, ProjectFormat::Current));
    ProjectData data = w.project().data();
    data.settlement = {{{0, 60}, {10, 0}}, 100.0};
    data.setupDays = 30;
    w.project().setData(data);
    w.runAnalysis();
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown[0], QString(texts::kRunCompleted));
    QVERIFY(w.plotLoaded());
    QVERIFY(QFile::exists(besideProject(path, ".settlement.csv")));
    const Graph& load = w.project().graph(ResultGraph::Downdrag);
    QCOMPARE(load.lineCount(), 4);
    // As torve downdrag gives the same project and settlement: the neutral plane at 52.80 ft.
    QVERIFY2(load.line(2).name.startsWith(u"Neutral Plane at 52.8"_s), qPrintable(load.line(2).name));
    QCOMPARE(w.project().graph(ResultGraph::TotalCapacity).title, u"Capacity at 30 days"_s);
    QFile report(besideProject(path, ".tv6o"));
    QVERIFY(report.open(QIODevice::ReadOnly));
    QVERIFY(report.readAll().contains("SKIN FRICTION AND LOAD TRANSFER AT    30.00 DAYS AFTER DRIVING"));

    // Without them the run is as it always was: no downdrag graph, no set-up title.
    data.settlement = {};
    data.setupDays.reset();
    w.project().setData(data);
    messages.shown.clear();
    w.runAnalysis();
    QCOMPARE(w.project().graph(ResultGraph::Downdrag).lineCount(), 0);
    QVERIFY(w.project().graph(ResultGraph::TotalCapacity).title.isEmpty());
    QVERIFY(!QFile::exists(besideProject(path, ".settlement.csv")));
}

void MainWindowTest::runOutcomes() {
    QFETCH(Change, change);
    QFETCH(QString, message);
    QFETCH(bool, plotLoaded);
    QFETCH(QString, checkStops);
    QFETCH(QString, status);
    test::RecordedMessages messages;
    test::RecordedFindings findings;
    TestWindow w(dir_->filePath(u"settings.ini"_s));
    const QString path = copyExample(*dir_, u"sand-over-clay-pipe-english"_s);
    QVERIFY(w.openProject(path, ProjectFormat::Current));
    ProjectData data = w.project().data();
    if (change == Change::Tension) {
        data.loadingType = LoadingType::Tension;
        data.printExtraTz = false;
    }
    if (change == Change::ModulusOutOfRange) data.modulusOfElasticity = 1e16;
    if (change == Change::PileBelowSoil) data.totalPileLength = 100;
    if (change == Change::TooManySegments) data.computationIncrement = 0.1;
    w.project().setData(data);
    if (change == Change::NoLibrary) w.setEngineDirectory(dir_->path());
    const QString before = QDir::currentPath();

    w.runAnalysis();

    if (!checkStops.isEmpty()) {
        QCOMPARE(messages.shown, QStringList());
        QCOMPARE(findings.shown.size(), 1u);
        QCOMPARE(findings.shown[0].purpose, FindingsPurpose::RunStopped);
        QVERIFY(!findings.shown[0].findings.empty());
        const QString first = QString::fromStdString(findings.shown[0].findings.front().message);
        QVERIFY2(first.startsWith(checkStops), qPrintable(first));
        QVERIFY(!QFile::exists(besideProject(path, ".tv6o")));
        QVERIFY(!w.plotLoaded());
        return;
    }
    QCOMPARE(findings.shown.size(), 0u);  // a clean project runs without a question
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY2(messages.shown[0].startsWith(message), qPrintable(messages.shown[0]));
    QCOMPARE(w.plotLoaded(), plotLoaded);
    QVERIFY2(w.statusBar()->currentMessage().startsWith(status), qPrintable(w.statusBar()->currentMessage()));
    // A run that failed carries the critical icon; one stopped at a check, the warning icon.
    QCOMPARE(messages.errors.size(), status.startsWith(u"Failed"_s) || status == u"Not run"_s ? 1 : 0);
    QCOMPARE(test::findByAccessibleName<QToolButton>(&w, u"Results Summary"_s)->isEnabled(), plotLoaded);
    QCOMPARE(QDir::currentPath(), before);
    // No run leaves a file of names behind: not beside the project, not beside the program, not in
    // the temporary folders.
    QCOMPARE(namesFilesIn(dir_->path()), QStringList());
    QVERIFY(!QFile::exists(QCoreApplication::applicationDirPath() + u"/names.dat"_s));
    QVERIFY(!QFile::exists(QDir::tempPath() + u"/names.dat"_s));
    if (change == Change::NoLibrary) return;

    // The engine's console lines are the run notes, and the report and plot file are written.
    QVERIFY(QFileInfo(besideProject(path, ".tv6r")).size() > 0);
    QVERIFY(QFile::exists(besideProject(path, ".tv6o")));
    QMenu* graphics = test::openMenu(&w, u"Graphics"_s);
    const bool uplift = change == Change::Tension;
    QCOMPARE(test::findAction(graphics, u"Combined Plot"_s)->isEnabled(), plotLoaded);
    QCOMPARE(test::findAction(graphics, u"Tip Resistance vs Depth"_s)->isEnabled(), plotLoaded && !uplift);
    QCOMPARE(test::findAction(graphics, u"Internally-Generated Q-w Curve"_s)->isEnabled(),
             plotLoaded && !uplift);
    // The example asks for t-z curves at three more depths; the tension case does not.
    QCOMPARE(test::findAction(graphics, u"Extra t-z curves at User Specified Depths"_s)->isEnabled(),
             plotLoaded && !uplift);
    QCOMPARE(test::findByAccessibleName<QToolButton>(&w, u"Load vs. Settlement"_s)->isEnabled(), plotLoaded);
    QMenu* computation = test::openMenu(&w, u"Computation"_s);
    QVERIFY(test::findAction(computation, u"Edit Processor-Run Notes"_s)->isEnabled());
}

void MainWindowTest::aFailedSaveStopsTheRun() {
    test::RecordedMessages messages;
    TestWindow w(dir_->filePath(u"settings.ini"_s));
    QVERIFY(w.openProject(copyExample(*dir_, u"sand-over-clay-pipe-english"_s), ProjectFormat::Current));
    ProjectData data = w.project().data();
    data.fileName = dir_->filePath(u"no-such-folder/pile.tv6d"_s);
    w.project().setData(data);
    w.runAnalysis();
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY(messages.shown[0].startsWith(QString(texts::kSaveFailed) + u"\r"_s));
    QVERIFY(messages.shown[0].endsWith(QString(texts::kRunNotSaved)));
    // The engine did not run on the file as it was before.
    QVERIFY(!QFile::exists(dir_->filePath(u"sand-over-clay-pipe-english.tv6o"_s)));
}

void MainWindowTest::runOfANewProjectCancelledAtSaveAs() {
    test::RecordedMessages messages;
    test::RecordedFindings findings;
    findings.runAnyway = true;
    TestWindow w(dir_->filePath(u"settings.ini"_s));
    // A pile and soil that pass the check, but only a warning: the run goes on to the save dialog.
    ProjectData data = w.project().data();
    data.outsideDiameter = 24;
    data.modulusOfElasticity = 29e6;
    data.totalPileLength = 40.5;
    w.project().setData(data);
    GridTable& layers = w.project().tables().soilLayers;
    layers.cell(ProjectTables::BottomDepthColumn, 0).setDouble(60);
    GridTable* sand = layers.cell(ProjectTables::LayerDataColumn, 0).subTable();
    for (int row = 0; row < 2; ++row) {
        sand->cell(ProjectTables::SandUnitWeight, row).setDouble(60);
        sand->cell(ProjectTables::FrictionAngle, row).setDouble(30);
        sand->cell(ProjectTables::EarthPressure, row).setDouble(0.8);
        sand->cell(ProjectTables::BearingFactor, row).setDouble(20);
    }
    w.runAnalysis();  // the save dialog is cancelled
    QCOMPARE(findings.shown.size(), 1u);
    QCOMPARE(findings.shown[0].purpose, FindingsPurpose::RunAnyway);
    QCOMPARE(messages.shown, QStringList());
    QCOMPARE(w.project().data().fileName, QString(texts::kNewFileName));
}

// An untouched new project lacks its pile and soil: the run names all of it at once and asks for no
// file name; "Check Data" shows the same list.
void MainWindowTest::aNewProjectShowsEverythingItLacks() {
    test::RecordedMessages messages;
    test::RecordedFindings findings;
    TestWindow w(dir_->filePath(u"settings.ini"_s));
    w.savePaths = {dir_->filePath(u"never.tv6d"_s)};
    w.runAnalysis();
    QCOMPARE(findings.shown.size(), 1u);
    QCOMPARE(findings.shown[0].purpose, FindingsPurpose::RunStopped);
    QStringList found;
    for (const Finding& f : findings.shown[0].findings) found << QString::fromStdString(f.message);
    // The modulus of the steel pipe it starts with is there: only what the user must know is not.
    QVERIFY(!found.contains(u"expected a positive modulus of elasticity, found 0."_s));
    for (const QString& lack : {u"expected a bearing capacity factor above 0, found 0."_s,
                                u"expected a positive total pile length, found 0."_s,
                                u"expected a positive outside diameter for a circular pile, found 0."_s,
                                u"expected a positive effective unit weight, found 0."_s})
        QVERIFY2(found.contains(lack), qPrintable(found.join(u" | "_s)));
    QCOMPARE(w.savePaths.size(), 1);  // not asked for a name
    QCOMPARE(messages.shown, QStringList());
    QVERIFY(!QFile::exists(dir_->filePath(u"never.tv6d"_s)));

    QMenu* computation = test::openMenu(&w, u"Computation"_s);
    QAction* check = test::findAction(computation, u"Check Data"_s);
    QVERIFY(check);
    const QList<QAction*> actions = computation->actions();
    QCOMPARE(actions.indexOf(check), actions.indexOf(test::findAction(computation, u"Run Analysis"_s)) + 1);
    check->trigger();
    QCOMPARE(findings.shown.size(), 2u);
    QCOMPARE(findings.shown[1].purpose, FindingsPurpose::Check);
    QCOMPARE(findings.shown[1].findings, findings.shown[0].findings);
}

// Warnings alone ask "Run anyway?": No returns to the project, Yes runs.
void MainWindowTest::warningsAskRunAnyway_data() {
    QTest::addColumn<bool>("answer");
    QTest::newRow("no") << false;
    QTest::newRow("yes") << true;
}

void MainWindowTest::warningsAskRunAnyway() {
    QFETCH(bool, answer);
    test::RecordedMessages messages;
    test::RecordedFindings findings;
    findings.runAnyway = answer;
    TestWindow w(dir_->filePath(u"settings.ini"_s));
    const QString path = copyExample(*dir_, u"sand-over-clay-pipe-english"_s);
    QVERIFY(w.openProject(path, ProjectFormat::Current));
    ProjectData data = w.project().data();
    data.totalPileLength = 59.5;  // 59 whole increments of 1 ft: the tables end at 59.00 ft
    w.project().setData(data);
    w.runAnalysis();
    QCOMPARE(findings.shown.size(), 1u);
    QCOMPARE(findings.shown[0].purpose, FindingsPurpose::RunAnyway);
    QCOMPARE(findings.shown[0].findings.size(), 1u);
    QVERIFY(QString::fromStdString(findings.shown[0].findings[0].message)
                .contains(u"end at the penetration 59.00"_s));
    QCOMPARE(QFile::exists(besideProject(path, ".tv6o")), answer);
    QCOMPARE(w.plotLoaded(), answer);
    QCOMPARE(messages.shown.size(), answer ? 1 : 0);
}

void MainWindowTest::askToSave_data() {
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("fails");  // the save is asked into a folder that does not exist
    QTest::newRow("yes") << QMessageBox::Yes << true << true << false;
    QTest::newRow("no") << QMessageBox::No << true << false << false;
    QTest::newRow("cancel") << QMessageBox::Cancel << false << false << false;
    // A save that fails keeps the changes: the project is not replaced.
    QTest::newRow("yes, the save fails") << QMessageBox::Yes << false << false << true;
}

void MainWindowTest::askToSave() {
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, replaced);
    QFETCH(bool, saved);
    QFETCH(bool, fails);
    test::RecordedMessages messages;
    messages.answers = {answer};
    TestWindow w(dir_->filePath(u"settings.ini"_s));
    const QString path = dir_->filePath(fails ? u"no-such-folder/pile.tv6d"_s : u"pile.tv6d"_s);
    w.savePaths = {path};
    ProjectData data = w.project().data();
    data.title = u"Changed"_s;
    w.project().setData(data);
    QVERIFY(w.isWindowModified());

    w.newProject();

    QCOMPARE(messages.shown.first(), QString(texts::kSaveChanges));
    // The question names the project it is about.
    QCOMPARE(messages.details, QStringList{u"Project: NewTORVE.tv6d"_s});
    QCOMPARE(messages.shown.size(), fails ? 2 : 1);  // the save's own message
    QCOMPARE(w.project().data().title, replaced ? QString(texts::kNewTitle) : u"Changed"_s);
    QCOMPARE(QFile::exists(path), saved);
    QCOMPARE(w.isWindowModified(), !replaced);
}

void MainWindowTest::recentFiles() {
    RecentFiles recent;
    for (int i = 1; i <= 10; ++i) recent.add(u"/p/%1.tv6d"_s.arg(i));
    QCOMPARE(recent.files().first(), u"/p/10.tv6d"_s);
    QVERIFY(!recent.add(u"/p/10.tv6d"_s));  // the same file again changes nothing
    QCOMPARE(recent.files().size(), 10);
    recent.add(u"/p/4.tv6d"_s);  // moves up, the others keep their order
    QCOMPARE(recent.files().mid(0, 3), (QStringList{u"/p/4.tv6d"_s, u"/p/10.tv6d"_s, u"/p/9.tv6d"_s}));
    recent.add(u"/p/11.tv6d"_s);  // an eleventh pushes the oldest off
    QCOMPARE(recent.files().size(), 10);
    QVERIFY(!recent.files().contains(u"/p/1.tv6d"_s));
    QCOMPARE(recent.menuText(0, u"/p"_s), u"1 11.tv6d"_s);
    QCOMPARE(recent.menuText(1, u"/q"_s), u"2 /p/4.tv6d"_s);

    // Opening a project puts it in the settings at once.
    test::RecordedMessages messages;
    TestWindow w(dir_->filePath(u"settings.ini"_s));
    const QString path = copyExample(*dir_, u"open-pipe-offshore-si"_s);
    QVERIFY(w.openProject(path, ProjectFormat::Current));
    AppSettings stored(dir_->filePath(u"settings.ini"_s));
    stored.read();
    QCOMPARE(stored.recentFiles(), QStringList{path});
}

void MainWindowTest::startupArgumentWithoutExtension() {
    test::RecordedMessages messages;
    // A full stop in a folder's name is not the file's extension.
    QVERIFY(QDir(dir_->path()).mkdir(u"v2.1"_s));
    const QString path = dir_->filePath(u"v2.1/sand-over-clay-pipe-english.tv6d"_s);
    QVERIFY(QFile::copy(copyExample(*dir_, u"sand-over-clay-pipe-english"_s), path));
    TestWindow w(dir_->filePath(u"settings.ini"_s));
    w.openStartupFile(path.chopped(5));  // ".tv6d" is added
    QCOMPARE(w.project().data().fileName, path);
    QCOMPARE(w.windowTitle(), u"TORVE 2014.6.3 - Offshore - Sand-over-clay-pipe-english.tv6d[*]"_s);
    // A project named on the command line does not enter the recent files.
    QCOMPARE(w.settings().recentFiles(), QStringList());
}

void MainWindowTest::droppedFilesOpenTheFirst() {
    test::RecordedMessages messages;
    TestWindow w(dir_->filePath(u"settings.ini"_s));
    const QString first = copyExample(*dir_, u"open-pipe-offshore-si"_s);
    const QString second = copyExample(*dir_, u"sand-over-clay-pipe-english"_s);
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &drop);
    QCOMPARE(w.project().data().fileName, first);
    QCOMPARE(w.settings().recentFiles(), QStringList{first});
}

void MainWindowTest::aRefusingChildStopsTheCommand() {
    test::RecordedMessages messages;
    TestWindow w(dir_->filePath(u"settings.ini"_s));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    GridTable& layers = w.project().tables().soilLayers;
    w.showTable(layers);
    auto* table = w.findChild<TableWindow*>();
    QVERIFY(table);
    // A bottom depth that does not evaluate, typed and not yet committed.
    table->view()->setCurrentIndex(table->model()->index(0, 2));
    auto* editor = qobject_cast<QLineEdit*>(table->view()->indexWidget(table->view()->currentIndex()));
    QVERIFY(editor);
    editor->setText(u"abc"_s);
    editor->setModified(true);
    Project* before = &w.project();
    w.newProject();
    QCOMPARE(&w.project(), before);  // New did not act
    QCOMPARE(messages.shown,
             QStringList{u"Entry could not be evaluated:\rinvalid character(s) in expression"_s});
    editor->setText(u"12*2"_s);
    editor->setModified(true);
    messages.answers = {QMessageBox::No};
    w.newProject();  // the entry is taken: the project changed, and New asks before it acts
    QVERIFY(&w.project() != before);
    QCOMPARE(messages.shown.last(), QString(texts::kSaveChanges));
}

void MainWindowTest::titleMarksModifiedDesignerDoesNot() {
    test::RecordedMessages messages;
    TestWindow w(dir_->filePath(u"settings.ini"_s));
    w.show();
    w.showDialog(DialogId::Title);
    auto* designer = test::findByAccessibleName<QLineEdit>(&w, u"Name of the Designer :"_s);
    auto* title = test::findByAccessibleName<QLineEdit>(&w, u"Enter line of text for project description:"_s);
    QVERIFY(designer && title);
    QCOMPARE(title->text(), QString(texts::kNewTitle));
    QCOMPARE(title->maxLength(), 80);
    designer->setText(u"A. Designer"_s);
    QVERIFY(test::openMenu(&w, u"File"_s));  // the menu commits the dialog
    QCOMPARE(w.project().data().designer, u"A. Designer"_s);
    QVERIFY(!w.project().isModified());
    title->setText(u"Pier 7"_s);
    test::openMenu(&w, u"Data"_s);
    QCOMPARE(w.project().data().title, u"Pier 7"_s);
    QVERIFY(w.project().isModified());
    // A second command brings the one dialog forward.
    w.showDialog(DialogId::Title);
    QCOMPARE(w.findChild<QMdiArea*>()->subWindowList().size(), 1);
}

void MainWindowTest::soilTableColumnsFollowTheProject_data() {
    QTest::addColumn<QString>("example");
    QTest::addColumn<bool>("userValues");
    QTest::newRow("user-specified load transfer") << u"precast-concrete-user-english"_s << true;
    QTest::newRow("API load transfer") << u"open-pipe-offshore-si"_s << false;
}

void MainWindowTest::soilTableColumnsFollowTheProject() {
    QFETCH(QString, example);
    QFETCH(bool, userValues);
    test::RecordedMessages messages;
    TestWindow w(dir_->filePath(u"settings.ini"_s));
    QVERIFY(w.openProject(copyExample(*dir_, example), ProjectFormat::Current));
    ProjectTables& tables = w.project().tables();
    QList<GridTable*> layerData{&tables.sandLayerData, &tables.clayLayerData};
    for (int row = 0; row < tables.soilLayers.rowCount(); ++row)
        layerData.append(tables.soilLayers.cell(ProjectTables::LayerDataColumn, row).subTable());
    for (GridTable* t : layerData) {
        QCOMPARE(t->column(ProjectTables::SandUserFriction).shown, userValues);
        QCOMPARE(t->column(ProjectTables::SandUserBearing).shown, userValues);
        QVERIFY(t->column(ProjectTables::SandQc).shown);  // the offshore edition
    }
    QVERIFY(tables.clayLayerData.comments().endsWith(
        u"\rPI and YSR are required only for Offshore-Pile Design Methods."_s));
}

void MainWindowTest::helpAndAbout() {
    QCOMPARE(MainWindow::updateCheckAddress(QDate(2024, 3, 5)),
             u"https://torve-pile.org/update-check?TORVEO;2014.6.3;07/01/14;03/05/24"_s);
    QCOMPARE(AboutBox::releaseDate(), QDate(2014, 7, 1));
    QVERIFY(!AboutBox::localAddress().isEmpty());
    QCOMPARE(HelpWindow::anchorOf(u"Soil data of a layer"_s), u"soil-data-of-a-layer"_s);
    QCOMPARE(HelpWindow::anchorOf(u"Tab \"Method for Pile Capacity\""_s), u"tab-method-for-pile-capacity"_s);

    // Any Markdown file: a heading is reached by its anchor, a link to another file opens it there.
    QFile first(dir_->filePath(u"first.md"_s)), second(dir_->filePath(u"second.md"_s));
    QVERIFY(first.open(QIODevice::WriteOnly) && second.open(QIODevice::WriteOnly));
    first.write("# First\n\n## Contents\n\n" + QByteArray(200, 'x').replace('x', "Words.\n\n") +
                "## Last part\n\nSee [the other](second.md#its-part).\n");
    second.write("# Second\n\n## Its part\n");
    first.close();
    second.close();
    HelpWindow help;
    help.resize(600, 400);
    help.show();
    help.showManual(first.fileName(), u"last-part"_s);
    QCOMPARE(help.windowTitle(), u"First"_s);
    QVERIFY(help.browser()->verticalScrollBar()->value() > 0);
    QVERIFY(!help.scrollToAnchor(u"no-such-heading"_s));
    emit help.browser()->anchorClicked(QUrl(u"second.md#its-part"_s));
    QCOMPARE(help.windowTitle(), u"Second"_s);
}

void MainWindowTest::childWindowsFitTheWorkingArea_data() {
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<DialogId>("id");
    const std::pair<const char*, DialogId> dialogs[] = {
        {"methods", DialogId::ComputationMethods},
        {"control", DialogId::ControlOptions},
        {"critical depth", DialogId::CriticalDepth},
        {"material", DialogId::PileMaterial},
        {"circular", DialogId::CircularPile},
        {"noncircular", DialogId::NoncircularPile},
        {"layers", DialogId::SoilLayers},
        {"CPT", DialogId::CptData},
        {"title", DialogId::Title},
        {"profile", DialogId::SoilProfile},
    };
    for (const QSize frame : {QSize(1200, 800), QSize(1024, 700)})
        for (const auto& [name, id] : dialogs)
            QTest::addRow("%s at %dx%d", name, frame.width(), frame.height()) << frame << id;
}

void MainWindowTest::childWindowsFitTheWorkingArea() {
    QFETCH(QSize, frame);
    QFETCH(DialogId, id);
    TestWindow w(dir_->filePath(u"settings.ini"_s));
    w.project().tables().soilLayers.setRowCount(12);
    w.resize(frame);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.showDialog(id);
    auto* area = w.findChild<QMdiArea*>();
    QMdiSubWindow* child = area->activeSubWindow();
    QVERIFY(child);
    const QRect room = area->viewport()->rect();
    // The whole frame inside the working area, in its own size rather than maximized.
    QVERIFY2(room.contains(child->geometry()),
             qPrintable(
                 u"%1,%2 %3x%4"_s.arg(child->x()).arg(child->y()).arg(child->width()).arg(child->height())));
    QVERIFY(!child->isMaximized());
    // The soil profile is at least 600 x 500 where the room allows.
    if (id == DialogId::SoilProfile) {
        QVERIFY(child->width() >= std::min(600, room.width()));
        QVERIFY(child->height() >= std::min(500, room.height()));
        return;
    }
    // Its Close button in view, wherever the controls above it scroll.
    auto* close = test::findByAccessibleName<QPushButton>(child, u"Close"_s);
    QVERIFY(close && close->isVisible());
    const QRect shown(close->mapTo(area->viewport(), QPoint()), close->size());
    QVERIFY2(room.contains(shown), qPrintable(u"%1,%2"_s.arg(shown.x()).arg(shown.y())));
    QVERIFY(child->widget()->visibleRegion().boundingRect().contains(
        QRect(close->mapTo(child->widget(), QPoint()), close->size())));
}

void MainWindowTest::aMaximizedGraphLeavesLaterWindowsInTheirFrames() {
    TestWindow w(dir_->filePath(u"settings.ini"_s));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.showGraph(w.project().graph(ResultGraph::TzCurves));
    auto* area = w.findChild<QMdiArea*>();
    QVERIFY(area->activeSubWindow()->isMaximized());
    // A dialog and a table opened over the maximized graph come in their own size, framed.
    w.showDialog(DialogId::ControlOptions);
    QMdiSubWindow* dialog = area->activeSubWindow();
    QVERIFY(!dialog->isMaximized());
    w.showTable(w.project().tables().tzPrintDepths);
    QMdiSubWindow* table = area->activeSubWindow();
    QVERIFY(table != dialog);
    QVERIFY(!table->isMaximized());
    QVERIFY(table->windowFlags() & Qt::WindowTitleHint);
    QVERIFY(!(table->windowFlags() & Qt::FramelessWindowHint));
    QVERIFY(!(table->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(table->isVisible());
}

void MainWindowTest::resultsAtAGlanceAfterARun() {
    test::RecordedMessages messages;
    TestWindow w(dir_->filePath(u"settings.ini"_s));
    const QString path = copyExample(*dir_, u"sand-over-clay-pipe-english"_s);
    QVERIFY(w.openProject(path, ProjectFormat::Current));
    w.show();
    w.runAnalysis();
    QVERIFY(w.plotLoaded());
    QVERIFY(test::findAction(test::openMenu(&w, u"Computation"_s), u"Results Summary"_s)->isEnabled());
    w.showResultsSummary();
    auto* summary = w.findChild<ResultsSummaryWindow*>();
    QVERIFY(summary);
    // The summary's own Copy takes Ctrl+C while it is active; the Edit menu's gives way, and takes
    // the key back in a window without one.
    QAction* editCopy = test::findAction(test::openMenu(&w, u"Edit"_s), u"Copy"_s);
    QVERIFY(!editCopy->shortcuts().contains(QKeySequence(QKeySequence::Copy)));
    w.showDialog(DialogId::Title);
    QVERIFY(editCopy->shortcuts().contains(QKeySequence(QKeySequence::Copy)));
    w.showResultsSummary();
    // One row per method of the project, each with the total capacity the graph ends at.
    const Graph& totals = w.project().graph(ResultGraph::TotalCapacity);
    QCOMPARE(summary->methodTable()->rowCount(), totals.lineCount());
    QVERIFY(totals.lineCount() > 0);
    QCOMPARE(summary->methodTable()->item(0, 0)->text(), totals.displayName(0));
    QCOMPARE(summary->methodTable()->item(0, 4)->text(),
             QString::number(totals.line(0).points.back().x(), 'f', 1));
    // Copy gives the spreadsheet text; Save as CSV the CSV text.
    summary->copyToClipboard();
    QCOMPARE(QGuiApplication::clipboard()->text(), summary->summary().tabSeparated());
    const QString csv = dir_->filePath(u"summary.csv"_s);
    QVERIFY(summary->saveCsv(csv));
    QFile saved(csv);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(saved.readAll()), summary->summary().csv());
    QVERIFY(!summary->saveCsv(dir_->filePath(u"no/such/folder/summary.csv"_s)));
    // A change of the project clears the run's status.
    QVERIFY(!w.statusBar()->currentMessage().isEmpty());
    ProjectData data = w.project().data();
    data.title = u"changed"_s;
    w.project().setData(data);
    QVERIFY(w.statusBar()->currentMessage().isEmpty());

    // Without an editor the report opens inside the program, read-only, and Find wraps round.
    w.settings().setWordProcessor({});
    w.viewFile(besideProject(path, ".tv6o"));
    auto* viewer = w.findChild<ReportViewer*>();
    QVERIFY(viewer);
    QVERIFY(messages.shown.size() == 1);  // the run's message only: no editor failure
    QVERIFY(viewer->text()->isReadOnly());
    QVERIFY(viewer->text()->toPlainText().size() > 1000);
    QVERIFY(viewer->findNext(u"ULTIMATE"_s) || viewer->findNext(u"Ultimate"_s) ||
            viewer->findNext(u"TOTAL"_s));
    QVERIFY(!viewer->findNext(u"no such text anywhere"_s));
    QVERIFY(viewer->text()->font().fixedPitch() || QFontInfo(viewer->text()->font()).fixedPitch());
}

// Every edit is a step back and forth: a value stored by a dialog, a table cell, a unit switch. Undone
// back to the state last saved, the project is unmodified again; a dialog open meanwhile shows
// what was put back.
void MainWindowTest::undoAndRedoOfEdits() {
    test::RecordedMessages messages;
    TestWindow w(dir_->filePath(u"settings.ini"_s));
    const QString path = copyExample(*dir_, u"sand-over-clay-pipe-english"_s);
    QVERIFY(w.openProject(path, ProjectFormat::Current));
    w.show();
    QMenu* edit = test::openMenu(&w, u"Edit"_s);
    QAction* undo = test::findAction(edit, u"Undo"_s);
    QAction* redo = test::findAction(edit, u"Redo"_s);
    QVERIFY(undo && redo);
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());  // nothing done yet
    const ProjectData opened = w.project().data();
    const double bottom =
        w.project().tables().soilLayers.cell(ProjectTables::BottomDepthColumn, 0).toDouble();

    // The title typed into its dialog, stored when the Edit menu opens.
    w.showDialog(DialogId::Title);
    auto* title = test::findByAccessibleName<QLineEdit>(&w, u"Enter line of text for project description:"_s);
    QVERIFY(title);
    title->setText(u"Pier 7"_s);
    test::openMenu(&w, u"Edit"_s);
    QCOMPARE(w.project().data().title, u"Pier 7"_s);
    QVERIFY(undo->isEnabled());
    // A table cell, then the other unit system.
    w.project().tables().soilLayers.cell(ProjectTables::BottomDepthColumn, 0).setDouble(bottom + 5);
    w.project().setUnits(UnitSystem::SI);
    QVERIFY(w.isWindowModified());

    undo->trigger();  // the unit switch
    QCOMPARE(w.project().data().units, UnitSystem::English);
    QCOMPARE(w.project().tables().soilLayers.cell(ProjectTables::BottomDepthColumn, 0).toDouble(),
             bottom + 5);
    undo->trigger();  // the cell
    QCOMPARE(w.project().tables().soilLayers.cell(ProjectTables::BottomDepthColumn, 0).toDouble(), bottom);
    QVERIFY(w.isWindowModified());
    undo->trigger();  // the title: back to the file as opened
    QCOMPARE(w.project().data().title, opened.title);
    QCOMPARE(title->text(), opened.title);  // the open dialog shows it
    QVERIFY(!w.isWindowModified());
    QVERIFY(!w.project().isModified());
    QVERIFY(!undo->isEnabled());
    QCOMPARE(w.windowTitle(), u"TORVE 2014.6.3 - Offshore - Sand-over-clay-pipe-english.tv6d[*]"_s);

    redo->trigger();
    QCOMPARE(w.project().data().title, u"Pier 7"_s);
    QVERIFY(w.isWindowModified());
    redo->trigger();
    redo->trigger();
    QCOMPARE(w.project().data().units, UnitSystem::SI);
    QVERIFY(!redo->isEnabled());
    // The file's place is no edit: undone, a project saved under another name stays there.
    w.savePaths = {dir_->filePath(u"renamed.tv6d"_s)};
    QVERIFY(w.saveAs());
    QVERIFY(!w.isWindowModified());
    undo->trigger();
    QCOMPARE(w.project().data().fileName, dir_->filePath(u"renamed.tv6d"_s));
    QCOMPARE(w.project().data().units, UnitSystem::English);
    QVERIFY(w.isWindowModified());
    // A new project starts without steps.
    messages.answers = {QMessageBox::No};
    w.newProject();
    QVERIFY(!w.history().canUndo());
}

// The Edit menu's commands and the run's keys, each named as shown.
void MainWindowTest::editMenuAndShortcuts() {
    test::RecordedMessages messages;
    TestWindow w(dir_->filePath(u"settings.ini"_s));
    QMenu* edit = test::openMenu(&w, u"Edit"_s);
    QVERIFY(edit);
    for (const QString& name : {u"Undo"_s, u"Redo"_s, u"Copy"_s, u"Paste"_s})
        QVERIFY2(test::findAction(edit, name), qPrintable(name));
    QAction* run = test::findAction(test::openMenu(&w, u"Computation"_s), u"Run Analysis"_s);
    QVERIFY(run);
    QVERIFY(run->shortcuts().contains(QKeySequence(Qt::Key_F5)));
    QVERIFY(run->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_R)));
    QCOMPARE(test::findAction(edit, u"Undo"_s)->shortcut(), QKeySequence(QKeySequence::Undo));

    // Paste fills the active table window from the clipboard, as one step to undo.
    w.show();
    GridTable& depths = w.project().tables().tzPrintDepths;
    w.showTable(depths);
    auto* table = w.findChild<TableWindow*>();
    QVERIFY(table);
    const int rows = depths.rowCount();
    const double first = depths.cell(0, 0).toDouble();
    table->view()->setCurrentIndex(table->model()->index(0, 1));
    QGuiApplication::clipboard()->setText(u"12\n24\n36\n"_s);
    test::findAction(edit, u"Paste"_s)->trigger();
    QCOMPARE(depths.rowCount(), 3);
    QCOMPARE(depths.cell(0, 0).toDouble(), 12.0);
    QCOMPARE(depths.cell(0, 2).toDouble(), 36.0);
    test::findAction(edit, u"Undo"_s)->trigger();  // all three cells and the rows at once
    QCOMPARE(depths.rowCount(), rows);
    QCOMPARE(depths.cell(0, 0).toDouble(), first);
    test::findAction(edit, u"Redo"_s)->trigger();
    QCOMPARE(depths.cell(0, 2).toDouble(), 36.0);
    // The same from the keyboard, in the cell's editor: one step too.
    table->view()->setCurrentIndex(table->model()->index(0, 1));
    auto* editor = qobject_cast<QLineEdit*>(table->view()->indexWidget(table->view()->currentIndex()));
    QVERIFY(editor);
    QGuiApplication::clipboard()->setText(u"5\n6\n"_s);
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(depths.cell(0, 0).toDouble(), 5.0);
    QCOMPARE(depths.cell(0, 1).toDouble(), 6.0);
    test::findAction(edit, u"Undo"_s)->trigger();
    QCOMPARE(depths.cell(0, 0).toDouble(), 12.0);
    QCOMPARE(depths.cell(0, 1).toDouble(), 24.0);
    // A paste that changes nothing is no step: Undo still takes back the first paste.
    QGuiApplication::clipboard()->setText(u"12\n24\n"_s);
    test::findAction(edit, u"Paste"_s)->trigger();
    test::findAction(edit, u"Undo"_s)->trigger();
    QCOMPARE(depths.rowCount(), rows);
}

// Recent files: a project saved under a name of its own is one, as an opened one is.
void MainWindowTest::savedProjectsAreRecentFiles() {
    test::RecordedMessages messages;
    TestWindow w(dir_->filePath(u"settings.ini"_s));
    const QString path = dir_->filePath(u"created.tv6d"_s);
    w.savePaths = {path};
    QVERIFY(w.save());  // a new project's Save is its Save As
    AppSettings stored(dir_->filePath(u"settings.ini"_s));
    stored.read();
    QCOMPARE(stored.recentFiles(), QStringList{path});
    w.savePaths = {dir_->filePath(u"second.tv6d"_s)};
    QVERIFY(w.saveAs());
    QCOMPARE(w.settings().recentFiles(), (QStringList{dir_->filePath(u"second.tv6d"_s), path}));
    w.savePaths = {};
    QVERIFY(!w.saveAs());  // cancelled: nothing added
    QCOMPARE(w.settings().recentFiles().size(), 2);
}

// A project named on the command line, with the plot file of an earlier run beside it, has its graph
// buttons enabled at once.
void MainWindowTest::aStartupProjectWithResultsEnablesTheGraphButtons() {
    test::RecordedMessages messages;
    const QString path = copyExample(*dir_, u"sand-over-clay-pipe-english"_s);
    {
        TestWindow first(dir_->filePath(u"settings.ini"_s));
        QVERIFY(first.openProject(path, ProjectFormat::Current));
        first.runAnalysis();
        QVERIFY(first.plotLoaded());
    }
    TestWindow w(dir_->filePath(u"other.ini"_s));
    w.openStartupFile(path);
    QVERIFY(w.plotLoaded());
    for (const QString& button :
         {u"Combined Plot"_s, u"t-z Curves"_s, u"Load vs. Settlement"_s, u"Results Summary"_s})
        QVERIFY2(test::findByAccessibleName<QToolButton>(&w, button)->isEnabled(), qPrintable(button));
    QVERIFY(test::findAction(test::openMenu(&w, u"Graphics"_s), u"Combined Plot"_s)->isEnabled());
}

void MainWindowTest::aFindingTakesTheUserToItsField_data() {
    QTest::addColumn<int>("record");  // RecordId
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("layer");
    QTest::addColumn<QString>("focused");  // the beginning of the focused field's accessible name
    QTest::newRow("pile length") << static_cast<int>(RecordId::PileSection) << 0 << u"total pile length"_s
                                 << 0 << u"Total Length, TL"_s;
    QTest::newRow("modulus") << static_cast<int>(RecordId::PileSection) << 0 << u"modulus of elasticity"_s
                             << 0 << u"Modulus of Elasticity, E"_s;
    QTest::newRow("increment") << static_cast<int>(RecordId::Options) << 0 << u"computation increment"_s << 0
                               << u"Length of each computation increment"_s;
    QTest::newRow("bottom of layer 2") << static_cast<int>(RecordId::SoilPointFirstLine) << 3 << u"depth"_s
                                       << 2 << u"Layer 2, Depth at Bottom"_s;
    // Layer 2 of the example is clay: its data dialog opens at the strength of its top.
    QTest::newRow("su at the top of layer 2")
        << static_cast<int>(RecordId::SoilPointSecondLine) << 2 << u"undrained shear strength"_s << 2
        << u"2. Undrained Shear Strength, top"_s;
}

void MainWindowTest::aFindingTakesTheUserToItsField() {
    QFETCH(int, record);
    QFETCH(int, index);
    QFETCH(QString, field);
    QFETCH(int, layer);
    QFETCH(QString, focused);
    test::RecordedMessages messages;
    TestWindow w(dir_->filePath(u"settings.ini"_s));
    QVERIFY(w.openProject(copyExample(*dir_, u"sand-over-clay-pipe-english"_s), ProjectFormat::Current));
    QCOMPARE(w.project().tables().soilLayers.cell(ProjectTables::SoilTypeColumn, 1).toInt(), 2);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const Finding finding{
        .place = {static_cast<RecordId>(record), index, 0}, .field = field.toStdString(), .layer = layer};
    w.goToFinding(finding);
    QTest::qWait(50);  // the dialog's rows are shown, then the field is focused
    QWidget* focus = QApplication::focusWidget();
    if (auto* layers = w.findChild<SoilLayersDialog*>(); layers && layers->soilDataDialog()) {
        QVERIFY(QTest::qWaitForWindowActive(layers->soilDataDialog()));
        focus = layers->soilDataDialog()->focusWidget();
    }
    QVERIFY(focus);
    QVERIFY2(focus->accessibleName().startsWith(focused), qPrintable(focus->accessibleName()));
    if (auto* layers = w.findChild<SoilLayersDialog*>(); layers && layers->soilDataDialog())
        layers->soilDataDialog()->reject();
}

// The pictures the manuals show lie where the help window finds them, and it shows them.
void MainWindowTest::theHelpWindowShowsTheManualsPictures() {
    const QString manual = HelpWindow::manualsFolder() + u"/user-manual.md"_s;
    QVERIFY2(QFile::exists(manual), qPrintable(manual));
    HelpWindow help;
    help.showManual(manual);
    for (const QString& picture :
         {u"screenshots/check-window.png"_s, u"screenshots/check-run-anyway.png"_s}) {
        const QVariant image = help.browser()->loadResource(QTextDocument::ImageResource, QUrl(picture));
        QVERIFY2(image.isValid() && !image.toByteArray().isEmpty(), qPrintable(picture));
    }
    help.showManual(HelpWindow::manualsFolder() + u"/python.md"_s);
    QVERIFY(help.browser()
                ->loadResource(QTextDocument::ImageResource, QUrl(u"python-parametric-study.png"_s))
                .isValid());
}

void MainWindowTest::calculationSheetOfTheLastRun() {
    test::RecordedMessages messages;
    TestWindow w(dir_->filePath(u"settings.ini"_s));
    const QString path = copyExample(*dir_, u"sand-over-clay-pipe-english"_s);
    QVERIFY(w.openProject(path, ProjectFormat::Current));
    QFile::remove(besideProject(path, ".tv6p"));
    w.show();
    QAction* item = test::findAction(test::openMenu(&w, u"File"_s), u"Export Calculation Sheet"_s);
    QVERIFY(item);
    // Without results there is nothing to put beside the inputs: it says so, before any dialog.
    w.exportCalculationSheet();
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY(messages.shown.last().contains(u"run the analysis first"_s));

    w.runAnalysis();
    QVERIFY(w.plotLoaded());
    messages.shown.clear();
    // Inputs changed since the run: asked first, and No leaves it there.
    ProjectData data = w.project().data();
    data.designer = u"Someone Else"_s;
    w.project().setData(data);
    messages.answers = {QMessageBox::No};
    w.exportCalculationSheet();
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY(messages.shown.last().contains(u"changed since its last run"_s));

    // A name without the sheet's extension is written as a PDF; HTML by its own.
    QVERIFY(w.exportCalculationSheetTo(dir_->filePath(u"sheet"_s)));
    QFile pdf(dir_->filePath(u"sheet.pdf"_s));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.readAll().startsWith("%PDF-"));
    QVERIFY(w.statusBar()->currentMessage().contains(u"pages)"_s));
    QVERIFY(w.exportCalculationSheetTo(dir_->filePath(u"sheet.html"_s)));
    QFile html(dir_->filePath(u"sheet.html"_s));
    QVERIFY(html.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(html.readAll());
    QVERIFY(text.contains(u"Someone Else"_s));
    // The capacity at the tip of the first method, as the results summary gives it.
    const Graph& totals = w.project().graph(ResultGraph::TotalCapacity);
    QVERIFY(text.contains(QString::number(totals.line(0).points.back().x(), 'f', 1)));
    // A folder that is not there: the message names the file, and nothing is written.
    messages.shown.clear();
    QVERIFY(!w.exportCalculationSheetTo(dir_->filePath(u"no/such/folder/sheet.pdf"_s)));
    QCOMPARE(messages.errors.size(), 1);
    QVERIFY(messages.errors.last().contains(u"sheet.pdf"_s));
}

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
