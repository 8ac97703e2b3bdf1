// The Driveability dialog: its fields named by their captions in the project's units, the entries
// shown and read back, Run refusing what cannot run with the reason, and the layers' constants
// reached from it.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/dialogs/driveabilitydialog.h"
#include "app/dialogs/layerconstantsdialog.h"
#include "app/project/project.h"
#include "tests/app/dialogs/dialogdriver.h"

using namespace torve;
using namespace torve::app;
using namespace torve::app::test;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(torve::UnitSystem)

namespace {

const QString kHammer = QStringLiteral(TORVE_SOURCE_DIR "/examples/hammers/ram-5t-49kj.json");

void type(QWidget* root, const QString& name, const QString& text) {
    need<QLineEdit>(root, name).setText(text);
}

}  // namespace

class DriveabilityDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void fieldsNamedByTheirCaptions_data();
    void fieldsNamedByTheirCaptions();
    void entriesShownAndReadBack();
    void runRefusesWhatCannotRun_data();
    void runRefusesWhatCannotRun();
    void runAcceptsEntriesThatCanRun();
    void quakesAndDampingOfTheChosenLayer();
};

void DriveabilityDialogTest::fieldsNamedByTheirCaptions_data() {
    QTest::addColumn<UnitSystem>("units");
    QTest::addColumn<QString>("length");
    QTest::newRow("S.I.") << UnitSystem::SI << u"m"_s;
    QTest::newRow("English") << UnitSystem::English << u"ft"_s;
}

void DriveabilityDialogTest::fieldsNamedByTheirCaptions() {
    QFETCH(UnitSystem, units);
    QFETCH(QString, length);
    Project project(units);
    DriveabilityDialog dialog(project, {});
    dialog.show();
    QCOMPARE(dialog.windowTitle(), u"Driveability"_s);
    for (const QString& name :
         {u"Hammer file:"_s, QString(u"From (%1):"_s).arg(length), QString(u"To (%1):"_s).arg(length),
          QString(u"Step (%1):"_s).arg(length), u"Segment length (m):"_s, u"SRD shaft factor:"_s,
          u"SRD base factor:"_s, u"Interface friction angle (deg):"_s})
        need<QLineEdit>(&dialog, name);
    for (const QString& name : {u"Browse..."_s, u"Dynamic and Set-up..."_s, u"Run"_s, u"Close"_s})
        need<QPushButton>(&dialog, name);
    QComboBox& method = need<QComboBox>(&dialog, u"SRD method:"_s);
    QCOMPARE(method.count(), 2);
    QCOMPARE(method.itemText(0), u"Alm & Hamre"_s);
    QCOMPARE(method.itemText(1), u"UniSand-SRD"_s);
    // A new project's one layer, sand from the ground down.
    QComboBox& layer = need<QComboBox>(&dialog, u"Quakes and damping of layer:"_s);
    QCOMPARE(layer.count(), project.tables().soilLayers.rowCount());
    QVERIFY(layer.itemText(0).startsWith(u"1: sand, 0 to "_s));
    // Blank depths: every metre, or 3 ft, down to the pile's length.
    const QString every = units == UnitSystem::English ? u"3"_s : u"1"_s;
    QCOMPARE(need<QLineEdit>(&dialog, QString(u"From (%1):"_s).arg(length)).placeholderText(), every);
    QCOMPARE(need<QLineEdit>(&dialog, QString(u"Step (%1):"_s).arg(length)).placeholderText(), every);
    QCOMPARE(need<QLineEdit>(&dialog, QString(u"To (%1):"_s).arg(length)).placeholderText(),
             u"the pile's length"_s);
    // Each label shows its field's name, its accelerator aside.
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->buddy()) QCOMPARE(plainCaption(label->text()), label->buddy()->accessibleName());
}

void DriveabilityDialogTest::entriesShownAndReadBack() {
    Project project(UnitSystem::SI);
    DriveabilitySettings last;
    last.hammer = kHammer;
    last.srd = DriveabilitySettings::Srd::UnifiedSrd;
    last.from = 5;
    last.to = 40;
    last.step = 2.5;
    last.frictionAngle = 25;
    DriveabilityDialog dialog(project, last);
    dialog.show();
    QCOMPARE(need<QLineEdit>(&dialog, u"Hammer file:"_s).text(), kHammer);
    QCOMPARE(need<QComboBox>(&dialog, u"SRD method:"_s).currentIndex(), 1);
    QCOMPARE(need<QLineEdit>(&dialog, u"Step (m):"_s).text(), QLocale().toString(2.5));
    // Blank: the default, which the field shows greyed.
    QCOMPARE(need<QLineEdit>(&dialog, u"Segment length (m):"_s).text(), QString());
    QCOMPARE(need<QLineEdit>(&dialog, u"Segment length (m):"_s).placeholderText(), u"1"_s);
    QCOMPARE(need<QLineEdit>(&dialog, u"Interface friction angle (deg):"_s).placeholderText(), u"29"_s);
    QCOMPARE(dialog.settings(), std::optional(last));

    need<QComboBox>(&dialog, u"SRD method:"_s).setCurrentIndex(0);
    type(&dialog, u"Segment length (m):"_s, u"0.5"_s);  // "." whatever the locale
    type(&dialog, u"From (m):"_s, u" "_s);
    DriveabilitySettings changed = last;
    changed.srd = DriveabilitySettings::Srd::AlmHamre;
    changed.segmentLength = 0.5;
    changed.from.reset();
    QCOMPARE(dialog.settings(), std::optional(changed));
    type(&dialog, u"SRD base factor:"_s, u"one"_s);
    QCOMPARE(dialog.settings(), std::nullopt);
}

void DriveabilityDialogTest::runRefusesWhatCannotRun_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("status");
    QTest::newRow("no hammer") << u"Hammer file:"_s << QString()
                               << u"Choose a hammer file (examples/hammers holds a few)."_s;
    QTest::newRow("hammer missing") << u"Hammer file:"_s << u"/nowhere/ram.json"_s
                                    << u"The hammer file \"/nowhere/ram.json\" does not exist."_s;
    QTest::newRow("not a number") << u"Step (m):"_s << u"1..5"_s << u"Step (m) is not a number."_s;
    QTest::newRow("depths not all three")
        << u"To (m):"_s << QString()
        << u"Give the depths From, To and Step all three, or leave all three blank for every depth down to "
           u"the pile's length."_s;
    QTest::newRow("reversed")
        << u"To (m):"_s << u"1"_s
        << u"The depth To is less than the depth From: the tip goes down from From to To."_s;
    QTest::newRow("segment") << u"Segment length (m):"_s << u"0"_s << u"The segment length is above 0."_s;
    QTest::newRow("angle") << u"Interface friction angle (deg):"_s << u"90"_s
                           << u"The interface friction angle lies between 0 and 90 degrees."_s;
}

void DriveabilityDialogTest::runRefusesWhatCannotRun() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, status);
    Project project(UnitSystem::SI);
    DriveabilitySettings last;
    last.hammer = kHammer;
    last.from = 5;
    last.to = 40;
    last.step = 5;
    DriveabilityDialog dialog(project, last);
    dialog.show();
    type(&dialog, field, text);
    click(&dialog, u"Run"_s);
    QCOMPARE(dialog.status(), status);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void DriveabilityDialogTest::runAcceptsEntriesThatCanRun() {
    Project project(UnitSystem::English);
    DriveabilityDialog dialog(project, {});
    dialog.show();
    type(&dialog, u"Hammer file:"_s, kHammer);
    click(&dialog, u"Run"_s);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.status(), QString());
    QCOMPARE(dialog.settings()->hammer, kHammer);
    QVERIFY(!dialog.settings()->from);
}

void DriveabilityDialogTest::quakesAndDampingOfTheChosenLayer() {
    Project project(UnitSystem::SI);
    project.tables().soilLayers.setRowCount(2);
    DriveabilityDialog dialog(project, {});
    dialog.show();
    QCOMPARE(need<QComboBox>(&dialog, u"Quakes and damping of layer:"_s).count(), 2);
    need<QComboBox>(&dialog, u"Quakes and damping of layer:"_s).setCurrentIndex(1);
    QString title;
    QTimer::singleShot(0, [&title] {
        auto* constants = qobject_cast<LayerConstantsDialog*>(QApplication::activeModalWidget());
        if (!constants) return;
        title = constants->windowTitle();
        constants->accept();
    });
    click(&dialog, u"Dynamic and Set-up..."_s);
    QCOMPARE(title, u"Dynamic and Set-up Constants of Layer 2"_s);
}

QTEST_MAIN(DriveabilityDialogTest)
#include "driveabilitydialog_test.moc"
