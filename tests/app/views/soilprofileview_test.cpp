// The soil profile view over a project: built from the layers and the pile, its depth read-out.
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include "app/main/childwindows.h"
#include "app/project/projecttables.h"
#include "app/render/soilprofilepainter.h"
#include "app/views/soilprofileview.h"
#include "tests/app/views/fakehost.h"

using namespace torve;
using namespace torve::app;
using namespace Qt::StringLiterals;

class SoilProfileViewTest : public QObject {
    Q_OBJECT

  private slots:
    void builtFromTheProject();
    void pileOutline_data();
    void pileOutline();
    void equalScalesInAWideWindow();
};

void SoilProfileViewTest::builtFromTheProject() {
    test::FakeHost host;
    GridTable& layers = host.project().tables().soilLayers;
    layers.setRowCount(2);
    layers.cell(ProjectTables::BottomDepthColumn, 0).setDouble(30);
    layers.cell(ProjectTables::SoilTypeColumn, 1).setInt(2);
    layers.cell(ProjectTables::BottomDepthColumn, 1).setDouble(45.5);
    std::unique_ptr<QWidget> made(createChildWindow(DialogId::SoilProfile, host));
    auto* view = qobject_cast<SoilProfileView*>(made.get());
    QVERIFY(view);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view));
    QCOMPARE(view->windowTitle(), u"Elevation View"_s);
    QCOMPARE(SoilProfilePainter::layerText(view->profile().layers()[1]), u"depth= 30 - 45.5; Clay"_s);
    // A change of the project is drawn at once.
    layers.cell(ProjectTables::BottomDepthColumn, 1).setDouble(50);
    layers.notifyChanged();
    QCOMPARE(view->profile().layers()[1].bottom, 50.0);
    // The read-out: depth = y / height x (y max - y min) + y min, one decimal.
    const WorldWindow w = view->world();
    const int y = view->drawing()->height() / 2;
    view->showDepthAt(y);
    QCOMPARE(view->windowTitle(),
             u"  Depth: "_s +
                 QString::number(double(y) / view->drawing()->height() * w.height() + w.yMin, 'f', 1));
}

void SoilProfileViewTest::pileOutline_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<bool>("circular");
    QTest::addColumn<double>("taper");
    QTest::addColumn<double>("headHalf");
    QTest::addColumn<double>("tipHalf");
    // 24 in across is 2 ft, 1 ft either side of the axis.
    QTest::newRow("English pipe") << 1 << true << 0.0 << 1.0 << 1.0;
    // 609.6 mm is 0.6096 m.
    QTest::newRow("S.I. pipe") << 2 << true << 0.0 << 0.3048 << 0.3048;
    // A perimeter of 48 in: a quarter, 12 in, is the width.
    QTest::newRow("noncircular by its perimeter") << 1 << false << 0.0 << 0.5 << 0.5;
    // 60 ft x tan(0.5 degree) = 0.5236 ft narrower on each side at the tip.
    QTest::newRow("tapered") << 1 << true << 0.5 << 1.0 << 1.0 - 60 * std::tan(0.5 * 3.1416 / 180);
    // A taper that would cross the sides ends in a point.
    QTest::newRow("taper beyond a point") << 1 << true << 5.0 << 1.0 << 0.0;
}

void SoilProfileViewTest::pileOutline() {
    QFETCH(int, units);
    QFETCH(bool, circular);
    QFETCH(double, taper);
    QFETCH(double, headHalf);
    QFETCH(double, tipHalf);
    test::FakeHost host;
    ProjectData data;
    data.units = units == 1 ? UnitSystem::English : UnitSystem::SI;
    data.circular = circular;
    data.outsideDiameter = circular ? (units == 1 ? 24 : 609.6) : 0;
    data.perimeter = circular ? 0 : 48;
    data.totalPileLength = 60;
    data.stickupLength = 5;
    data.taperAngle = taper;
    const SoilProfile profile = SoilProfile::of(data, host.project().tables().soilLayers);
    QCOMPARE(profile.outline().size(), std::size_t(1));
    const SoilProfile::Quad& q = profile.outline()[0];
    QCOMPARE(q[0], QPointF(-headHalf, -5));
    QCOMPARE(q[1], QPointF(headHalf, -5));
    QVERIFY(qAbs(q[3].x() - tipHalf) < 1e-9 && q[3].y() == 55);
    QVERIFY(qAbs(q[2].x() + tipHalf) < 1e-9);
}

void SoilProfileViewTest::equalScalesInAWideWindow() {
    const SoilProfile profile({{0, 30, 1}}, 2, 60, 5, 0);
    for (const QSize client : {QSize(1000, 300), QSize(300, 1000)}) {
        const WorldWindow w = profile.world(client);
        QVERIFY(qAbs(w.width() / client.width() - w.height() / client.height()) < 1e-12);
    }
    // A pile of no width still gets a world of the client's shape.
    const WorldWindow w = SoilProfile({{0, 30, 1}}, 0, 60, 0, 0).world({200, 100});
    QCOMPARE(w.width(), 2 * w.height());
}

QTEST_MAIN(SoilProfileViewTest)
#include "soilprofileview_test.moc"
