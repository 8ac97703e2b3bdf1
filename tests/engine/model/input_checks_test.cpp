// The analysis' value checks over the records: where a refusal is placed, and the order they go in.
#include "engine/model/input_checks.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/support/project_text.h"

namespace torve {
namespace {

ProjectRecords two_layers() {
    ProjectRecords p = test::project();
    test::add_layer(p, test::sand_layer(0, 30, 60, 30, 0.8, 20));
    test::add_layer(p, test::clay_layer(30, 100, 50, 1500, 700));
    return p;
}

// A finding names its record, its field and, through the record's index, the soil point or row.
TEST(InputChecks, FindingsNameRecordFieldAndPoint) {
    const struct {
        std::function<void(ProjectRecords&)> change;
        RecordId record;
        int index;
        const char* field;
        const char* message;
    } cases[] = {
        {[](ProjectRecords& p) { p.soil_points[2].effective_unit_weight = 0; }, RecordId::SoilPointFirstLine,
         2, "effective unit weight", "expected a positive effective unit weight."},
        // No quantity of a pile comes near 1E+15; the value is named in its shortest form.
        {[](ProjectRecords& p) { p.total_pile_length = -2e15; }, RecordId::PileSection, 0,
         "total pile length", "the total pile length -2e+15 is out of range (at most 1E+15 in magnitude)."},
        {[](ProjectRecords& p) { p.soil_points[3].user_unit_end_bearing = 1e16; },
         RecordId::SoilPointSecondLine, 3, "user unit end bearing",
         "the user unit end bearing 1e+16 is out of range (at most 1E+15 in magnitude)."},
        {[](ProjectRecords& p) {
             p.section_mode = 2;
             p.section_rows = {{0, 36.9}, {50, 0}};
         },
         RecordId::SectionRow, 1, "cross-section area", "expected a positive cross-section area."},
        {[](ProjectRecords& p) { p.section_mode = 2; }, RecordId::SectionTable, 0, "number of section rows",
         "a cross-section area varying with depth needs at least one row."},
        {[](ProjectRecords& p) {
             p.t_z_print_flag = 1;
             p.t_z_print_depths.assign(101, 5.0);
         },
         RecordId::TzPrint, 0, "number of t-z print depths",
         "expected from 0 to 100 t-z print depths, found 101."},
        // A mode that a reading left out (the desktop program's, of an earlier layout) is none to the engine.
        {[](ProjectRecords& p) { p.section_mode.reset(); }, RecordId::SectionTable, 0, "section mode",
         "expected a section mode of 0, 1 or 2."},
    };
    for (const auto& c : cases) {
        ProjectRecords p = two_layers();
        c.change(p);
        const std::optional<ValueFinding> f = first_input_value_error(p);
        ASSERT_TRUE(f) << c.message;
        EXPECT_EQ(f->place.id, c.record) << c.message;
        EXPECT_EQ(f->place.index, c.index) << c.message;
        EXPECT_EQ(f->field, c.field);
        EXPECT_EQ(f->message, c.message);
    }
    EXPECT_FALSE(first_input_value_error(two_layers()));
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
        "code from 1 to 10.";
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
         "angle from 0 to below 90 degrees."},
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
    const CptProfile up{2, {{3.0, 5000}, {2.0, 6000}, {1.0, 7000}}};
    const std::optional<ValueFinding> f = first_cpt_value_error(up);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->place.id, RecordId::CptRow);
    EXPECT_EQ(f->place.index, 1);
    EXPECT_EQ(f->message, "CPT depths must not decrease downwards; the row above lies at 3.00.");
    EXPECT_FALSE(first_cpt_value_error({2, {{1, 5000}, {1, 6000}, {2, 7000}}}));  // a step in qc at one depth
}

}  // namespace
}  // namespace torve
