// The control options dialog: the computation increment, the print interval rounded to a whole
// number and bounded, the working loads typed as fractions, and the text editor kept in the settings.
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
    void workingLoads_data();
    void workingLoads();

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

void ControlOptionsDialogTest::workingLoads_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<double>>("stored");  // empty: the run's own 1/2 and 1/3 (no record 16)
    QTest::addColumn<bool>("refused");          // the fractions before stay
    QTest::newRow("decimals") << u"0.4 0.25"_s << QList<double>{0.4, 0.25} << false;
    // 1/3 is the double nearest a third, as the run's own default is, not 0.333.
    QTest::newRow("a/b and commas") << u"1/2, 1/3"_s << QList<double>{0.5, 1.0 / 3.0} << false;
    QTest::newRow("the whole capacity") << u"1"_s << QList<double>{1.0} << false;
    QTest::newRow("blank") << u" "_s << QList<double>{} << false;
    QTest::newRow("above the capacity") << u"0.5 1.2"_s << QList<double>{0.6} << true;
    QTest::newRow("zero") << u"0"_s << QList<double>{0.6} << true;
    QTest::newRow("a divisor of zero") << u"1/0"_s << QList<double>{0.6} << true;
    QTest::newRow("text") << u"half"_s << QList<double>{0.6} << true;
    QTest::newRow("eleven") << u"0.1 0.1 0.1 0.1 0.1 0.1 0.1 0.1 0.1 0.1 0.1"_s << QList<double>{0.6} << true;
    // A decimal comma is a separator: "0,5" is the fractions 0 and 5, and refused.
    QTest::newRow("decimal comma") << u"0,5"_s << QList<double>{0.6} << true;
}

void ControlOptionsDialogTest::workingLoads() {
    QFETCH(QString, typed);
    QFETCH(QList<double>, stored);
    QFETCH(bool, refused);
    RecordingHost host;
    ProjectData d = host.project().data();
    d.workingLoadFractions = std::vector<double>{0.6};
    host.project().setData(d);
    messages_.shown.clear();
    auto dialog = openDialog(host, DialogId::ControlOptions);
    const QString caption = u"Working loads, fractions of the capacity at the tip:"_s;
    auto& field = need<QLineEdit>(dialog.get(), caption);
    QCOMPARE(field.text(), u"0.6"_s);
    field.setText(typed);
    QVERIFY(dialog->close());
    const std::optional<std::vector<double>>& fractions = host.project().data().workingLoadFractions;
    QCOMPARE(messages_.shown.size(), refused ? 1 : 0);
    if (stored.isEmpty()) {
        QVERIFY(!fractions);
        return;
    }
    QVERIFY(fractions);
    QCOMPARE(QList<double>(fractions->begin(), fractions->end()), stored);
}

QTEST_MAIN(ControlOptionsDialogTest)
#include "controloptionsdialog_test.moc"
