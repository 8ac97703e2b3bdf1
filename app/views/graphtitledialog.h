// The dialog that sets a graph's title and whether it stands at the top or the bottom.
#pragma once

#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace torve::app {

// Takes and gives the title and its place; the graph window applies them whenever the dialog
// closes.
class GraphTitleDialog : public QDialog {
    Q_OBJECT

  public:
    GraphTitleDialog(const QString& title, bool onTop, QWidget* parent = nullptr);

    QString title() const;
    bool onTop() const;

  private:
    QLineEdit* edit_;
    QRadioButton* top_;
    QRadioButton* bottom_;
};

}  // namespace torve::app
