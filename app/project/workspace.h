// What the main window owns besides the project: its data tables and its graph objects.
#pragma once

#include <vector>

#include "app/graph/graphplot.h"
#include "app/table/gridtable.h"
#include "app/table/gridtableregistry.h"

namespace torve::app {

// The tables and graph objects of the main window, declared here in code with their captions,
// columns, units and row limits. The project (TProgramData) reads and writes the layered data
// through these tables and the CPT points through MotionInput; ReadPlotFile fills the result graphs.
class TWorkspace {
  public:
    TWorkspace();
    TWorkspace(const TWorkspace&) = delete;
    TWorkspace& operator=(const TWorkspace&) = delete;

    // Column numbers of the tables, as the project file maps them.
    enum SoilColumn {
        SoilType = 0,
        LayerBottom = 1,
        LayerData = 2,
        MaxSideFriction = 3,
        MaxEndBearing = 4,
        SideFactor = 5,
        EndFactor = 6
    };
    enum SandColumn {
        SandUnitWeight = 0,
        SandFrictionAngle = 1,
        SandBlowCount = 2,
        SandKo = 3,
        SandNq = 4,
        SandQc = 5,
        SandUserFriction = 6,
        SandUserBearing = 7
    };
    enum ClayColumn {
        ClayUnitWeight = 0,
        ClayUndrained = 1,
        ClayRemolded = 2,
        ClayPI = 3,
        ClayYSR = 4,
        ClayQc = 5,
        ClayUserFriction = 6,
        ClayUserBearing = 7
    };

    TGridTableRegistry registry;
    // Declared first: the soil table's rows are made from them.
    TGridTable tblDataSand{registry};    // "Sand Layer Data" (1), exactly 2 rows
    TGridTable tblDataClay{registry};    // "Clay Layer Data" (2), exactly 2 rows
    TGridTable D{registry};              // "Soil Properties" (10), 1 to 40 layers
    TGridTable TblTZDepth{registry};     // "Depths for Internally-generated t-z curves" (0)
    TGridTable Sectionaldata{registry};  // "Cross Section Area" (46), 2 to 100 rows
    TGridTable SoilProfile{registry};    // "Soil Profile" (209)
    TGridTable LayerValues{registry};    // untitled (6), exactly 2 rows

    TGraphPlot pltSkin, pltUSkin, pltTip, pltTotal, pltCombine, pltLoad, pltAxial, PltQw, pltTZcurves,
        PltExtraTZ;
    // The CPT points: first curve, x = qc, y = depth. They are what a save writes for the engine.
    TGraphPlot MotionInput;
    // The SPT or Su profile converted from the CPT data for viewing; kept apart from the qc points,
    // so a save never hands converted values to the engine as qc.
    TGraphPlot MotionConverted;
    enum ConvertedKind { ConvertedNone, ConvertedSpt, ConvertedSu };
    ConvertedKind MotionConvertedKind = ConvertedNone;

    // The main window's modified flag; the project also counts as modified while a table reports a
    // change.
    bool Modified = false;
    bool IsModified() const;
    void ClearModified();

    std::vector<TGridTable*> tables();
    std::vector<TGraphPlot*> plots();
    // The result graphs ReadPlotFile fills, in menu order.
    std::vector<TGraphPlot*> resultPlots();
};

}  // namespace torve::app
