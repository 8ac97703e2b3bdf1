// Undo and redo of the user's edits of one project.
#pragma once

#include <QObject>
#include <QUndoStack>

#include "app/project/project.h"

namespace torve::app {

// Follows one project: every change the user makes (a dialog storing its values, a table entry, a
// unit switch, CPT points imported) becomes one step that undo and redo go back and forth over.
// Each step holds the whole input before and after, so a step undone puts back every value and
// table row as it was, however the change came about. Changes of a project that equals its file
// (after reading or saving it) are its new starting point, not steps. Undoing back to the state
// last saved leaves the project unmodified.
class ProjectHistory : public QObject {
    Q_OBJECT

  public:
    explicit ProjectHistory(Project& project, QObject* parent = nullptr);
    ~ProjectHistory() override;

    bool canUndo() const { return stack_.canUndo(); }
    bool canRedo() const { return stack_.canRedo(); }
    void undo();
    void redo();
    // The changes until endGroup() are one step (a paste of many cells), or none when they changed
    // nothing.
    void beginGroup();
    void endGroup();

    const QUndoStack& stack() const { return stack_; }

  signals:
    // Whether undo or redo can act changed.
    void stepsChanged();

  private:
    class Step;
    void projectChanged();
    void projectModifiedChanged(bool modified);
    void apply(const ProjectState& state);

    Project& project_;
    QUndoStack stack_;
    ProjectState last_;
    bool applying_ = false;
    int grouping_ = 0;
};

}  // namespace torve::app
