// The check of a project's data as the main window shows it: on its own, and before every run.
#pragma once

#include <vector>

#include "app/main/checkwindow.h"

class QWidget;

namespace torve::app {

// Shows the check window. Tests install their own presenter to read the findings and give the
// answer, since a modal window would wait for a user who is not there.
class FindingsPresenter {
  public:
    virtual ~FindingsPresenter() = default;
    // Returns true when the user answered Yes (only asked for FindingsPurpose::RunAnyway).
    virtual bool present(QWidget* parent, const std::vector<Finding>& findings, bool english,
                         FindingsPurpose purpose) = 0;
};

// The presenter in use: the modal check window unless another was installed. Not owned.
FindingsPresenter& findingsPresenter();
// Installs `presenter` (nullptr restores the check window) and returns the one it replaces.
FindingsPresenter* setFindingsPresenter(FindingsPresenter* presenter);

// Whether a run goes ahead after the check: without findings at once; with errors not, after showing
// them all; with warnings alone when the user answers "Run anyway?" with Yes.
bool mayRunAfterCheck(QWidget* parent, const std::vector<Finding>& findings, bool english);

}  // namespace torve::app
