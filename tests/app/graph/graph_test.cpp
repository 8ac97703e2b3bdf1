// A graph's lines, their names and its axis titles in each unit system.
#include <gtest/gtest.h>

#include "app/graph/graph.h"

namespace {

using namespace torve::app;

TEST(Graph, LinesNamesAndUnits) {
    Graph p;
    p.setLineCount(3);
    EXPECT_EQ(p.displayName(2), QStringLiteral("Curve #3"));
    p.lineNames = {QStringLiteral("first")};
    EXPECT_EQ(p.displayName(0), QStringLiteral("first"));
    p.setPointCount(4);
    EXPECT_EQ(p.line(1).points.size(), 4u);
    p.setLineCount(-1);
    EXPECT_EQ(p.lineCount(), 0);
    p.setUnits(9);
    EXPECT_EQ(p.units(), 3);
    p.xCaption = QStringLiteral("Unit Skin Friction");
    p.xUnits = QStringLiteral("F1/L2^2");
    p.yCaption = QStringLiteral("Depth");
    EXPECT_EQ(p.xTitle(), QStringLiteral("Unit Skin Friction (F1/L2^2)"));
    EXPECT_EQ(p.yTitle(), QStringLiteral("Depth"));  // no template, no brackets
    p.setUnits(1);
    EXPECT_EQ(p.xTitle(), QStringLiteral("Unit Skin Friction (kips/ft^2)"));
    p.setUnits(2);
    EXPECT_EQ(p.xTitle(), QStringLiteral("Unit Skin Friction (kN/m^2)"));
    p.xUnits = QStringLiteral("F4");  // an axis knows no F4: F and a 4
    EXPECT_EQ(p.xTitle(), QStringLiteral("Unit Skin Friction (kN4)"));
}

}  // namespace
