// The soil data dialog of a layer: blow counts against friction angles, and the fields each selected
// method reads enabled for it.
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "app/dialogs/soildatadialog.h"
#include "app/dialogs/soillayersdialog.h"
#include "tests/app/dialogs/dialogdriver.h"

using namespace torve;
using namespace torve::app;
using namespace torve::app::test;
using namespace Qt::StringLiterals;

namespace {

using Tables = ProjectTables;

// A dialog of a layer of `soil` (1 sand, 2 clay) with only `method` selected.
struct OneMethodDialog {
    OneMethodDialog(int method, int soil, PileType pile = PileType::SteelPipe) {
        ProjectData d = host.project().data();
        d.offshoreEdition = true;
        d.pileType = pile;
        d.selectedMethods.fill(false);
        d.setSelected(static_cast<Method>(method), true);
        host.project().setData(d);
        setLayers(host.project(), {10});
        host.project().tables().soilLayers.cell(Tables::SoilTypeColumn, 0).setInt(soil);
        dialog = std::make_unique<SoilDataDialog>(host.project(), 0);
        dialog->show();
    }
    bool enabled(const QString& name) { return need(dialog.get(), name).isEnabled(); }
    // 1 when the group label of that caption is enabled, 0 when not; -1 unless it stands once.
    int labelEnabled(const QString& caption) {
        int labels = 0, on = 0;
        for (const QLabel* label : dialog->findChildren<QLabel*>()) {
            if (label->text() != caption) continue;
            ++labels;
            on = label->isEnabled() ? 1 : 0;
        }
        return labels == 1 ? on : -1;
    }
    RecordingHost host;
    std::unique_ptr<SoilDataDialog> dialog;
};

}  // namespace

class SoilDataDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void blowCountsStoreFrictionAnglesAsZero();
    void frictionAnglesStoreBlowCountsAsZero();
    void remoldedStrengthForSteelPipesAndTheClayRule_data();
    void remoldedStrengthForSteelPipesAndTheClayRule();
    void plasticityAndYieldStressForTheMethodsThatReadThem_data();
    void plasticityAndYieldStressForTheMethodsThatReadThem();
    void earthPressureAndBearingFactorForTheMethodsThatReadThem_data();
    void earthPressureAndBearingFactorForTheMethodsThatReadThem();
    void bearingFactorByTheDensityOfTheSand_data();
    void bearingFactorByTheDensityOfTheSand();

  private:
    RecordedMessages messages_;
};

void SoilDataDialogTest::blowCountsStoreFrictionAnglesAsZero() {
    RecordingHost host;
    setLayers(host.project(), {10});
    GridTable& sand = layerData(host.project(), 0);
    sand.cell(Tables::FrictionAngle, 0).setDouble(30);
    sand.cell(Tables::FrictionAngle, 1).setDouble(32);
    sand.cell(Tables::BlowCount, 1).setInt(15);
    auto dialog = openDialog(host, DialogId::SoilLayers);
    click(dialog.get(), u"Edit Layer 1"_s);
    SoilDataDialog* data = layersDialog(dialog)->soilDataDialog();
    QVERIFY(data && data->isVisible());
    QCOMPARE(data->windowTitle(), u"Data for Layer 1"_s);
    QVERIFY(need<QRadioButton>(data, u"Enter Blow Counts from SPT"_s).isChecked());
    QVERIFY(!need(data, u"2. Friction Angle, top (Degrees)"_s).isEnabled());
    QVERIFY(!enter(data, u"Enter Blow Counts from SPT, top"_s, u"12.5"_s));  // whole numbers only
    QVERIFY(enter(data, u"Enter Blow Counts from SPT, top"_s, u"12"_s));
    data->accept();
    QVERIFY(!layersDialog(dialog)->soilDataDialog() || !data->isVisible());
    QCOMPARE(sand.cell(Tables::FrictionAngle, 0).toDouble(), 0.0);
    QCOMPARE(sand.cell(Tables::FrictionAngle, 1).toDouble(), 0.0);
    QCOMPARE(sand.cell(Tables::BlowCount, 0).toInt(), 12);
    QCOMPARE(sand.cell(Tables::BlowCount, 1).toInt(), 15);
}

// The other way round: entered friction angles make the blow counts 0. Blow counts left in place
// would select the blow-count option at the next opening, whose close then zeroes the angles.
void SoilDataDialogTest::frictionAnglesStoreBlowCountsAsZero() {
    RecordingHost host;
    setLayers(host.project(), {10});
    GridTable& sand = layerData(host.project(), 0);
    sand.cell(Tables::BlowCount, 0).setInt(15);
    sand.cell(Tables::BlowCount, 1).setInt(12);
    for (int pass = 0; pass < 2; ++pass) {
        auto dialog = openDialog(host, DialogId::SoilLayers);
        click(dialog.get(), u"Edit Layer 1"_s);
        SoilDataDialog* data = layersDialog(dialog)->soilDataDialog();
        QVERIFY(data && data->isVisible());
        if (pass == 0) {
            QVERIFY(need<QRadioButton>(data, u"Enter Blow Counts from SPT"_s).isChecked());
            need<QRadioButton>(data, u"Enter Friction Angle (Preferred)"_s).click();
            QVERIFY(enter(data, u"2. Friction Angle, top (Degrees)"_s, u"30"_s));
            QVERIFY(enter(data, u"2. Friction Angle, bottom (Degrees)"_s, u"32"_s));
        } else {  // opened again and closed as it is
            QVERIFY(need<QRadioButton>(data, u"Enter Friction Angle (Preferred)"_s).isChecked());
        }
        data->accept();
        QCOMPARE(sand.cell(Tables::BlowCount, 0).toInt(), 0);
        QCOMPARE(sand.cell(Tables::BlowCount, 1).toInt(), 0);
        QCOMPARE(sand.cell(Tables::FrictionAngle, 0).toDouble(), 30.0);
        QCOMPARE(sand.cell(Tables::FrictionAngle, 1).toDouble(), 32.0);
    }
}

void SoilDataDialogTest::remoldedStrengthForSteelPipesAndTheClayRule_data() {
    QTest::addColumn<int>("pileType");
    QTest::addColumn<int>("method");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("steel pipe") << 1 << 4 << true;
    QTest::newRow("timber") << 2 << 4 << false;
    // The ICP-05 clay rule forms the clay's sensitivity su / sur whatever the pile.
    QTest::newRow("timber, ICP/MTD") << 2 << 7 << true;
}

// Only an open pipe takes soil into it, and the methods of the clay rule take sur from every clay.
void SoilDataDialogTest::remoldedStrengthForSteelPipesAndTheClayRule() {
    QFETCH(int, pileType);
    QFETCH(int, method);
    QFETCH(bool, enabled);
    OneMethodDialog d(method, 2, static_cast<PileType>(pileType));
    QCOMPARE(d.enabled(u"3. Remolded Shear Strength, bottom (lbs/ft^2)"_s), enabled);
}

void SoilDataDialogTest::plasticityAndYieldStressForTheMethodsThatReadThem_data() {
    QTest::addColumn<int>("method");
    QTest::addColumn<bool>("pi");
    QTest::addColumn<bool>("ysr");
    QTest::addColumn<bool>("fst");  // the soil-type factor, read by the Unified clay friction alone
    QTest::newRow("API RP 2A") << 4 << false << false << false;
    QTest::newRow("NGI") << 6 << true << false << false;  // NGI's own clay rule bears on PI alone
    QTest::newRow("ICP/MTD") << 7 << true << true << false;
    QTest::newRow("Fugro") << 8 << true << true << false;
    QTest::newRow("UWA") << 9 << true << true << false;
    QTest::newRow("Unified") << 10 << false << false << true;
}

// A value the check before a run asks for is one the user can enter: a field left disabled for a
// method that reads it would leave its clay friction at zero, and the run refused.
void SoilDataDialogTest::plasticityAndYieldStressForTheMethodsThatReadThem() {
    QFETCH(int, method);
    QFETCH(bool, pi);
    QFETCH(bool, ysr);
    QFETCH(bool, fst);
    OneMethodDialog d(method, 2);
    QCOMPARE(d.enabled(u"7a. Soil Type Factor, Fst, top"_s), fst);
    QCOMPARE(d.enabled(u"6a. Plasticity Index, PI(%), top"_s), pi);
    QCOMPARE(d.enabled(u"6b. Yield STress Ratio, YSR, bottom"_s), ysr);
    QCOMPARE(d.labelEnabled(u"6. Data for ICP/MTD Computation Method"_s), pi || ysr ? 1 : 0);
}

void SoilDataDialogTest::earthPressureAndBearingFactorForTheMethodsThatReadThem_data() {
    QTest::addColumn<int>("method");
    QTest::addColumn<bool>("ko");
    QTest::addColumn<bool>("nq");
    QTest::newRow("FHWA") << 1 << false << false;
    QTest::newRow("USACE") << 2 << true << false;           // f = K s'v tan(delta) in sand
    QTest::newRow("Revised Lambda") << 3 << false << true;  // the end bearing of API RP 2A, Nq s'v
    QTest::newRow("API RP 2A") << 4 << true << true;
}

void SoilDataDialogTest::earthPressureAndBearingFactorForTheMethodsThatReadThem() {
    QFETCH(int, method);
    QFETCH(bool, ko);
    QFETCH(bool, nq);
    OneMethodDialog d(method, 1);
    QCOMPARE(d.enabled(u"3a. Coefficient of Lateral Earth Pressure, Ko, top"_s), ko);
    QCOMPARE(d.enabled(u"3b. Bearing Capacity Factor, Nq, bottom"_s), nq);
    QCOMPARE(d.labelEnabled(u"3. Data for API Computation Method"_s), ko || nq ? 1 : 0);
}

void SoilDataDialogTest::bearingFactorByTheDensityOfTheSand_data() {
    QTest::addColumn<QString>("density");
    QTest::addColumn<double>("nq");
    // API RP 2A, design parameters for cohesionless siliceous soil: Nq 8, 12, 20, 40 and 50.
    QTest::newRow("very loose") << u"Very loose to loose sand: Nq 8"_s << 8.0;
    QTest::newRow("loose") << u"Loose to medium dense sand: Nq 12"_s << 12.0;
    QTest::newRow("medium dense") << u"Medium dense sand: Nq 20"_s << 20.0;
    QTest::newRow("dense") << u"Dense sand: Nq 40"_s << 40.0;
    QTest::newRow("very dense") << u"Very dense sand or gravel: Nq 50"_s << 50.0;
}

void SoilDataDialogTest::bearingFactorByTheDensityOfTheSand() {
    QFETCH(QString, density);
    QFETCH(double, nq);
    OneMethodDialog d(static_cast<int>(Method::Api), 1);
    auto& choice = need<QComboBox>(d.dialog.get(), u"Nq by density (API)"_s);
    QVERIFY(choice.isEnabled());
    const int index = choice.findText(density);
    QVERIFY(index > 0);
    choice.setCurrentIndex(index);
    emit choice.activated(index);
    d.dialog->accept();
    const GridTable& sand = layerData(d.host.project(), 0);
    QCOMPARE(sand.cell(Tables::BearingFactor, 0).toDouble(), nq);
    QCOMPARE(sand.cell(Tables::BearingFactor, 1).toDouble(), nq);
    // A new sand layer has API's Ko of an open-ended pipe.
    QCOMPARE(sand.cell(Tables::EarthPressure, 0).toDouble(), 0.8);
}

QTEST_MAIN(SoilDataDialogTest)
#include "soildatadialog_test.moc"
