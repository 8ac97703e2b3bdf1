// The number field as the user meets it: exit check on leaving and on Enter, bound messages with
// the focus put back, operator keys appended to a selected value, labels that follow the units.
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QVBoxLayout>

#include "app/widgets/caption.h"
#include "app/widgets/numberfield.h"
#include "tests/app/support/widgetfinder.h"

using namespace torve;
using namespace torve::app;
using namespace Qt::StringLiterals;

class NumberFieldTest : public QObject {
    Q_OBJECT

  private slots:
    void exitCheck_data();
    void exitCheck();
    void leavingABadEntryKeepsTheFocus();
    void operatorKeysAppendToASelectedValue();
    void labelFollowsTheUnitSystem();
    void plainCaptions();
    void storedDoublesComeBackBitForBit();
};

void NumberFieldTest::exitCheck_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("integerOnly");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    // Bounds 2 to 500 throughout.
    QTest::newRow("expression") << "2+3*4" << false << ""
                                << "14";
    QTest::newRow("below the minimum is set to it")
        << "1" << false << u"Entry must be greater than or equal to 2"_s << u"2"_s;
    QTest::newRow("above the maximum is set to it")
        << "1e3" << false << u"Entry must be less than or equal to 500"_s << u"500"_s;
    QTest::newRow("fraction in a whole-number field") << "2.5" << true << "Entry must be an integer."
                                                      << "2.5";
    QTest::newRow("words in a whole-number field") << "abc" << true << "Entry must be a valid integer."
                                                   << "abc";
    QTest::newRow("evaluator message")
        << "5*" << false << "Entry could not be evaluated:\rinvalid expression" << u"5*"_s;
}

void NumberFieldTest::exitCheck() {
    QFETCH(QString, typed);
    QFETCH(bool, integerOnly);
    QFETCH(QString, message);
    QFETCH(QString, shown);
    test::RecordedMessages messages;
    NumberField field;
    field.setIntegerOnly(integerOnly);
    field.setBounds(2, 500);
    field.setText(typed);
    QCOMPARE(field.isValidEntry(), message.isEmpty());
    QCOMPARE(messages.shown, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(field.text(), shown);
}

void NumberFieldTest::leavingABadEntryKeepsTheFocus() {
    test::RecordedMessages messages;
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* field = new NumberField;
    auto* other = new QLineEdit;
    layout->addWidget(field);
    layout->addWidget(other);
    field->setBounds(2, 500);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, u"1"_s);
    other->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(field->hasFocus());
    QCOMPARE(messages.shown, QStringList{u"Entry must be greater than or equal to 2"_s});
    QCOMPARE(field->text(), u"2"_s);
    // Enter checks too, and selects the new text for the next entry.
    field->selectAll();
    QTest::keyClicks(field, u"3*4"_s);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(field->text(), u"12"_s);
    QCOMPARE(field->selectedText(), u"12"_s);
}

void NumberFieldTest::operatorKeysAppendToASelectedValue() {
    NumberField field;
    field.setText(u"150"_s);
    field.selectAll();
    QTest::keyClicks(&field, u"*2"_s);
    QCOMPARE(field.text(), u"150*2"_s);
    field.selectAll();
    QTest::keyClicks(&field, u"7"_s);  // a digit replaces the selection as usual
    QCOMPARE(field.text(), u"7"_s);
}

void NumberFieldTest::labelFollowsTheUnitSystem() {
    QLabel label;
    NumberField field;
    field.setCaption(u"Modulus of &Elasticity, E"_s, u"F/L\u00b2"_s, &label);
    QCOMPARE(label.buddy(), &field);
    QCOMPARE(field.accessibleName(), u"Modulus of Elasticity, E (lbs/in\u00b2)"_s);
    field.setUnitSystem(UnitSystem::SI);
    QCOMPARE(label.text(), u"Modulus of &Elasticity, E (kN/m\u00b2)"_s);
    QCOMPARE(field.accessibleName(), u"Modulus of Elasticity, E (kN/m\u00b2)"_s);
}

void NumberFieldTest::plainCaptions() {
    QCOMPARE(plainCaption(u"Save &As..."_s), u"Save As..."_s);
    QCOMPARE(plainCaption(u"&Tip && Shaft"_s), u"Tip & Shaft"_s);
    QCOMPARE(plainCaption(u"No accelerator"_s), u"No accelerator"_s);
}

// A field shows 12 significant digits of a stored double and gives the double back unchanged, also
// after its entry was checked again (the focus passing through), so a dialog opened and closed
// changes no value.
void NumberFieldTest::storedDoublesComeBackBitForBit() {
    const double values[] = {
        0.1,
        609.5999999999999,  // 24 in in mm, in binary
        95.76051796067168,  // 2000 lb/ft2 in kN/m2
        1.0 / 3,
        199947961.50199002,  // 29e6 lb/in2 in kN/m2
        0.1234567890125,     // 13 digits ending in 5: rounds in the text only
        -1e-300,
        1.7976931348623157e308,
    };
    NumberField field;
    for (double v : values) {
        field.setValue(v);
        QVERIFY2(field.value() == v, qPrintable(field.text()));
        QVERIFY(field.isValidEntry());
        QVERIFY2(field.value() == v, qPrintable(field.text()));
        QString digits = field.text();
        digits.remove(QRegularExpression(u"E.*|[-.]"_s)).remove(QRegularExpression(u"^0+"_s));
        QVERIFY2(digits.size() <= 12, qPrintable(field.text()));
    }
}

QTEST_MAIN(NumberFieldTest)
#include "numberfield_test.moc"
