// The main window's driveability run through the engine library beside the test: the graphs of a
// solved run, Cancel stopping the engine, the messages of a library without the entry point and of a
// refused hammer, and the dialog's entries kept for its next opening.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/dialogs/driveabilitydialog.h"
#include "app/main/mainwindow.h"
#include "app/main/texts.h"
#include "app/project/driveabilityresults.h"
#include "app/project/project.h"
#include "app/views/graphwindow.h"
#include "tests/app/support/actionfinder.h"
#include "tests/app/support/widgetfinder.h"

using namespace torve;
using namespace torve::app;
using namespace Qt::StringLiterals;

namespace {

// A run takes some seconds on a shared machine.
constexpr int kRunTimeoutMs = 120000;

class TestWindow : public MainWindow {
  public:
    explicit TestWindow(const QString& settingsFile)
        : MainWindow(std::make_unique<AppSettings>(settingsFile)) {}
    // The Driveability dialog's answer; none: the dialog itself.
    std::optional<DriveabilitySettings> answer;

  protected:
    std::optional<DriveabilitySettings> askDriveability() override {
        return answer ? answer : MainWindow::askDriveability();
    }
    QString askOpenPath(ProjectFormat*) override { return {}; }
    QString askSavePath(const QString&, const QString&) override { return {}; }
};

// The S.I. offshore example with the sleeve friction Alm & Hamre needs in its clay: 40 kPa from the
// ground to 60 m, in the cone readings kept beside the project.
QString offshoreExample(const QTemporaryDir& dir) {
    const QString source = QStringLiteral(TORVE_SOURCE_DIR "/examples/open-pipe-offshore-si");
    for (const char* extension : {".tv6d", ".cpt"})
        QFile::copy(source + QLatin1String(extension), dir.filePath(u"pile"_s + QLatin1String(extension)));
    QFile cone(dir.filePath(u"pile.cone.csv"_s));
    if (!cone.open(QIODevice::WriteOnly)) return {};
    cone.write("depth_m,fs_kPa,u2_kPa,qt_kPa\n0,40,,\n60,40,,\n");
    return dir.filePath(u"pile.tv6d"_s);
}

DriveabilitySettings hammer35t(std::optional<double> from, std::optional<double> to,
                               std::optional<double> step) {
    DriveabilitySettings s;
    s.hammer = QStringLiteral(TORVE_SOURCE_DIR "/examples/hammers/ram-35t-350kj.json");
    s.from = from;
    s.to = to;
    s.step = step;
    return s;
}

QStringList childTitles(MainWindow& w) {
    QStringList titles;
    for (QMdiSubWindow* child : w.findChild<QMdiArea*>()->subWindowList()) titles << child->windowTitle();
    return titles;
}

}  // namespace

class DriveabilityRunTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { dir_ = std::make_unique<QTemporaryDir>(); }
    void aSolvedRunOpensItsGraphs();
    void cancelStopsTheEngine();
    void runsThatCannotStartOrSolve_data();
    void runsThatCannotStartOrSolve();
    void theDialogsEntriesAreKept();

  private:
    std::unique_ptr<QTemporaryDir> dir_;
};

// The figures of torve drive on the same project and hammer (the user's manual): 6908.4 kN of SRD
// at 40 m, 10.7 blows per 0.25 m there.
void DriveabilityRunTest::aSolvedRunOpensItsGraphs() {
    test::RecordedMessages messages;
    TestWindow w(dir_->filePath(u"settings.ini"_s));
    w.show();  // the window in front is the active one only in a window shown
    const QString path = offshoreExample(*dir_);
    QVERIFY(w.openProject(path, ProjectFormat::Current));
    // Before any run the driveability graphs are not to be had.
    QMenu* graphics = test::openMenu(&w, u"Graphics"_s);
    QVERIFY(!test::findAction(graphics, u"Driveability: Blow Count"_s)->isEnabled());

    w.answer = hammer35t(10, 40, 10);
    test::findAction(&w, u"Driveability..."_s)->trigger();
    QVERIFY(w.isDriveabilityRunning());
    // The event loop goes on while the engine drives: the progress dialog is shown, not executed.
    QVERIFY(w.findChild<QProgressDialog*>(u"driveabilityProgress"_s));
    QTRY_VERIFY_WITH_TIMEOUT(!w.isDriveabilityRunning(), kRunTimeoutMs);
    QCOMPARE(messages.shown, QStringList{u"Driveability completed at 4 tip depths."_s});

    const Graph& srd = w.project().graph(ResultGraph::DriveSrd);
    QCOMPARE(srd.lineCount(), 3);
    QCOMPARE(srd.line(2).points.size(), std::size_t(4));
    QCOMPARE(srd.line(2).points.back().y(), 40.0);
    QVERIFY(qAbs(srd.line(2).points.back().x() - 6908.4) < 0.05);
    const Graph& blows = w.project().graph(ResultGraph::DriveBlows);
    QVERIFY(qAbs(blows.line(0).points.back().x() - 10.7) < 0.05);
    QVERIFY(w.project().graph(ResultGraph::DriveHeadForce).line(0).points.size() > 100);
    QVERIFY(w.project().graph(ResultGraph::Bearing).lineCount() == 1);
    // Every graph of the run is open, the blow count in front; the results are kept beside the project.
    const QStringList titles = childTitles(w);
    QCOMPARE(titles.size(), 7);
    QMdiSubWindow* front = w.findChild<QMdiArea*>()->activeSubWindow();
    QVERIFY(front);
    QCOMPARE(front->windowTitle(), blows.caption);
    // Saved and printed as every graph is, through its window.
    auto* window = qobject_cast<GraphWindow*>(front->widget());
    QVERIFY(window);
    QVERIFY(window->saveTo(dir_->filePath(u"blows.png"_s), 6, 4, 96));
    QCOMPARE(QImage(dir_->filePath(u"blows.png"_s)).size(), QSize(576, 384));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir_->filePath(u"blows.pdf"_s));
    window->printTo(printer);
    QVERIFY(QFileInfo(dir_->filePath(u"blows.pdf"_s)).size() > 1000);
    QVERIFY(QFile::exists(driveabilityResultsFileOf(path)));
    QCOMPARE(readDriveabilityResults(driveabilityResultsFileOf(path)).srdTotal.size(), std::size_t(4));
    graphics = test::openMenu(&w, u"Graphics"_s);
    for (const QString& item :
         {u"Driveability: Static Resistance to Driving"_s, u"Driveability: Blow Count"_s,
          u"Driveability: Cumulative Blows"_s, u"Driveability: Driving Stresses"_s,
          u"Driveability: Bearing Graph"_s, u"Driveability: Force at the Head"_s,
          u"Driveability: Velocity at the Head"_s})
        QVERIFY2(test::findAction(graphics, item)->isEnabled(), qPrintable(item));

    // The project opened again shows the graphs of its last driveability run.
    TestWindow later(dir_->filePath(u"settings.ini"_s));
    QVERIFY(later.openProject(path, ProjectFormat::Current));
    QCOMPARE(later.project().graph(ResultGraph::DriveSrd).line(2).points, srd.line(2).points);
    graphics = test::openMenu(&later, u"Graphics"_s);
    QVERIFY(test::findAction(graphics, u"Driveability: Blow Count"_s)->isEnabled());
}

void DriveabilityRunTest::cancelStopsTheEngine() {
    test::RecordedMessages messages;
    TestWindow w(dir_->filePath(u"settings.ini"_s));
    const QString path = offshoreExample(*dir_);
    QVERIFY(w.openProject(path, ProjectFormat::Current));
    // 40 depths: the engine asks after the first whether to go on, and is told to stop.
    QVERIFY(w.runDriveability(hammer35t(1, 40, 1)));
    auto* progress = w.findChild<QProgressDialog*>(u"driveabilityProgress"_s);
    QVERIFY(progress);
    // The user's button: the dialog's own cancel() would only reset it.
    QPushButton* cancel = test::findByAccessibleName<QPushButton>(progress, u"Cancel"_s);
    QVERIFY(cancel);
    cancel->click();
    QTRY_VERIFY_WITH_TIMEOUT(!w.isDriveabilityRunning(), kRunTimeoutMs);
    QCOMPARE(messages.shown, QStringList{QString(texts::kDriveCancelled)});
    QCOMPARE(w.project().graph(ResultGraph::DriveBlows).lineCount(), 0);
    QVERIFY(!QFile::exists(driveabilityResultsFileOf(path)));
    QCOMPARE(childTitles(w), QStringList());
}

enum class Failure { NoLibrary, OldLibrary, NaNInHammer };
Q_DECLARE_METATYPE(Failure)

void DriveabilityRunTest::runsThatCannotStartOrSolve_data() {
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<QString>("message");  // its beginning
    QTest::newRow("no library") << Failure::NoLibrary << QString(texts::kInitializeFailed);
    QTest::newRow("library before driveability") << Failure::OldLibrary << QString(texts::kDriveEntryMissing);
    QTest::newRow("hammer refused") << Failure::NaNInHammer << u"The driveability run gave no solution:\r"_s;
}

void DriveabilityRunTest::runsThatCannotStartOrSolve() {
    QFETCH(Failure, failure);
    QFETCH(QString, message);
    test::RecordedMessages messages;
    TestWindow w(dir_->filePath(u"settings.ini"_s));
    const QString path = offshoreExample(*dir_);
    QVERIFY(w.openProject(path, ProjectFormat::Current));
    DriveabilitySettings s = hammer35t(10, 20, 10);
    if (failure == Failure::NoLibrary) w.setEngineDirectory(dir_->path());
    if (failure == Failure::OldLibrary) w.setEngineDirectory(QStringLiteral(TORVE_OLD_ENGINE_DIR));
    if (failure == Failure::NaNInHammer) {
        s.hammer = dir_->filePath(u"nan.json"_s);
        QFile h(s.hammer);
        QVERIFY(h.open(QIODevice::WriteOnly));
        h.write(
            "{\"name\": \"x\", \"ram_mass_kg\": NaN, \"stroke_m\": 1, \"efficiency\": 0.8,\n"
            " \"hammer_cushion\": null, \"helmet_mass_kg\": 0}\n");
    }
    const bool started = w.runDriveability(s);
    QCOMPARE(started, failure == Failure::NaNInHammer);
    QTRY_VERIFY_WITH_TIMEOUT(!w.isDriveabilityRunning(), kRunTimeoutMs);
    QCOMPARE(messages.errors.size(), 1);
    QVERIFY2(messages.errors[0].startsWith(message), qPrintable(messages.errors[0]));
    if (failure == Failure::NaNInHammer) QVERIFY(messages.errors[0].contains(u"ram_mass_kg"_s));
    QCOMPARE(w.project().graph(ResultGraph::DriveSrd).lineCount(), 0);
    QCOMPARE(childTitles(w), QStringList());
}

void DriveabilityRunTest::theDialogsEntriesAreKept() {
    test::RecordedMessages messages;
    const QString settings = dir_->filePath(u"settings.ini"_s);
    const QString hammer = hammer35t({}, {}, {}).hammer;
    {
        TestWindow w(settings);
        QVERIFY(w.openProject(offshoreExample(*dir_), ProjectFormat::Current));
        QTimer::singleShot(0, [hammer] {
            auto* dialog = qobject_cast<DriveabilityDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            test::findByAccessibleName<QLineEdit>(dialog, u"Hammer file:"_s)->setText(hammer);
            test::findByAccessibleName<QLineEdit>(dialog, u"SRD base factor:"_s)->setText(u"1.25"_s);
            test::findByAccessibleName<QPushButton>(dialog, u"Close"_s)->click();
        });
        w.showDriveability();
        QVERIFY(!w.isDriveabilityRunning());  // closed, not run
    }
    TestWindow again(settings);
    std::optional<DriveabilitySettings> shown;
    QTimer::singleShot(0, [&shown] {
        auto* dialog = qobject_cast<DriveabilityDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        shown = dialog->settings();
        dialog->reject();
    });
    again.showDriveability();
    QVERIFY(shown);
    QCOMPARE(shown->hammer, hammer);
    QCOMPARE(shown->baseFactor, std::optional(1.25));
    QVERIFY(!shown->from);
    QCOMPARE(messages.shown, QStringList());
}

QTEST_MAIN(DriveabilityRunTest)
#include "driveabilityrun_test.moc"
