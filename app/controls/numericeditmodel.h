// The state and exit check of a numeric entry field, apart from any widget that shows it.
#pragma once

#include <QLocale>
#include <QString>

#include "app/controls/expression.h"
#include "app/controls/numericfieldmodel.h"

namespace torve::app {

// What a field keeps besides its look: the typed text, the bounds, the whole-number rule, the hex
// display, the unit label, and whether the last exit check passed. The field widget shows the text
// and the label and calls exitCheck() when focus leaves it or Enter is pressed; it shows a failure
// message in an information box and puts focus back into the field.
class NumericEditModel : public NumericFieldModel {
  public:
    explicit NumericEditModel(const QLocale& locale = QLocale());

    // Reading gives the value last written or accepted while the text still shows it, else evaluates
    // the text (raises UserError); writing clamps into [minimum, maximum] unless the form is loading
    // and shows formatEntry of the value.
    Extended number() const;
    void setNumber(Extended value) override;

    bool isHex() const { return hex_; }
    void setHex(bool on) { hex_ = on; }

    // True for the keys that, typed over a fully selected text, are appended to it instead
    // (typing *2 in a field holding 150 gives 150*2).
    static bool appendsToValue(QChar key);

  private:
    Extended evaluate() override { return number(); }
    QString boundText(Extended v) const override;
    QString expandedUnits() const override;
    // A passing check shows the value in its own form.
    void accept(Extended x) override;
    // Shows `value` and keeps it: the text has at most 12 significant digits, and a value with more
    // (1/3, a converted 2000 lb/ft2) must not be rounded by a field the user only passed through.
    void show(Extended value);

    bool hex_ = false;
    Extended shownValue_ = 0;
    QString shownText_ = QStringLiteral("0");
};

}  // namespace torve::app
