// The findings of the check of a project's data, listed one per row.
#pragma once

#include <QDialog>
#include <vector>

#include "app/project/precheck.h"

class QLabel;
class QTreeWidget;

namespace torve::app {

// Why the findings are shown: on their own ("Check Data"), because errors stop a run, or to ask
// whether a run with warnings alone goes ahead ("Run anyway?", Yes accepts the dialog).
enum class FindingsPurpose { Check, RunStopped, RunAnyway };

// A double-click on a finding (or Enter on it) closes the window with the result kGoToFinding and
// the finding as chosen(), for the caller to take the user to its field.
class CheckWindow : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kGoToFinding = 2;

    // `english`: depths in ft, else m.
    CheckWindow(const std::vector<Finding>& findings, bool english, FindingsPurpose purpose,
                QWidget* parent = nullptr);

    // The sentence over the list ("No problems found" when there is none).
    QString heading() const;
    QTreeWidget* list() const { return list_; }
    // The finding double-clicked; null until then.
    const Finding* chosen() const {
        return chosen_ < 0 ? nullptr : &findings_[static_cast<std::size_t>(chosen_)];
    }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void choose(int row);

    std::vector<Finding> findings_;
    QLabel* heading_;
    QTreeWidget* list_;
    int chosen_ = -1;
};

// The window that can take the user to a finding's field: the main window.
class FindingTarget {
  public:
    virtual ~FindingTarget() = default;
    virtual void goToFinding(const Finding& finding) = 0;
};

// "2 errors and 1 warning" and the like.
QString findingsSummary(const std::vector<Finding>& findings, FindingsPurpose purpose);

}  // namespace torve::app
