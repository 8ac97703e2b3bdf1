// The check window: its heading for each purpose, the findings listed with method, layer and depth,
// and its buttons.
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "app/main/checkwindow.h"
#include "tests/app/support/widgetfinder.h"

using namespace torve;
using namespace torve::app;
using namespace Qt::StringLiterals;

class CheckWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void checkWindowContents();
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

QTEST_MAIN(CheckWindowTest)
#include "checkwindow_test.moc"
