// The unit system of a project through the main window: asked at File > New and remembered, the
// computation increment offered at a switch, values as typed after a switch, a run and a switch
// back; and the driveability export of a run.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/main/mainwindow.h"
#include "app/project/project.h"
#include "tests/app/support/actionfinder.h"
#include "tests/app/support/examplecopy.h"
#include "tests/app/support/testwindow.h"
#include "tests/app/support/widgetfinder.h"

using namespace torve;
using namespace torve::app;
using namespace Qt::StringLiterals;

namespace {

using torve::app::test::copyExample;
using torve::app::test::TestWindow;

// Answers File > New's question of units from `units` (none: Cancel) and records what it was offered.
class UnitAnswers : public test::RecordedMessages {
  public:
    std::optional<UnitSystem> units;
    QList<UnitSystem> offered;
    std::optional<UnitSystem> newProjectUnits(QWidget*, UnitSystem suggested) override {
        offered.append(suggested);
        return units;
    }
};

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class ProjectUnitsTest : public QObject {
    Q_OBJECT

  private slots:
    void newAsksTheUnitsAndRemembersThem();
    void cancellingNewKeepsTheProject();
    void aPresenterThatDoesNotAskTakesTheLastChoice();
    void aSwitchOffersTheIncrementOfTheNewSystem_data();
    void aSwitchOffersTheIncrementOfTheNewSystem();
    void valuesStayAsTypedThroughASwitchARunAndBack();
    void theDriveabilityExportCarriesTheResistancesOfTheRun();
};

void ProjectUnitsTest::newAsksTheUnitsAndRemembersThem() {
    QTemporaryDir dir;
    const QString settings = dir.filePath(u"settings.ini"_s);
    UnitAnswers answers;
    {
        TestWindow w(settings);
        QCOMPARE(w.project().data().units, UnitSystem::English);  // nothing chosen yet
        answers.units = UnitSystem::SI;
        w.newProject();
        QCOMPARE(answers.offered, QList<UnitSystem>{UnitSystem::English});
        QCOMPARE(w.project().data().units, UnitSystem::SI);
        QCOMPARE(w.project().data().computationIncrement, 0.25);  // m
        QCOMPARE(w.project().data().modulusOfElasticity, 2.1e8);  // kPa, steel
        QVERIFY(!w.project().isModified());
    }
    // The next start and the next New offer the last choice.
    TestWindow again(settings);
    QCOMPARE(again.project().data().units, UnitSystem::SI);
    QCOMPARE(again.project().data().computationIncrement, 0.25);
    answers.units = UnitSystem::English;
    again.newProject();
    QCOMPARE(answers.offered.last(), UnitSystem::SI);
    QCOMPARE(again.project().data().units, UnitSystem::English);
    QCOMPARE(again.project().data().computationIncrement, 1.0);    // ft
    QCOMPARE(again.project().data().modulusOfElasticity, 29.0e6);  // lb/in^2
}

void ProjectUnitsTest::aPresenterThatDoesNotAskTakesTheLastChoice() {
    QTemporaryDir dir;
    test::RecordedMessages messages;
    TestWindow w(dir.filePath(u"settings.ini"_s));
    QVERIFY(w.openProject(copyExample(dir, u"sand-over-clay-pipe-english"_s), ProjectFormat::Current));
    w.newProject();
    QCOMPARE(w.project().data().units, UnitSystem::English);
    QCOMPARE(w.project().data().modulusOfElasticity, 29.0e6);
    QCOMPARE(messages.shown, QStringList());
}

void ProjectUnitsTest::cancellingNewKeepsTheProject() {
    QTemporaryDir dir;
    UnitAnswers answers;
    TestWindow w(dir.filePath(u"settings.ini"_s));
    QVERIFY(w.openProject(copyExample(dir, u"sand-over-clay-pipe-english"_s), ProjectFormat::Current));
    const QString title = w.project().data().title;
    answers.units.reset();
    w.newProject();
    QCOMPARE(w.project().data().title, title);
    QVERIFY(w.project().data().fileName.endsWith(u"sand-over-clay-pipe-english.tv6d"_s));
}

void ProjectUnitsTest::aSwitchOffersTheIncrementOfTheNewSystem_data() {
    QTest::addColumn<int>("answer");  // QMessageBox::StandardButton
    QTest::addColumn<int>("units");   // code after the answer
    QTest::addColumn<double>("increment");
    // 1 ft is 0.3048 m; a new S.I. project's increment is 0.25 m.
    QTest::newRow("yes: the new system's own") << int(QMessageBox::Yes) << 2 << 0.25;
    QTest::newRow("no: the converted one") << int(QMessageBox::No) << 2 << 0.3048;
    QTest::newRow("cancel: no switch") << int(QMessageBox::Cancel) << 1 << 1.0;
}

void ProjectUnitsTest::aSwitchOffersTheIncrementOfTheNewSystem() {
    QFETCH(int, answer);
    QFETCH(int, units);
    QFETCH(double, increment);
    QTemporaryDir dir;
    UnitAnswers answers;
    answers.units = UnitSystem::English;
    TestWindow w(dir.filePath(u"settings.ini"_s));
    w.newProject();
    answers.answers = {static_cast<QMessageBox::StandardButton>(answer)};
    test::findAction(test::openMenu(&w, u"Options"_s), u"S.I. Units (kN, m, mm)"_s)->trigger();
    QCOMPARE(answers.shown.size(), 1);
    QVERIFY2(answers.shown[0].contains(u"0.3048 m"_s) && answers.shown[0].contains(u"0.25 m"_s),
             qPrintable(answers.shown[0]));
    QCOMPARE(static_cast<int>(w.project().data().units), units);
    QCOMPARE(w.project().data().computationIncrement, increment);
    // An increment that is the new system's own already asks nothing: 0.25 m is not, 1 ft is.
    if (units == 2 && increment == 0.25) {
        answers.shown.clear();
        answers.answers = {QMessageBox::No};
        test::findAction(test::openMenu(&w, u"Options"_s), u"English Units (kips, ft, in)"_s)->trigger();
        QCOMPARE(answers.shown.size(), 1);  // 0.25 m is 0.8202 ft
        QCOMPARE(w.project().data().units, UnitSystem::English);
    }
}

void ProjectUnitsTest::valuesStayAsTypedThroughASwitchARunAndBack() {
    QTemporaryDir dir;
    UnitAnswers answers;
    TestWindow w(dir.filePath(u"settings.ini"_s));
    const QString path = copyExample(dir, u"open-pipe-offshore-si"_s);
    QVERIFY(w.openProject(path, ProjectFormat::Current));
    QVERIFY(w.save());
    const QByteArray typed = contents(path);

    answers.answers = {QMessageBox::No};  // keep the converted increment
    test::findAction(test::openMenu(&w, u"Options"_s), u"English Units (kips, ft, in)"_s)->trigger();
    QCOMPARE(w.project().data().units, UnitSystem::English);
    w.runAnalysis();
    QVERIFY(w.plotLoaded());
    // Opened again from the file the run saved, and switched back.
    QVERIFY(w.openProject(path, ProjectFormat::Current));
    answers.answers = {QMessageBox::No};
    test::findAction(test::openMenu(&w, u"Options"_s), u"S.I. Units (kN, m, mm)"_s)->trigger();
    QCOMPARE(w.project().data().units, UnitSystem::SI);
    QVERIFY(w.save());
    QCOMPARE(contents(path), typed);
}

void ProjectUnitsTest::theDriveabilityExportCarriesTheResistancesOfTheRun() {
    QTemporaryDir dir;
    UnitAnswers answers;
    TestWindow w(dir.filePath(u"settings.ini"_s));
    const QString path = copyExample(dir, u"sand-over-clay-pipe-english"_s);  // no plot file: no results
    QVERIFY(w.openProject(path, ProjectFormat::Current));
    w.runAnalysis();
    QVERIFY(w.plotLoaded());
    const std::size_t points = w.project().results().driveability().size();
    QVERIFY(points > 0);
    const QList<QByteArray> lines = contents(besideProject(path, ".gwi")).split('\n');
    // 10 lines, one per resistance point, 7 closing lines (and the empty rest after the last break).
    QCOMPARE(static_cast<std::size_t>(lines.size() - 1), 10 + points + 7);
    // The pile line begins with the penetration of the last resistance point.
    const double depth = w.project().results().driveability().back().depth;
    QCOMPARE(lines[5].trimmed().split(' ').first().toDouble(), QString::number(depth, 'E', 2).toDouble());
}

QTEST_MAIN(ProjectUnitsTest)
#include "projectunits_test.moc"
