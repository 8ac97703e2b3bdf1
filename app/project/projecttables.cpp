// The tables of a project: soil layers with their sand and clay data, t-z print depths, sections.
#include "app/project/projecttables.h"

#include "app/project/texts.h"

#include "app/table/choicecolumn.h"
#include "app/table/floatcolumn.h"
#include "app/table/intcolumn.h"
#include "app/table/subtablecolumn.h"

namespace torve::app {
namespace {

FloatColumn& floatColumn(GridTable& t, QStringList headings, const QString& units = {},
                         double defaultValue = 0, bool shown = true) {
    auto c = std::make_unique<FloatColumn>();
    c->headings = std::move(headings);
    c->unitsTemplate = units;
    c->defaultValue = defaultValue;
    c->shown = shown;
    return t.addColumn(std::move(c));
}

void declareSoilTables(ProjectTables& w) {
    GridTable& sand = w.sandLayerData;
    sand.setCaption(QStringLiteral("Sand Layer Data"));
    sand.setTopLeft(QStringLiteral("Location, 1=Top, 2=Bottom"));
    sand.setIdentifier(1);
    sand.setMinRows(2);
    sand.setMaxRows(2);
    sand.setComments(texts::kSandLayerNote);
    floatColumn(sand, {QStringLiteral("Effective Unit "), QStringLiteral("Weight,")},
                QStringLiteral("F/L2^3"));
    floatColumn(sand, {QStringLiteral("Friction "), QStringLiteral("Angle (Deg.)")});
    {
        auto n = std::make_unique<IntColumn>();
        n->headings = {QStringLiteral("Blow Counts "), QStringLiteral("(optional)")};
        n->minValue = 0;
        n->maxValue = 100;
        sand.addColumn(std::move(n));
    }
    // API's Ko of an open-ended pipe pile, the pile a project starts with; a full-displacement pile
    // takes 1, typed.
    floatColumn(sand, {QStringLiteral("Ko  ")}, {}, 0.8);
    floatColumn(sand, {QStringLiteral("Bearing Capacity "), QStringLiteral("Factor, Nq (API)")});
    floatColumn(sand, {QStringLiteral("Qc from CPT"), QStringLiteral("(optional), ")},
                QStringLiteral("F/L2^2"), 0, false);
    floatColumn(sand, {QStringLiteral("Unit Skin Friction"), QStringLiteral("(user specified), ")},
                QStringLiteral("F/L2^2"));
    floatColumn(sand, {QStringLiteral("Unit End Baering"), QStringLiteral("(user Specified),")},
                QStringLiteral("F/L2^2"));

    GridTable& clay = w.clayLayerData;
    clay.setCaption(QStringLiteral("Clay Layer Data"));
    clay.setTopLeft(QStringLiteral("Location, 1=Top, 2=Bottom"));
    clay.setIdentifier(2);
    clay.setMinRows(2);
    clay.setMaxRows(2);
    clay.setComments(texts::kClayLayerNote);
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
    floatColumn(clay, {QStringLiteral("Soil Type Factor"), QStringLiteral("Fst (optional)")}, {}, 1);

    GridTable& d = w.soilLayers;
    d.setCaption(QStringLiteral("Soil Properties"));
    d.setTopLeft(QStringLiteral("Layer"));
    d.setIdentifier(10);
    d.setMinRows(1);
    d.setMaxRows(kMaxSoilLayers);  // a top and a bottom soil point per layer
    d.setComments(texts::kSoilLayersNote);
    {
        auto type = std::make_unique<ChoiceColumn>();
        type->headings = {QStringLiteral("Soil Type")};
        type->choices = {QStringLiteral("sand"), QStringLiteral("clay")};
        d.addColumn(std::move(type));
    }
    floatColumn(d, {QStringLiteral("Depth at Bottom "), QStringLiteral("of each Layer")},
                QStringLiteral("L2"));
    {
        auto data = std::make_unique<SubTableColumn>();
        data->headings = {QStringLiteral("Layer Data")};
        data->templates.addIdentifier(1);  // sand
        data->templates.addIdentifier(2);  // clay
        d.addColumn(std::move(data));
    }
    floatColumn(d, {QStringLiteral("Max. Side Friction")}, QStringLiteral("F/L2^2"));
    floatColumn(d, {QStringLiteral("Max. End Bearing")}, QStringLiteral("F/L2^2"));
    floatColumn(d, {QStringLiteral("Reduction/Resistance "), QStringLiteral("Factors on Side Friction")}, {},
                1);
    floatColumn(d, {QStringLiteral("Reduction/Resistance "), QStringLiteral("Factors on End Bearing")}, {},
                1);
    // The layer's own constants: quakes in in | mm, Smith damping in s/ft | s/m (English per S.I.
    // 0.3048), the set-up factor A and the time t0 in days without units.
    // In the order of the SoilLayerColumn values from ShaftQuakeColumn on.
    const char* const headings[] = {"Shaft Quake", "Toe Quake",       "Shaft Damping",
                                    "Toe Damping", "Set-up Factor A", "Set-up Time t0 (days)"};
    const char* const units[] = {"L1", "L1", "F5/L2", "F5/L2", "", ""};
    for (std::size_t k = 0; k < std::size(headings); ++k)
        floatColumn(d, {QLatin1String(headings[k])}, QLatin1String(units[k]), ProjectTables::kNotGiven,
                    false);
}

void declareOtherTables(ProjectTables& w) {
    GridTable& tz = w.tzPrintDepths;
    tz.setCaption(QStringLiteral("Depths for Internally-generated t-z curves"));
    tz.setIdentifier(0);
    tz.setMinRows(1);
    tz.setMaxRows(kMaxTzPrintDepths);
    floatColumn(tz, {QStringLiteral("Depth below the ground"), QStringLiteral("surface")},
                QStringLiteral("L2"));

    GridTable& s = w.sectionAreas;
    s.setCaption(QStringLiteral("Cross Section Area"));
    s.setIdentifier(46);
    s.setMinRows(2);
    s.setMaxRows(kMaxSectionRows);
    floatColumn(s, {QStringLiteral("Distance from "), QStringLiteral("pile head,")}, QStringLiteral("L2"));
    floatColumn(s, {QStringLiteral("Cross section area,")}, QStringLiteral("L^2"));

    GridTable& p = w.soilProfile;
    p.setCaption(QStringLiteral("Soil Profile"));
    p.setIdentifier(209);
    p.setMinRows(1);
    {
        auto n = std::make_unique<IntColumn>();
        n->headings = {QStringLiteral("Layer Number")};
        n->maxValue = 2147483647;
        p.addColumn(std::move(n));
    }
    floatColumn(p, {QStringLiteral("Depth")});

    GridTable& v = w.layerValues;
    v.setIdentifier(6);
    v.setMinRows(2);
    v.setMaxRows(2);
    for (const char* h : {"Effective Unit Weight", "Cohesive strength", "Remold strength", "PI", "YSR", "Qc"})
        floatColumn(v, {QLatin1String(h)});
    floatColumn(v, {QStringLiteral("Unit Side Friction"), QStringLiteral("(user specified)")});
    floatColumn(v, {QStringLiteral("Unit End Bearing"), QStringLiteral("(user specified)")});
}

}  // namespace

ProjectTables::ProjectTables() {
    declareSoilTables(*this);
    declareOtherTables(*this);
    for (GridTable* t : all()) t->setRowCount(t->minRows());
}

void ProjectTables::showSoilColumns(bool offshoreEdition, bool userSpecified) {
    const QString clayNote = offshoreEdition ? texts::kClayLayerNote + u'\r' + texts::kClayOffshoreNote
                                             : QString(texts::kClayLayerNote);
    auto apply = [&](GridTable& t, bool clay) {
        if (clay) {
            t.setColumnShown(PlasticityIndex, offshoreEdition);
            t.setColumnShown(YieldStressRatio, offshoreEdition);
            t.setColumnShown(ClayFst, offshoreEdition);
            t.setComments(clayNote);
        }
        t.setColumnShown(SandQc, offshoreEdition);  // the same column in both kinds
        t.setColumnShown(SandUserFriction, userSpecified);
        t.setColumnShown(SandUserBearing, userSpecified);
    };
    apply(sandLayerData, false);
    apply(clayLayerData, true);
    for (int i = 0; i < soilLayers.rowCount(); ++i) {
        if (GridTable* d = soilLayers.cell(LayerDataColumn, i).subTable())
            apply(*d, soilLayers.cell(SoilTypeColumn, i).toInt() == 2);
    }
}

std::vector<GridTable*> ProjectTables::all() {
    return {&sandLayerData, &clayLayerData, &soilLayers, &tzPrintDepths,
            &sectionAreas,  &soilProfile,   &layerValues};
}

std::vector<GridTable*> ProjectTables::edited() {
    return {&soilLayers, &tzPrintDepths, &sectionAreas};
}

}  // namespace torve::app
