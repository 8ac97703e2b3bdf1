// Building blocks of the input dialogs: controls named by their captions, number-field rows.
#pragma once

#include <QString>
#include <optional>

#include "engine/model/file_format.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace torve::app {

class NumberField;

// Buttons and boxes showing `caption` (with its "&" accelerator), named by it for screen readers.
QRadioButton* captionedRadio(const QString& caption);
QCheckBox* captionedCheckBox(const QString& caption);
QPushButton* captionedButton(const QString& caption);
// A button whose command stores the dialog first. A click leaves the focus where it is, so that the
// entry of the focused field is checked once, by that store, and not again as the focus leaves it.
QPushButton* commandButton(const QString& caption);
// The "Close" button of a child dialog: it closes the frame the dialog stands in within the main
// window (which asks the dialog first), or the dialog itself when it stands alone.
QPushButton* closeButton(QWidget* dialog);
// A page of a tab widget, named by the tab's caption.
QWidget* captionedPage(const QString& caption);
// A word-wrapped explanation beside the controls it explains.
QLabel* noteLabel(const QString& text);

// A number field with its label (caption and units) in `grid`: the label in `column`, the field in
// the next column.
NumberField* addNumberRow(QGridLayout* grid, int row, const QString& caption, const QString& units = {},
                          int column = 0);

// The units a template stands for in `units`, in brackets after a blank: " (ft)".
QString unitsSuffix(const QString& unitsTemplate, UnitSystem units);

// The text of a value that may be left blank: none for none, else to 12 digits in the user's locale.
QString optionalText(const std::optional<double>& value);

// A value that may be left blank, as typed: a finite number in the user's locale or with "." as
// decimal mark, or none for a blank text; false, with `value` unchanged, for any other text.
bool typedOptional(const QString& text, std::optional<double>& value);

// Shows every number field under `root` from its first digit: a long converted value keeps its
// leading digits in view. The field being edited is left as it is.
void showFromStart(QWidget* root);

// Shows a stored value as a field shows every value, to 12 significant digits, so that the binary
// noise of a unit conversion (24 in as 609.5999999999999 mm) does not show.
void showValue(NumberField* field, double value);

// The value of a field whose entry passed its check. While the field still shows `stored` as
// showValue() showed it, that is `stored` itself: opening and closing a dialog changes nothing.
// `stored` also stands for a text that does not evaluate, which only a field never left can hold.
double fieldValue(const NumberField* field, double stored);

}  // namespace torve::app
