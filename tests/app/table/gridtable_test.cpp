// Grid tables: rows and groups, top-depth linking, sub-tables by choice, typed entry, units,
// identifiers and change tracking; and the tables the main window declares.
#include <gtest/gtest.h>

#include <QLocale>

#include "app/controls/eassignerror.h"
#include "app/project/workspace.h"
#include "app/table/egridtableerror.h"
#include "app/table/enumcolumn.h"
#include "app/table/floatcolumn.h"
#include "app/table/gridtable.h"
#include "app/table/gridtableregistry.h"
#include "app/table/intcolumn.h"
#include "app/table/stringcolumn.h"
#include "app/table/tablecolumn.h"
#include "app/table/unitratio.h"

namespace {

using namespace torve::app;

// A layer table with a top column linked to the bottom column beside it.
struct Layers {
    TGridTableRegistry registry;
    TGridTable table{registry};
    Layers() {
        auto top = std::make_unique<TFloatColumn>();
        top->TopDepth = true;
        top->UnitsTemplate = QStringLiteral("L2");
        table.addColumn(std::move(top));
        auto bottom = std::make_unique<TFloatColumn>();
        bottom->UnitsTemplate = QStringLiteral("L2");
        bottom->DefaultValue = 99;
        table.addColumn(std::move(bottom));
    }
    double top(int r) const { return table.Cell(0, r).AsFloat(); }
    double bottom(int r) const { return table.Cell(1, r).AsFloat(); }
};

TEST(GridTable, TopsFollowBottomsWhenRowsComeAndGo) {
    Layers l;
    l.table.SetRowCount(1);
    l.table.Cell(1, 0).setAsFloat(10);
    l.table.AddRowGroup();
    EXPECT_EQ(l.top(1), 10);     // a new layer starts at the bottom of the one above
    EXPECT_EQ(l.bottom(1), 99);  // and takes the default bottom with no layer below
    l.table.Cell(0, 1).setAsFloat(12);
    EXPECT_EQ(l.bottom(0), 12);  // moving a top moves the bottom above
    l.table.Cell(1, 1).setAsFloat(20);
    l.table.AddRowGroup();
    EXPECT_EQ(l.top(2), 20);
    l.table.Cell(1, 1).setAsFloat(25);
    EXPECT_EQ(l.top(2), 25);  // moving a bottom moves the top below

    l.table.InsertRowGroup(1);  // between layers 0 (bottom 12) and the old 1 (top 12)
    EXPECT_EQ(l.top(1), 12);
    EXPECT_EQ(l.bottom(1), 12);  // the new bottom is the top of the layer below it
    l.table.Cell(1, 1).setAsFloat(15);
    EXPECT_EQ(l.top(2), 15);

    l.table.DeleteRowGroup(1);  // the layer below now starts where the layer above ends
    EXPECT_EQ(l.table.RowCount(), 3);
    EXPECT_EQ(l.top(1), 12);
    EXPECT_EQ(l.bottom(0), 12);
}

TEST(GridTable, RowCountsAndGroups) {
    TGridTableRegistry registry;
    TGridTable t(registry);
    t.setRowGroup(2);
    auto c = std::make_unique<TFloatColumn>();
    c->Grouped = true;
    t.addColumn(std::move(c));
    t.addColumn(std::make_unique<TStringColumn>());
    t.SetRowCount(3);  // whole groups: 4 rows
    EXPECT_EQ(t.RowCount(), 4);
    t.Cell(0, 3).setAsFloat(7);  // a grouped value goes to the whole group
    EXPECT_EQ(t.Cell(0, 2).AsFloat(), 7);
    EXPECT_EQ(t.Cell(0, 1).AsFloat(), 0);
    t.DeleteRowGroup(1);
    EXPECT_EQ(t.RowCount(), 2);
    EXPECT_EQ(t.Cell(0, 0).AsFloat(), 7);
    t.SetRowCount(-3);
    EXPECT_EQ(t.RowCount(), 0);
    EXPECT_THROW(t.setMinRows(0), EGridTableError);
    t.setMinRows(0, true);  // while loading, values below 1 become 1
    EXPECT_EQ(t.MinRows(), 1);
    EXPECT_THROW(t.Cell(5, 0), EGridTableError);
    EXPECT_THROW(t.Cell(0, 0), EGridTableError);  // no rows
}

TEST(GridTable, WrongKindsOfValueAreRefused) {
    Layers l;
    l.table.SetRowCount(1);
    try {
        l.table.Cell(0, 0).AsInteger();
        FAIL();
    } catch (const EGridTableError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Data of wrong type"));
    }
    EXPECT_THROW(l.table.Cell(0, 0).AsTable(), EGridTableError);
    auto bad = std::make_unique<TFloatColumn>();
    bad->TopDepth = true;
    Layers other;
    other.table.addColumn(std::move(bad));
    try {
        other.table.addColumn(std::make_unique<TStringColumn>());
        FAIL();
    } catch (const EGridTableError& e) {
        EXPECT_EQ(e.message(),
                  QStringLiteral("If column if a topdepth then the next column must be a float column"));
    }
}

TEST(GridTable, TypedEntryAndItsMessages) {
    TWorkspace ws;
    TGridTable& layers = ws.D;
    const QLocale c = QLocale::c();
    layers.EnterText(TWorkspace::LayerBottom, 0, QStringLiteral("2*10"), c);
    EXPECT_EQ(layers.Cell(TWorkspace::LayerBottom, 0).AsFloat(), 20);
    EXPECT_EQ(layers.Cell(TWorkspace::LayerBottom, 0).AsText(c), QStringLiteral("20"));
    layers.EnterText(TWorkspace::LayerBottom, 0, QStringLiteral("2/3"), c);
    EXPECT_EQ(layers.Cell(TWorkspace::LayerBottom, 0).AsText(c), QStringLiteral("0.66666667"));
    EXPECT_EQ(layers.Cell(TWorkspace::LayerBottom, 0).AsText(QLocale(QLocale::German)),
              QStringLiteral("0,66666667"));
    try {
        layers.EnterText(TWorkspace::LayerBottom, 0, QStringLiteral("1/0"), c);
        FAIL();
    } catch (const EAssignError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Entry could not be evaluated:\rdivision by zero"));
    }
    EXPECT_THROW(layers.EnterText(TWorkspace::LayerBottom, 0, QStringLiteral("1E400"), c), EAssignError);
    EXPECT_EQ(layers.Cell(TWorkspace::LayerBottom, 0).AsText(c), QStringLiteral("0.66666667"));  // untouched
    try {
        layers.EnterText(TWorkspace::SoilType, 0, QStringLiteral("1.5"), c);
        FAIL();
    } catch (const EAssignError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Value must be an integer."));
    }

    TGridTable* sand = layers.Cell(TWorkspace::LayerData, 0).AsTable();
    ASSERT_NE(sand, nullptr);
    sand->WindowOpen = true;  // the blow-count checks belong to the editing window
    for (const char* ok : {"7.0", "1e1"}) sand->EnterText(TWorkspace::SandBlowCount, 0, QLatin1String(ok), c);
    EXPECT_EQ(sand->Cell(TWorkspace::SandBlowCount, 0).AsInteger(), 10);
    for (const char* bad : {"2.5", "-2.5"}) {
        try {
            sand->EnterText(TWorkspace::SandBlowCount, 0, QLatin1String(bad), c);
            FAIL() << bad;
        } catch (const EAssignError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("Entry must be an integer."));
        }
    }
    try {
        sand->EnterText(TWorkspace::SandBlowCount, 0, QStringLiteral("101"), c);
        FAIL();
    } catch (const EAssignError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Entry must be between 0 and 100."));
    }
    EXPECT_EQ(sand->Cell(TWorkspace::SandBlowCount, 0).AsInteger(), 10);
}

TEST(GridTable, SoilTypeChoiceReplacesTheLayerData) {
    TWorkspace ws;
    ws.D.SetRowCount(3);
    TGridTable* sand = ws.D.Cell(TWorkspace::LayerData, 2).AsTable();
    ASSERT_NE(sand, nullptr);
    EXPECT_EQ(sand->Caption, QStringLiteral("Sand Layer Data"));
    EXPECT_EQ(sand->RowNumber(), 3);
    EXPECT_EQ(sand->owner(), &ws.D);
    sand->Cell(0, 0).setAsFloat(120);
    ws.D.Cell(TWorkspace::SoilType, 2).setAsInteger(2);
    TGridTable* clay = ws.D.Cell(TWorkspace::LayerData, 2).AsTable();
    ASSERT_NE(clay, nullptr);
    EXPECT_EQ(clay->Caption, QStringLiteral("Clay Layer Data"));
    EXPECT_EQ(clay->RowCount(), 2);
    EXPECT_EQ(clay->Cell(0, 0).AsFloat(), 0);  // an empty table, the sand data gone
    EXPECT_EQ(ws.D.Cell(TWorkspace::LayerData, 2).AsText(QLocale::c()), QStringLiteral("3: Clay Layer Data"));
    ws.D.Cell(TWorkspace::SoilType, 2).setAsInteger(2);  // the same choice keeps the data
    EXPECT_EQ(ws.D.Cell(TWorkspace::LayerData, 2).AsTable(), clay);
    ws.D.DeleteRowGroup(0);  // rows below move up and are renumbered
    EXPECT_EQ(clay->RowNumber(), 2);
}

TEST(GridTable, UnitSwitchConvertsByTemplateAndBack) {
    TWorkspace ws;
    TGridTable& d = ws.D;
    d.Cell(TWorkspace::MaxSideFriction, 0).setAsFloat(1000);  // lbs/ft^2
    d.Cell(TWorkspace::SideFactor, 0).setAsFloat(0.7);        // no template: never converted
    d.Cell(TWorkspace::LayerBottom, 0).setAsFloat(100);       // ft
    TGridTable* sand = d.Cell(TWorkspace::LayerData, 0).AsTable();
    sand->Cell(TWorkspace::SandUnitWeight, 0).setAsFloat(62.4);  // lb/ft^3
    d.SetUnits(2);
    // With the program's factors: 1000 / (224.8089237 / 3.280839895^2) = 47.880263 kN/m^2;
    // 100 / 3.280839895 = 30.48 m; 62.4 / (224.8089237 / 3.280839895^3) = 9.802259 kN/m^3.
    EXPECT_NEAR(d.Cell(TWorkspace::MaxSideFriction, 0).AsFloat(), 47.880263, 1e-6);
    EXPECT_NEAR(d.Cell(TWorkspace::LayerBottom, 0).AsFloat(), 30.48, 1e-8);
    EXPECT_NEAR(sand->Cell(TWorkspace::SandUnitWeight, 0).AsFloat(), 9.802259, 1e-6);
    EXPECT_EQ(sand->UnitSystem(), 2);
    EXPECT_EQ(d.Cell(TWorkspace::SideFactor, 0).AsFloat(), 0.7);
    EXPECT_EQ(d.column(TWorkspace::MaxSideFriction).headingText(0),
              QStringLiteral("Max. Side Friction (kN/m^2)  "));
    d.SetUnits(1);
    EXPECT_NEAR(d.Cell(TWorkspace::MaxSideFriction, 0).AsFloat(), 1000, 1e-9);
    EXPECT_NEAR(d.Cell(TWorkspace::LayerBottom, 0).AsFloat(), 100, 1e-9);
    EXPECT_EQ(d.column(TWorkspace::LayerBottom).headingText(1), QStringLiteral("of each Layer (ft)  "));
    EXPECT_EQ(d.column(TWorkspace::LayerBottom).headingText(0), QStringLiteral("Depth at Bottom "));
    // A new layer's data inherits the table's unit system.
    d.SetUnits(2);
    d.AddRowGroup();
    EXPECT_EQ(d.Cell(TWorkspace::LayerData, 1).AsTable()->UnitSystem(), 2);
}

TEST(UnitRatio, CodesAndPowers) {
    EXPECT_DOUBLE_EQ(UnitRatio(QStringLiteral("F/L2^2")), 224.8089237 / (3.280839895 * 3.280839895));
    EXPECT_DOUBLE_EQ(UnitRatio(QStringLiteral("L^2")), 39.37007874 * 39.37007874);
    EXPECT_DOUBLE_EQ(UnitRatio(QStringLiteral("F1")), 0.2248089237);
    EXPECT_DOUBLE_EQ(UnitRatio(QStringLiteral("F3")), 224.8089237);  // an unknown digit is the plain F
    EXPECT_DOUBLE_EQ(UnitRatio(QString()), 1.0);
    EXPECT_EQ(ExpandTableUnits(QStringLiteral("F1/L2^2"), 1), QStringLiteral("kips/ft^2"));
    EXPECT_EQ(ExpandTableUnits(QStringLiteral("F1 F"), 1), QStringLiteral("kips lbs"));  // every code
}

TEST(GridTable, IdentifiersAndTemplates) {
    TGridTableRegistry registry;
    TGridTable a(registry), b(registry);
    EXPECT_EQ(a.Identifier(), 0);
    EXPECT_EQ(b.Identifier(), 1);
    a.setIdentifier(1);  // taken by b: the two swap
    EXPECT_EQ(a.Identifier(), 1);
    EXPECT_EQ(b.Identifier(), 0);
    a.setIdentifier(-4);
    EXPECT_EQ(a.Identifier(), 1);
    TGridTable c(registry);
    EXPECT_EQ(c.Identifier(), 2);  // fresh: never one already in use
    TGridTableList list;
    list.addIdentifier(0);
    list.addPosition(2);
    list.resize(3);
    EXPECT_EQ(list.resolve(0, registry), &b);
    EXPECT_EQ(list.resolve(1, registry), &c);
    EXPECT_EQ(list.resolve(2, registry), nullptr);
    EXPECT_EQ(list.resolve(7, registry), nullptr);
    // Two workspaces in one process keep their own identifiers.
    TWorkspace one, two;
    EXPECT_EQ(one.D.Identifier(), 10);
    EXPECT_EQ(two.D.Identifier(), 10);
    EXPECT_EQ(one.registry.byIdentifier(2), &one.tblDataClay);
}

TEST(GridTable, ChangesAreTrackedThroughSubTables) {
    TWorkspace ws;
    EXPECT_FALSE(ws.IsModified());
    ws.D.Cell(TWorkspace::LayerData, 0).AsTable()->Changed = true;
    EXPECT_TRUE(ws.D.IsChanged());
    EXPECT_TRUE(ws.IsModified());
    ws.ClearModified();
    EXPECT_FALSE(ws.D.IsChanged());
    int resized = 0, changed = 0;
    ws.TblTZDepth.OnResize = [&] { ++resized; };
    ws.TblTZDepth.OnDataChanged = [&] { ++changed; };
    ws.TblTZDepth.AddRowGroup();
    ws.TblTZDepth.Cell(0, 1).setAsFloat(3);
    ws.TblTZDepth.Cell(0, 1).setAsFloat(3);  // the same value is no change
    EXPECT_EQ(resized, 1);
    EXPECT_EQ(changed, 1);
}

TEST(Workspace, DeclaredTables) {
    TWorkspace ws;
    EXPECT_EQ(ws.D.Caption, QStringLiteral("Soil Properties"));
    EXPECT_EQ(ws.D.TopLeft, QStringLiteral("Layer"));
    EXPECT_EQ(ws.D.MinRows(), 1);
    EXPECT_EQ(ws.D.MaxRows(), 40);
    EXPECT_EQ(ws.D.columnCount(), 7);
    EXPECT_EQ(ws.D.RowCount(), 1);
    EXPECT_EQ(ws.D.Cell(TWorkspace::SideFactor, 0).AsFloat(), 1.0);
    EXPECT_EQ(ws.D.Cell(TWorkspace::EndFactor, 0).AsFloat(), 1.0);
    EXPECT_EQ(ws.tblDataSand.column(7).Headings.front(), QStringLiteral("Unit End Baering"));
    EXPECT_FALSE(ws.tblDataSand.column(TWorkspace::SandQc).Shown);
    EXPECT_EQ(ws.tblDataClay.column(TWorkspace::ClayQc).Headings.back(), QStringLiteral("(optional],"));
    EXPECT_EQ(ws.tblDataClay.MinRows(), 2);
    EXPECT_EQ(ws.tblDataClay.MaxRows(), 2);
    EXPECT_EQ(ws.Sectionaldata.Identifier(), 46);
    EXPECT_EQ(ws.Sectionaldata.RowCount(), 2);
    EXPECT_EQ(ws.TblTZDepth.Identifier(), 0);
    EXPECT_EQ(ws.SoilProfile.Identifier(), 209);
    EXPECT_EQ(ws.LayerValues.Identifier(), 6);
    EXPECT_EQ(ws.pltSkin.Caption, QStringLiteral("Acculumated Skin Friction vs Depth"));
    EXPECT_EQ(ws.PltQw.Caption, QStringLiteral("Tip Rsistance (Q-w) Curve"));
    EXPECT_EQ(ws.pltUSkin.XTitle(), QStringLiteral("Unit Skin Friction (kips/ft^2)"));
    ws.pltTZcurves.setUnits(2);
    EXPECT_EQ(ws.pltTZcurves.YTitle(), QStringLiteral("Unit Load Transfer, t (kN/m^2)"));
}

}  // namespace
