// The critical depth dialog: how the USACE method finds the critical depth in sand.
#pragma once

#include "app/widgets/childdialog.h"

class QButtonGroup;
class QLabel;

namespace torve::app {

class NumberField;

// The same choice the computation methods dialog offers under the USACE method, on its own.
class CriticalDepthDialog : public ChildDialog {
    Q_OBJECT

  public:
    explicit CriticalDepthDialog(WindowHost& host, QWidget* parent = nullptr);

  protected:
    void load() override;
    void store() override;

  private:
    void showDepth();

    QButtonGroup* options_;  // ids are the option codes
    NumberField* depth_;
    QLabel* depthUnits_;
};

}  // namespace torve::app
