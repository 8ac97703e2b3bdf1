// The pile material, circular and noncircular pile dialogs: the shape a pile type implies, the
// calculated area, the taper rule, fields of the steel pipe alone, and the clickable sketch.
#include <QGroupBox>
#include <QTest>

#include "app/dialogs/clickablesketch.h"
#include "tests/app/dialogs/dialogdriver.h"

using namespace torve;
using namespace torve::app;
using namespace torve::app::test;
using namespace Qt::StringLiterals;

namespace {

const QString kTaper = u"Angle of taper for a tapered pile  (degrees)"_s;

void setPile(Project& project, PileType type, bool fhwa, double taper) {
    ProjectData d = project.data();
    d.pileType = type;
    d.setSelected(Method::Fhwa, fhwa);
    d.taperAngle = taper;
    project.setData(d);
}

}  // namespace

class PileDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void calculatedArea_data();
    void calculatedArea();
    void hPileMakesTheProjectNoncircular();
    void taperNeedsFhwaAndATaperedPile();
    void leavingFhwaForLoadTransferClearsTheTaper();
    void taperSurvivesAVisitToTheMethodsDialog();
    void onlyASteelPipeHasAnInside();
    void sketchLeadsToTheField();
    void areaTableOpensForTheVaryingArea();

  private:
    RecordedMessages messages_;
};

void PileDialogsTest::calculatedArea_data() {
    QTest::addColumn<int>("units");  // code of the unit system
    QTest::addColumn<QString>("type");
    QTest::addColumn<double>("od");
    QTest::addColumn<double>("id");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("shown");
    // (24^2 - 23^2) x 3.1416 / 4 = 47 x 0.7854 = 36.9138 in^2: a pipe counts its ring only.
    QTest::newRow("steel pipe ring") << 1 << u"Steel pipe piles and non-tapered portion of monotube piles"_s
                                     << 24.0 << 23.0 << u"Calculate from Pile Section (in\u00b2)"_s
                                     << u"36.9138"_s;
    // 600^2 x 3.1416 / 4 = 282744 mm^2 = 0.282744 m^2: a solid section, the inside ignored.
    QTest::newRow("precast circle in S.I.") << 2 << u"Precast concrete piles"_s << 600.0 << 500.0
                                            << u"Calculate from Pile Section (m\u00b2)"_s << u"0.282744"_s;
    // An H-pile has no diameter: its tip area (15.5 below) stands for the section.
    QTest::newRow("H-pile tip area") << 1 << u"H-Piles/Steel Piles"_s << 24.0 << 23.0
                                     << u"Calculate from Pile Section (in\u00b2)"_s << u"15.5"_s;
}

void PileDialogsTest::calculatedArea() {
    QFETCH(int, units);
    QFETCH(QString, type);
    QFETCH(double, od);
    QFETCH(double, id);
    QFETCH(QString, field);
    QFETCH(QString, shown);
    RecordingHost host;
    host.project().setUnits(static_cast<UnitSystem>(units));
    ProjectData d = host.project().data();
    d.outsideDiameter = od;
    d.insideDiameter = id;
    d.tipArea = 15.5;
    host.project().setData(d);
    auto dialog = openDialog(host, DialogId::PileMaterial);
    click(dialog.get(), type);
    QCOMPARE(textOf(dialog.get(), field), shown);
}

void PileDialogsTest::hPileMakesTheProjectNoncircular() {
    RecordingHost host;
    QVERIFY(host.project().data().circular);
    auto dialog = openDialog(host, DialogId::PileMaterial);
    click(dialog.get(), u"H-Piles/Steel Piles"_s);
    QVERIFY(dialog->close());
    // The Data menu offers the dialog of the shape the project holds.
    QCOMPARE(host.project().data().pileType, PileType::HPile);
    QVERIFY(!host.project().data().circular);
}

void PileDialogsTest::taperNeedsFhwaAndATaperedPile() {
    RecordingHost host;
    setPile(host.project(), PileType::Timber, false, 2);
    auto dialog = openDialog(host, DialogId::PileMaterial);
    QVERIFY(!need(dialog.get(), kTaper).isEnabled());
    QCOMPARE(textOf(dialog.get(), kTaper), u"0"_s);
    QVERIFY(dialog->close());
    QCOMPARE(host.project().data().taperAngle, 0.0);

    setPile(host.project(), PileType::Timber, true, 0);
    dialog = openDialog(host, DialogId::PileMaterial);
    QVERIFY(need(dialog.get(), kTaper).isEnabled());
    QVERIFY(enter(dialog.get(), kTaper, u"0.25"_s));
    click(dialog.get(), u"Steel pipe piles and non-tapered portion of monotube piles"_s);
    QVERIFY(!need(dialog.get(), kTaper).isEnabled());
}

void PileDialogsTest::leavingFhwaForLoadTransferClearsTheTaper() {
    RecordingHost host;
    setPile(host.project(), PileType::Timber, true, 0.5);
    ProjectData d = host.project().data();
    d.loadTransferMethod = Method::Fhwa;
    host.project().setData(d);
    auto material = openDialog(host, DialogId::PileMaterial);
    QCOMPARE(textOf(material.get(), kTaper), u"0.5"_s);
    auto methods = openDialog(host, DialogId::ComputationMethods);
    click(methods.get(), u"API RP 2A (American Petroleum Institute) (**)"_s);
    QVERIFY(methods->close());
    QCOMPARE(host.project().data().taperAngle, 0.0);
    QCOMPARE(textOf(material.get(), kTaper), u"0"_s);
}

void PileDialogsTest::taperSurvivesAVisitToTheMethodsDialog() {
    // API carries the load transfer of a new project; FHWA computes the tapered pile's capacity.
    RecordingHost host;
    setPile(host.project(), PileType::Timber, true, 0.5);
    auto methods = openDialog(host, DialogId::ComputationMethods);
    click(methods.get(), u"Revised Lambda "_s);
    QVERIFY(methods->close());
    QCOMPARE(host.project().data().taperAngle, 0.5);
}

void PileDialogsTest::onlyASteelPipeHasAnInside() {
    RecordingHost host;
    ProjectData d = host.project().data();
    d.outsideDiameter = 24;
    d.insideDiameter = 23;
    d.enhancedEndSectionLength = 10;
    d.enhancedEndSectionInsideDiameter = 22.5;
    d.plugCondition = PlugCondition::Plugged;
    host.project().setData(d);
    auto dialog = openDialog(host, DialogId::CircularPile);
    QVERIFY(dialog->findChild<QGroupBox*>()->isVisible());
    QCOMPARE(textOf(dialog.get(), u"Inner Diameter, ID (in)"_s), u"23"_s);

    setPile(host.project(), PileType::Timber, false, 0);  // the dialog loads again
    for (const QString& name : {u"Inner Diameter, ID (in)"_s, u"Lower End Section Length, ESL (ft)"_s,
                                u"Inner Diameter of Lower-End Section, EID (in)"_s}) {
        QVERIFY(!need(dialog.get(), name).isEnabled());
        QCOMPARE(textOf(dialog.get(), name), u"0"_s);
    }
    QVERIFY(!dialog->findChild<QGroupBox*>()->isVisible());
    QVERIFY(dialog->close());
    QCOMPARE(host.project().data().insideDiameter, 0.0);
    QCOMPARE(host.project().data().enhancedEndSectionInsideDiameter, 0.0);
    QCOMPARE(host.project().data().outsideDiameter, 24.0);
}

void PileDialogsTest::sketchLeadsToTheField() {
    RecordingHost host;
    setPile(host.project(), PileType::Timber, false, 0);
    auto dialog = openDialog(host, DialogId::CircularPile);
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    auto* sketch = dialog->findChild<ClickableSketch*>();
    QWidget& length = need(dialog.get(), u"Total Length, TL (ft)"_s);
    QWidget& inside = need(dialog.get(), u"Inner Diameter, ID (in)"_s);
    QTest::mouseClick(sketch, Qt::LeftButton, {}, sketch->partArea(&length).center());
    QVERIFY(length.hasFocus());
    // The inside of a timber pile is drawn greyed and leads nowhere.
    QTest::mouseClick(sketch, Qt::LeftButton, {}, sketch->partArea(&inside).center());
    QVERIFY(length.hasFocus());
}

void PileDialogsTest::areaTableOpensForTheVaryingArea() {
    RecordingHost host;
    auto dialog = openDialog(host, DialogId::PileMaterial);
    QVERIFY(!need(dialog.get(), u"Data Button"_s).isEnabled());
    click(dialog.get(), u"Non-constant Cross Section Area"_s);
    click(dialog.get(), u"Data Button"_s);
    QCOMPARE(host.tables, QList<GridTable*>{&host.project().tables().sectionAreas});
    QCOMPARE(host.project().data().sectionMode, SectionMode::VaryingWithDepth);
}

QTEST_MAIN(PileDialogsTest)
#include "piledialogs_test.moc"
