// What the numeric edit and combo fields share: bounds, the whole-number rule and the exit check.
#pragma once

#include <QLocale>
#include <QString>

#include "app/controls/expression.h"

namespace torve::app {

// The state of a numeric field apart from any widget: the typed text, the bounds, the whole-number
// rule, the unit label, and whether the last exit check passed. The two field kinds differ in how
// they read their text, show a bound and expand their unit template.
class NumericFieldModel {
  public:
    virtual ~NumericFieldModel() = default;

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

    // Writing clamps into [minimum, maximum] unless the form is loading.
    virtual void setNumber(Extended value) = 0;

    Extended minimum() const { return minimum_; }
    void setMinimum(Extended value);
    Extended maximum() const { return maximum_; }
    void setMaximum(Extended value);
    bool isIntegerOnly() const { return integerOnly_; }
    void setIntegerOnly(bool on);

    // 1 English, 2 S.I., 3 the template literally; values outside 1..3 are brought inside.
    int units() const { return units_; }
    void setUnits(int units);
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption) { caption_ = caption; }
    const QString& unitsTemplate() const { return unitsTemplate_; }
    void setUnitsTemplate(const QString& unitsTemplate) { unitsTemplate_ = unitsTemplate; }
    // The label's text: the caption, then " (" + expanded units + ")" when there is a template.
    QString labelText() const;

    // While the form is still being loaded, bounds and values are taken without clamping.
    bool isLoading() const { return loading_; }
    void setLoading(bool on) { loading_ = on; }

    // The check run when the field is left: evaluate, whole-number rule, bounds. A bound violation
    // first sets the field to the bound.
    ExitCheck exitCheck();
    bool isEntryValid() const { return entryValid_; }

    const QLocale& locale() const { return locale_; }

  protected:
    NumericFieldModel(const QLocale& locale, Extended minimum, Extended maximum);

    // The value of the text as the field reads it (raises UserError).
    virtual Extended evaluate() = 0;
    // A bound as the messages show it.
    virtual QString boundText(Extended v) const = 0;
    // The unit template expanded for the label.
    virtual QString expandedUnits() const = 0;
    // What a passing exit check does with the value read.
    virtual void accept(Extended) {}

    QLocale locale_;
    QString text_ = QStringLiteral("0");
    QString previous_ = QStringLiteral("0");
    Extended minimum_;
    Extended maximum_;
    bool integerOnly_ = false;
    bool loading_ = false;
    int units_ = 1;

  private:
    QString caption_;
    QString unitsTemplate_;
    bool entryValid_ = true;
};

}  // namespace torve::app
