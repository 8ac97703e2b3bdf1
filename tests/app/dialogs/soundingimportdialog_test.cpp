// The sounding import dialog, opened by the CPT data dialog for an exchange-format file: the test
// chosen after its summary, cancelled or imported, and a damaged file refused with its line.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include "app/graph/graph.h"
#include "tests/app/dialogs/cptimportdriver.h"

using namespace torve;
using namespace torve::app;
using namespace torve::app::test;
using namespace Qt::StringLiterals;

class SoundingImportDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void soundingFileImportedAfterItsSummary();

  private:
    RecordedMessages messages_;
};

// The AGS4 example: two tests; the second (a = 0.75, qc in MN/m2, u2 in kN/m2) gives
// qt = 1000 qc + 0.25 u2: 800, 1600 + 10, 2400 + 20 kPa. Cancelled, nothing changes.
void SoundingImportDialogTest::soundingFileImportedAfterItsSummary() {
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

QTEST_MAIN(SoundingImportDialogTest)
#include "soundingimportdialog_test.moc"
