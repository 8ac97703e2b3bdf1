// The soil layers and soil data dialogs: the layer limits, insertion and deletion, a change of soil
// type, blow counts against friction angles, and rows that follow the layer table.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
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

QString depthField(int layer) {
    return u"Layer %1, Depth at Bottom (ft)"_s.arg(layer);
}

// Layers of the given bottom depths, every one sand.
void setLayers(Project& project, const QList<double>& bottoms) {
    GridTable& d = project.tables().soilLayers;
    d.setRowCount(static_cast<int>(bottoms.size()));
    for (int i = 0; i < bottoms.size(); ++i) d.cell(Tables::BottomDepthColumn, i).setDouble(bottoms[i]);
}

GridTable& layerData(Project& project, int layer) {
    return *project.tables().soilLayers.cell(Tables::LayerDataColumn, layer).subTable();
}

// Every name in the accessibility tree under `node`: the name it reports and the name its widget was
// given (a combo box on X11 reports its current text, its name coming by relation).
void accessibleNames(QAccessibleInterface* node, QStringList& names, int depth = 0) {
    if (!node || depth > 40) return;
    names << node->text(QAccessible::Name);
    if (auto* w = qobject_cast<QWidget*>(node->object())) names << w->accessibleName();
    for (int i = 0; i < node->childCount(); ++i) accessibleNames(node->child(i), names, depth + 1);
}

SoilLayersDialog* layersDialog(const std::unique_ptr<QWidget>& dialog) {
    return qobject_cast<SoilLayersDialog*>(dialog.get());
}

}  // namespace

class SoilDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void layerLimits_data();
    void layerLimits();
    void insertedLayerTakesTheSelectedPlace();
    void deletionAsksWhenConfirmed();
    void sandToClayKeepsWeightsAndUserValues();
    void blowCountsStoreFrictionAnglesAsZero();
    void frictionAnglesStoreBlowCountsAsZero();
    void remoldedStrengthForSteelPipesAndTheClayRule_data();
    void remoldedStrengthForSteelPipesAndTheClayRule();
    void plasticityAndYieldStressForTheMethodsThatReadThem_data();
    void plasticityAndYieldStressForTheMethodsThatReadThem();
    void earthPressureAndBearingFactorForTheMethodsThatReadThem_data();
    void earthPressureAndBearingFactorForTheMethodsThatReadThem();
    void rowsFollowTheLayerTable();
    void everyRowReachableByTabAndScreenReader();

  private:
    RecordedMessages messages_;
};

void SoilDialogsTest::layerLimits_data() {
    QTest::addColumn<int>("layers");
    QTest::addColumn<bool>("add");
    QTest::addColumn<bool>("insert");
    QTest::addColumn<bool>("remove");
    QTest::newRow("none") << 0 << true << false << false;
    QTest::newRow("one") << 1 << true << true << true;
    // A run takes two soil points per layer and 80 points at most.
    QTest::newRow("forty") << 40 << false << false << true;
}

void SoilDialogsTest::layerLimits() {
    QFETCH(int, layers);
    QFETCH(bool, add);
    QFETCH(bool, insert);
    QFETCH(bool, remove);
    RecordingHost host;
    host.project().tables().soilLayers.setRowCount(layers);
    auto dialog = openDialog(host, DialogId::SoilLayers);
    QCOMPARE(need(dialog.get(), u"Add Layer"_s).isEnabled(), add);
    QCOMPARE(need(dialog.get(), u"Insert Layer"_s).isEnabled(), insert);
    QCOMPARE(need(dialog.get(), u"Delete Layer"_s).isEnabled(), remove);
    QCOMPARE(findByAccessibleName<QPushButton>(dialog.get(), u"Edit Layer %1"_s.arg(layers)) != nullptr,
             layers > 0);
}

void SoilDialogsTest::insertedLayerTakesTheSelectedPlace() {
    RecordingHost host;
    setLayers(host.project(), {10, 20, 30});
    auto dialog = openDialog(host, DialogId::SoilLayers);
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    QVERIFY(enter(dialog.get(), u"Layer 2, Max. Side Friction (lbs/ft^2)"_s, u"500"_s));
    need(dialog.get(), depthField(2)).setFocus();
    QCOMPARE(layersDialog(dialog)->selectedLayer(), 1);
    click(dialog.get(), u"Insert Layer"_s);
    const GridTable& d = host.project().tables().soilLayers;
    QCOMPARE(d.rowCount(), 4);
    const QList<double> depths = {10, 0, 20, 30};
    for (int i = 0; i < 4; ++i) QCOMPARE(d.cell(Tables::BottomDepthColumn, i).toDouble(), depths[i]);
    QCOMPARE(d.cell(Tables::MaxSideFrictionColumn, 2).toDouble(), 500.0);  // stored before the insertion
    QCOMPARE(d.cell(Tables::SoilTypeColumn, 1).toInt(), 1);
    QCOMPARE(d.cell(Tables::SideFactorColumn, 1).toDouble(), 1.0);
    QCOMPARE(textOf(dialog.get(), depthField(3)), u"20"_s);
    QCOMPARE(textOf(dialog.get(), depthField(4)), u"30"_s);
}

void SoilDialogsTest::deletionAsksWhenConfirmed() {
    RecordingHost host;
    setLayers(host.project(), {10, 20, 30});
    auto dialog = openDialog(host, DialogId::SoilLayers);
    messages_.shown.clear();
    messages_.answers = {QMessageBox::No};
    click(dialog.get(), u"Delete Layer"_s);
    QCOMPARE(messages_.shown, QStringList{u"Do you want to delete soil layer in row 1"_s});
    QCOMPARE(host.project().tables().soilLayers.rowCount(), 3);
    messages_.answers = {QMessageBox::Yes};
    click(dialog.get(), u"Delete Layer"_s);
    QCOMPARE(host.project().tables().soilLayers.rowCount(), 2);
    messages_.shown.clear();
    click(dialog.get(), u"Confirm Deletion"_s);
    click(dialog.get(), u"Delete Layer"_s);
    QVERIFY(messages_.shown.isEmpty());
    QCOMPARE(host.project().tables().soilLayers.rowCount(), 1);
    QCOMPARE(textOf(dialog.get(), depthField(1)), u"30"_s);
}

void SoilDialogsTest::sandToClayKeepsWeightsAndUserValues() {
    RecordingHost host;
    setLayers(host.project(), {10, 20, 30});
    GridTable& sand = layerData(host.project(), 2);
    for (int row = 0; row < 2; ++row) {
        sand.cell(Tables::SandUnitWeight, row).setDouble(57.6 + row);
        sand.cell(Tables::FrictionAngle, row).setDouble(30 + row);
        sand.cell(Tables::SandUserFriction, row).setDouble(100 + row);
        sand.cell(Tables::SandUserBearing, row).setDouble(200 + row);
    }
    auto dialog = openDialog(host, DialogId::SoilLayers);
    auto& soilType = need<QComboBox>(dialog.get(), u"Layer 3, Soil Type"_s);
    QTest::keyClick(&soilType, Qt::Key_Down);
    QCOMPARE(soilType.currentText(), u"Clay"_s);
    QCOMPARE(host.project().tables().soilLayers.cell(Tables::SoilTypeColumn, 2).toInt(), 2);
    const GridTable& clay = layerData(host.project(), 2);
    QCOMPARE(clay.caption(), u"Clay Layer Data"_s);
    for (int row = 0; row < 2; ++row) {
        QCOMPARE(clay.cell(Tables::ClayUnitWeight, row).toDouble(), 57.6 + row);
        QCOMPARE(clay.cell(Tables::ClayUserFriction, row).toDouble(), 100.0 + row);
        QCOMPARE(clay.cell(Tables::ClayUserBearing, row).toDouble(), 200.0 + row);
        QCOMPARE(clay.cell(Tables::UndrainedStrength, row).toDouble(), 0.0);  // not the friction angle
    }
}

void SoilDialogsTest::blowCountsStoreFrictionAnglesAsZero() {
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
void SoilDialogsTest::frictionAnglesStoreBlowCountsAsZero() {
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

void SoilDialogsTest::remoldedStrengthForSteelPipesAndTheClayRule_data() {
    QTest::addColumn<int>("pileType");
    QTest::addColumn<int>("method");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("steel pipe") << 1 << 4 << true;
    QTest::newRow("timber") << 2 << 4 << false;
    // The ICP-05 clay rule forms the clay's sensitivity su / sur whatever the pile.
    QTest::newRow("timber, ICP/MTD") << 2 << 7 << true;
}

// Only an open pipe takes soil into it, and the methods of the clay rule take sur from every clay.
void SoilDialogsTest::remoldedStrengthForSteelPipesAndTheClayRule() {
    QFETCH(int, pileType);
    QFETCH(int, method);
    QFETCH(bool, enabled);
    OneMethodDialog d(method, 2, static_cast<PileType>(pileType));
    QCOMPARE(d.enabled(u"3. Remolded Shear Strength, bottom (lbs/ft^2)"_s), enabled);
}

void SoilDialogsTest::plasticityAndYieldStressForTheMethodsThatReadThem_data() {
    QTest::addColumn<int>("method");
    QTest::addColumn<bool>("pi");
    QTest::addColumn<bool>("ysr");
    QTest::newRow("API RP 2A") << 4 << false << false;
    QTest::newRow("NGI") << 6 << true << false;  // NGI's own clay rule bears on PI alone
    QTest::newRow("ICP/MTD") << 7 << true << true;
    QTest::newRow("Fugro") << 8 << true << true;
    QTest::newRow("UWA") << 9 << true << true;
}

// A value the check before a run asks for is one the user can enter: a field left disabled for a
// method that reads it would leave its clay friction at zero, and the run refused.
void SoilDialogsTest::plasticityAndYieldStressForTheMethodsThatReadThem() {
    QFETCH(int, method);
    QFETCH(bool, pi);
    QFETCH(bool, ysr);
    OneMethodDialog d(method, 2);
    QCOMPARE(d.enabled(u"6a. Plasticity Index, PI(%), top"_s), pi);
    QCOMPARE(d.enabled(u"6b. Yield STress Ratio, YSR, bottom"_s), ysr);
    QCOMPARE(d.labelEnabled(u"6. Data for ICP/MTD Computation Method"_s), pi || ysr ? 1 : 0);
}

void SoilDialogsTest::earthPressureAndBearingFactorForTheMethodsThatReadThem_data() {
    QTest::addColumn<int>("method");
    QTest::addColumn<bool>("ko");
    QTest::addColumn<bool>("nq");
    QTest::newRow("FHWA") << 1 << false << false;
    QTest::newRow("USACE") << 2 << true << false;           // f = K s'v tan(delta) in sand
    QTest::newRow("Revised Lambda") << 3 << false << true;  // the end bearing of API RP 2A, Nq s'v
    QTest::newRow("API RP 2A") << 4 << true << true;
}

void SoilDialogsTest::earthPressureAndBearingFactorForTheMethodsThatReadThem() {
    QFETCH(int, method);
    QFETCH(bool, ko);
    QFETCH(bool, nq);
    OneMethodDialog d(method, 1);
    QCOMPARE(d.enabled(u"3a. Coefficient of Lateral Earth Pressure, Ko, top"_s), ko);
    QCOMPARE(d.enabled(u"3b. Bearing Capacity Factor, Nq, bottom"_s), nq);
    QCOMPARE(d.labelEnabled(u"3. Data for API Computation Method"_s), ko || nq ? 1 : 0);
}

void SoilDialogsTest::rowsFollowTheLayerTable() {
    RecordingHost host;
    setLayers(host.project(), {10, 20});
    auto dialog = openDialog(host, DialogId::SoilLayers);
    // A table window changes the layers while the dialog is open.
    GridTable& d = host.project().tables().soilLayers;
    d.cell(Tables::BottomDepthColumn, 1).setDouble(25);
    d.addRowGroup();
    QCOMPARE(textOf(dialog.get(), depthField(2)), u"25"_s);
    QVERIFY(findByAccessibleName<QPushButton>(dialog.get(), u"Edit Layer 3"_s));
    host.project().setUnits(UnitSystem::SI);
    // 25 ft x 0.3048 m/ft, within the rounding of the tables' foot
    QVERIFY(qAbs(need<NumberField>(dialog.get(), u"Layer 2, Depth at Bottom (m)"_s).value() - 7.62) < 1e-9);
}

void SoilDialogsTest::everyRowReachableByTabAndScreenReader() {
    RecordingHost host;
    setLayers(host.project(), {10, 20, 30});
    auto dialog = openDialog(host, DialogId::SoilLayers);
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    // A screen reader finds each row's controls by their names.
    QStringList names;
    accessibleNames(QAccessible::queryAccessibleInterface(dialog.get()), names);
    for (const QString& name : {u"Edit Layer 2"_s, u"Layer 2, Soil Type"_s, depthField(2), u"Edit Layer 3"_s,
                                u"Layer 3, Max. End Bearing (lbs/ft^2)"_s})
        QVERIFY2(names.contains(name), qPrintable(name));
    // Tab runs along a row, left to right, and on into the next: seven controls per row.
    need(dialog.get(), u"Edit Layer 1"_s).setFocus();
    QStringList visited;
    for (int i = 0; i < 8; ++i) {
        visited << QApplication::focusWidget()->accessibleName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited.mid(0, 3), (QStringList{u"Edit Layer 1"_s, u"Layer 1, Soil Type"_s, depthField(1)}));
    QCOMPARE(visited[7], u"Edit Layer 2"_s);
    // The row in focus is the one Insert and Delete act on.
    QCOMPARE(layersDialog(dialog)->selectedLayer(), 1);
}

QTEST_MAIN(SoilDialogsTest)
#include "soildialogs_test.moc"
