// Naming the columns of a CSV file of cone data whose headings are not recognised.
#pragma once

#include <QDialog>
#include <QStringList>
#include <vector>

#include "app/sounding/csvreader.h"

class QComboBox;
class QLineEdit;

namespace torve::app {

// One row per quantity (depth, qc, fs, u2, qt): the column, "(none)" or one of the file's headings,
// and its unit; a heading that names a quantity is chosen for it at first, with the unit it carries.
class CsvColumnsDialog : public QDialog {
    Q_OBJECT

  public:
    CsvColumnsDialog(const QStringList& headings, const QString& file, QWidget* parent = nullptr);

    // The columns chosen, for the CSV reader.
    std::vector<CsvColumnChoice> choices() const;

  private:
    struct Row {
        SoundingQuantity quantity;
        QComboBox* column;
        QLineEdit* unit;
    };
    std::vector<Row> rows_;
};

}  // namespace torve::app
