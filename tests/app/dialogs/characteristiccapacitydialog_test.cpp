// The characteristic capacity dialog, driven through its accessible names with a runner that gives
// the capacities worked by hand for a square precast pile, tip at 15 m in sand: 3520.0 kN on a
// uniform qc of 10 MPa, 3130.1 kN with a soft layer above the tip, 3699.2 kN with stiff bands.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QTest>

#include "app/dialogs/characteristiccapacitydialog.h"
#include "app/graph/graph.h"
#include "tests/app/dialogs/dialogdriver.h"

using namespace torve;
using namespace torve::app;
using namespace torve::app::test;
using namespace Qt::StringLiterals;

class CharacteristicCapacityDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void threeSoundingsGiveTheTableAndTheGraph();
    void aRunThatFailsIsNamedAndNothingShown();
    void everyControlIsNamedByItsCaption();
};

namespace {

// The capacity at 14 and 15 m of each file by its name; at 14 m a tenth less.
SoundingRun handWorked(const QString& file, Method method, QStringList* asked) {
    asked->append(file + u' ' + QString::fromLatin1(method_info(method).name));
    const double tip = file.endsWith(u"N1.cpt"_s) ? 3520.0 : file.endsWith(u"N2.cpt"_s) ? 3130.1 : 3699.2;
    if (file.endsWith(u"bad.cpt"_s)) return {std::nullopt, u"the run gave no capacity by NGI."_s};
    return {SoundingCapacity{"", {14.0, 15.0}, {0.9 * tip, tip}}, {}};
}

QString cellText(QWidget* root, int row, int column) {
    return need<QTableWidget>(root, u"Capacities by depth:"_s).item(row, column)->text();
}

}  // namespace

void CharacteristicCapacityDialogTest::threeSoundingsGiveTheTableAndTheGraph() {
    QStringList asked;
    CharacteristicCapacityDialog dialog(
        {Method::Api, Method::Ngi}, false,
        [&asked](const QString& f, Method m) { return handWorked(f, m, &asked); });
    dialog.addCptFiles({u"/d/N1.cpt"_s, u"/d/N2.cpt"_s, u"/d/N3.cpt"_s, u"/d/N1.cpt"_s});
    QCOMPARE(need<QListWidget>(&dialog, u"CPT files:"_s).count(), 3);
    need<QComboBox>(&dialog, u"Method:"_s).setCurrentIndex(1);
    click(&dialog, u"Compute"_s);
    QCOMPARE(asked, (QStringList{u"/d/N1.cpt NGI"_s, u"/d/N2.cpt NGI"_s, u"/d/N3.cpt NGI"_s}));
    QVERIFY(dialog.result());
    // Depth, N1, N2, N3, mean, min, xi3, xi4, R_c,k, R_c,d at 15 m: mean 3449.8, min 3130.1,
    // 3130.1 / 1.30 = 2407.8, / 1.2 = 2006.5.
    const QStringList expected{u"15.00"_s,  u"3520.0"_s, u"3130.1"_s, u"3699.2"_s, u"3449.8"_s,
                               u"3130.1"_s, u"1.3000"_s, u"1.3000"_s, u"2407.8"_s, u"2006.5"_s};
    for (int c = 0; c < expected.size(); ++c) QCOMPARE(cellText(&dialog, 1, c), expected[c]);
    auto& table = need<QTableWidget>(&dialog, u"Capacities by depth:"_s);
    QCOMPARE(table.horizontalHeaderItem(1)->text(), u"N1.cpt (kN)"_s);
    QCOMPARE(table.horizontalHeaderItem(8)->text(), u"R_c,k (kN)"_s);
    // The graph: a curve per file and R_c,k, capacity across and depth down.
    const Graph& g = dialog.graph();
    QCOMPARE(g.lineCount(), 4);
    QCOMPARE(g.line(3).name, u"R_c,k"_s);
    QCOMPARE(g.line(1).points.at(1), QPointF(3130.1, 15.0));

    // A stiff structure: 3130.1 / (1.30 / 1.1) = 2648.5.
    need<QCheckBox>(&dialog, u"Stiff structure"_s).setChecked(true);
    click(&dialog, u"Compute"_s);
    QCOMPARE(cellText(&dialog, 1, 6), u"1.1818"_s);
    QCOMPARE(cellText(&dialog, 1, 8), u"2648.5"_s);

    // Removing two files leaves one sounding: 3520.0 / 1.39 = 2532.4.
    auto& files = need<QListWidget>(&dialog, u"CPT files:"_s);
    files.item(1)->setSelected(true);
    files.item(2)->setSelected(true);
    click(&dialog, u"Remove"_s);
    need<QCheckBox>(&dialog, u"Stiff structure"_s).setChecked(false);
    click(&dialog, u"Compute"_s);
    QCOMPARE(cellText(&dialog, 1, 4), u"1.3900"_s);
    QCOMPARE(cellText(&dialog, 1, 6), u"2532.4"_s);
}

void CharacteristicCapacityDialogTest::aRunThatFailsIsNamedAndNothingShown() {
    QStringList asked;
    CharacteristicCapacityDialog dialog(
        {Method::Ngi}, true, [&asked](const QString& f, Method m) { return handWorked(f, m, &asked); });
    click(&dialog, u"Compute"_s);
    QVERIFY(asked.isEmpty());
    QVERIFY(!dialog.result());
    dialog.addCptFiles({u"/d/N1.cpt"_s, u"/d/bad.cpt"_s});
    click(&dialog, u"Compute"_s);
    QVERIFY(!dialog.result());
    QCOMPARE(need<QTableWidget>(&dialog, u"Capacities by depth:"_s).rowCount(), 0);
    bool named = false;
    for (const QLabel* l : dialog.findChildren<QLabel*>())
        named = named || l->text() == u"bad.cpt: the run gave no capacity by NGI."_s;
    QVERIFY(named);
}

void CharacteristicCapacityDialogTest::everyControlIsNamedByItsCaption() {
    CharacteristicCapacityDialog dialog({Method::Api}, true,
                                        [](const QString&, Method) { return SoundingRun{}; });
    for (const QString& name : {u"CPT files:"_s, u"Add CPT Files..."_s, u"Remove"_s, u"Method:"_s,
                                u"Stiff structure"_s, u"Compute"_s, u"Capacities by depth:"_s, u"Close"_s})
        need(&dialog, name);
    QCOMPARE(dialog.windowTitle(), u"Characteristic Capacity"_s);
}

QTEST_MAIN(CharacteristicCapacityDialogTest)
#include "characteristiccapacitydialog_test.moc"
