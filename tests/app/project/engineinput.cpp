// The engine's reading of the files the desktop core writes, kept apart from the core's headers.
#include "tests/app/project/engineinput.h"

#include <gtest/gtest.h>

#include "engine/driver/input_reader.h"

namespace {

void expectSame(const torve::InputData& a, const torve::InputData& b) {
    EXPECT_EQ(a.title, b.title);
    EXPECT_EQ(a.units, b.units);
    EXPECT_EQ(a.print_interval, b.print_interval);
    for (auto [x, y] : {std::pair{a.perimeter, b.perimeter},
                        {a.tip_area, b.tip_area},
                        {a.outside_diameter, b.outside_diameter},
                        {a.inside_diameter, b.inside_diameter},
                        {a.modulus, b.modulus},
                        {a.pile_length, b.pile_length},
                        {a.stickup_length, b.stickup_length},
                        {a.end_section_length, b.end_section_length},
                        {a.end_section_inside_diameter, b.end_section_inside_diameter},
                        {a.zero_friction_length, b.zero_friction_length},
                        {a.increment, b.increment},
                        {a.taper_angle, b.taper_angle},
                        {a.deepest_soil_depth, b.deepest_soil_depth},
                        {a.section_area, b.section_area},
                        {a.tension_factor, b.tension_factor},
                        {a.critical_depth, b.critical_depth}})
        EXPECT_EQ(x, y);
    EXPECT_EQ(a.pile_type, b.pile_type);
    EXPECT_EQ(a.load_transfer_method, b.load_transfer_method);
    EXPECT_EQ(a.selected, b.selected);
    ASSERT_EQ(a.soil.size(), b.soil.size());
    for (std::size_t i = 0; i < a.soil.size(); ++i) {
        const torve::SoilPoint &p = a.soil[i], &q = b.soil[i];
        for (auto [x, y] : {std::pair{p.depth, q.depth},
                            {static_cast<double>(p.soil_type), static_cast<double>(q.soil_type)},
                            {p.earth_pressure, q.earth_pressure},
                            {p.unit_weight, q.unit_weight},
                            {p.friction_angle, q.friction_angle},
                            {p.bearing_factor, q.bearing_factor},
                            {p.max_friction, q.max_friction},
                            {p.max_bearing, q.max_bearing},
                            {p.su, q.su},
                            {p.sur, q.sur},
                            {p.blow_count_ysr, q.blow_count_ysr},
                            {p.user_friction_read, q.user_friction_read},
                            {p.lrfd_friction, q.lrfd_friction},
                            {p.lrfd_bearing, q.lrfd_bearing},
                            {p.plasticity_index, q.plasticity_index},
                            {p.cone_resistance, q.cone_resistance}})
            EXPECT_EQ(x, y) << "soil point " << i + 1;
    }
    EXPECT_EQ(a.tz_print, b.tz_print);
    EXPECT_EQ(a.tz_print_depths, b.tz_print_depths);
    EXPECT_EQ(a.loading_type, b.loading_type);
    EXPECT_EQ(a.plug_condition, b.plug_condition);
    EXPECT_EQ(a.section_mode, b.section_mode);
    ASSERT_EQ(a.sections.size(), b.sections.size());
    for (std::size_t i = 0; i < a.sections.size(); ++i) {
        EXPECT_EQ(a.sections[i].depth, b.sections[i].depth);
        EXPECT_EQ(a.sections[i].area, b.sections[i].area);
    }
    EXPECT_EQ(a.critical_depth_option, b.critical_depth_option);
}

}  // namespace

void expectSameEngineInput(const std::string& exampleText, const std::string& savedText) {
    expectSame(torve::parse_input_data(exampleText, "example"), torve::parse_input_data(savedText, "saved"));
}

std::size_t engineCptPointCount(const std::string& cptText) {
    return torve::parse_cpt_data(cptText, "cpt").points.size();
}
