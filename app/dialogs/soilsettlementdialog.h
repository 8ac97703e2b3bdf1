// The soil settlement dialog: the settlement of the soil against depth and the sustained head load
// of the downdrag a run solves.
#pragma once

#include "app/widgets/childdialog.h"

class QLineEdit;
class QTableView;

namespace torve::app {

class SettlementTableModel;

// Edits the project's soil settlement in its units: a table of depth and settlement, filled by hand
// or imported from a CSV file, and the head load. A project with a settlement of at least one point
// keeps it beside itself and has its downdrag solved at each run.
class SoilSettlementDialog : public ChildDialog {
    Q_OBJECT

  public:
    explicit SoilSettlementDialog(WindowHost& host, QWidget* parent = nullptr);

    // Replaces the table (and the head load, where the file gives one) with a settlement file's.
    // A file that cannot be read is refused with the reader's message naming its line, and the table
    // stays as it was. False when nothing was imported.
    bool importFile(const QString& path);

  protected:
    void load() override;
    void store() override;

  private:
    void chooseImport();

    SettlementTableModel* model_;
    QTableView* table_;
    QLineEdit* headLoad_;
    // The head load as load() showed it.
    QString shownHeadLoad_;
};

}  // namespace torve::app
