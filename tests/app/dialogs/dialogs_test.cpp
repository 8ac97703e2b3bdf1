// What every input dialog shares: controls named for screen readers, labels and values that follow
// the unit system, a bad entry that keeps the dialog open, loading that leaves the project
// unmodified, and closing.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include "app/widgets/childdialog.h"
#include "tests/app/dialogs/dialogdriver.h"

using namespace torve;
using namespace torve::app;
using namespace torve::app::test;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(torve::app::DialogId)

class DialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void everyControlIsNamedOnce_data();
    void everyControlIsNamedOnce();
    void unitsFollowTheProject_data();
    void unitsFollowTheProject();
    void convertedValuesShowWithoutNoise();
    void digitsBeyondTheShownTwelveAreKept();
    void aBadEntryKeepsTheDialogInFront();
    void aDialogNeverShownStoresNothing();
    void loadingLeavesTheProjectUnmodified();
    void closeClosesTheFrameInTheMainWindow();
    void escapeClosesAsCloseDoes();

  private:
    RecordedMessages messages_;
};

void DialogsTest::everyControlIsNamedOnce_data() {
    QTest::addColumn<DialogId>("id");
    QTest::newRow("computation methods") << DialogId::ComputationMethods;
    QTest::newRow("control options") << DialogId::ControlOptions;
    QTest::newRow("t-z print option") << DialogId::TzPrintOption;
    QTest::newRow("critical depth") << DialogId::CriticalDepth;
    QTest::newRow("pile material") << DialogId::PileMaterial;
    QTest::newRow("circular pile") << DialogId::CircularPile;
    QTest::newRow("noncircular pile") << DialogId::NoncircularPile;
    QTest::newRow("soil layers") << DialogId::SoilLayers;
    QTest::newRow("CPT data") << DialogId::CptData;
    QTest::newRow("soil settlement") << DialogId::SoilSettlement;
}

void DialogsTest::everyControlIsNamedOnce() {
    QFETCH(DialogId, id);
    RecordingHost host;
    host.project().tables().soilLayers.setRowCount(2);
    auto dialog = openDialog(host, id);
    QSet<QString> names;
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        const bool control =
            qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w);
        // The line edit inside a combo box speaks for the box; a grid's corner button is not ours.
        if (!control || qobject_cast<QComboBox*>(w->parentWidget()) ||
            qobject_cast<QAbstractItemView*>(w->parentWidget()))
            continue;
        const QString name = w->accessibleName();
        QVERIFY2(!name.trimmed().isEmpty(), w->metaObject()->className());
        QVERIFY2(!names.contains(name), qPrintable(name));
        names.insert(name);
    }
}

void DialogsTest::unitsFollowTheProject_data() {
    QTest::addColumn<DialogId>("id");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("si");
    QTest::addColumn<QString>("siValue");
    // Each field holds 10 of its English unit.
    QTest::newRow("diameter") << DialogId::CircularPile << u"Outer Diameter, OD (in)"_s
                              << u"Outer Diameter, OD (mm)"_s << u"254"_s;
    QTest::newRow("increment") << DialogId::ControlOptions << u"Length of each computation increment  (ft)"_s
                               << u"Length of each computation increment  (m)"_s << u"3.048"_s;
    QTest::newRow("critical depth") << DialogId::ComputationMethods
                                    << u"At User-Specified Critical Depth (ft)"_s
                                    << u"At User-Specified Critical Depth (m)"_s << u"3.048"_s;
    // 10 in^2 x 0.0254^2 m^2 per in^2
    QTest::newRow("tip area") << DialogId::NoncircularPile
                              << u"Tip Area for Noncircular Section  (in\u00b2)"_s
                              << u"Tip Area for Noncircular Section  (m\u00b2)"_s << u"0.0064516"_s;
    QTest::newRow("modulus") << DialogId::PileMaterial << u"Modulus of Elasticity, E (lbs/in\u00b2)"_s
                             << u"Modulus of Elasticity, E (kN/m\u00b2)"_s << QString();
}

void DialogsTest::unitsFollowTheProject() {
    QFETCH(DialogId, id);
    QFETCH(QString, english);
    QFETCH(QString, si);
    QFETCH(QString, siValue);
    RecordingHost host;
    ProjectData d = host.project().data();
    d.outsideDiameter = d.computationIncrement = d.criticalDepth = d.tipArea = 10;
    host.project().setData(d);
    auto dialog = openDialog(host, id);
    QCOMPARE(textOf(dialog.get(), english), siValue.isEmpty() ? u"0"_s : u"10"_s);
    host.project().setUnits(UnitSystem::SI);
    if (!siValue.isEmpty()) QCOMPARE(textOf(dialog.get(), si), siValue);
    QVERIFY(!findByAccessibleName<NumberField>(dialog.get(), english));
    const NumberField& field = need<NumberField>(dialog.get(), si);
    if (field.label()) QCOMPARE(field.label()->text().remove(u'&'), si);
}

void DialogsTest::convertedValuesShowWithoutNoise() {
    RecordingHost host;
    ProjectData d = host.project().data();
    d.outsideDiameter = 24;
    host.project().setData(d);
    host.project().setUnits(UnitSystem::SI);
    const double converted = host.project().data().outsideDiameter;  // 24 x 25.4 in binary: 609.5999999999999
    host.project().setModified(false);
    auto dialog = openDialog(host, DialogId::CircularPile);
    QCOMPARE(textOf(dialog.get(), u"Outer Diameter, OD (mm)"_s), u"609.6"_s);
    QVERIFY(dialog->close());
    QVERIFY(!host.project().isModified());
    QVERIFY(host.project().data().outsideDiameter == converted);  // exactly: QCOMPARE is fuzzy on doubles
}

// A field shows 12 significant digits; the value behind them is kept whole, whether it was stored
// (100/3 in) or typed as an expression (1/3 in), and whether the field was left once or twice.
void DialogsTest::digitsBeyondTheShownTwelveAreKept() {
    RecordingHost host;
    ProjectData d = host.project().data();
    d.outsideDiameter = 100.0 / 3;
    host.project().setData(d);
    host.project().setModified(false);
    auto dialog = openDialog(host, DialogId::CircularPile);
    const QString od = u"Outer Diameter, OD (in)"_s;
    QCOMPARE(textOf(dialog.get(), od), u"33.3333333333"_s);
    QVERIFY(need<NumberField>(dialog.get(), od).isValidEntry());  // the focus passes through
    QVERIFY(dialog->close());
    QVERIFY(!host.project().isModified());
    QVERIFY(host.project().data().outsideDiameter == 100.0 / 3);  // QCOMPARE is fuzzy on doubles

    dialog = openDialog(host, DialogId::CircularPile);
    QVERIFY(enter(dialog.get(), od, u"1/3"_s));
    QCOMPARE(textOf(dialog.get(), od), u"0.333333333333"_s);
    QVERIFY(need<NumberField>(dialog.get(), od).isValidEntry());
    QVERIFY(dialog->close());
    QVERIFY(host.project().data().outsideDiameter == 1.0 / 3);

    dialog = openDialog(host, DialogId::CircularPile);  // what the field shows, typed, is that number
    QVERIFY(enter(dialog.get(), od, u"0.333333333333*1"_s));
    QVERIFY(dialog->close());
    QVERIFY(host.project().data().outsideDiameter == 0.333333333333);
}

void DialogsTest::aBadEntryKeepsTheDialogInFront() {
    RecordingHost host;
    auto dialog = openDialog(host, DialogId::CircularPile);
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    NumberField& od = need<NumberField>(dialog.get(), u"Outer Diameter, OD (in)"_s);
    od.setFocus();
    od.selectAll();
    QTest::keyClicks(&od, u"24+"_s);
    messages_.shown.clear();
    QTest::mouseClick(&need<QPushButton>(dialog.get(), u"Close"_s), Qt::LeftButton);
    QVERIFY(dialog->isVisible());
    // Once: the click does not take the focus, so the entry is checked by the closing alone.
    QCOMPARE(messages_.shown, QStringList{u"Entry could not be evaluated:\rinvalid expression"_s});
    QTRY_VERIFY(od.hasFocus());
    QCOMPARE(host.project().data().outsideDiameter, 0.0);
    od.selectAll();
    QTest::keyClicks(&od, u"24"_s);
    QVERIFY(dialog->close());
    QCOMPARE(host.project().data().outsideDiameter, 24.0);
}

void DialogsTest::aDialogNeverShownStoresNothing() {
    RecordingHost host;
    ProjectData d = host.project().data();
    d.outsideDiameter = 24;
    host.project().setData(d);
    std::unique_ptr<QWidget> dialog(createDialog(DialogId::CircularPile, host));
    QVERIFY(qobject_cast<ChildDialog*>(dialog.get())->commit());
    QCOMPARE(host.project().data().outsideDiameter, 24.0);
}

void DialogsTest::loadingLeavesTheProjectUnmodified() {
    for (DialogId id : {DialogId::ComputationMethods, DialogId::ControlOptions, DialogId::TzPrintOption,
                        DialogId::CriticalDepth, DialogId::PileMaterial, DialogId::CircularPile,
                        DialogId::NoncircularPile, DialogId::SoilLayers, DialogId::CptData}) {
        RecordingHost host;
        auto dialog = openDialog(host, id);
        host.project().setUnits(UnitSystem::SI);  // loads again
        QVERIFY2(!host.project().isModified(), qPrintable(dialog->windowTitle()));
    }
    RecordingHost host;
    auto dialog = openDialog(host, DialogId::ComputationMethods);
    click(dialog.get(), u"FHWA (Federal Highway Administration) "_s);
    QVERIFY(host.project().isModified());
}

void DialogsTest::closeClosesTheFrameInTheMainWindow() {
    RecordingHost host;
    QMdiArea area;
    QWidget* dialog = createDialog(DialogId::ControlOptions, host);
    area.addSubWindow(dialog)->show();
    area.show();
    QVERIFY(enter(dialog, u"Print only every "_s, u"4"_s));
    click(dialog, u"Close"_s);
    QTRY_VERIFY(area.subWindowList().isEmpty());
    QCOMPARE(host.project().data().printInterval, 4);
}

void DialogsTest::escapeClosesAsCloseDoes() {
    RecordingHost host;
    QMdiArea area;
    QWidget* dialog = createDialog(DialogId::ControlOptions, host);
    area.addSubWindow(dialog)->show();
    area.show();
    QVERIFY(QTest::qWaitForWindowActive(&area));
    NumberField& field = need<NumberField>(dialog, u"Print only every "_s);
    field.setFocus();
    field.setText(u"6"_s);
    QTest::keyClick(&field, Qt::Key_Escape);
    QTRY_VERIFY(area.subWindowList().isEmpty());
    QCOMPARE(host.project().data().printInterval, 6);
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
