// The soil layers dialog: the layer limits, insertion and deletion, a change of soil type, rows that
// follow the layer table, and every row reachable by Tab and by a screen reader.
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

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

// Every name in the accessibility tree under `node`: the name it reports and the name its widget was
// given (a combo box on X11 reports its current text, its name coming by relation).
void accessibleNames(QAccessibleInterface* node, QStringList& names, int depth = 0) {
    if (!node || depth > 40) return;
    names << node->text(QAccessible::Name);
    if (auto* w = qobject_cast<QWidget*>(node->object())) names << w->accessibleName();
    for (int i = 0; i < node->childCount(); ++i) accessibleNames(node->child(i), names, depth + 1);
}

}  // namespace

class SoilLayersDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void layerLimits_data();
    void layerLimits();
    void insertedLayerTakesTheSelectedPlace();
    void deletionAsksWhenConfirmed();
    void sandToClayKeepsWeightsAndUserValues();
    void rowsFollowTheLayerTable();
    void everyRowReachableByTabAndScreenReader();

  private:
    RecordedMessages messages_;
};

void SoilLayersDialogTest::layerLimits_data() {
    QTest::addColumn<int>("layers");
    QTest::addColumn<bool>("add");
    QTest::addColumn<bool>("insert");
    QTest::addColumn<bool>("remove");
    QTest::newRow("none") << 0 << true << false << false;
    QTest::newRow("one") << 1 << true << true << true;
    // A run takes two soil points per layer and 80 points at most.
    QTest::newRow("forty") << 40 << false << false << true;
}

void SoilLayersDialogTest::layerLimits() {
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

void SoilLayersDialogTest::insertedLayerTakesTheSelectedPlace() {
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

void SoilLayersDialogTest::deletionAsksWhenConfirmed() {
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

void SoilLayersDialogTest::sandToClayKeepsWeightsAndUserValues() {
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

void SoilLayersDialogTest::rowsFollowTheLayerTable() {
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

void SoilLayersDialogTest::everyRowReachableByTabAndScreenReader() {
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

QTEST_MAIN(SoilLayersDialogTest)
#include "soillayersdialog_test.moc"
