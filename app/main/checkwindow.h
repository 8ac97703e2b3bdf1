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

class CheckWindow : public QDialog {
    Q_OBJECT

  public:
    // `english`: depths in ft, else m.
    CheckWindow(const std::vector<Finding>& findings, bool english, FindingsPurpose purpose,
                QWidget* parent = nullptr);

    // The sentence over the list ("No problems found" when there is none).
    QString heading() const;
    QTreeWidget* list() const { return list_; }

  private:
    QLabel* heading_;
    QTreeWidget* list_;
};

// "2 errors and 1 warning" and the like.
QString findingsSummary(const std::vector<Finding>& findings, FindingsPurpose purpose);

}  // namespace torve::app
