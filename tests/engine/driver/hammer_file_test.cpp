// The hammer file: what it gives a hammer, and every field refused by name.
#include "engine/driver/hammer_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <regex>
#include <string>

#include "engine/driver/input_reader.h"
#include "engine/model/input_error.h"
#include "tests/support/scratch_dir.h"

namespace torve {
namespace {

const std::string kFull = R"({
  "name": "drop hammer 10 t, 45 kJ",
  "ram_mass_kg": 10000,
  "stroke_m": 0.5,
  "efficiency": 0.8,
  "hammer_cushion": {"area_m2": 0.5, "thickness_m": 0.1, "modulus_mpa": 1000, "cor": 0.75},
  "helmet_mass_kg": 2000
})";

TEST(HammerFile, GivesTheRamItsVelocityFromStrokeOrEnergy) {
    const Hammer h = parse_hammer(kFull, "h.json");
    EXPECT_EQ(h.name, "drop hammer 10 t, 45 kJ");
    // 10000 kg x 9.80665 x 0.5 m = 49.03 kJ rated; v0 = sqrt(2 g h eta) = sqrt(2 x 9.80665 x 0.5 x 0.8)
    EXPECT_NEAR(h.rated_energy_kj(), 49.033, 1e-3);
    EXPECT_NEAR(h.impact_velocity(), 2.8009, 1e-4);
    ASSERT_TRUE(h.hammer_cushion);
    // k = A E / t = 0.5 x 1000 MPa / 0.1 m = 5e9 N/m
    EXPECT_DOUBLE_EQ(h.hammer_cushion->stiffness(), 5e9);
    EXPECT_DOUBLE_EQ(h.hammer_cushion->cor, 0.75);
    EXPECT_DOUBLE_EQ(h.helmet_mass_kg, 2000);
    EXPECT_FALSE(h.pile_cushion);

    // 1/2 M v0^2 = eta E: 45 kJ at 0.8 into 10 t gives v0 = sqrt(2 x 0.8 x 45000 / 10000) = 2.683 m/s
    const Hammer e = parse_hammer(
        R"({"name": "x", "ram_mass_kg": 10000, "energy_kj": 45, "efficiency": 0.8, "hammer_cushion": null})",
        "e.json");
    EXPECT_NEAR(e.impact_velocity(), 2.6833, 1e-4);
    EXPECT_FALSE(e.hammer_cushion);
    EXPECT_DOUBLE_EQ(e.helmet_mass_kg, 0);
    const Hammer c = parse_hammer(
        R"({"name": "x", "ram_mass_kg": 1, "energy_kj": 1, "efficiency": 1,
            "pile_cushion": {"area_m2": 1, "thickness_m": 1, "modulus_mpa": 1}})",
        "c.json");
    ASSERT_TRUE(c.pile_cushion);
    EXPECT_DOUBLE_EQ(c.pile_cushion->cor, 0.8);
}

TEST(HammerFile, RefusesEveryBadFieldByName) {
    struct Case {
        std::string text;
        std::string message;
    };
    auto with = [](const std::string& from, const std::string& to) {
        std::string t = kFull;
        t.replace(t.find(from), from.size(), to);
        return t;
    };
    const std::string where = "The hammer file \"h.json\"";
    const Case cases[] = {
        {with("\"ram_mass_kg\": 10000,", ""), where + ": the field \"ram_mass_kg\" is missing."},
        {with("0.5,\n", "-0.5,\n"), where + ", line 4: the field \"stroke_m\" is -0.5; it must be above 0."},
        {with("10000", "NaN"),
         where + ", line 3: the field \"ram_mass_kg\" is \"NaN\", not a finite number."},
        {with("0.8,", "-Infinity,"),
         where + ", line 5: the field \"efficiency\" is \"-Infinity\", not a finite number."},
        {with("1000, \"cor\"", "nan, \"cor\""),
         where + ", line 6: the field \"hammer_cushion.modulus_mpa\" is \"nan\", not a finite number."},
        {with("10000", "\"10000\""),
         where + ", line 3: the field \"ram_mass_kg\" is the text \"10000\", not a number."},
        {with("10000", "true"), where + ", line 3: the field \"ram_mass_kg\" is true, not a number."},
        {with("10000", "1e999"), where + ", line 3: the field \"ram_mass_kg\" is not a finite number."},
        {with("0.8,", "1.2,"),
         where + ", line 5: the field \"efficiency\" is 1.2; it must be above 0 and at most 1."},
        {with("0.75}", "0}"),
         where + ", line 6: the field \"hammer_cushion.cor\" is 0; it must be above 0 and at most 1."},
        {with("\"thickness_m\": 0.1", "\"thickness_m\": 0"),
         where + ", line 6: the field \"hammer_cushion.thickness_m\" is 0; it must be above 0."},
        {with("\"area_m2\": 0.5, ", ""), where + ": the field \"hammer_cushion.area_m2\" is missing."},
        {with("{\"area_m2\": 0.5, \"thickness_m\": 0.1, \"modulus_mpa\": 1000, \"cor\": 0.75}", "[1]"),
         where + ", line 6: the field \"hammer_cushion\" is a list, not an object or null."},
        {with("2000", "-1"), where + ", line 7: the field \"helmet_mass_kg\" is -1; it must be 0 or above."},
        {with("\"stroke_m\": 0.5,", "\"stroke_m\": 0.5, \"energy_kj\": 45,"),
         where + ": it gives both \"stroke_m\" and \"energy_kj\"; give one of them."},
        {with("\"stroke_m\": 0.5,", ""),
         where + ": the field \"stroke_m\" or \"energy_kj\" is missing; give one of them."},
        {with("\"stroke_m\": 0.5,", "\"stroke_m\": 0.5, \"stroke_m\": 0.6,"),
         where + ", line 4: the field \"stroke_m\" is given twice."},
        {with("\"stroke_m\"", "\"strok_m\""),
         where + ", line 4: the field \"strok_m\" is not a field of a hammer."},
        {with("\"drop hammer 10 t, 45 kJ\"", "12"),
         where + ", line 2: the field \"name\" is a number, not the hammer's name."},
        {"[1, 2]", where + ": it holds a list, not a hammer object."},
    };
    for (const Case& c : cases) {
        try {
            parse_hammer(c.text, "h.json");
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const InputError& e) {
            EXPECT_EQ(e.what(), c.message);
            EXPECT_EQ(e.place().file, "h.json");
        }
    }
}

TEST(HammerFile, RefusesTextThatIsNotJsonWithItsLine) {
    try {
        parse_hammer("{\n  \"name\": \"x\",\n  \"ram_mass_kg\": 10000,,\n}", "h.json");
        ADD_FAILURE();
    } catch (const InputError& e) {
        EXPECT_EQ(e.place().line, 3u);
        EXPECT_NE(std::string(e.what()).find("not JSON"), std::string::npos) << e.what();
    }
}

TEST(HammerFile, TheExampleHammersAreTheRamAndEnergyTheirNamesSay) {
    // ram-5t-49kj.json: a 5 t ram and 49 kJ rated (5000 kg x 9.80665 x 1.0 m = 49.03 kJ).
    const std::regex name(R"(ram-(\d+)t-(\d+)kj.*\.json)");
    int seen = 0;
    for (const auto& entry : std::filesystem::directory_iterator(test::source_path("examples/hammers"))) {
        const std::string file = entry.path().filename().string();
        std::smatch m;
        ASSERT_TRUE(std::regex_match(file, m, name)) << file;
        const Hammer h = parse_hammer(read_text_file(entry.path().string(), "hammer file"), file);
        EXPECT_DOUBLE_EQ(h.ram_mass_kg, 1000 * std::stod(m[1]));
        EXPECT_NEAR(h.rated_energy_kj(), std::stod(m[2]), 0.5) << file;
        ++seen;
    }
    EXPECT_GE(seen, 3);
}

}  // namespace
}  // namespace torve
