// The CPT data dialog: a file in MPa read with Ua 1000, the graphs shown, and files it refuses.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/dialogs/csvcolumnsdialog.h"
#include "app/dialogs/soundingimportdialog.h"
#include "app/graph/graph.h"
#include "tests/app/dialogs/dialogdriver.h"

using namespace torve;
using namespace torve::app;
using namespace torve::app::test;
using namespace Qt::StringLiterals;

namespace {

const QString kFileName = u"Name of file for input cone data"_s;
const QString kLines = u"Number of data lines to be read from the file"_s;
const QString kHeader = u"Number of header lines in file containing cone data"_s;
const QString kColumns = u"Number of data columns per line to be read from the data file"_s;
const QString kUa = u"Unit conversion factor for stress, Ua"_s;
const QString kQcGraph = u" Graphics Button - Qc versus depth"_s;

// Three header lines, then 100 lines of depth (m), qc (MPa) and a sleeve friction the dialog skips.
QString writeConeFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
    f.write("Site A\nCone 10 cm2\ndepth qc fs\n");
    for (int i = 1; i <= 100; ++i) f.write(QStringLiteral("%1 %2 0.05\n").arg(i * 0.2).arg(i * 0.1).toUtf8());
    return path;
}

void fill(QWidget* dialog, const QString& file, const QString& lines, const QString& ua) {
    need<QLineEdit>(dialog, kFileName).setText(file);
    QVERIFY(enter(dialog, kLines, lines));
    QVERIFY(enter(dialog, kHeader, u"3"_s));
    QVERIFY(enter(dialog, kColumns, u"2"_s));
    QVERIFY(enter(dialog, kUa, ua));
}

}  // namespace

class CptDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void fileInMegapascals();
    void refusedFiles_data();
    void refusedFiles();
    void editFileOpensTheNamedFile();
    void soundingFileImportedAfterItsSummary();
    void csvColumnsNamedByTheUser();

  private:
    RecordedMessages messages_;
};

void CptDialogTest::fileInMegapascals() {
    RecordingHost host;
    host.project().setUnits(UnitSystem::SI);
    auto dialog = openDialog(host, DialogId::CptData);
    fill(dialog.get(), writeConeFile(host.path(u"cone.txt"_s)), u"100"_s, u"1000"_s);
    click(dialog.get(), kQcGraph);
    QVERIFY(messages_.shown.isEmpty());
    const ProjectData& d = host.project().data();
    QCOMPARE(d.cptPoints.size(), std::size_t{100});
    QCOMPARE(d.cptPoints.front(), (CptPoint{0.2, 100}));  // 0.1 MPa = 100 kPa
    QCOMPARE(d.cptPoints.back(), (CptPoint{20, 10000}));
    Graph& qc = host.project().cptGraph(CptProfile::Qc);
    QCOMPARE(host.graphs, QList<Graph*>{&qc});
    QCOMPARE(qc.xCaption, u"Qc, kPa"_s);
    QCOMPARE(qc.line(0).points.size(), std::size_t{100});
    // SPT N = qc (kPa) / 280: the last point gives 10000 / 280.
    click(dialog.get(), u" Graphics Button - Converted SPT versus depth"_s);
    QCOMPARE(host.graphs.last(), &host.project().cptGraph(CptProfile::Spt));
    QCOMPARE(host.graphs.last()->line(0).points.back().x(), 10000.0 / 280);
    QCOMPARE(host.project().data().cptPoints.back().qc, 10000.0);  // the points stay qc
    QCOMPARE(host.project().data().cptImport.headerLines, 3);

    // The next save hands the engine the points: " 2 " for S.I. and their count, one line each.
    ProjectData named = host.project().data();
    named.fileName = host.path(u"pile.tv6d"_s);
    host.project().setData(named);
    host.project().saveProject();
    QFile cpt(host.path(u"pile.cpt"_s));
    QVERIFY(cpt.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = cpt.readAll().trimmed().split('\n');
    QCOMPARE(lines.front().trimmed(), QByteArray("2 100"));
    QCOMPARE(lines.size(), 101);
}

void CptDialogTest::refusedFiles_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("lines");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << u"nowhere.txt"_s << u"100"_s << u"File %1 does not exists"_s;
    QTest::newRow("shorter than said")
        << u"cone.txt"_s << u"101"_s << u"There was an error reading the input CPT file."_s;
    QTest::newRow("more than a run takes")
        << u"cone.txt"_s << u"1001"_s
        << u"At most 1000 data lines of cone data can be used in an analysis; 1001 were asked for."_s;
}

void CptDialogTest::refusedFiles() {
    QFETCH(QString, file);
    QFETCH(QString, lines);
    QFETCH(QString, message);
    RecordingHost host;
    writeConeFile(host.path(u"cone.txt"_s));
    auto dialog = openDialog(host, DialogId::CptData);
    fill(dialog.get(), host.path(file), lines, u"1"_s);
    messages_.shown.clear();
    click(dialog.get(), kQcGraph);
    QCOMPARE(messages_.shown, QStringList{message.arg(host.path(file))});
    QVERIFY(host.graphs.isEmpty());
    QVERIFY(host.project().data().cptPoints.empty());
}

void CptDialogTest::editFileOpensTheNamedFile() {
    RecordingHost host;
    auto dialog = openDialog(host, DialogId::CptData);
    QVERIFY(!need(dialog.get(), u"Edit File"_s).isEnabled());
    QTest::keyClicks(&need<QLineEdit>(dialog.get(), kFileName), u"cone.txt"_s);
    QVERIFY(host.project().isModified());
    click(dialog.get(), u"Edit File"_s);
    QCOMPARE(host.files, QStringList{u"cone.txt"_s});
}

// Answers the import dialog once it is shown (it is modal), after `look` has seen it.
void answerImport(bool accept, std::function<void(SoundingImportDialog&)> look) {
    QTimer::singleShot(0, [accept, look] {
        auto* d = qobject_cast<SoundingImportDialog*>(QApplication::activeModalWidget());
        if (!d) qFatal("no import dialog shown");
        look(*d);
        if (accept)
            click(d, u"Import"_s);
        else
            d->reject();
    });
}

// The AGS4 example: two tests; the second (a = 0.75, qc in MN/m2, u2 in kN/m2) gives
// qt = 1000 qc + 0.25 u2: 800, 1600 + 10, 2400 + 20 kPa. Cancelled, nothing changes.
void CptDialogTest::soundingFileImportedAfterItsSummary() {
    RecordingHost host;
    host.project().setUnits(UnitSystem::SI);
    auto dialog = openDialog(host, DialogId::CptData);
    need<QLineEdit>(dialog.get(), kFileName)
        .setText(QStringLiteral(TORVE_SOURCE_DIR "/examples/cpt/two-soundings.ags"));
    answerImport(false, [](SoundingImportDialog&) {});
    click(dialog.get(), kQcGraph);
    QVERIFY(host.project().data().cptPoints.empty());
    QVERIFY(host.graphs.isEmpty());

    QString summary;
    answerImport(true, [&summary](SoundingImportDialog& d) {
        auto& test = need<QComboBox>(&d, u"Test"_s);
        QVERIFY(test.isEnabled());
        test.setCurrentIndex(1);
        summary = d.summary();
    });
    click(dialog.get(), kQcGraph);
    QVERIFY2(summary.contains(u"Cone resistance: qt = qc + (1 - a) u2 with a = 0.75"_s), qPrintable(summary));
    QVERIFY2(summary.contains(u"Rows read: 3."_s), qPrintable(summary));
    QCOMPARE(host.project().data().cptPoints, (std::vector<CptPoint>{{0.2, 800}, {0.4, 1610}, {0.6, 2420}}));
    QCOMPARE(host.graphs, QList<Graph*>{&host.project().cptGraph(CptProfile::Qc)});
    // The points stay; the other graphs show them without a second import.
    click(dialog.get(), u" Graphics Button - Converted Su versus depth"_s);
    QCOMPARE(host.graphs.size(), 2);
    QCOMPARE(host.graphs.last()->line(0).points.back().x(), 2420.0 / 15);

    // A damaged file is refused with its line; the points stay.
    QFile bad(host.path(u"bad.gef"_s));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("#COLUMNINFO= 1, m, length, 1\n");
    bad.close();
    need<QLineEdit>(dialog.get(), kFileName).setText(bad.fileName());
    messages_.shown.clear();
    click(dialog.get(), kQcGraph);
    QCOMPARE(messages_.shown.size(), 1);
    QVERIFY2(messages_.shown.front().contains(u"#EOH="_s), qPrintable(messages_.shown.front()));
    QCOMPARE(host.project().data().cptPoints.size(), std::size_t{3});
}

// Headings that name nothing: the user names Level (m) as depth and Cone (MPa) as qc; the decimal
// commas of a semicolon-separated file are decimal points: 1.5 m, 2 MPa = 2000 kPa.
void CptDialogTest::csvColumnsNamedByTheUser() {
    RecordingHost host;
    host.project().setUnits(UnitSystem::SI);
    QFile csv(host.path(u"own.csv"_s));
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("Level;Cone;Note\n1,5;2;a\n2,5;3,5;b\n");
    csv.close();
    auto dialog = openDialog(host, DialogId::CptData);
    need<QLineEdit>(dialog.get(), kFileName).setText(csv.fileName());
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<CsvColumnsDialog*>(QApplication::activeModalWidget());
        if (!d) qFatal("no columns dialog shown");
        need<QComboBox>(d, u"Depth"_s).setCurrentText(u"Level"_s);
        need<QLineEdit>(d, u"Unit of Depth"_s).setText(u"m"_s);
        need<QComboBox>(d, u"qc"_s).setCurrentText(u"Cone"_s);
        need<QLineEdit>(d, u"Unit of qc"_s).setText(u"MPa"_s);
        answerImport(true, [](SoundingImportDialog&) {});
        click(d, u"OK"_s);
    });
    click(dialog.get(), kQcGraph);
    QCOMPARE(host.project().data().cptPoints, (std::vector<CptPoint>{{1.5, 2000}, {2.5, 3500}}));
}

QTEST_MAIN(CptDialogTest)
#include "cptdialog_test.moc"
