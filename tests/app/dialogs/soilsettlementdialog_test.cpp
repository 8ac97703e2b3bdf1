// The soil settlement dialog: its controls named by their captions, the table and head load stored
// into the project, a CSV file imported whole or refused with the line the reader names.
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include "app/dialogs/settlementtablemodel.h"
#include "app/dialogs/soilsettlementdialog.h"
#include "tests/app/dialogs/dialogdriver.h"
#include "tests/support/scratch_dir.h"

using namespace torve;
using namespace torve::app;
using namespace torve::app::test;
using namespace Qt::StringLiterals;

class SoilSettlementDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void captionsNameTheControls();
    void tableAndHeadLoadReachTheProject();
    void importedFile_data();
    void importedFile();

  private:
    RecordedMessages messages_;
};

void SoilSettlementDialogTest::captionsNameTheControls() {
    RecordingHost host;
    auto dialog = openDialog(host, DialogId::SoilSettlement);
    for (const QString& caption : {u"Add Row"_s, u"Delete Row"_s, u"Import from CSV..."_s, u"Close"_s})
        QCOMPARE(need<QAbstractButton>(dialog.get(), caption).text().remove(u'&'), caption);
    // The fields through their labels' buddies.
    for (const QString& caption : {u"Settlement profile"_s, u"Sustained head load:"_s}) {
        QWidget& field = need<QWidget>(dialog.get(), caption);
        bool labelled = false;
        for (QLabel* l : dialog->findChildren<QLabel*>())
            labelled = labelled || (l->buddy() == &field && l->text().remove(u'&') == caption);
        QVERIFY2(labelled, qPrintable(caption));
    }
}

void SoilSettlementDialogTest::tableAndHeadLoadReachTheProject() {
    RecordingHost host;
    host.project().setUnits(UnitSystem::SI);
    auto dialog = openDialog(host, DialogId::SoilSettlement);
    auto& table = need<QTableView>(dialog.get(), u"Settlement profile"_s);
    QAbstractItemModel* model = table.model();
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), u"Depth (m)"_s);
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), u"Settlement (mm)"_s);
    click(dialog.get(), u"Add Row"_s);
    table.setCurrentIndex(model->index(0, 0));
    click(dialog.get(), u"Add Row"_s);  // a metre below the first, settling as much
    QVERIFY(model->setData(model->index(0, 1), u"1000"_s));
    QVERIFY(model->setData(model->index(1, 0), u"20"_s));
    QVERIFY(!model->setData(model->index(1, 1), u"much"_s));
    need<QLineEdit>(dialog.get(), u"Sustained head load:"_s).setText(u"600"_s);
    QVERIFY(dialog->close());
    const SettlementRecord& s = host.project().data().settlement;
    QCOMPARE(s.soil.depth, (std::vector<double>{0, 20}));
    QCOMPARE(s.soil.settlement, (std::vector<double>{1000, 0}));
    QCOMPARE(s.head_load, std::optional<double>(600));
    QVERIFY(messages_.shown.isEmpty());

    // Depths out of order are refused, naming the row, and the project keeps what it had.
    auto again = openDialog(host, DialogId::SoilSettlement);
    auto& rows = need<QTableView>(again.get(), u"Settlement profile"_s);
    QVERIFY(rows.model()->setData(rows.model()->index(1, 0), u"0"_s));
    QVERIFY(again->close());
    QCOMPARE(messages_.shown.size(), 1);
    QVERIFY(messages_.shown[0].contains(u"the depth of row 2 is not below the one before it"_s));
    QCOMPARE(host.project().data().settlement.soil.depth, (std::vector<double>{0, 20}));
    messages_.shown.clear();
}

void SoilSettlementDialogTest::importedFile_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("refusal");  // empty: imported
    QTest::newRow("with its head load")
        << QByteArray("# head load (kips): 120\n0,12\n30,4\n60,0\n") << QString();
    QTest::newRow("a spreadsheet's semicolons") << QByteArray("0;12\r\n30;4\r\n60;0\r\n") << QString();
    QTest::newRow("text on line 3") << QByteArray("0,12\n30,4\n60,none\n")
                                    << u"line 3: expected a settlement, found \"none\"."_s;
    QTest::newRow("depths not increasing")
        << QByteArray("0,12\n# the clay\n30,4\n30,0\n")
        << u"line 4: the depth 30 is not below the depth 30 of the line before; the depths must increase."_s;
    QTest::newRow("a head load that pulls")
        << QByteArray("# head load (kips): -3\n0,1\n") << u"line 1: expected a head load of 0 or more"_s;
}

void SoilSettlementDialogTest::importedFile() {
    QFETCH(QByteArray, file);
    QFETCH(QString, refusal);
    torve::test::ScratchDir dir;
    const QString path = QString::fromStdString(dir.write("s.csv", file.toStdString()));
    RecordingHost host;
    ProjectData d = host.project().data();
    d.settlement = {{{0, 10}, {5, 0}}, 50.0};
    host.project().setData(d);
    messages_.shown.clear();
    auto dialog = openDialog(host, DialogId::SoilSettlement);
    auto* settlement = qobject_cast<SoilSettlementDialog*>(dialog.get());
    QVERIFY(settlement);
    QCOMPARE(settlement->importFile(path), refusal.isEmpty());
    QVERIFY(dialog->close());
    const SettlementRecord& s = host.project().data().settlement;
    if (!refusal.isEmpty()) {
        QCOMPARE(messages_.shown.size(), 1);
        QVERIFY2(messages_.shown[0].contains(refusal), qPrintable(messages_.shown[0]));
        QVERIFY2(messages_.shown[0].contains(u"The soil settlement file \""_s + path),
                 qPrintable(messages_.shown[0]));
        QCOMPARE(s.soil.depth, (std::vector<double>{0, 10}));  // as it was
        QCOMPARE(s.head_load, std::optional<double>(50));
        return;
    }
    QVERIFY(messages_.shown.isEmpty());
    QCOMPARE(s.soil.depth, (std::vector<double>{0, 30, 60}));
    QCOMPARE(s.soil.settlement, (std::vector<double>{12, 4, 0}));
    // A file without a head load leaves the one entered.
    QCOMPARE(s.head_load, std::optional<double>(file.contains("head load") ? 120 : 50));
}

QTEST_MAIN(SoilSettlementDialogTest)
#include "soilsettlementdialog_test.moc"
