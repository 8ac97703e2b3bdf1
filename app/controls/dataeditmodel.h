// The state and exit check of a numeric entry field, apart from any widget that shows it.
#pragma once

#include <QLocale>
#include <QString>

#include "app/controls/expression.h"

namespace torve::app {

// What a field keeps besides its look: the typed text, the bounds, the whole-number rule, the hex
// display, the unit label, and whether the last exit check passed. The field widget shows the text
// and the label and calls exitCheck() when focus leaves it or Enter is pressed; it shows a failure
// message in an information box and puts focus back into the field.
class TDataEditModel {
  public:
    explicit TDataEditModel(const QLocale& locale = QLocale());

    // The outcome of an exit check; `message` is the text of the information box when not valid.
    struct ExitCheck {
        bool valid = false;
        QString message;
    };

    const QString& text() const { return text_; }
    void setText(const QString& text) { text_ = text; }

    // Reading evaluates the text (raises EAssignError); writing clamps into [MinVal, MaxVal] unless
    // the form is loading and shows FormatEntry of the value.
    Extended Number() const;
    void setNumber(Extended value);

    Extended MinVal() const { return minVal_; }
    void setMinVal(Extended value);
    Extended MaxVal() const { return maxVal_; }
    void setMaxVal(Extended value);
    bool IntegerOnly() const { return integerOnly_; }
    void setIntegerOnly(bool on);
    bool Hex() const { return hex_; }
    void setHex(bool on) { hex_ = on; }

    // Units 1 English, 2 S.I., 3 the template literally; values outside 1..3 are brought inside.
    int Units() const { return units_; }
    void setUnits(int units);
    QString Caption;
    QString UnitsString;
    // The label's text: Caption, then " (" + expanded units + ")" when there is a template.
    QString labelText() const;

    // While the form is still being loaded, bounds and values are taken without clamping.
    bool Loading = false;

    // The check run when the field is left: evaluate, whole-number rule, bounds, then show the value
    // in its own form. A bound violation first sets the field to the bound.
    ExitCheck exitCheck();
    bool EntryValid() const { return entryValid_; }

    // True for the keys that, typed over a fully selected text, are appended to it instead
    // (typing *2 in a field holding 150 gives 150*2).
    static bool appendsToValue(QChar key);

    const QLocale& locale() const { return locale_; }

  private:
    QLocale locale_;
    QString text_ = QStringLiteral("0");
    Extended minVal_;
    Extended maxVal_;
    bool integerOnly_ = false;
    bool hex_ = false;
    int units_ = 1;
    bool entryValid_ = true;
};

}  // namespace torve::app
