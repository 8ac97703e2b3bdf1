// The checks of a project's input: what each rule names, the order of the findings, and the engine's
// reader stopping at the first refusal as it reads.
#include "engine/model/input_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "engine/model/taper_limit.h"
#include "tests/support/project_text.h"

namespace torve {
namespace {

using Severity = Finding::Severity;

// A 24 in closed pipe 60 ft long (API RP 2A, increments of 1 ft), sand 0-30 ft over clay 30-100 ft.
ProjectRecords two_layers() {
    ProjectRecords p = test::project();
    test::add_layer(p, test::sand_layer(0, 30, 60, 30, 0.8, 20));
    test::add_layer(p, test::clay_layer(30, 100, 50, 1500, 700));
    return p;
}

struct Expected {
    Severity severity;
    RecordId record;
    int index;
    const char* field;
    const char* message;
    std::optional<Method> method = std::nullopt;
    bool stops_run = false;
};

void expect_findings(const std::vector<Finding>& found, const std::vector<Expected>& expected,
                     const char* what) {
    SCOPED_TRACE(what);
    ASSERT_EQ(found.size(), expected.size()) << (found.empty() ? "" : found.front().message);
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].severity, expected[i].severity) << found[i].message;
        EXPECT_EQ(found[i].place.id, expected[i].record) << found[i].message;
        EXPECT_EQ(found[i].place.index, expected[i].index) << found[i].message;
        EXPECT_EQ(found[i].field, expected[i].field);
        EXPECT_EQ(found[i].message, expected[i].message);
        EXPECT_EQ(found[i].method, expected[i].method) << found[i].message;
        EXPECT_EQ(found[i].stops_run, expected[i].stops_run) << found[i].message;
    }
}

// Each rule names its record, its field and the value found, with the limit that value breaks.
TEST(InputChecks, EachRuleNamesFieldValueAndLimit) {
    const struct {
        const char* what;
        std::function<void(ProjectRecords&)> change;
        std::vector<Expected> expected;
    } cases[] = {
        {"as it is", [](ProjectRecords&) {}, {}},
        {"no unit weight",
         [](ProjectRecords& p) { p.soil_points[2].effective_unit_weight = 0; },
         {{Severity::Error, RecordId::SoilPointFirstLine, 2, "effective unit weight",
           "expected a positive effective unit weight, found 0."}}},
        // No quantity of a pile comes near 1E+15; such a value is named for that alone.
        {"out of range",
         [](ProjectRecords& p) { p.total_pile_length = -2e15; },
         {{Severity::Error, RecordId::PileSection, 0, "total pile length",
           "expected at most 1E+15 in magnitude for the total pile length, found -2000000000000000."}}},
        {"inside diameter as large as the outside",
         [](ProjectRecords& p) { p.inside_diameter = 24; },
         {{Severity::Error, RecordId::PileSection, 0, "inside diameter",
           "expected an inside diameter below the outside diameter 24, found 24."}}},
        // A noncircular section computes with the solid circle of its perimeter, 31.416 / 3.1416 = 10
        // in (10.0000003 with the reader's single-precision pi, shown rounded down): an end section
        // opening of 12 in is wider than the pile. Its own diameters go unused.
        {"end section wider than a noncircular pile",
         [](ProjectRecords& p) {
             p.perimeter = 31.416;
             p.inside_diameter = 30;
             p.enhanced_end_section_length = 10;
             p.enhanced_end_section_inside_diameter = 12;
         },
         {{Severity::Error, RecordId::EndSection, 0, "enhanced end section inside diameter",
           "expected an enhanced end section inside diameter below the outside diameter 10.000, found 12."}}},
        {"soil depths going up",
         [](ProjectRecords& p) { p.soil_points[2].depth = 25; },
         {{Severity::Error, RecordId::SoilPointFirstLine, 2, "depth",
           "expected a depth of at least 30, that of the soil point above, found 25."}}},
        // su -120 and -200 give a negative friction in every method.
        {"negative su",
         [](ProjectRecords& p) {
             p.soil_points[2].undrained_shear_strength = -120;
             p.soil_points[3].undrained_shear_strength = -200;
         },
         {{Severity::Error, RecordId::SoilPointSecondLine, 2, "undrained shear strength",
           "expected an undrained shear strength of 0 or more, found -120."},
          {Severity::Error, RecordId::SoilPointSecondLine, 3, "undrained shear strength",
           "expected an undrained shear strength of 0 or more, found -200."}}},
        // A negative PI or YSR is the clay rule's mark of data not given, a sand's Ko unused in clay.
        {"negative values that mean none",
         [](ProjectRecords& p) {
             p.soil_points[2].plasticity_index = -1;
             p.soil_points[2].yield_stress_ratio = -1;
             p.soil_points[2].coefficient_of_lateral_earth_pressure = -1;
             p.soil_points[0].cone_resistance = -1;
         },
         {}},
        {"sand friction angle beyond the charts",
         [](ProjectRecords& p) { p.soil_points[1].friction_angle = 50; },
         {{Severity::Warning, RecordId::SoilPointFirstLine, 1, "friction angle",
           "expected a friction angle of at most 45 degrees, found 50: the charts of every method end "
           "there."}}},
        {"hardly a soil",
         [](ProjectRecords& p) { p.soil_points[0].effective_unit_weight = 200; },
         {{Severity::Warning, RecordId::SoilPointFirstLine, 0, "effective unit weight",
           "expected an effective unit weight from 20 to 160, found 200: hardly a soil."}}},
        {"section rows of a varying area",
         [](ProjectRecords& p) {
             p.section_mode = 2;
             p.section_rows = {{0, 36.9}, {50, 0}};
             p.number_of_section_rows = 2;
         },
         {{Severity::Error, RecordId::SectionRow, 1, "cross-section area",
           "expected a positive cross-section area, found 0."}}},
        {"a varying area without rows",
         [](ProjectRecords& p) { p.section_mode = 2; },
         {{Severity::Error, RecordId::SectionTable, 0, "number of section rows",
           "expected at least one section row for an area varying with depth (section mode 2), found 0."}}},
        // The area stands in record 9, read before the mode that needs it.
        {"a constant area of none",
         [](ProjectRecords& p) { p.section_mode = 1; },
         {{Severity::Error, RecordId::SoilDepth, 0, "cross-section area",
           "expected a positive cross-section area for the constant area of section mode 1, found 0."}}},
        {"too many t-z print depths",
         [](ProjectRecords& p) {
             p.t_z_print_flag = 1;
             p.t_z_print_depths.assign(101, 5.0);
         },
         {{Severity::Error, RecordId::TzPrint, 0, "number of t-z print depths",
           "expected from 0 to 100 t-z print depths, found 101."}}},
        {"a clay without friction by its soil-type factor",
         [](ProjectRecords& p) { p.soil_points[2].soil_type_factor_fst = 0; },
         {{Severity::Error, RecordId::SoilPointSecondLine, 2, "soil-type factor Fst",
           "expected a positive soil-type factor Fst, found 0."}}},
        {"a soil-type factor above an insensitive clay's",
         [](ProjectRecords& p) { p.soil_points[3].soil_type_factor_fst = 1.5; },
         {{Severity::Warning, RecordId::SoilPointSecondLine, 3, "soil-type factor Fst",
           "expected a soil-type factor Fst of at most 1, found 1.5: the clay takes more friction than an "
           "insensitive clay."}}},
        {"a Unified clay base option of neither rule",
         [](ProjectRecords& p) { p.unified_clay_base_option = 2; },
         {{Severity::Error, RecordId::DrainageAndPlug, 0, "Unified clay base option",
           "expected a Unified clay base option of 0 (effective area ratio) or 1 (load tests), found 2."}}},
        // A mode that a reading left out (the desktop program's, of an earlier layout) is none to the engine.
        {"no section mode",
         [](ProjectRecords& p) { p.section_mode.reset(); },
         {{Severity::Error, RecordId::SectionTable, 0, "section mode",
           "expected a section mode of 0, 1 or 2, found none."}}},
        // 60 ft + 2 x 24 in = 64 ft of soil are needed.
        {"soil shallower than the tip plus two diameters",
         [](ProjectRecords& p) { p.deepest_soil_depth = 63.5; },
         {{Severity::Error, RecordId::SoilDepth, 0, "deepest soil depth",
           "expected a deepest soil depth of at least 64, the pile length plus two diameters, found 63.5: "
           "the "
           "run stops before its results.",
           std::nullopt, true}}},
        // 100 ft in increments of 0.1 ft: 1000 segments.
        {"more segments than the analysis holds",
         [](ProjectRecords& p) { p.computation_increment = 0.1; },
         {{Severity::Error, RecordId::SoilDepth, 0, "deepest soil depth",
           "expected a deepest soil depth of at most 500 computation increments, found 100, 1000 increments "
           "of 0.1: the run stops before its results.",
           std::nullopt, true}}},
        // 60 / 0.7 = 85.71 increments: the tables end at 85 x 0.7 = 59.50 ft.
        {"a pile length between increments",
         [](ProjectRecords& p) { p.computation_increment = 0.7; },
         {{Severity::Warning, RecordId::PileSection, 0, "total pile length",
           "expected a total pile length of a whole number of computation increments of 0.7, found 60: every "
           "table and the summary end at the penetration 59.50, short of the tip."}}},
        // 60 / 0.3 is 199.99999999999997 in binary: within the grid's allowance of 200.
        {"a whole number of increments up to rounding",
         [](ProjectRecords& p) { p.computation_increment = 0.3; },
         {}},
    };
    for (const auto& c : cases) {
        ProjectRecords p = two_layers();
        c.change(p);
        expect_findings(check_project(p, {}), c.expected, c.what);
    }
}

// A project with several faults names them all, in the order of the file; the first is the one the
// engine's reader stops at.
TEST(InputChecks, ListsEveryFindingInFileOrder) {
    ProjectRecords p = two_layers();
    p.modulus_of_elasticity = 0;                   // record 5
    p.soil_points[3].friction_angle = 95;          // soil point 4 (clay), first line
    p.plug_condition_code = 7;                     // record 13
    p.soil_points[0].bearing_capacity_factor = 0;  // API needs Nq in sand
    const std::vector<Finding> found = check_project(p, {});
    expect_findings(found,
                    {{Severity::Error, RecordId::PileSection, 0, "modulus of elasticity",
                      "expected a positive modulus of elasticity, found 0."},
                     {Severity::Error, RecordId::SoilPointFirstLine, 3, "friction angle",
                      "expected a friction angle from 0 to below 90 degrees, found 95."},
                     {Severity::Error, RecordId::DrainageAndPlug, 0, "plug condition code",
                      "expected a plug condition code of 0, 1 or 2, found 7."},
                     {Severity::Error, RecordId::SoilPointFirstLine, 0, "bearing capacity factor",
                      "expected a bearing capacity factor above 0, found 0.", Method::Api}},
                    "four faults");
    EXPECT_EQ(first_refusal(found), &found.front());
    EXPECT_EQ(found[3].layer, 1);
    EXPECT_EQ(found[3].depth, 0.0);
    EXPECT_EQ(found[1].layer, 2);  // the bottom point of layer 2
    EXPECT_EQ(found[1].depth, 100.0);
}

// What a selected method lacks, layer by layer, named at the first point of the layer that lacks it.
// The methods of the ICP-05 clay rule go on without YSR or PI and warn of it; NGI's own clay rule
// bears on PI with nothing to warn.
TEST(InputChecks, WhatEachMethodNeedsOfALayer) {
    const struct {
        const char* what;
        std::vector<Method> methods;
        std::function<void(ProjectRecords&)> change;
        std::vector<Expected> expected;
        std::vector<std::pair<double, double>> cpt = {};
    } cases[] = {
        {"API without su in clay",
         {Method::Api},
         [](ProjectRecords& p) { p.soil_points[3].undrained_shear_strength = 0; },
         {{Severity::Error, RecordId::SoilPointSecondLine, 3, "undrained shear strength",
           "expected an undrained shear strength above 0, found 0.", Method::Api}}},
        {"USACE without Ko in sand",
         {Method::Usace},
         [](ProjectRecords& p) {
             for (int i : {0, 1})
                 p.soil_points[static_cast<std::size_t>(i)].coefficient_of_lateral_earth_pressure = 0;
         },
         {{Severity::Error, RecordId::SoilPointFirstLine, 0, "coefficient of lateral earth pressure",
           "expected a coefficient of lateral earth pressure above 0, found 0.", Method::Usace}}},
        // Its end bearing is API RP 2A's, Nq times the effective stress.
        {"Revised Lambda without Nq",
         {Method::RevisedLambda},
         [](ProjectRecords& p) { p.soil_points[1].bearing_capacity_factor = 0; },
         {{Severity::Error, RecordId::SoilPointFirstLine, 1, "bearing capacity factor",
           "expected a bearing capacity factor above 0, found 0.", Method::RevisedLambda}}},
        {"FHWA takes a sand's blow count for its friction angle",
         {Method::Fhwa},
         [](ProjectRecords& p) {
             for (int i : {0, 1}) {
                 p.soil_points[static_cast<std::size_t>(i)].friction_angle = 0;
                 p.soil_points[static_cast<std::size_t>(i)].remolded_shear_strength_or_blow_count = 20;
             }
         },
         {}},
        {"neither friction angle nor blow count",
         {Method::Fhwa},
         [](ProjectRecords& p) { p.soil_points[1].friction_angle = 0; },
         {{Severity::Error, RecordId::SoilPointFirstLine, 1, "friction angle",
           "expected a friction angle or an SPT blow count above 0, found 0.", Method::Fhwa}}},
        // Sand without qc takes it from its blow count; clay under NGI bears on su and PI, not qc.
        {"NGI without qc or PI",
         {Method::Ngi},
         [](ProjectRecords& p) { p.soil_points[1].remolded_shear_strength_or_blow_count = 10; },
         {{Severity::Error, RecordId::SoilPointSecondLine, 0, "cone resistance",
           "expected a cone resistance of at least 0.00001, CPT points or an SPT blow count, found 0.",
           Method::Ngi},
          {Severity::Error, RecordId::SoilPointSecondLine, 2, "plasticity index",
           "expected a plasticity index above 0, found 0.", Method::Ngi}}},
        {"CPT points give every layer its qc",
         {Method::Unified},
         [](ProjectRecords&) {},
         {},
         {{0, 5000}, {100, 9000}}},
        {"ICP/MTD without YSR or PI",
         {Method::IcpMtd},
         [](ProjectRecords& p) {
             for (SoilPointRecord& s : p.soil_points) s.cone_resistance = 8000;
             p.soil_points[2].yield_stress_ratio = 2;
         },
         {{Severity::Warning, RecordId::SoilPointSecondLine, 3, "yield stress ratio",
           "expected a yield stress ratio above 0, found 0: the method's clay friction there is zero.",
           Method::IcpMtd},
          {Severity::Warning, RecordId::SoilPointSecondLine, 2, "plasticity index",
           "expected a plasticity index above 0, found 0: the method takes the interface friction angle of "
           "PI 0.",
           Method::IcpMtd}}},
        {"user-specified without values",
         {Method::UserSpecified},
         [](ProjectRecords&) {},
         {{Severity::Warning, RecordId::SoilPointSecondLine, 0, "user unit skin friction",
           "expected a user unit skin friction or end bearing above 0, found 0.", Method::UserSpecified},
          {Severity::Warning, RecordId::SoilPointSecondLine, 2, "user unit skin friction",
           "expected a user unit skin friction or end bearing above 0, found 0.", Method::UserSpecified}}},
    };
    for (const auto& c : cases) {
        ProjectRecords p = two_layers();
        p.offshore_data_flag = 1;
        MethodFlags flags{};
        for (Method m : c.methods) flags[index_of(m)] = 1;
        p.method_selection_flags = flags;
        c.change(p);
        CptProfile cpt{1, {}};
        for (const auto& [depth, qc] : c.cpt) cpt.points.push_back({depth, qc});
        expect_findings(check_project(p, cpt), c.expected, c.what);
    }
}

// A cone-based method runs only on a project with offshore data: selected without it, or taken for
// the unit load transfers, it would be left out of a run that says it completed. The check refuses
// such a project and says why, once per method.
TEST(InputChecks, ConeMethodsWithoutOffshoreDataAreRefused) {
    const struct {
        const char* what;
        int offshore;
        std::vector<Method> selected;
        int load_transfer;
        std::vector<const char*> messages;
    } cases[] = {
        {"onshore methods need no offshore data", 0, {Method::Api}, 4, {}},
        {"with the flag the cone methods run", 1, {Method::Api, Method::Uwa}, 9, {}},
        {"UWA selected without the flag",
         0,
         {Method::Api, Method::Uwa},
         4,
         {"expected an offshore-data flag of 1 for the selected cone-based method UWA, found 0: without it "
          "the method does not run."}},
        {"NGI for unit load transfers alone",
         0,
         {Method::Api},
         6,
         {"expected an offshore-data flag of 1 for the cone-based method for unit load transfers NGI, "
          "found 0: without it the method does not run."}},
        {"two selected, one of them for the load transfers",
         2,
         {Method::Ngi, Method::Unified},
         6,
         {"expected an offshore-data flag of 1 for the selected cone-based method for unit load transfers "
          "NGI, found 2: without it the method does not run.",
          "expected an offshore-data flag of 1 for the selected cone-based method Unified, found 2: "
          "without it the method does not run."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ProjectRecords p = two_layers();
        p.offshore_data_flag = c.offshore;
        MethodFlags flags{};
        for (Method m : c.selected) flags[index_of(m)] = 1;
        p.method_selection_flags = flags;
        p.load_transfer_method_code = c.load_transfer;
        std::vector<Finding> refused;
        for (const Finding& f : check_project(p, {}))
            if (f.field == "offshore-data flag") refused.push_back(f);
        ASSERT_EQ(refused.size(), c.messages.size());
        for (std::size_t i = 0; i < refused.size(); ++i) {
            EXPECT_EQ(refused[i].message, c.messages[i]);
            EXPECT_TRUE(refused[i].refuses());
            EXPECT_EQ(refused[i].place.id, RecordId::Options);
            EXPECT_TRUE(refused[i].method.has_value());
        }
    }
}

// What the Dutch cone method lacks of the pile: a pile class or a section it has no factors for
// (refused, since it would give no capacity), and a sounding short of the zones of its base. The
// pile: precast concrete, square 0.4 m (A = 0.16 m2, D_eq = 2 sqrt(0.16 / pi) = 0.45135 m), tip at
// 15 m: the lower zone reaches 0.7 D = 0.316 m to 4 D = 1.805 m below it (15.316 to 16.805 m), the
// upper zone 8 D = 3.611 m above it (up to 11.389 m).
TEST(InputChecks, WhatTheDutchConeMethodLacksOfThePile) {
    const struct {
        const char* what;
        std::function<void(ProjectRecords&)> change;
        double first, last;  // depths of the CPT rows, m
        std::vector<Expected> expected;
    } cases[] = {
        {"square precast pile, sounding 0 to 25 m", [](ProjectRecords&) {}, 0, 25, {}},
        {"steel pipe",
         [](ProjectRecords& p) { p.pile_type_code = 1; },
         0,
         25,
         {{Severity::Error, RecordId::Options, 0, "pile-type code",
           "expected a pile type of a class the method has factors for (3, precast concrete), found 1 (steel "
           "pipe): the method gives it no capacity.",
           Method::Nen9997}}},
        {"H-pile taken for the unit load transfers alone",
         [](ProjectRecords& p) {
             p.pile_type_code = 6;
             p.method_selection_flags = MethodFlags{0, 0, 0, 1};
         },
         0,
         25,
         {{Severity::Error, RecordId::Options, 0, "pile-type code",
           "expected a pile type of a class the method has factors for (3, precast concrete), found 6 "
           "(H-pile): the method gives it no capacity.",
           Method::Nen9997}}},
        {"steel pipe, the method neither selected nor for the load transfers",
         [](ProjectRecords& p) {
             p.pile_type_code = 1;
             p.method_selection_flags = MethodFlags{0, 0, 0, 1};
             p.load_transfer_method_code = code_of(Method::Api);
         },
         0,
         25,
         {}},
        // 0.3 x 0.6 m: 4 sqrt(0.18) = 1.697056 m against a perimeter of 1.8 m.
        {"rectangle",
         [](ProjectRecords& p) {
             p.perimeter = 1800;
             p.tip_area = 0.18;
         },
         0,
         25,
         {{Severity::Error, RecordId::PileSection, 0, "perimeter",
           "expected the perimeter of a square section, 4 sqrt(tip area) = 1697.056, found 1800: the method "
           "has no section factor for a rectangle and gives it no capacity.",
           Method::Nen9997}}},
        {"tension",
         [](ProjectRecords& p) {
             p.loading_type_code = 1;
             p.tension_reduction_factor = 0.7;
         },
         0,
         25,
         {{Severity::Warning, RecordId::Loading, 0, "loading type code",
           "expected compression loading, found 1 (tension): the method has no tension factor of its own "
           "here, so its shaft friction in tension is its friction in compression times the tension "
           "reduction factor, and its base the pile's self weight.",
           Method::Nen9997}}},
        {"sounding to 16 m",
         [](ProjectRecords&) {},
         0,
         16,
         {{Severity::Warning, RecordId::CptRow, 1, "depth",
           "expected CPT rows down to 4 equivalent diameters below the tip, 16.806, found the last at 16: "
           "the "
           "method seeks the lower zone of its base only down to the last row.",
           Method::Nen9997}}},
        {"sounding to 15.2 m",
         [](ProjectRecords&) {},
         0,
         15.2,
         {{Severity::Warning, RecordId::CptRow, 1, "depth",
           "expected CPT rows down to 4 equivalent diameters below the tip, 16.806, found the last at 15.2: "
           "less than 0.7 diameters below the tip, so the method takes no base resistance there.",
           Method::Nen9997}}},
        {"sounding from 12 m",
         [](ProjectRecords&) {},
         12,
         25,
         {{Severity::Warning, RecordId::CptRow, 0, "depth",
           "expected CPT rows from 8 equivalent diameters above the tip, 11.389, found the first at 12: the "
           "method averages the upper zone of its base only from the first row.",
           Method::Nen9997}}},
        {"sounding to 16 m under a tip layer with a qc of its own",
         [](ProjectRecords& p) {
             p.soil_points[0].cone_resistance = p.soil_points[1].cone_resistance = 10000;
         },
         0,
         16,
         {}},
    };
    for (const auto& c : cases) {
        ProjectRecords p = test::project();
        p.unit_system_code = 2;
        p.pile_type_code = 3;
        p.perimeter = 1600;
        p.tip_area = 0.16;
        p.outside_diameter = 400;
        p.inside_diameter = 0;
        p.modulus_of_elasticity = 3e7;
        p.total_pile_length = 15;
        p.computation_increment = 0.5;
        p.deepest_soil_depth = 24;
        p.offshore_data_flag = 1;
        p.load_transfer_method_code = code_of(Method::Nen9997);
        p.method_selection_flags = MethodFlags{};
        (*p.method_selection_flags)[index_of(Method::Nen9997)] = 1;
        test::add_layer(p, test::sand_layer(0, 24, 10, 32, 0.8, 20));
        c.change(p);
        const CptProfile cpt{2, {{c.first, 10000}, {c.last, 10000}}};
        std::vector<Finding> dutch;
        for (const Finding& f : check_project(p, cpt))
            if (f.method == Method::Nen9997) dutch.push_back(f);
        expect_findings(dutch, c.expected, c.what);
    }
}

// Values the analysis takes but hardly a pile's: a modulus typed in another unit (210 for 210 GPa),
// a zero-friction length longer than the pile, no tension factor under tension. Warnings, each at
// the record that holds the value.
TEST(InputChecks, ImplausibleValuesWarn) {
    const struct {
        const char* what;
        std::function<void(ProjectRecords&)> change;
        std::vector<Expected> expected;
    } cases[] = {
        // 29,000 ksi is steel's 200 GPa.
        {"steel as it is", [](ProjectRecords&) {}, {}},
        {"ksi typed into a lb/in2 field",
         [](ProjectRecords& p) { p.modulus_of_elasticity = 29000; },
         {{Severity::Warning, RecordId::PileSection, 0, "modulus of elasticity",
           "expected a modulus of elasticity from 22000000 to 36000000 lb/in2 for a pile of steel, found "
           "29000: hardly the pile's material, perhaps a modulus in another unit."}}},
        // Precast concrete of 30 GPa = 4.35E+06 lb/in2 is within 2E+06 to 9E+06; steel's modulus is not.
        {"concrete pile of concrete",
         [](ProjectRecords& p) { p.pile_type_code = 3, p.modulus_of_elasticity = 4.35e6; },
         {}},
        {"concrete pile of steel's modulus",
         [](ProjectRecords& p) { p.pile_type_code = 3; },
         {{Severity::Warning, RecordId::PileSection, 0, "modulus of elasticity",
           "expected a modulus of elasticity from 2000000 to 9000000 lb/in2 for a pile of concrete, found "
           "29000000: hardly the pile's material, perhaps a modulus in another unit."}}},
        // Timber of 10 GPa = 1.45E+06 lb/in2.
        {"timber", [](ProjectRecords& p) { p.pile_type_code = 2, p.modulus_of_elasticity = 1.45e6; }, {}},
        {"zero-friction length as long as the pile",
         [](ProjectRecords& p) { p.zero_friction_length = 60; },
         {}},
        {"zero-friction length beyond the pile",
         [](ProjectRecords& p) { p.zero_friction_length = 61; },
         {{Severity::Warning, RecordId::Options, 0, "zero-friction length",
           "expected a zero-friction length of at most the total pile length 60, found 61: no part of the "
           "pile takes friction."}}},
        // A working load is a share of the capacity at the tip: above 0, at most all of it.
        {"working loads of the capacity",
         [](ProjectRecords& p) {
             p.working_load_fractions = std::vector<double>{1.0, 0.5, 0.001};
         },
         {}},
        {"working loads of none and more than all",
         [](ProjectRecords& p) {
             p.working_load_fractions = std::vector<double>{0.0, 1.5};
         },
         {{Severity::Error, RecordId::WorkingLoads, 0, "working-load fraction",
           "expected a working-load fraction above 0 and at most 1 of the capacity at the tip, found 0."},
          {Severity::Error, RecordId::WorkingLoads, 0, "working-load fraction",
           "expected a working-load fraction above 0 and at most 1 of the capacity at the tip, found 1.5."}}},
        {"no working loads at all",
         [](ProjectRecords& p) { p.working_load_fractions = std::vector<double>{}; },
         {{Severity::Error, RecordId::WorkingLoads, 0, "number of working loads",
           "expected from 1 to 10 working loads, found 0."}}},
        {"tension factor 0 in compression", [](ProjectRecords& p) { p.tension_reduction_factor = 0; }, {}},
        {"tension factor 0 in tension",
         [](ProjectRecords& p) {
             p.loading_type_code = 1;
             p.tension_reduction_factor = 0;
         },
         {{Severity::Warning, RecordId::Loading, 0, "tension reduction factor",
           "expected a tension reduction factor above 0, found 0: no shaft friction in tension."}}},
    };
    for (const auto& c : cases) {
        ProjectRecords p = two_layers();
        c.change(p);
        expect_findings(check_project(p, {}), c.expected, c.what);
    }
}

// The largest taper of a 24 in pile 60 ft (720 in) long is atan(12 / 720) = atan(1/60): 1/60 -
// (1/60)^3 / 3 = 0.0166651 rad = 0.954841 degrees. A refusal names 0.954, which the angle refused
// breaks, not 0.955, which it does not; at the limit itself the tip diameter is zero and the pile runs.
TEST(InputChecks, TaperAtItsLimit) {
    const double limit = largest_taper_angle(24, 720);
    EXPECT_NEAR(limit, 0.954841, 5e-7);
    const struct {
        double angle;
        bool refused;
    } cases[] = {
        {0.9548, false},
        {limit, false},
        {std::nextafter(limit, 90.0), true},
        {0.9549, true},
    };
    for (const auto& c : cases) {
        ProjectRecords p = two_layers();
        p.taper_angle = c.angle;
        const std::vector<Finding> found = check_project(p, {});
        ASSERT_EQ(found.size(), c.refused ? 1u : 0u) << c.angle;
        EXPECT_EQ(taper_too_large(c.angle, 24, 720), c.refused) << c.angle;
        if (!c.refused) continue;
        EXPECT_EQ(found[0].field, "taper angle");
        EXPECT_EQ(found[0].value, c.angle);
        EXPECT_EQ(found[0].message.substr(0, 47), "expected a taper angle of at most 0.954 degrees");
        EXPECT_NE(found[0].message.find(": a larger one gives a negative tip diameter."), std::string::npos);
    }
    ProjectRecords p = two_layers();
    p.taper_angle = 0.9549;
    EXPECT_EQ(
        check_project(p, {})[0].message,
        "expected a taper angle of at most 0.954 degrees, found 0.9549: a larger one gives a negative tip "
        "diameter.");
    // S.I.: 610 mm over 20 m, atan(305 / 20000) = 0.0152488 rad = 0.873693 degrees.
    EXPECT_NEAR(largest_taper_angle(610, 20000), 0.873693, 5e-7);
    EXPECT_FALSE(taper_too_large(45, 0, 720));  // no diameter: no largest angle to break
}

// Each record is checked as soon as it is read: the first refusal in the order of the file is named,
// on its record's line, before a damage further down that the reader would find.
TEST(InputChecks, AsTheReadingGoes) {
    ProjectRecords p = two_layers();
    p.plug_condition_code = 7;             // record 13, line 20
    p.soil_points[1].friction_angle = 95;  // soil point 2, line 12
    p.load_transfer_method_code = 0;       // record 7, line 7
    const std::string text = test::text_of(p);
    ProjectRecords q = p;
    q.load_transfer_method_code = 4;
    const std::string record7 =
        "Input data file \"p.tv6d\", record 7 (computation options), line 7: expected a load-transfer method "
        "code from 1 to 11, found 0.";
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        {text, record7},
        // A word that is no number further down: the refusal is named, as its record came first.
        {text.substr(0, text.rfind("0 0\n0 0\n")) + "x 0\n0 0\n", record7},
        // Cut short in the soil points: the file ends after a record that is refused.
        {text.substr(0, text.find("\n30 ")) + "\n", record7},
        {test::text_of(q),
         "Input data file \"p.tv6d\", record 10 (soil point 2 of 4, first line), line 12: expected a "
         "friction "
         "angle from 0 to below 90 degrees, found 95."},
    };
    for (const auto& c : cases) {
        try {
            InputValueChecks checks("p.tv6d");
            read_project_records(c.text, "p.tv6d", {}, &checks);
            ADD_FAILURE() << c.message;
        } catch (const InputError& e) {
            EXPECT_EQ(e.what(), c.message);
        }
    }
}

TEST(InputChecks, CountLimits) {
    const struct {
        CountOf what;
        long long n;
        const char* message;  // empty: within the limits
    } cases[] = {
        {CountOf::SoilPoints, 2, ""},
        {CountOf::SoilPoints, 80, ""},
        {CountOf::SoilPoints, 1,
         "expected from 2 to 80 soil points (a top and a bottom point per layer), found 1."},
        {CountOf::SoilPoints, 81,
         "expected from 2 to 80 soil points (a top and a bottom point per layer), found 81."},
        {CountOf::TzPrintDepths, 0, ""},
        {CountOf::TzPrintDepths, -1, "expected from 0 to 100 t-z print depths, found -1."},
        {CountOf::SectionRows, 100, ""},
        {CountOf::SectionRows, 101, "expected from 0 to 100 section rows, found 101."},
        {CountOf::CptRows, 1000, ""},
        {CountOf::CptRows, 1001, "expected from 0 to 1000 CPT rows, found 1001."},
    };
    for (const auto& c : cases) EXPECT_EQ(count_limit_message(c.what, c.n).value_or(""), c.message) << c.n;
}

TEST(InputChecks, CptRowsGoDownwards) {
    const CptProfile up{1, {{3.0, 5000}, {2.0, 6000}, {1.0, 7000}}};
    expect_findings(check_project(two_layers(), up),
                    {{Severity::Error, RecordId::CptRow, 1, "depth",
                      "expected a depth of at least 3, that of the CPT row above, found 2."},
                     {Severity::Error, RecordId::CptRow, 2, "depth",
                      "expected a depth of at least 2, that of the CPT row above, found 1."}},
                    "rows going up");
    EXPECT_TRUE(check_project(two_layers(), {1, {{1, 5000}, {1, 6000}, {2, 7000}}}).empty());  // a step in qc
}

}  // namespace
}  // namespace torve
