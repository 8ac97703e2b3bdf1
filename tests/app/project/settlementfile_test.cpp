// The soil settlement kept beside a project and the downdrag results a run leaves: written, read
// back and converted with the project, refused with their lines, and drawn as the downdrag graphs.
#include "app/project/settlementfile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "app/controls/usererror.h"
#include "app/project/downdragresults.h"
#include "app/project/namesfile.h"
#include "app/project/project.h"
#include "tests/support/scratch_dir.h"

namespace {

using namespace torve::app;
using torve::SettlementRecord;
using torve::UnitSystem;

QString pathIn(const torve::test::ScratchDir& dir, const char* name) {
    return QString::fromStdString(dir.file(name));
}

void saveAs(Project& p, const QString& path) {
    ProjectData data = p.data();
    data.fileName = path;
    p.setData(data);
    p.saveProject();
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(SettlementFile, KeptBesideTheProjectOnlyWhileItHasAPoint) {
    torve::test::ScratchDir dir;
    const QString project = pathIn(dir, "pile.tv6d");
    const QString beside = pathIn(dir, "pile.settlement.csv");
    Project p(UnitSystem::SI);
    saveAs(p, project);
    EXPECT_FALSE(QFileInfo::exists(beside));  // a project without one has the files it always had

    ProjectData d = p.data();
    d.settlement = {{{0, 20}, {1000, 0}}, 600.0};
    p.setData(d);
    p.saveProject();
    EXPECT_EQ(bytesOf(beside),
              QByteArray("# depth (m), settlement (mm)\n# head load (kN): 600\n0,1000\n20,0\n"));
    Project again;
    again.readProject(project, ProjectFormat::Current);
    EXPECT_EQ(again.data().settlement, d.settlement);
    EXPECT_FALSE(again.isModified());

    // Emptied by the user, the file goes with the next save.
    d.settlement = {};
    p.setData(d);
    p.saveProject();
    EXPECT_FALSE(QFileInfo::exists(beside));
}

TEST(SettlementFile, AFileThatCannotBeReadIsNamedAndKept) {
    torve::test::ScratchDir dir;
    const QString project = pathIn(dir, "pile.tv6d");
    Project p(UnitSystem::English);
    saveAs(p, project);
    const QByteArray damaged("0,10\n5,x\n");
    dir.write("pile.settlement.csv", damaged.toStdString());
    Project opened;
    const QStringList notices = opened.readProject(project, ProjectFormat::Current);
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].contains(QStringLiteral("line 2: expected a settlement, found \"x\"")))
        << notices[0].toStdString();
    EXPECT_TRUE(opened.settlementFileUnread());
    EXPECT_TRUE(opened.data().settlement.soil.depth.empty());
    opened.saveProject();
    EXPECT_EQ(bytesOf(pathIn(dir, "pile.settlement.csv")), damaged);  // left as it was
}

TEST(SettlementFile, ConvertsWithTheProjectsUnits) {
    Project p(UnitSystem::English);
    ProjectData d = p.data();
    d.settlement = {{{0, 60}, {10, 0}}, 100.0};
    p.setData(d);
    p.setUnits(UnitSystem::SI);
    const SettlementRecord& s = p.data().settlement;
    // 60 ft x 0.3048 = 18.288 m; 10 in x 25.4 = 254 mm; 100 kips x 4.4482216152605 = 444.82216 kN.
    EXPECT_DOUBLE_EQ(s.soil.depth[1], 18.288);
    EXPECT_DOUBLE_EQ(s.soil.settlement[0], 254);
    EXPECT_NEAR(*s.head_load, 444.82216152605, 1e-9);
    p.setUnits(UnitSystem::English);
    EXPECT_EQ(p.data().settlement, d.settlement);  // and back as typed
}

TEST(SettlementFile, TheRunAsksForTheDowndragOfAProjectThatHoldsOne) {
    ProjectData d;
    EXPECT_TRUE(runFileNamesOf(QStringLiteral("/p/a.tv6d"), d).settlement.isEmpty());
    d.settlement = {{{0}, {5}}, 10.0};
    d.setupDays = 30;
    d.setupA = 0.5;
    EXPECT_EQ(namesFileText(runFileNamesOf(QStringLiteral("/p/a.tv6d"), d)),
              QByteArray("2014.6.3\nTORVE\ntorve6\n0\n/p/a.tv6d\n/p/a.tv6o\n/p/a.tv6p\n/p/a.cpt\n30\n0.5\n"
                         "/p/a.settlement.csv\n/p/a.downdrag.txt\n"));
}

// The hand pile in settling soil, S.I.: F = 94.248 kN/m over 20 m, R_t = 848.23 kN, Q_d = 600 kN;
// the load grows as Q_d + F z to the neutral plane at 11.317 m (1666.6 kN) and the resistance from
// below falls as R_t + F (20 - z).
QByteArray handResults(bool equilibrium) {
    QByteArray text = "solved,1\nhead load,600\nneutral plane,11.317\nequilibrium neutral plane," +
                      QByteArray(equilibrium ? "11.3" : "") +
                      "\ndrag force,1066.6\nmaximum axial load,1666.6\nmaximum axial load depth,11.317\n"
                      "head settlement,434.4\ntoe penetration,430\ntoe load,848.23\n"
                      "depth,axial load,resistance,pile movement,soil settlement\n";
    for (int z = 0; z <= 20; ++z) {
        const double load = z <= 11.317 ? 600 + 94.248 * z : 848.23 + 94.248 * (20 - z);
        text += QByteArray::number(z) + ',' + QByteArray::number(load) + ',' +
                QByteArray::number(848.23 + 94.248 * (20 - z)) + ",434.4," +
                QByteArray::number(1000 - 50 * z) + '\n';
    }
    return text;
}

TEST(DowndragResults, ReadAndDrawnWithTheNeutralPlanesAcross) {
    const DowndragResults d = parseDowndragResults(handResults(true), QStringLiteral("a.downdrag.txt"));
    ASSERT_TRUE(d.solved);
    EXPECT_EQ(d.depth.size(), 21u);
    EXPECT_DOUBLE_EQ(d.resistance.front(), 848.23 + 94.248 * 20);  // 2733.19 kN, the capacity
    Results r;
    r.fillDowndrag(d, UnitSystem::SI);
    const Graph& load = r.graph(ResultGraph::Downdrag);
    ASSERT_EQ(load.lineCount(), 4);
    EXPECT_EQ(load.line(0).name, QStringLiteral("Axial Load"));
    EXPECT_EQ(load.line(1).name, QStringLiteral("Resistance"));
    EXPECT_EQ(load.line(2).name, QStringLiteral("Neutral Plane at 11.32 m"));
    EXPECT_EQ(load.line(3).name, QStringLiteral("Equilibrium Neutral Plane at 11.3 m"));
    // Across the whole load axis, from 0 to the resistance at the head.
    EXPECT_EQ(load.line(2).points, (std::vector<QPointF>{{0, 11.317}, {848.23 + 94.248 * 20, 11.317}}));
    ASSERT_EQ(load.marks.size(), 1u);
    EXPECT_EQ(load.marks[0].at, QPointF(1666.6, 11.317));
    EXPECT_EQ(load.title, QStringLiteral("Head Load 600 kN, Drag Force 1066.6 kN"));
    const Graph& move = r.graph(ResultGraph::DowndragMovement);
    ASSERT_EQ(move.lineCount(), 4);
    EXPECT_EQ(move.line(1).points.front(), QPointF(1000, 0));
    EXPECT_EQ(move.line(2).points, (std::vector<QPointF>{{0, 11.317}, {1000, 11.317}}));
    // Without an equilibrium plane, and without a solution at all.
    r.fillDowndrag(parseDowndragResults(handResults(false), {}), UnitSystem::SI);
    EXPECT_EQ(r.graph(ResultGraph::Downdrag).lineCount(), 3);
    r.fillDowndrag(parseDowndragResults("solved,0\nmessage,The head load, too large.\n", {}), UnitSystem::SI);
    EXPECT_EQ(r.graph(ResultGraph::Downdrag).lineCount(), 0);
    EXPECT_EQ(parseDowndragResults("solved,0\nmessage,The head load, too large.\n", {}).message,
              QStringLiteral("The head load, too large."));
}

TEST(DowndragResults, ALineThatIsNotTheEnginesIsRefusedWithItsNumber) {
    for (const auto& [text, line] :
         {std::pair{QByteArray("solved,1\nneutral plane,deep\n"), 2}, std::pair{QByteArray("solved\n"), 1},
          std::pair{handResults(true).replace("\n5,", "\n5;"), 17}}) {
        try {
            parseDowndragResults(text, QStringLiteral("a.downdrag.txt"));
            ADD_FAILURE() << text.toStdString();
        } catch (const UserError& e) {
            ASSERT_TRUE(e.location());
            EXPECT_EQ(e.location()->line, line) << e.message().toStdString();
            EXPECT_TRUE(e.message().startsWith(QStringLiteral("The downdrag results file a.downdrag.txt")));
        }
    }
}

TEST(SetupTitles, TheCapacityGraphsSayTheDaysUnlessTheUserTitledThem) {
    Results r;
    r.graph(ResultGraph::TotalCapacity).title = QStringLiteral("Mine");
    r.setSetupDays(30);
    EXPECT_EQ(r.graph(ResultGraph::SkinFriction).title, QStringLiteral("Capacity at 30 days"));
    EXPECT_EQ(r.graph(ResultGraph::LoadSettlement).title, QStringLiteral("Capacity at 30 days"));
    EXPECT_EQ(r.graph(ResultGraph::TotalCapacity).title, QStringLiteral("Mine"));
    EXPECT_TRUE(r.graph(ResultGraph::TipResistance).title.isEmpty());  // the toe has no set-up
    r.setSetupDays(std::nullopt);
    EXPECT_TRUE(r.graph(ResultGraph::SkinFriction).title.isEmpty());
    EXPECT_EQ(r.graph(ResultGraph::TotalCapacity).title, QStringLiteral("Mine"));
}

}  // namespace
