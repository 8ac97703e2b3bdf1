// The tables of a project: soil layers with their sand and clay data, t-z print depths, sections.
#pragma once

#include <vector>

#include "app/table/gridtable.h"
#include "app/table/gridtableregistry.h"

namespace torve::app {

// The tables one project holds, declared here in code with their captions, columns, units and row
// limits. The sand and clay tables are templates: each soil layer holds its own copy of one of them.
class ProjectTables {
  public:
    ProjectTables();
    ProjectTables(const ProjectTables&) = delete;
    ProjectTables& operator=(const ProjectTables&) = delete;

    // Columns of the soil layer table.
    enum SoilLayerColumn {
        SoilTypeColumn = 0,  // 1 sand, 2 clay
        BottomDepthColumn = 1,
        LayerDataColumn = 2,  // the layer's sand or clay data: row 0 its top, row 1 its bottom
        MaxSideFrictionColumn = 3,
        MaxEndBearingColumn = 4,
        SideFactorColumn = 5,
        EndFactorColumn = 6,
        // The layer's own constants of driving and set-up, hidden from the grid (the soil layer
        // constants dialog edits them); kNotGiven where the layer takes the default.
        ShaftQuakeColumn = 7,
        ToeQuakeColumn = 8,
        ShaftDampingColumn = 9,
        ToeDampingColumn = 10,
        SetupAColumn = 11,
        SetupT0Column = 12
    };
    // A layer constant not given: every constant is 0 or more, so a negative value marks none (and
    // stays negative through a change of units).
    static constexpr double kNotGiven = -1;
    static bool given(double v) { return v >= 0; }
    // Columns of a sand layer's data.
    enum SandColumn {
        SandUnitWeight = 0,
        FrictionAngle = 1,
        BlowCount = 2,
        EarthPressure = 3,  // Ko
        BearingFactor = 4,  // Nq
        SandQc = 5,
        SandUserFriction = 6,
        SandUserBearing = 7
    };
    // Columns of a clay layer's data.
    enum ClayColumn {
        ClayUnitWeight = 0,
        UndrainedStrength = 1,
        RemoldedStrength = 2,
        PlasticityIndex = 3,
        YieldStressRatio = 4,
        ClayQc = 5,
        ClayUserFriction = 6,
        ClayUserBearing = 7,
        ClayFst = 8  // soil-type factor of the Unified clay friction, 1 unless sensitive
    };

    GridTableRegistry registry;
    // Declared first: the soil layers' data are made from them.
    GridTable sandLayerData{registry};  // "Sand Layer Data" (1), exactly 2 rows
    GridTable clayLayerData{registry};  // "Clay Layer Data" (2), exactly 2 rows
    GridTable soilLayers{registry};     // "Soil Properties" (10), 1 to 40 layers
    GridTable tzPrintDepths{registry};  // "Depths for Internally-generated t-z curves" (0)
    GridTable sectionAreas{registry};   // "Cross Section Area" (46), 2 to 100 rows
    GridTable soilProfile{registry};    // "Soil Profile" (209)
    GridTable layerValues{registry};    // untitled (6), exactly 2 rows

    // Shows the columns of the sand and clay data, on the templates and on every layer's copy, that
    // the edition and the load-transfer method use: qc, PI and YSR with the offshore methods, the
    // user-specified unit values while that method carries the load transfer. The clay note names
    // the offshore use of PI and YSR in that edition.
    void showSoilColumns(bool offshoreEdition, bool userSpecified);

    std::vector<GridTable*> all();
    // The tables the user edits: a change in any of them modifies the project.
    std::vector<GridTable*> edited();
};

}  // namespace torve::app
