// Building blocks of the input dialogs: controls named by their captions, number-field rows.
#pragma once

#include <QString>

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

// The value of a field whose entry passed its check; `fallback` when the text does not evaluate,
// which only a field never left by the user can hold.
double fieldValue(const NumberField* field, double fallback);

}  // namespace torve::app
