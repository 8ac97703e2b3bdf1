// The soil's quakes and damping at a depth: the defaults by soil type and unit system, and the
// project's own values where its soil points give them.
#include <gtest/gtest.h>

#include "engine/driver/input_reader.h"
#include "engine/driver/soil_dynamics.h"
#include "tests/support/project_text.h"

namespace torve {
namespace {

// Sand 0-10 over clay 10-100 (ft or m), as the reader gives it.
InputData sand_over_clay(UnitSystem units, const LayerConstants& clay = {}) {
    ProjectRecords p = test::project();
    p.unit_system_code = code_of(units);
    test::add_layer(p, test::sand_layer(0, 10, 60, 30, 0.8, 20));
    test::add_layer(p, test::clay_layer(10, 100, 50, 1500, 700));
    p.soil_points[2].constants = clay;
    p.soil_points[3].constants = clay;
    return input_data_of(p);
}

// The defaults: 2.5 mm = 0.0984252 in; 0.16 s/m = 0.048768 s/ft, 0.65 s/m = 0.19812 s/ft,
// 0.50 s/m = 0.1524 s/ft (s/m times 0.3048 m/ft).
TEST(SoilDynamics, DefaultsBySoilAndUnits) {
    const struct {
        UnitSystem units;
        double depth;
        SoilDynamics expected;
    } cases[] = {
        {UnitSystem::SI, 5, {2.5, 2.5, 0.16, 0.50}},
        {UnitSystem::SI, 0, {2.5, 2.5, 0.16, 0.50}},
        {UnitSystem::SI, 10, {2.5, 2.5, 0.65, 0.50}},  // the clay begins at its top point
        {UnitSystem::SI, 60, {2.5, 2.5, 0.65, 0.50}},
        {UnitSystem::SI, 150, {2.5, 2.5, 0.65, 0.50}},  // below the last point: its soil
        {UnitSystem::English, 5, {0.0984251968503937, 0.0984251968503937, 0.048768, 0.1524}},
        {UnitSystem::English, 60, {0.0984251968503937, 0.0984251968503937, 0.19812, 0.1524}},
    };
    for (const auto& c : cases) {
        const SoilDynamics d = soil_dynamics_at(sand_over_clay(c.units), c.depth);
        EXPECT_DOUBLE_EQ(d.shaft_quake, c.expected.shaft_quake) << c.depth;
        EXPECT_DOUBLE_EQ(d.toe_quake, c.expected.toe_quake) << c.depth;
        EXPECT_DOUBLE_EQ(d.shaft_damping, c.expected.shaft_damping) << c.depth;
        EXPECT_DOUBLE_EQ(d.toe_damping, c.expected.toe_damping) << c.depth;
    }
}

// A layer's own values stand where given, the defaults in the rest, and only in that layer.
TEST(SoilDynamics, ProjectValuesOverrideTheDefaultsInTheirLayer) {
    LayerConstants clay;
    clay.toe_quake = 5.08;  // D/120 of a 610 mm closed pile, entered by the user
    clay.shaft_damping = 0.5;
    const InputData in = sand_over_clay(UnitSystem::SI, clay);
    const SoilDynamics deep = soil_dynamics_at(in, 50);
    EXPECT_EQ(deep.shaft_quake, 2.5);
    EXPECT_EQ(deep.toe_quake, 5.08);
    EXPECT_EQ(deep.shaft_damping, 0.5);
    EXPECT_EQ(deep.toe_damping, 0.50);
    const SoilDynamics shallow = soil_dynamics_at(in, 9.99);
    EXPECT_EQ(shallow.toe_quake, 2.5);
    EXPECT_EQ(shallow.shaft_damping, 0.16);
}

}  // namespace
}  // namespace torve
