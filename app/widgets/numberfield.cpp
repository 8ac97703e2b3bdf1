// The validated number field.
#include "app/widgets/numberfield.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include "app/widgets/caption.h"
#include "app/widgets/messages.h"

namespace torve::app {

NumberField::NumberField(QWidget* parent) : QLineEdit(parent) {
    setText(model_.text());
    connect(this, &QLineEdit::textEdited, this, &NumberField::edited);
}

void NumberField::setCaption(const QString& caption, const QString& unitsTemplate, QLabel* label) {
    model_.setCaption(caption);
    model_.setUnitsTemplate(unitsTemplate);
    label_ = label;
    if (label_) label_->setBuddy(this);
    updateLabel();
}

void NumberField::setUnitSystem(UnitSystem units) {
    model_.setUnits(static_cast<int>(units));
    updateLabel();
}

void NumberField::setBounds(Extended minimum, Extended maximum) {
    model_.setText(text());
    model_.setMaximum(maximum);
    model_.setMinimum(minimum);
    setText(model_.text());
}

void NumberField::setMinimum(Extended minimum) {
    setBounds(minimum, model_.maximum());
}

void NumberField::setMaximum(Extended maximum) {
    setBounds(model_.minimum(), maximum);
}

void NumberField::setIntegerOnly(bool on) {
    model_.setText(text());
    model_.setIntegerOnly(on);
    setText(model_.text());
}

void NumberField::setHex(bool on) {
    model_.setHex(on);
}

Extended NumberField::number() const {
    // While the field shows what was last set or accepted, that value, not its rounded text.
    if (text() == model_.text()) return model_.number();
    return evaluateExpression(text(), model_.locale());
}

void NumberField::setNumber(Extended value) {
    model_.setNumber(value);
    setText(model_.text());
}

void NumberField::setValue(double value) {
    // The double itself, not its shortest decimal text: converted back it is the same double.
    setNumber(static_cast<Extended>(value));
}

bool NumberField::isValidEntry() {
    return runExitCheck();
}

bool NumberField::runExitCheck() {
    if (checking_) return false;
    checking_ = true;
    model_.setText(text());
    const auto check = model_.exitCheck();
    setText(model_.text());
    if (!check.valid) {
        messages().warning(window(), check.message);
        // The box took the focus; give it back once it is gone.
        setFocus(Qt::OtherFocusReason);
        QTimer::singleShot(0, this, [this] { setFocus(Qt::OtherFocusReason); });
    }
    checking_ = false;
    return check.valid;
}

void NumberField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A menu or a popup taking the focus for a moment is not the user leaving the field.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason) return;
    if (!checking_) runExitCheck();
}

void NumberField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (runExitCheck()) selectAll();
        return;  // Enter is not passed on: it neither reaches the box nor presses a default button
    }
    const QString typed = event->text();
    if (typed.size() == 1 && NumericEditModel::appendsToValue(typed[0]) && !text().isEmpty() &&
        selectedText() == text()) {
        deselect();
        end(false);
    }
    QLineEdit::keyPressEvent(event);
}

void NumberField::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && label_) label_->setEnabled(isEnabled());
}

void NumberField::updateLabel() {
    const QString text = model_.labelText();
    if (label_) {
        label_->setText(text);
        label_->setEnabled(isEnabled());
    }
    setAccessibleName(plainCaption(text));
}

}  // namespace torve::app
