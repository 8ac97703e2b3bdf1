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
class NumericEditModel {
  public:
    explicit NumericEditModel(const QLocale& locale = QLocale());

    // The outcome of an exit check; `message` is the text of the information box when not valid.
    struct ExitCheck {
        bool valid = false;
        QString message;
    };

    const QString& text() const { return text_; }
    // The text before it is what a value that is no number of the project's gives way to.
    void setText(const QString& text) {
        previous_ = text_;
        text_ = text;
    }

    // Reading gives the value last written or accepted while the text still shows it, else evaluates
    // the text (raises UserError); writing clamps into [minimum, maximum] unless the form is loading
    // and shows formatEntry of the value.
    Extended number() const;
    void setNumber(Extended value);

    Extended minimum() const { return minimum_; }
    void setMinimum(Extended value);
    Extended maximum() const { return maximum_; }
    void setMaximum(Extended value);
    void setIntegerOnly(bool on);

    void setHex(bool on) { hex_ = on; }

    // 1 English, 2 S.I., 3 the template literally; values outside 1..3 are brought inside.
    int units() const { return units_; }
    void setUnits(int units);
    void setCaption(const QString& caption) { caption_ = caption; }
    void setUnitsTemplate(const QString& unitsTemplate) { unitsTemplate_ = unitsTemplate; }
    // The label's text: the caption, then " (" + expanded units + ")" when there is a template.
    QString labelText() const;

    // While the form is still being loaded, bounds and values are taken without clamping.
    void setLoading(bool on) { loading_ = on; }

    // The check run when the field is left: evaluate, whole-number rule, bounds. A bound violation
    // first sets the field to the bound; a passing check shows the value in its own form.
    ExitCheck exitCheck();
    bool isEntryValid() const { return entryValid_; }

    const QLocale& locale() const { return locale_; }

    // True for the keys that, typed over a fully selected text, are appended to it instead
    // (typing *2 in a field holding 150 gives 150*2).
    static bool appendsToValue(QChar key);

  private:
    // Shows `value` and keeps it: the text has at most 12 significant digits, and a value with more
    // (1/3, a converted 2000 lb/ft2) must not be rounded by a field the user only passed through.
    void show(Extended value);

    QLocale locale_;
    QString text_ = QStringLiteral("0");
    QString previous_ = QStringLiteral("0");
    Extended minimum_;
    Extended maximum_;
    bool integerOnly_ = false;
    bool loading_ = false;
    bool hex_ = false;
    int units_ = 1;
    QString caption_;
    QString unitsTemplate_;
    bool entryValid_ = true;
    Extended shownValue_ = 0;
    QString shownText_ = QStringLiteral("0");
};

}  // namespace torve::app
