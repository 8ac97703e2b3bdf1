// The circular pile dialog: the fields of the inside, which only a steel pipe has, and the clickable
// sketch that leads to a field.
#include <QGroupBox>
#include <QTest>

#include "app/dialogs/clickablesketch.h"
#include "tests/app/dialogs/dialogdriver.h"

using namespace torve;
using namespace torve::app;
using namespace torve::app::test;
using namespace Qt::StringLiterals;

class CircularPileDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void onlyASteelPipeHasAnInside();
    void sketchLeadsToTheField();

  private:
    RecordedMessages messages_;
};

void CircularPileDialogTest::onlyASteelPipeHasAnInside() {
    RecordingHost host;
    ProjectData d = host.project().data();
    d.outsideDiameter = 24;
    d.insideDiameter = 23;
    d.enhancedEndSectionLength = 10;
    d.enhancedEndSectionInsideDiameter = 22.5;
    d.plugCondition = PlugCondition::Plugged;
    host.project().setData(d);
    auto dialog = openDialog(host, DialogId::CircularPile);
    QVERIFY(dialog->findChild<QGroupBox*>()->isVisible());
    QCOMPARE(textOf(dialog.get(), u"Inner Diameter, ID (in)"_s), u"23"_s);

    setPile(host.project(), PileType::Timber, false, 0);  // the dialog loads again
    for (const QString& name : {u"Inner Diameter, ID (in)"_s, u"Lower End Section Length, ESL (ft)"_s,
                                u"Inner Diameter of Lower-End Section, EID (in)"_s}) {
        QVERIFY(!need(dialog.get(), name).isEnabled());
        QCOMPARE(textOf(dialog.get(), name), u"0"_s);
    }
    QVERIFY(!dialog->findChild<QGroupBox*>()->isVisible());
    QVERIFY(dialog->close());
    QCOMPARE(host.project().data().insideDiameter, 0.0);
    QCOMPARE(host.project().data().enhancedEndSectionInsideDiameter, 0.0);
    QCOMPARE(host.project().data().outsideDiameter, 24.0);
}

void CircularPileDialogTest::sketchLeadsToTheField() {
    RecordingHost host;
    setPile(host.project(), PileType::Timber, false, 0);
    auto dialog = openDialog(host, DialogId::CircularPile);
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    auto* sketch = dialog->findChild<ClickableSketch*>();
    QWidget& length = need(dialog.get(), u"Total Length, TL (ft)"_s);
    QWidget& inside = need(dialog.get(), u"Inner Diameter, ID (in)"_s);
    QTest::mouseClick(sketch, Qt::LeftButton, {}, sketch->partArea(&length).center());
    QVERIFY(length.hasFocus());
    // The inside of a timber pile is drawn greyed and leads nowhere.
    QTest::mouseClick(sketch, Qt::LeftButton, {}, sketch->partArea(&inside).center());
    QVERIFY(length.hasFocus());
}

QTEST_MAIN(CircularPileDialogTest)
#include "circularpiledialog_test.moc"
