// The check of a project's data as the main window shows it: on its own, and before every run.
#include "app/main/runcheck.h"

namespace torve::app {
namespace {

class WindowPresenter : public FindingsPresenter {
  public:
    bool present(QWidget* parent, const std::vector<Finding>& findings, bool english,
                 FindingsPurpose purpose) override {
        CheckWindow window(findings, english, purpose, parent);
        return window.exec() == QDialog::Accepted;
    }
};

WindowPresenter windowPresenter;
FindingsPresenter* current = &windowPresenter;

}  // namespace

FindingsPresenter& findingsPresenter() {
    return *current;
}

FindingsPresenter* setFindingsPresenter(FindingsPresenter* presenter) {
    FindingsPresenter* previous = current == &windowPresenter ? nullptr : current;
    current = presenter ? presenter : &windowPresenter;
    return previous;
}

bool mayRunAfterCheck(QWidget* parent, const std::vector<Finding>& findings, bool english) {
    if (findings.empty()) return true;
    if (!canRun(findings)) {
        findingsPresenter().present(parent, findings, english, FindingsPurpose::RunStopped);
        return false;
    }
    return findingsPresenter().present(parent, findings, english, FindingsPurpose::RunAnyway);
}

}  // namespace torve::app
