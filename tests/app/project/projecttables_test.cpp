// The tables a project declares, their captions, limits and identifiers, and the result graphs' own
// captions and axis titles.
#include <gtest/gtest.h>

#include "app/project/projecttables.h"
#include "app/project/results.h"

namespace {

using namespace torve::app;

TEST(ProjectTables, DeclaredTablesAndGraphs) {
    ProjectTables ws;
    EXPECT_EQ(ws.soilLayers.caption(), QStringLiteral("Soil Properties"));
    EXPECT_EQ(ws.soilLayers.topLeft(), QStringLiteral("Layer"));
    EXPECT_EQ(ws.soilLayers.minRows(), 1);
    EXPECT_EQ(ws.soilLayers.maxRows(), 40);
    // The grid's seven columns, then the layer's six constants of driving and set-up, hidden from the
    // grid and not given (negative) in a new layer.
    EXPECT_EQ(ws.soilLayers.columnCount(), 13);
    for (int c = 0; c < ws.soilLayers.columnCount(); ++c)
        EXPECT_EQ(ws.soilLayers.column(c).shown, c < ProjectTables::ShaftQuakeColumn) << c;
    EXPECT_FALSE(ProjectTables::given(ws.soilLayers.cell(ProjectTables::SetupT0Column, 0).toDouble()));
    EXPECT_EQ(ws.soilLayers.rowCount(), 1);
    EXPECT_EQ(ws.soilLayers.cell(ProjectTables::SideFactorColumn, 0).toDouble(), 1.0);
    EXPECT_EQ(ws.soilLayers.cell(ProjectTables::EndFactorColumn, 0).toDouble(), 1.0);
    EXPECT_EQ(ws.sandLayerData.column(7).headings.front(), QStringLiteral("Unit End Baering"));
    EXPECT_FALSE(ws.sandLayerData.column(ProjectTables::SandQc).shown);
    EXPECT_EQ(ws.clayLayerData.column(ProjectTables::ClayQc).headings.back(), QStringLiteral("(optional],"));
    EXPECT_EQ(ws.clayLayerData.minRows(), 2);
    EXPECT_EQ(ws.clayLayerData.maxRows(), 2);
    EXPECT_EQ(ws.sectionAreas.identifier(), 46);
    EXPECT_EQ(ws.sectionAreas.rowCount(), 2);
    EXPECT_EQ(ws.tzPrintDepths.identifier(), 0);
    EXPECT_EQ(ws.soilProfile.identifier(), 209);
    EXPECT_EQ(ws.layerValues.identifier(), 6);
    Results results;
    EXPECT_EQ(results.graph(ResultGraph::SkinFriction).caption,
              QStringLiteral("Acculumated Skin Friction vs Depth"));
    EXPECT_EQ(results.graph(ResultGraph::TipQw).caption, QStringLiteral("Tip Rsistance (Q-w) Curve"));
    EXPECT_EQ(results.graph(ResultGraph::TipQw).identifier, QStringLiteral("PltQw"));
    EXPECT_EQ(results.graph(ResultGraph::UnitSkinFriction).xTitle(),
              QStringLiteral("Unit Skin Friction (kips/ft^2)"));
    // Load transfers are ksf in English units (the plot data file's unit), not lbs/in^2.
    EXPECT_EQ(results.graph(ResultGraph::TzCurves).yTitle(),
              QStringLiteral("Unit Load Transfer, t (kips/ft^2)"));
    results.graph(ResultGraph::TzCurves).setUnits(2);
    EXPECT_EQ(results.graph(ResultGraph::TzCurves).yTitle(),
              QStringLiteral("Unit Load Transfer, t (kN/m^2)"));
}

}  // namespace
