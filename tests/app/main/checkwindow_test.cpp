// The check window: its heading for each purpose, the findings listed with method, layer and depth,
// and its buttons.
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "app/main/checkwindow.h"
#include "app/main/findingplace.h"
#include "tests/app/support/widgetfinder.h"

using namespace torve;
using namespace torve::app;
using namespace Qt::StringLiterals;

class CheckWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void checkWindowContents();
    void wholeMessagesAndADoubleClickChooses();
    void placeOfFinding_data();
    void placeOfFinding();
};

// The window lists each finding with its method, layer and depth; without any it says so.
void CheckWindowTest::checkWindowContents() {
    const std::vector<Finding> findings = {
        {.severity = Finding::Severity::Error,
         .method = Method::Api,
         .layer = 2,
         .depth = 20.0,
         .message = "expected an undrained shear strength above 0, found 0."},
        {.severity = Finding::Severity::Warning, .message = "a value"}};
    CheckWindow window(findings, true, FindingsPurpose::Check);
    QCOMPARE(window.heading(), u"The check found 1 error and 1 warning."_s);
    QCOMPARE(window.list()->topLevelItemCount(), 2);
    const QTreeWidgetItem* first = window.list()->topLevelItem(0);
    QCOMPARE(first->text(0), u"error"_s);
    QCOMPARE(first->text(1), u"API RP 2A"_s);
    QCOMPARE(first->text(2), u"2"_s);
    QCOMPARE(first->text(3), u"20.00"_s);
    QCOMPARE(window.list()->headerItem()->text(3), u"Depth (ft)"_s);
    QCOMPARE(window.list()->topLevelItem(1)->text(2), QString());
    QVERIFY(test::findByAccessibleName<QPushButton>(&window, u"Close"_s));

    CheckWindow none({}, false, FindingsPurpose::Check);
    QCOMPARE(none.heading(), u"No problems found"_s);
    CheckWindow ask({findings[1], findings[1]}, false, FindingsPurpose::RunAnyway);
    QCOMPARE(ask.heading(), u"The check found 2 warnings. Run anyway?"_s);
    QVERIFY(test::findByAccessibleName<QPushButton>(&ask, u"Yes"_s));
    QVERIFY(test::findByAccessibleName<QPushButton>(&ask, u"No"_s));
    CheckWindow stopped({findings[0], findings[0]}, false, FindingsPurpose::RunStopped);
    QVERIFY(
        stopped.heading().startsWith(u"The analysis cannot run: the check found 2 errors and 0 warnings."_s));
}

// A message longer than the window is wide wraps onto more lines of its row, and a double-click on
// a finding closes the window with that finding chosen.
void CheckWindowTest::wholeMessagesAndADoubleClickChooses() {
    std::string long_message;
    for (int i = 0; i < 40; ++i) long_message += "a value the check names ";
    const std::vector<Finding> findings = {{.severity = Finding::Severity::Warning, .message = "short"},
                                           {.severity = Finding::Severity::Error,
                                            .place = {RecordId::PileSection, 0, 0},
                                            .field = "total pile length",
                                            .message = long_message}};
    CheckWindow window(findings, false, FindingsPurpose::Check);
    window.resize(600, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTreeWidget* list = window.list();
    QVERIFY(list->wordWrap());
    const int oneLine = list->visualItemRect(list->topLevelItem(0)).height();
    const int wrapped = list->visualItemRect(list->topLevelItem(1)).height();
    QVERIFY2(wrapped >= 3 * oneLine, qPrintable(u"%1 against %2"_s.arg(wrapped).arg(oneLine)));
    QVERIFY(!window.chosen());

    const QRect second = list->visualItemRect(list->topLevelItem(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(window.result(), CheckWindow::kGoToFinding);
    QVERIFY(window.chosen());
    QCOMPARE(window.chosen()->field, std::string("total pile length"));
}

Q_DECLARE_METATYPE(torve::app::DialogId)

void CheckWindowTest::placeOfFinding_data() {
    QTest::addColumn<int>("record");  // RecordId
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("layer");
    QTest::addColumn<bool>("circular");
    QTest::addColumn<DialogId>("dialog");
    QTest::addColumn<QString>("caption");  // the field's accessible name, or its beginning
    QTest::addColumn<int>("dataOfLayer");
    const auto row = [](const char* name, RecordId id, int index, const char* field, int layer, bool circular,
                        DialogId dialog, const QString& caption, int data = 0) {
        QTest::newRow(name) << static_cast<int>(id) << index << QString::fromLatin1(field) << layer
                            << circular << dialog << caption << data;
    };
    row("title", RecordId::Title, 0, "", 0, true, DialogId::Title,
        u"Enter line of text for project description:"_s);
    row("diameter", RecordId::PileSection, 0, "outside diameter", 0, true, DialogId::CircularPile,
        u"Outer Diameter, OD"_s);
    row("length, circular", RecordId::PileSection, 0, "total pile length", 0, true, DialogId::CircularPile,
        u"Total Length, TL"_s);
    row("length, noncircular", RecordId::PileSection, 0, "total pile length", 0, false,
        DialogId::NoncircularPile, u"Total Length, TL"_s);
    row("modulus", RecordId::PileSection, 0, "modulus of elasticity", 0, true, DialogId::PileMaterial,
        u"Modulus of Elasticity, E"_s);
    row("zero-friction length, noncircular", RecordId::Options, 0, "zero-friction length", 0, false,
        DialogId::NoncircularPile, u"Zero-Friction from Length Ground, ZFL"_s);
    row("increment", RecordId::Options, 0, "computation increment", 0, true, DialogId::ControlOptions,
        u"Length of each computation increment"_s);
    row("methods", RecordId::MethodFlags, 0, "", 0, true, DialogId::ComputationMethods, QString());
    row("tension factor", RecordId::Loading, 0, "tension reduction factor", 0, true,
        DialogId::ComputationMethods, u"Reduction factor for tension loading"_s);
    // Soil point 3 is the top of layer 2, point 4 its bottom.
    row("layer bottom", RecordId::SoilPointFirstLine, 3, "depth", 2, true, DialogId::SoilLayers,
        u"Layer 2, Depth at Bottom"_s);
    row("su at a layer's top", RecordId::SoilPointSecondLine, 2, "undrained shear strength", 2, true,
        DialogId::SoilLayers, u"2. Undrained Shear Strength, top"_s, 2);
    row("friction angle at the bottom", RecordId::SoilPointFirstLine, 1, "friction angle", 1, true,
        DialogId::SoilLayers, u"2. Friction Angle, bottom"_s, 1);
    row("CPT row", RecordId::CptRow, 4, "cone resistance", 0, true, DialogId::CptData, QString());
}

void CheckWindowTest::placeOfFinding() {
    QFETCH(int, record);
    QFETCH(int, index);
    QFETCH(QString, field);
    QFETCH(int, layer);
    QFETCH(bool, circular);
    QFETCH(DialogId, dialog);
    QFETCH(QString, caption);
    QFETCH(int, dataOfLayer);
    const Finding f{
        .place = {static_cast<RecordId>(record), index, 0}, .field = field.toStdString(), .layer = layer};
    const std::optional<FindingPlace> place = placeOf(f, circular);
    QVERIFY(place);
    QCOMPARE(place->dialog, dialog);
    QCOMPARE(place->field, caption);
    QCOMPARE(place->dataOfLayer, dataOfLayer);
}

QTEST_MAIN(CheckWindowTest)
#include "checkwindow_test.moc"
