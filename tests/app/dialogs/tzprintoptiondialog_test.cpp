// The t-z print option dialog: the table of depths opened for the user's depths, and the depths kept
// when the internally generated ones are chosen.
#include <QTest>

#include "tests/app/dialogs/dialogdriver.h"

using namespace torve;
using namespace torve::app;
using namespace torve::app::test;
using namespace Qt::StringLiterals;

namespace {

bool enabled(QWidget* dialog, const QString& name) {
    return need(dialog, name).isEnabled();
}

}  // namespace

class TzPrintOptionDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void tzPrintOption();

  private:
    RecordedMessages messages_;
};

void TzPrintOptionDialogTest::tzPrintOption() {
    RecordingHost host;
    ProjectData d = host.project().data();
    d.printExtraTz = true;
    host.project().setData(d);
    host.project().tables().tzPrintDepths.setRowCount(3);
    auto dialog = openDialog(host, DialogId::TzPrintOption);
    QVERIFY(enabled(dialog.get(), u"Edit Depths"_s));
    click(dialog.get(), u"Edit Depths"_s);
    QCOMPARE(host.tables, QList<GridTable*>{&host.project().tables().tzPrintDepths});
    click(dialog.get(), u"Print Internally-Generated"_s);
    QVERIFY(!enabled(dialog.get(), u"Edit Depths"_s));
    QVERIFY(dialog->close());
    QVERIFY(!host.project().data().printExtraTz);
    QCOMPARE(host.project().tables().tzPrintDepths.rowCount(), 3);
}

QTEST_MAIN(TzPrintOptionDialogTest)
#include "tzprintoptiondialog_test.moc"
