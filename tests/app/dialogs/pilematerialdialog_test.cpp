// The pile material dialog: the shape a pile type implies, the calculated area, the taper rule and
// the table of a varying section area.
#include <QTest>

#include "tests/app/dialogs/dialogdriver.h"

using namespace torve;
using namespace torve::app;
using namespace torve::app::test;
using namespace Qt::StringLiterals;

namespace {

const QString kTaper = u"Angle of taper for a tapered pile  (degrees)"_s;

}  // namespace

class PileMaterialDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void calculatedArea_data();
    void calculatedArea();
    void hPileMakesTheProjectNoncircular();
    void taperNeedsFhwaAndATaperedPile();
    void areaTableOpensForTheVaryingArea();
    void theModulusFollowsTheMaterialUnlessTyped_data();
    void theModulusFollowsTheMaterialUnlessTyped();

  private:
    RecordedMessages messages_;
};

void PileMaterialDialogTest::calculatedArea_data() {
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

void PileMaterialDialogTest::calculatedArea() {
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

void PileMaterialDialogTest::hPileMakesTheProjectNoncircular() {
    RecordingHost host;
    QVERIFY(host.project().data().circular);
    auto dialog = openDialog(host, DialogId::PileMaterial);
    click(dialog.get(), u"H-Piles/Steel Piles"_s);
    QVERIFY(dialog->close());
    // The Data menu offers the dialog of the shape the project holds.
    QCOMPARE(host.project().data().pileType, PileType::HPile);
    QVERIFY(!host.project().data().circular);
}

void PileMaterialDialogTest::taperNeedsFhwaAndATaperedPile() {
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

void PileMaterialDialogTest::areaTableOpensForTheVaryingArea() {
    RecordingHost host;
    auto dialog = openDialog(host, DialogId::PileMaterial);
    QVERIFY(!need(dialog.get(), u"Data Button"_s).isEnabled());
    click(dialog.get(), u"Non-constant Cross Section Area"_s);
    click(dialog.get(), u"Data Button"_s);
    QCOMPARE(host.tables, QList<GridTable*>{&host.project().tables().sectionAreas});
    QCOMPARE(host.project().data().sectionMode, SectionMode::VaryingWithDepth);
}

void PileMaterialDialogTest::theModulusFollowsTheMaterialUnlessTyped_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<double>("before");  // the modulus held when the dialog opens
    QTest::addColumn<QString>("type");   // the pile type chosen
    QTest::addColumn<double>("after");
    // A value the program set follows the material: 0 (nothing yet) or another material's own.
    QTest::newRow("nothing yet, timber") << 1 << 0.0 << u"Timber piles"_s << 1.45e6;
    QTest::newRow("steel's, precast concrete") << 1 << 2.9e7 << u"Precast concrete piles"_s << 4.35e6;
    // The Raymond piles' shell is filled with concrete, which carries most of the stiffness.
    QTest::newRow("S.I. steel's, Raymond step taper") << 2 << 2.1e8 << u"Raymond step-taper piles"_s << 3.0e7;
    QTest::newRow("S.I. timber's, H-pile") << 2 << 1.0e7 << u"H-Piles/Steel Piles"_s << 2.1e8;
    // A value typed stays whatever the material.
    QTest::newRow("typed") << 1 << 3.0e7 << u"Timber piles"_s << 3.0e7;
    QTest::newRow("S.I. typed") << 2 << 2.05e8 << u"Precast concrete piles"_s << 2.05e8;
}

void PileMaterialDialogTest::theModulusFollowsTheMaterialUnlessTyped() {
    QFETCH(int, units);
    QFETCH(double, before);
    QFETCH(QString, type);
    QFETCH(double, after);
    RecordingHost host;
    host.project().setUnits(static_cast<UnitSystem>(units));
    ProjectData d = host.project().data();
    d.modulusOfElasticity = before;
    host.project().setData(d);
    auto dialog = openDialog(host, DialogId::PileMaterial);
    click(dialog.get(), type);
    QVERIFY(dialog->close());
    QCOMPARE(host.project().data().modulusOfElasticity, after);
}

QTEST_MAIN(PileMaterialDialogTest)
#include "pilematerialdialog_test.moc"
