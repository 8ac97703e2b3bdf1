// The dialog of a layer's own constants: the defaults of the layer's soil shown greyed, a value
// given stored in the layer's row, a default chosen again storing none, and the dialog reached from
// the layer's soil data dialog.
#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <QTimer>

#include "app/dialogs/layerconstantsdialog.h"
#include "app/dialogs/soildatadialog.h"
#include "app/project/projectfile.h"
#include "tests/app/dialogs/dialogdriver.h"

using namespace torve;
using namespace torve::app;
using namespace torve::app::test;
using namespace Qt::StringLiterals;
using Tables = ProjectTables;

class LayerConstantsDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void defaultsOfTheSoilShownGreyed();
    void givenValueStoredAndDefaultAgainStoresNone();
    void openedFromTheSoilData();

  private:
    RecordedMessages messages_;
};

// Sand in S.I.: 2.5 mm, 2.5 mm, 0.16 s/m, 0.5 s/m, A 0.2 after 0.5 day; clay in English: 2.5 / 25.4 =
// 0.0984251968504 in, 0.65 x 0.3048 = 0.19812 s/ft, 0.5 x 0.3048 = 0.1524 s/ft, A 0.6 after 1 day.
void LayerConstantsDialogTest::defaultsOfTheSoilShownGreyed() {
    const struct {
        UnitSystem units;
        int soil;
        QStringList names;
        QStringList shown;
    } cases[] = {
        {UnitSystem::SI,
         1,
         {u"Shaft quake (mm)"_s, u"Toe quake (mm)"_s, u"Shaft damping (sec/m)"_s, u"Toe damping (sec/m)"_s,
          u"Set-up factor A"_s, u"Set-up time t0 (days)"_s},
         {u"2.5"_s, u"2.5"_s, u"0.16"_s, u"0.5"_s, u"0.2"_s, u"0.5"_s}},
        {UnitSystem::English,
         2,
         {u"Shaft quake (in)"_s, u"Toe quake (in)"_s, u"Shaft damping (sec/ft)"_s, u"Toe damping (sec/ft)"_s,
          u"Set-up factor A"_s, u"Set-up time t0 (days)"_s},
         {u"0.0984251968504"_s, u"0.0984251968504"_s, u"0.19812"_s, u"0.1524"_s, u"0.6"_s, u"1"_s}},
    };
    for (const auto& c : cases) {
        Project project(c.units);
        project.tables().soilLayers.cell(Tables::SoilTypeColumn, 0).setInt(c.soil);
        LayerConstantsDialog dialog(project, 0);
        dialog.show();
        for (int k = 0; k < 6; ++k) {
            NumberField& field = need<NumberField>(&dialog, c.names[k]);
            QCOMPARE(field.text(), c.shown[k]);
            QVERIFY(!field.isEnabled());
        }
        QVERIFY(need<QCheckBox>(&dialog, u"Default toe quake"_s).isChecked());
        QCOMPARE(dialog.windowTitle(), u"Dynamic and Set-up Constants of Layer 1"_s);
    }
}

// D/120 of a 610 mm closed pile at the toe, typed as an expression; back to the default, none.
void LayerConstantsDialogTest::givenValueStoredAndDefaultAgainStoresNone() {
    Project project(UnitSystem::SI);
    {
        LayerConstantsDialog dialog(project, 0);
        dialog.show();
        need<QCheckBox>(&dialog, u"Default toe quake"_s).setChecked(false);
        QVERIFY(need<NumberField>(&dialog, u"Toe quake (mm)"_s).isEnabled());
        QVERIFY(enter(&dialog, u"Toe quake (mm)"_s, u"610/120"_s));
        QVERIFY(!enter(&dialog, u"Toe quake (mm)"_s, u"-1"_s));  // below 0: refused in the field
        QVERIFY(enter(&dialog, u"Toe quake (mm)"_s, u"610/120"_s));
        dialog.accept();
    }
    QCOMPARE(project.tables().soilLayers.cell(Tables::ToeQuakeColumn, 0).toDouble(), 610.0 / 120.0);
    QCOMPARE(project.tables().soilLayers.cell(Tables::ShaftQuakeColumn, 0).toDouble(), Tables::kNotGiven);
    QVERIFY(project.isModified());
    const ProjectRecords records = ProjectFile::of(project.data(), project.tables()).records;
    QCOMPARE(*records.soil_points[0].constants.toe_quake, 610.0 / 120.0);
    QCOMPARE(*records.soil_points[1].constants.toe_quake, 610.0 / 120.0);
    QVERIFY(!records.soil_points[0].constants.shaft_quake);
    {
        LayerConstantsDialog dialog(project, 0);
        dialog.show();
        QCOMPARE(textOf(&dialog, u"Toe quake (mm)"_s), u"5.08333333333"_s);
        need<QCheckBox>(&dialog, u"Default toe quake"_s).setChecked(true);
        QCOMPARE(textOf(&dialog, u"Toe quake (mm)"_s), u"2.5"_s);
        dialog.accept();
    }
    QCOMPARE(project.tables().soilLayers.cell(Tables::ToeQuakeColumn, 0).toDouble(), Tables::kNotGiven);
}

void LayerConstantsDialogTest::openedFromTheSoilData() {
    Project project(UnitSystem::SI);
    SoilDataDialog data(project, 0);
    data.show();
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<LayerConstantsDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->accept();
    });
    click(&data, u"Dynamic and Set-up..."_s);
}

QTEST_MAIN(LayerConstantsDialogTest)
#include "layerconstantsdialog_test.moc"
