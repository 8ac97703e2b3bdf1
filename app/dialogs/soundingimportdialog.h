// The import of a cone data file of the exchange formats: which test, qc or qt, and what the import
// will do, shown before the project's CPT points are replaced.
#pragma once

#include <QDialog>
#include <optional>

#include "app/sounding/sounding.h"
#include "app/sounding/soundingimport.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace torve::app {

// Lists the tests of the file (a choice only when it holds more than one) and qt or qc (qt when the
// default import takes it), and shows the summary of the import as chosen. Import is enabled while the
// import can be made; otherwise the summary says why.
class SoundingImportDialog : public QDialog {
    Q_OBJECT

  public:
    SoundingImportDialog(Sounding sounding, const QString& file, UnitSystem units, QWidget* parent = nullptr);

    // The import as chosen; nothing when it cannot be made.
    const std::optional<SoundingImport>& result() const { return result_; }
    // The summary's lines as shown.
    QString summary() const;

  private:
    void testChosen();
    void refresh(ConeChoice choice);

    Sounding sounding_;
    QString file_;
    UnitSystem units_;
    QComboBox* test_;
    QComboBox* cone_;
    QLabel* summary_;
    QPushButton* import_;
    std::optional<SoundingImport> result_;
};

}  // namespace torve::app
