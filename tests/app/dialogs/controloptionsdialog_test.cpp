// The control options dialog: the computation increment, the print interval rounded to a whole
// number and bounded, the working loads typed as fractions, and the text editor kept in the settings.
#include <QLineEdit>
#include <QTest>

#include "app/project/namesfile.h"
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
    void setup_data();
    void setup();

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

void ControlOptionsDialogTest::setup_data() {
    QTest::addColumn<QString>("days");
    QTest::addColumn<QString>("a");
    QTest::addColumn<double>("storedDays");  // -1: none, the end of driving
    QTest::addColumn<double>("storedA");     // -1: each soil type's own
    QTest::addColumn<int>("refusals");
    // The file of names then carries the days and A on lines 9 and 10, "." as decimal mark.
    QTest::addColumn<QByteArray>("namesTail");
    QTest::newRow("thirty days") << u"30"_s << QString() << 30.0 << -1.0 << 0 << QByteArray("30\n\n");
    QTest::newRow("with A") << u"100"_s << u"0.35"_s << 100.0 << 0.35 << 0 << QByteArray("100\n0.35\n");
    QTest::newRow("blank") << QString() << QString() << -1.0 << -1.0 << 0 << QByteArray();
    QTest::newRow("negative days") << u"-1"_s << QString() << 7.0 << -1.0 << 1 << QByteArray("7\n\n");
    QTest::newRow("text") << u"a month"_s << u"much"_s << 7.0 << -1.0 << 2 << QByteArray("7\n\n");
}

void ControlOptionsDialogTest::setup() {
    QFETCH(QString, days);
    QFETCH(QString, a);
    QFETCH(double, storedDays);
    QFETCH(double, storedA);
    QFETCH(int, refusals);
    QFETCH(QByteArray, namesTail);
    RecordingHost host;
    ProjectData d = host.project().data();
    d.setupDays = 7;
    host.project().setData(d);
    messages_.shown.clear();
    auto dialog = openDialog(host, DialogId::ControlOptions);
    auto& daysField = need<QLineEdit>(dialog.get(), u"Time after driving, days:"_s);
    QCOMPARE(daysField.text(), u"7"_s);
    daysField.setText(days);
    need<QLineEdit>(dialog.get(), u"Set-up factor A:"_s).setText(a);
    QVERIFY(dialog->close());
    QCOMPARE(messages_.shown.size(), refusals);
    const ProjectData& stored = host.project().data();
    QCOMPARE(stored.setupDays.value_or(-1), storedDays);
    QCOMPARE(stored.setupA.value_or(-1), storedA);
    const QByteArray names = namesFileText(runFileNamesOf(u"/p/a.tv6d"_s, stored));
    QCOMPARE(names, QByteArray("2014.6.3\nTORVE\ntorve6\n0\n/p/a.tv6d\n/p/a.tv6o\n/p/a.tv6p\n/p/a.cpt\n") +
                        namesTail);
}

QTEST_MAIN(ControlOptionsDialogTest)
#include "controloptionsdialog_test.moc"
