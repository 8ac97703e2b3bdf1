// The pattern every input dialog follows: load from the project, store into it, refuse a bad entry.
#pragma once

#include <QWidget>

class QScrollArea;

namespace torve::app {

class Project;
class WindowHost;

// A child window of the main window that edits part of the project. It loads its controls from the
// project when it is shown, when the project changes (another window stored into it, a file was
// opened, the unit system changed) and when asked to; it stores them when the main window commits
// it (before a menu or command acts, and when another child becomes active) and when it closes. A
// focused number field holding an entry that fails its check keeps the dialog open and in front.
class ChildDialog : public QWidget {
    Q_OBJECT

  public:
    ChildDialog(WindowHost& host, const QString& caption, QWidget* parent = nullptr);

    // Checks the focused field and stores the controls into the project; false (with the message
    // shown and the focus back in the field) when the entry is not valid.
    bool commit();
    // Loads the controls from the project again.
    void reload();
    // Moves the controls into a scroll area, so that a dialog taller or wider than the room it is
    // given scrolls instead of being cut; its "Close" row, when last, stays below the scroll area
    // and in view. Called once the controls are laid out; the size hint stays the full size.
    void scrollWhenLarge();
    // Closes the frame the dialog stands in within the main window (which asks the dialog first),
    // or the dialog itself when it stands alone: the "Close" button and Escape.
    void closeFrame();

  protected:
    // Controls from the project. Loading is not a user change: it must not mark the project
    // modified.
    virtual void load() = 0;
    // Controls into the project, through its setters.
    virtual void store() = 0;

    WindowHost& host() const { return *host_; }
    Project& project() const;
    // True while load() runs, so change handlers of the controls can tell a load from a user edit.
    bool loading() const { return loading_; }

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void projectChanged();

    QScrollArea* scroll_ = nullptr;
    WindowHost* host_;
    bool loading_ = false;
    bool storing_ = false;
    bool loaded_ = false;
};

}  // namespace torve::app
