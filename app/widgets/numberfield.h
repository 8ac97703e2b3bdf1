// The validated number field: an edit box that takes an arithmetic expression and checks it on exit.
#pragma once

#include <QLineEdit>

#include "app/controls/numericeditmodel.h"
#include "engine/model/file_format.h"

class QLabel;

namespace torve::app {

// Every number the user types goes through one of these. The text is an expression ("150*2",
// "sqrt(2)"); leaving the field or pressing Enter evaluates it, applies the whole-number rule and
// the bounds, and rewrites it as the value. A failed check shows its message and puts the focus
// back, so a dialog never stores an entry that was not checked. The label given to the field shows
// its caption with the units of the project's system, and names the field for screen readers.
class NumberField : public QLineEdit {
    Q_OBJECT

  public:
    explicit NumberField(QWidget* parent = nullptr);

    // The caption (with its "&" accelerator) and the units template ("L2", "F/L2^2", ...; empty for
    // none). `label` shows caption and units and becomes the field's buddy; it may be null.
    void setCaption(const QString& caption, const QString& unitsTemplate = {}, QLabel* label = nullptr);
    QLabel* label() const { return label_; }
    void setUnitSystem(UnitSystem units);

    void setBounds(Extended minimum, Extended maximum);
    void setMinimum(Extended minimum);
    void setMaximum(Extended maximum);
    void setIntegerOnly(bool on);
    void setHex(bool on);

    // The value last set or accepted while the field still shows it (its text has at most 12
    // significant digits), else the value of the text (raises the evaluator's error when it does
    // not evaluate).
    Extended number() const;
    // Shows `value`, clamped into the bounds unless loading.
    void setNumber(Extended value);
    // Shows a stored double; value() gives it back bit for bit while the text is unchanged.
    void setValue(double value);
    double value() const { return static_cast<double>(number()); }
    // While loading, values and bounds are taken as they come, without clamping.
    void setLoading(bool on) { model_.setLoading(on); }

    // Runs the exit check as if focus left the field; on failure shows the message, returns the
    // focus to the field and answers false.
    bool isValidEntry();

  signals:
    // The user changed the text (not a load from the project).
    void edited();

  protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    bool runExitCheck();
    void updateLabel();

    NumericEditModel model_;
    QLabel* label_ = nullptr;
    bool checking_ = false;
};

}  // namespace torve::app
