// Records what the check window would show instead of showing it, and gives its answer.
#pragma once

#include <vector>

#include "app/main/runcheck.h"

namespace torve::app::test {

// Installed for its lifetime.
class RecordedFindings : public FindingsPresenter {
  public:
    RecordedFindings() : previous_(setFindingsPresenter(this)) {}
    ~RecordedFindings() override { setFindingsPresenter(previous_); }

    bool present(QWidget*, const std::vector<Finding>& findings, bool, FindingsPurpose purpose) override {
        shown.push_back({findings, purpose});
        return runAnyway;
    }

    struct Shown {
        std::vector<Finding> findings;
        FindingsPurpose purpose;
    };
    std::vector<Shown> shown;
    bool runAnyway = false;  // the answer to "Run anyway?"

  private:
    FindingsPresenter* previous_;
};

}  // namespace torve::app::test
