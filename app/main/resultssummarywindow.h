// The results of the last run at a glance, for copying into a spreadsheet.
#pragma once

#include <QWidget>

#include "app/project/resultssummary.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace torve::app {

class Project;

// Per selected method the capacity at the pile tip, the head at the largest load level and the
// run's warnings, read-only. "Copy" (Ctrl+C) puts the whole summary on the clipboard tab-separated;
// "Save as CSV..." writes it to a file. Follows the project's results as they are read or cleared.
class ResultsSummaryWindow : public QWidget {
    Q_OBJECT

  public:
    // `reportPath` is the run's report, whose warning lines the summary lists.
    ResultsSummaryWindow(Project& project, const QString& reportPath, QWidget* parent = nullptr);

    const ResultsSummary& summary() const { return summary_; }
    QTableWidget* methodTable() const { return methods_; }
    QTableWidget* workingLoadTable() const { return workingLoads_; }
    // Shown while the results are of the other unit system than the project's (after a switch of
    // units, until the next run).
    QLabel* otherUnitsNote() const { return otherUnits_; }

    void copyToClipboard() const;
    // Writes the CSV text to `path`; false, with the reason in `error`, when it cannot be written.
    bool saveCsv(const QString& path, QString* error = nullptr) const;

  private:
    void refresh();
    void askAndSaveCsv();

    Project& project_;
    QString reportPath_;
    ResultsSummary summary_;
    QTableWidget* methods_;
    QLabel* head_;
    QTableWidget* workingLoads_;
    QLabel* otherUnits_;
    QPlainTextEdit* warnings_;
    QPushButton* saveCsv_;
    QPushButton* copy_;
};

}  // namespace torve::app
