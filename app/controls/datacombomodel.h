// The state and exit check of a numeric combo-box field, apart from any widget that shows it.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

#include "app/controls/expression.h"

namespace torve::app {

// The combo-box variant of a numeric field: a list of items with a parallel list of Values (picking
// an item enters its value), values shown with 8 significant digits, and no hex display.
class TDataComboModel {
  public:
    // Created at run time both bounds start at 0; created from a form resource they mean no bound.
    explicit TDataComboModel(bool fromFormResource, const QLocale& locale = QLocale());

    struct ExitCheck {
        bool valid = false;
        QString message;
    };

    QStringList Items;
    QStringList Values;
    // The widget sets this once it sits in a window: only then does an item's text stand for its value.
    bool HasParent = false;

    const QString& text() const { return text_; }
    void setText(const QString& text) { text_ = text; }

    // Reading replaces an item's text by its value first, then evaluates.
    Extended Number();
    void setNumber(Extended value);

    Extended MinVal() const { return minVal_; }
    void setMinVal(Extended value);
    Extended MaxVal() const { return maxVal_; }
    void setMaxVal(Extended value);
    bool IntegerOnly() const { return integerOnly_; }
    void setIntegerOnly(bool on);
    int Units() const { return units_; }
    void setUnits(int units);
    QString Caption;
    QString UnitsString;
    QString labelText() const;
    bool Loading = false;

    // Same messages as the edit field; a passing check leaves the text as typed.
    ExitCheck exitCheck();
    bool EntryValid() const { return entryValid_; }

    // The character a typed key becomes, upper-cased, or nothing when the key is refused: digits,
    // minus, the full stop or the locale's decimal separator, E and backspace pass.
    std::optional<QChar> filterKey(QChar key) const;

  private:
    QString bound(Extended v) const;

    QLocale locale_;
    QString text_ = QStringLiteral("0");
    Extended minVal_;
    Extended maxVal_;
    bool integerOnly_ = false;
    int units_ = 1;
    bool entryValid_ = true;
};

}  // namespace torve::app
