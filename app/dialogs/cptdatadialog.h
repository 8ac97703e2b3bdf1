// The CPT data dialog: where the cone penetration data come from, and their graphs.
#pragma once

#include "app/project/cptprofile.h"
#include "app/widgets/childdialog.h"

class QLineEdit;
class QPushButton;

namespace torve::app {

class NumberField;

// Names a text file of cone data and how to read it; each graph button reads the file into the
// project's CPT points (depth and qc, which the next save writes for the engine) and shows them as
// qc, or as SPT blow counts or undrained strengths derived from qc. The stress factor Ua converts
// the file's qc into ksf or kPa; it is the dialog's own and starts at 1.
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

    QLineEdit* fileName_;
    QPushButton* editFile_;
    NumberField* dataLines_;
    NumberField* headerLines_;
    NumberField* columns_;
    NumberField* stressFactor_;
};

}  // namespace torve::app
