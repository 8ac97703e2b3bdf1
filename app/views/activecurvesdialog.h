// The dialog that chooses which curves of a graph are active: listed in the legend and the menu.
#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace torve::app {

// One row per curve, its code (" yes : " or " no  : "), three blanks and its name. A double-click
// or "Activate/Desactivate Selected" switches rows; the "All" buttons set every row. Takes and
// gives plain names and codes: the graph window applies the codes when the dialog closes with OK.
class ActiveCurvesDialog : public QDialog {
    Q_OBJECT

  public:
    ActiveCurvesDialog(const QStringList& names, const QStringList& codes, QWidget* parent = nullptr);

    QStringList codes() const { return codes_; }

    void toggleSelected();
    void setAll(bool active);

  private:
    void toggle(int row);
    void showRow(int row);

    QStringList names_;
    QStringList codes_;
    QListWidget* list_;
};

}  // namespace torve::app
