// Grid tables: rows and groups, top-depth linking, sub-tables by choice, typed entry, units,
// identifiers and change signals.
#include <gtest/gtest.h>

#include <QLocale>

#include <stdexcept>

#include "app/controls/usererror.h"
#include "app/project/project.h"
#include "app/project/projecttables.h"
#include "app/table/choicecolumn.h"
#include "app/table/floatcolumn.h"
#include "app/table/gridtable.h"
#include "app/table/gridtableregistry.h"
#include "app/table/intcolumn.h"
#include "app/table/subtablecolumn.h"
#include "app/table/textcolumn.h"

namespace {

using namespace torve::app;
using torve::UnitSystem;

// A layer table with a top column linked to the bottom column beside it.
struct Layers {
    GridTableRegistry registry;
    GridTable table{registry};
    Layers() {
        auto top = std::make_unique<FloatColumn>();
        top->topDepth = true;
        top->unitsTemplate = QStringLiteral("L2");
        table.addColumn(std::move(top));
        auto bottom = std::make_unique<FloatColumn>();
        bottom->unitsTemplate = QStringLiteral("L2");
        bottom->defaultValue = 99;
        table.addColumn(std::move(bottom));
    }
    double top(int r) const { return table.cell(0, r).toDouble(); }
    double bottom(int r) const { return table.cell(1, r).toDouble(); }
};

TEST(GridTable, TopsFollowBottomsWhenRowsComeAndGo) {
    Layers l;
    l.table.setRowCount(1);
    l.table.cell(1, 0).setDouble(10);
    l.table.addRowGroup();
    EXPECT_EQ(l.top(1), 10);     // a new layer starts at the bottom of the one above
    EXPECT_EQ(l.bottom(1), 99);  // and takes the default bottom with no layer below
    l.table.cell(0, 1).setDouble(12);
    EXPECT_EQ(l.bottom(0), 12);  // moving a top moves the bottom above
    l.table.cell(1, 1).setDouble(20);
    l.table.addRowGroup();
    EXPECT_EQ(l.top(2), 20);
    l.table.cell(1, 1).setDouble(25);
    EXPECT_EQ(l.top(2), 25);  // moving a bottom moves the top below

    l.table.insertRowGroup(1);  // between layers 0 (bottom 12) and the old 1 (top 12)
    EXPECT_EQ(l.top(1), 12);
    EXPECT_EQ(l.bottom(1), 12);  // the new bottom is the top of the layer below it
    l.table.cell(1, 1).setDouble(15);
    EXPECT_EQ(l.top(2), 15);

    l.table.deleteRowGroup(1);  // the layer below now starts where the layer above ends
    EXPECT_EQ(l.table.rowCount(), 3);
    EXPECT_EQ(l.top(1), 12);
    EXPECT_EQ(l.bottom(0), 12);
}

TEST(GridTable, RowCountsAndGroups) {
    GridTableRegistry registry;
    GridTable t(registry);
    t.setRowGroup(2);
    auto c = std::make_unique<FloatColumn>();
    c->grouped = true;
    t.addColumn(std::move(c));
    t.addColumn(std::make_unique<TextColumn>());
    t.setRowCount(3);  // whole groups: 4 rows
    EXPECT_EQ(t.rowCount(), 4);
    t.cell(0, 3).setDouble(7);  // a grouped value goes to the whole group
    EXPECT_EQ(t.cell(0, 2).toDouble(), 7);
    EXPECT_EQ(t.cell(0, 1).toDouble(), 0);
    t.deleteRowGroup(1);
    EXPECT_EQ(t.rowCount(), 2);
    EXPECT_EQ(t.cell(0, 0).toDouble(), 7);
    t.setRowCount(-3);
    EXPECT_EQ(t.rowCount(), 0);
    EXPECT_THROW(t.setMinRows(0), std::logic_error);
    t.setMinRows(0, true);  // while loading, values below 1 become 1
    EXPECT_EQ(t.minRows(), 1);
    EXPECT_THROW(t.cell(5, 0), std::out_of_range);
    EXPECT_THROW(t.cell(0, 0), std::out_of_range);  // no rows
}

TEST(GridTable, WrongKindsOfValueAreRefused) {
    Layers l;
    l.table.setRowCount(1);
    try {
        l.table.cell(0, 0).toInt();
        FAIL();
    } catch (const std::logic_error& e) {
        EXPECT_STREQ(e.what(), "Data of wrong type");
    }
    EXPECT_THROW(l.table.cell(0, 0).subTable(), std::logic_error);
    auto bad = std::make_unique<FloatColumn>();
    bad->topDepth = true;
    Layers other;
    other.table.addColumn(std::move(bad));
    try {
        other.table.addColumn(std::make_unique<TextColumn>());
        FAIL();
    } catch (const std::logic_error& e) {
        EXPECT_STREQ(e.what(), "If column if a topdepth then the next column must be a float column");
    }
}

TEST(GridTable, TypedEntryAndItsMessages) {
    ProjectTables ws;
    GridTable& layers = ws.soilLayers;
    const QLocale c = QLocale::c();
    layers.enterText(ProjectTables::BottomDepthColumn, 0, QStringLiteral("2*10"), c);
    EXPECT_EQ(layers.cell(ProjectTables::BottomDepthColumn, 0).toDouble(), 20);
    EXPECT_EQ(layers.cell(ProjectTables::BottomDepthColumn, 0).text(c), QStringLiteral("20"));
    layers.enterText(ProjectTables::BottomDepthColumn, 0, QStringLiteral("2/3"), c);
    EXPECT_EQ(layers.cell(ProjectTables::BottomDepthColumn, 0).text(c), QStringLiteral("0.66666667"));
    EXPECT_EQ(layers.cell(ProjectTables::BottomDepthColumn, 0).text(QLocale(QLocale::German)),
              QStringLiteral("0,66666667"));
    try {
        layers.enterText(ProjectTables::BottomDepthColumn, 0, QStringLiteral("1/0"), c);
        FAIL();
    } catch (const UserError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Entry could not be evaluated:\rdivision by zero"));
    }
    EXPECT_THROW(layers.enterText(ProjectTables::BottomDepthColumn, 0, QStringLiteral("1E400"), c),
                 UserError);
    EXPECT_EQ(layers.cell(ProjectTables::BottomDepthColumn, 0).text(c),
              QStringLiteral("0.66666667"));  // untouched
    try {
        layers.enterText(ProjectTables::SoilTypeColumn, 0, QStringLiteral("1.5"), c);
        FAIL();
    } catch (const UserError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Value must be an integer."));
    }

    GridTable* sand = layers.cell(ProjectTables::LayerDataColumn, 0).subTable();
    ASSERT_NE(sand, nullptr);
    for (const char* ok : {"7.0", "1e1"}) sand->enterText(ProjectTables::BlowCount, 0, QLatin1String(ok), c);
    EXPECT_EQ(sand->cell(ProjectTables::BlowCount, 0).toInt(), 10);
    for (const char* bad : {"2.5", "-2.5"}) {
        try {
            sand->enterText(ProjectTables::BlowCount, 0, QLatin1String(bad), c);
            FAIL() << bad;
        } catch (const UserError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("Entry must be an integer."));
        }
    }
    try {
        sand->enterText(ProjectTables::BlowCount, 0, QStringLiteral("101"), c);
        FAIL();
    } catch (const UserError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Entry must be between 0 and 100."));
    }
    EXPECT_EQ(sand->cell(ProjectTables::BlowCount, 0).toInt(), 10);
}

TEST(GridTable, SoilTypeChoiceReplacesTheLayerData) {
    ProjectTables ws;
    ws.soilLayers.setRowCount(3);
    GridTable* sand = ws.soilLayers.cell(ProjectTables::LayerDataColumn, 2).subTable();
    ASSERT_NE(sand, nullptr);
    EXPECT_EQ(sand->caption(), QStringLiteral("Sand Layer Data"));
    EXPECT_EQ(sand->rowNumber(), 3);
    EXPECT_EQ(sand->owner(), &ws.soilLayers);
    sand->cell(0, 0).setDouble(120);
    ws.soilLayers.cell(ProjectTables::SoilTypeColumn, 2).setInt(2);
    GridTable* clay = ws.soilLayers.cell(ProjectTables::LayerDataColumn, 2).subTable();
    ASSERT_NE(clay, nullptr);
    EXPECT_EQ(clay->caption(), QStringLiteral("Clay Layer Data"));
    EXPECT_EQ(clay->rowCount(), 2);
    EXPECT_EQ(clay->cell(0, 0).toDouble(), 0);  // an empty table, the sand data gone
    EXPECT_EQ(ws.soilLayers.cell(ProjectTables::LayerDataColumn, 2).text(QLocale::c()),
              QStringLiteral("3: Clay Layer Data"));
    ws.soilLayers.cell(ProjectTables::SoilTypeColumn, 2).setInt(2);  // the same choice keeps the data
    EXPECT_EQ(ws.soilLayers.cell(ProjectTables::LayerDataColumn, 2).subTable(), clay);
    ws.soilLayers.deleteRowGroup(0);  // rows below move up and are renumbered
    EXPECT_EQ(clay->rowNumber(), 2);
}

TEST(GridTable, UnitSwitchConvertsByTemplateAndBack) {
    ProjectTables ws;
    GridTable& d = ws.soilLayers;
    d.cell(ProjectTables::MaxSideFrictionColumn, 0).setDouble(1000);  // lbs/ft^2
    d.cell(ProjectTables::SideFactorColumn, 0).setDouble(0.7);        // no template: never converted
    d.cell(ProjectTables::BottomDepthColumn, 0).setDouble(100);       // ft
    GridTable* sand = d.cell(ProjectTables::LayerDataColumn, 0).subTable();
    sand->cell(ProjectTables::SandUnitWeight, 0).setDouble(62.4);  // lb/ft^3
    d.setUnits(UnitSystem::SI);
    // With 1 lbf = 4.4482216152605 N and 1 ft = 0.3048 m: 1000 x 4.4482216152605e-3 / 0.3048^2 =
    // 47.8802589803 kN/m^2; 100 x 0.3048 = 30.48 m; 62.4 x 4.4482216152605e-3 / 0.3048^3 =
    // 9.80225774401 kN/m^3.
    EXPECT_NEAR(d.cell(ProjectTables::MaxSideFrictionColumn, 0).toDouble(), 47.8802589803, 1e-9);
    EXPECT_EQ(d.cell(ProjectTables::BottomDepthColumn, 0).toDouble(), 30.48);
    EXPECT_NEAR(sand->cell(ProjectTables::SandUnitWeight, 0).toDouble(), 9.80225774401, 1e-9);
    EXPECT_EQ(sand->units(), UnitSystem::SI);
    EXPECT_EQ(d.cell(ProjectTables::SideFactorColumn, 0).toDouble(), 0.7);
    EXPECT_EQ(d.column(ProjectTables::MaxSideFrictionColumn).headingText(0),
              QStringLiteral("Max. Side Friction (kN/m^2)  "));
    d.setUnits(UnitSystem::English);
    EXPECT_EQ(d.cell(ProjectTables::MaxSideFrictionColumn, 0).toDouble(), 1000);  // exactly as entered
    EXPECT_EQ(d.cell(ProjectTables::BottomDepthColumn, 0).toDouble(), 100);
    EXPECT_EQ(d.column(ProjectTables::BottomDepthColumn).headingText(1),
              QStringLiteral("of each Layer (ft)  "));
    EXPECT_EQ(d.column(ProjectTables::BottomDepthColumn).headingText(0), QStringLiteral("Depth at Bottom "));
    // A new layer's data inherits the table's unit system.
    d.setUnits(UnitSystem::SI);
    d.addRowGroup();
    EXPECT_EQ(d.cell(ProjectTables::LayerDataColumn, 1).subTable()->units(), UnitSystem::SI);
}

TEST(GridTable, IdentifiersAndTemplates) {
    GridTableRegistry registry;
    GridTable a(registry), b(registry);
    EXPECT_EQ(a.identifier(), 0);
    EXPECT_EQ(b.identifier(), 1);
    a.setIdentifier(1);  // taken by b: the two swap
    EXPECT_EQ(a.identifier(), 1);
    EXPECT_EQ(b.identifier(), 0);
    a.setIdentifier(-4);
    EXPECT_EQ(a.identifier(), 1);
    GridTable c(registry);
    EXPECT_EQ(c.identifier(), 2);  // fresh: never one already in use
    TemplateList list;
    list.addIdentifier(0);
    list.addPosition(2);
    list.resize(3);
    EXPECT_EQ(list.resolve(0, registry), &b);
    EXPECT_EQ(list.resolve(1, registry), &c);
    EXPECT_EQ(list.resolve(2, registry), nullptr);
    EXPECT_EQ(list.resolve(7, registry), nullptr);
    // Two projects in one process keep their own identifiers.
    ProjectTables one, two;
    EXPECT_EQ(one.soilLayers.identifier(), 10);
    EXPECT_EQ(two.soilLayers.identifier(), 10);
    EXPECT_EQ(one.registry.byIdentifier(2), &one.clayLayerData);
}

TEST(GridTable, ChangesAreSignalledThroughSubTables) {
    Project project;
    ProjectTables& ws = project.tables();
    EXPECT_FALSE(project.isModified());
    ws.soilLayers.cell(ProjectTables::LayerDataColumn, 0).subTable()->cell(0, 0).setDouble(120);
    EXPECT_TRUE(project.isModified());  // an edit in a layer's data is an edit of the soil layers
    project.setModified(false);
    int changed = 0, converted = 0;
    QObject::connect(&ws.tzPrintDepths, &GridTable::changed, [&] { ++changed; });
    QObject::connect(&ws.tzPrintDepths, &GridTable::unitsChanged, [&] { ++converted; });
    ws.tzPrintDepths.addRowGroup();
    ws.tzPrintDepths.cell(0, 1).setDouble(3);
    ws.tzPrintDepths.cell(0, 1).setDouble(3);  // the same value is no change
    EXPECT_EQ(changed, 2);
    EXPECT_TRUE(project.isModified());
    ws.tzPrintDepths.setUnits(UnitSystem::SI);  // a conversion is no edit
    EXPECT_EQ(changed, 2);
    EXPECT_EQ(converted, 1);
}

}  // namespace
