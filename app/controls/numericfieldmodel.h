// What the numeric edit and combo fields share: bounds, the whole-number rule and the exit check.
#pragma once

#include <QLocale>
#include <QString>

#include "app/controls/expression.h"

namespace torve::app {

// The state of a numeric field apart from any widget: the typed text, the bounds, the whole-number
// rule, the unit label, and whether the last exit check passed. The two field kinds differ in how
// they read their text, show a bound and expand their unit template.
class TNumericFieldModel {
  public:
    virtual ~TNumericFieldModel() = default;

    // The outcome of an exit check; `message` is the text of the information box when not valid.
    struct ExitCheck {
        bool valid = false;
        QString message;
    };

    const QString& text() const { return text_; }
    void setText(const QString& text) { text_ = text; }

    // Writing clamps into [MinVal, MaxVal] unless the form is loading.
    virtual void setNumber(Extended value) = 0;

    Extended MinVal() const { return minVal_; }
    void setMinVal(Extended value);
    Extended MaxVal() const { return maxVal_; }
    void setMaxVal(Extended value);
    bool IntegerOnly() const { return integerOnly_; }
    void setIntegerOnly(bool on);

    // Units 1 English, 2 S.I., 3 the template literally; values outside 1..3 are brought inside.
    int Units() const { return units_; }
    void setUnits(int units);
    QString Caption;
    QString UnitsString;
    // The label's text: Caption, then " (" + expanded units + ")" when there is a template.
    QString labelText() const;

    // While the form is still being loaded, bounds and values are taken without clamping.
    bool Loading = false;

    // The check run when the field is left: evaluate, whole-number rule, bounds. A bound violation
    // first sets the field to the bound.
    ExitCheck exitCheck();
    bool EntryValid() const { return entryValid_; }

    const QLocale& locale() const { return locale_; }

  protected:
    TNumericFieldModel(const QLocale& locale, Extended min, Extended max);

    // The value of the text as the field reads it (raises EAssignError).
    virtual Extended evaluate() = 0;
    // A bound as the messages show it.
    virtual QString boundText(Extended v) const = 0;
    // The unit template expanded for the label.
    virtual QString expandedUnits() const = 0;
    // What a passing exit check does with the value read.
    virtual void accept(Extended) {}

    QLocale locale_;
    QString text_ = QStringLiteral("0");
    Extended minVal_;
    Extended maxVal_;
    bool integerOnly_ = false;
    int units_ = 1;
    bool entryValid_ = true;
};

}  // namespace torve::app
