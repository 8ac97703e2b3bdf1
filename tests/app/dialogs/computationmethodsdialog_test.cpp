// The computation methods dialog: the coupling of its two method tabs, the enabling rules, what it
// stores on close (a tension factor of one, the taper cleared when the load transfer leaves FHWA),
// and the notes that explain its curve-shape marks.
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <algorithm>

#include "app/dialogs/texts.h"
#include "tests/app/dialogs/dialogdriver.h"

using namespace torve;
using namespace torve::app;
using namespace torve::app::test;
using namespace Qt::StringLiterals;

namespace {

// Capacity boxes by method code, as the tab captions them.
const QStringList kCapacityBoxes = {u"FHWA (Federal Highway Administration) "_s,
                                    u"USACE (U.S. Army Corps of Engineers) "_s,
                                    u"Revised Lambda "_s,
                                    u"API RP 2A (American Petroleum Institute) "_s,
                                    u"Load-transfer Units specified by User"_s,
                                    u"NGI (Norwegian Geotechnical Institute) "_s,
                                    u"ICP/MTD (Imperial College of London) "_s,
                                    u"Fugro (Offshore Driven Piles in Sand) "_s,
                                    u"UWA (University of Western Australia) "_s,
                                    u"Unified CPT-Based (ISO 19901-4, Lehane et al.)"_s};

QList<int> checkedBoxes(QWidget* dialog) {
    QList<int> codes;
    for (int i = 0; i < kCapacityBoxes.size(); ++i)
        if (need<QCheckBox>(dialog, kCapacityBoxes[i]).isChecked()) codes << i + 1;
    return codes;
}

bool enabled(QWidget* dialog, const QString& name) {
    return need(dialog, name).isEnabled();
}

const QString kTaper = u"Angle of taper for a tapered pile  (degrees)"_s;

}  // namespace

class ComputationMethodsDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void clearSelectionsKeepsTheLoadTransferMethod();
    void enablingRules_data();
    void enablingRules();
    void compressionStoresATensionFactorOfOne();
    void unifiedClayBaseIsStored();
    void leavingFhwaForLoadTransferClearsTheTaper();
    void taperSurvivesAVisitToTheMethodsDialog();
    void everyCurveShapeMarkIsExplained();

  private:
    RecordedMessages messages_;
};

void ComputationMethodsDialogTest::clearSelectionsKeepsTheLoadTransferMethod() {
    RecordingHost host;
    auto dialog = openDialog(host, DialogId::ComputationMethods);
    QWidget* d = dialog.get();
    click(d, u"ICP/MTD (Imperial College of London) (**)"_s);
    QCOMPARE(checkedBoxes(d), (QList<int>{4, 7}));  // API of a new project, and the chosen method
    click(d, u"Select All"_s);
    QCOMPARE(checkedBoxes(d).size(), 10);
    click(d, u"Clear Selections"_s);
    QCOMPARE(checkedBoxes(d), QList<int>{7});
    QVERIFY(enabled(d, u"Use Drained Condition for Clay"_s));
    // The LS mark stands in the row of the ICP/MTD box.
    d->findChild<QTabWidget*>()->setCurrentWidget(&need(d, u"Method for Pile Capacity"_s));
    const QLabel& mark = need<QLabel>(d, u"LS"_s);
    const QCheckBox& icp = need<QCheckBox>(d, kCapacityBoxes[6]);
    QTRY_VERIFY(mark.isVisible());
    QVERIFY(qAbs(mark.geometry().center().y() - icp.geometry().center().y()) <= icp.height() / 2);

    QVERIFY(dialog->close());
    const ProjectData& p = host.project().data();
    QCOMPARE(p.loadTransferMethod, Method::IcpMtd);
    QCOMPARE(p.selectedMethods,
             (std::array<bool, kMethodCount>{false, false, false, false, false, false, true}));
}

void ComputationMethodsDialogTest::enablingRules_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("enabled");
    const QString usace = kCapacityBoxes[1];
    const QString api = kCapacityBoxes[3];
    const QString depth = u"At User-Specified Critical Depth (ft)"_s;
    const QString factor = u"Reduction factor for tension loading"_s;
    QTest::newRow("critical depth options need USACE")
        << QStringList{} << u"Original Recommendations "_s << false;
    QTest::newRow("USACE enables them") << QStringList{usace} << u"Original Recommendations "_s << true;
    QTest::newRow("depth field needs the user option") << QStringList{usace} << depth << false;
    QTest::newRow("user option enables it")
        << QStringList{usace, u"At User-Specified Critical Depth"_s} << depth << true;
    QTest::newRow("clay condition needs ICP/MTD")
        << QStringList{} << u"Use Undrained Condition for Clay"_s << false;
    QTest::newRow("clay base needs the Unified method")
        << QStringList{} << u"Clay Base from Load Tests (0.8 qt Closed, 0.4 qt Open)"_s << false;
    QTest::newRow("the Unified method enables it")
        << QStringList{kCapacityBoxes[9]} << u"Clay Base by the Effective Area Ratio"_s << true;
    QTest::newRow("tension with API") << QStringList{u"Tension"_s} << factor << true;
    QTest::newRow("tension without API") << QStringList{u"Tension"_s, api} << factor << false;
    QTest::newRow("compression") << QStringList{} << factor << false;
}

void ComputationMethodsDialogTest::enablingRules() {
    QFETCH(QStringList, clicks);
    QFETCH(QString, control);
    QFETCH(bool, enabled);
    RecordingHost host;
    auto dialog = openDialog(host, DialogId::ComputationMethods);
    for (const QString& name : clicks) click(dialog.get(), name);
    QCOMPARE(::enabled(dialog.get(), control), enabled);
}

void ComputationMethodsDialogTest::compressionStoresATensionFactorOfOne() {
    RecordingHost host;
    ProjectData d = host.project().data();
    d.loadingType = LoadingType::Tension;
    d.tensionReductionFactor = 0.7;
    host.project().setData(d);
    auto dialog = openDialog(host, DialogId::ComputationMethods);
    QCOMPARE(textOf(dialog.get(), u"Reduction factor for tension loading"_s), u"0.7"_s);
    click(dialog.get(), u"Compression"_s);
    QVERIFY(dialog->close());
    QCOMPARE(host.project().data().loadingType, LoadingType::Compression);
    QCOMPARE(host.project().data().tensionReductionFactor, 1.0);
}

void ComputationMethodsDialogTest::unifiedClayBaseIsStored() {
    RecordingHost host;
    QCOMPARE(host.project().data().unifiedClayBase, UnifiedClayBase::AreaRatio);
    auto dialog = openDialog(host, DialogId::ComputationMethods);
    QVERIFY(need<QRadioButton>(dialog.get(), u"Clay Base by the Effective Area Ratio"_s).isChecked());
    click(dialog.get(), kCapacityBoxes[9]);
    click(dialog.get(), u"Clay Base from Load Tests (0.8 qt Closed, 0.4 qt Open)"_s);
    QVERIFY(dialog->close());
    QCOMPARE(host.project().data().unifiedClayBase, UnifiedClayBase::LoadTest);
    auto again = openDialog(host, DialogId::ComputationMethods);
    QVERIFY(need<QRadioButton>(again.get(), u"Clay Base from Load Tests (0.8 qt Closed, 0.4 qt Open)"_s)
                .isChecked());
}

void ComputationMethodsDialogTest::leavingFhwaForLoadTransferClearsTheTaper() {
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

void ComputationMethodsDialogTest::taperSurvivesAVisitToTheMethodsDialog() {
    // API carries the load transfer of a new project; FHWA computes the tapered pile's capacity.
    RecordingHost host;
    setPile(host.project(), PileType::Timber, true, 0.5);
    auto methods = openDialog(host, DialogId::ComputationMethods);
    click(methods.get(), u"Revised Lambda "_s);
    QVERIFY(methods->close());
    QCOMPARE(host.project().data().taperAngle, 0.5);
}

// A method's radio button ends in the mark of a curve-shape note; a mark without its note under the
// group would send the user looking for an explanation that is not there.
void ComputationMethodsDialogTest::everyCurveShapeMarkIsExplained() {
    const QStringList notes = QString(texts::kCurveShapeNotes).split(u'\n');
    for (const MethodInfo& m : kMethods) {
        const QString mark = QString::fromLatin1(m.curve_note_mark);
        QVERIFY2(std::any_of(notes.begin(), notes.end(),
                             [&](const QString& n) { return n.startsWith(mark + u' '); }),
                 qPrintable(mark));
    }
}

QTEST_MAIN(ComputationMethodsDialogTest)
#include "computationmethodsdialog_test.moc"
