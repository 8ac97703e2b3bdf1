// The CPT data dialog: where the cone penetration data come from, and their graphs.
#pragma once

#include <vector>

#include "app/project/cptprofile.h"
#include "app/project/projectdata.h"
#include "app/widgets/childdialog.h"

class QLineEdit;
class QPushButton;

namespace torve::app {

class NumberField;

// Names a text file of cone data and how to read it; each graph button reads the file into the
// project's CPT points (depth and qc, which the next save writes for the engine) and shows them as
// qc, or as SPT blow counts or undrained strengths derived from qc. The stress factor Ua converts
// the file's qc into ksf or kPa; it is the dialog's own and starts at 1. Files of the exchange
// formats (.ags, .gef, .xml, .csv) carry their own units and columns: they are imported once, after
// the user has chosen the test and qc or qt and seen the import's summary; the counts and Ua are
// then not used.
class CptDataDialog : public ChildDialog {
    Q_OBJECT

  public:
    explicit CptDataDialog(WindowHost& host, QWidget* parent = nullptr);

  protected:
    void load() override;
    void store() override;

  private:
    void browse();
    void fileNameEdited(const QString& name);
    void showProfile(CptProfile profile);
    // Reads a cone data file of the exchange formats and, once the user has seen what the import
    // will do and accepted it, replaces the CPT points. False when nothing was imported.
    bool importSounding(const QString& path);

    QLineEdit* fileName_;
    QPushButton* editFile_;
    NumberField* dataLines_;
    NumberField* headerLines_;
    NumberField* columns_;
    NumberField* stressFactor_;
    // The file whose import gave the project's points, and those points: while the project still
    // holds them, the graph buttons show them without asking again.
    QString importedFrom_;
    std::vector<CptPoint> importedPoints_;
};

}  // namespace torve::app
