// The validated choice field: a combo box of named values that also takes a typed number.
#pragma once

#include <QComboBox>

#include "app/controls/numericcombomodel.h"
#include "engine/model/file_format.h"

class QLabel;

namespace torve::app {

// A combo box whose items stand for values (picking an item enters its value) and whose text may
// be typed as a number. Typed keys are filtered to digits, minus, the decimal mark and E; leaving
// the field or pressing Enter checks the value against the bounds and the whole-number rule like
// the number field does.
class ChoiceField : public QComboBox {
    Q_OBJECT

  public:
    explicit ChoiceField(QWidget* parent = nullptr);

    void setCaption(const QString& caption, const QString& unitsTemplate = {}, QLabel* label = nullptr);
    void setUnitSystem(UnitSystem units);
    // The items shown and the values they stand for, in the same order.
    void setChoices(const QStringList& items, const QStringList& values);
    void setBounds(Extended minimum, Extended maximum);
    void setIntegerOnly(bool on);

    Extended number();
    void setNumber(Extended value);
    bool isValidEntry();

  signals:
    void edited();

  protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool runExitCheck();
    void updateLabel();

    NumericComboModel model_{NumericComboModel::CreatedFromForm};
    QLabel* label_ = nullptr;
    bool checking_ = false;
};

}  // namespace torve::app
