// The validated choice field.
#include "app/widgets/choicefield.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "app/widgets/caption.h"
#include "app/widgets/messages.h"

namespace torve::app {

ChoiceField::ChoiceField(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    model_.setHasParent(true);
    setEditText(model_.text());
    connect(lineEdit(), &QLineEdit::textEdited, this, &ChoiceField::edited);
    connect(this, &QComboBox::activated, this, &ChoiceField::edited);
}

void ChoiceField::setCaption(const QString& caption, const QString& unitsTemplate, QLabel* label) {
    model_.setCaption(caption);
    model_.setUnitsTemplate(unitsTemplate);
    label_ = label;
    if (label_) label_->setBuddy(this);
    updateLabel();
}

void ChoiceField::setUnitSystem(UnitSystem units) {
    model_.setUnits(static_cast<int>(units));
    updateLabel();
}

void ChoiceField::setChoices(const QStringList& items, const QStringList& values) {
    model_.setItems(items);
    model_.setValues(values);
    const QString text = currentText();
    clear();
    addItems(items);
    setEditText(text);
}

void ChoiceField::setBounds(Extended minimum, Extended maximum) {
    model_.setText(currentText());
    model_.setMaximum(maximum);
    model_.setMinimum(minimum);
    setEditText(model_.text());
}

void ChoiceField::setIntegerOnly(bool on) {
    model_.setText(currentText());
    model_.setIntegerOnly(on);
    setEditText(model_.text());
}

Extended ChoiceField::number() {
    model_.setText(currentText());
    return model_.number();
}

void ChoiceField::setNumber(Extended value) {
    model_.setNumber(value);
    setEditText(model_.text());
}

bool ChoiceField::isValidEntry() {
    return runExitCheck();
}

bool ChoiceField::runExitCheck() {
    if (checking_) return false;
    checking_ = true;
    model_.setText(currentText());
    const auto check = model_.exitCheck();
    setEditText(model_.text());
    if (!check.valid) {
        messages().warning(window(), check.message);
        setFocus(Qt::OtherFocusReason);
        QTimer::singleShot(0, this, [this] { setFocus(Qt::OtherFocusReason); });
    }
    checking_ = false;
    return check.valid;
}

void ChoiceField::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason) return;
    if (!checking_) runExitCheck();
}

void ChoiceField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (runExitCheck()) lineEdit()->selectAll();
        return;
    }
    const QString typed = event->text();
    if (typed.size() == 1 && typed[0].isPrint()) {
        const auto key = model_.filterKey(typed[0]);
        if (!key) return;  // refused
        if (*key != typed[0]) {
            QKeyEvent upper(event->type(), event->key(), event->modifiers(), QString(*key));
            QComboBox::keyPressEvent(&upper);
            return;
        }
    }
    QComboBox::keyPressEvent(event);
}

void ChoiceField::updateLabel() {
    const QString text = model_.labelText();
    if (label_) label_->setText(text);
    setAccessibleName(plainCaption(text));
}

}  // namespace torve::app
