// The pile material dialog: pile type and shape, taper, and the data for the axial stiffness.
#pragma once

#include "app/widgets/childdialog.h"
#include "engine/model/file_format.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

namespace torve::app {

class NumberField;

// The pile type decides the shape of the section (which of the two pile dialogs the Data menu
// offers), whether a taper applies and how the area of the section is found for the axial
// stiffness: from the pile's dimensions, as one constant, or from a table along the pile.
class PileMaterialDialog : public ChildDialog {
    Q_OBJECT

  public:
    explicit PileMaterialDialog(WindowHost& host, QWidget* parent = nullptr);

  protected:
    void load() override;
    void store() override;

  private:
    QWidget* createPileTypeGroup();
    QWidget* createStiffnessGroup();
    void userChanged();
    void updateEnabling();
    PileType pileType() const;
    bool squareSection() const;
    // The area of the section for the chosen type, from the stored dimensions (in^2 | m^2).
    double calculatedArea() const;

    QButtonGroup* pileTypes_;  // ids are the pile-type codes
    QRadioButton* circularShape_;
    QRadioButton* squareShape_;
    NumberField* taperAngle_;
    QLabel* taperNote_;
    NumberField* modulus_;
    QButtonGroup* areaModes_;  // ids are the section modes
    NumberField* calculatedArea_;
    NumberField* constantArea_;
    QLabel* calculatedAreaUnits_;
    QLabel* constantAreaUnits_;
    QPushButton* areaTable_;
};

}  // namespace torve::app
