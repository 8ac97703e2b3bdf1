// The CSV columns dialog, opened by the CPT data dialog for a CSV file whose headings name nothing:
// the user names the depth and qc columns and their units.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "app/dialogs/csvcolumnsdialog.h"
#include "tests/app/dialogs/cptimportdriver.h"

using namespace torve;
using namespace torve::app;
using namespace torve::app::test;
using namespace Qt::StringLiterals;

class CsvColumnsDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void csvColumnsNamedByTheUser();

  private:
    RecordedMessages messages_;
};

// Headings that name nothing: the user names Level (m) as depth and Cone (MPa) as qc; the decimal
// commas of a semicolon-separated file are decimal points: 1.5 m, 2 MPa = 2000 kPa.
void CsvColumnsDialogTest::csvColumnsNamedByTheUser() {
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

QTEST_MAIN(CsvColumnsDialogTest)
#include "csvcolumnsdialog_test.moc"
