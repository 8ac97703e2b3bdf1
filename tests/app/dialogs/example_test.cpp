// The English example project built from a new project through the dialogs, as a user enters it,
// saved, and found record for record equal to the example's file.
#include <QComboBox>
#include <QTest>

#include "app/dialogs/soildatadialog.h"
#include "app/dialogs/soillayersdialog.h"
#include "app/project/projectfile.h"
#include "tests/app/dialogs/dialogdriver.h"

using namespace torve;
using namespace torve::app;
using namespace torve::app::test;
using namespace Qt::StringLiterals;

namespace {

using Entries = QList<std::pair<QString, QString>>;

bool enterAll(QWidget* dialog, const Entries& entries) {
    for (const auto& [name, text] : entries)
        if (!enter(dialog, name, text)) return false;
    return true;
}

// The top and bottom entries of a layer's soil data.
Entries topAndBottom(const QString& caption, const QString& units, const QString& top,
                     const QString& bottom) {
    const QString suffix = units.isEmpty() ? QString() : u" ("_s + units + u')';
    return {{caption + u", top"_s + suffix, top}, {caption + u", bottom"_s + suffix, bottom}};
}

// The table windows are another window's: the test fills the table the dialog asked to show.
void fillTable(GridTable& table, const QList<QList<double>>& rows) {
    table.setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c) table.cell(c, r).setDouble(rows[r][c]);
}

}  // namespace

class ExampleTest : public QObject {
    Q_OBJECT

  private slots:
    void englishExampleThroughTheDialogs();

  private:
    void enterLayerData(QWidget* layers, int layer, const Entries& entries, const QString& option = {});
    RecordedMessages messages_;
};

void ExampleTest::enterLayerData(QWidget* layers, int layer, const Entries& entries, const QString& option) {
    click(layers, u"Edit Layer %1"_s.arg(layer));
    SoilDataDialog* data = qobject_cast<SoilLayersDialog*>(layers)->soilDataDialog();
    QVERIFY(data);
    if (!option.isEmpty()) click(data, option);
    QVERIFY(enterAll(data, entries));
    data->accept();
}

void ExampleTest::englishExampleThroughTheDialogs() {
    RecordingHost host;
    Project& project = host.project();
    {
        // Title, designer and job number belong to the title dialog of the main window.
        ProjectData d = project.data();
        d.title = u"Steel pipe pile, sand over clay over dense sand (English units)"_s;
        d.designer = u"J. Engineer"_s;
        d.jobNumber = u"EX-001"_s;
        project.setData(d);
    }
    auto methods = openDialog(host, DialogId::ComputationMethods);
    // ICP/MTD for as long as the clay's PI and YSR are entered: its fields are enabled for it alone.
    for (const QString& m :
         {u"FHWA (Federal Highway Administration) "_s, u"USACE (U.S. Army Corps of Engineers) "_s,
          u"Revised Lambda "_s, u"ICP/MTD (Imperial College of London) "_s})
        click(methods.get(), m);
    QVERIFY(methods->close());

    auto options = openDialog(host, DialogId::ControlOptions);
    QVERIFY(enter(options.get(), u"Print only every "_s, u"5"_s));
    QVERIFY(options->close());

    auto tz = openDialog(host, DialogId::TzPrintOption);
    click(tz.get(), u"Print Internally-Generated"_s);
    click(tz.get(), u"Edit Depths"_s);
    fillTable(*host.tables.last(), {{10}, {30}, {55}});
    QVERIFY(tz->close());

    auto material = openDialog(host, DialogId::PileMaterial);
    QVERIFY(enter(material.get(), u"Modulus of Elasticity, E (lbs/in\u00b2)"_s, u"29e6"_s));
    click(material.get(), u"Non-constant Cross Section Area"_s);
    click(material.get(), u"Data Button"_s);
    fillTable(*host.tables.last(), {{0, 36.91}, {50, 36.91}, {60, 54.78}});
    QVERIFY(material->close());

    auto pile = openDialog(host, DialogId::CircularPile);
    QVERIFY(enterAll(pile.get(), {{u"Outer Diameter, OD (in)"_s, u"24"_s},
                                  {u"Inner Diameter, ID (in)"_s, u"23"_s},
                                  {u"Total Length, TL (ft)"_s, u"60"_s},
                                  {u"Lower End Section Length, ESL (ft)"_s, u"10"_s},
                                  {u"Inner Diameter of Lower-End Section, EID (in)"_s, u"22.5"_s},
                                  {u"Pile Stickup Length, PSL (ft)"_s, u"5"_s}}));
    QVERIFY(pile->close());

    auto layersDialog = openDialog(host, DialogId::SoilLayers);
    QWidget* layers = layersDialog.get();
    click(layers, u"Add Layer"_s);
    click(layers, u"Add Layer"_s);
    QVERIFY(enterAll(layers, {{u"Layer 1, Depth at Bottom (ft)"_s, u"20"_s},
                              {u"Layer 2, Depth at Bottom (ft)"_s, u"45"_s},
                              {u"Layer 3, Depth at Bottom (ft)"_s, u"90"_s},
                              {u"Layer 3, Max. Side Friction (lbs/ft^2)"_s, u"2000"_s}}));
    QTest::keyClick(&need<QComboBox>(layers, u"Layer 2, Soil Type"_s), Qt::Key_Down);
    const QString weight = u"1. Effective Unit Weight"_s;
    const QString stress = u"lbs/ft^2"_s;
    enterLayerData(
        layers, 1,
        topAndBottom(weight, u"lbs/ft^3"_s, u"57.6"_s, u"57.6"_s) +
            topAndBottom(u"2. Friction Angle"_s, u"Degrees"_s, u"30"_s, u"32"_s) +
            topAndBottom(u"3a. Coefficient of Lateral Earth Pressure, Ko"_s, {}, u"0.8"_s, u"0.8"_s) +
            topAndBottom(u"3b. Bearing Capacity Factor, Nq"_s, {}, u"20"_s, u"20"_s));
    enterLayerData(layers, 2,
                   topAndBottom(weight, u"lbs/ft^3"_s, u"50"_s, u"50"_s) +
                       topAndBottom(u"2. Undrained Shear Strength"_s, stress, u"1200"_s, u"1800"_s) +
                       topAndBottom(u"3. Remolded Shear Strength"_s, stress, u"600"_s, u"900"_s) +
                       topAndBottom(u"6a. Plasticity Index, PI(%)"_s, {}, u"30"_s, u"30"_s) +
                       topAndBottom(u"6b. Yield STress Ratio, YSR"_s, {}, u"2.5"_s, u"1.8"_s));
    enterLayerData(layers, 3,
                   topAndBottom(weight, u"lbs/ft^3"_s, u"62"_s, u"62"_s) +
                       topAndBottom(u"Enter Blow Counts from SPT"_s, {}, u"25"_s, u"35"_s) +
                       topAndBottom(u"3a. Coefficient of Lateral Earth Pressure, Ko"_s, {}, u"1"_s, u"1"_s) +
                       topAndBottom(u"3b. Bearing Capacity Factor, Nq"_s, {}, u"40"_s, u"40"_s),
                   u"Enter Blow Counts from SPT"_s);
    QVERIFY(layersDialog->close());

    methods = openDialog(host, DialogId::ComputationMethods);
    click(methods.get(), u"ICP/MTD (Imperial College of London) "_s);
    QVERIFY(methods->close());
    QVERIFY(messages_.shown.isEmpty());

    ProjectData d = project.data();
    d.fileName = host.path(u"example.tv6d"_s);  // as the Save As dialog names it
    project.setData(d);
    project.saveProject();

    ProjectFile built = ProjectFile::read(d.fileName, ProjectFormat::Current);
    const ProjectFile example =
        ProjectFile::read(QStringLiteral(TORVE_SOURCE_DIR "/examples/sand-over-clay-pipe-english.tv6d"),
                          ProjectFormat::Current);
    // The example names an edition without offshore methods; this program writes its own edition.
    QCOMPARE(built.records.offshore_data_flag, 1);
    built.records.offshore_data_flag = example.records.offshore_data_flag;
    const QStringList builtRecords = QString::fromUtf8(built.text()).split(u'\n');
    const QStringList exampleRecords = QString::fromUtf8(example.text()).split(u'\n');
    QCOMPARE(builtRecords.size(), exampleRecords.size());
    for (int i = 0; i < builtRecords.size(); ++i)
        QVERIFY2(builtRecords[i] == exampleRecords[i],
                 qPrintable(u"record %1: %2 | %3"_s.arg(i + 1).arg(builtRecords[i], exampleRecords[i])));
}

QTEST_MAIN(ExampleTest)
#include "example_test.moc"
