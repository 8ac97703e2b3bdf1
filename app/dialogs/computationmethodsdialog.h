// The computation methods dialog: the load-transfer method, the capacity methods and their options.
#pragma once

#include <array>

#include "app/widgets/childdialog.h"
#include "engine/model/file_format.h"

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace torve::app {

class NumberField;

// Two tabs: the method whose unit load transfers shape the t-z and Q-w curves, and the methods whose
// capacities are computed with the critical depth, clay and loading options they use. The
// load-transfer method is always among the capacity methods, and "LS" marks it there.
class ComputationMethodsDialog : public ChildDialog {
    Q_OBJECT

  public:
    explicit ComputationMethodsDialog(WindowHost& host, QWidget* parent = nullptr);

  protected:
    void load() override;
    void store() override;

  private:
    QWidget* createLoadSettlementPage();
    QWidget* createPileCapacityPage();
    QGroupBox* createCriticalDepthPanel();
    QGroupBox* createLoadingGroup();

    void transferMethodChosen(int code);
    // Checks or clears every method the edition offers; clearing keeps the load-transfer method.
    void selectAll(bool on);
    void userChanged();
    void updateEnabling();
    Method transferMethod() const;
    QCheckBox* capacityBox(Method m) const { return capacityMethods_[index_of(m)]; }

    QButtonGroup* transferMethods_;  // ids are the method codes
    std::array<QCheckBox*, kMethodCount> capacityMethods_{};
    std::array<int, kMethodCount> capacityRows_{};
    QGridLayout* capacityGrid_ = nullptr;
    QLabel* loadSettlementMark_ = nullptr;
    QRadioButton* unfactoredCurves_ = nullptr;
    QRadioButton* reducedCurves_ = nullptr;
    QGroupBox* criticalDepthPanel_ = nullptr;
    QButtonGroup* criticalDepthOptions_ = nullptr;  // ids are the option codes
    NumberField* criticalDepth_ = nullptr;
    QLabel* criticalDepthUnits_ = nullptr;
    QRadioButton* drainedClay_ = nullptr;
    QRadioButton* undrainedClay_ = nullptr;
    QRadioButton* areaRatioClayBase_ = nullptr;
    QRadioButton* loadTestClayBase_ = nullptr;
    QRadioButton* compression_ = nullptr;
    QRadioButton* tension_ = nullptr;
    NumberField* tensionFactor_ = nullptr;
    QLabel* tensionNote_ = nullptr;
};

}  // namespace torve::app
