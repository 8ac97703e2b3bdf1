// The circular pile dialog: diameters and lengths of a pipe or other round pile, and its plug.
#pragma once

#include "app/widgets/childdialog.h"

class QButtonGroup;
class QGroupBox;
class QLabel;

namespace torve::app {

class CircularPileSketch;
class NumberField;

// Only a steel pipe has an inside, a lower end section and a soil plug; for the other round piles
// those fields stay disabled at 0.
class CircularPileDialog : public ChildDialog {
    Q_OBJECT

  public:
    explicit CircularPileDialog(WindowHost& host, QWidget* parent = nullptr);

  protected:
    void load() override;
    void store() override;

  private:
    NumberField* outerDiameter_;
    NumberField* innerDiameter_;
    NumberField* totalLength_;
    NumberField* endSectionLength_;
    NumberField* endSectionInnerDiameter_;
    NumberField* zeroFrictionLength_;
    NumberField* stickupLength_;
    QLabel* endSectionNote_;
    QGroupBox* plugGroup_;
    QButtonGroup* plugConditions_;  // ids are the plug codes
    CircularPileSketch* sketch_;
};

}  // namespace torve::app
