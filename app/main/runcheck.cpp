// The check of a project's data as the main window shows it: on its own, and before every run.
#include "app/main/runcheck.h"

namespace torve::app {
namespace {

class WindowPresenter : public FindingsPresenter {
  public:
    bool present(QWidget* parent, const std::vector<Finding>& findings, bool english,
                 FindingsPurpose purpose) override {
        CheckWindow window(findings, english, purpose, parent);
        const int result = window.exec();
        // A finding chosen stops a run that was asked about: the user goes to mend it first.
        if (result == CheckWindow::kGoToFinding && window.chosen()) {
            if (auto* target = dynamic_cast<FindingTarget*>(parent)) target->goToFinding(*window.chosen());
        }
        return result == QDialog::Accepted;
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
