// The control options dialog: the computation increment, the print interval rounded to a whole
// number and bounded, and the text editor kept in the settings.
#include <QLineEdit>
#include <QTest>

#include "app/widgets/appsettings.h"
#include "tests/app/dialogs/dialogdriver.h"

using namespace torve;
using namespace torve::app;
using namespace torve::app::test;
using namespace Qt::StringLiterals;

class ControlOptionsDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void controlOptions();

  private:
    RecordedMessages messages_;
};

void ControlOptionsDialogTest::controlOptions() {
    RecordingHost host;
    ProjectData d = host.project().data();
    d.computationIncrement = 0;
    host.project().setData(d);
    host.settings().setWordProcessor(u"/usr/bin/editor"_s);
    auto dialog = openDialog(host, DialogId::ControlOptions);
    QWidget* o = dialog.get();
    QCOMPARE(textOf(o, u"Length of each computation increment  (ft)"_s), u"1"_s);
    QCOMPARE(need<QLineEdit>(o, u"Text Editor"_s).text(), u"/usr/bin/editor"_s);
    QVERIFY(enter(o, u"Print only every "_s, u"2.6"_s));
    QVERIFY(enter(o, u"Length of each computation increment  (ft)"_s, u"0.5"_s));
    QVERIFY(!enter(o, u"Print only every "_s, u"501"_s));
    QVERIFY(enter(o, u"Print only every "_s, u"2.6"_s));
    need<QLineEdit>(o, u"Text Editor"_s).setText(u"/usr/bin/other"_s);
    QVERIFY(dialog->close());
    QCOMPARE(host.project().data().printInterval, 3);
    QCOMPARE(host.project().data().computationIncrement, 0.5);
    QCOMPARE(host.settings().wordProcessor(), u"/usr/bin/other"_s);
}

QTEST_MAIN(ControlOptionsDialogTest)
#include "controloptionsdialog_test.moc"
