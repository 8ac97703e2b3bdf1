// The CPT points file the engine reads beside a project: every digit of the cone data kept.
#include <gtest/gtest.h>

#include "app/project/cptpointsfile.h"
#include "app/project/projectdata.h"
#include "tests/app/support/textlines.h"
#include "tests/support/scratch_dir.h"

namespace {

using namespace torve::app;
using torve::UnitSystem;
using torve::app::test::nonEmptyLines;

// Saving keeps every digit of real cone data: 10.00, 10.02 and 10.04 m stay apart (three digits
// made all of them 1.00E+01), and English qc, written in lb/ft^2, comes back to the same ksf.
TEST(CptPointsFile, ReadsBackTheSameValues) {
    torve::test::ScratchDir dir;
    for (UnitSystem units : {UnitSystem::SI, UnitSystem::English}) {
        ProjectData d;
        d.units = units;
        d.cptPoints = {{10.0, 4123.7}, {10.02, 0.1234567}, {10.04, 1e-3 / 3}, {33.333333333333336, 17.3}};
        const std::string path = dir.write("p.cpt", cptPointsFileText(d).toStdString());
        EXPECT_EQ(cptPointsIn(readCptPointsFile(QString::fromStdString(path)), units), d.cptPoints);
        EXPECT_EQ(nonEmptyLines(cptPointsFileText(d))[1].left(12),
                  QStringLiteral("  1.00E+01  "));  // short when exact
    }
}

}  // namespace
