// The critical depth dialog: the depth field shown and stored for the user-specified option alone.
#include <QTest>

#include "tests/app/dialogs/dialogdriver.h"

using namespace torve;
using namespace torve::app;
using namespace torve::app::test;
using namespace Qt::StringLiterals;

class CriticalDepthDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void criticalDepthFieldOnlyForTheUserOption();

  private:
    RecordedMessages messages_;
};

void CriticalDepthDialogTest::criticalDepthFieldOnlyForTheUserOption() {
    RecordingHost host;
    auto dialog = openDialog(host, DialogId::CriticalDepth);
    const QString field = u"User-Specified Critical Depth (ft)"_s;
    QVERIFY(!need(dialog.get(), field).isVisible());
    click(dialog.get(), u"User-Specified Critical Depth"_s);
    QVERIFY(need(dialog.get(), field).isVisible());
    QVERIFY(enter(dialog.get(), field, u"25"_s));
    QVERIFY(dialog->close());
    QCOMPARE(host.project().data().criticalDepthOption, CriticalDepthOption::UserSpecified);
    QCOMPARE(host.project().data().criticalDepth, 25.0);
}

QTEST_MAIN(CriticalDepthDialogTest)
#include "criticaldepthdialog_test.moc"
