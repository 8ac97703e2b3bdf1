// What the main window owns besides the project: its data tables and its graph objects.
#include "app/project/workspace.h"

#include "app/table/enumcolumn.h"
#include "app/table/floatcolumn.h"
#include "app/table/intcolumn.h"
#include "app/table/tablecolumn.h"

namespace torve::app {
namespace {

TFloatColumn& floatColumn(TGridTable& t, QStringList headings, const QString& units = {},
                          double defaultValue = 0, bool shown = true) {
    auto c = std::make_unique<TFloatColumn>();
    c->Headings = std::move(headings);
    c->UnitsTemplate = units;
    c->DefaultValue = defaultValue;
    c->Shown = shown;
    return t.addColumn(std::move(c));
}

void declareSoilTables(TWorkspace& w) {
    TGridTable& sand = w.tblDataSand;
    sand.Caption = QStringLiteral("Sand Layer Data");
    sand.TopLeft = QStringLiteral("Location, 1=Top, 2=Bottom");
    sand.setIdentifier(1);
    sand.setMinRows(2);
    sand.setMaxRows(2);
    floatColumn(sand, {QStringLiteral("Effective Unit "), QStringLiteral("Weight,")},
                QStringLiteral("F/L2^3"));
    floatColumn(sand, {QStringLiteral("Friction "), QStringLiteral("Angle (Deg.)")});
    {
        auto n = std::make_unique<TIntColumn>();
        n->Headings = {QStringLiteral("Blow Counts "), QStringLiteral("(optional)")};
        n->MinValue = 0;
        n->MaxValue = 100;
        sand.addColumn(std::move(n));
    }
    floatColumn(sand, {QStringLiteral("Ko  ")});
    floatColumn(sand, {QStringLiteral("Bearing Capacity "), QStringLiteral("Factor, Nq (API)")});
    floatColumn(sand, {QStringLiteral("Qc from CPT"), QStringLiteral("(optional), ")},
                QStringLiteral("F/L2^2"), 0, false);
    floatColumn(sand, {QStringLiteral("Unit Skin Friction"), QStringLiteral("(user specified), ")},
                QStringLiteral("F/L2^2"));
    floatColumn(sand, {QStringLiteral("Unit End Baering"), QStringLiteral("(user Specified),")},
                QStringLiteral("F/L2^2"));

    TGridTable& clay = w.tblDataClay;
    clay.Caption = QStringLiteral("Clay Layer Data");
    clay.TopLeft = QStringLiteral("Location, 1=Top, 2=Bottom");
    clay.setIdentifier(2);
    clay.setMinRows(2);
    clay.setMaxRows(2);
    floatColumn(clay, {QStringLiteral("Effective Unit "), QStringLiteral("Weight,")},
                QStringLiteral("F/L2^3"));
    floatColumn(clay, {QStringLiteral("Undrained Shear"), QStringLiteral("Strength,")},
                QStringLiteral("F/L2^2"));
    floatColumn(clay, {QStringLiteral("Remolded Shear "), QStringLiteral("Strength,")},
                QStringLiteral("F/L2^2"));
    floatColumn(clay, {QStringLiteral("Plastic Index (PI)"), QStringLiteral("(optional), %")});
    floatColumn(clay, {QStringLiteral("Yield Stress Ratio"), QStringLiteral("YSR (optional), ")});
    floatColumn(clay, {QStringLiteral("Qc from CPT"), QStringLiteral("(optional],")},
                QStringLiteral("F/L2^2"));
    floatColumn(clay, {QStringLiteral("Unit Skin Friction"), QStringLiteral("(user specified),")},
                QStringLiteral("F/L2^2"));
    floatColumn(clay, {QStringLiteral("Unit End Bearing"), QStringLiteral("(user specified),")},
                QStringLiteral("F/L2^2"));

    TGridTable& d = w.D;
    d.Caption = QStringLiteral("Soil Properties");
    d.TopLeft = QStringLiteral("Layer");
    d.setIdentifier(10);
    d.setMinRows(1);
    d.setMaxRows(40);  // 80 soil points of the engine, a top and a bottom per layer
    {
        auto type = std::make_unique<TEnumColumn>();
        type->Headings = {QStringLiteral("Soil Type")};
        type->Choices = {QStringLiteral("sand"), QStringLiteral("clay")};
        d.addColumn(std::move(type));
    }
    floatColumn(d, {QStringLiteral("Depth at Bottom "), QStringLiteral("of each Layer")},
                QStringLiteral("L2"));
    {
        auto data = std::make_unique<TTableColumn>();
        data->Headings = {QStringLiteral("Layer Data")};
        data->Templates.addIdentifier(1);  // sand
        data->Templates.addIdentifier(2);  // clay
        d.addColumn(std::move(data));
    }
    floatColumn(d, {QStringLiteral("Max. Side Friction")}, QStringLiteral("F/L2^2"));
    floatColumn(d, {QStringLiteral("Max. End Bearing")}, QStringLiteral("F/L2^2"));
    floatColumn(d, {QStringLiteral("Reduction/Resistance "), QStringLiteral("Factors on Side Friction")}, {},
                1);
    floatColumn(d, {QStringLiteral("Reduction/Resistance "), QStringLiteral("Factors on End Bearing")}, {},
                1);
}

void declareOtherTables(TWorkspace& w) {
    TGridTable& tz = w.TblTZDepth;
    tz.Caption = QStringLiteral("Depths for Internally-generated t-z curves");
    tz.setIdentifier(0);
    tz.setMinRows(1);
    tz.setMaxRows(100);  // the engine takes at most 100 t-z print depths
    floatColumn(tz, {QStringLiteral("Depth below the ground"), QStringLiteral("surface")},
                QStringLiteral("L2"));

    TGridTable& s = w.Sectionaldata;
    s.Caption = QStringLiteral("Cross Section Area");
    s.setIdentifier(46);
    s.setMinRows(2);
    s.setMaxRows(100);
    floatColumn(s, {QStringLiteral("Distance from "), QStringLiteral("pile head,")}, QStringLiteral("L2"));
    floatColumn(s, {QStringLiteral("Cross section area,")}, QStringLiteral("L^2"));

    TGridTable& p = w.SoilProfile;
    p.Caption = QStringLiteral("Soil Profile");
    p.setIdentifier(209);
    p.setMinRows(1);
    {
        auto n = std::make_unique<TIntColumn>();
        n->Headings = {QStringLiteral("Layer Number")};
        n->MaxValue = 2147483647;
        p.addColumn(std::move(n));
    }
    floatColumn(p, {QStringLiteral("Depth")});

    TGridTable& v = w.LayerValues;
    v.setIdentifier(6);
    v.setMinRows(2);
    v.setMaxRows(2);
    for (const char* h : {"Effective Unit Weight", "Cohesive strength", "Remold strength", "PI", "YSR", "Qc"})
        floatColumn(v, {QLatin1String(h)});
    floatColumn(v, {QStringLiteral("Unit Side Friction"), QStringLiteral("(user specified)")});
    floatColumn(v, {QStringLiteral("Unit End Bearing"), QStringLiteral("(user specified)")});
}

void declarePlot(TGraphPlot& p, const char* caption, const char* x, const char* xUnits, const char* y,
                 const char* yUnits) {
    p.Caption = QLatin1String(caption);
    p.XCaption = QLatin1String(x);
    p.XUnits = QLatin1String(xUnits);
    p.YCaption = QLatin1String(y);
    p.YUnits = QLatin1String(yUnits);
}

}  // namespace

TWorkspace::TWorkspace() {
    declareSoilTables(*this);
    declareOtherTables(*this);
    declarePlot(pltSkin, "Acculumated Skin Friction vs Depth", "Accumulated Skin Friction ", "F1", "Depth ",
                "L2");
    declarePlot(pltUSkin, "Unit Skin Friction vs Depth", "Unit Skin Friction", "F1/L2^2", "Depth", "L2");
    declarePlot(pltTip, "Tip Resistance vs Depth", "Tip Resistance ", "F1", "Depth ", "L2");
    declarePlot(pltTotal, "Total Capacity vs Depth", "Total Capacity ", "F1", "Depth ", "L2");
    declarePlot(pltCombine, "Axial Capacity vs Depth", "Axial Capacity", "F1", "Depth", "L2");
    declarePlot(pltLoad, "Load Distribution", "Total Capacity ", "F1", "Depth ", "L2");
    declarePlot(pltAxial, "Axial Load vs Settlement", "Axial Load ", "F1", "", "");
    declarePlot(PltQw, "Tip Rsistance (Q-w) Curve", "Tip Resistance, Q", "F1", "Tip Movement,w", "L1");
    declarePlot(pltTZcurves, "t-z Curves", "Displacement, z", "L", "Unit Load Transfer, t", "F/L^2");
    declarePlot(PltExtraTZ, "Extra t-z Curves", "Displacement, z", "L", "Unit Load Transfer, t", "F/L^2");
    // The CPT graphs take their captions when data are read.
    for (TGridTable* t : tables()) t->SetRowCount(t->MinRows());
}

bool TWorkspace::IsModified() const {
    if (Modified) return true;
    for (const TGridTable* t : {&D, &TblTZDepth, &Sectionaldata})
        if (t->IsChanged()) return true;
    return false;
}

void TWorkspace::ClearModified() {
    Modified = false;
    for (TGridTable* t : tables()) t->ResetChanged();
}

std::vector<TGridTable*> TWorkspace::tables() {
    return {&tblDataSand, &tblDataClay, &D, &TblTZDepth, &Sectionaldata, &SoilProfile, &LayerValues};
}

std::vector<TGraphPlot*> TWorkspace::plots() {
    return {&pltSkin,  &pltUSkin, &pltTip,      &pltTotal,   &pltCombine,  &pltLoad,
            &pltAxial, &PltQw,    &pltTZcurves, &PltExtraTZ, &MotionInput, &MotionConverted};
}

std::vector<TGraphPlot*> TWorkspace::resultPlots() {
    return {&pltUSkin,   &pltSkin,  &pltTip,      &pltTotal,   &pltLoad,
            &pltCombine, &pltAxial, &pltTZcurves, &PltExtraTZ, &PltQw};
}

}  // namespace torve::app
