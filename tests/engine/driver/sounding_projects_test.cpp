// The characteristic capacity of projects that differ only in their sounding: each analysed with the
// one method asked for, refused by name where the pile or layers differ or the method cannot run.
#include "engine/driver/sounding_projects.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/driver/run_analysis.h"
#include "tests/support/scratch_dir.h"

namespace torve {
namespace {

const std::string kExample = "examples/open-pipe-offshore-si";

RunInput example(std::optional<Method> only, double qc_scale = 1.0) {
    const std::string input = test::read_file(test::source_path(kExample + ".tv6d"));
    const std::string cpt = test::read_file(test::source_path(kExample + ".cpt"));
    RunInput r = parse_run_input(input, kExample + ".tv6d", cpt, kExample + ".cpt", only);
    for (CptPoint& p : r.cpt.points) p.qc *= qc_scale;
    return r;
}

const CapacityTable& table(const RunResult& r, Method m) {
    for (const CapacityTable& t : r.methods)
        if (t.method == m) return t;
    throw std::runtime_error("no table");
}

// FHWA is not selected by the project and reads no cone data; Unified is not selected either and
// takes its qc from the sounding, which is half as strong again in the second project.
TEST(SoundingProjects, EachProjectRunsWithTheMethodAlone) {
    for (Method m : {Method::Fhwa, Method::Unified}) {
        SCOPED_TRACE(std::string(method_info(m).name));
        const RunInput weak = example(m), strong = example(m, 1.5);
        ASSERT_FALSE(example(std::nullopt).in.is_selected(m));
        EXPECT_TRUE(weak.in.is_selected(m));
        const RunResult run = compute_analysis(weak.in, weak.cpt);
        ASSERT_EQ(run.methods.size(), 1u);
        const CapacityTable& own = table(run, m);

        const CharacteristicAnalysis a =
            compute_characteristic({{"weak", weak}, {"strong", strong}}, m, false);
        ASSERT_TRUE(a.answered()) << a.message;
        EXPECT_FALSE(a.english);
        EXPECT_EQ(a.capacity.depth, own.depth);
        EXPECT_EQ(a.capacity.capacity[0], own.total);
        // Two soundings: xi3 = xi4 = 1.32, so the least of the two governs at every depth.
        for (std::size_t i = 0; i < own.total.size(); ++i) {
            EXPECT_LE(a.capacity.minimum[i], own.total[i]);
            EXPECT_DOUBLE_EQ(a.capacity.characteristic[i], a.capacity.minimum[i] / 1.32);
        }
        if (m == Method::Unified) {
            EXPECT_GT(a.capacity.capacity[1].back(), own.total.back());
        } else {
            EXPECT_EQ(a.capacity.capacity[1], own.total);
        }
    }
}

TEST(SoundingProjects, RefusesADifferentPileOrLayersNamingTheProjectAndWhatDiffers) {
    struct Case {
        void (*change)(InputData&);
        std::string message;
    };
    const Case cases[] = {
        {[](InputData& d) { d.total_pile_length = 35; },
         "P2: not the same pile and soil layers as P1, the total pile length: 35 against 40."},
        {[](InputData& d) { d.outside_diameter = 762; },
         "P2: not the same pile and soil layers as P1, the outside diameter: 762 against 914."},
        {[](InputData& d) { d.pile_type = PileType::Timber; },
         "P2: not the same pile and soil layers as P1, the pile type code: 2 against 1."},
        {[](InputData& d) { d.soil[1].depth = 13; },
         "P2: not the same pile and soil layers as P1, the depth of the bottom of layer 1: 13 against 12."},
        {[](InputData& d) { d.soil[2].soil_type = SoilType::Clay; },
         "P2: not the same pile and soil layers as P1, the soil of the top of layer 2: clay against sand."},
        {[](InputData& d) { d.soil.pop_back(); },
         "P2: not the same pile and soil layers as P1, the number of soil points: 5 against 6."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        RunInput other = example(Method::Api);
        c.change(other.in);
        const CharacteristicAnalysis a =
            compute_characteristic({{"P1", example(Method::Api)}, {"P2", other}}, Method::Api, false);
        EXPECT_FALSE(a.answered());
        EXPECT_EQ(a.status, RunStatus::InputError);
        EXPECT_EQ(a.message, c.message);
    }
    // The layers' properties are the sounding's own: a different friction angle is no refusal.
    RunInput other = example(Method::Api);
    other.in.soil[2].friction_angle += 2;
    EXPECT_TRUE(
        compute_characteristic({{"P1", example(Method::Api)}, {"P2", other}}, Method::Api, false).answered());
}

TEST(SoundingProjects, RefusesAMethodThatDoesNotRunAndAnEmptySet) {
    RunInput onshore = example(Method::Unified);
    onshore.in.offshore_data = 0;
    const CharacteristicAnalysis a = compute_characteristic({{"P1", onshore}}, Method::Unified, false);
    EXPECT_FALSE(a.answered());
    EXPECT_EQ(a.message,
              "P1: the Unified method did not run on it (a cone-based method runs only with "
              "offshore data).");
    const CharacteristicAnalysis none = compute_characteristic({}, Method::Api, false);
    EXPECT_EQ(none.status, RunStatus::InputError);
    EXPECT_EQ(none.message, "The characteristic capacity needs at least one project.");
}

}  // namespace
}  // namespace torve
