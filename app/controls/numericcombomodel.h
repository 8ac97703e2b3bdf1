// The state and exit check of a numeric combo-box field, apart from any widget that shows it.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

#include "app/controls/expression.h"
#include "app/controls/numericfieldmodel.h"

namespace torve::app {

// The combo-box variant of a numeric field: a list of items with a parallel list of values (picking
// an item enters its value), values shown with 8 significant digits, and no hex display.
class NumericComboModel : public NumericFieldModel {
  public:
    // Created at run time both bounds start at 0; created from a form resource they mean no bound.
    enum Origin { CreatedAtRunTime, CreatedFromForm };
    explicit NumericComboModel(Origin origin, const QLocale& locale = QLocale());

    const QStringList& items() const { return items_; }
    void setItems(const QStringList& items) { items_ = items; }
    const QStringList& values() const { return values_; }
    void setValues(const QStringList& values) { values_ = values; }
    // The widget sets this once it sits in a window: only then does an item's text stand for its value.
    bool hasParent() const { return hasParent_; }
    void setHasParent(bool on) { hasParent_ = on; }

    // Reading replaces an item's text by its value first, then evaluates.
    Extended number();
    void setNumber(Extended value) override;

    // The character a typed key becomes, upper-cased, or nothing when the key is refused: digits,
    // minus, the full stop or the locale's decimal separator, E and backspace pass.
    std::optional<QChar> filterKey(QChar key) const;

  private:
    // A passing exit check leaves the text as typed.
    Extended evaluate() override { return number(); }
    QString boundText(Extended v) const override;
    QString expandedUnits() const override;

    QStringList items_;
    QStringList values_;
    bool hasParent_ = false;
};

}  // namespace torve::app
