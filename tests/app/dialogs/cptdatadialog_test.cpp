// The CPT data dialog: a plain column file in MPa read with Ua 1000, the graphs shown and the points
// saved, the files it refuses, and the named file opened for editing.
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include "app/graph/graph.h"
#include "tests/app/dialogs/cptimportdriver.h"

using namespace torve;
using namespace torve::app;
using namespace torve::app::test;
using namespace Qt::StringLiterals;

namespace {

const QString kLines = u"Number of data lines to be read from the file"_s;
const QString kHeader = u"Number of header lines in file containing cone data"_s;
const QString kColumns = u"Number of data columns per line to be read from the data file"_s;
const QString kUa = u"Unit conversion factor for stress, Ua"_s;

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

class CptDataDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void fileInMegapascals();
    void refusedFiles_data();
    void refusedFiles();
    void editFileOpensTheNamedFile();

  private:
    RecordedMessages messages_;
};

void CptDataDialogTest::fileInMegapascals() {
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

void CptDataDialogTest::refusedFiles_data() {
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

void CptDataDialogTest::refusedFiles() {
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

void CptDataDialogTest::editFileOpensTheNamedFile() {
    RecordingHost host;
    auto dialog = openDialog(host, DialogId::CptData);
    QVERIFY(!need(dialog.get(), u"Edit File"_s).isEnabled());
    QTest::keyClicks(&need<QLineEdit>(dialog.get(), kFileName), u"cone.txt"_s);
    QVERIFY(host.project().isModified());
    click(dialog.get(), u"Edit File"_s);
    QCOMPARE(host.files, QStringList{u"cone.txt"_s});
}

QTEST_MAIN(CptDataDialogTest)
#include "cptdatadialog_test.moc"
