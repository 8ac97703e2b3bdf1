// Undo and redo of the user's edits of one project.
#include "app/main/projecthistory.h"

#include <QUndoCommand>

namespace torve::app {

class ProjectHistory::Step : public QUndoCommand {
  public:
    Step(ProjectHistory& history, ProjectState before, ProjectState after)
        : history_(history), before_(std::move(before)), after_(std::move(after)) {}

    // The change has already been made when the step is recorded: the first redo is the change.
    void redo() override {
        if (recorded_) history_.apply(after_);
        recorded_ = true;
    }
    void undo() override { history_.apply(before_); }

  private:
    ProjectHistory& history_;
    ProjectState before_;
    ProjectState after_;
    bool recorded_ = false;
};

ProjectHistory::ProjectHistory(Project& project, QObject* parent)
    : QObject(parent), project_(project), last_(project.state()) {
    connect(&project_, &Project::changed, this, &ProjectHistory::projectChanged);
    connect(&project_, &Project::modifiedChanged, this, &ProjectHistory::projectModifiedChanged);
    connect(&stack_, &QUndoStack::canUndoChanged, this, &ProjectHistory::stepsChanged);
    connect(&stack_, &QUndoStack::canRedoChanged, this, &ProjectHistory::stepsChanged);
}

ProjectHistory::~ProjectHistory() {
    // The steps refer to this history; they go before its members do.
    disconnect(&stack_, nullptr, this, nullptr);
    stack_.clear();
}

void ProjectHistory::projectChanged() {
    if (applying_ || grouping_ > 0) return;
    ProjectState now = project_.state();
    // A project that equals its file starts afresh from here: reading or saving it is no edit.
    if (!project_.isModified() || now.sameInputs(last_)) {
        last_ = std::move(now);
        return;
    }
    stack_.push(new Step(*this, last_, now));
    last_ = std::move(now);
}

void ProjectHistory::projectModifiedChanged(bool modified) {
    // Saved: this is the state that an undo back to it leaves unmodified.
    if (!modified && !applying_) stack_.setClean();
}

void ProjectHistory::apply(const ProjectState& state) {
    project_.restoreState(state);
    last_ = project_.state();
}

void ProjectHistory::undo() {
    applying_ = true;
    stack_.undo();
    applying_ = false;
    project_.setModified(!stack_.isClean());
}

void ProjectHistory::redo() {
    applying_ = true;
    stack_.redo();
    applying_ = false;
    project_.setModified(!stack_.isClean());
}

void ProjectHistory::beginGroup() {
    ++grouping_;
}

void ProjectHistory::endGroup() {
    if (grouping_ > 0 && --grouping_ == 0) projectChanged();
}

}  // namespace torve::app
